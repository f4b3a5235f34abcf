#pragma once
// Whether the machine has a network connection at all (the connected-state
// query); it says nothing about reaching a particular server.

#include "platform/ServiceSlot.h"

namespace termora {

class ConnectionState {
public:
    virtual ~ConnectionState() = default;
    virtual bool isConnected() = 0;
};

// The system's reachability report when a backend gives one, otherwise any
// network interface besides loopback that is up and has an address.
class SystemConnectionState : public ConnectionState {
public:
    bool isConnected() override;
};

using ConnectionService = ServiceSlot<ConnectionState, SystemConnectionState>;
inline ConnectionState& connection() { return ConnectionService::current(); }

}  // namespace termora
