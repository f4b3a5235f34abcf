#include "platform/LinkOpener.h"

#include "platform/ProcessStarter.h"
#include "platform/UserError.h"

namespace termora {

void DesktopLinkOpener::open(const QString& target) {
    // The desktop's opener gets the target as one argument, byte for byte:
    // an address is not parsed or re-escaped on the way.
    try {
        ProcessService::current().start({QStringLiteral("xdg-open"), target}, false);
    } catch (const UserError&) {
        // The result is ignored: a target that cannot be opened reports nothing.
    }
}

}  // namespace termora
