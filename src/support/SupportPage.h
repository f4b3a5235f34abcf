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
    void VisitURL3();
    void BClick2222();
    void VisitURL32();
    void VisitURL4();
    void subBTCClick22();
    void subLTCClick22();
    void subDOGEClick22();
    void imgCPClick2();
    void btnSkrillClick2();
    void DonateTri2();
    void btnDInfoClick();
    void sBitBtn1Click();

private:
    std::unique_ptr<Ui::SupportPage> ui;
};

}  // namespace termora
