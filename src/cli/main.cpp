// termora-lookup: Termora's offline dictionary for the terminal. It works on
// the packed entries directly and writes through one buffer, without
// iostreams, so that a look-up costs little more than starting a process.

#include "cli/Lookup.h"
#include "cli/LookupOptions.h"
#include "cli/OutputBuffer.h"
#include "platform/FileDescriptor.h"
#include "platform/UserDataFolder.h"
#include "platform/Windows1252.h"
#include "store/AcronymTables.h"
#include "store/OwnEntries.h"
#include "store/ShownLines.h"
#include "store/UserFiles.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include <unistd.h>

namespace termora {
namespace {

void tell(const std::string& message) { posixio::writeAll(STDERR_FILENO, "termora-lookup: " + message + "\n"); }

// Results that cannot be written are an error, as for grep: exit code 2.
int outputFailure(int code) {
    tell(std::string("cannot write the results: ") + std::strerror(code));
    return 2;
}

// Why a term cannot be looked up, named by subject ("TERM"), or nothing.
std::optional<std::string> termProblem(const cp1252::Conversion& term, const std::string& subject) {
    if (term.invalidUtf8) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned>(static_cast<unsigned char>(term.offending[0])));
        return subject + " is not valid UTF-8 (byte " + hex + ")";
    }
    if (!term.ok) {
        return "the dictionary cannot hold the character \"" + term.offending + "\" of " + subject +
               " (Windows-1252 only)";
    }
    return std::nullopt;
}

// Lines of the user's files named on standard error: more would bury the answer.
constexpr std::size_t kBadLinesTold = 20;

// The user's entries beside the built-in ones, when there are any; the lines
// that cannot be loaded are told once.
std::unique_ptr<const OwnEntries> loadOwnEntries() {
    const UserEntries user = userfiles::load(paths::userDataFolder());
    for (const std::string& line : describeBadLines(user.badLines, kBadLinesTold)) tell(line);
    if (user.entries.empty()) return nullptr;
    return std::make_unique<const OwnEntries>(data::kAcronymEntries, user.entries);
}

int answerTerm(const cli::LookupOptions& options, const cli::LookupData& dictionary) {
    const cp1252::Conversion term = cp1252::fromUtf8(options.term);
    if (const auto problem = termProblem(term, "TERM")) {
        tell(*problem);
        return 2;
    }
    const auto hits = cli::lookUp(dictionary, options, term.bytes);
    cli::OutputBuffer out(STDOUT_FILENO);
    cli::printHits(dictionary, options.form, hits, out);
    if (const int code = out.flush(); code != 0) return outputFailure(code);
    return hits.empty() ? 1 : 0;
}

// One term per line of standard input (a CR before the LF is dropped); each
// answer ends with an empty line, or is the one line of its count, so that
// answers and terms pair up even where a term finds nothing or is refused.
class InputTerms {
public:
    InputTerms(const cli::LookupOptions& options, const cli::LookupData& dictionary)
        : m_options(options), m_dictionary(dictionary), m_out(STDOUT_FILENO) {}

    int answerAll() {
        char buffer[64 * 1024];
        for (;;) {
            // Answers go out before a read that may wait for the next terms.
            if (const int code = m_out.flush(); code != 0) return outputFailure(code);
            const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) {
                tell(std::string("cannot read the terms: ") + std::strerror(errno));
                return 2;
            }
            if (got == 0) break;
            m_pending.append(buffer, static_cast<std::size_t>(got));
            std::size_t start = 0;
            for (std::size_t end; (end = m_pending.find('\n', start)) != std::string::npos; start = end + 1) {
                answerLine(std::string_view(m_pending).substr(start, end - start));
            }
            m_pending.erase(0, start);
        }
        if (!m_pending.empty()) answerLine(m_pending);
        if (const int code = m_out.flush(); code != 0) return outputFailure(code);
        return m_refused ? 2 : m_found ? 0 : 1;
    }

private:
    void answerLine(std::string_view line) {
        ++m_lineNumber;
        if (line.ends_with('\r')) line.remove_suffix(1);
        const cp1252::Conversion term = cp1252::fromUtf8(line);
        std::vector<DictionaryHit> hits;
        if (const auto problem = termProblem(term, "the term on line " + std::to_string(m_lineNumber))) {
            tell(*problem);
            m_refused = true;
        } else {
            hits = cli::lookUp(m_dictionary, m_options, term.bytes);
        }
        m_found = m_found || !hits.empty();
        cli::printHits(m_dictionary, m_options.form, hits, m_out);
        if (m_options.form != cli::OutputForm::Count) m_out.append("\n");
    }

    const cli::LookupOptions& m_options;
    const cli::LookupData& m_dictionary;
    cli::OutputBuffer m_out;
    std::string m_pending;
    int m_lineNumber = 0;
    bool m_found = false;
    bool m_refused = false;
};

}  // namespace
}  // namespace termora

int main(int argc, char** argv) {
    using namespace termora;
    const std::vector<std::string> args(argv + 1, argv + argc);
    const cli::ParseResult parsed = cli::parseLookupArguments(args);
    if (!parsed.options) {
        tell(parsed.error + " (see --help)");
        return 2;
    }
    if (parsed.options->help) {
        const int code = posixio::writeAll(STDOUT_FILENO, cli::kLookupUsage);
        return code == 0 ? 0 : outputFailure(code);
    }
    const std::unique_ptr<const OwnEntries> own = parsed.options->userEntries ? loadOwnEntries() : nullptr;
    const cli::LookupData dictionary{data::kAcronymEntries, data::kShownLines, own.get()};
    if (parsed.options->termsFromInput) return InputTerms(*parsed.options, dictionary).answerAll();
    return answerTerm(*parsed.options, dictionary);
}
