// Turns the tab-separated reference tables of data/reference/ into C++
// source. Every field is checked against the table's rules, and the first
// bad line fails the build with its file and line.
//
// Usage: termora-gen-reference COUNTRIES CURRENCIES CRYPTOCURRENCIES OUT_CPP

#include "platform/DataFile.h"
#include "platform/Windows1252.h"

#include <fstream>
#include <functional>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Fields = std::vector<std::string>;

class DataError {
public:
    explicit DataError(std::string text) : m_text(std::move(text)) {}
    const std::string& text() const { return m_text; }

private:
    std::string m_text;
};

// Characters, not bytes: the texts are UTF-8.
std::size_t characterCount(const std::string& text) {
    std::size_t count = 0;
    for (const char ch : text) {
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) ++count;
    }
    return count;
}

bool allOf(const std::string& text, const std::function<bool(char)>& allowed) {
    for (const char ch : text) {
        if (!allowed(ch)) return false;
    }
    return true;
}

bool isUpper(char ch) { return ch >= 'A' && ch <= 'Z'; }
bool isLower(char ch) { return ch >= 'a' && ch <= 'z'; }
bool isDigit(char ch) { return ch >= '0' && ch <= '9'; }

bool upperCode(const std::string& text, std::size_t length) {
    return text.size() == length && allOf(text, isUpper);
}

// A printable text without leading or trailing blanks.
bool plainText(const std::string& text, std::size_t maxCharacters) {
    const auto count = characterCount(text);
    return count > 0 && count <= maxCharacters && text.front() != ' ' && text.back() != ' ' &&
           allOf(text, [](char ch) { return static_cast<unsigned char>(ch) >= 0x20 && ch != 0x7F; });
}

// What is wrong with a name, or an empty text: it must be well-formed UTF-8
// and a printable text of 1 to maxCharacters characters.
std::string nameProblem(const std::string& name, std::size_t maxCharacters) {
    if (!termora::cp1252::isValidUtf8(name)) return "name is not valid UTF-8";
    if (!plainText(name, maxCharacters))
        return "name must be 1 to " + std::to_string(maxCharacters) + " printable characters without blanks at its ends";
    return {};
}

// The texts go into the literal as they are (UTF-8); only the characters
// that end or escape a literal, and '?' against trigraphs, are escaped.
std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (const char ch : text) {
        if (ch == '"' || ch == '\\' || ch == '?') out += '\\';
        out += ch;
    }
    return out + '"';
}

struct Table {
    const char* recordType;
    const char* function;
    std::size_t fieldCount;
    // Returns what is wrong with a row, or an empty text.
    std::function<std::string(const Fields&)> check;
};

const Table kCountries{"TCountryRec", "CountryTable", 4, [](const Fields& f) -> std::string {
    if (auto problem = nameProblem(f[0], 100); !problem.empty()) return problem;
    if (!upperCode(f[1], 2)) return "alpha-2 code must be two capital letters";
    if (!upperCode(f[2], 3)) return "alpha-3 code must be three capital letters";
    if (!f[3].empty() && !(f[3].size() == 3 && f[3][0] == '.' && isLower(f[3][1]) && isLower(f[3][2])))
        return "domain must be empty or a dot and two small letters";
    return {};
}};

const Table kCurrencies{"TCurrencyRec", "CurrencyTable", 2, [](const Fields& f) -> std::string {
    if (!upperCode(f[0], 3)) return "code must be three capital letters";
    if (auto problem = nameProblem(f[1], 60); !problem.empty()) return problem;
    return {};
}};

const Table kCryptos{"TCryptoRec", "CryptoTable", 2, [](const Fields& f) -> std::string {
    if (auto problem = nameProblem(f[0], 24); !problem.empty()) return problem;
    if (f[1].empty() || f[1].size() > 6 || !allOf(f[1], [](char ch) { return isUpper(ch) || isDigit(ch); }))
        return "code must have 1 to 6 capital letters or digits";
    return {};
}};

Fields splitTabs(const std::string& line) {
    Fields fields;
    std::size_t start = 0;
    for (;;) {
        const auto tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos) return fields;
        start = tab + 1;
    }
}

std::vector<Fields> readTable(const std::string& path, const Table& table) {
    const std::string text = termora::datafile::readWhole(path);
    if (termora::datafile::startsWithByteOrderMark(text))
        throw DataError(path + ":1: byte-order mark at the start (the tables are UTF-8 without one)");
    std::vector<Fields> rows;
    std::istringstream in(text);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto where = path + ":" + std::to_string(number) + ": ";
        auto fields = splitTabs(line);
        if (fields.size() != table.fieldCount)
            throw DataError(where + "expected " + std::to_string(table.fieldCount) + " tab-separated fields");
        if (const auto problem = table.check(fields); !problem.empty()) throw DataError(where + problem);
        rows.push_back(std::move(fields));
    }
    if (rows.empty()) throw DataError(path + ": no rows");
    return rows;
}

void writeTable(std::ostream& out, const Table& table, const std::vector<Fields>& rows) {
    out << "namespace {\nconstexpr " << table.recordType << " k" << table.function << "[] = {\n";
    for (const auto& row : rows) {
        out << "    {";
        for (std::size_t i = 0; i < row.size(); ++i) out << (i ? ", " : "") << quoted(row[i]);
        out << "},\n";
    }
    out << "};\n}  // namespace\n\n";
    out << "std::span<const " << table.recordType << "> " << table.function << "() { return k" << table.function
        << "; }\n\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::cerr << "usage: termora-gen-reference COUNTRIES CURRENCIES CRYPTOCURRENCIES OUT_CPP\n";
        return 2;
    }
    try {
        const Table* tables[] = {&kCountries, &kCurrencies, &kCryptos};
        std::ostringstream out;
        out << "// Generated by termora-gen-reference from data/reference/. Do not edit.\n"
               "#include \"reference/ReferenceTables.h\"\n\nnamespace termora::reference {\n\n";
        for (int i = 0; i < 3; ++i) writeTable(out, *tables[i], readTable(argv[i + 1], *tables[i]));
        out << "}  // namespace termora::reference\n";
        std::ofstream file(argv[4], std::ios::binary | std::ios::trunc);
        if (!(file << out.str())) throw DataError(std::string(argv[4]) + ": cannot write");
    } catch (const DataError& error) {
        std::cerr << error.text() << '\n';
        return 1;
    } catch (const termora::datafile::DataFileError& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}
