// Termora: the acronym and abbreviation dictionary.

#include "app/CommandLine.h"
#include "app/Launch.h"
#include "app/TermoraApplication.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    using namespace termora;
    const std::vector<std::string> args(argv + 1, argv + argc);
    const launch::CommandLineResult parsed = launch::parseCommandLine(args);
    if (!parsed.commandLine) {
        std::fprintf(stderr, "termora: %s (see --help)\n", parsed.error.c_str());
        return 2;
    }
    if (parsed.commandLine->help) {
        // Help that cannot be written (a full disk, a closed output) is an error.
        return std::fputs(launch::kUsage, stdout) >= 0 && std::fflush(stdout) == 0 ? 0 : 2;
    }
    TermoraApplication app(argc, argv);
    return launch::start(*parsed.commandLine);
}
