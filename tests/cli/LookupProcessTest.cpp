// termora-lookup as a user runs it: real data, exit codes, messages.

#include <gtest/gtest.h>

#include "common/RunCommand.h"

#include <csignal>
#include <functional>
#include <string>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

termora::testing::CommandResult lookup(const std::string& arguments) {
    return termora::testing::runCommand(std::string("'") + TERMORA_LOOKUP + "' " + arguments);
}

TEST(LookupProcess, ExitCodesAndMessages) {
    const struct {
        const char* args;
        int exitCode;
        const char* contains;
    } cases[] = {
        {"ATM", 0, "ATM\t<1> Abstract Test Method"},
        {"--keys-only atm", 0, "ATMARP\n"},
        {"--method related --keys-only sap", 0, "ASAP\n"},
        {"--method text --keys-only 'teller machine'", 0, "ATM\n"},
        {"--method anagram --keys-only mta", 0, "MTA\n"},
        {"--length 3 --keys-only ram", 0, "RAM\n"},
        {"qqqqzzzz", 1, ""},
        {"''", 1, ""},
        {"", 2, "no TERM given"},
        {"--method fuzzy ram", 2, "unknown method"},
        {"--length 25 ram", 2, "--length takes a number"},
        {"'\xe6\x97\xa5'", 2, "cannot hold the character"},
        {"\"$(printf 'ram\\377')\"", 2, "TERM is not valid UTF-8 (byte 0xFF)"},
        {"\"$(printf '\\303(')\"", 2, "TERM is not valid UTF-8 (byte 0xC3)"},
        {"--help", 0, "usage: termora-lookup"},
    };
    for (const auto& c : cases) {
        const auto run = lookup(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args << "\n" << run.output.substr(0, 300);
        EXPECT_NE(run.output.find(c.contains), std::string::npos) << c.args << "\n" << run.output.substr(0, 300);
    }
}

// Runs termora-lookup with standard output set up by the caller in the child
// (SIGPIPE ignored, as a shell with trap '' PIPE does); returns the exit code
// and what it wrote to standard error.
termora::testing::CommandResult lookupWithOutput(const std::function<void()>& prepareOutput) {
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
    termora::testing::CommandResult result;
    char buffer[512];
    for (ssize_t got; (got = ::read(errors[0], buffer, sizeof buffer)) > 0;) result.output.append(buffer, std::size_t(got));
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
        EXPECT_EQ(run.output, std::string("termora-lookup: cannot write the results: ") + c.reason + "\n");
    }
}

TEST(LookupProcess, LengthFilterKeepsOnlyThatLength) {
    const auto run = lookup("--length 3 --keys-only ram");
    EXPECT_EQ(run.output.find("RAMDAC"), std::string::npos);
}

}  // namespace
