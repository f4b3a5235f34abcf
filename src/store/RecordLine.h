#pragma once
// The record-line form of dictionary entries, (S:'KEY';L:'EXPANSION'), used
// by the data file, the record export and the add-entry tool, and the rules
// a key must keep.

#include <optional>
#include <string>
#include <string_view>

namespace termora {

// The pieces of a record line, viewing the line.
struct RecordLine {
    std::string_view key;
    std::string_view expansion;
};

// "(S:'" + key + "';L:'" + expansion + "'),", pieces copied byte for byte.
std::string formatRecordLine(std::string_view key, std::string_view expansion);

// The key and expansion of a record line (without its line end), or nothing
// when the line does not have the record form.
std::optional<RecordLine> parseRecordLine(std::string_view line);

// Why a key cannot be stored, or nothing when it can: its stripped length
// must be 1 to 19 and every byte a printable character of Windows-1252 (no
// control character, no DEL, none of the five bytes the code page leaves
// undefined).
std::optional<std::string> keyRuleViolation(std::string_view key);

// Why an expansion as the data file holds it cannot be stored, or nothing
// when it can: it is not empty, an apostrophe is stored as the placeholder
// byte 0x02, and every other byte is a printable character of Windows-1252.
std::optional<std::string> expansionRuleViolation(std::string_view expansion);

// Meanings in an expansion, counted marker by marker ("<n>"); one for a text
// without markers.
int countMeanings(std::string_view expansion);

// Table of a key: 0 to 25 for an initial A-Z in either case, 26 otherwise.
int bucketOfKey(std::string_view key);

constexpr int kLetterBucketCount = 27;
constexpr int kOtherInitialsBucket = 26;

}  // namespace termora
