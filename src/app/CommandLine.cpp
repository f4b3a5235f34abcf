#include "app/CommandLine.h"

#include "app/LookupTerm.h"

#include <algorithm>
#include <string_view>

namespace termora::launch {

const char* const kUsage =
    "usage: termora [TERM | --selection]\n"
    "\n"
    "Opens Termora, the acronym and abbreviation dictionary. One Termora runs\n"
    "per user session: a later start hands its request to the running one,\n"
    "which brings its window to the front, and ends at once.\n"
    "\n"
    "  TERM           look TERM up with the search method and options the window\n"
    "                 has (at most 256 characters; after \"--\" a TERM may begin\n"
    "                 with \"-\")\n"
    "  --selection    look up the text selected in any program, or else the\n"
    "                 clipboard's text: its first line, trimmed, at most 100\n"
    "                 characters; with nothing selected the window only comes\n"
    "                 to the front\n"
    "  --help         show this help\n"
    "\n"
    "The toolkit's own options (-display, -session, -style, -platform, ...) are\n"
    "passed on to it.\n"
    "\n"
    "Exit status: 0 when the window opened or the running Termora took the\n"
    "request, 1 when the running Termora did not answer, 2 on a usage error.\n";

namespace {

// The toolkit's options that take a value, and those that stand alone; each
// may also be written with two dashes.
constexpr std::string_view kToolkitOptionsWithValue[] = {
    "-display",       "-geometry", "-platform",        "-platformpluginpath",
    "-platformtheme", "-plugin",   "-qwindowgeometry", "-qwindowicon",
    "-qwindowtitle",  "-session",  "-style",           "-stylesheet",
};
constexpr std::string_view kToolkitFlags[] = {"-reverse", "-widgetcount"};
constexpr std::string_view kToolkitOptionsJoined[] = {"-style=", "-stylesheet=", "-qmljsdebugger="};

template <std::size_t N>
bool listed(const std::string_view (&table)[N], std::string_view option) {
    return std::find(std::begin(table), std::end(table), option) != std::end(table);
}

bool isJoinedToolkitOption(std::string_view option) {
    return std::any_of(std::begin(kToolkitOptionsJoined), std::end(kToolkitOptionsJoined),
                       [option](std::string_view prefix) { return option.starts_with(prefix); });
}

CommandLineResult failure(std::string text) { return CommandLineResult{std::nullopt, std::move(text)}; }

}  // namespace

CommandLineResult parseCommandLine(const std::vector<std::string>& args) {
    CommandLine commandLine;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || !arg.starts_with("-")) {
            if (commandLine.term) {
                return failure("more than one TERM given: \"" + arg + "\"; quote a TERM that has blanks");
            }
            if (const auto problem = termProblem(arg)) return failure("TERM " + *problem);
            commandLine.term = arg;
            continue;
        }
        // The toolkit reads "--style" as "-style".
        const std::string_view toolkitName = arg.starts_with("--") ? std::string_view(arg).substr(1) : arg;
        if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            commandLine.help = true;
        } else if (arg == "--selection") {
            commandLine.selection = true;
        } else if (listed(kToolkitOptionsWithValue, toolkitName)) {
            if (i + 1 >= args.size()) return failure(arg + " needs a value");
            ++i;
        } else if (!listed(kToolkitFlags, toolkitName) && !isJoinedToolkitOption(toolkitName)) {
            return failure("unknown option \"" + arg + "\"");
        }
    }
    if (commandLine.selection && commandLine.term) return failure("--selection takes no TERM");
    return CommandLineResult{commandLine, {}};
}

}  // namespace termora::launch
