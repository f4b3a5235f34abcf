#include "app/StatusTexts.h"

#include <algorithm>

namespace termora {

QString UptimeText(std::uint32_t t) {
    const std::uint32_t days = t / 86400000u;
    const std::uint32_t hours = (t % 86400000u) / 3600000u;
    const std::uint32_t minutes = (t % 3600000u) / 60000u;
    const std::uint32_t seconds = (t % 60000u) / 1000u;
    return QStringLiteral("%1 Day(s) %2 Hour(s) %3 Minute(s) %4 Second(s)").arg(days).arg(hours).arg(minutes).arg(seconds);
}

QString memoryPanelText(int memoryLoad) { return QStringLiteral("Memory Usage : %1%").arg(memoryLoad); }

QString powerPanelText(int batteryLevel) { return QStringLiteral("Power : %1%").arg(std::min(batteryLevel, 100)); }

QString uptimePanelText(std::uint32_t milliseconds) {
    return QStringLiteral("System Uptime : ") + UptimeText(milliseconds);
}

}  // namespace termora
