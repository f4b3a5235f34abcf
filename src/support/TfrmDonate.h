#pragma once
// TfrmDonate: the donation window. Its help keyword names the product that
// replaces "%s" in its texts, its tag is the product number that names the
// start-up switch it shows and writes back at every close.

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class TfrmDonate;
}  // namespace Ui

namespace termora {

class TfrmDonate : public QDialog {
    Q_OBJECT

public:
    explicit TfrmDonate(QWidget* parent = nullptr);
    ~TfrmDonate() override;

    void setHelpKeyword(const QString& keyword) { m_helpKeyword = keyword; }
    QString helpKeyword() const { return m_helpKeyword; }
    void setTag(int tag) { m_tag = tag; }
    int tag() const { return m_tag; }

    // Closing by any way (button, close box, Escape) ends here.
    void done(int result) override;

public slots:
    // Showing: the help keyword into the texts, the start-up switch into
    // the check box.
    void FormShow();
    // Closing: the check box back into the start-up switch.
    void FormClose();

private slots:
    // The share images, "Donate", the fan-page button and the wallet link:
    // each opens the address in the clicked control's help keyword.
    void imgPaypalClick();
    void Button2Click();
    void BClick();
    // The Bitcoin image: an input box showing the donation address.
    void Image4Click();
    // "Close": closes the window.
    void Button1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::TfrmDonate> ui;
    QString m_helpKeyword;
    int m_tag = 0;
};

}  // namespace termora
