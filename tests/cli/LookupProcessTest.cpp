// termora-lookup as a user runs it: real data, exit codes, messages.

#include <gtest/gtest.h>

#include "RunCommand.h"

#include <string>

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
        {"--help", 0, "usage: termora-lookup"},
    };
    for (const auto& c : cases) {
        const auto run = lookup(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args << "\n" << run.output.substr(0, 300);
        EXPECT_NE(run.output.find(c.contains), std::string::npos) << c.args << "\n" << run.output.substr(0, 300);
    }
}

TEST(LookupProcess, LengthFilterKeepsOnlyThatLength) {
    const auto run = lookup("--length 3 --keys-only ram");
    EXPECT_EQ(run.output.find("RAMDAC"), std::string::npos);
}

}  // namespace
