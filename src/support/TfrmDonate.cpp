#include "support/TfrmDonate.h"

#include "base/TermoraConstants.h"
#include "controls/ClickableLabel.h"
#include "controls/LinkKeyword.h"
#include "platform/Dialogs.h"
#include "support/DonationSwitch.h"
#include "support/SupportLinks.h"
#include "ui_TfrmDonate.h"

#include <QScreen>
#include <QShowEvent>

namespace termora {

TfrmDonate::TfrmDonate(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TfrmDonate>()) {
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(size());

    termora::setHelpKeyword(ui->FB28, QString::fromLatin1(constants::kFanPage));
    termora::setHelpKeyword(ui->Image2, support::facebookShareAddress());
    termora::setHelpKeyword(ui->Image3, support::twitterShareAddress());
    termora::setHelpKeyword(ui->Label3, QString::fromLatin1(support::kWalletSignUp));
    termora::setHelpKeyword(ui->Button2, QString::fromLatin1(constants::kDonatePage));

    connect(ui->Image2, &QPushButton::clicked, this, &TfrmDonate::imgPaypalClick);
    connect(ui->Image3, &QPushButton::clicked, this, &TfrmDonate::imgPaypalClick);
    connect(ui->Button2, &QPushButton::clicked, this, &TfrmDonate::Button2Click);
    connect(ui->FB28, &QPushButton::clicked, this, &TfrmDonate::BClick);
    connect(ui->Label3, &ClickableLabel::clicked, this, &TfrmDonate::BClick);
    connect(ui->Image4, &QPushButton::clicked, this, &TfrmDonate::Image4Click);
    connect(ui->Button1, &QPushButton::clicked, this, &TfrmDonate::Button1Click);
}

TfrmDonate::~TfrmDonate() = default;

void TfrmDonate::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    // Centred on the desktop: at start-up the main window is not shown yet.
    if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
    FormShow();
}

void TfrmDonate::FormShow() {
    // Button captions take "&" as an accelerator mark, so the keyword goes
    // into the check box doubled; labels and the title show it as it is.
    const QString doubled = support::doubledAmpersands(m_helpKeyword);
    setWindowTitle(windowTitle().replace(QStringLiteral("%s"), m_helpKeyword));
    ui->Label1->setText(ui->Label1->text().replace(QStringLiteral("%s"), m_helpKeyword));
    ui->Label11->setText(ui->Label11->text().replace(QStringLiteral("%s"), m_helpKeyword));
    ui->chkShow->setText(ui->chkShow->text().replace(QStringLiteral("%s"), doubled));
    ui->chkShow->setChecked(support::readShowSwitch(m_tag));
}

void TfrmDonate::FormClose() { support::writeShowSwitch(m_tag, ui->chkShow->isChecked()); }

void TfrmDonate::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TfrmDonate::imgPaypalClick() { openHelpKeywordOf(sender()); }
void TfrmDonate::Button2Click() { openHelpKeywordOf(sender()); }
void TfrmDonate::BClick() { openHelpKeywordOf(sender()); }

void TfrmDonate::Image4Click() {
    dialogs().input(this, QStringLiteral("Support Us"),
                    QStringLiteral("If you want to Support Our Software Development, you can Send a Donation to Our "
                                   "BitCoin Address\r\rThanks!"),
                    QString::fromLatin1(constants::kBitcoinAddress));
}

void TfrmDonate::Button1Click() { close(); }

}  // namespace termora
