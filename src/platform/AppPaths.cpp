#include "AppPaths.h"

#include <QCoreApplication>
#include <QDir>

namespace termora::paths {
namespace {

QString withSeparator(QString dir) {
    if (!dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
    return dir;
}

}  // namespace

QString programDir() { return withSeparator(QCoreApplication::applicationDirPath()); }

QString tempDir() { return withSeparator(QDir::tempPath()); }

QString homeDir() { return withSeparator(QDir::homePath()); }

}  // namespace termora::paths
