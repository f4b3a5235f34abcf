// The window of an installed Termora, driven as a person uses it, for
// check_installed.sh: installed beside the programs (so it finds its files
// as they do) and run as an ordinary user whose own folders it uses. It
// opens More Software and the contributor list, reads the file-extension
// catalogue, checks for updates, adds a browser and a hand-typed entry, and
// finds the entry. The script plants another user's lists in the shared
// temporary folder first and checks the files afterwards; this side checks
// what the window shows.
//
// Only that script runs it: it writes into the user's own configuration.

#include "app/TermoraApplication.h"
#include "app/TSAFrm.h"
#include "common/Controls.h"
#include "common/ScriptedDialogs.h"
#include "platform/ConnectionState.h"
#include "platform/Downloader.h"
#include "support/SupportData.h"
#include "web/TfrmUCheck.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

#include <cstdio>

using namespace termora;
using namespace termora::testing;

namespace {

// What the update server answers; the planted update.ini says 2099.1.
const QByteArray kServedUpdateFile = "[16]\r\nVersion=2016.1\r\nDLink=https://termora.example/get\r\n";

class Online : public ConnectionState {
public:
    bool isConnected() override { return true; }
};

// The update server, without a network: the body the download delivers.
class ServedUpdateFile : public Downloader {
public:
    std::optional<QByteArray> download(const QString&) override { return kServedUpdateFile; }
};

QStringList cellsOf(const QAbstractItemView& view) {
    QStringList cells;
    const QAbstractItemModel& model = *view.model();
    for (int row = 0; row < model.rowCount(); ++row) {
        for (int column = 0; column < model.columnCount(); ++column) cells.append(model.index(row, column).data().toString());
    }
    return cells;
}

}  // namespace

class InstalledWindowCheck : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        ConnectionService::install(&m_online);
        DownloadService::install(&m_served);
        // A new user: the donation window comes first; it is closed.
        m_dialogs.onModal = [this](QDialog& window) { return answer(window); };
        m_window = std::make_unique<TSAFrm>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QCOMPARE(m_dialogs.modalClasses, QStringList{"termora::TfrmDonate"});
    }
    void init() { m_dialogs.messages.clear(); }
    void cleanup() {
        for (const auto& message : m_dialogs.messages) qWarning("message box: %s", qPrintable(message.text));
        QVERIFY(m_dialogs.messages.isEmpty());
    }
    void cleanupTestCase() {
        m_window.reset();
        DownloadService::install(nullptr);
        ConnectionService::install(nullptr);
    }

    void dictionarySearch() {
        auto* find = child<QLineEdit>("Find");
        QTest::keyClicks(find, "ram");
        QTest::keyClick(find, Qt::Key_Return);
        QTRY_VERIFY(child<QLabel>("NI")->text() != "[ 0 ]");
        std::printf("dictionary: \"ram\" found %s\n", qPrintable(child<QLabel>("NI")->text()));
    }

    void moreSoftwarePageFills() {
        click("sbMore");
        const QStringList cells = cellsOf(*child<QTableView>("nxMore"));
        QCOMPARE(child<QTableView>("nxMore")->model()->rowCount(), support::moreSoftwareLines().size() - 1);
        QVERIFY(!cells.join('\n').contains("Planted"));
        std::printf("More Software: %lld programs\n", static_cast<long long>(support::moreSoftwareLines().size() - 1));
    }

    void contributorListFills() {
        click("SpeedButton6");
        click("sBitBtn1");
        auto* grid = child<QTableView>("nxContributor");
        QVERIFY(grid->isVisible());
        QCOMPARE(grid->model()->rowCount(), support::contributorLines().size());
        QVERIFY(!cellsOf(*grid).join('\n').contains("Planted"));
        std::printf("contributor list: %d rows\n", grid->model()->rowCount());
    }

    void installedCatalogueIsRead() {
        click("SpeedButton5");
        auto* categories = child<QListWidget>("ListBox1");
        const QListWidgetItem* audio = categories->findItems("Audio File", Qt::MatchExactly).value(0);
        QVERIFY(audio != nullptr);
        QTest::mouseClick(categories->viewport(), Qt::LeftButton, {}, categories->visualItemRect(audio).center());
        QVERIFY(child<QTableView>("FileExt")->model()->rowCount() > 1);
        std::printf("file extensions: Audio File %s\n", qPrintable(child<QLabel>("lbltot")->text()));
    }

    void updateCheckShowsWhatItDownloaded() {
        QTest::mouseClick(child<QToolButton>("btnUpdate"), Qt::LeftButton);
        QCOMPARE(m_updateResult, QStringList({"2016.1", "NO Updates Available"}));
        std::printf("update check: latest %s, %s\n", qPrintable(m_updateResult[0]), qPrintable(m_updateResult[1]));
    }

    void addsABrowser() {
        click("SpeedButton1");
        QTest::mouseClick(child<QCheckBox>("DefBrowse"), Qt::LeftButton);
        auto* browsers = child<QComboBox>("cmbBList");
        QVERIFY(browsers->isEnabled());
        browsers->lineEdit()->clear();
        QTest::keyClicks(browsers->lineEdit(), "/usr/bin/installed-check-browser --new-window");
        click("btnAdd3");
        QCOMPARE(browsers->findText("/usr/bin/installed-check-browser --new-window"), 0);
        std::printf("browser list: %d entries\n", browsers->count());
    }

    // An entry added to the user's New.txt, which the next search finds.
    void addsAnEntry() {
        click("spdFreeware");
        m_dialogs.inputAnswers << "XER" << "Extended Entry Record";
        auto* label = child<QLabel>("Label3");
        termora::testing::rightClick(*label, label->rect().center());
        QCOMPARE(m_dialogs.inputs.size(), 2);
        auto* find = child<QLineEdit>("Find");
        find->clear();
        QTest::keyClicks(find, "xer");
        QTest::keyClick(find, Qt::Key_Return);
        QTRY_VERIFY(child<QTextEdit>("Kep")->toPlainText().endsWith("Extended Entry Record"));
        const QString shown = child<QTextEdit>("Kep")->toPlainText().section('\n', -1);
        std::printf("entry added and found: %s\n", qPrintable(shown));
    }

private:
    template <typename T>
    T* child(const char* name) const {
        T* found = m_window->findChild<T*>(name);
        if (found == nullptr) qFatal("no control %s", name);
        return found;
    }
    void click(const char* name) const { QTest::mouseClick(child<QAbstractButton>(name), Qt::LeftButton); }

    int answer(QDialog& window) {
        if (qobject_cast<TfrmUCheck*>(&window) == nullptr) return QDialog::Rejected;
        QTest::mouseClick(window.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
        m_updateResult = {window.findChild<QLabel*>("lblLatest")->text(), window.findChild<QLabel*>("lblRes")->text()};
        return QDialog::Rejected;
    }

    Online m_online;
    ServedUpdateFile m_served;
    DialogScript m_dialogs;
    std::unique_ptr<TSAFrm> m_window;
    QStringList m_updateResult;
};

int main(int argc, char** argv) {
    if (qEnvironmentVariable("TERMORA_INSTALLED_CHECK") != "1") {
        std::fprintf(stderr, "%s: run by tests/installed/check_installed.sh only; it writes into the user's files\n",
                     argv[0]);
        return 2;
    }
    TermoraApplication app(argc, argv);
    InstalledWindowCheck check;
    return QTest::qExec(&check, argc, argv);
}

#include "InstalledWindowCheck.moc"
