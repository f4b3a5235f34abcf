// The donation and About windows on real widgets, answered through the
// dialog interface so that no modal waits.

#include "base/TermoraConstants.h"
#include "common/OnScreen.h"
#include "common/RecordingLinkOpener.h"
#include "common/ScriptedDialogs.h"
#include "common/SupportTestHelpers.h"
#include "platform/Registry.h"
#include "support/DonationSwitch.h"
#include "support/SupportLinks.h"
#include "support/SupportWindows.h"
#include "support/TfrmAbout.h"
#include "support/TfrmDonate.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

using namespace termora;
using namespace termora::testing;

namespace {

const QString kSupportKey = "Software\\Velmont\\Support";

QString storedSwitch() { return registry::ReadUserRegString(kSupportKey, "16"); }

}  // namespace

class SupportWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { storeSwitch(QVariant()); }

    void showSwitchAndItsWriteBack_data() {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<bool>("checked");
        QTest::newRow("1") << QVariant("1") << true;
        QTest::newRow("0") << QVariant("0") << false;
        QTest::newRow("empty") << QVariant("") << true;
        QTest::newRow("missing") << QVariant() << true;
        QTest::newRow("other text") << QVariant("yes") << false;
        QTest::newRow("not a string") << QVariant(QStringList{"a", "b"}) << true;
    }
    void showSwitchAndItsWriteBack() {
        QFETCH(QVariant, stored);
        QFETCH(bool, checked);
        storeSwitch(stored);
        DialogScript script;
        bool shownChecked = !checked;
        script.onModal = [&](QDialog& window) {
            window.show();
            shownChecked = child<QCheckBox>(window, "chkShow")->isChecked();
            window.close();  // the close box
            return int(QDialog::Rejected);
        };
        support::openDonationWindow(nullptr);
        QCOMPARE(script.modalClasses, QStringList{"termora::TfrmDonate"});
        QCOMPARE(shownChecked, checked);
        QCOMPARE(storedSwitch(), checked ? QString("1") : QString("0"));
    }

    void uncheckingTurnsTheStartUpWindowOff() {
        DialogScript script;
        script.onModal = [](QDialog& window) {
            window.show();
            child<QCheckBox>(window, "chkShow")->setChecked(false);
            QTest::mouseClick(child<QPushButton>(window, "Button1"), Qt::LeftButton);
            return window.result();
        };
        support::openDonationWindow(nullptr);
        QCOMPARE(storedSwitch(), QString("0"));
        QVERIFY(!support::donationWindowWanted());
    }

    void productNameWithAnAmpersand() {
        TfrmDonate window;
        window.setHelpKeyword("A&B");
        window.setTag(16);
        window.show();
        QCOMPARE(window.windowTitle(), QString("Support \"A&B\""));
        QCOMPARE(child<QCheckBox>(window, "chkShow")->text(), QString("Show this dialog when \"A&&B\" starts"));
        QCOMPARE(child<QLabel>(window, "Label11")->text(), QString("Support \"A&B\""));
        window.reject();
    }

    void tagZeroWritesNothing() {
        TfrmDonate window;
        window.setTag(0);
        window.show();
        window.reject();
        QCOMPARE(storedSwitch(), QString());
    }

    void donationWindowLinksAndBitcoinBox() {
        LinkRecorder links;
        DialogScript script;
        TfrmDonate window;
        window.setTag(16);
        QTest::mouseClick(child<QPushButton>(window, "Button2"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(window, "FB28"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(window, "Image2"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(window, "Image3"), Qt::LeftButton);
        QTest::mouseClick(child<QLabel>(window, "Label3"), Qt::LeftButton);
        QCOMPARE(links.opened, (QStringList{constants::kDonatePage, constants::kFanPage, support::facebookShareAddress(),
                                            support::twitterShareAddress(), support::kWalletSignUp}));
        QTest::mouseClick(child<QPushButton>(window, "Image4"), Qt::LeftButton);
        QCOMPARE(script.inputs.size(), 1);
        QCOMPARE(script.inputs[0].caption, QString("Support Us"));
        QCOMPARE(script.inputs[0].prompt, QString("If you want to Support Our Software Development, you can Send a "
                                                  "Donation to Our BitCoin Address\r\rThanks!"));
        QCOMPARE(script.inputs[0].defaultText, QString(constants::kBitcoinAddress));
    }

    void aboutWindow() {
        LinkRecorder links;
        DialogScript script;
        QStringList tabsShown;
        QStringList pagesReached;
        bool drawnAsBefore = true;
        QString version;
        script.onModal = [&](QDialog& window) {
            window.show();
            window.activateWindow();
            [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&window);
            auto* tabs = child<QTabWidget>(window, "PageControl1");
            for (int i = 0; i < tabs->count(); ++i) {
                if (tabs->isTabVisible(i)) tabsShown << tabs->tabText(i);
            }
            // The hidden tab cannot be reached: not with Ctrl+Tab, not with
            // the wheel over the tab strip, and nothing of it is drawn.
            const QImage before = onScreen(window);
            const auto look = [&] {
                pagesReached << tabs->currentWidget()->objectName();
                drawnAsBefore = drawnAsBefore && onScreen(window) == before;
                tabs->setCurrentWidget(child<QWidget>(window, "tsAbout"));
            };
            QTest::keyClick(tabs, Qt::Key_Tab, Qt::ControlModifier);
            look();
            for (const int turn : {-120, 120}) {
                const QPointF place = tabs->tabBar()->rect().center();
                QWheelEvent wheel(place, tabs->tabBar()->mapToGlobal(place), QPoint(), QPoint(0, turn), Qt::NoButton,
                                  Qt::NoModifier, Qt::NoScrollPhase, false);
                QCoreApplication::sendEvent(tabs->tabBar(), &wheel);
                look();
            }
            version = child<QLabel>(window, "lblVersion")->text();
            for (const char* name : {"Label5", "Label6", "Label7"}) {
                QTest::mouseClick(child<QLabel>(window, name), Qt::LeftButton);
            }
            QTest::mouseClick(child<QPushButton>(window, "imgTwitter"), Qt::LeftButton);
            QTest::mouseClick(child<QPushButton>(window, "Image2"), Qt::LeftButton);
            return int(QDialog::Accepted);
        };
        support::openAboutWindow(nullptr);
        QCOMPARE(script.modalClasses, QStringList{"termora::TfrmAbout"});
        QCOMPARE(tabsShown, QStringList{"About Us"});
        QCOMPARE(pagesReached, (QStringList{"tsAbout", "tsAbout", "tsAbout"}));
        QVERIFY(drawnAsBefore);
        QCOMPARE(version, QString("Version ") + constants::kVersion);
        QCOMPARE(links.opened, (QStringList{constants::kHomePage, constants::kFanPage, constants::kForum,
                                            support::twitterShareAddress()}));
        QCOMPARE(script.inputs.size(), 1);
        QCOMPARE(script.inputs[0].prompt, QString("If you want to support our Software Development, you can send a "
                                                  "Donation to Our BitCoin Address\r\rThanks!"));
    }
};

QTEST_MAIN(SupportWindowsTest)
#include "SupportWindowsTest.moc"
