// The archive reader against archives made here: both packings, and every
// kind of missing, damaged or hostile archive, which must fail with a
// message and never crash.

#include <gtest/gtest.h>

#include "common/FixtureArchive.h"
#include "common/HangGuard.h"
#include "reference/ZipReader.h"

#include <zip.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using termora::reference::MemberLimits;
using termora::reference::ZipError;
using termora::reference::ZipReader;
using namespace termora::testing;

const std::string kText = "mp3=MP3 audio\r\nogg=Ogg audio\r\nwav=WAV audio\r\n";

class ZipReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("termora-zip-test-" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
        m_path = (m_dir / "FileExtension.db").string();
    }
    void TearDown() override { fs::remove_all(m_dir); }

    // The message of the first failure of open-then-extract, or "" if none.
    std::string failure(const std::string& member, const MemberLimits& limits = {}) {
        try {
            ZipReader reader;
            reader.open(m_path);
            reader.extract(member, limits);
        } catch (const ZipError& error) {
            return error.what();
        }
        return {};
    }

    fs::path m_dir;
    std::string m_path;
};

TEST_F(ZipReaderTest, ReadsStoredAndDeflatedMembersExactly) {
    const std::string binary("a\0b\xff\r\n", 6);
    writeArchive(m_path, {{"Audio File.txt", kText, Packing::Deflated},
                          {"Video File.txt", kText + kText, Packing::Stored},
                          {"Empty.txt", "", Packing::Stored},
                          {"Bytes.txt", binary, Packing::Deflated}});
    ZipReader reader;
    reader.open(m_path);
    EXPECT_EQ(reader.extract("Audio File.txt"), kText);
    EXPECT_EQ(reader.extract("Video File.txt"), kText + kText);
    EXPECT_EQ(reader.extract("Empty.txt"), "");
    EXPECT_EQ(reader.extract("Bytes.txt"), binary);
    reader.close();
    EXPECT_FALSE(reader.isOpen());
}

TEST_F(ZipReaderTest, FailuresNameTheirCause) {
    const auto deflatedArchive = [this] { writeArchive(m_path, {{"Audio File.txt", kText + kText + kText}}); };
    const struct {
        const char* what;
        std::function<void()> prepare;
        std::string member;
        std::string message;
    } cases[] = {
        {"no archive", [] {}, "Audio File.txt", "Cannot open archive \"" + m_path + "\": No such file"},
        {"not an archive", [this] { std::ofstream(m_path) << kText; }, "Audio File.txt", "Not a zip archive"},
        {"empty file", [this] { std::ofstream{m_path}; }, "Audio File.txt", "Cannot open archive"},
        {"truncated archive",
         [&] {
             deflatedArchive();
             truncateFile(m_path, fs::file_size(m_path) - 30);
         },
         "Audio File.txt", "Cannot open archive"},
        {"missing member", deflatedArchive, "Video File.txt",
         "Cannot extract \"Video File.txt\" from \"" + m_path + "\": No such file"},
        {"name differs in case", deflatedArchive, "audio file.txt", "No such file"},
        {"damaged deflated member",
         [&] {
             deflatedArchive();
             damageMember(m_path, "Audio File.txt");
         },
         "Audio File.txt", "Cannot extract \"Audio File.txt\""},
        {"damaged stored member",
         [this] {
             writeArchive(m_path, {{"Audio File.txt", kText, Packing::Stored}});
             damageMember(m_path, "Audio File.txt");
         },
         "Audio File.txt", "CRC error"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(m_path);
        c.prepare();
        EXPECT_NE(failure(c.member).find(c.message), std::string::npos) << failure(c.member);
    }
}

// Hostile archives: every truncation and every single damaged byte of a
// small archive either fails with an error or still yields the true text.
TEST_F(ZipReaderTest, EveryTruncationOrDamagedByteFailsCleanly) {
    writeArchive(m_path, {{"Audio File.txt", kText}, {"Video File.txt", kText, Packing::Stored}});
    const std::string original = readWholeFile(m_path);
    const auto readsTrueTextOrFails = [this](const std::string& bytes) {
        std::ofstream(m_path, std::ios::binary | std::ios::trunc) << bytes;
        for (const char* member : {"Audio File.txt", "Video File.txt"}) {
            try {
                ZipReader reader;
                reader.open(m_path);
                if (reader.extract(member) != kText) return false;
            } catch (const ZipError&) {
            }
        }
        return true;
    };
    for (std::size_t size = 0; size < original.size(); ++size)
        EXPECT_TRUE(readsTrueTextOrFails(original.substr(0, size))) << "cut to " << size;
    for (std::size_t at = 0; at < original.size(); ++at) {
        std::string damaged = original;
        damaged[at] = char(damaged[at] ^ 0xFF);
        EXPECT_TRUE(readsTrueTextOrFails(damaged)) << "byte " << at;
    }
}

TEST_F(ZipReaderTest, RefusesAMemberLargerThanTheLimit) {
    // Compresses to almost nothing: the shape of a decompression bomb.
    writeArchive(m_path, {{"Big.txt", std::string(1 << 20, 'a')}});
    EXPECT_NE(failure("Big.txt", {1000}).find("expands to more than 1000 bytes"), std::string::npos);
    EXPECT_EQ(failure("Big.txt"), "");
}

// What a member turns into is counted with the line rules of the text files:
// CR LF, a lone CR and a lone LF each end one line; text after the last
// break is a line too.
TEST_F(ZipReaderTest, CountsLinesAndLineLengthAsTheMemberExpands) {
    const struct {
        std::string text;
        MemberLimits limits;
        std::string failure;  // "" when the member is within the limits
    } cases[] = {
        {"a\r\nb\r\nc\r\n", {1000, 3, 10}, ""},
        {"a\r\nb\r\nc\r\nd", {1000, 3, 10}, "the member has more than 3 lines"},
        {"a\rb\nc\r\n\r", {1000, 3, 10}, "the member has more than 3 lines"},
        {"\n\n\n", {1000, 3, 10}, ""},
        {"\n\n\n\n", {1000, 3, 10}, "the member has more than 3 lines"},
        {"12345\r\n123456\r\n", {1000, 3, 5}, "line 2 of the member is longer than 5 bytes"},
        {"12345\r\n12345", {1000, 3, 5}, ""},
        {std::string(200'000, '\n'), {1000000, 100'000, 4096}, "the member has more than 100000 lines"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 20));
        writeArchive(m_path, {{"Audio File.txt", c.text}});
        const std::string message = failure("Audio File.txt", c.limits);
        if (c.failure.empty()) {
            EXPECT_EQ(message, "");
        } else {
            EXPECT_EQ(message, "Cannot extract \"Audio File.txt\" from \"" + m_path + "\": " + c.failure);
        }
    }
}

TEST_F(ZipReaderTest, AnArchiveThatIsNoRegularFileIsRefusedWithoutWaiting) {
    const termora::testing::HangGuard guard;
    ASSERT_EQ(::mkfifo(m_path.c_str(), 0600), 0);
    EXPECT_EQ(failure("Audio File.txt"), "Cannot open archive \"" + m_path + "\": Not a regular file");
    fs::remove(m_path);
    fs::create_directory(m_path);
    EXPECT_EQ(failure("Audio File.txt"), "Cannot open archive \"" + m_path + "\": Is a directory");
}

TEST_F(ZipReaderTest, NeverSuppliesAPasswordForAnEncryptedMember) {
    if (!zip_encryption_method_supported(ZIP_EM_AES_256, 1)) GTEST_SKIP() << "libzip cannot encrypt here";
    int code = 0;
    zip_t* archive = zip_open(m_path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    ASSERT_NE(archive, nullptr);
    zip_source_t* source = zip_source_buffer(archive, kText.data(), kText.size(), 0);
    const zip_int64_t index = zip_file_add(archive, "Audio File.txt", source, 0);
    ASSERT_GE(index, 0);
    ASSERT_EQ(zip_file_set_encryption(archive, zip_uint64_t(index), ZIP_EM_AES_256, "secret"), 0);
    ASSERT_EQ(zip_close(archive), 0);
    EXPECT_NE(failure("Audio File.txt").find("password"), std::string::npos) << failure("Audio File.txt");
}

TEST_F(ZipReaderTest, ExtractingWithoutAnOpenArchiveIsAnError) {
    ZipReader reader;
    EXPECT_THROW(reader.extract("Audio File.txt"), ZipError);
    writeArchive(m_path, {{"Audio File.txt", kText}});
    reader.open(m_path);
    fs::remove(m_path);
    EXPECT_THROW(reader.open(m_path), ZipError);
    EXPECT_FALSE(reader.isOpen());  // a failed open leaves no archive behind
}

}  // namespace
