// termora-lookup: Termora's offline dictionary for the terminal.

#include "Lookup.h"
#include "LookupOptions.h"
#include "Windows1252.h"

#include <iostream>

int main(int argc, char** argv) {
    using namespace termora;
    const std::vector<std::string> args(argv + 1, argv + argc);
    const cli::ParseResult parsed = cli::parseLookupArguments(args);
    if (!parsed.options) {
        std::cerr << "termora-lookup: " << parsed.error << " (see --help)\n";
        return 2;
    }
    if (parsed.options->help) {
        std::cout << cli::kLookupUsage;
        return 0;
    }
    const cp1252::Conversion term = cp1252::fromUtf8(parsed.options->term);
    if (!term.ok) {
        std::cerr << "termora-lookup: the dictionary cannot hold the character \"" << term.offending
                  << "\" of TERM (Windows-1252 only)\n";
        return 2;
    }
    const auto lines = cli::lookupLines(AcronymStore::builtIn(), *parsed.options, term.bytes);
    for (const std::string& line : lines) std::cout << line << '\n';
    return lines.empty() ? 1 : 0;
}
