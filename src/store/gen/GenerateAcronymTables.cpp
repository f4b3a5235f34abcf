// Turns the record lines of the dictionary data file into C++ source: the 27
// constant tables and a header with their counts. Fails with the file and
// line of the first line that is malformed, ends with a lone CR or holds a
// key or an expansion that breaks their rules, and fails for a data file that
// is empty or no file at all, so broken data never reaches the program.
//
// Usage: termora-gen-acronyms DATA_FILE OUT_CPP OUT_COUNTS_H

#include "platform/DataFile.h"
#include "store/RecordLine.h"
#include "store/TSL.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using termora::kLetterBucketCount;

struct Record {
    std::string key;
    std::string expansion;
};

class DataError {
public:
    DataError(const std::string& file, int line, const std::string& what)
        : m_text(file + ":" + std::to_string(line) + ": " + what) {}
    explicit DataError(std::string text) : m_text(std::move(text)) {}
    const std::string& text() const { return m_text; }

private:
    std::string m_text;
};

std::string cppLiteral(const std::string& bytes) {
    std::string out = "\"";
    for (char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        // '?' is escaped too, so that no "??x" trigraph warning can arise.
        if (c == '"' || c == '\\' || c == '?') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\%03o", c);
            out += esc;
        }
    }
    return out + "\"sv";
}

Record parseLine(const std::string& file, int number, std::string_view line) {
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (line.find('\r') != std::string_view::npos)
        throw DataError(file, number, "line break by a lone CR (lines end with LF or CR LF)");
    const auto parsed = termora::parseRecordLine(line);
    if (!parsed) throw DataError(file, number, "malformed record line, expected (S:'KEY';L:'EXPANSION'),");
    if (const auto violation = termora::keyRuleViolation(parsed->key)) {
        throw DataError(file, number, "key \"" + parsed->key + "\": " + *violation);
    }
    if (const auto violation = termora::expansionRuleViolation(parsed->expansion)) {
        throw DataError(file, number, *violation);
    }
    return Record{parsed->key, parsed->expansion};
}

std::array<std::vector<Record>, kLetterBucketCount> readTables(const std::string& file) {
    const std::string text = termora::datafile::readWhole(file);
    if (text.empty()) throw DataError(file + ": no record lines (the file is empty)");
    std::array<std::vector<Record>, kLetterBucketCount> tables;
    std::string_view rest = text;
    for (int number = 1; !rest.empty(); ++number) {
        const std::size_t end = rest.find('\n');
        Record record = parseLine(file, number, rest.substr(0, end));
        tables[static_cast<std::size_t>(termora::bucketOfKey(record.key))].push_back(std::move(record));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    return tables;
}

void writeTables(const std::array<std::vector<Record>, kLetterBucketCount>& tables, std::ostream& out) {
    out << "// Generated from the dictionary data file by termora-gen-acronyms. Do not edit.\n"
           "#include \"store/AcronymTables.h\"\n\n"
           "namespace termora::data {\nnamespace {\nusing namespace std::string_view_literals;\n";
    for (std::size_t b = 0; b < tables.size(); ++b) {
        if (tables[b].empty()) continue;
        out << "constexpr TSL kTable" << b << "[] = {\n";
        for (const Record& r : tables[b]) out << "    {" << cppLiteral(r.key) << ", " << cppLiteral(r.expansion) << "},\n";
        out << "};\n";
    }
    out << "}  // namespace\n\nconst std::array<std::span<const TSL>, kLetterBucketCount> kAcronymTables = {\n";
    for (std::size_t b = 0; b < tables.size(); ++b) {
        if (tables[b].empty()) {
            out << "    std::span<const TSL>(),\n";
        } else {
            out << "    std::span<const TSL>(kTable" << b << "),\n";
        }
    }
    out << "};\n\n}  // namespace termora::data\n";
}

void writeCounts(const std::array<std::vector<Record>, kLetterBucketCount>& tables, std::ostream& out) {
    int keys = 0;
    int meanings = 0;
    std::ostringstream perTable;
    for (const auto& table : tables) {
        keys += static_cast<int>(table.size());
        for (const Record& r : table) meanings += termora::countMeanings(r.expansion);
        perTable << table.size() << ", ";
    }
    out << "// Generated from the dictionary data file by termora-gen-acronyms. Do not edit.\n"
           "#pragma once\n\n#include <array>\n\nnamespace termora::data {\n\n"
        << "inline constexpr int kAcronymKeyCount = " << keys << ";\n"
        << "inline constexpr int kAcronymMeaningCount = " << meanings << ";\n"
        << "inline constexpr std::array<int, 27> kAcronymTableCounts = {" << perTable.str() << "};\n\n"
        << "}  // namespace termora::data\n";
}

// Writes through a temporary file so that a failed run leaves no half file.
void writeFile(const std::string& path, const std::string& text) {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        if (!out) throw DataError(path + ": cannot write the generated file");
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) throw DataError(path + ": cannot write the generated file");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: termora-gen-acronyms DATA_FILE OUT_CPP OUT_COUNTS_H\n";
        return 2;
    }
    try {
        const auto tables = readTables(argv[1]);
        std::ostringstream source;
        std::ostringstream counts;
        writeTables(tables, source);
        writeCounts(tables, counts);
        writeFile(argv[2], source.str());
        writeFile(argv[3], counts.str());
    } catch (const DataError& error) {
        std::cerr << error.text() << "\n";
        return 1;
    } catch (const termora::datafile::DataFileError& error) {
        std::cerr << error.what() << "\n";
        return 1;
    }
    return 0;
}
