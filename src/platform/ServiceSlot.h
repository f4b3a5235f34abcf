#pragma once
// One replaceable platform service (dialogs, link opening, ...): the program
// uses the real implementation; a test installs a recording stand-in and
// installs nullptr again when the stand-in goes.

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

}  // namespace termora
