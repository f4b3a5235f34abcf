#include "reference/CryptoPage.h"

#include "controls/LinkKeyword.h"
#include "controls/TextTableModel.h"
#include "reference/CodeGrid.h"
#include "reference/ReferenceTables.h"
#include "ui_CryptoPage.h"

namespace termora::reference {

CryptoPage::CryptoPage(QWidget* parent) : QWidget(parent), m_ui(std::make_unique<Ui::CryptoPage>()) {
    m_ui->setupUi(this);
    m_model = setUpCodeGrid(*m_ui->nxCCC,
                            {{"Code", 105, Qt::CaseSensitive}, {"CryptoCurrency Name", 417, Qt::CaseInsensitive}});
    connect(m_ui->Label37, &ClickableLabel::clicked, this, &CryptoPage::fullListingCodeRequested);
    connect(m_ui->Button13, &QPushButton::clicked, this, &CryptoPage::VisitURL);
}

CryptoPage::~CryptoPage() = default;

void CryptoPage::fillIfEmpty() {
    if (m_model->rowCount() > 0) return;
    QList<QStringList> rows;
    for (const TCryptoRec& crypto : CryptoTable()) rows.append({tableText(crypto.Code), tableText(crypto.Name)});
    m_model->setRows(std::move(rows));
}

void CryptoPage::VisitURL() { openHelpKeywordOf(sender()); }

}  // namespace termora::reference
