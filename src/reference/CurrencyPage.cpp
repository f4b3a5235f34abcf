#include "reference/CurrencyPage.h"

#include "controls/TextTableModel.h"
#include "reference/CodeGrid.h"
#include "reference/ReferenceTables.h"
#include "ui_CurrencyPage.h"

namespace termora {
namespace {

enum Column { CodeColumn, NameColumn };

}  // namespace

CurrencyPage::CurrencyPage(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::CurrencyPage>()) {
    ui->setupUi(this);
    m_model = reference::setUpCodeGrid(*ui->nxCurc,
                                       {{"Code", 105, Qt::CaseSensitive}, {"Currency Name", 417, Qt::CaseSensitive}});
    connect(ui->Label13, &ClickableLabel::clicked, this, &CurrencyPage::fullListingCodeRequested);
    connect(ui->Button6, &QPushButton::clicked, this, &CurrencyPage::Button8Click);
}

CurrencyPage::~CurrencyPage() = default;

void CurrencyPage::fillIfEmpty() {
    if (m_model->rowCount() > 0) return;
    QList<QStringList> rows;
    for (const reference::TCurrencyRec& currency : reference::CurrencyTable())
        rows.append({reference::tableText(currency.Code), reference::tableText(currency.Name)});
    m_model->setRows(std::move(rows));
}

void CurrencyPage::Button8Click() { reference::copySelectedRowText(*ui->nxCurc, NameColumn); }

}  // namespace termora
