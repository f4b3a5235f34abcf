// termora-lookup: Termora's offline dictionary for the terminal.

#include "cli/Lookup.h"
#include "cli/LookupOptions.h"
#include "platform/FileDescriptor.h"
#include "platform/Windows1252.h"

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string_view>

#include <unistd.h>

namespace {

// Writes the whole text to standard output: 0, or the errno of the failure
// (a full disk, a closed output, a closed pipe).
int writeOutput(std::string_view text) { return termora::posixio::writeAll(STDOUT_FILENO, text); }

// Results that cannot be written are an error, as for grep: exit code 2.
int outputFailure(int code) {
    std::cerr << "termora-lookup: cannot write the results: " << std::strerror(code) << '\n';
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace termora;
    const std::vector<std::string> args(argv + 1, argv + argc);
    const cli::ParseResult parsed = cli::parseLookupArguments(args);
    if (!parsed.options) {
        std::cerr << "termora-lookup: " << parsed.error << " (see --help)\n";
        return 2;
    }
    if (parsed.options->help) {
        const int code = writeOutput(cli::kLookupUsage);
        return code == 0 ? 0 : outputFailure(code);
    }
    const cp1252::Conversion term = cp1252::fromUtf8(parsed.options->term);
    if (term.invalidUtf8) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned>(static_cast<unsigned char>(term.offending[0])));
        std::cerr << "termora-lookup: TERM is not valid UTF-8 (byte " << hex << ")\n";
        return 2;
    }
    if (!term.ok) {
        std::cerr << "termora-lookup: the dictionary cannot hold the character \"" << term.offending
                  << "\" of TERM (Windows-1252 only)\n";
        return 2;
    }
    const auto lines = cli::lookupLines(AcronymStore::builtIn(), *parsed.options, term.bytes);
    std::string output;
    for (const std::string& line : lines) output.append(line).append(1, '\n');
    if (const int code = writeOutput(output); code != 0) return outputFailure(code);
    return lines.empty() ? 1 : 0;
}
