#include "store/UserEntries.h"

#include "platform/DataFile.h"
#include "platform/Windows1252.h"
#include "store/Meanings.h"
#include "store/RecordLine.h"
#include "store/TSL.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace termora {
namespace {

// A key longer than this is quoted cut short in a reason.
constexpr std::size_t kQuotedKeyLength = 40;

std::string_view withoutBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return text.substr(text.size());
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string quotedKey(std::string_view key) {
    std::string shown = cp1252::toUtf8(key.substr(0, kQuotedKeyLength));
    if (key.size() > kQuotedKeyLength) shown += "...";
    return "key \"" + shown + "\"";
}

std::string hexByte(char c) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned>(static_cast<unsigned char>(c)));
    return text;
}

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string_view viewOf(std::span<char> bytes) { return {bytes.data(), bytes.size()}; }

// Turns a piece of a KEY<TAB>MEANING line from UTF-8 into Windows-1252 in
// place, never longer; why it cannot be, or nothing.
std::optional<std::string> convertUtf8(std::span<char>& piece) {
    if (!isAscii(viewOf(piece))) {
        const cp1252::Conversion converted = cp1252::fromUtf8(viewOf(piece));
        if (converted.invalidUtf8) return "not valid UTF-8 (byte " + hexByte(converted.offending[0]) + ")";
        if (!converted.ok) {
            return "the character \"" + converted.offending + "\" is not in the dictionary's code page (Windows-1252)";
        }
        std::copy(converted.bytes.begin(), converted.bytes.end(), piece.begin());
        piece = piece.first(converted.bytes.size());
    }
    // Only the record lines may hold the placeholder byte, as the export
    // writes it; typed text holds no control character.
    if (viewOf(piece).find(TSL::kApostrophePlaceholder) != std::string_view::npos) {
        return "holds the control character " + hexByte(TSL::kApostrophePlaceholder);
    }
    return std::nullopt;
}

// True when the text holds a meaning marker: "<", digits, ">".
bool holdsMarker(std::string_view text) {
    for (std::size_t open = text.find('<'); open != std::string_view::npos; open = text.find('<', open + 1)) {
        std::size_t end = open + 1;
        while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
        if (end > open + 1 && end < text.size() && text[end] == '>') return true;
    }
    return false;
}

// Why a meaning cannot be stored, or nothing.
std::optional<std::string> meaningProblem(std::string_view meaning) {
    if (meaning.empty()) return "an empty meaning";
    if (auto violation = expansionRuleViolation(meaning)) return violation;
    if (holdsMarker(meaning)) return "a meaning holds a marker \"<n>\" that does not open it";
    return std::nullopt;
}

// The key and expansion of a line, viewing it, or why the line has neither
// form.
std::optional<std::string> piecesOf(std::span<char> line, std::span<char>& key, std::span<char>& expansion) {
    const std::string_view text = viewOf(line);
    if (const auto record = parseRecordLine(text)) {
        key = line.subspan(std::size_t(record->key.data() - text.data()), record->key.size());
        expansion = line.subspan(std::size_t(record->expansion.data() - text.data()), record->expansion.size());
        return std::nullopt;
    }
    const std::size_t tab = text.find('\t');
    if (tab == std::string_view::npos) return "neither a record line (S:'KEY';L:'EXPANSION'), nor KEY<TAB>MEANING";
    if (text.find('\t', tab + 1) != std::string_view::npos) return "more than one tab";
    key = line.first(tab);
    expansion = line.subspan(tab + 1);
    if (auto problem = convertUtf8(key)) return problem;
    return convertUtf8(expansion);
}

// The length of the line at the start of bytes, and of the break after it.
std::pair<std::size_t, std::size_t> lineAt(std::string_view bytes) {
    const auto end = std::find_if(bytes.begin(), bytes.end(), [](char c) { return c == '\r' || c == '\n'; });
    const auto length = static_cast<std::size_t>(end - bytes.begin());
    if (end == bytes.end()) return {length, 0};
    return {length, bytes.substr(length).starts_with("\r\n") ? 2 : 1};
}

}  // namespace

ParsedLine parseUserLine(std::span<char> line) {
    const std::string_view trimmed = withoutBlanks(viewOf(line));
    line = line.subspan(std::size_t(trimmed.data() - line.data()), trimmed.size());
    std::span<char> keyBytes;
    std::span<char> expansionBytes;
    if (auto problem = piecesOf(line, keyBytes, expansionBytes)) return {std::nullopt, std::move(*problem)};
    // The files hold apostrophes as typed (or, copied from an export, as
    // the placeholder); the dictionary keeps them as the placeholder.
    std::replace(expansionBytes.begin(), expansionBytes.end(), '\'', TSL::kApostrophePlaceholder);
    const std::string_view key = withoutBlanks(viewOf(keyBytes));
    const std::string_view expansion = withoutBlanks(viewOf(expansionBytes));
    if (const auto violation = keyRuleViolation(key)) return {std::nullopt, quotedKey(key) + ": " + *violation};
    if (expansion.empty()) return {std::nullopt, quotedKey(key) + " has no meaning"};
    if (!opensWithMarker(expansion)) {
        if (auto problem = meaningProblem(expansion)) return {std::nullopt, std::move(*problem)};
    } else {
        std::vector<std::string_view> meanings;
        appendMeanings(expansion, meanings);
        for (const std::string_view meaning : meanings) {
            if (auto problem = meaningProblem(meaning)) return {std::nullopt, std::move(*problem)};
        }
    }
    return {UserEntry{key, expansion}, {}};
}

void addUserFile(UserEntries& into, const std::string& file, std::string bytes) {
    if (bytes.find('\0') != std::string::npos) {
        into.badLines.push_back({file, 0, "not a text file (it holds zero bytes)"});
        return;
    }
    std::string& text = into.texts.emplace_back(std::move(bytes));
    std::span<char> rest(text);
    if (datafile::startsWithByteOrderMark(text)) rest = rest.subspan(3);
    into.entries.reserve(into.entries.size() + static_cast<std::size_t>(std::count(rest.begin(), rest.end(), '\n')) +
                         1);
    int number = 0;
    while (!rest.empty()) {
        const auto [length, breakLength] = lineAt(viewOf(rest));
        const std::span<char> line = rest.first(length);
        rest = rest.subspan(length + breakLength);
        ++number;
        if (withoutBlanks(viewOf(line)).empty()) continue;
        ParsedLine parsed = parseUserLine(line);
        if (parsed.entry) {
            into.entries.push_back(*parsed.entry);
        } else {
            into.badLines.push_back({file, number, std::move(parsed.problem)});
        }
    }
}

void appendMeanings(std::string_view expansion, std::vector<std::string_view>& meanings) {
    for (const std::string_view piece : splitMeanings(expansion)) meanings.push_back(withoutBlanks(piece));
}

std::vector<std::string> describeBadLines(const std::vector<BadLine>& badLines, std::size_t most) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < badLines.size() && i < most; ++i) {
        const BadLine& bad = badLines[i];
        const std::string place = bad.line > 0 ? ", line " + std::to_string(bad.line) : std::string();
        lines.push_back(bad.file + place + ": " + bad.reason);
    }
    if (badLines.size() > most) {
        const std::size_t more = badLines.size() - most;
        lines.push_back("and " + std::to_string(more) + (more == 1 ? " more line" : " more lines") +
                        " that could not be loaded");
    }
    return lines;
}

}  // namespace termora
