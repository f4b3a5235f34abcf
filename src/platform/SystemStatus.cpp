#include "platform/SystemStatus.h"

#include <QDir>
#include <QFile>

#include <ctime>

namespace termora::systemstatus {
namespace {

constexpr int kUnknownBattery = 255;

qint64 meminfoField(const QByteArray& meminfo, const QByteArray& name) {
    for (const QByteArray& line : meminfo.split('\n')) {
        if (!line.startsWith(name + ':')) continue;
        const QList<QByteArray> parts = line.mid(name.size() + 1).simplified().split(' ');
        bool ok = false;
        const qint64 value = parts.value(0).toLongLong(&ok);
        return ok ? value : -1;
    }
    return -1;
}

QByteArray readSmallFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(4096) : QByteArray();
}

}  // namespace

int memoryLoadFrom(const QByteArray& meminfo) {
    const qint64 total = meminfoField(meminfo, "MemTotal");
    const qint64 available = meminfoField(meminfo, "MemAvailable");
    if (total <= 0 || available < 0 || available > total) return 100;
    return static_cast<int>(100 * (total - available) / total);
}

int memoryLoad() { return memoryLoadFrom(readSmallFile(QStringLiteral("/proc/meminfo"))); }

int batteryLevelFrom(const QString& powerSupplyDir) {
    const QDir dir(powerSupplyDir);
    for (const QString& supply : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (readSmallFile(dir.filePath(supply + QStringLiteral("/type"))).trimmed() != "Battery") continue;
        bool ok = false;
        const int capacity = readSmallFile(dir.filePath(supply + QStringLiteral("/capacity"))).trimmed().toInt(&ok);
        return ok && capacity >= 0 ? capacity : kUnknownBattery;
    }
    return kUnknownBattery;
}

int batteryLevel() { return batteryLevelFrom(QStringLiteral("/sys/class/power_supply")); }

std::uint32_t tickCount() {
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const auto ms = static_cast<std::uint64_t>(now.tv_sec) * 1000u + static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<std::uint32_t>(ms);
}

}  // namespace termora::systemstatus
