#include "reference/CountryPage.h"

#include "controls/TextTableModel.h"
#include "reference/CodeGrid.h"
#include "reference/ReferenceTables.h"
#include "ui_CountryPage.h"

namespace termora {
namespace {

enum Column { NameColumn, Alpha2Column, Alpha3Column, DomainColumn };
enum DomainCase { Small, Large };

QString inCase(const QString& domain, int domainCase) {
    return domainCase == Large ? domain.toUpper() : domain.toLower();
}

}  // namespace

CountryPage::CountryPage(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::CountryPage>()) {
    ui->setupUi(this);
    m_model = reference::setUpCodeGrid(*ui->nxCC, {{"Country/Region Name", 178, Qt::CaseSensitive},
                                                   {"Alpha-2 Code", 114, Qt::CaseSensitive},
                                                   {"Alpha-3 Code", 116, Qt::CaseSensitive},
                                                   {"ccTLD", 113, Qt::CaseSensitive}});
    connect(ui->Label6, &ClickableLabel::clicked, this, &CountryPage::fullListingCodeRequested);
    connect(ui->cmbCase, &QComboBox::currentIndexChanged, this, &CountryPage::cmbCaseChange);
    connect(ui->Button5, &QPushButton::clicked, this, &CountryPage::Button5Click);
}

CountryPage::~CountryPage() = default;

void CountryPage::fillIfEmpty() {
    if (m_model->rowCount() > 0) return;
    const int domainCase = ui->cmbCase->currentIndex();
    QList<QStringList> rows;
    for (const reference::TCountryRec& country : reference::CountryTable())
        rows.append({reference::tableText(country.Name), reference::tableText(country.Alpha2),
                     reference::tableText(country.Alpha3), inCase(reference::tableText(country.TLD), domainCase)});
    m_model->setRows(std::move(rows));
}

void CountryPage::cmbCaseChange(int item) {
    m_model->rewriteColumn(DomainColumn, [item](const QString& domain) { return inCase(domain, item); });
}

void CountryPage::Button5Click() { reference::copySelectedRowText(*ui->nxCC, NameColumn); }

}  // namespace termora
