#pragma once
// The pictures of the support windows are drawn, not shipped: a rounded
// square in one of a few colours with the initial of a name.

#include <QPixmap>
#include <QString>

namespace termora::support {

QPixmap programBadge(const QString& name, int colourNumber, int size);

}  // namespace termora::support
