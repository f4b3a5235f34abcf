#include "views/MeaningArrangement.h"

namespace termora {
namespace {

const QChar kMarkerOpen = QLatin1Char('<');
const QChar kMarkerClose = QLatin1Char('>');

bool startsNumberedText(const QString& text) {
    const qsizetype first = text.indexOf(kMarkerOpen);
    if (first < 0 || first + 1 >= text.size()) return false;
    const QChar next = text.at(first + 1);
    return next >= QLatin1Char('1') && next <= QLatin1Char('9');
}

// The text with a line break before every "<", without its first line;
// position (a place in text, or -1) moves with its character.
QString oneMeaningPerLine(const QString& text, int& position) {
    QString broken;
    broken.reserve(text.size() + text.count(kMarkerOpen));
    int moved = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == kMarkerOpen) broken += QLatin1Char('\n');
        if (i == position) moved = static_cast<int>(broken.size());
        broken += text.at(i);
    }
    // The stored texts begin with "<1>", so the first line is empty; words
    // before the first marker would go with it.
    const qsizetype dropped = broken.indexOf(QLatin1Char('\n')) + 1;
    if (moved >= 0) position = static_cast<int>(qMax<qsizetype>(moved - dropped, 0));
    return broken.mid(dropped);
}

bool closesAt(const QString& text, qsizetype position) {
    return position < text.size() && text.at(position) == kMarkerClose;
}

}  // namespace

ArrangedMeanings arrangeMeanings(const QString& text, bool autoArrange, int ownFrom) {
    ArrangedMeanings result;
    result.ownFrom = ownFrom;
    result.text = (autoArrange && startsNumberedText(text)) ? oneMeaningPerLine(text, result.ownFrom) : text;
    for (const int position : PosList(QString(kMarkerOpen), result.text)) {
        const qsizetype p = position - 1;
        if (!closesAt(result.text, p + 2) && !closesAt(result.text, p + 3) && !closesAt(result.text, p + 4)) continue;
        const int length = closesAt(result.text, p + 4) ? 5 : 4;
        result.markers.append({static_cast<int>(p), static_cast<int>(qMin<qsizetype>(length, result.text.size() - p))});
    }
    return result;
}

QList<int> PosList(const QString& pattern, const QString& text) {
    QList<int> positions;
    if (pattern.isEmpty()) return positions;
    qsizetype from = 0;
    while ((from = text.indexOf(pattern, from)) >= 0) {
        positions.append(static_cast<int>(from + 1));
        ++from;
    }
    return positions;
}

int PosCount(const QString& pattern, const QString& text) { return static_cast<int>(PosList(pattern, text).size()); }

}  // namespace termora
