#include "support/ProgramBadge.h"

#include <QColor>
#include <QFont>
#include <QPainter>

#include <array>

namespace termora::support {

QPixmap programBadge(const QString& name, int colourNumber, int size) {
    static const std::array<QColor, 6> colours = {QColor(89, 141, 211), QColor(0, 128, 64), QColor(192, 80, 77),
                                                  QColor(128, 100, 162), QColor(214, 134, 28), QColor(49, 133, 156)};
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours[static_cast<std::size_t>(colourNumber < 0 ? 0 : colourNumber) % colours.size()]);
    painter.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(size * 11 / 20);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, name.left(1).toUpper());
    return pixmap;
}

}  // namespace termora::support
