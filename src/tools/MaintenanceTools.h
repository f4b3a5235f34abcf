#pragma once
// The maintainers' hidden tools on the dictionary page: the full-listing
// code, the record export of a letter table and the add-entry dialogs,
// whose entries the next search finds.

#include <QObject>

namespace termora {

class DictionaryPage;
class DictionarySource;

class MaintenanceTools : public QObject {
    Q_OBJECT
public:
    // The source must outlive the tools.
    MaintenanceTools(DictionaryPage& page, DictionarySource& source);

public slots:
    // Puts the full-listing code into the search box (the labels of several pages).
    void Label1Click();
    // Right-click on the counter: shows or hides the export button.
    void NIContextPopup();
    // Writes the record lines of the chosen letter table to SA.txt.
    void Button3Click();
    // Right-click on "&Expansion :": appends a typed entry to New.txt, and
    // the dictionary reads it in.
    void Label3ContextPopup();

private:
    DictionaryPage& m_page;
    DictionarySource& m_source;
};

}  // namespace termora
