#include "support/SupportLinks.h"

#include "base/TermoraConstants.h"

#include <QLocale>
#include <QUrl>

namespace termora::support {
namespace {

namespace c = termora::constants;

QString encodedDownloadLink() {
    return QString::fromLatin1(QUrl::toPercentEncoding(QString::fromLatin1(c::kDownloadLink)));
}

}  // namespace

QString coinPaymentsAddress(const QString& amount) {
    return QStringLiteral("https://www.coinpayments.net/index.php?cmd=_donate&reset=1&merchant=%1&item_name=%2"
                          "&currency=USD&amountf=")
               .arg(QLatin1String(c::kCoinPaymentsMerchant), QLatin1String(c::kPaymentItemName)) +
           amount + QStringLiteral("&allow_amount=1&want_shipping=0&allow_extra=1");
}

QString skrillAddress(const QString& amount) {
    return QStringLiteral("https://pay.skrill.com/?pay_to_email=%1&status_url=%1&language=EN&amount=")
               .arg(QLatin1String(c::kSkrillAccount)) +
           amount +
           QStringLiteral("&currency=USD&detail1_description=%1&detail1_text=%2")
               .arg(QLatin1String(c::kPaymentDetailDescription), QLatin1String(c::kPaymentDetailText));
}

QString payeerAddress(int dollars) { return QLatin1String(c::kPayeerDonatePrefix) + QString::number(dollars); }

QString facebookShareAddress() {
    return QStringLiteral("https://www.facebook.com/sharer/sharer.php?u=") + encodedDownloadLink();
}

QString twitterShareAddress() {
    return QStringLiteral("https://twitter.com/intent/tweet?text=%1&url=%2")
        .arg(QString::fromLatin1(QUrl::toPercentEncoding(
                 QLatin1String(c::kProgramName) + QStringLiteral(" - free acronym and abbreviation dictionary"))),
             encodedDownloadLink());
}

QString alternativeToAddress() {
    return QStringLiteral("https://alternativeto.net/browse/search/?q=") + QLatin1String(c::kProgramName);
}

QString doubledAmpersands(QString text) { return text.replace(QLatin1Char('&'), QStringLiteral("&&")); }

QString lastUpdatedText(const QString& version) {
    const int year = version.section(QLatin1Char('.'), 0, 0).toInt();
    const int month = version.section(QLatin1Char('.'), 1, 1).toInt();
    const QString monthName = QLocale::c().standaloneMonthName(month >= 1 && month <= 12 ? month : 1);
    return QStringLiteral("Last Updated : %1 %2").arg(monthName).arg(year);
}

}  // namespace termora::support
