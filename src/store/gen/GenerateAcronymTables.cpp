// Turns the record lines of the dictionary data file into C++ source: the
// packed entries of the 27 tables (PackedEntries.h), a header with their
// counts and the lines termora-lookup prints (ShownLines.h). Fails with the file and line of the first line that is malformed,
// ends with a lone CR or holds a key or an expansion that breaks their rules,
// and fails for a data file that is empty or no file at all, so broken data
// never reaches the program.
//
// Usage: termora-gen-acronyms DATA_FILE OUT_TABLES_CPP OUT_COUNTS_H OUT_SHOWN_LINES_CPP

#include "platform/DataFile.h"
#include "store/PackedEntries.h"
#include "store/RecordLine.h"
#include "store/ShownLines.h"
#include "store/TSL.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using termora::kLetterBucketCount;
using termora::RecordNumber;

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

// One byte of a string literal: printable ASCII as itself, everything else
// as a three-digit octal escape (so that no digit after it can join it).
// '?' is escaped too, so that no "??x" trigraph warning can arise.
void appendLiteralByte(std::string& out, char ch) {
    const auto c = static_cast<unsigned char>(ch);
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

// A character array holding bytes (and the literal's own closing zero), one
// quoted piece per line, cut after each zero byte so that a record's text
// stands on a line of its own.
void writeCharArray(std::ostream& out, const char* name, std::string_view bytes) {
    out << "constexpr char " << name << "[] =\n";
    std::string line = "    \"";
    for (const char c : bytes) {
        appendLiteralByte(line, c);
        if (c == '\0' || line.size() > 100) {
            out << line << "\"\n";
            line = "    \"";
        }
    }
    out << line << "\";\n";
}

template <typename Number>
void writeNumberArray(std::ostream& out, const char* type, const char* name, std::span<const Number> numbers) {
    out << "constexpr " << type << " " << name << "[] = {";
    for (std::size_t i = 0; i < numbers.size(); ++i) out << (i % 12 == 0 ? "\n    " : " ") << numbers[i] << ",";
    out << "\n};\n";
}

Record parseLine(const std::string& file, int number, std::string_view line) {
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (line.find('\r') != std::string_view::npos)
        throw DataError(file, number, "line break by a lone CR (lines end with LF or CR LF)");
    const auto parsed = termora::parseRecordLine(line);
    if (!parsed) throw DataError(file, number, "malformed record line, expected (S:'KEY';L:'EXPANSION'),");
    if (const auto violation = termora::keyRuleViolation(parsed->key)) {
        throw DataError(file, number, "key \"" + std::string(parsed->key) + "\": " + *violation);
    }
    if (const auto violation = termora::expansionRuleViolation(parsed->expansion)) {
        throw DataError(file, number, *violation);
    }
    return Record{std::string(parsed->key), std::string(parsed->expansion)};
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

// The start of a generated source file, up to its anonymous namespace.
void openDataSource(std::ostream& out, const char* header) {
    out << "// Generated from the dictionary data file by termora-gen-acronyms. Do not edit.\n"
           "#include \""
        << header << "\"\n\nnamespace termora::data {\nnamespace {\n\n";
}

// The view of a character array written by writeCharArray, without the
// literal's closing zero.
std::string textOf(const char* name) { return std::string("std::string_view(") + name + ", sizeof " + name + " - 1)"; }

void writeTables(const termora::PackedEntries& e, std::ostream& out) {
    openDataSource(out, "store/AcronymTables.h");
    writeCharArray(out, "kText", e.text);
    writeCharArray(out, "kLowered", e.lowered);
    writeCharArray(out, "kAnagramKeys", e.anagramKeys);
    writeNumberArray(out, "std::uint32_t", "kKeyStarts", e.keyStarts);
    writeNumberArray(out, "std::uint32_t", "kExpansionStarts", e.expansionStarts);
    writeNumberArray(out, "std::uint32_t", "kAnagramKeyStarts", e.anagramKeyStarts);
    writeNumberArray(out, "std::uint64_t", "kAnagramLetters", e.anagramLetters);
    writeNumberArray(out, "RecordNumber", "kKeyOrder", e.keyOrder);
    writeNumberArray(out, "std::uint32_t", "kKeyRanks", e.keyRanks);
    out << "\n}  // namespace\n\nconstinit const PackedEntries kAcronymEntries{\n    " << textOf("kText") << ",\n    "
        << textOf("kLowered") << ",\n    kKeyStarts,\n    kExpansionStarts,\n    " << textOf("kAnagramKeys")
        << ",\n    kAnagramKeyStarts,\n    kAnagramLetters,\n    kKeyOrder,\n    kKeyRanks,\n    {";
    for (const RecordNumber start : e.tableStarts) out << start << ", ";
    out << "},\n};\n\n}  // namespace termora::data\n";
}

void writeShownLines(const termora::ShownLines& shown, std::ostream& out) {
    openDataSource(out, "store/ShownLines.h");
    writeCharArray(out, "kLines", shown.lines);
    writeNumberArray(out, "std::uint32_t", "kLineStarts", shown.lineStarts);
    writeCharArray(out, "kKeys", shown.keys);
    writeNumberArray(out, "std::uint32_t", "kKeyStarts", shown.keyStarts);
    writeNumberArray(out, "std::uint32_t", "kPositions", shown.positions);
    out << "\n}  // namespace\n\nconstinit const ShownLines kShownLines{\n    " << textOf("kLines")
        << ",\n    kLineStarts,\n    " << textOf("kKeys") << ",\n    kKeyStarts,\n    kPositions,\n};\n\n"
        << "}  // namespace termora::data\n";
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
    if (argc != 5) {
        std::cerr << "usage: termora-gen-acronyms DATA_FILE OUT_TABLES_CPP OUT_COUNTS_H OUT_SHOWN_LINES_CPP\n";
        return 2;
    }
    try {
        const auto tables = readTables(argv[1]);
        std::array<std::vector<termora::TSL>, kLetterBucketCount> records;
        std::array<std::span<const termora::TSL>, kLetterBucketCount> views;
        for (std::size_t b = 0; b < tables.size(); ++b) {
            for (const Record& r : tables[b]) records[b].push_back(termora::TSL{r.key, r.expansion});
            views[b] = records[b];
        }
        const termora::PackedEntrySet packed(views);
        const termora::ShownLineSet shown(packed.entries());
        std::ostringstream source;
        std::ostringstream counts;
        std::ostringstream lines;
        writeTables(packed.entries(), source);
        writeCounts(tables, counts);
        writeShownLines(shown.shown(), lines);
        writeFile(argv[2], source.str());
        writeFile(argv[3], counts.str());
        writeFile(argv[4], lines.str());
    } catch (const DataError& error) {
        std::cerr << error.text() << "\n";
        return 1;
    } catch (const termora::datafile::DataFileError& error) {
        std::cerr << error.what() << "\n";
        return 1;
    }
    return 0;
}
