// The main window with the user's own files: read once at start, the lines
// that cannot be loaded named in one message, the caption's figures counting
// the user's entries, and an entry added in one window found in every one.

#include "app/TSAFrm.h"
#include "common/Controls.h"
#include "common/DictionaryControls.h"
#include "common/DictionaryInput.h"
#include "common/ScriptedDialogs.h"
#include "common/TestFiles.h"
#include "platform/AppPaths.h"
#include "platform/Registry.h"
#include "store/generated/AcronymCounts.h"
#include "views/DictionaryPage.h"

#include <QLabel>
#include <QtTest>

using termora::TSAFrm;
using termora::testing::DictionaryControls;

namespace {

QString caption(int addedMeanings, int addedKeys) {
    return QString("Termora [%1/%2 Abbreviations]")
        .arg(termora::data::kAcronymMeaningCount + addedMeanings)
        .arg(termora::data::kAcronymKeyCount + addedKeys);
}

}  // namespace

class OwnEntriesWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        termora::registry::WriteUserRegString("Software\\Velmont\\Support", "16", "0");
        const QString folder = termora::paths::userDataDir();
        QVERIFY(termora::testing::writeFile(folder + "New.txt", "(S:'ram';L:'Rapid Access Mine'),\r\nno tab\r\n"));
        QByteArray bad;
        for (int line = 0; line < 30; ++line) bad += "ZZQX\t\n";
        QVERIFY(termora::testing::writeFile(folder + "dictionaries/mine.tsv", "ZZQX\tZed's Queue\n" + bad));
    }

    void startTellsTheUnloadedLinesOnceAndCountsTheUsersEntries() {
        const QString folder = termora::paths::userDataDir();
        const QByteArray before = termora::testing::readFile(folder + "New.txt");
        termora::testing::DialogScript dialogs;
        TSAFrm first;
        first.show();
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].kind, termora::Dialogs::Kind::Warning);
        const QStringList lines = dialogs.messages[0].text.split('\r');
        QCOMPARE(lines.size(), 2 + 15 + 1);  // the heading, a blank line, fifteen lines and the count of the others
        QCOMPARE(lines[2], folder + "New.txt, line 2: neither a record line (S:'KEY';L:'EXPANSION'), nor KEY<TAB>MEANING");
        QCOMPARE(lines[3], folder + "dictionaries/mine.tsv, line 2: key \"ZZQX\" has no meaning");
        QCOMPARE(lines.last(), QString("and 16 more lines that could not be loaded"));
        QCOMPARE(first.windowTitle(), caption(2, 1));  // Rapid Access Mine, Zed's Queue; the key ZZQX
        QCOMPARE(termora::testing::readFile(folder + "New.txt"), before);  // loading writes nothing

        // A further window: no second message.
        QTest::mouseDClick(first.findChild<QLabel*>("Icon"), Qt::LeftButton);
        const auto further = first.findChildren<TSAFrm*>();
        QCOMPARE(further.size(), 1);
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(further.front()->windowTitle(), caption(2, 1));

        const DictionaryControls ui(further.front()->dictionaryPage());
        termora::testing::typeSearch(ui, "zzqx");
        QCOMPARE(ui.Kep->toPlainText(), QString("Zed's Queue"));
        termora::testing::typeSearch(ui, "ram");
        QCOMPARE(ui.Kep->toPlainText().section('\n', -1), QString("<7> Rapid Access Mine"));
    }

    // Tambah Data in one window: every window counts and finds the entry.
    void anEntryAddedInOneWindowIsFoundInEvery() {
        termora::testing::DialogScript dialogs;
        TSAFrm first;
        TSAFrm second;
        dialogs.inputAnswers << "QQZZ" << "Quiz";
        first.show();
        QVERIFY(QTest::qWaitForWindowExposed(&first));
        termora::testing::rightClick(*first.dictionaryPage().findChild<QLabel*>("Label3"));
        QVERIFY(dialogs.messages.isEmpty());
        QCOMPARE(first.windowTitle(), caption(3, 2));
        QCOMPARE(second.windowTitle(), caption(3, 2));
        const DictionaryControls ui(second.dictionaryPage());
        termora::testing::typeSearch(ui, "qqzz");
        QCOMPARE(termora::testing::listedKeys(ui), QStringList{"QQZZ"});
        QCOMPARE(ui.Kep->toPlainText(), QString("Quiz"));
    }
};

QTEST_MAIN(OwnEntriesWindowTest)
#include "OwnEntriesWindowTest.moc"
