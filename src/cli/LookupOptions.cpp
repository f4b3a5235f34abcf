#include "cli/LookupOptions.h"

#include <charconv>

namespace termora::cli {

const char* const kLookupUsage =
    "usage: termora-lookup [--method exact|related|text|anagram] [--any-length] [--length N]\n"
    "                      [--keys-only | --count | --json] [--no-user] TERM\n"
    "       termora-lookup [OPTIONS] -\n"
    "\n"
    "Looks TERM up in Termora's offline acronym dictionary and prints each hit\n"
    "as key, tab, expansion (UTF-8), in the order of the window's result list.\n"
    "Letter case is ignored for A to Z only. Your own entries (New.txt and the\n"
    "files in dictionaries/ of ~/.local/share/termora/) are searched too.\n"
    "\n"
    "  --method M     exact (keys beginning with TERM, the default), related (keys\n"
    "                 containing TERM), text (expansions containing TERM) or\n"
    "                 anagram (keys spelt with the letters of TERM)\n"
    "  --any-length   for anagram: allow keys shorter than TERM (clears Same Length)\n"
    "  --length N     keep only keys of N characters without signs and suffix\n"
    "                 (1 to 19; 0 keeps every length)\n"
    "  --keys-only    print the keys alone\n"
    "  --count        print only the number of hits\n"
    "  --json         print one JSON object per hit and line:\n"
    "                 {\"key\": \"...\", \"meanings\": [\"...\", ...]}\n"
    "  --no-user      leave your own entries out: the built-in dictionary alone\n"
    "  --help         show this help\n"
    "\n"
    "With - as TERM the terms are read from standard input, one per line, and\n"
    "answered in turn: each answer is its hits followed by an empty line, or\n"
    "with --count the line with their number.\n"
    "\n"
    "Exit status: 0 when something was found, 1 when nothing was, 2 on a usage\n"
    "error, a term that is not valid UTF-8 or holds a character the dictionary\n"
    "cannot hold, or when the terms cannot be read or the results written.\n"
    "Lines of your own files that cannot be loaded are named on standard error;\n"
    "the others are searched.\n"
    "More in the manual page: man termora-lookup\n";

namespace {

std::optional<SearchMethod> methodNamed(const std::string& name) {
    if (name == "exact") return SearchMethod::Exact;
    if (name == "related") return SearchMethod::Related;
    if (name == "text") return SearchMethod::ContainingText;
    if (name == "anagram") return SearchMethod::Anagram;
    return std::nullopt;
}

std::optional<int> lengthNamed(const std::string& text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 0 || value > 19) return std::nullopt;
    return value;
}

std::optional<OutputForm> formNamed(const std::string& option) {
    if (option == "--keys-only") return OutputForm::KeysOnly;
    if (option == "--count") return OutputForm::Count;
    if (option == "--json") return OutputForm::Json;
    return std::nullopt;
}

ParseResult failure(std::string text) { return ParseResult{std::nullopt, std::move(text)}; }

}  // namespace

ParseResult parseLookupArguments(const std::vector<std::string>& args) {
    LookupOptions options;
    bool haveTerm = false;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool isOption = !optionsEnded && arg.size() > 1 && arg.starts_with("-");
        if (!isOption) {
            if (haveTerm) return failure("more than one TERM given: \"" + arg + "\"");
            options.term = arg;
            haveTerm = true;
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--any-length") {
            options.sameLength = false;
        } else if (arg == "--no-user") {
            options.userEntries = false;
        } else if (const auto form = formNamed(arg)) {
            if (options.form != OutputForm::Lines && options.form != *form)
                return failure("choose one of --keys-only, --count and --json");
            options.form = *form;
        } else if (arg == "--method" || arg == "--length") {
            if (i + 1 >= args.size()) return failure(arg + " needs a value");
            const std::string& value = args[++i];
            if (arg == "--method") {
                const auto method = methodNamed(value);
                if (!method) return failure("unknown method \"" + value + "\" (exact, related, text or anagram)");
                options.method = *method;
            } else {
                const auto length = lengthNamed(value);
                if (!length) return failure("--length takes a number from 0 to 19, not \"" + value + "\"");
                options.length = *length;
            }
        } else {
            return failure("unknown option \"" + arg + "\"");
        }
    }
    if (!haveTerm && !options.help) return failure("no TERM given");
    options.termsFromInput = options.term == "-";
    return ParseResult{options, {}};
}

}  // namespace termora::cli
