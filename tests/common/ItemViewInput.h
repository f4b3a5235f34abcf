#pragma once
// A person's mouse on item views (a click on a row or a header section at the
// place where it is drawn) and what the window shows afterwards.

#include "OnScreen.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QListView>
#include <QSet>
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

// How many columns of items start inside a list's visible width.
inline int columnsInView(QListView& list) {
    QSet<int> lefts;
    for (int row = 0; row < list.model()->rowCount(); ++row) {
        const QRect rect = list.visualRect(list.model()->index(row, 0));
        if (rect.left() >= 0 && rect.left() < list.viewport()->width()) lefts.insert(rect.left());
    }
    return int(lefts.size());
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
