#pragma once
// Draws a rating of 0 to 5 as five stars, the filled ones first.

#include <QStyledItemDelegate>

namespace termora::support {

class StarRatingDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace termora::support
