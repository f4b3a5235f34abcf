#include "Registry.h"

#include "UserError.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace termora::registry {
namespace {

QString settingsKey(const QString& keyPath, const QString& valueName) {
    QString group = keyPath;
    group.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return group + QLatin1Char('/') + valueName;
}

}  // namespace

QString storePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Velmont/registry.ini");
}

QString ReadUserRegString(const QString& keyPath, const QString& valueName) {
    const QSettings settings(storePath(), QSettings::IniFormat);
    const QVariant value = settings.value(settingsKey(keyPath, valueName));
    if (!value.isValid()) return {};
    if (value.typeId() != QMetaType::QString) {
        throw UserError(QStringLiteral("Invalid data type for '%1'").arg(valueName));
    }
    return value.toString();
}

void WriteUserRegString(const QString& keyPath, const QString& valueName, const QString& value) {
    const QString path = storePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSettings settings(path, QSettings::IniFormat);
    settings.setValue(settingsKey(keyPath, valueName), value);
    settings.sync();
    if (settings.status() != QSettings::NoError) throw UserError(QStringLiteral("Error creating system registry entry"));
}

}  // namespace termora::registry
