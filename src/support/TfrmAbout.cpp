#include "support/TfrmAbout.h"

#include "base/TermoraConstants.h"
#include "controls/ClickableLabel.h"
#include "controls/LinkKeyword.h"
#include "platform/Dialogs.h"
#include "support/ProgramBadge.h"
#include "support/SupportLinks.h"
#include "ui_TfrmAbout.h"

namespace termora {

TfrmAbout::TfrmAbout(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TfrmAbout>()) {
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(size());

    const QString name = QString::fromLatin1(constants::kProgramName);
    const QString version = QString::fromLatin1(constants::kVersion);
    ui->imgLogo->setPixmap(support::programBadge(name, 0, 48));
    ui->lblName->setText(name);
    ui->lblVersion->setText(QStringLiteral("Version ") + version);
    ui->lblUpdated->setText(support::lastUpdatedText(version));
    ui->lblMaker->setText(QString::fromLatin1(constants::kMakerNotice));
    QPalette footer = ui->pnlFooter->palette();
    footer.setColor(QPalette::Window, QColor(89, 141, 211));
    footer.setColor(QPalette::WindowText, Qt::white);
    ui->pnlFooter->setPalette(footer);

    // Each link label opens the address it shows.
    ui->Label5->setText(QString::fromLatin1(constants::kHomePage));
    ui->Label6->setText(QString::fromLatin1(constants::kFanPage));
    ui->Label7->setText(QString::fromLatin1(constants::kForum));
    ui->Label8->setText(QStringLiteral("https://www.qt.io/"));
    ui->Label9->setText(QStringLiteral("https://libzip.org/"));
    ui->Label10->setText(QStringLiteral("https://www.debian.org/"));
    for (ClickableLabel* label : {ui->Label5, ui->Label6, ui->Label7, ui->Label8, ui->Label9, ui->Label10}) {
        connect(label, &ClickableLabel::clicked, this, &TfrmAbout::Label5Click4);
    }

    setHelpKeyword(ui->imgFanpage, QString::fromLatin1(constants::kFanPage));
    setHelpKeyword(ui->imgFacebook, support::facebookShareAddress());
    setHelpKeyword(ui->imgTwitter, support::twitterShareAddress());
    for (QPushButton* image : {ui->imgFanpage, ui->imgFacebook, ui->imgTwitter}) {
        connect(image, &QPushButton::clicked, this, &TfrmAbout::BClick23);
    }
    connect(ui->Image2, &QPushButton::clicked, this, &TfrmAbout::Image2Click24);
    connect(ui->Button1, &QPushButton::clicked, this, &TfrmAbout::Button1Click5);
    FormCreate();
}

TfrmAbout::~TfrmAbout() = default;

void TfrmAbout::FormCreate() {
    // Hidden means out of the tab strip: a tab that is only made invisible
    // is still reached with Ctrl+Tab and the wheel, and its caption is drawn
    // above the strip. The removed page stays a hidden child of the window.
    ui->PageControl1->removeTab(ui->PageControl1->indexOf(ui->tsThanks));
}

void TfrmAbout::Label5Click4() {
    if (const auto* label = qobject_cast<const QLabel*>(sender())) OpenLink(label->text());
}

void TfrmAbout::BClick23() { openHelpKeywordOf(sender()); }

void TfrmAbout::Image2Click24() {
    dialogs().input(this, QStringLiteral("Support Us"),
                    QStringLiteral("If you want to support our Software Development, you can send a Donation to Our "
                                   "BitCoin Address\r\rThanks!"),
                    QString::fromLatin1(constants::kBitcoinAddress));
}

void TfrmAbout::Button1Click5() { close(); }

}  // namespace termora
