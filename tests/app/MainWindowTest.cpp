// The main window over the real dictionary: start-up, navigation, further
// windows, the status bar and the error report.

#include "app/TermoraApplication.h"
#include "app/TSAFrm.h"
#include "common/Controls.h"
#include "common/DictionaryControls.h"
#include "common/ItemViewInput.h"
#include "common/RecordingLinkOpener.h"
#include "common/ScriptedDialogs.h"
#include "platform/AppPaths.h"
#include "platform/Registry.h"
#include "platform/UserError.h"
#include "store/AcronymStore.h"
#include "store/generated/AcronymCounts.h"
#include "views/DictionaryPage.h"
#include "views/ResultListModel.h"

#include <QPushButton>
#include <QLabel>
#include <QScrollBar>
#include <QTabBar>
#include <QTableView>
#include <QtTest>

using termora::TSAFrm;
using termora::testing::child;

namespace {

// The frame's controls the tests use, found by their object names.
struct FrameControls {
    explicit FrameControls(const QObject& frame) : window(frame) {}

    const QObject& window;
    QLabel* Icon = child<QLabel>(window, "Icon");
    QLabel* lu = child<QLabel>(window, "lu");
    QAbstractButton* btnHome = child<QAbstractButton>(window, "btnHome");
    QWidget* Panel2 = child<QWidget>(window, "Panel2");
    QAbstractButton* spdFreeware = child<QAbstractButton>(window, "spdFreeware");
    QAbstractButton* SpeedButton1 = child<QAbstractButton>(window, "SpeedButton1");
    QAbstractButton* SpeedButton2 = child<QAbstractButton>(window, "SpeedButton2");
    QAbstractButton* SpeedButton3 = child<QAbstractButton>(window, "SpeedButton3");
    QAbstractButton* SpeedButton4 = child<QAbstractButton>(window, "SpeedButton4");
    QAbstractButton* SpeedButton5 = child<QAbstractButton>(window, "SpeedButton5");
    QAbstractButton* SpeedButton6 = child<QAbstractButton>(window, "SpeedButton6");
    QTabWidget* PageControl1 = child<QTabWidget>(window, "PageControl1");
    QWidget* ABSht = child<QWidget>(window, "ABSht");
    QWidget* CCCSht = child<QWidget>(window, "CCCSht");
    QWidget* CountrySht = child<QWidget>(window, "CountrySht");
    QWidget* shtContrib = child<QWidget>(window, "shtContrib");
    QLabel* SBPanel0 = child<QLabel>(window, "SBPanel0");
    QLabel* SBPanel1 = child<QLabel>(window, "SBPanel1");
    QLabel* SBPanel2 = child<QLabel>(window, "SBPanel2");
};

QStringList visibleTabs(QTabWidget* pages) {
    QStringList captions;
    for (int i = 0; i < pages->count(); ++i) {
        if (pages->isTabVisible(i)) captions << pages->tabText(i);
    }
    return captions;
}

// Throws from its event handler, as a failing handler would.
class FailingHandler : public QObject {
public:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) throw termora::UserError("Cannot open file \"x\". No such file or directory");
        return QObject::event(e);
    }
};

// The distance from one key of a list column to the next.
int rowPitch(QListView& list) {
    return list.visualRect(list.model()->index(1, 0)).top() - list.visualRect(list.model()->index(0, 0)).top();
}

void switchDonationWindow(const QString& value) {
    termora::registry::WriteUserRegString("Software\\Velmont\\Support", "16", value);
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { switchDonationWindow("0"); }

    void donationWindowAtStartUp_data() {
        QTest::addColumn<QString>("switchValue");
        QTest::addColumn<bool>("opens");
        QTest::newRow("on") << "1" << true;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("off") << "0" << false;
        QTest::newRow("anything else") << "no" << false;
    }
    void donationWindowAtStartUp() {
        QFETCH(QString, switchValue);
        QFETCH(bool, opens);
        switchDonationWindow(switchValue);
        termora::testing::DialogScript dialogs;
        bool shownBeforeTheWindow = false;
        TSAFrm* window = nullptr;
        dialogs.onModal = [&](QDialog&) {
            shownBeforeTheWindow = window == nullptr;
            return int(QDialog::Rejected);
        };
        window = new TSAFrm;
        QCOMPARE(dialogs.modalClasses, opens ? QStringList{"termora::TfrmDonate"} : QStringList{});
        QCOMPARE(shownBeforeTheWindow, opens);
        delete window;
        switchDonationWindow("0");
    }

    void startUpRecordsThePathAndShowsTheDictionary() {
        termora::testing::DialogScript dialogs;
        TSAFrm window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const FrameControls ui(window);
        QCOMPARE(window.windowTitle(), QString("Termora [%1/%2 Abbreviations]")
                                           .arg(termora::data::kAcronymMeaningCount)
                                           .arg(termora::data::kAcronymKeyCount));
        QCOMPARE(termora::registry::ReadUserRegString("Software\\Velmont", "16"), QCoreApplication::applicationFilePath());
        QCOMPARE(ui.PageControl1->currentWidget(), ui.ABSht);
        QVERIFY(!ui.PageControl1->tabBar()->isVisible());
        QVERIFY(ui.spdFreeware->isChecked());
        QCOMPARE(ui.SpeedButton1->text(), QString("Acronym \nSearch (OL)"));
        QCOMPARE(ui.SpeedButton6->toolTip(), QString("We need your Support to\n          \"Stay Alive\""));
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(dialogs.messages.isEmpty());
        for (int n = 0; n < 20; ++n) QVERIFY(window.dictionaryPage().lengthBuckets().isEmpty(n));
    }

    void extrasShowsExactlyThreeTabsUntilTheNextButton() {
        TSAFrm window;
        window.show();
        const FrameControls ui(window);
        QTest::mouseClick(ui.SpeedButton2, Qt::LeftButton);
        QCOMPARE(ui.PageControl1->currentWidget(), ui.CCCSht);
        QCOMPARE(visibleTabs(ui.PageControl1),
                 (QStringList{"CryptoCurrency Code", "Facebook Emoticons", "URL Shortener && Expander"}));
        QVERIFY(ui.PageControl1->tabBar()->isVisible());
        QVERIFY(ui.SpeedButton2->isChecked());
        // Ctrl+Tab and the wheel go round the three tabs shown, never to a hidden page.
        QStringList reached;
        for (int press = 0; press < 3; ++press) {
            QTest::keyClick(ui.PageControl1, Qt::Key_Tab, Qt::ControlModifier);
            reached << ui.PageControl1->currentWidget()->objectName();
        }
        QCOMPARE(reached, (QStringList{"FBSht", "shtURLSE", "CCCSht"}));
        QTabBar* strip = ui.PageControl1->tabBar();
        const QPointF place = strip->rect().center();
        QWheelEvent wheel(place, strip->mapToGlobal(place), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(strip, &wheel);
        QCOMPARE(ui.PageControl1->currentWidget(), ui.CCCSht);  // the first tab shown: nothing before it

        QTest::mouseClick(ui.SpeedButton3, Qt::LeftButton);
        QCOMPARE(ui.PageControl1->currentWidget(), ui.CountrySht);
        QCOMPARE(visibleTabs(ui.PageControl1), QStringList{});
        QVERIFY(!ui.PageControl1->tabBar()->isVisible());
        QVERIFY(!ui.SpeedButton2->isChecked());
        QTest::keyClick(ui.PageControl1, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(ui.PageControl1->currentWidget(), ui.CountrySht);
    }

    void navigationButtonsBringTheirPages_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("page");
        QTest::newRow("support") << "SpeedButton6" << "shtSupport";
        QTest::newRow("dictionary") << "spdFreeware" << "ABSht";
        QTest::newRow("online") << "SpeedButton1" << "ASSht";
        QTest::newRow("country") << "SpeedButton3" << "CountrySht";
        QTest::newRow("currency") << "SpeedButton4" << "CurrSht";
        QTest::newRow("file extension") << "SpeedButton5" << "FileExtSht";
        QTest::newRow("more software") << "sbMore" << "shtMore";
    }
    void navigationButtonsBringTheirPages() {
        QFETCH(QString, button);
        QFETCH(QString, page);
        TSAFrm window;
        window.show();
        QTest::mouseClick(window.findChild<QAbstractButton*>(button), Qt::LeftButton);
        QCOMPARE(FrameControls(window).PageControl1->currentWidget()->objectName(), page);
        const auto checked = FrameControls(window).Panel2->findChildren<QAbstractButton*>();
        QCOMPARE(std::count_if(checked.begin(), checked.end(), [](auto* b) { return b->isChecked(); }), 1);
    }

    // The real window with its scaling kit: after each scaling pass the
    // column number still means that many columns of keys.
    void columnNumberHoldsThroughScalingPasses() {
        TSAFrm window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const termora::testing::DictionaryControls page(window.dictionaryPage());
        QTest::mouseClick(page.m2, Qt::LeftButton);
        QTest::mouseClick(page.Find, Qt::LeftButton);
        QTest::keyClick(page.Find, 'a');
        QTest::keyClick(page.Find, Qt::Key_Return);
        QCoreApplication::processEvents();
        QVERIFY(page.SAL->model()->rowCount() > 1000);
        QCOMPARE(termora::testing::columnsInView(*page.SAL), 4);
        QVERIFY(rowPitch(*page.SAL) >= page.SAL->fontMetrics().height());  // the keys' lines never overlap

        window.setFixedSize(1000, 860);  // as a window manager would size it
        QCoreApplication::processEvents();
        QVERIFY(page.SAL->width() > 700);
        QCOMPARE(termora::testing::columnsInView(*page.SAL), 4);
        QVERIFY(rowPitch(*page.SAL) >= page.SAL->fontMetrics().height());  // the keys' lines never overlap

        QTest::mouseClick(page.K->findChild<QLineEdit*>(), Qt::LeftButton);
        for (int step = 0; step < 4; ++step) QTest::keyClick(page.K, Qt::Key_Down);
        QCoreApplication::processEvents();
        QCOMPARE(termora::testing::columnsInView(*page.SAL), 1);
        QVERIFY(!page.SAL->horizontalScrollBar()->isVisible());
    }

    void pagesAreFilledOnTheirFirstShowing() {
        TSAFrm window;
        window.show();
        const FrameControls ui(window);
        auto* currencies = window.findChild<QTableView*>("nxCurc");
        QCOMPARE(currencies->model()->rowCount(), 0);
        QTest::mouseClick(ui.SpeedButton4, Qt::LeftButton);
        QCOMPARE(currencies->model()->rowCount(), 164);
        QTest::mouseClick(ui.SpeedButton3, Qt::LeftButton);
        QTest::mouseClick(ui.SpeedButton4, Qt::LeftButton);
        QCOMPARE(currencies->model()->rowCount(), 164);

        QTest::mouseClick(ui.SpeedButton5, Qt::LeftButton);
        const QAbstractItemModel* extensions = window.findChild<QTableView*>("FileExt")->model();
        QVERIFY(extensions->rowCount() <= 1);
        QCOMPARE(extensions->index(0, 0).data().toString(), QString());
        QCOMPARE(window.findChild<QLabel*>("lbltot")->text(), QString("[ 0 ]"));
    }

    void contributorListComesFromTheSupportPage() {
        TSAFrm window;
        window.show();
        const FrameControls ui(window);
        QTest::mouseClick(ui.SpeedButton6, Qt::LeftButton);
        QTest::mouseClick(window.findChild<QPushButton*>("sBitBtn1"), Qt::LeftButton);
        QCOMPARE(ui.PageControl1->currentWidget(), ui.shtContrib);
        QVERIFY(ui.SpeedButton6->isChecked());
    }

    void labelsOfOtherPagesPutTheFullListingCodeIntoTheSearchBox() {
        TSAFrm window;
        window.show();
        const FrameControls ui(window);
        QTest::mouseClick(ui.SpeedButton3, Qt::LeftButton);
        QTest::mouseClick(window.findChild<QLabel*>("Label6"), Qt::LeftButton);
        QCOMPARE(termora::testing::DictionaryControls(window.dictionaryPage()).Find->text(), QString("27041995"));
        QCOMPARE(ui.PageControl1->currentWidget(), ui.CountrySht);
    }

    void furtherWindowsShareTheDictionaryAndOutliveNothing() {
        auto* first = new TSAFrm;
        first->show();
        QTest::mouseDClick(FrameControls(*first).Icon, Qt::LeftButton);
        auto windows = first->findChildren<TSAFrm*>();
        QCOMPARE(windows.size(), 1);
        TSAFrm* further = windows.first();
        QVERIFY(further->isVisible());

        // Both search the one store; closing the further window frees nothing the first uses.
        further->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        auto& page = first->dictionaryPage();
        page.setSearchText("ram");
        page.CariClick();
        QCoreApplication::processEvents();
        QVERIFY(page.resultList().rowCount() > 0);
        QCOMPARE(termora::AcronymStore::builtIn().keyIndex(0).size(), termora::AcronymStore::builtIn().table(0).size());
        delete first;
    }

    void versionLabelOpensTheProgramFolder() {
        termora::testing::LinkRecorder links;
        TSAFrm window;
        QTest::mouseDClick(FrameControls(window).lu, Qt::LeftButton);
        QCOMPARE(links.opened, QStringList{termora::paths::programDir()});
        QTest::mouseClick(FrameControls(window).btnHome, Qt::LeftButton);
        QCOMPARE(links.opened.size(), 2);
        QVERIFY(links.opened[1].startsWith("https://"));
    }

    void statusBarRefreshes() {
        TSAFrm window;
        const FrameControls ui(window);
        QCOMPARE(ui.SBPanel2->text(), QString("System Uptime : -"));
        window.Timer1Timer();
        QVERIFY(ui.SBPanel0->text().startsWith("Memory Usage : "));
        QVERIFY(ui.SBPanel1->text().startsWith("Power : "));
        QVERIFY(ui.SBPanel2->text().contains(" Day(s) "));
    }

    void errorsReachTheErrorReport() {
        termora::testing::DialogScript dialogs;
        FailingHandler handler;
        QEvent event(QEvent::User);
        QCoreApplication::sendEvent(&handler, &event);
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].text, QString("Cannot open file \"x\". No such file or directory"));
        QCOMPARE(dialogs.messages[0].kind, termora::Dialogs::Kind::Error);
    }
};

int main(int argc, char** argv) {
    termora::TermoraApplication app(argc, argv);
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "MainWindowTest.moc"
