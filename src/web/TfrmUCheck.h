#pragma once
// The update window: downloads the update file from the chosen server into
// the private temporary folder, compares its version with the running one and,
// when a newer one exists, offers its download address.

#include <QDialog>

#include <memory>

class QAbstractButton;

namespace Ui {
class TfrmUCheck;
}

namespace termora {

class TfrmUCheck : public QDialog {
    Q_OBJECT
public:
    explicit TfrmUCheck(QWidget* parent = nullptr);
    ~TfrmUCheck() override;

public slots:
    // The server buttons: the update file is asked of the chosen server.
    void ServerSelect(QAbstractButton* server);
    // "Check for Update": downloads the update file and shows the result.
    void BitBtn1Click();
    // The result line: opens the download address of a newer version.
    void lblResClick();

private:
    void showResult(const QString& text, const QColor& colour, const QString& downloadLink);
    void showFailure();

    std::unique_ptr<Ui::TfrmUCheck> ui;
    QString m_updateAddress;
    QString m_downloadLink;
};

}  // namespace termora
