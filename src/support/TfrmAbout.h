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
    void FormCreate();
    void Label5Click4();
    void BClick23();
    void Image2Click24();
    void Button1Click5();

private:
    std::unique_ptr<Ui::TfrmAbout> ui;
};

}  // namespace termora
