#pragma once
// The file-extension page: the extensions of one category at a time, read
// from the archive beside the program, and links to reference sites.

#include <QWidget>

#include <memory>

namespace Ui {
class FileExtensionPage;
}  // namespace Ui

namespace termora {

class TextTableModel;

class FileExtensionPage : public QWidget {
    Q_OBJECT
public:
    explicit FileExtensionPage(QWidget* parent = nullptr);
    ~FileExtensionPage() override;

    // The archive the categories are read from; FileExtension.db in the
    // program's data folder unless set.
    void setArchivePath(const QString& path);

private slots:
    // Reads the chosen category; on failure shows the reader's message and
    // keeps the list and count as they were.
    void ListBox1Click();
    // The seven site buttons: the current row's extension into the clicked
    // button's address pattern.
    void Button7Click();

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void setUpCategoryList();
    void layOutCategories();
    void showRows(QList<QStringList> rows);

    std::unique_ptr<Ui::FileExtensionPage> ui;
    TextTableModel* m_model;
    QString m_archivePath;
    int m_chosenAtPress = -1;  // the category chosen when the mouse went down
};

}  // namespace termora
