#pragma once
// The desktop's clipboards as the program reads them: the selection (the
// text last selected in any program, where the desktop keeps one, as X11
// and Wayland do) and the clipboard. Tests install a stand-in.

#include "platform/ServiceSlot.h"

#include <QString>

#include <optional>

namespace termora {

class ClipboardReader {
public:
    virtual ~ClipboardReader() = default;
    // The selection's text, or nothing where the desktop keeps no selection.
    virtual std::optional<QString> selectionText() = 0;
    virtual QString clipboardText() = 0;
};

class DesktopClipboard : public ClipboardReader {
public:
    std::optional<QString> selectionText() override;
    QString clipboardText() override;
};

using ClipboardService = ServiceSlot<ClipboardReader, DesktopClipboard>;

// The text selected in any program: the selection where the desktop keeps
// one and it holds more than blanks, otherwise the clipboard's text.
QString selectedText();

}  // namespace termora
