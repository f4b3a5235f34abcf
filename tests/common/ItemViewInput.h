#pragma once
// A person's mouse on item views (a click on a row or a header section at the
// place where it is drawn) and what the window shows afterwards.

#include "common/OnScreen.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QListView>
#include <QSet>

#include <algorithm>
#include <QTest>

namespace termora::testing {

inline void clickItem(QAbstractItemView& view, const QModelIndex& index,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    view.scrollTo(index);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, modifiers, view.visualRect(index).center());
}

inline void clickRow(QAbstractItemView& view, int row, int column = 0) {
    clickItem(view, view.model()->index(row, column));
}

inline void clickSection(QHeaderView& header, int section) {
    const QPoint centre(header.sectionViewportPosition(section) + header.sectionSize(section) / 2,
                        header.height() / 2);
    QTest::mouseClick(header.viewport(), Qt::LeftButton, {}, centre);
}

// How many columns of items a list shows side by side: its visible width
// over the distance from one column to the next, a column cut off at the
// right edge counting as one (1 when the items stand in a single column).
inline int columnsInView(QListView& list) {
    QSet<int> lefts;
    for (int row = 0; row < list.model()->rowCount(); ++row) lefts.insert(list.visualRect(list.model()->index(row, 0)).left());
    if (lefts.size() < 2) return 1;
    QList<int> sorted(lefts.begin(), lefts.end());
    std::sort(sorted.begin(), sorted.end());
    const int pitch = sorted.at(1) - sorted.at(0);
    return (list.viewport()->width() + pitch - 1) / pitch;
}

// Whether the item's cell is drawn in the selection colour: most of its
// pixels near the palette's highlight (styles shade it slightly; text and
// grid lines do not count).
inline bool drawnHighlighted(QAbstractItemView& view, const QModelIndex& index) {
    const QImage image = onScreen(*view.viewport());
    const QRect cell = view.visualRect(index).intersected(view.viewport()->rect()).adjusted(1, 1, -1, -1);
    if (cell.isEmpty()) return false;
    const auto near = [](QRgb a, QColor b) {
        return qAbs(qRed(a) - b.red()) < 24 && qAbs(qGreen(a) - b.green()) < 24 && qAbs(qBlue(a) - b.blue()) < 24;
    };
    const QPalette& palette = view.palette();
    int highlighted = 0;
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        for (int x = cell.left(); x <= cell.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            highlighted += near(pixel, palette.color(QPalette::Active, QPalette::Highlight)) ||
                           near(pixel, palette.color(QPalette::Inactive, QPalette::Highlight));
        }
    }
    return highlighted * 2 > cell.width() * cell.height();
}

}  // namespace termora::testing
