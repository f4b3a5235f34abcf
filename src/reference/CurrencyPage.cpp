#include "reference/CurrencyPage.h"

#include "controls/TextTableModel.h"
#include "reference/CodeGrid.h"
#include "reference/ReferenceTables.h"
#include "ui_CurrencyPage.h"

namespace termora::reference {
namespace {

enum Column { CodeColumn, NameColumn };

}  // namespace

CurrencyPage::CurrencyPage(QWidget* parent) : QWidget(parent), m_ui(std::make_unique<Ui::CurrencyPage>()) {
    m_ui->setupUi(this);
    m_model = setUpCodeGrid(*m_ui->nxCurc,
                            {{"Code", 105, Qt::CaseSensitive}, {"Currency Name", 417, Qt::CaseSensitive}});
    connect(m_ui->Label13, &ClickableLabel::clicked, this, &CurrencyPage::fullListingCodeRequested);
    connect(m_ui->Button6, &QPushButton::clicked, this, &CurrencyPage::Button8Click);
}

CurrencyPage::~CurrencyPage() = default;

void CurrencyPage::fillIfEmpty() {
    if (m_model->rowCount() > 0) return;
    QList<QStringList> rows;
    for (const TCurrencyRec& currency : CurrencyTable()) rows.append({tableText(currency.Code), tableText(currency.Name)});
    m_model->setRows(std::move(rows));
}

void CurrencyPage::Button8Click() { copySelectedRowText(*m_ui->nxCurc, NameColumn); }

}  // namespace termora::reference
