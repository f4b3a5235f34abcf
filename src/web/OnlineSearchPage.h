#pragma once
// The online acronym search page: a term looked up on one of nine acronym
// sites, opened in the default browser or in a browser of the user's list,
// and that list itself, kept in the user's Browser.dat.

#include "web/BrowserList.h"

#include <QWidget>

#include <memory>

class QAbstractButton;

namespace Ui {
class OnlineSearchPage;
}

namespace termora {

class OnlineSearchPage : public QWidget {
    Q_OBJECT
public:
    // The user's Browser.dat, in the configuration folder.
    static QString defaultBrowserFile();
    // A Browser.dat beside the program: the starting list of a portable
    // copy while the user has no list of their own.
    static QString startingBrowserFile();

    explicit OnlineSearchPage(QWidget* parent = nullptr, const QString& browserFile = defaultBrowserFile(),
                              const QString& startingFile = startingBrowserFile());
    ~OnlineSearchPage() override;

    // Start-up: when the user's Browser.dat exists, or else the starting
    // list, it replaces the browser list and its first entry is selected.
    // Throws UserError "Cannot open file \"%s\". %s" when it exists but
    // cannot be read, is no regular file or is far longer than any browser
    // list.
    void loadBrowserList();

signals:
    // The "Acronym to Search" label was clicked: the full-listing tool's door.
    void fullListingCodeRequested();

public slots:
    // One handler for the nine site buttons; the button names its site.
    void MSSearch(QAbstractButton* sender);
    // "Use Default Browser": the browser list's controls are enabled only
    // without it.
    void DefBrowseClick();
    // "...": a program chosen in a file dialog into the browser box.
    void btnDotClick();
    // "Add", "Remove", "Get from this Computer": the browser list changes
    // and Browser.dat is written again.
    void btnAdd3Click();
    void btnRemove3Click();
    void GFTCClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Sorts an entry into the list and the combo box, keeping the typed text.
    int insertBrowser(const QString& command);
    // The entry the combo box shows, or -1 when its text is not an entry.
    int selectedBrowser() const;
    // Rewrites the user's Browser.dat from the list. Throws UserError
    // "Cannot create file".
    void saveBrowserList() const;

    std::unique_ptr<Ui::OnlineSearchPage> ui;
    QString m_browserFile;
    QString m_startingFile;
    web::BrowserList m_browsers;
};

}  // namespace termora
