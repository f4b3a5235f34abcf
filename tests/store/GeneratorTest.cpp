// The table generator must stop the build on broken data, naming file and line.

#include <gtest/gtest.h>

#include "common/RunCommand.h"

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class GeneratorTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("termora-gen-test-" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    termora::testing::CommandResult generate(const std::string& content) {
        const fs::path data = m_dir / "acronyms.txt";
        std::ofstream(data, std::ios::binary) << content;
        const std::string command = std::string("'") + TERMORA_GENERATOR + "' '" + data.string() + "' '" +
                                    (m_dir / "out.cpp").string() + "' '" + (m_dir / "out.h").string() + "'";
        return termora::testing::runCommand(command);
    }

    fs::path m_dir;
};

TEST_F(GeneratorTest, AcceptsGoodLinesWithEitherLineEnd) {
    const auto run = generate("(S:'ABC';L:'<1> x <2> y'),\r\n(S:'3D';L:'Three Dimensional'),\n");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    std::ifstream counts(m_dir / "out.h");
    const std::string text((std::istreambuf_iterator<char>(counts)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("kAcronymKeyCount = 2;"), std::string::npos);
    EXPECT_NE(text.find("kAcronymMeaningCount = 3;"), std::string::npos);
}

TEST_F(GeneratorTest, RejectsBrokenLinesWithFileAndLine) {
    const struct {
        const char* content;
        const char* message;
    } cases[] = {
        {"(S:'A';L:'x'),\r\nnot a record\r\n", "acronyms.txt:2: malformed record line"},
        {"(S:'A';L:'x'),\r\n(S:'B';L:'y'),\r\n(S:'./';L:'z'),\r\n", "acronyms.txt:3: key \"./\": key is empty after stripping"},
        {"(S:'ABCDEFGHIJKLMNOPQRST';L:'z'),\r\n", "acronyms.txt:1: key \"ABCDEFGHIJKLMNOPQRST\": key has more than 19"},
        {"(S:'A';L:'it's'),\r\n", "acronyms.txt:1: apostrophe in expansion"},
        {"(S:'A';L:''),\r\n", "acronyms.txt:1: empty expansion"},
        {"\r\n", "acronyms.txt:1: malformed"},
        {"(S:'A';L:'x'),\r(S:'B';L:'y'),\r", "acronyms.txt:1: line break by a lone CR"},
        {"(S:'A';L:'x'),\n(S:'B';L:'y\az'),\n", "acronyms.txt:2: expansion holds the control character 0x07"},
        {"(S:'A';L:'x\x1b[31m'),\n", "acronyms.txt:1: expansion holds the control character 0x1B"},
        {"(S:'A';L:'x\ty'),\n", "acronyms.txt:1: expansion holds the control character 0x09"},
        {"(S:'A';L:'x\x7f'),\n", "acronyms.txt:1: expansion holds the control character 0x7F"},
        {"(S:'A\x7f';L:'x'),\n", "acronyms.txt:1: key \"A\x7f\": key holds the control character 0x7F"},
        {"(S:'A\x81';L:'x'),\n", "acronyms.txt:1: key \"A\x81\": key holds the byte 0x81, which Windows-1252 leaves undefined"},
        {"", "acronyms.txt: no record lines"},
    };
    for (const auto& c : cases) {
        const auto run = generate(c.content);
        EXPECT_NE(run.exitCode, 0) << c.content;
        EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
    }
}

TEST_F(GeneratorTest, KeepsTheApostrophePlaceholderInExpansions) {
    const auto run = generate("(S:'A';L:'it\x02s'),\n");
    EXPECT_EQ(run.exitCode, 0) << run.output;
}

TEST_F(GeneratorTest, AFolderAsDataFileFailsWithItsReason) {
    const std::string command = std::string("'") + TERMORA_GENERATOR + "' '" + m_dir.string() + "' '" +
                                (m_dir / "out.cpp").string() + "' '" + (m_dir / "out.h").string() + "'";
    const auto run = termora::testing::runCommand(command);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.output.find(m_dir.string() + ": is a folder, not a data file"), std::string::npos) << run.output;
    EXPECT_FALSE(fs::exists(m_dir / "out.cpp"));
}

}  // namespace
