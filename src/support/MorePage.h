#pragma once
// The content of the main window's more-software page (shtMore): free
// programs for Termora's users, with a detail panel and a download button.

#include <QStringList>
#include <QWidget>

#include <memory>

namespace Ui {
class MorePage;
}  // namespace Ui

namespace termora {

class TextTableModel;

class MorePage : public QWidget {
    Q_OBJECT

public:
    // `lines`: the tab-separated program lines (the shipped list unless given).
    explicit MorePage(QWidget* parent = nullptr);
    MorePage(QStringList lines, QWidget* parent);
    ~MorePage() override;

    // The loader the navigation runs each time the page is chosen: when the
    // grid is empty, writes the lines to "more.txt" in the temporary
    // directory, reads the file back, drops Termora's own row and sorts by
    // version, newest first. Throws UserError when the file cannot be written
    // or read; the grid stays empty and the next call tries again.
    void loadMoreSoftware();

private slots:
    // A row chosen: its name, version, description and badge into the
    // detail panel.
    void nxMoreSelectCell();
    // "Download": opens the chosen program's download link, or its share
    // link when "Share" is shown and checked.
    void msDownloadClick();
    // The "Share" box: its caption follows its state.
    void chkShareClick();

private:
    std::unique_ptr<Ui::MorePage> ui;
    QStringList m_lines;
    TextTableModel* m_model = nullptr;
};

}  // namespace termora
