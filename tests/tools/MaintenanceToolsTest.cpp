// The maintainers' tools: full-listing code, record export, add-entry dialogs.

#include "common/Controls.h"
#include "common/DictionaryControls.h"
#include "common/DictionaryInput.h"
#include "common/FixtureStore.h"
#include "common/HangGuard.h"
#include "common/ScriptedDialogs.h"
#include "common/TestFiles.h"
#include "platform/TextFile.h"
#include "platform/UserDataFolder.h"
#include "platform/UserError.h"
#include "store/AcronymStore.h"
#include "tools/MaintenanceTools.h"
#include "tools/RecordExport.h"
#include "views/DictionaryPage.h"
#include "views/DictionarySource.h"
#include "views/ResultGridModel.h"
#include "views/ResultListModel.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using termora::DictionaryPage;
using termora::DictionarySource;
using termora::MaintenanceTools;
using termora::testing::DictionaryControls;
using termora::testing::rightClick;

class MaintenanceToolsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_home;
    termora::DictionarySource m_source{termora::fixture::store()};
    std::unique_ptr<DictionaryPage> m_page;
    MaintenanceTools* m_tools = nullptr;

    QString newTxt() const { return termora::tools::newEntriesPath(); }

private slots:
    void initTestCase() {
        QVERIFY(m_home.isValid());
        qputenv("HOME", m_home.path().toLocal8Bit());
    }
    void init() {
        m_page = std::make_unique<DictionaryPage>(m_source);
        m_tools = new MaintenanceTools(*m_page, m_source);
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
        QFile::remove(newTxt());
        QDir(newTxt()).removeRecursively();
        QFile::remove(termora::tools::exportPath());
    }
    void cleanup() {
        m_page.reset();
        QFile::remove(newTxt());
        QDir(newTxt()).removeRecursively();
    }

    void fullListingCodeGoesIntoTheSearchBoxOnce() {
        const DictionaryControls ui(*m_page);
        ui.Auto->setChecked(true);
        QTest::mouseClick(ui.Label1, Qt::LeftButton);
        QCOMPARE(ui.Find->text(), QString("27041995"));
        QCOMPARE(m_page->pendingSearches(), 1);
        m_tools->Label1Click();  // the code is already there: no second search
        QCOMPARE(m_page->pendingSearches(), 1);
        QCoreApplication::processEvents();
        QCOMPARE(m_page->resultList().rowCount(), termora::fixture::store().recordCount());
        QCOMPARE(m_page->resultGrid().rowCount(), termora::fixture::store().recordCount());

        ui.Auto->setChecked(false);
        ui.Find->clear();
        m_tools->Label1Click();
        QCOMPARE(m_page->pendingSearches(), 0);  // without Auto Search only the text changes
    }

    void fullListingOverTheRealDictionary() {
        const termora::DictionarySource builtIn(termora::AcronymStore::builtIn());
        DictionaryPage page(builtIn);
        const DictionaryControls ui(page);
        const int all = termora::AcronymStore::builtIn().recordCount();
        ui.Find->setText("27041995");
        page.DoSearch();
        QCOMPARE(page.resultList().rowCount(), all);
        QCOMPARE(page.resultGrid().rowCount(), all);
        QCOMPARE(ui.NI->text(), QString("[ 1 / %1 ]").arg(all));
        ui.Find->setText("27041995 ");
        page.DoSearch();
        QVERIFY(page.resultList().rowCount() < all);
    }

    void counterRightClickTogglesTheExportButton() {
        const DictionaryControls ui(*m_page);
        QVERIFY(ui.Button3->isHidden());
        rightClick(*ui.NI);
        QVERIFY(!ui.Button3->isHidden());
        rightClick(*ui.NI);
        QVERIFY(ui.Button3->isHidden());
        QVERIFY(ui.Kar->isHidden());
        QCOMPARE(ui.Kar->currentText(), QString("A"));
    }

    void exportWritesTableAByteForByte() {
        m_tools->Button3Click();
        const QByteArray written = termora::testing::readFile(m_home.filePath("SA.txt"));
        const auto lines = termora::textfile::splitLines(written);
        QCOMPARE(lines.size(), qsizetype(termora::fixture::store().table(0).size()));
        QVERIFY(written.startsWith("(S:'AbL [1]';L:'Arbeitsgemeinschaft B\xe4uerliche Landwirtschaft eV (Germany)'),\r\n"));
        QVERIFY(written.endsWith("'),\r\n"));
        QVERIFY(!written.contains("3DES"));  // never the table of other initials
        QCOMPARE(DictionaryControls(*m_page).EL->count(), lines.size());
    }

    // Whatever sits under the export's name, the export neither waits nor
    // writes through it: a message names the file.
    void exportFailureReportsTheFileAndKeepsTheLines_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder") << "folder" << "Is a directory";
        QTest::newRow("fifo") << "fifo" << "Not a regular file";
        QTest::newRow("link to a device") << "null device" << "Not a regular file";
    }
    void exportFailureReportsTheFileAndKeepsTheLines() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        const termora::testing::HangGuard guard;
        const QString path = m_home.filePath("SA.txt");
        QVERIFY(termora::testing::putInPlaceOfFile(path, kind));
        QCOMPARE(termora::testing::userErrorOf([&] { m_tools->Button3Click(); }),
                 "Cannot create file \"" + path + "\". " + reason);
        QCOMPARE(DictionaryControls(*m_page).EL->count(), qsizetype(termora::fixture::store().table(0).size()));
        termora::testing::removeInPlaceOfFile(path);
    }

    void addEntryAppendsRecordLines_data() {
        QTest::addColumn<QStringList>("answers");  // key, expansion; a missing answer is Cancel
        QTest::addColumn<QByteArray>("before");    // "<missing>" for no file
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("first entry creates the file")
            << QStringList{"XER", "XML Encoding Rules"} << QByteArray("<missing>")
            << QByteArray("(S:'XER';L:'XML Encoding Rules'),\r\n");
        QTest::newRow("second entry is appended")
            << QStringList{"RAM", "Random Access Memory"} << QByteArray("(S:'XER';L:'XML Encoding Rules'),\r\n")
            << QByteArray("(S:'XER';L:'XML Encoding Rules'),\r\n(S:'RAM';L:'Random Access Memory'),\r\n");
        QTest::newRow("apostrophes stay single") << QStringList{"I'M", "It's Me"} << QByteArray("<missing>")
                                                 << QByteArray("(S:'I'M';L:'It's Me'),\r\n");
        QTest::newRow("cancel still rewrites with CR LF")
            << QStringList{} << QByteArray("a\nb") << QByteArray("a\r\nb\r\n");
        QTest::newRow("cancel creates an empty file") << QStringList{} << QByteArray("<missing>") << QByteArray();
        QTest::newRow("empty key adds nothing") << QStringList{"", "x"} << QByteArray("<missing>") << QByteArray();
    }
    void addEntryAppendsRecordLines() {
        QFETCH(QStringList, answers);
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        if (before != "<missing>") QVERIFY(termora::testing::writeFile(newTxt(), before));
        termora::testing::DialogScript dialogs;
        for (const QString& answer : answers) dialogs.inputAnswers.enqueue(answer);
        rightClick(*DictionaryControls(*m_page).Label3);
        QCOMPARE(dialogs.inputs.size(), 2);  // the second box comes even after a cancel
        QCOMPARE(dialogs.inputs[0].caption, QString("Tambah Data"));
        QCOMPARE(dialogs.inputs[0].prompt, QString("Singkatan"));
        QCOMPARE(dialogs.inputs[1].prompt, QString("Kepanjangan"));
        QCOMPARE(termora::testing::readFile(newTxt()), after);
    }

    // An entry typed into the dialogs is found by the next search, in this
    // page and in any other over the same dictionary; one the dictionary
    // cannot take is kept in the file and named with its line.
    void anAddedEntryIsFoundByTheNextSearch() {
        DictionarySource source(termora::fixture::store(), termora::paths::userDataFolder());
        DictionaryPage page(source);
        MaintenanceTools tools(page, source);
        DictionaryPage otherWindowsPage(source);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        const DictionaryControls ui(page);
        termora::testing::typeSearch(ui, "zzq");
        QCOMPARE(termora::testing::listedKeys(ui), QStringList{});

        termora::testing::DialogScript dialogs;
        dialogs.inputAnswers << "ZZQ" << "Zed's Queue" << "ram" << "Rapid Access Mine" << "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
                             << "Alphabet";
        for (int entry = 0; entry < 3; ++entry) rightClick(*ui.Label3);
        termora::testing::typeSearch(ui, "zzq");
        QCOMPARE(termora::testing::listedKeys(ui), QStringList{"ZZQ"});
        QCOMPARE(ui.Kep->toPlainText(), QString("Zed's Queue"));
        termora::testing::typeSearch(ui, "ram");
        QCOMPARE(ui.Kep->toPlainText(), QString("<1> Random Access Memory \n<2> Rapid Access Mine"));
        const DictionaryControls other(otherWindowsPage);
        termora::testing::typeSearch(other, "zzq");
        QCOMPARE(termora::testing::listedKeys(other), QStringList{"ZZQ"});

        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].text, "The entry was added to New.txt, but it cannot be looked up:\r" + newTxt() +
                                               ", line 3: key \"ABCDEFGHIJKLMNOPQRSTUVWXYZ\": key has more than 19 "
                                               "characters after stripping");
        QVERIFY(termora::testing::readFile(newTxt()).endsWith("(S:'ABCDEFGHIJKLMNOPQRSTUVWXYZ';L:'Alphabet'),\r\n"));
    }

    void entriesLiveInTheUsersDataFolder() {
        const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
        QTemporaryDir data;
        qputenv("XDG_DATA_HOME", data.filePath("fresh").toLocal8Bit());
        QCOMPARE(newTxt(), data.filePath("fresh/termora/New.txt"));
        termora::testing::DialogScript dialogs;
        dialogs.inputAnswers << "XER" << "XML Encoding Rules";
        rightClick(*DictionaryControls(*m_page).Label3);
        QCOMPARE(termora::testing::readFile(newTxt()), QByteArray("(S:'XER';L:'XML Encoding Rules'),\r\n"));
        QVERIFY(!QFile::exists(QCoreApplication::applicationDirPath() + "/New.txt"));
        qputenv("XDG_DATA_HOME", dataHome);
    }

    void unreadableEntriesFileStopsBeforeAnyDialog_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder") << "folder" << "Is a directory";
        QTest::newRow("fifo") << "fifo" << "Not a regular file";
        QTest::newRow("link to an endless device") << "endless device" << "Not a regular file";
    }
    void unreadableEntriesFileStopsBeforeAnyDialog() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        const termora::testing::HangGuard guard;
        QVERIFY(termora::testing::putInPlaceOfFile(newTxt(), kind));
        termora::testing::DialogScript dialogs;
        QCOMPARE(termora::testing::userErrorOf([&] { m_tools->Label3ContextPopup(); }),
                 "Cannot open file \"" + newTxt() + "\". " + reason);
        QVERIFY(dialogs.inputs.isEmpty());
        termora::testing::removeInPlaceOfFile(newTxt());
    }

    void entryOutsideTheCodePageIsRefusedAndTheFileKept() {
        QVERIFY(termora::testing::writeFile(newTxt(), "(S:'XER';L:'XML Encoding Rules'),\r\n"));
        termora::testing::DialogScript dialogs;
        dialogs.inputAnswers << QString::fromUtf8("\xe6\x97\xa5") << "Japan";
        QVERIFY_THROWS_EXCEPTION(termora::UserError, m_tools->Label3ContextPopup());
        QCOMPARE(termora::testing::readFile(newTxt()), QByteArray("(S:'XER';L:'XML Encoding Rules'),\r\n"));
    }
};

QTEST_MAIN(MaintenanceToolsTest)
#include "MaintenanceToolsTest.moc"
