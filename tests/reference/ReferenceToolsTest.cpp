// The build tools of the reference pages must stop the build on broken data,
// naming the file and line, and pack a good data set completely.

#include <gtest/gtest.h>

#include "common/RunCommand.h"
#include "reference/ExtensionCategories.h"
#include "reference/ZipReader.h"

#include <zip.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using termora::reference::categoryMemberName;
using termora::reference::kExtensionCategories;

class ReferenceToolsTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("termora-reference-tools-" + std::to_string(::getpid()));
        fs::create_directories(m_dir / "lists");
    }
    void TearDown() override { fs::remove_all(m_dir); }

    void write(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

    termora::testing::CommandResult generate(const std::string& countries, const std::string& currencies,
                                             const std::string& cryptos) {
        write(m_dir / "countries.txt", countries);
        write(m_dir / "currencies.txt", currencies);
        write(m_dir / "cryptocurrencies.txt", cryptos);
        return termora::testing::runCommand("'" TERMORA_TABLE_GENERATOR "' '" + (m_dir / "countries.txt").string() +
                                            "' '" + (m_dir / "currencies.txt").string() + "' '" +
                                            (m_dir / "cryptocurrencies.txt").string() + "' '" +
                                            (m_dir / "out.cpp").string() + "'");
    }

    void writeEveryCategory() {
        for (const auto category : kExtensionCategories)
            write(m_dir / "lists" / categoryMemberName(category), "mp3=MP3 audio\r\naac=AAC audio\r\n");
    }

    termora::testing::CommandResult pack() {
        return termora::testing::runCommand("'" TERMORA_ARCHIVE_PACKER "' '" + (m_dir / "lists").string() + "' '" +
                                            (m_dir / "FileExtension.db").string() + "'");
    }

    fs::path m_dir;
};

TEST_F(ReferenceToolsTest, TableGeneratorRejectsBrokenRowsWithFileAndLine) {
    const std::string country = "Afghanistan\tAF\tAFG\t.af\n";
    const std::string currency = "AED\tUnited Arab Emirates Dirham\n";
    const std::string crypto = "Bitcoin\tBTC\n";
    EXPECT_EQ(generate(country, currency, crypto).exitCode, 0);
    const struct {
        std::string countries, currencies, cryptos, message;
    } cases[] = {
        {country + "Albania\tal\tALB\t.al\n", currency, crypto, "countries.txt:2: alpha-2"},
        {country + "Albania\tAL\tALB\n", currency, crypto, "countries.txt:2: expected 4"},
        {country + "Albania\tAL\tALB\tal\n", currency, crypto, "countries.txt:2: domain"},
        {country, "AED\t" + std::string(61, 'x') + "\n", crypto, "currencies.txt:1: name"},
        {country, currency, "An Extremely Long Coin Name\tLONG\n", "cryptocurrencies.txt:1: name"},
        {country, currency, "Bitcoin\tBTCBTCB\n", "cryptocurrencies.txt:1: code"},
        {country, currency, "", "cryptocurrencies.txt: no rows"},
        {"\xEF\xBB\xBF" + country, currency, crypto, "countries.txt:1: byte-order mark"},
        {country, "\xEF\xBB\xBF" + currency, crypto, "currencies.txt:1: byte-order mark"},
        {country + "C\xf4te d'Ivoire\tCI\tCIV\t.ci\n", currency, crypto, "countries.txt:2: name is not valid UTF-8"},
        {country, currency, "Bit\xc3\tBTC\n", "cryptocurrencies.txt:1: name is not valid UTF-8"},
        {country, "AED\tDirham \xed\xa0\x80\n", crypto, "currencies.txt:1: name is not valid UTF-8"},
    };
    for (const auto& c : cases) {
        const auto run = generate(c.countries, c.currencies, c.cryptos);
        EXPECT_NE(run.exitCode, 0) << c.message;
        EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
    }
}

TEST_F(ReferenceToolsTest, PackerWritesEveryCategoryDeflatedInListOrder) {
    writeEveryCategory();
    const auto run = pack();
    ASSERT_EQ(run.exitCode, 0) << run.output;
    int code = 0;
    zip_t* archive = zip_open((m_dir / "FileExtension.db").c_str(), ZIP_RDONLY, &code);
    ASSERT_NE(archive, nullptr);
    ASSERT_EQ(zip_get_num_entries(archive, 0), zip_int64_t(kExtensionCategories.size()));
    for (zip_uint64_t i = 0; i < kExtensionCategories.size(); ++i) {
        zip_stat_t stat;
        ASSERT_EQ(zip_stat_index(archive, i, 0, &stat), 0);
        EXPECT_EQ(stat.name, categoryMemberName(kExtensionCategories[i]));
        EXPECT_EQ(stat.comp_method, ZIP_CM_DEFLATE);
        EXPECT_EQ(stat.encryption_method, ZIP_EM_NONE);
    }
    zip_discard(archive);
}

TEST_F(ReferenceToolsTest, PackerRejectsAnIncompleteOrBrokenDataSet) {
    const struct {
        const char* what;
        std::string file, content, message;
    } cases[] = {
        {"a line without =", "Audio File.txt", "mp3=MP3 audio\r\nmp3 MP3 audio\r\n", "Audio File.txt:2: expected"},
        {"a line without extension", "Video File.txt", "=MPEG video\n", "Video File.txt:1: expected"},
        {"a file of no category", "Sound File.txt", "mp3=MP3 audio\n", "Sound File.txt: not a category"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeEveryCategory();
        write(m_dir / "lists" / c.file, c.content);
        const auto run = pack();
        EXPECT_NE(run.exitCode, 0);
        EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
        fs::remove(m_dir / "lists" / c.file);
    }
    writeEveryCategory();
    fs::remove(m_dir / "lists" / "GIS File.txt");
    const auto run = pack();
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.output.find("GIS File.txt: cannot open"), std::string::npos) << run.output;
}

TEST_F(ReferenceToolsTest, PackerRejectsAFolderOrAByteOrderMarkCleanly) {
    writeEveryCategory();
    fs::remove(m_dir / "lists" / "Font File.txt");
    fs::create_directory(m_dir / "lists" / "Font File.txt");
    auto run = pack();
    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_NE(run.output.find("Font File.txt: is a folder, not a data file"), std::string::npos) << run.output;
    fs::remove(m_dir / "lists" / "Font File.txt");

    writeEveryCategory();
    write(m_dir / "lists" / "Font File.txt", "\xEF\xBB\xBFttf=TrueType font\r\n");
    run = pack();
    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_NE(run.output.find("Font File.txt:1: byte-order mark"), std::string::npos) << run.output;
}

}  // namespace
