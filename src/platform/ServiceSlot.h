#pragma once
// One replaceable platform service (dialogs, link opening, ...): the program
// uses the real implementation, tests install a recording stand-in for the
// lifetime of a ScopedService.

#include <memory>

namespace termora {

template <typename Interface, typename Default>
class ServiceSlot {
public:
    static Interface& current() {
        if (override_ != nullptr) return *override_;
        static Default real;
        return real;
    }
    static void install(Interface* service) { override_ = service; }

private:
    static inline Interface* override_ = nullptr;
};

// Installs a stand-in while in scope; restores the real service afterwards.
template <typename Slot, typename Interface>
class ScopedService {
public:
    explicit ScopedService(Interface& service) { Slot::install(&service); }
    ~ScopedService() { Slot::install(nullptr); }
    ScopedService(const ScopedService&) = delete;
    ScopedService& operator=(const ScopedService&) = delete;
};

}  // namespace termora
