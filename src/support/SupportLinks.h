#pragma once
// Addresses and texts of the donation and support surface, built by plain
// text substitution from Termora's constants and the services' real hosts.

#include <QString>

namespace termora::support {

// Outside pages the "Don't have ...?" links lead to.
inline constexpr const char* kWalletSignUp = "https://bitcoin.org/en/choose-your-wallet";
inline constexpr const char* kCoinPaymentsSignUp = "https://www.coinpayments.net/";
inline constexpr const char* kPayeerSignUp = "https://payeer.com/";
inline constexpr const char* kSkrillSignUp = "https://www.skrill.com/";

// The CoinPayments donation page for an amount in dollars.
QString coinPaymentsAddress(const QString& amount);

// The Skrill payment page for an amount in dollars.
QString skrillAddress(const QString& amount);

// Termora's Payeer payment link for one of the fixed amounts.
QString payeerAddress(int dollars);

// Share pages that point at Termora's download link, and a search for
// Termora on the software-alternatives site.
QString facebookShareAddress();
QString twitterShareAddress();
QString alternativeToAddress();

// Every "&" doubled, so that a button caption shows it as one ampersand.
QString doubledAmpersands(QString text);

// "Last Updated : December 2026" for the version "2026.12".
QString lastUpdatedText(const QString& version);

}  // namespace termora::support
