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

using namespace termora;
using namespace termora::support;

namespace {

// The payment links: an amount of 0 (also any text that is no number)
// becomes 5 first. The address takes the amount as a plain number, so a
// pasted "$1F" or " 12" cannot put other characters into it.
QString paymentAmount(TIntEdit& field) {
    if (field.Value() == 0) field.setValue(5);
    return QString::number(field.Value());
}

}  // namespace

TSupportPage::TSupportPage(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::TSupportPage>()) {
    ui->setupUi(this);

    setHelpKeyword(ui->Image2, facebookShareAddress());
    setHelpKeyword(ui->Image5, twitterShareAddress());
    setHelpKeyword(ui->Image3, QString::fromLatin1(constants::kFanPage));
    setHelpKeyword(ui->Image4, alternativeToAddress());
    for (QPushButton* image : {ui->Image2, ui->Image3, ui->Image5}) {
        connect(image, &QPushButton::clicked, this, &TSupportPage::VisitURL3);
    }
    connect(ui->Image4, &QPushButton::clicked, this, &TSupportPage::BClick2222);

    setHelpKeyword(ui->lblWallet, QString::fromLatin1(kWalletSignUp));
    setHelpKeyword(ui->lblCPSignUp, QString::fromLatin1(kCoinPaymentsSignUp));
    setHelpKeyword(ui->lblPayeerSignUp, QString::fromLatin1(kPayeerSignUp));
    setHelpKeyword(ui->lblSkrillSignUp, QString::fromLatin1(kSkrillSignUp));
    for (ClickableLabel* label : {ui->lblWallet, ui->lblCPSignUp, ui->lblPayeerSignUp, ui->lblSkrillSignUp}) {
        connect(label, &ClickableLabel::clicked, this, &TSupportPage::VisitURL32);
    }

    const std::pair<QPushButton*, int> payeer[] = {{ui->btnPayeer1, 1},   {ui->btnPayeer5, 5},   {ui->btnPayeer10, 10},
                                                   {ui->btnPayeer20, 20}, {ui->btnPayeer30, 30}, {ui->btnPayeer50, 50},
                                                   {ui->btnPayeer100, 100}};
    for (const auto& [button, dollars] : payeer) {
        setHelpKeyword(button, payeerAddress(dollars));
        connect(button, &QPushButton::clicked, this, &TSupportPage::VisitURL4);
    }

    ui->suBTC->setText(QString::fromLatin1(constants::kBitcoinAddress));
    ui->suLTC->setText(QString::fromLatin1(constants::kLitecoinAddress));
    ui->suDOGE->setText(QString::fromLatin1(constants::kDogecoinAddress));
    connect(ui->subBTC, &QPushButton::clicked, this, &TSupportPage::subBTCClick22);
    connect(ui->subLTC, &QPushButton::clicked, this, &TSupportPage::subLTCClick22);
    connect(ui->subDOGE, &QPushButton::clicked, this, &TSupportPage::subDOGEClick22);

    connect(ui->imgCP, &QPushButton::clicked, this, &TSupportPage::imgCPClick2);
    connect(ui->btnSkrill, &QPushButton::clicked, this, &TSupportPage::btnSkrillClick2);
    connect(ui->Image7, &QPushButton::clicked, this, &TSupportPage::DonateTri2);
    connect(ui->btnDInfo, &QPushButton::clicked, this, &TSupportPage::btnDInfoClick);
    connect(ui->sBitBtn1, &QPushButton::clicked, this, &TSupportPage::sBitBtn1Click);
}

TSupportPage::~TSupportPage() = default;

void TSupportPage::VisitURL3() { openHelpKeywordOf(sender()); }
void TSupportPage::BClick2222() { openHelpKeywordOf(sender()); }
void TSupportPage::VisitURL32() { openHelpKeywordOf(sender()); }
void TSupportPage::VisitURL4() { openHelpKeywordOf(sender()); }

void TSupportPage::subBTCClick22() { QGuiApplication::clipboard()->setText(ui->suBTC->text()); }
void TSupportPage::subLTCClick22() { QGuiApplication::clipboard()->setText(ui->suLTC->text()); }
void TSupportPage::subDOGEClick22() { QGuiApplication::clipboard()->setText(ui->suDOGE->text()); }

void TSupportPage::imgCPClick2() { OpenLink(coinPaymentsAddress(paymentAmount(*ui->amCP))); }
void TSupportPage::btnSkrillClick2() { OpenLink(skrillAddress(paymentAmount(*ui->amSkrill))); }

void TSupportPage::DonateTri2() {
    dialogs().input(this, QStringLiteral("Support Us"),
                    QStringLiteral("If you live in \"Indonesia\" and want to support our Software Development.\r\r"
                                   "You can send a Donation to Our \"Tri\" Modem Number :"),
                    QString::fromLatin1(constants::kMobileTopUpNumber));
}

void TSupportPage::btnDInfoClick() {
    dialogs().message(this,
                      QStringLiteral("Your Donation will be used to :\r\r1. Keep our Software Development going\r\r"
                                     "2. Buy our own Domain && Web Hosting\r( Currently We still using Subdomain && "
                                     "Free Webhosting\rwhich can be Suspended anytime )\r\r3. Save our Virtual Company "
                                     "from Collapse\r( Our funds was limited, and our Virtual Company will be "
                                     "Collapsed\rwhen We run out of Money, Sooner or Later )"),
                      Dialogs::Kind::Information);
}

void TSupportPage::sBitBtn1Click() { emit pageRequested(QStringLiteral("shtContrib")); }
