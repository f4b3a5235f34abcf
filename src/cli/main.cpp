// termora-lookup: Termora's offline dictionary for the terminal.

#include "Lookup.h"
#include "LookupOptions.h"
#include "Windows1252.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string_view>

#include <unistd.h>

namespace {

// Writes the whole text to standard output; false with errno set when the
// output cannot take it (a full disk, a closed output, a closed pipe).
bool writeOutput(std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(STDOUT_FILENO, text.data(), text.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            if (written == 0) errno = EIO;
            return false;
        }
        text.remove_prefix(std::size_t(written));
    }
    return true;
}

// Results that cannot be written are an error, as for grep: exit code 2.
int outputFailure() {
    std::cerr << "termora-lookup: cannot write the results: " << std::strerror(errno) << '\n';
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
    if (parsed.options->help) return writeOutput(cli::kLookupUsage) ? 0 : outputFailure();
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
    if (!writeOutput(output)) return outputFailure();
    return lines.empty() ? 1 : 0;
}
