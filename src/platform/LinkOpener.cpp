#include "LinkOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace termora {

void DesktopLinkOpener::open(const QString& target) {
    const QUrl url = target.startsWith(QLatin1Char('/')) ? QUrl::fromLocalFile(target) : QUrl(target);
    QDesktopServices::openUrl(url);
}

}  // namespace termora
