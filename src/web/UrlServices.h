#pragma once
// The link shorteners and expanders of the URL tools page and the addresses
// their buttons build.

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace termora::web {

struct Shortener {
    QString button;        // object name of the service's button
    QString urlTemplate;   // "%s" marks where the long address goes
    int plusMode = 0;      // EncodeTerm modes
    int spaceMode = 0;
    bool encode = false;   // percent-encode the address before it goes in
};

// The twelve shorteners in the order of their buttons' tab stops.
const std::vector<Shortener>& shorteners();
const Shortener* findShortener(const QString& button);

// The service address for the long address typed by the user, or nothing
// when the text is blank. The text loses blanks and control characters at
// both ends, gets the term substitutions, a scheme and, when the service
// wants it, percent-encoding.
std::optional<QString> shortenerAddress(const Shortener& service, const QString& text);

struct Expander {
    const char* button;
    const char* prefix;    // the short link goes right after it
    bool encode;
};

// The four expanders, numbered 1 to 4 in this order.
extern const std::array<Expander, 4> kExpanders;
// The number (1 to 4) of the expander behind a button, or 0.
int findExpander(const QString& button);

// The expander's address for the short link, or nothing for an empty text
// or a number outside 1 to 4. The text is not trimmed.
std::optional<QString> expanderAddress(int number, const QString& text);

}  // namespace termora::web
