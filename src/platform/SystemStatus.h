#pragma once
// Figures of the machine for the status bar: memory load, battery level and
// milliseconds since boot. The readers take their sources as arguments so
// they can be checked against fixtures.

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace termora::systemstatus {

// 100 x (MemTotal - MemAvailable) / MemTotal from /proc/meminfo text; 100 when
// the figures are missing.
int memoryLoadFrom(const QByteArray& meminfo);
int memoryLoad();

// Capacity of the first battery under a power_supply directory; 255 (unknown)
// when there is none.
int batteryLevelFrom(const QString& powerSupplyDir);
int batteryLevel();

// Milliseconds since the system started, counting from 0 again after 2^32 - 1.
std::uint32_t tickCount();

}  // namespace termora::systemstatus
