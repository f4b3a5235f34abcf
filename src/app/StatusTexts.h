#pragma once
// The texts of the status bar panels.

#include <QString>

#include <cstdint>

namespace termora {

// "D Day(s) H Hour(s) M Minute(s) S Second(s)"; milliseconds are dropped.
QString UptimeText(std::uint32_t milliseconds);

QString memoryPanelText(int memoryLoad);
// Levels above 100 (255: unknown or no battery) read as 100.
QString powerPanelText(int batteryLevel);
QString uptimePanelText(std::uint32_t milliseconds);

}  // namespace termora
