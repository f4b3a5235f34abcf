#include "support/ContributorPage.h"

#include "controls/LinkKeyword.h"
#include "controls/TextTableModel.h"
#include "platform/AppPaths.h"
#include "support/GridFile.h"
#include "support/ListGrid.h"
#include "support/SupportData.h"
#include "ui_ContributorPage.h"

namespace termora {

namespace {

const QString kNoLink = QStringLiteral("-");

}  // namespace

ContributorPage::ContributorPage(QWidget* parent) : ContributorPage(support::contributorLines(), parent) {}

ContributorPage::ContributorPage(QStringList lines, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::ContributorPage>()), m_lines(std::move(lines)) {
    ui->setupUi(this);
    m_model = support::setUpListGrid(*ui->nxContributor, {{QStringLiteral("Name"), 130},
                                                          {QStringLiteral("Website"), 103},
                                                          {QStringLiteral("Facebook"), 103},
                                                          {QStringLiteral("Twitter"), 103},
                                                          {QStringLiteral("Google Plus"), 103},
                                                          {QStringLiteral("Contribution"), 0}});
    for (QPushButton* button : {ui->cHome, ui->cFB, ui->cTwitter, ui->cGPlus}) {
        setHelpKeyword(button, kNoLink);
        connect(button, &QPushButton::clicked, this, &ContributorPage::VisitURL2);
    }
    connect(ui->nxContributor->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ContributorPage::nxContributorSelectCell);
    connect(ui->nxContributor->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &ContributorPage::nxContributorSelectCell);
    connect(ui->btnHTSU, &QPushButton::clicked, this, &ContributorPage::btnHTSUClick);
}

ContributorPage::~ContributorPage() = default;

void ContributorPage::loadContributors() {
    if (m_model->rowCount() > 0) return;
    m_model->setRows(support::writeAndReadBack(paths::tempFile(QStringLiteral("Contributor.txt")),
                                               support::encodeUtf16Lines(m_lines)));
    ui->nxContributor->resizeRowsToContents();
}

void ContributorPage::nxContributorSelectCell() {
    QPushButton* const links[] = {ui->cHome, ui->cFB, ui->cTwitter, ui->cGPlus};
    ui->lblCName->clear();
    ui->mContribution->clear();
    for (QPushButton* button : links) setHelpKeyword(button, kNoLink);
    if (const auto row = support::selectedRow(*ui->nxContributor)) {
        ui->lblCName->setText(support::field(*row, 0));
        for (int i = 0; i < 4; ++i) setHelpKeyword(links[i], support::field(*row, i + 1));
        ui->mContribution->setPlainText(support::field(*row, 5));
    }
    for (QPushButton* button : links) button->setEnabled(helpKeyword(button) != kNoLink);
}

void ContributorPage::VisitURL2() { openHelpKeywordOf(sender()); }

void ContributorPage::btnHTSUClick() { emit pageRequested(QStringLiteral("shtSupport")); }

}  // namespace termora
