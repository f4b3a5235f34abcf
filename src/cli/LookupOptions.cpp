#include "cli/LookupOptions.h"

#include <charconv>

namespace termora::cli {

const char* const kLookupUsage =
    "usage: termora-lookup [--method exact|related|text|anagram] [--any-length] [--length N] [--keys-only] TERM\n"
    "\n"
    "Looks TERM up in Termora's offline acronym dictionary and prints each hit\n"
    "as key, tab, expansion, in the order of the window's result list.\n"
    "\n"
    "  --method M     exact (keys beginning with TERM, the default), related (keys\n"
    "                 containing TERM), text (expansions containing TERM) or\n"
    "                 anagram (keys spelt with the letters of TERM)\n"
    "  --any-length   for anagram: allow keys shorter than TERM (clears Same Length)\n"
    "  --length N     keep only keys of N characters without signs and suffix\n"
    "                 (1 to 19; 0 keeps every length)\n"
    "  --keys-only    print the keys alone\n"
    "  --help         show this help\n"
    "\n"
    "Exit status: 0 with hits, 1 with none, 2 on a usage error.\n";

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
        } else if (arg == "--keys-only") {
            options.keysOnly = true;
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
    return ParseResult{options, {}};
}

}  // namespace termora::cli
