// Packs the category lists of data/file-extensions/ into FileExtension.db:
// one deflated member per category, named "<Category>.txt", in the order of
// the page's category list. Every category must have its file, a regular
// file without a byte-order mark; every line must hold an "=", and no stray
// file may sit in the folder, so a broken data set fails the build instead
// of shipping. Member times are fixed so that the same data always gives the
// same archive.
//
// Usage: termora-pack-extensions DATA_DIR OUT_ARCHIVE

#include "platform/DataFile.h"
#include "reference/ExtensionCategories.h"

#include <zip.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using termora::reference::categoryMemberName;
using termora::reference::kExtensionCategories;

class PackError {
public:
    explicit PackError(std::string text) : m_text(std::move(text)) {}
    const std::string& text() const { return m_text; }

private:
    std::string m_text;
};

// 2016-08-01 00:00:00 UTC.
constexpr std::time_t kMemberTime = 1470009600;

void checkLines(const fs::path& path, const std::string& text) {
    if (termora::datafile::startsWithByteOrderMark(text))
        throw PackError(path.string() + ":1: byte-order mark at the start (the lists are Windows-1252 text without one)");
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find('=') == std::string::npos || line.front() == '=')
            throw PackError(path.string() + ":" + std::to_string(number) + ": expected EXTENSION=DESCRIPTION");
    }
}

void checkNoStrayFiles(const fs::path& dir) {
    for (const auto& entry : fs::directory_iterator(dir)) {
        const auto name = entry.path().filename().string();
        const bool known = std::any_of(kExtensionCategories.begin(), kExtensionCategories.end(),
                                       [&](std::string_view c) { return categoryMemberName(c) == name; });
        if (!known) throw PackError(entry.path().string() + ": not a category of the catalogue");
    }
}

void pack(const fs::path& dir, const fs::path& out) {
    checkNoStrayFiles(dir);
    std::vector<std::string> texts;  // must outlive the archive until it is written
    texts.reserve(kExtensionCategories.size());
    for (const auto category : kExtensionCategories) {
        const auto path = dir / categoryMemberName(category);
        texts.push_back(termora::datafile::readWhole(path.string()));
        checkLines(path, texts.back());
    }

    int code = ZIP_ER_OK;
    zip_t* archive = zip_open(out.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (archive == nullptr) throw PackError(out.string() + ": cannot create the archive");
    const auto failed = [&](const std::string& what) {
        const std::string text = out.string() + ": " + what + ": " + zip_strerror(archive);
        zip_discard(archive);
        return PackError(text);
    };
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const auto name = categoryMemberName(kExtensionCategories[i]);
        zip_source_t* source = zip_source_buffer(archive, texts[i].data(), texts[i].size(), 0);
        if (source == nullptr) throw failed(name);
        const zip_int64_t index = zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_GUESS);
        if (index < 0) {
            zip_source_free(source);
            throw failed(name);
        }
        if (zip_set_file_compression(archive, zip_uint64_t(index), ZIP_CM_DEFLATE, 9) != 0 ||
            zip_file_set_mtime(archive, zip_uint64_t(index), kMemberTime, 0) != 0)
            throw failed(name);
    }
    if (zip_close(archive) != 0) throw failed("writing");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: termora-pack-extensions DATA_DIR OUT_ARCHIVE\n";
        return 2;
    }
    try {
        pack(argv[1], argv[2]);
    } catch (const PackError& error) {
        std::cerr << error.text() << '\n';
        return 1;
    } catch (const fs::filesystem_error& error) {
        std::cerr << error.what() << '\n';
        return 1;
    } catch (const termora::datafile::DataFileError& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}
