#pragma once
// The content of the main window's contributor page (shtContrib): the people
// and projects whose data Termora ships, with a detail panel for the
// selected row.

#include <QStringList>
#include <QWidget>

#include <memory>

namespace Ui {
class ContributorPage;
}  // namespace Ui

namespace termora {

class TextTableModel;

class ContributorPage : public QWidget {
    Q_OBJECT

public:
    // `lines`: the tab-separated contributor lines (the shipped list unless
    // given).
    explicit ContributorPage(QWidget* parent = nullptr);
    ContributorPage(QStringList lines, QWidget* parent);
    ~ContributorPage() override;

    // Fills the grid once per run: writes the lines to "Contributor.txt" in
    // the temporary directory and reads the file back. Throws UserError when
    // the file cannot be written or read; the next call tries again.
    void loadContributors();

signals:
    // Asks the frame to bring a page to the front ("shtSupport").
    void pageRequested(const QString& pageObjectName);

private slots:
    // A row chosen: its name, links and contribution into the detail panel.
    void nxContributorSelectCell();
    // The four link buttons: open the chosen contributor's address.
    void VisitURL2();
    // "How to Support Us?": brings the support page to the front.
    void btnHTSUClick();

private:
    std::unique_ptr<Ui::ContributorPage> ui;
    QStringList m_lines;
    TextTableModel* m_model = nullptr;
};

}  // namespace termora
