#include "platform/ClipboardReader.h"

#include <QClipboard>
#include <QGuiApplication>

namespace termora {

std::optional<QString> DesktopClipboard::selectionText() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard->supportsSelection()) return std::nullopt;
    return clipboard->text(QClipboard::Selection);
}

QString DesktopClipboard::clipboardText() { return QGuiApplication::clipboard()->text(QClipboard::Clipboard); }

QString selectedText() {
    ClipboardReader& clipboards = ClipboardService::current();
    const std::optional<QString> selection = clipboards.selectionText();
    if (selection && !selection->trimmed().isEmpty()) return *selection;
    return clipboards.clipboardText();
}

}  // namespace termora
