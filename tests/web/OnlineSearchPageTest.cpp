// The online acronym search page: site buttons, the term field, the browser
// list and its file.

#include "common/Controls.h"
#include "common/HangGuard.h"
#include "common/RecordingLinkOpener.h"
#include "common/RecordingProcessStarter.h"
#include "common/ScriptedDialogs.h"
#include "common/TestFiles.h"
#include "web/AcronymSites.h"
#include "web/OnlineSearchPage.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace termora;
using namespace termora::testing;

namespace {

QStringList items(const QComboBox& box) {
    QStringList texts;
    for (int i = 0; i < box.count(); ++i) texts.append(box.itemText(i));
    return texts;
}

// The page's controls the tests use, found by their object names.
struct OnlineSearchControls {
    explicit OnlineSearchControls(const QObject& window) : page(window) {}

    const QObject& page;
    QLineEdit* txtAcr = child<QLineEdit>(page, "txtAcr");
    QLabel* Label10 = child<QLabel>(page, "Label10");
    QPushButton* acrAbbreviations = child<QPushButton>(page, "acrAbbreviations");
    QPushButton* acrAcronymattic = child<QPushButton>(page, "acrAcronymattic");
    QPushButton* Button9 = child<QPushButton>(page, "Button9");
    QCheckBox* DefBrowse = child<QCheckBox>(page, "DefBrowse");
    QComboBox* cmbBList = child<QComboBox>(page, "cmbBList");
    QPushButton* btnDot = child<QPushButton>(page, "btnDot");
    QPushButton* btnAdd3 = child<QPushButton>(page, "btnAdd3");
    QPushButton* btnRemove3 = child<QPushButton>(page, "btnRemove3");
    QPushButton* GFTC = child<QPushButton>(page, "GFTC");
};

}  // namespace

class OnlineSearchPageTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_file = m_dir->filePath("config/Browser.dat");
        m_starting = m_dir->filePath("program/Browser.dat");
        m_page = std::make_unique<OnlineSearchPage>(nullptr, m_file, m_starting);
    }
    void cleanup() { m_page.reset(); }

    void siteButtonsOpenTheirSiteWithTheDefaultBrowser_data() {
        QTest::addColumn<QString>("button");
        for (const web::AcronymSite& site : web::kAcronymSites) QTest::newRow(site.button) << QString(site.button);
    }
    void siteButtonsOpenTheirSiteWithTheDefaultBrowser() {
        QFETCH(QString, button);
        LinkRecorder links;
        ProcessRecorder processes;
        controls().txtAcr->setText("R+D lab");
        m_page->findChild<QPushButton*>(button)->click();
        QCOMPARE(links.opened, QStringList{web::siteSearchAddress(*web::findAcronymSite(button), "R+D lab")});
        QVERIFY(processes.started.isEmpty());
    }

    void anEmptyTermOpensNothing() {
        LinkRecorder links;
        controls().acrAbbreviations->click();
        QVERIFY(links.opened.isEmpty());
    }

    void aBrowserOfTheListGetsTheAddressAfterItsEntry() {
        LinkRecorder links;
        ProcessRecorder processes;
        controls().DefBrowse->setChecked(false);
        controls().cmbBList->setEditText("\"/opt/My Browser/run\" --private");
        controls().txtAcr->setText("R+D lab");
        controls().acrAcronymattic->click();
        QCOMPARE(processes.started,
                 (QList<QStringList>{{"/opt/My Browser/run", "--private", "http://www.acronymattic.com/R%2BD+lab.html"}}));
        QCOMPARE(processes.waited, QList<bool>{false});
        QVERIFY(links.opened.isEmpty());
    }

    // Whatever a pasted term holds (tabs, line breaks, quotes), the address
    // reaches the browser as one argument, after the entry's own words.
    void theAddressIsOneArgumentWhateverTheTermHolds_data() {
        QTest::addColumn<QString>("term");
        QTest::addColumn<QString>("address");
        QTest::newRow("tab and an option") << "ram\t--renderer-cmd-prefix=touch /tmp/x"
                                           << "http://www.abbreviations.com/ram\t--renderer-cmd-prefix=touch%20/tmp/x";
        QTest::newRow("line break") << "ram\n--incognito" << "http://www.abbreviations.com/ram\n--incognito";
        QTest::newRow("quote") << "ab c+d\"e" << "http://www.abbreviations.com/ab%20c+d\"e";
        QTest::newRow("percent sign") << "5% 2B" << "http://www.abbreviations.com/5%%202B";
    }
    void theAddressIsOneArgumentWhateverTheTermHolds() {
        QFETCH(QString, term);
        QFETCH(QString, address);
        ProcessRecorder processes;
        enableList();
        controls().cmbBList->setEditText("firefox --new-window");
        QGuiApplication::clipboard()->setText(term);
        controls().txtAcr->setFocus();
        QTest::keyClick(controls().txtAcr, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(controls().txtAcr->text(), term);
        QTest::mouseClick(controls().acrAbbreviations, Qt::LeftButton);
        QCOMPARE(processes.started, (QList<QStringList>{{"firefox", "--new-window", address}}));
    }

    void aBrowserThatCannotStartIsReported() {
        // The real starter, with a program that does not exist: nothing runs.
        controls().DefBrowse->setChecked(false);
        controls().cmbBList->setEditText("/nonexistent/termora-browser");
        controls().txtAcr->setText("ram");
        // Called directly: Qt's widget code is built without exceptions, so the
        // error must not unwind through a click.
        QCOMPARE(userErrorOf([&] { m_page->MSSearch(controls().Button9); }),
                 QString("System Error.  Code: 2.\r\nNo such file or directory"));
        QCOMPARE(controls().txtAcr->text(), QString("ram"));
    }

    void escapeEmptiesTheTermField() {
        controls().txtAcr->setText("ram");
        QTest::keyClick(controls().txtAcr, Qt::Key_Escape);
        QCOMPARE(controls().txtAcr->text(), QString());
        QTest::keyClicks(controls().txtAcr, "ab");
        QCOMPARE(controls().txtAcr->text(), QString("ab"));
    }

    void theLabelAsksForTheFullListing() {
        QSignalSpy asked(m_page.get(), &OnlineSearchPage::fullListingCodeRequested);
        QTest::mouseClick(controls().Label10, Qt::RightButton);
        QCOMPARE(asked.count(), 0);
        QTest::mouseClick(controls().Label10, Qt::LeftButton);
        QCOMPARE(asked.count(), 1);
    }

    void defaultBrowserSwitchGreysTheList() {
        const QList<QWidget*> listControls{controls().cmbBList, controls().btnDot, controls().btnAdd3, controls().btnRemove3, controls().GFTC};
        QVERIFY(controls().DefBrowse->isChecked());
        for (QWidget* control : listControls) QVERIFY(!control->isEnabled());
        controls().DefBrowse->click();
        for (QWidget* control : listControls) QVERIFY(control->isEnabled());
        controls().DefBrowse->click();
        for (QWidget* control : listControls) QVERIFY(!control->isEnabled());
    }

    void loadBrowserList_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("shown");
        QTest::newRow("sorted, first selected") << QByteArray("zeta\r\nAlpha\r\nbeta") << QStringList{"Alpha", "beta", "zeta"}
                                                << "Alpha";
        QTest::newRow("empty line kept") << QByteArray("b\n\na\n") << QStringList{"", "a", "b"} << "";
        QTest::newRow("empty file") << QByteArray() << QStringList{} << "";
    }
    void loadBrowserList() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, entries);
        QFETCH(QString, shown);
        QVERIFY(writeFile(m_file, bytes));
        m_page->loadBrowserList();
        QCOMPARE(items(*controls().cmbBList), entries);
        QCOMPARE(controls().cmbBList->currentIndex(), entries.isEmpty() ? -1 : 0);
        QCOMPARE(controls().cmbBList->currentText(), shown);
    }

    void theListIsTheUsersOwn() {
        qputenv("XDG_CONFIG_HOME", m_dir->filePath("user config").toLocal8Bit());
        const QString own = m_dir->filePath("user config/Velmont/Browser.dat");
        QCOMPARE(OnlineSearchPage::defaultBrowserFile(), own);
        QCOMPARE(OnlineSearchPage::startingBrowserFile(), QCoreApplication::applicationDirPath() + "/Browser.dat");
        m_page = std::make_unique<OnlineSearchPage>();
        m_page->loadBrowserList();
        enableList();
        add("/usr/bin/firefox");
        QCOMPARE(readFile(own), QByteArray("/usr/bin/firefox\r\n"));
        QVERIFY(!QFile::exists(OnlineSearchPage::startingBrowserFile()));
    }

    void aListBesideTheProgramIsTheStartingList() {
        QVERIFY(writeFile(m_starting, "/opt/portable/browser\r\n"));
        m_page->loadBrowserList();
        QCOMPARE(items(*controls().cmbBList), QStringList{"/opt/portable/browser"});
        enableList();
        add("/usr/bin/firefox");
        QCOMPARE(readFile(m_file), QByteArray("/opt/portable/browser\r\n/usr/bin/firefox\r\n"));
        QCOMPARE(readFile(m_starting), QByteArray("/opt/portable/browser\r\n"));

        // Once the user has a list of their own, it is the one read.
        QVERIFY(writeFile(m_file, "own\r\n"));
        m_page->loadBrowserList();
        QCOMPARE(items(*controls().cmbBList), QStringList{"own"});
    }

    void loadingWithoutTheFileLeavesTheListEmpty() {
        m_page->loadBrowserList();
        QCOMPARE(controls().cmbBList->count(), 0);
        QCOMPARE(controls().cmbBList->currentIndex(), -1);
    }

    // Nothing that can sit under the name holds the window: a fifo, a device,
    // a list of megabytes are refused with a message.
    void aFileThatCannotBeReadIsReported_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder") << "folder" << "Is a directory";
        QTest::newRow("fifo") << "fifo" << "Not a regular file";
        QTest::newRow("link to an endless device") << "endless device" << "Not a regular file";
        QTest::newRow("megabytes of entries") << "long" << "File too large";
    }
    void aFileThatCannotBeReadIsReported() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        const HangGuard guard;
        if (kind == "long") QVERIFY(writeFile(m_file, QByteArray(100'000, 'x').append("\r\n").repeated(20)));
        else QVERIFY(putInPlaceOfFile(m_file, kind));
        QCOMPARE(userErrorOf([&] { m_page->loadBrowserList(); }), "Cannot open file \"" + m_file + "\". " + reason);
        QCOMPARE(controls().cmbBList->count(), 0);
    }

    void addSortsInAndRewritesTheFile() {
        DialogScript dialogs;
        enableList();
        for (const char* entry : {"zeta", "Alpha", "beta"}) add(entry);
        QCOMPARE(items(*controls().cmbBList), (QStringList{"Alpha", "beta", "zeta"}));
        QCOMPARE(readFile(m_file), QByteArray("Alpha\r\nbeta\r\nzeta\r\n"));
        QCOMPARE(controls().cmbBList->currentText(), QString("beta"));
        QVERIFY(dialogs.messages.isEmpty());
    }

    void addReportsADuplicateIgnoringCase() {
        DialogScript dialogs;
        enableList();
        add("/usr/bin/Firefox");
        add("/USR/BIN/FIREFOX");
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].text, QString("\"/USR/BIN/FIREFOX\" is already exists !"));
        QCOMPARE(dialogs.messages[0].kind, Dialogs::Kind::Information);
        QCOMPARE(items(*controls().cmbBList), QStringList{"/usr/bin/Firefox"});
        QCOMPARE(readFile(m_file), QByteArray("/usr/bin/Firefox\r\n"));
    }

    void addOfAnEmptyTextAddsAnEmptyEntry() {
        enableList();
        add("b");
        add("");
        QCOMPARE(items(*controls().cmbBList), (QStringList{"", "b"}));
        QCOMPARE(readFile(m_file), QByteArray("\r\nb\r\n"));
    }

    void removeDeletesTheSelectedEntry() {
        QVERIFY(writeFile(m_file, "a\r\nb\r\nc\r\n"));
        m_page->loadBrowserList();
        enableList();
        controls().cmbBList->setCurrentIndex(1);
        controls().btnRemove3->click();
        QCOMPARE(items(*controls().cmbBList), (QStringList{"a", "c"}));
        QCOMPARE(readFile(m_file), QByteArray("a\r\nc\r\n"));
    }

    void removeWithoutASelectionRewritesTheFileUnchanged() {
        QVERIFY(writeFile(m_file, "a\r\nb\r\n"));
        m_page->loadBrowserList();
        enableList();
        controls().cmbBList->setEditText("typed, not an entry");
        QVERIFY(QFile::remove(m_file));
        controls().btnRemove3->click();
        QCOMPARE(items(*controls().cmbBList), (QStringList{"a", "b"}));
        QCOMPARE(readFile(m_file), QByteArray("a\r\nb\r\n"));
    }

    void anUnwritableConfigurationFolderIsReportedAndTheChangeKept() {
        QVERIFY(writeFile(m_dir->filePath("blocked"), "a file where the folder belongs"));
        const QString file = m_dir->filePath("blocked/Browser.dat");
        m_page = std::make_unique<OnlineSearchPage>(nullptr, file, m_starting);
        enableList();
        controls().cmbBList->setEditText("/usr/bin/firefox");
        QCOMPARE(userErrorOf([&] { m_page->btnAdd3Click(); }), "Cannot create file \"" + file + "\". Not a directory");
        QCOMPARE(items(*controls().cmbBList), QStringList{"/usr/bin/firefox"});
    }

    // A program in a folder with a blank is quoted, so that it still starts
    // and the entry saved by "Add" reads back as the same program.
    void aChosenProgramWithBlanksOrQuotesIsQuoted_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("text");
        QTest::newRow("blank") << "/opt/My Browser/run" << "\"/opt/My Browser/run\"";
        QTest::newRow("blank and quote") << "/opt/My \"Best\" Browser/run" << "\"/opt/My \"\"\"Best\"\"\" Browser/run\"";
    }
    void aChosenProgramWithBlanksOrQuotesIsQuoted() {
        QFETCH(QString, program);
        QFETCH(QString, text);
        DialogScript dialogs;
        ProcessRecorder processes;
        enableList();
        dialogs.fileAnswers.enqueue(program);
        QTest::mouseClick(controls().btnDot, Qt::LeftButton);
        QCOMPARE(controls().cmbBList->currentText(), text);
        QTest::mouseClick(controls().btnAdd3, Qt::LeftButton);
        QCOMPARE(readFile(m_file), text.toUtf8() + "\r\n");

        m_page = std::make_unique<OnlineSearchPage>(nullptr, m_file, m_starting);
        m_page->loadBrowserList();
        enableList();
        controls().txtAcr->setText("ram");
        QTest::mouseClick(controls().acrAbbreviations, Qt::LeftButton);
        QCOMPARE(processes.started, (QList<QStringList>{{program, "http://www.abbreviations.com/ram"}}));
    }

    void browsePutsTheChosenProgramIntoTheText() {
        DialogScript dialogs;
        enableList();
        dialogs.fileAnswers.enqueue("/opt/browser/run");
        controls().btnDot->click();
        QCOMPARE(controls().cmbBList->currentText(), QString("/opt/browser/run"));
        QCOMPARE(controls().cmbBList->count(), 0);
        controls().btnDot->click();  // cancelled: the text stays
        QCOMPARE(controls().cmbBList->currentText(), QString("/opt/browser/run"));
    }

    void getFromThisComputerAddsEveryInstalledBrowserOnce() {
        QTemporaryDir data;
        qputenv("XDG_DATA_HOME", data.filePath("home").toLocal8Bit());
        qputenv("XDG_DATA_DIRS", data.filePath("system").toLocal8Bit());
        const QByteArray browser = "[Desktop Entry]\nType=Application\nCategories=Network;WebBrowser;\nExec=";
        QVERIFY(writeFile(data.filePath("home/applications/a-first.desktop"), browser + "\"/opt/My Browser/run\" --private %U\n"));
        QVERIFY(writeFile(data.filePath("system/applications/firefox.desktop"), browser + "firefox %u\n"));
        QVERIFY(writeFile(data.filePath("system/applications/empty.desktop"), browser + "\n"));
        QVERIFY(writeFile(m_file, "FIREFOX\r\n"));
        m_page->loadBrowserList();
        enableList();

        controls().GFTC->click();
        const QStringList expected{"\"/opt/My Browser/run\" --private", "FIREFOX"};
        QCOMPARE(items(*controls().cmbBList), expected);
        QCOMPARE(readFile(m_file), QByteArray("\"/opt/My Browser/run\" --private\r\nFIREFOX\r\n"));
        QCOMPARE(controls().cmbBList->currentText(), QString("FIREFOX"));

        controls().GFTC->click();
        QCOMPARE(items(*controls().cmbBList), expected);
    }

private:
    OnlineSearchControls controls() const { return OnlineSearchControls(*m_page); }
    void enableList() { controls().DefBrowse->setChecked(false); }
    void add(const QString& text) {
        controls().cmbBList->setEditText(text);
        controls().btnAdd3->click();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_file;       // the user's list
    QString m_starting;   // the list beside the program
    std::unique_ptr<OnlineSearchPage> m_page;
};

QTEST_MAIN(OnlineSearchPageTest)
#include "OnlineSearchPageTest.moc"
