#include "web/TfrmUCheck.h"

#include "ui_TfrmUCheck.h"

#include "base/TermoraConstants.h"
#include "controls/ClickableLabel.h"
#include "platform/AppPaths.h"
#include "platform/ConnectionState.h"
#include "platform/Dialogs.h"
#include "platform/Downloader.h"
#include "platform/LinkOpener.h"
#include "platform/TextFile.h"
#include "platform/UserError.h"
#include "web/UpdateInfo.h"

#include <QButtonGroup>
#include <QFile>

#include <optional>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace termora {
namespace {

namespace k = termora::constants;

const QString kCheckFailed = QStringLiteral("Update Check failed!");
const QString kCheckFailedMessage =
    QStringLiteral("Update Check failed!\r\rPlease check your Internet Connection or Choose another Server!");

QString updateScript(const char* base) { return QLatin1String(base) + QStringLiteral("/update.php"); }

// Deletes the copy of an earlier check. Throws UserError when a file stands
// there that cannot be deleted.
void removeOldCopy(const QString& path) {
    errno = 0;
    if (::unlink(QFile::encodeName(path).constData()) == 0 || errno == ENOENT) return;
    throw UserError(cannotCreateFileMessage(path, QString::fromLocal8Bit(std::strerror(errno))));
}

// Downloads the update file and keeps a copy of it in the private temporary
// folder. The body is what the check reads: never a file, which could be
// an older copy or someone else's. Throws UserError when the copy cannot be
// replaced.
std::optional<QByteArray> downloadUpdateFile(const QString& address) {
    const QString file = paths::tempFile(QStringLiteral("update.ini"));
    removeOldCopy(file);
    std::optional<QByteArray> body = Download(address);
    if (body) textfile::saveReplacing(file, *body);
    return body;
}

}  // namespace

TfrmUCheck::TfrmUCheck(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      ui(std::make_unique<Ui::TfrmUCheck>()),
      m_updateAddress(updateScript(k::kUpdateServer2)) {
    ui->setupUi(this);
    ui->lblCurrent->setText(QString::fromLatin1(k::kVersion).trimmed());

    auto* servers = new QButtonGroup(this);
    const struct {
        QPushButton* button;
        const char* base;
        const char* hint;
    } serverButtons[] = {
        {ui->srv1, k::kUpdateServer1, "Server 1 : %1 (DEAD)"},
        {ui->srv2, k::kUpdateServer2, "Server 2 : %1"},
        {ui->srv4, k::kUpdateServer3, "Server 3 : %1 (DEAD)"},
    };
    for (const auto& server : serverButtons) {
        server.button->setProperty("baseAddress", QLatin1String(server.base));
        server.button->setToolTip(QString::fromLatin1(server.hint).arg(QLatin1String(server.base)));
        servers->addButton(server.button);
    }
    connect(servers, &QButtonGroup::buttonClicked, this, &TfrmUCheck::ServerSelect);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &TfrmUCheck::BitBtn1Click);
    connect(ui->lblRes, &ClickableLabel::clicked, this, &TfrmUCheck::lblResClick);
}

TfrmUCheck::~TfrmUCheck() = default;

void TfrmUCheck::ServerSelect(QAbstractButton* server) {
    m_updateAddress = server->property("baseAddress").toString() + QStringLiteral("/update.php");
}

void TfrmUCheck::BitBtn1Click() {
    if (!connection().isConnected()) {
        showFailure();
        dialogs().message(this, QStringLiteral("You're not Connected to Internet!"), Dialogs::Kind::Error);
        return;
    }
    std::optional<QByteArray> body;
    try {
        body = downloadUpdateFile(m_updateAddress);
    } catch (const UserError&) {
        showFailure();
        dialogs().message(this, kCheckFailedMessage, Dialogs::Kind::Plain);
    }

    const web::UpdateResult result = web::evaluateUpdate(ui->lblCurrent->text(), body.value_or(QByteArray()),
                                                         QString::fromLatin1(k::kProductNumber));
    ui->lblLatest->setText(result.latest);
    if (result.newer) {
        showResult(QStringLiteral("NEW Updates Available, Click here to Download!"), QColor(0x00, 0x80, 0x00),
                   result.downloadLink);
    } else {
        showResult(QStringLiteral("NO Updates Available"), QColor(0x00, 0x00, 0xFF), QString());
    }
    if (result.latest == QLatin1String("-")) {
        showFailure();
        dialogs().message(this, kCheckFailedMessage, Dialogs::Kind::Error);
    }
}

void TfrmUCheck::lblResClick() {
    if (!m_downloadLink.isEmpty()) OpenLink(m_downloadLink);
}

void TfrmUCheck::showResult(const QString& text, const QColor& colour, const QString& downloadLink) {
    m_downloadLink = downloadLink;
    ui->lblRes->setText(text);
    QPalette palette = ui->lblRes->palette();
    palette.setColor(QPalette::WindowText, colour);
    ui->lblRes->setPalette(palette);
    // The hand only over a line that leads somewhere.
    if (downloadLink.isEmpty()) {
        ui->lblRes->unsetCursor();
    } else {
        ui->lblRes->setCursor(Qt::PointingHandCursor);
    }
    ui->lblRes->show();
}

void TfrmUCheck::showFailure() {
    showResult(kCheckFailed, QColor(0xFF, 0x00, 0x00), QString());
    ui->lblLatest->setText(QStringLiteral("-"));
}

}  // namespace termora
