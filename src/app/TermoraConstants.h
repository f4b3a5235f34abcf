#pragma once
// Termora's own addresses, numbers and accounts in one place. The hosts are
// placeholders until real ones exist; account keys are empty on purpose.

namespace termora::constants {

// This program's number within its maker's family of programs: it names the
// registry values, the donation window's tag and the update file's section.
inline constexpr const char* kProductNumber = "16";

inline constexpr const char* kProgramName = "Termora";
inline constexpr const char* kVersion = "2026.12";

inline constexpr const char* kHomePage = "https://termora.example/";
inline constexpr const char* kMakerNotice = "Free acronym dictionary - termora.example";

// Registry key paths (under HKEY_CURRENT_USER).
inline constexpr const char* kRegistryKey = "Software\\Velmont";
inline constexpr const char* kSupportRegistryKey = "Software\\Velmont\\Support";

}  // namespace termora::constants
