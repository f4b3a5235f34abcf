#pragma once
// How the expansion view lays out a text: each numbered meaning on a line of
// its own, and the markers ("<1> ", "<12>", "<123>") to be shown bold blue.
// Positions count a line break as one character, as the text view does.

#include <QList>
#include <QString>

namespace termora {

struct TextRange {
    int start = 0;
    int length = 0;
    bool operator==(const TextRange&) const = default;
};

struct ArrangedMeanings {
    QString text;
    QList<TextRange> markers;
    int ownFrom = -1;  // where the user's own meanings begin in text, or -1
};

// With autoArrange and a first "<" followed by a digit 1-9, a line break goes
// before every "<" and the first line is dropped; the markers are found in
// the result either way. ownFrom, where the user's own meanings begin in the
// given text (or -1), is carried over into the result.
ArrangedMeanings arrangeMeanings(const QString& text, bool autoArrange, int ownFrom = -1);

// 1-based positions of every occurrence of pattern in text; after a hit the
// scan goes on from the character after the hit's first character.
QList<int> PosList(const QString& pattern, const QString& text);
int PosCount(const QString& pattern, const QString& text);

}  // namespace termora
