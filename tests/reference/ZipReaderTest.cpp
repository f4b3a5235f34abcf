// The archive reader against archives made here: both packings, and every
// kind of missing, damaged or hostile archive, which must fail with a
// message and never crash.

#include <gtest/gtest.h>

#include "FixtureArchive.h"
#include "ZipReader.h"

#include <zip.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;
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
    std::string failure(const std::string& member, std::size_t limit = ZipReader::kMemberSizeLimit) {
        try {
            ZipReader reader;
            reader.open(m_path);
            reader.extract(member, limit);
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
    EXPECT_NE(failure("Big.txt", 1000).find("larger than 1000 bytes"), std::string::npos);
    EXPECT_EQ(failure("Big.txt"), "");
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
