#include "reference/CryptoPage.h"

#include "controls/LinkKeyword.h"
#include "controls/TextTableModel.h"
#include "reference/CodeGrid.h"
#include "reference/ReferenceTables.h"
#include "ui_CryptoPage.h"

namespace termora {

CryptoPage::CryptoPage(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::CryptoPage>()) {
    ui->setupUi(this);
    m_model = reference::setUpCodeGrid(
        *ui->nxCCC, {{"Code", 105, Qt::CaseSensitive}, {"CryptoCurrency Name", 417, Qt::CaseInsensitive}});
    connect(ui->Label37, &ClickableLabel::clicked, this, &CryptoPage::fullListingCodeRequested);
    connect(ui->Button13, &QPushButton::clicked, this, &CryptoPage::VisitURL);
}

CryptoPage::~CryptoPage() = default;

void CryptoPage::fillIfEmpty() {
    if (m_model->rowCount() > 0) return;
    QList<QStringList> rows;
    for (const reference::TCryptoRec& crypto : reference::CryptoTable())
        rows.append({reference::tableText(crypto.Code), reference::tableText(crypto.Name)});
    m_model->setRows(std::move(rows));
}

void CryptoPage::VisitURL() { openHelpKeywordOf(sender()); }

}  // namespace termora
