#pragma once
// For tests of things that must never block (a fifo opened for reading or
// writing): a hang ends the test process with SIGALRM within seconds instead
// of waiting for the test runner's time limit.

#include <unistd.h>

namespace termora::testing {

class HangGuard {
public:
    explicit HangGuard(unsigned seconds = 20) { ::alarm(seconds); }
    ~HangGuard() { ::alarm(0); }
    HangGuard(const HangGuard&) = delete;
    HangGuard& operator=(const HangGuard&) = delete;
};

}  // namespace termora::testing
