#pragma once
// A person's mouse on item views (a click on a row or a header section at the
// place where it is drawn) and what the window shows afterwards.

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QHeaderView>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QWindow>

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

// The widget as its window shows it: pending repaints are drawn first, then
// the window's backing store is read, so a part the widget failed to repaint
// shows its old pixels as it would on the screen.
inline QImage onScreen(QWidget& widget) {
    QCoreApplication::processEvents();
    QWidget* top = widget.window();
    QWindow* window = top->windowHandle();
    const QPixmap shot = window->screen()->grabWindow(window->winId());
    const qreal ratio = shot.devicePixelRatio();
    const QRect area(widget.mapTo(top, QPoint(0, 0)) * ratio, widget.size() * ratio);
    return shot.copy(area).toImage();
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
