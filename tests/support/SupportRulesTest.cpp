// Addresses, texts and the donation switch of the support surface.

#include "base/TermoraConstants.h"
#include "common/SupportTestHelpers.h"
#include "platform/Registry.h"
#include "platform/UserError.h"
#include "support/DonationSwitch.h"
#include "support/SupportLinks.h"

#include <QUrlQuery>
#include <QtTest>

using namespace termora;
using namespace termora::support;
using termora::testing::storeSwitch;

namespace {

QStringList queryKeys(const QString& address) {
    QStringList keys;
    for (const auto& item : QUrlQuery(QUrl(address)).queryItems()) keys.append(item.first);
    return keys;
}

QString queryValue(const QString& address, const QString& key) {
    return QUrlQuery(QUrl(address)).queryItemValue(key);
}

}  // namespace

class SupportRulesTest : public QObject {
    Q_OBJECT

private slots:
    void paymentAddressesKeepTheirKeysInOrder() {
        const QString cp = coinPaymentsAddress("12");
        QVERIFY(cp.startsWith("https://www.coinpayments.net/index.php?"));
        QCOMPARE(queryKeys(cp), (QStringList{"cmd", "reset", "merchant", "item_name", "currency", "amountf",
                                             "allow_amount", "want_shipping", "allow_extra"}));
        QCOMPARE(queryValue(cp, "cmd"), QString("_donate"));
        QCOMPARE(queryValue(cp, "amountf"), QString("12"));
        QCOMPARE(queryValue(cp, "currency"), QString("USD"));

        const QString skrill = skrillAddress("7");
        QVERIFY(skrill.startsWith("https://pay.skrill.com/?"));
        QCOMPARE(queryKeys(skrill), (QStringList{"pay_to_email", "status_url", "language", "amount", "currency",
                                                 "detail1_description", "detail1_text"}));
        QCOMPARE(queryValue(skrill, "amount"), QString("7"));
        QCOMPARE(queryValue(skrill, "language"), QString("EN"));
    }

    void shareAddressesCarryTheDownloadLink() {
        const QString download = QString::fromLatin1(constants::kDownloadLink);
        QCOMPARE(QUrlQuery(QUrl(facebookShareAddress())).queryItemValue("u", QUrl::FullyDecoded), download);
        QCOMPARE(QUrlQuery(QUrl(twitterShareAddress())).queryItemValue("url", QUrl::FullyDecoded), download);
        QCOMPARE(payeerAddress(50), QString(constants::kPayeerDonatePrefix) + "50");
    }

    void texts_data() {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ampersand doubled") << doubledAmpersands("A&B && C") << "A&&B &&&& C";
        QTest::newRow("no ampersand") << doubledAmpersands("Termora") << "Termora";
        QTest::newRow("last updated") << lastUpdatedText("2026.12") << "Last Updated : December 2026";
        QTest::newRow("last updated, leading zero") << lastUpdatedText("2016.08") << "Last Updated : August 2016";
    }
    void texts() {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }

    void switchValueNames_data() {
        QTest::addColumn<int>("tag");
        QTest::addColumn<QString>("name");
        QTest::newRow("product") << 16 << "16";
        QTest::newRow("one digit") << 5 << "05";
        QTest::newRow("three digits cut") << 123 << "12";
    }
    void switchValueNames() {
        QFETCH(int, tag);
        QFETCH(QString, name);
        QCOMPARE(switchValueName(tag), name);
    }

    void startUpSwitch_data() {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<bool>("wanted");
        QTest::newRow("1") << QVariant("1") << true;
        QTest::newRow("0") << QVariant("0") << false;
        QTest::newRow("empty") << QVariant("") << true;
        QTest::newRow("missing") << QVariant() << true;
        QTest::newRow("other text") << QVariant("yes") << false;
        QTest::newRow("1 with a blank") << QVariant(" 1") << false;
    }
    void startUpSwitch() {
        QFETCH(QVariant, stored);
        QFETCH(bool, wanted);
        storeSwitch(stored);
        QCOMPARE(donationWindowWanted(), wanted);
        QCOMPARE(readShowSwitch(16), wanted);
    }

    void unreadableSwitchIsAnErrorAtStartUpButCheckedInTheWindow() {
        storeSwitch(QStringList{"a", "b"});
        QVERIFY_THROWS_EXCEPTION(UserError, donationWindowWanted());
        QVERIFY(readShowSwitch(16));
    }

    void writingTheSwitch() {
        storeSwitch(QVariant());
        writeShowSwitch(16, false);
        QCOMPARE(registry::ReadUserRegString("Software\\Velmont\\Support", "16"), QString("0"));
        writeShowSwitch(16, true);
        QCOMPARE(registry::ReadUserRegString("Software\\Velmont\\Support", "16"), QString("1"));
        writeShowSwitch(0, false);
        QCOMPARE(registry::ReadUserRegString("Software\\Velmont\\Support", "00"), QString());
    }
};

QTEST_GUILESS_MAIN(SupportRulesTest)
#include "SupportRulesTest.moc"
