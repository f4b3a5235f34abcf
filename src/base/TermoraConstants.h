#pragma once
// Termora's own addresses, numbers and accounts in one place. The hosts are
// placeholders until real ones exist; account keys are empty on purpose.

#include "base/generated/TermoraVersion.h"  // kVersion, the project version

namespace termora::constants {

// This program's number within its maker's family of programs: it names the
// registry values, the donation window's tag and the update file's section.
inline constexpr const char* kProductNumber = "16";

inline constexpr const char* kProgramName = "Termora";

inline constexpr const char* kHomePage = "https://termora.example/";
// The maker's web address as the status bar shows it.
inline constexpr const char* kMakerWebAddress = "termora.example";
inline constexpr const char* kMakerNotice = "Free acronym dictionary - termora.example";

// Registry key paths (under HKEY_CURRENT_USER).
inline constexpr const char* kRegistryKey = "Software\\Velmont";
inline constexpr const char* kSupportRegistryKey = "Software\\Velmont\\Support";

// Termora's own pages.
inline constexpr const char* kFanPage = "https://termora.example/fanpage";
inline constexpr const char* kForum = "https://termora.example/forum";
inline constexpr const char* kDownloadLink = "https://termora.example/download";
inline constexpr const char* kDonatePage = "https://termora.example/donate";
// The Payeer amount links: this prefix followed by the amount in dollars.
inline constexpr const char* kPayeerDonatePrefix = "https://termora.example/donate/payeer?amount=";

// Donation accounts and wallets: empty until real ones exist.
inline constexpr const char* kBitcoinAddress = "";
inline constexpr const char* kLitecoinAddress = "";
inline constexpr const char* kDogecoinAddress = "";
inline constexpr const char* kMobileTopUpNumber = "";
inline constexpr const char* kCoinPaymentsMerchant = "";
inline constexpr const char* kSkrillAccount = "";
// Fixed payment descriptions, already in address form.
inline constexpr const char* kPaymentItemName = "Termora%20Donation";
inline constexpr const char* kPaymentDetailDescription = "Donation%20for";
inline constexpr const char* kPaymentDetailText = "Termora%20Development";

// Update servers: base addresses (scheme and host); the update script is a
// base address followed by "/update.php". Servers 1 and 3 are retired.
inline constexpr const char* kUpdateServer1 = "https://update1.termora.example";
inline constexpr const char* kUpdateServer2 = "https://update2.termora.example";
inline constexpr const char* kUpdateServer3 = "https://update3.termora.example";

// Accounts of the link-shortening services that need one.
inline constexpr const char* kAdflyApiKey = "";     // 32 lowercase hexadecimal digits
inline constexpr const char* kAdflyUserId = "";     // 6 decimal digits
inline constexpr const char* kBitlyLogin = "";
inline constexpr const char* kBitlyApiKey = "";     // "R_" and 32 lowercase hexadecimal digits
inline constexpr const char* kCligsApiKey = "";     // 32 lowercase hexadecimal digits
inline constexpr const char* kCurlvApiKey = "";     // 32 lowercase hexadecimal digits

}  // namespace termora::constants
