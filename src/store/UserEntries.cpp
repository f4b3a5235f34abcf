#include "store/UserEntries.h"

#include "platform/DataFile.h"
#include "platform/Windows1252.h"
#include "store/Meanings.h"
#include "store/RecordLine.h"
#include "store/TSL.h"

#include <algorithm>
#include <cstdio>

namespace termora {
namespace {

// A key longer than this is quoted cut short in a reason.
constexpr std::size_t kQuotedKeyLength = 40;

std::string_view withoutBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
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

// Converts a piece of a KEY<TAB>MEANING line to Windows-1252; why it
// cannot be, or nothing.
std::optional<std::string> convertUtf8(std::string_view piece, std::string& bytes) {
    const cp1252::Conversion converted = cp1252::fromUtf8(piece);
    if (converted.invalidUtf8) return "not valid UTF-8 (byte " + hexByte(converted.offending[0]) + ")";
    if (!converted.ok) {
        return "the character \"" + converted.offending + "\" is not in the dictionary's code page (Windows-1252)";
    }
    // Only the record lines may hold the placeholder byte, as the export
    // writes it; typed text holds no control character.
    if (converted.bytes.find(TSL::kApostrophePlaceholder) != std::string::npos) {
        return "holds the control character " + hexByte(TSL::kApostrophePlaceholder);
    }
    bytes = converted.bytes;
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

// The meanings of an expansion, or why one cannot be stored.
ParsedLine meaningsOf(std::string key, std::string_view expansion) {
    if (expansion.empty()) return {std::nullopt, quotedKey(key) + " has no meaning"};
    UserEntry entry{std::move(key), {}};
    for (const std::string_view piece : splitMeanings(expansion)) {
        const std::string_view meaning = withoutBlanks(piece);
        if (meaning.empty()) return {std::nullopt, "an empty meaning"};
        if (const auto violation = expansionRuleViolation(meaning)) return {std::nullopt, *violation};
        if (holdsMarker(meaning)) return {std::nullopt, "a meaning holds a marker \"<n>\" that does not open it"};
        entry.meanings.emplace_back(meaning);
    }
    return {std::move(entry), {}};
}

}  // namespace

ParsedLine parseUserLine(std::string_view line) {
    line = withoutBlanks(line);
    std::string key;
    std::string expansion;
    if (const auto record = parseRecordLine(line)) {
        key = record->key;
        expansion = record->expansion;
    } else {
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos) {
            return {std::nullopt, "neither a record line (S:'KEY';L:'EXPANSION'), nor KEY<TAB>MEANING"};
        }
        if (line.find('\t', tab + 1) != std::string_view::npos) return {std::nullopt, "more than one tab"};
        if (auto problem = convertUtf8(line.substr(0, tab), key)) return {std::nullopt, std::move(*problem)};
        if (auto problem = convertUtf8(line.substr(tab + 1), expansion)) return {std::nullopt, std::move(*problem)};
    }
    // The files hold apostrophes as typed (or, copied from an export, as
    // the placeholder); the dictionary keeps them as the placeholder.
    std::replace(expansion.begin(), expansion.end(), '\'', TSL::kApostrophePlaceholder);
    key = withoutBlanks(key);
    if (const auto violation = keyRuleViolation(key)) return {std::nullopt, quotedKey(key) + ": " + *violation};
    return meaningsOf(std::move(key), withoutBlanks(expansion));
}

void addUserFile(UserEntries& into, const std::string& file, std::string_view bytes) {
    if (bytes.find('\0') != std::string_view::npos) {
        into.badLines.push_back({file, 0, "not a text file (it holds zero bytes)"});
        return;
    }
    if (datafile::startsWithByteOrderMark(bytes)) bytes.remove_prefix(3);
    int number = 0;
    while (!bytes.empty()) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n"), bytes.size());
        const std::string_view line = bytes.substr(0, end);
        const std::size_t breakLength = bytes.substr(end).starts_with("\r\n") ? 2 : end < bytes.size() ? 1 : 0;
        bytes.remove_prefix(end + breakLength);
        ++number;
        if (withoutBlanks(line).empty()) continue;
        ParsedLine parsed = parseUserLine(line);
        if (parsed.entry) {
            into.entries.push_back(std::move(*parsed.entry));
        } else {
            into.badLines.push_back({file, number, std::move(parsed.problem)});
        }
    }
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
