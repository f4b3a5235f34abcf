#pragma once
// The user's own entries as their files hold them, one a line. A line in the
// record form (S:'KEY';L:'EXPANSION'), as the add-entry tool writes it, is
// read as Windows-1252; any other line as KEY<TAB>MEANING in UTF-8. The
// expansion of either may number several meanings with markers ("<1> ...
// <2> ..."). Pure rules: the files themselves are read by UserFiles.h.

#include <deque>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace termora {

// One line's entry: its key and expansion in Windows-1252, without blanks
// around them, an apostrophe in the expansion stored as the placeholder.
// Both view the bytes of the line they were read from.
struct UserEntry {
    std::string_view key;
    std::string_view expansion;
};

// A line that was not loaded (line 0: the whole file), and why, in UTF-8.
struct BadLine {
    std::string file;
    int line = 0;
    std::string reason;
};

struct UserEntries {
    std::deque<std::string> texts;   // the bytes of the files, which the entries view
    std::vector<UserEntry> entries;  // in the order of the files and their lines
    std::vector<BadLine> badLines;
};

// The entry of one line (without its line end), or why it cannot be loaded.
// The line's bytes become the entry's in place (none is added): UTF-8 turns
// into Windows-1252 and apostrophes into the placeholder.
struct ParsedLine {
    std::optional<UserEntry> entry;
    std::string problem;
};
ParsedLine parseUserLine(std::span<char> line);

// Adds the entries of a file's bytes, which the entries keep and view, and
// its bad lines. A line ends at CR LF, a lone CR or a lone LF; blank lines
// are passed over, and so is a UTF-8 byte-order mark at the start. A file
// holding a zero byte is no text file: one bad line for all of it.
void addUserFile(UserEntries& into, const std::string& file, std::string bytes);

// Appends the meanings of an entry's expansion: the text after each marker,
// or the whole text when it opens with none, without blanks around them.
void appendMeanings(std::string_view expansion, std::vector<std::string_view>& meanings);

// The bad lines as the user reads them ("FILE, line N: reason", or
// "FILE: reason" for a whole file): at most `most` of them, then a line that
// counts the others.
std::vector<std::string> describeBadLines(const std::vector<BadLine>& badLines, std::size_t most);

}  // namespace termora
