// termora-lookup as a user runs it: argument lists and standard input with
// the output and exit status they give, the real data printed exactly as
// the rules find and show it, and failed writes.

#include <gtest/gtest.h>

#include "common/ReferenceSearch.h"
#include "store/AcronymStore.h"
#include "store/ShownLines.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct LookupRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// A word for the shell, quoted.
std::string quoted(const std::string& word) {
    std::string out = "'";
    for (const char c : word) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

// Runs termora-lookup with the arguments (shell words) and standard input
// from the input text, or from the given file; standard output and error
// are kept apart.
LookupRun lookup(const std::string& arguments, const std::string& input = "", const char* inputFile = nullptr) {
    const fs::path dir = fs::temp_directory_path();
    const fs::path in = dir / "lookup-input";
    const fs::path err = dir / "lookup-errors";
    std::ofstream(in, std::ios::binary) << input;
    const std::string command = quoted(TERMORA_LOOKUP) + " " + arguments + " < " +
                                quoted(inputFile != nullptr ? inputFile : in.string()) + " 2> " + quoted(err.string());
    LookupRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[64 * 1024];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, got);
    const int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream errors(err, std::ios::binary);
    run.err.assign(std::istreambuf_iterator<char>(errors), {});
    return run;
}

TEST(LookupProcess, ArgumentsAndInputGiveTheirOutputAndExitStatus) {
    const std::string ram = lookup("ram").out;
    const std::string asap = lookup("asap").out;
    ASSERT_NE(ram.find("RAM\t<1> Random Access Memory"), std::string::npos);
    ASSERT_NE(asap.find("ASAP\t"), std::string::npos);
    const std::string ramCount = std::to_string(std::count(ram.begin(), ram.end(), '\n')) + "\n";
    const std::string asapCount = std::to_string(std::count(asap.begin(), asap.end(), '\n')) + "\n";
    const struct {
        const char* args;
        std::string input;
        int exitCode;
        std::string out;   // exactly, unless contains is set
        const char* err;   // contained in standard error
        bool contains = false;
        const char* inputFile = nullptr;
    } cases[] = {
        {"ATM", "", 0, "ATM\t<1> Abstract Test Method", "", true},
        {"--keys-only atm", "", 0, "ATMARP\n", "", true},
        {"--method related --keys-only sap", "", 0, "ASAP\n", "", true},
        {"--method text --keys-only 'teller machine'", "", 0, "ATM\n", "", true},
        {"--method anagram --keys-only mta", "", 0, "MTA\n", "", true},
        {"--length 3 --keys-only ram", "", 0, "RAM\n", "", true},
        {"--count ram", "", 0, ramCount, ""},
        {"--count qqqqzzzz", "", 1, "0\n", ""},
        {"--json asap", "", 0, "{\"key\": \"ASAP\", \"meanings\": [\"", "", true},
        {"qqqqzzzz", "", 1, "", ""},
        {"''", "", 1, "", ""},
        // Terms from standard input: each answer ends with an empty line,
        // or is the one line of its count; a CR before the LF is dropped and
        // the last line needs no line end.
        {"-", "ram\nqqqq\nasap\n", 0, ram + "\n\n" + asap + "\n", ""},
        {"--count -", "ram\r\nqqqq\n\nasap", 0, ramCount + "0\n0\n" + asapCount, ""},
        {"-- -", "qqqq\n", 1, "\n", ""},
        {"--count -", "", 1, "", ""},
        {"--count -", "ram\n\xff\n\xe6\x97\xa5\nasap\n", 2, ramCount + "0\n0\n" + asapCount,
         "the term on line 2 is not valid UTF-8 (byte 0xFF)"},
        {"--count -", "\xe6\x97\xa5\n", 2, "0\n", "cannot hold the character \"\xe6\x97\xa5\" of the term on line 1"},
        {"-", "", 2, "", "termora-lookup: cannot read the terms: Is a directory", false, "/"},
        // Usage errors and terms the dictionary cannot hold.
        {"", "", 2, "", "no TERM given"},
        {"--method fuzzy ram", "", 2, "", "unknown method"},
        {"--length 25 ram", "", 2, "", "--length takes a number"},
        {"--count --json ram", "", 2, "", "choose one of --keys-only, --count and --json"},
        {"'\xe6\x97\xa5'", "", 2, "", "cannot hold the character"},
        {"\"$(printf 'ram\\377')\"", "", 2, "", "TERM is not valid UTF-8 (byte 0xFF)"},
        {"\"$(printf '\\303(')\"", "", 2, "", "TERM is not valid UTF-8 (byte 0xC3)"},
        {"--help", "", 0, "usage: termora-lookup", "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const LookupRun run = lookup(c.args, c.input, c.inputFile);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
        if (c.contains) {
            EXPECT_NE(run.out.find(c.out), std::string::npos) << run.out.substr(0, 300);
        } else {
            EXPECT_EQ(run.out, c.out);
        }
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    }
}

// The whole output for the real data, byte for byte, against the rules
// applied record by record and each text converted on its own.
TEST(LookupProcess, PrintsTheDictionaryAsTheRulesFindIt) {
    using termora::SearchMethod;
    const auto& store = termora::AcronymStore::builtIn();
    const struct {
        const char* args;
        const char* term;
        SearchMethod method;
        bool same;
    } cases[] = {
        {"--method text", "e", SearchMethod::ContainingText, true},
        {"--method text", "memory", SearchMethod::ContainingText, true},
        {"--method text", "don't", SearchMethod::ContainingText, true},
        {"--method related", "a", SearchMethod::Related, true},
        {"--method related", "network", SearchMethod::Related, true},
        {"", "ram", SearchMethod::Exact, true},
        {"", "27041995", SearchMethod::Exact, true},
        {"--method anagram", "computerdata", SearchMethod::Anagram, true},
        {"--method anagram --any-length", "computerdata", SearchMethod::Anagram, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.args) + " " + c.term);
        std::string expected;
        for (const termora::TSL* hit : termora::reference::sorted(termora::reference::search(store, c.term, c.method, c.same))) {
            expected += termora::shownText(hit->S) + "\t" + termora::shownText(hit->L) + "\n";
        }
        const LookupRun run = lookup(std::string(c.args) + " " + quoted(c.term));
        EXPECT_EQ(run.exitCode, expected.empty() ? 1 : 0);
        EXPECT_TRUE(run.out == expected) << run.out.size() << " bytes printed, " << expected.size() << " expected";
    }
}

// Runs termora-lookup with standard output set up by the caller in the child
// (SIGPIPE ignored, as a shell with trap '' PIPE does); returns the exit code
// and what it wrote to standard error.
LookupRun lookupWithOutput(const std::function<void()>& prepareOutput) {
    int errors[2];
    if (::pipe(errors) != 0) return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(errors[1], STDERR_FILENO);
        ::close(errors[0]);
        ::close(errors[1]);
        std::signal(SIGPIPE, SIG_IGN);
        prepareOutput();
        ::execl(TERMORA_LOOKUP, TERMORA_LOOKUP, "--method", "related", "a", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(errors[1]);
    LookupRun result;
    char buffer[512];
    for (ssize_t got; (got = ::read(errors[0], buffer, sizeof buffer)) > 0;) result.err.append(buffer, std::size_t(got));
    ::close(errors[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

// Results that cannot be written are an error, as for grep.
TEST(LookupProcess, AFailedWriteOfTheResultsIsAnError) {
    const struct {
        const char* what;
        std::function<void()> prepareOutput;
        const char* reason;
    } cases[] = {
        {"full disk", [] { ::dup2(::open("/dev/full", O_WRONLY), STDOUT_FILENO); }, "No space left on device"},
        {"closed output", [] { ::close(STDOUT_FILENO); }, "Bad file descriptor"},
        {"closed pipe",
         [] {
             int pipe[2];
             if (::pipe(pipe) != 0) ::_exit(126);
             ::close(pipe[0]);
             ::dup2(pipe[1], STDOUT_FILENO);
         },
         "Broken pipe"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto run = lookupWithOutput(c.prepareOutput);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.err, std::string("termora-lookup: cannot write the results: ") + c.reason + "\n");
    }
}

// The user's files in the process's own data folder, removed again at the end.
class UserFiles {
public:
    UserFiles() : m_folder(fs::path(std::getenv("XDG_DATA_HOME")) / "termora") {
        fs::create_directories(m_folder / "dictionaries");
    }
    ~UserFiles() { fs::remove_all(m_folder); }
    UserFiles(const UserFiles&) = delete;
    UserFiles& operator=(const UserFiles&) = delete;

    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(m_folder / name, std::ios::binary) << bytes;
    }
    std::string path(const std::string& name) const { return (m_folder / name).string(); }

private:
    fs::path m_folder;
};

TEST(LookupProcess, TheUsersEntriesAreSearchedUnlessLeftOut) {
    const UserFiles files;
    files.write("New.txt", "(S:'ram';L:'Rapid Access Mine'),\r\n(S:'TOOLONGTOBEAKEYATALL';L:'x'),\r\n");
    files.write("dictionaries/mine.tsv", "ZZQX\tZed's Queue\nZZQX\tZed Again\nno tab\n");
    std::string manyBad;
    for (int i = 0; i < 25; ++i) manyBad += "bad\n";
    files.write("dictionaries/worse.tsv", manyBad);
    const std::string told = "termora-lookup: " + files.path("New.txt") + ", line 2: key \"TOOLONGTOBEAKEYATALL\": "
                             "key has more than 19 characters after stripping\n"
                             "termora-lookup: " + files.path("dictionaries/mine.tsv") + ", line 3: neither a record "
                             "line (S:'KEY';L:'EXPANSION'), nor KEY<TAB>MEANING\n";

    const LookupRun ram = lookup("ram");
    EXPECT_EQ(ram.exitCode, 0);
    EXPECT_NE(ram.out.find("RAM\t<1> Random Access Memory (RAM, IC) <2> "), std::string::npos) << ram.out;
    EXPECT_NE(ram.out.find(" <6> read/write memory <7> Rapid Access Mine\n"), std::string::npos) << ram.out;
    EXPECT_EQ(std::count(ram.out.begin(), ram.out.end(), '\n'), std::count(ram.out.begin(), ram.out.end(), '\t'));
    EXPECT_TRUE(ram.err.starts_with(told)) << ram.err;
    EXPECT_EQ(std::count(ram.err.begin(), ram.err.end(), '\n'), 21);  // twenty lines and the rest counted
    EXPECT_TRUE(ram.err.ends_with("termora-lookup: and 7 more lines that could not be loaded\n")) << ram.err;

    const struct {
        const char* args;
        std::string input;
        int exitCode;
        std::string out;
    } cases[] = {
        {"zzqx", "", 0, "ZZQX\t<1> Zed's Queue <2> Zed Again\n"},
        {"--json --method related zq", "", 0, "{\"key\": \"ZZQX\", \"meanings\": [\"Zed's Queue\", \"Zed Again\"]}\n"},
        {"--method text --keys-only 'access mine'", "", 0, "RAM\n"},
        {"--method anagram --keys-only --length 4 xqzz", "", 0, "ZZQX\n"},
        {"--count -", "zzqx\nqqqq\nzzq\n", 0, "1\n0\n1\n"},
        {"qqqq", "", 1, ""},
        {"--no-user zzqx", "", 1, ""},
        {"--no-user --method text --count 'access mine'", "", 1, "0\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const LookupRun run = lookup(c.args, c.input);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
        EXPECT_EQ(run.out, c.out);
        // Told once per process, and not at all when the files are left out.
        EXPECT_EQ(run.err, std::string(c.args).starts_with("--no-user") ? "" : ram.err);
    }
}

TEST(LookupProcess, LengthFilterKeepsOnlyThatLength) {
    const auto run = lookup("--length 3 --keys-only ram");
    EXPECT_EQ(run.out.find("RAMDAC"), std::string::npos);
}

}  // namespace
