#include "support/StarRatingDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace termora::support {
namespace {

QPainterPath starPath(QPointF centre, qreal outer) {
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = i % 2 == 0 ? outer : outer * 0.45;
        const qreal angle = -M_PI / 2 + i * M_PI / 5;
        const QPointF point = centre + QPointF(radius * qCos(angle), radius * qSin(angle));
        if (i == 0) path.moveTo(point);
        else path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

}  // namespace

void StarRatingDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    // The cell's background and selection as for any other cell, no text.
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    background.text.clear();
    const QWidget* view = option.widget;
    QStyle* style = view != nullptr ? view->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &background, painter, view);

    const int rating = qBound(0, index.data().toString().toInt(), 5);
    const qreal size = qMin<qreal>(16, option.rect.height() - 4);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 5; ++i) {
        const QPointF centre(option.rect.left() + 4 + size / 2 + i * (size + 2), option.rect.center().y() + 0.5);
        painter->setPen(QColor(190, 140, 0));
        painter->setBrush(i < rating ? QColor(255, 190, 0) : QColor(Qt::transparent));
        painter->drawPath(starPath(centre, size / 2));
    }
    painter->restore();
}

}  // namespace termora::support
