#include "support/SupportPage.h"

#include "base/TermoraConstants.h"
#include "controls/ClickableLabel.h"
#include "controls/LinkKeyword.h"
#include "controls/TIntEdit.h"
#include "platform/Dialogs.h"
#include "support/SupportLinks.h"
#include "ui_SupportPage.h"

#include <QClipboard>
#include <QGuiApplication>

namespace termora {

namespace {

// The payment links: an amount of 0 (also any text that is no number)
// becomes 5 first. The address takes the amount as a plain number, so a
// pasted "$1F" or " 12" cannot put other characters into it.
QString paymentAmount(TIntEdit& field) {
    if (field.Value() == 0) field.setValue(5);
    return QString::number(field.Value());
}

}  // namespace

SupportPage::SupportPage(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::SupportPage>()) {
    ui->setupUi(this);

    setHelpKeyword(ui->Image2, support::facebookShareAddress());
    setHelpKeyword(ui->Image5, support::twitterShareAddress());
    setHelpKeyword(ui->Image3, QString::fromLatin1(constants::kFanPage));
    setHelpKeyword(ui->Image4, support::alternativeToAddress());
    for (QPushButton* image : {ui->Image2, ui->Image3, ui->Image5}) {
        connect(image, &QPushButton::clicked, this, &SupportPage::VisitURL3);
    }
    connect(ui->Image4, &QPushButton::clicked, this, &SupportPage::BClick2222);

    setHelpKeyword(ui->lblWallet, QString::fromLatin1(support::kWalletSignUp));
    setHelpKeyword(ui->lblCPSignUp, QString::fromLatin1(support::kCoinPaymentsSignUp));
    setHelpKeyword(ui->lblPayeerSignUp, QString::fromLatin1(support::kPayeerSignUp));
    setHelpKeyword(ui->lblSkrillSignUp, QString::fromLatin1(support::kSkrillSignUp));
    for (ClickableLabel* label : {ui->lblWallet, ui->lblCPSignUp, ui->lblPayeerSignUp, ui->lblSkrillSignUp}) {
        connect(label, &ClickableLabel::clicked, this, &SupportPage::VisitURL32);
    }

    const std::pair<QPushButton*, int> payeer[] = {{ui->btnPayeer1, 1},    {ui->btnPayeer5, 5},   {ui->btnPayeer10, 10},
                                                   {ui->btnPayeer20, 20},  {ui->btnPayeer30, 30}, {ui->btnPayeer50, 50},
                                                   {ui->btnPayeer100, 100}};
    for (const auto& [button, dollars] : payeer) {
        setHelpKeyword(button, support::payeerAddress(dollars));
        connect(button, &QPushButton::clicked, this, &SupportPage::VisitURL4);
    }

    ui->suBTC->setText(QString::fromLatin1(constants::kBitcoinAddress));
    ui->suLTC->setText(QString::fromLatin1(constants::kLitecoinAddress));
    ui->suDOGE->setText(QString::fromLatin1(constants::kDogecoinAddress));
    connect(ui->subBTC, &QPushButton::clicked, this, &SupportPage::subBTCClick22);
    connect(ui->subLTC, &QPushButton::clicked, this, &SupportPage::subLTCClick22);
    connect(ui->subDOGE, &QPushButton::clicked, this, &SupportPage::subDOGEClick22);

    connect(ui->imgCP, &QPushButton::clicked, this, &SupportPage::imgCPClick2);
    connect(ui->btnSkrill, &QPushButton::clicked, this, &SupportPage::btnSkrillClick2);
    connect(ui->Image7, &QPushButton::clicked, this, &SupportPage::DonateTri2);
    connect(ui->btnDInfo, &QPushButton::clicked, this, &SupportPage::btnDInfoClick);
    connect(ui->sBitBtn1, &QPushButton::clicked, this, &SupportPage::sBitBtn1Click);
}

SupportPage::~SupportPage() = default;

void SupportPage::VisitURL3() { openHelpKeywordOf(sender()); }
void SupportPage::BClick2222() { openHelpKeywordOf(sender()); }
void SupportPage::VisitURL32() { openHelpKeywordOf(sender()); }
void SupportPage::VisitURL4() { openHelpKeywordOf(sender()); }

void SupportPage::subBTCClick22() { QGuiApplication::clipboard()->setText(ui->suBTC->text()); }
void SupportPage::subLTCClick22() { QGuiApplication::clipboard()->setText(ui->suLTC->text()); }
void SupportPage::subDOGEClick22() { QGuiApplication::clipboard()->setText(ui->suDOGE->text()); }

void SupportPage::imgCPClick2() { OpenLink(support::coinPaymentsAddress(paymentAmount(*ui->amCP))); }
void SupportPage::btnSkrillClick2() { OpenLink(support::skrillAddress(paymentAmount(*ui->amSkrill))); }

void SupportPage::DonateTri2() {
    dialogs().input(this, QStringLiteral("Support Us"),
                    QStringLiteral("If you live in \"Indonesia\" and want to support our Software Development.\r\r"
                                   "You can send a Donation to Our \"Tri\" Modem Number :"),
                    QString::fromLatin1(constants::kMobileTopUpNumber));
}

void SupportPage::btnDInfoClick() {
    dialogs().message(this,
                      QStringLiteral("Your Donation will be used to :\r\r1. Keep our Software Development going\r\r"
                                     "2. Buy our own Domain && Web Hosting\r( Currently We still using Subdomain && "
                                     "Free Webhosting\rwhich can be Suspended anytime )\r\r3. Save our Virtual Company "
                                     "from Collapse\r( Our funds was limited, and our Virtual Company will be "
                                     "Collapsed\rwhen We run out of Money, Sooner or Later )"),
                      Dialogs::Kind::Information);
}

void SupportPage::sBitBtn1Click() { emit pageRequested(QStringLiteral("shtContrib")); }

}  // namespace termora
