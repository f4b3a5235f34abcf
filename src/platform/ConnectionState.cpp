#include "platform/ConnectionState.h"

#include <QNetworkInformation>
#include <QNetworkInterface>

namespace termora {
namespace {

bool anyInterfaceUp() {
    for (const QNetworkInterface& device : QNetworkInterface::allInterfaces()) {
        const auto flags = device.flags();
        const bool usable = flags.testFlag(QNetworkInterface::IsUp) && flags.testFlag(QNetworkInterface::IsRunning) &&
                            !flags.testFlag(QNetworkInterface::IsLoopBack);
        if (usable && !device.addressEntries().isEmpty()) return true;
    }
    return false;
}

}  // namespace

bool SystemConnectionState::isConnected() {
    if (QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability)) {
        switch (QNetworkInformation::instance()->reachability()) {
            case QNetworkInformation::Reachability::Disconnected: return false;
            case QNetworkInformation::Reachability::Local:
            case QNetworkInformation::Reachability::Site:
            case QNetworkInformation::Reachability::Online: return true;
            case QNetworkInformation::Reachability::Unknown: break;
        }
    }
    return anyInterfaceUp();
}

}  // namespace termora
