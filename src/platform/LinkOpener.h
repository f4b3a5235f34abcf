#pragma once
// Hands an address, file or folder to the desktop's default handler
// (xdg-open), exactly as given. The result is ignored: a target that cannot
// be opened reports nothing.

#include "platform/ServiceSlot.h"

#include <QString>

namespace termora {

class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    virtual void open(const QString& target) = 0;
};

class DesktopLinkOpener : public LinkOpener {
public:
    void open(const QString& target) override;
};

using LinkService = ServiceSlot<LinkOpener, DesktopLinkOpener>;

// OpenLink: an address or a path, handed over as it is.
inline void OpenLink(const QString& target) { LinkService::current().open(target); }

}  // namespace termora
