#include "support/ContributorPage.h"

#include "controls/LinkKeyword.h"
#include "controls/TextTableModel.h"
#include "platform/AppPaths.h"
#include "support/GridFile.h"
#include "support/ListGrid.h"
#include "support/SupportData.h"
#include "ui_ContributorPage.h"


using namespace termora;
using namespace termora::support;

namespace {

const QString kNoLink = QStringLiteral("-");

}  // namespace

TContributorPage::TContributorPage(QWidget* parent) : TContributorPage(contributorLines(), parent) {}

TContributorPage::TContributorPage(QStringList lines, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TContributorPage>()), m_lines(std::move(lines)) {
    ui->setupUi(this);
    m_model = setUpListGrid(*ui->nxContributor, {{QStringLiteral("Name"), 130},
                                                 {QStringLiteral("Website"), 103},
                                                 {QStringLiteral("Facebook"), 103},
                                                 {QStringLiteral("Twitter"), 103},
                                                 {QStringLiteral("Google Plus"), 103},
                                                 {QStringLiteral("Contribution"), 0}});
    for (QPushButton* button : {ui->cHome, ui->cFB, ui->cTwitter, ui->cGPlus}) {
        setHelpKeyword(button, kNoLink);
        connect(button, &QPushButton::clicked, this, &TContributorPage::VisitURL2);
    }
    connect(ui->nxContributor->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TContributorPage::nxContributorSelectCell);
    connect(ui->nxContributor->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TContributorPage::nxContributorSelectCell);
    connect(ui->btnHTSU, &QPushButton::clicked, this, &TContributorPage::btnHTSUClick);
}

TContributorPage::~TContributorPage() = default;

void TContributorPage::loadContributors() {
    if (m_model->rowCount() > 0) return;
    m_model->setRows(writeAndReadBack(paths::tempFile(QStringLiteral("Contributor.txt")), encodeUtf16Lines(m_lines)));
    ui->nxContributor->resizeRowsToContents();
}

void TContributorPage::nxContributorSelectCell() {
    QPushButton* const links[] = {ui->cHome, ui->cFB, ui->cTwitter, ui->cGPlus};
    ui->lblCName->clear();
    ui->mContribution->clear();
    for (QPushButton* button : links) setHelpKeyword(button, kNoLink);
    if (const auto row = selectedRow(*ui->nxContributor)) {
        ui->lblCName->setText(field(*row, 0));
        for (int i = 0; i < 4; ++i) setHelpKeyword(links[i], field(*row, i + 1));
        ui->mContribution->setPlainText(field(*row, 5));
    }
    for (QPushButton* button : links) button->setEnabled(helpKeyword(button) != kNoLink);
}

void TContributorPage::VisitURL2() { openHelpKeywordOf(sender()); }

void TContributorPage::btnHTSUClick() { emit pageRequested(QStringLiteral("shtSupport")); }
