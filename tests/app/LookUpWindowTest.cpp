// A look-up handed to the running Termora, inside its process: which window
// takes it, what that window shows, the selected text made the request, and
// the socket's end that takes requests from later starts.

#include "app/CommandLine.h"
#include "app/Launch.h"
#include "app/LookupRouter.h"
#include "app/LookupServer.h"
#include "app/TSAFrm.h"
#include "common/Controls.h"
#include "common/DictionaryControls.h"
#include "platform/AppPaths.h"
#include "platform/ClipboardReader.h"
#include "platform/Registry.h"
#include "search/SearchRun.h"
#include "store/AcronymStore.h"
#include "views/DictionaryPage.h"

#include <QClipboard>
#include <QLocalServer>
#include <QLocalSocket>
#include <QtTest>

using namespace termora;
using instance::Request;
using testing::child;
using testing::click;
using testing::DictionaryControls;

namespace {

QString searchText(TSAFrm& window) { return DictionaryControls(window.dictionaryPage()).Find->text(); }
QString counter(TSAFrm& window) { return DictionaryControls(window.dictionaryPage()).NI->text(); }

Request lookup(const QString& term) { return {Request::Kind::Lookup, term}; }

// A further window counts as active while its owner is: wait for the focus.
bool activate(QWidget& window) {
    window.activateWindow();
    return QTest::qWaitFor([&window] { return QGuiApplication::focusWindow() == window.windowHandle(); });
}

// Shown, with its searches run.
void settle(TSAFrm& window) { QTRY_COMPARE(window.dictionaryPage().pendingSearches(), 0); }

// Installed for its scope.
class StandInClipboard : public ClipboardReader {
public:
    StandInClipboard() { ClipboardService::install(this); }
    ~StandInClipboard() override { ClipboardService::install(nullptr); }
    std::optional<QString> selection;
    QString clipboard;
    std::optional<QString> selectionText() override { return selection; }
    QString clipboardText() override { return clipboard; }
};

// A client of the socket in this process: sends bytes, returns the answer
// line (empty when the connection ended without one).
QByteArray exchange(const QString& socketPath, const QByteArray& bytes) {
    QLocalSocket client;
    client.connectToServer(socketPath);
    if (!client.waitForConnected(2000)) return "not connected";
    client.write(bytes);
    if (!QTest::qWaitFor([&] { return client.canReadLine() || client.state() == QLocalSocket::UnconnectedState; },
                         10000)) {
        return "no answer, still connected";
    }
    return client.readLine().trimmed();
}

}  // namespace

class LookUpWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { registry::WriteUserRegString("Software\\Velmont\\Support", "16", "0"); }

    void theWindowLooksUpWithItsOwnMethodOnTheDictionaryPage_data() {
        QTest::addColumn<QString>("methodButton");
        QTest::addColumn<QString>("term");
        QTest::addColumn<int>("method");
        QTest::newRow("Exact") << "m1" << "ram" << int(SearchMethod::Exact);
        QTest::newRow("Related") << "m2" << "sap" << int(SearchMethod::Related);
        QTest::newRow("Containing Text") << "m3" << "teller machine" << int(SearchMethod::ContainingText);
        QTest::newRow("Anagram") << "m4" << "mta" << int(SearchMethod::Anagram);
    }
    void theWindowLooksUpWithItsOwnMethodOnTheDictionaryPage() {
        QFETCH(QString, methodButton);
        QFETCH(QString, term);
        QFETCH(int, method);
        TSAFrm window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        click(window, qPrintable(methodButton));
        click(window, "SpeedButton3");  // the country codes in front
        QVERIFY(!window.dictionaryPage().isVisible());
        LookupRouter router;
        router.setFirstWindow(&window);

        QVERIFY(router.answer(lookup(term)).ok);
        settle(window);
        QCOMPARE(searchText(window), term);
        QVERIFY(window.dictionaryPage().isVisible());
        QVERIFY(child<QAbstractButton>(window, "spdFreeware")->isChecked());
        const auto hits = runSearch(AcronymStore::builtIn(), term.toStdString(), SearchMethod(method), true);
        QVERIFY(!hits.empty());
        QCOMPARE(DictionaryControls(window.dictionaryPage()).SAL->model()->rowCount(), int(hits.size()));
        QCOMPARE(counter(window), QStringLiteral("[ 1 / %1 ]").arg(hits.size()));
        const auto state = router.answer({Request::Kind::Status, {}}).state;
        QVERIFY(state);
        QCOMPARE(*state, (instance::WindowState{true, term, counter(window)}));
    }

    void withAutoSearchALookUpIsOneRun() {
        TSAFrm window;
        window.show();
        click(window, "Auto");
        LookupRouter router;
        router.setFirstWindow(&window);
        for (const QString term : {"ram", "ram"}) {  // a new text, then the same text again
            router.answer(lookup(term));
            QCOMPARE(window.dictionaryPage().pendingSearches(), 1);
            settle(window);
        }
    }

    void aNavigationButtonKeepsItsPageShownWhenClickedAgain() {
        TSAFrm window;
        window.show();
        for (int times = 0; times < 2; ++times) click(window, "spdFreeware");
        QVERIFY(window.dictionaryPage().isVisible());
        auto* countries = child<QWidget>(window, "CountrySht");
        for (int times = 0; times < 2; ++times) click(window, "SpeedButton3");
        QVERIFY(countries->isVisible());
    }

    void requestsGoToTheMainWindowUsedLast() {
        TSAFrm first;
        first.show();
        QVERIFY(QTest::qWaitForWindowExposed(&first));
        LookupRouter router;
        router.setFirstWindow(&first);
        QTest::mouseDClick(child<QWidget>(first, "Icon"), Qt::LeftButton);
        const auto further = first.findChildren<TSAFrm*>();
        QCOMPARE(further.size(), 1);
        TSAFrm& second = *further.front();
        QVERIFY(QTest::qWaitForWindowExposed(&second));

        QVERIFY(activate(second));
        router.answer(lookup("atm"));
        QCOMPARE(searchText(second), QString("atm"));
        QCOMPARE(searchText(first), QString());
        QCOMPARE(router.answer({Request::Kind::Status, {}}).state->find, QString("atm"));

        QVERIFY(activate(first));
        router.answer(lookup("ram"));
        QCOMPARE(searchText(first), QString("ram"));
        QCOMPARE(searchText(second), QString("atm"));

        QVERIFY(activate(second));
        second.close();  // a further window goes when closed
        QTRY_COMPARE(first.findChildren<TSAFrm*>().size(), 0);
        router.answer(lookup("asap"));
        QCOMPARE(searchText(first), QString("asap"));
        settle(first);
    }

    void requestsBeforeTheWindowWaitForItAndTheLastCounts() {
        LookupRouter router;
        QVERIFY(router.answer(lookup("ram")).ok);
        QVERIFY(router.answer(lookup("atm")).ok);
        TSAFrm window;
        window.show();
        router.setFirstWindow(&window);
        QCOMPARE(searchText(window), QString("atm"));
        settle(window);
    }

    void theSelectionOrElseTheClipboardIsLookedUp_data() {
        QTest::addColumn<std::optional<QString>>("selection");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<Request>("request");
        const Request show{Request::Kind::Show, {}};
        QTest::newRow("selection") << std::optional<QString>("  RAM\nmemory") << "ATM" << lookup("RAM");
        QTest::newRow("blank selection") << std::optional<QString>(" \n") << " ATM " << lookup("ATM");
        QTest::newRow("no selection on this desktop") << std::optional<QString>() << "ATM" << lookup("ATM");
        QTest::newRow("nothing selected or copied") << std::optional<QString>("") << "\t" << show;
    }
    void theSelectionOrElseTheClipboardIsLookedUp() {
        QFETCH(std::optional<QString>, selection);
        QFETCH(QString, clipboard);
        QFETCH(Request, request);
        StandInClipboard clipboards;
        clipboards.selection = selection;
        clipboards.clipboard = clipboard;
        launch::CommandLine commandLine;
        commandLine.selection = true;
        QCOMPARE(launch::requestFor(commandLine), request);
    }

    void theDesktopsClipboardIsRead() {
        // The offscreen desktop keeps no selection: the clipboard is read.
        QGuiApplication::clipboard()->setText(QStringLiteral("  CPU\ncentral processing unit"));
        launch::CommandLine commandLine;
        commandLine.selection = true;
        QCOMPARE(launch::requestFor(commandLine), lookup("CPU"));
    }

    void theSocketTakesOneSoundRequestPerConnection_data() {
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QString>("answered");
        QTest::addColumn<QStringList>("carriedOut");
        QTest::newRow("lookup") << QByteArray("{\"request\":\"lookup\",\"term\":\"ram\"}\n") << "{\"ok\":true}"
                                << QStringList{"ram"};
        QTest::newRow("two in one")
            << QByteArray("{\"request\":\"lookup\",\"term\":\"ram\"}\n{\"request\":\"lookup\",\"term\":\"atm\"}\n")
            << "{\"ok\":true}" << QStringList{"ram"};
        QTest::newRow("malformed") << QByteArray("lookup ram\n")
                                   << "{\"error\":\"the message is no JSON object\",\"ok\":false}" << QStringList{};
        QTest::newRow("endless") << QByteArray(64 * 1024, 'x')
                                 << "{\"error\":\"the message is longer than 4096 bytes\",\"ok\":false}"
                                 << QStringList{};
        QTest::newRow("half a request, then silence") << QByteArray("{\"request\":") << "" << QStringList{};
    }
    void theSocketTakesOneSoundRequestPerConnection() {
        QFETCH(QByteArray, sent);
        QFETCH(QString, answered);
        QFETCH(QStringList, carriedOut);
        const QString path = paths::tempFile("test.socket");
        QLocalServer::removeServer(path);
        auto listening = std::make_unique<QLocalServer>();
        QVERIFY(listening->listen(path));
        QStringList terms;
        instance::LookupServer server(std::move(listening), [&terms](const Request& request) {
            terms.append(request.term);
            return instance::Answer{};
        });
        QCOMPARE(QString::fromUtf8(exchange(path, sent)), answered);
        QCOMPARE(terms, carriedOut);
        // The window still takes requests.
        QCOMPARE(exchange(path, "{\"request\":\"show\"}\n"), QByteArray("{\"ok\":true}"));
    }
};

QTEST_MAIN(LookUpWindowTest)
#include "LookUpWindowTest.moc"
