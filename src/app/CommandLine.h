#pragma once
// Termora's command line, read without side effects: a term to look up, the
// selected text to look up, or the help. The toolkit's own options
// (-display, -session, -style, ...) are accepted and left to the toolkit.

#include <optional>
#include <string>
#include <vector>

namespace termora::launch {

struct CommandLine {
    bool help = false;
    bool selection = false;           // look up the text selected in any program
    std::optional<std::string> term;  // UTF-8, as given
    bool operator==(const CommandLine&) const = default;
};

// The command line, or a one-line usage error in error.
struct CommandLineResult {
    std::optional<CommandLine> commandLine;
    std::string error;
};

// The arguments after the program's name.
CommandLineResult parseCommandLine(const std::vector<std::string>& args);

extern const char* const kUsage;

}  // namespace termora::launch
