// The country, currency and cryptocurrency pages driven through their
// widgets: filling, sorting by header clicks, the domain case, copying, the
// link button, and the page captions that ask for the full-listing code.

#include "common/ItemViewInput.h"
#include "common/RecordingLinkOpener.h"
#include "reference/CountryPage.h"
#include "reference/CryptoPage.h"
#include "reference/CurrencyPage.h"
#include "reference/EmoticonPage.h"
#include "reference/ReaderOrder.h"
#include "reference/ReferenceTables.h"

#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

#include <memory>

using namespace termora;
using namespace termora::reference;
using termora::testing::clickRow;

namespace {

QString cell(const QTableView& grid, int row, int column) { return grid.model()->index(row, column).data().toString(); }

QStringList columnTexts(const QTableView& grid, int column) {
    QStringList texts;
    for (int row = 0; row < grid.model()->rowCount(); ++row) texts.append(cell(grid, row, column));
    return texts;
}

void clickHeader(QTableView& grid, int section) { termora::testing::clickSection(*grid.horizontalHeader(), section); }

bool inReaderOrder(const QStringList& names, Qt::CaseSensitivity sensitivity) {
    return std::is_sorted(names.begin(), names.end(), [sensitivity](const QString& a, const QString& b) {
        return compareForReader(a, b, sensitivity) < 0;
    });
}

int rowOf(const QTableView& grid, int column, const QString& text) {
    return int(columnTexts(grid, column).indexOf(text));
}

QString clipboardText() { return QGuiApplication::clipboard()->text(); }

QTableView& gridOf(QWidget& page, const char* name) {
    auto* grid = page.findChild<QTableView*>(QString::fromLatin1(name));
    Q_ASSERT(grid != nullptr);
    return *grid;
}

std::unique_ptr<QWidget> makePage(const QString& kind) {
    if (kind == "country") return std::make_unique<CountryPage>();
    if (kind == "currency") return std::make_unique<CurrencyPage>();
    if (kind == "emoticon") return std::make_unique<EmoticonPage>();
    return std::make_unique<CryptoPage>();
}

}  // namespace

class CodePagesTest : public QObject {
    Q_OBJECT

private slots:
    void fillersFillOnceInTableOrder_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("grid");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("country") << "country" << "nxCC" << 249 << 0 << "Afghanistan" << "Zimbabwe";
        QTest::newRow("currency") << "currency" << "nxCurc" << 164 << 0 << "AED" << "ZWD";
        QTest::newRow("cryptocurrency") << "crypto" << "nxCCC" << 732 << 1 << "007Coin" << "Zurcoin";
    }
    void fillersFillOnceInTableOrder() {
        QFETCH(QString, page);
        QFETCH(QString, grid);
        QFETCH(int, rows);
        QFETCH(int, column);
        QFETCH(QString, first);
        QFETCH(QString, last);
        const auto widget = makePage(page);
        QTableView& view = gridOf(*widget, qPrintable(grid));
        QCOMPARE(view.model()->rowCount(), 0);
        QVERIFY(QMetaObject::invokeMethod(widget.get(), "fillIfEmpty"));
        QCOMPARE(view.model()->rowCount(), rows);
        QCOMPARE(cell(view, 0, column), first);
        QCOMPARE(cell(view, rows - 1, column), last);
        QVERIFY(QMetaObject::invokeMethod(widget.get(), "fillIfEmpty"));
        QCOMPARE(view.model()->rowCount(), rows);
    }

    void headerClickSortsAndSecondClickReverses() {
        CryptoPage page;
        page.show();
        page.fillIfEmpty();
        QTableView& grid = gridOf(page, "nxCCC");
        const QStringList tableOrder = columnTexts(grid, 1);

        clickHeader(grid, 1);
        const QStringList ascending = columnTexts(grid, 1);
        QVERIFY(inReaderOrder(ascending, Qt::CaseInsensitive));
        QCOMPARE(QSet<QString>(ascending.begin(), ascending.end()), QSet<QString>(tableOrder.begin(), tableOrder.end()));
        // Without regard to case: "bitUSD" stands among the other "Bit" names.
        QVERIFY(rowOf(grid, 1, "bitUSD") < rowOf(grid, 1, "Dash"));

        clickHeader(grid, 1);
        const QStringList descending = columnTexts(grid, 1);
        QCOMPARE(descending.first(), ascending.last());
        QCOMPARE(descending.last(), ascending.first());

        clickHeader(grid, 0);  // another column: ascending by code, alphabetical
        QVERIFY(inReaderOrder(columnTexts(grid, 0), Qt::CaseSensitive));
    }

    void headerClickSortsNamesAsAReaderExpects_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("grid");
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("neighbours");
        QTest::newRow("country with a circumflex")
            << "country" << "nxCC" << 0 << QStringList{"Costa Rica", QString::fromUtf8("C\xc3\xb4te d'Ivoire"), "Croatia/Hrvatska"};
        QTest::newRow("country with an acute accent")
            << "country" << "nxCC" << 0 << QStringList{"Qatar", QString::fromUtf8("R\xc3\xa9union"), "Romania"};
        QTest::newRow("currency with a tilde")
            << "currency" << "nxCurc" << 1
            << QStringList{"Samoa Tala", QString::fromUtf8("S\xc3\xa3o Principe and Tome Dobra"), "Saudi Arabia Riyal"};
    }
    void headerClickSortsNamesAsAReaderExpects() {
        QFETCH(QString, page);
        QFETCH(QString, grid);
        QFETCH(int, column);
        QFETCH(QStringList, neighbours);
        const auto widget = makePage(page);
        widget->show();
        QVERIFY(QMetaObject::invokeMethod(widget.get(), "fillIfEmpty"));
        QTableView& view = gridOf(*widget, qPrintable(grid));
        clickHeader(view, column);
        const int first = rowOf(view, column, neighbours.first());
        for (int i = 1; i < neighbours.size(); ++i) QCOMPARE(rowOf(view, column, neighbours.at(i)), first + i);
        QVERIFY(inReaderOrder(columnTexts(view, column), Qt::CaseSensitive));
    }

    void domainCaseRewritesEachRowsOwnDomainWhateverTheOrder() {
        CountryPage page;
        page.show();
        page.fillIfEmpty();
        QTableView& grid = gridOf(page, "nxCC");
        auto* domainCase = page.findChild<QComboBox*>("cmbCase");
        QCOMPARE(domainCase->currentText(), QString("small"));

        QTest::keyClick(domainCase, Qt::Key_Down);
        QCOMPARE(domainCase->currentText(), QString("LARGE"));
        QCOMPARE(cell(grid, rowOf(grid, 0, "Afghanistan"), 3), QString(".AF"));

        clickHeader(grid, 2);  // sort by "Alpha-3 Code"
        QCOMPARE(cell(grid, 0, 2), QString("ABW"));
        QTest::keyClick(domainCase, Qt::Key_Up);
        int empty = 0;
        for (const TCountryRec& country : CountryTable()) {
            const int row = rowOf(grid, 0, QString::fromUtf8(country.Name.data(), qsizetype(country.Name.size())));
            QVERIFY(row >= 0);
            QCOMPARE(cell(grid, row, 3), QString::fromLatin1(country.TLD.data(), qsizetype(country.TLD.size())));
            empty += cell(grid, row, 3).isEmpty();
        }
        QCOMPARE(empty, 14);

        clickHeader(grid, 3);  // sorted by domain, then back to LARGE: still each row's own
        QTest::keyClick(domainCase, Qt::Key_Down);
        QCOMPARE(cell(grid, rowOf(grid, 0, "United Kingdom"), 3), QString(".GB"));
        QCOMPARE(cell(grid, rowOf(grid, 0, "Serbia"), 3), QString());
    }

    void copyButtonsCopyTheSelectedRowsName_data() {
        QTest::addColumn<bool>("country");
        QTest::addColumn<int>("sortColumn");  // -1: table order
        QTest::addColumn<QString>("selectBy");
        QTest::addColumn<QString>("copied");
        QTest::newRow("currency EUR") << false << -1 << "EUR" << "Euro Member Countries";
        QTest::newRow("currency after sorting by name") << false << 1 << "USD" << "United States Dollar";
        QTest::newRow("country in table order") << true << -1 << "CI" << QString::fromUtf8("C\xc3\xb4te d'Ivoire");
        QTest::newRow("country after sorting by ccTLD") << true << 3 << "GB" << "United Kingdom";
    }
    void copyButtonsCopyTheSelectedRowsName() {
        QFETCH(bool, country);
        QFETCH(int, sortColumn);
        QFETCH(QString, selectBy);
        QFETCH(QString, copied);
        CountryPage countryPage;
        CurrencyPage currencyPage;
        QWidget& page = country ? static_cast<QWidget&>(countryPage) : currencyPage;
        country ? countryPage.fillIfEmpty() : currencyPage.fillIfEmpty();
        page.show();
        QTableView& grid = gridOf(page, country ? "nxCC" : "nxCurc");
        auto* button = page.findChild<QPushButton*>(country ? "Button5" : "Button6");
        if (sortColumn >= 0) clickHeader(grid, sortColumn);
        const int codeColumn = country ? 1 : 0;

        QGuiApplication::clipboard()->setText("kept");
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(clipboardText(), QString("kept"));  // nothing selected

        clickRow(grid, rowOf(grid, codeColumn, selectBy));
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(clipboardText(), copied);
    }

    void marketCapitalisationButtonOpensItsAddress() {
        termora::testing::LinkRecorder links;
        CryptoPage page;
        auto* button = page.findChild<QPushButton*>("Button13");
        QCOMPARE(button->text(), QString("CryptoCurrency Market Capitalization"));
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(links.opened, QStringList{"https://coinmarketcap.com/"});
    }

    void captionClickAsksForTheFullListingCode_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("caption");
        QTest::newRow("country") << "country" << "Label6" << "Country Code :";
        QTest::newRow("currency") << "currency" << "Label13" << "Currency Code :";
        QTest::newRow("cryptocurrency") << "crypto" << "Label37" << "CryptoCurrency List :";
        QTest::newRow("emoticon") << "emoticon" << "Label7" << "Emoticon List :";
    }
    void captionClickAsksForTheFullListingCode() {
        QFETCH(QString, page);
        QFETCH(QString, label);
        QFETCH(QString, caption);
        const auto widget = makePage(page);
        QSignalSpy asked(widget.get(), SIGNAL(fullListingCodeRequested()));
        auto* text = widget->findChild<QLabel*>(label);
        QCOMPARE(text->text(), caption);
        QTest::mouseClick(text, Qt::RightButton);
        QCOMPARE(asked.count(), 0);
        QTest::mouseClick(text, Qt::LeftButton);
        QCOMPARE(asked.count(), 1);
    }
};

QTEST_MAIN(CodePagesTest)
#include "CodePagesTest.moc"
