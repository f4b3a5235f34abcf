#pragma once
// The content of the main window's support page (shtSupport): the seven
// ways to support the program, the donation tabs and the way to the
// contributor list.

#include <QWidget>

#include <memory>

namespace Ui {
class SupportPage;
}  // namespace Ui

namespace termora {

class SupportPage : public QWidget {
    Q_OBJECT

public:
    explicit SupportPage(QWidget* parent = nullptr);
    ~SupportPage() override;

signals:
    // Asks the frame to bring a page to the front ("shtContrib").
    void pageRequested(const QString& pageObjectName);

private slots:
    // The link controls: each opens the address in the clicked control's
    // help keyword (share images, the rating site, the "Don't have ...?"
    // labels, the seven Payeer amounts).
    void VisitURL3();
    void BClick2222();
    void VisitURL32();
    void VisitURL4();
    // The wallet tabs' copy buttons: a wallet address onto the clipboard.
    void subBTCClick22();
    void subLTCClick22();
    void subDOGEClick22();
    // The CoinPayments and Skrill donations: the payment page for the amount
    // typed (0 becomes 5).
    void imgCPClick2();
    void btnSkrillClick2();
    // The mobile top-up: an input box showing the number to send it to.
    void DonateTri2();
    // "?": what a donation is used for.
    void btnDInfoClick();
    // "Contributor List": brings the contributor page to the front.
    void sBitBtn1Click();

private:
    std::unique_ptr<Ui::SupportPage> ui;
};

}  // namespace termora
