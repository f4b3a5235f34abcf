#pragma once
// Starts a program from a command line (StartProcess). The command line is
// split like a shell does it (quotes group words), the program is looked up
// on PATH and runs with the caller's environment and directory.

#include "ServiceSlot.h"

#include <QString>

namespace termora {

class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;
    // Throws UserError with systemErrorMessage() when the program cannot be
    // started. With wait set, returns when the program has ended.
    virtual void start(const QString& commandLine, bool wait) = 0;
};

class PosixProcessStarter : public ProcessStarter {
public:
    void start(const QString& commandLine, bool wait) override;
};

using ProcessService = ServiceSlot<ProcessStarter, PosixProcessStarter>;

inline void StartProcess(const QString& commandLine, bool wait) { ProcessService::current().start(commandLine, wait); }

// "System Error.  Code: %d.\r\n%s" with the system's text for the code, or
// "A call to an OS function failed" for code 0.
QString systemErrorMessage(int code);

}  // namespace termora
