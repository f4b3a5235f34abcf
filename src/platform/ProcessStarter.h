#pragma once
// Starts a program from a command line (StartProcess). The command line is
// split like a shell does it (double quotes group words, three double quotes
// stand for one), the arguments appended to it are handed over as they are,
// each exactly one argument; the program is looked up on PATH and runs with
// the caller's environment and directory.

#include "platform/ServiceSlot.h"

#include <QString>
#include <QStringList>

namespace termora {

class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;
    // Runs the program named by the first word with the other words as its
    // arguments, every word exactly as given. Throws UserError with
    // systemErrorMessage() when the program cannot be started. With wait
    // set, returns when the program has ended.
    virtual void start(const QStringList& words, bool wait) = 0;
};

class PosixProcessStarter : public ProcessStarter {
public:
    void start(const QStringList& words, bool wait) override;
};

using ProcessService = ServiceSlot<ProcessStarter, PosixProcessStarter>;

// The command line's words followed by the appended arguments, which are
// never split. A command line without a word names no program: the error of
// a missing file.
void StartProcess(const QString& commandLine, const QStringList& appended, bool wait);

// The word written so that the command-line splitter reads it back as one
// word, unchanged: quoted when it holds a blank or a double quote, as it is
// otherwise.
QString quoteCommandWord(const QString& word);

// "System Error.  Code: %d.\r\n%s" with the system's text for the code, or
// "A call to an OS function failed" for code 0.
QString systemErrorMessage(int code);

}  // namespace termora
