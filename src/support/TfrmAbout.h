#pragma once
// TfrmAbout: the About window with the program's name, version, Termora's
// own links and the Bitcoin input box.

#include <QDialog>

#include <memory>

namespace Ui {
class TfrmAbout;
}  // namespace Ui

namespace termora {

class TfrmAbout : public QDialog {
    Q_OBJECT

public:
    explicit TfrmAbout(QWidget* parent = nullptr);
    ~TfrmAbout() override;

private slots:
    // Creation: the "Special Thanks To" tab leaves the strip.
    void FormCreate();
    // The link labels: open the address the clicked label shows.
    void Label5Click4();
    // The three footer images: open the address in the image's help keyword.
    void BClick23();
    // The Bitcoin image: an input box showing the donation address.
    void Image2Click24();
    // "Close": closes the window.
    void Button1Click5();

private:
    std::unique_ptr<Ui::TfrmAbout> ui;
};

}  // namespace termora
