// The dictionary page driven as a person drives it, with the mouse and the
// keyboard, over the fixture store; checked by what the page shows.

#include "common/Controls.h"
#include "common/DictionaryControls.h"
#include "common/DictionaryInput.h"
#include "common/FixtureStore.h"
#include "common/ItemViewInput.h"
#include "common/ScriptedDialogs.h"
#include "views/DictionaryPage.h"
#include "views/DictionarySource.h"
#include "views/ResultGridModel.h"
#include "views/ResultListModel.h"

#include <QClipboard>
#include <QMimeData>
#include <QScrollBar>
#include <QtTest>

#include <optional>

using termora::DictionaryPage;
using termora::ResultGridModel;
using termora::testing::clickItem;
using termora::testing::clickRow;
using termora::testing::clickSection;
using termora::testing::columnsInView;
using termora::testing::drawnHighlighted;
using termora::testing::listedKeys;
using termora::testing::onScreen;
using termora::testing::rightClick;

namespace {

QStringList enabledLengthButtons(DictionaryPage& page) {
    QStringList enabled;
    for (int n = 0; n < 20; ++n) {
        if (page.findChild<QPushButton*>(QStringLiteral("t%1").arg(n))->isEnabled()) enabled << QString::number(n);
    }
    return enabled;
}

QStringList checkedMethods(DictionaryPage& page) {
    QStringList checked;
    for (const char* name : {"m1", "m2", "m3", "m4"}) {
        if (page.findChild<QRadioButton*>(name)->isChecked()) checked << name;
    }
    return checked;
}

// The grid's keys in the order they are shown.
QStringList gridKeys(const QTableView& grid) {
    QStringList keys;
    for (int row = 0; row < grid.model()->rowCount(); ++row) keys << grid.model()->index(row, 0).data().toString();
    return keys;
}

}  // namespace

class DictionaryPageTest : public QObject {
    Q_OBJECT

private:
    termora::DictionarySource m_source{termora::fixture::store()};
    std::unique_ptr<DictionaryPage> m_page;
    std::optional<termora::testing::DictionaryControls> ui;

    void search(const QString& text, QRadioButton* method = nullptr) {
        termora::testing::typeSearch(*ui, text, method);
    }

    void clickKey(const QString& key) { QVERIFY2(termora::testing::clickListedKey(*ui, key), qPrintable(key)); }

    void clickGridKey(const QString& key) {
        const int row = int(gridKeys(*ui->Grid).indexOf(key));
        QVERIFY2(row >= 0, qPrintable(key));
        clickRow(*ui->Grid, row);
    }

    QString highlightedGridKey() {
        for (int row = 0; row < ui->Grid->model()->rowCount(); ++row) {
            if (drawnHighlighted(*ui->Grid, ui->Grid->model()->index(row, 0)))
                return ui->Grid->model()->index(row, 0).data().toString();
        }
        return QString();
    }

    // Steps the column number with the arrow keys, as its field cannot be typed into.
    void setColumnNumber(int columns) {
        QLineEdit* field = m_page->findChild<QLineEdit*>("JK");
        QTest::mouseClick(field, Qt::LeftButton);
        while (field->text().toInt() != columns)
            QTest::keyClick(ui->K, field->text().toInt() < columns ? Qt::Key_Up : Qt::Key_Down);
    }

private slots:
    void init() {
        m_page = std::make_unique<DictionaryPage>(m_source);
        ui.emplace(*m_page);
        m_page->show();
        m_page->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_page.get()));
    }
    void cleanup() {
        ui.reset();
        m_page.reset();
    }

    void runExecutesAfterTheRequestingHandlerReturns() {
        QTest::keyClicks(ui->Find, "asap");
        QTest::keyClick(ui->Find, Qt::Key_Return);
        QCOMPARE(m_page->pendingSearches(), 1);
        QCOMPARE(ui->NI->text(), QString("[ 0 ]"));  // the handler saw the old results
        QCoreApplication::processEvents();
        QCOMPARE(m_page->pendingSearches(), 0);
        QCOMPARE(listedKeys(*ui), QStringList{"ASAP"});
        QCOMPARE(ui->NI->text(), QString("[ 1 / 1 ]"));
        QCOMPARE(ui->Kep->toPlainText(),
                 QString("<1> As Soon As Possible \n<2> Army Substance Abuse Program \n<3> Always Say A Prayer"));

        QTest::mouseClick(ui->Cari, Qt::LeftButton);
        QCOMPARE(m_page->pendingSearches(), 1);
        QCoreApplication::processEvents();
        QCOMPARE(m_page->pendingSearches(), 0);
    }

    void autoSearchRunsOncePerChangeWithTheTextOfItsTime() {
        QTest::mouseClick(ui->Auto, Qt::LeftButton);
        QCOMPARE(m_page->pendingSearches(), 0);  // clicking Auto Search itself does not search
        ui->Find->setFocus();
        QTest::keyClicks(ui->Find, "asap");
        QTest::keyClick(ui->Find, Qt::Key_Return);
        QCOMPARE(m_page->pendingSearches(), 5);
        QCoreApplication::processEvents();
        QCOMPARE(listedKeys(*ui), QStringList{"ASAP"});

        QTest::keyClick(ui->Find, Qt::Key_Escape);  // empties the box, which searches again
        QCOMPARE(ui->Find->text(), QString());
        QCoreApplication::processEvents();
        QCOMPARE(listedKeys(*ui), QStringList{});
        QCOMPARE(ui->NI->text(), QString("[ 0 ]"));
    }

    void escapeWithoutAutoSearchKeepsTheResults() {
        search("ram");
        QTest::keyClick(ui->Find, Qt::Key_Escape);
        QCoreApplication::processEvents();
        QCOMPARE(ui->Find->text(), QString());
        QCOMPARE(m_page->resultList().rowCount(), 5);
    }

    void methodsListTheirHitsSorted_data() {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("exact prefix, any case") << "m1" << "abl" << QStringList{"AbL [1]", "ABL [2]", "ABLE"};
        QTest::newRow("exact over other initials") << "m1" << "3d"
                                                   << QStringList{"3D", "3DC", "3DES", "3DIF", "3DML", "3DRAM"};
        QTest::newRow("related") << "m2" << "sap" << QStringList{"ASAP", "ISAPI", "SAP"};
        QTest::newRow("containing text") << "m3" << "<12>" << QStringList{"XII"};
        QTest::newRow("anagram") << "m4" << "mta"
                                 << QStringList{"AMT", "atm [1]", "ATM [2]", "atm.", "MAT", "MTA", "TAM", "TMA"};
        QTest::newRow("key stored twice") << "m1" << "blue" << QStringList{"BLUE", "BLUE"};
        QTest::newRow("nothing found") << "m1" << "zzz" << QStringList{};
        QTest::newRow("a character the dictionary cannot hold") << "m2" << QString::fromUtf8("\xe6\x97\xa5")
                                                                << QStringList{};
    }
    void methodsListTheirHitsSorted() {
        QFETCH(QString, method);
        QFETCH(QString, text);
        QFETCH(QStringList, keys);
        search(text, m_page->findChild<QRadioButton*>(method));
        QCOMPARE(listedKeys(*ui), keys);
        QCOMPARE(m_page->resultGrid().rowCount(), keys.size());
        if (keys.isEmpty()) {
            QCOMPARE(ui->NI->text(), QString("[ 0 ]"));
            QCOMPARE(ui->Kep->toPlainText(), QString());
            QCOMPARE(enabledLengthButtons(*m_page), QStringList{});
        }
    }

    void sameLengthFollowsTheAnagramMethod() {
        QVERIFY(!ui->chkSame->isEnabled());
        QTest::mouseClick(ui->m4, Qt::LeftButton);
        QVERIFY(ui->chkSame->isEnabled());
        QTest::mouseClick(ui->chkSame, Qt::LeftButton);
        QTest::mouseClick(ui->m2, Qt::LeftButton);
        QVERIFY(!ui->chkSame->isEnabled());
        QVERIFY(!ui->chkSame->isChecked());  // its checked state survives
        QCOMPARE(m_page->pendingSearches(), 0);
    }

    void lengthButtonsFilterTheList() {
        QTest::mouseClick(ui->t(7), Qt::LeftButton);  // before any search
        QCOMPARE(ui->ls->text(), QString("( 7 )"));
        QCOMPARE(ui->NI->text(), QString("[ 0 ]"));

        search("mta", ui->m4);
        QCOMPARE(enabledLengthButtons(*m_page), (QStringList{"0", "3"}));
        QCOMPARE(ui->ls->text(), QString("( All )"));
        QTest::mouseClick(ui->t(3), Qt::LeftButton);
        QCOMPARE(ui->ls->text(), QString("( 3 )"));
        QCOMPARE(m_page->resultList().rowCount(), 8);
        QCOMPARE(ui->NI->text(), QString("[ 1 / 8 ]"));
        QCOMPARE(ui->Kep->toPlainText(), QString("Amount"));

        QTest::mouseClick(ui->chkSame, Qt::LeftButton);
        search("mta");
        QTest::mouseClick(ui->t(2), Qt::LeftButton);
        QCOMPARE(listedKeys(*ui), (QStringList{"AM", "M&A", "T-M", "TA"}));
        QTest::mouseClick(ui->t(0), Qt::LeftButton);
        QCOMPARE(ui->ls->text(), QString("( All )"));
        QCOMPARE(m_page->resultList().rowCount(), 13);
    }

    // One look-up as a person makes it: type, click, change method and view,
    // sort, copy; checked by the counter, the meanings and the clipboard.
    void aPersonLooksUpComparesAndCopies() {
        search("ram");
        QCOMPARE(ui->NI->text(), QString("[ 1 / 5 ]"));
        QCOMPARE(ui->Kep->toPlainText(), QString("Random Access Memory"));
        clickKey("RAMP");
        QCOMPARE(ui->NI->text(), QString("[ 5 / 5 ]"));
        QCOMPARE(ui->Kep->toPlainText(), QString("Ramp Up"));

        search("sap", ui->m2);
        QCOMPARE(listedKeys(*ui), (QStringList{"ASAP", "ISAPI", "SAP"}));
        QCOMPARE(ui->NI->text(), QString("[ 1 / 3 ]"));
        QTest::mouseClick(ui->Copy, Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QString("<1> As Soon As Possible \n<2> Army Substance Abuse Program \n<3> Always Say A Prayer"));

        QTest::mouseClick(ui->vsModern, Qt::LeftButton);
        QCOMPARE(ui->NI->text(), QString("[ 3 ]"));
        clickSection(*ui->Grid->horizontalHeader(), ResultGridModel::cAbr);  // sorted by it already: reversed
        QCOMPARE(gridKeys(*ui->Grid), (QStringList{"SAP", "ISAPI", "ASAP"}));
        clickGridKey("SAP");
        QCOMPARE(ui->NI->text(), QString("[ 1 / 3 ]"));
        QCOMPARE(ui->Kep->toPlainText(), QString("Service Access Point"));
        rightClick(*ui->Kep->viewport());
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("Service Access Point"));

        QTest::mouseClick(ui->vsClassic, Qt::LeftButton);
        QCOMPARE(ui->NI->text(), QString("[ 3 ]"));
        clickKey("ISAPI");
        QCOMPARE(ui->NI->text(), QString("[ 2 / 3 ]"));
        QCOMPARE(ui->Kep->toPlainText(), QString("Internet Server Application Programming Interface"));
    }

    void clickingTheChosenMethodKeepsItChosen_data() {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("counter");
        QTest::newRow("Exact") << "m1" << "sap" << "[ 1 / 1 ]";
        QTest::newRow("Related") << "m2" << "sap" << "[ 1 / 3 ]";
        QTest::newRow("Containing Text") << "m3" << "<12>" << "[ 1 / 1 ]";
        QTest::newRow("Anagram, Same Length") << "m4" << "mta" << "[ 1 / 8 ]";
    }
    void clickingTheChosenMethodKeepsItChosen() {
        QFETCH(QString, method);
        QFETCH(QString, text);
        QFETCH(QString, counter);
        auto* button = m_page->findChild<QRadioButton*>(method);
        if (!button->isChecked()) QTest::mouseClick(button, Qt::LeftButton);
        QTest::mouseClick(button, Qt::LeftButton);  // the one already chosen
        QCOMPARE(checkedMethods(*m_page), QStringList{method});
        QCOMPARE(ui->chkSame->isEnabled(), method == "m4");
        QVERIFY(ui->vsClassic->isChecked());
        search(text);
        QCOMPARE(ui->NI->text(), counter);
    }

    void mouseClickOnAKeyShowsItsMeaningsAndPlace() {
        search("a");
        const QString apple = "<1> Apple \n<2> Ampere (Satuan SI Kuat Arus Listrik)";
        const int count = m_page->resultList().rowCount();
        QCOMPARE(ui->Kep->toPlainText(), apple);

        clickKey("AADCP");
        const int aadcp = int(listedKeys(*ui).indexOf("AADCP")) + 1;
        QCOMPARE(ui->NI->text(), QString("[ %1 / %2 ]").arg(aadcp).arg(count));
        QCOMPARE(ui->Kep->toPlainText(), QString("<1> ASEAN Australia Development Cooperation \n"
                                                 "<2> ASEAN Aquaculture Development and Coordinating Programme"));
        QVERIFY(drawnHighlighted(*ui->SAL, ui->SAL->currentIndex()));

        for (int click = 0; click < 3; ++click) clickKey("A");  // the arranged text is never arranged again
        QCOMPARE(ui->NI->text(), QString("[ 1 / %1 ]").arg(count));
        QCOMPARE(ui->Kep->toPlainText(), apple);
        clickItem(*ui->SAL, ui->SAL->currentIndex(), Qt::ControlModifier);  // deselects: the text stays
        QCOMPARE(ui->NI->text(), QString("[ 0 / %1 ]").arg(count));
        QCOMPARE(ui->Kep->toPlainText(), apple);

        QTest::keyClick(ui->SAL, Qt::Key_Down);
        QCOMPARE(ui->NI->text(), QString("[ 2 / %1 ]").arg(count));
        QCOMPARE(ui->Kep->toPlainText(), QString("at sight"));  // a.s. [1]
    }

    void modernStyleShowsTheGridAndCountsAgainstAll() {
        search("a", ui->m2);
        const int all = m_page->resultList().rowCount();
        QTest::mouseClick(ui->vsModern, Qt::LeftButton);
        QVERIFY(ui->Grid->isVisible());
        QVERIFY(!ui->SAL->isVisible());
        QCOMPARE(ui->NI->text(), QString("[ %1 ]").arg(all));
        QCOMPARE(ui->ls->palette().color(QPalette::WindowText), QColor(128, 128, 128));
        QCOMPARE(enabledLengthButtons(*m_page), QStringList{});
        QCOMPARE(ui->Kep->toPlainText(), QString());

        clickRow(*ui->Grid, 2);
        QCOMPARE(ui->NI->text(), QString("[ 3 / %1 ]").arg(all));
        QCOMPARE(ui->Kep->toPlainText(), QString("at sight"));  // a.s. [1]

        search("abl");  // a new search selects nothing in this style
        QCOMPARE(ui->Kep->toPlainText(), QString());
        QVERIFY(!ui->Grid->selectionModel()->hasSelection());

        QTest::mouseClick(ui->vsClassic, Qt::LeftButton);
        QCOMPARE(ui->ls->palette().color(QPalette::WindowText), QColor(0, 128, 0));
        QCOMPARE(enabledLengthButtons(*m_page), (QStringList{"0", "3", "4"}));
        QCOMPARE(ui->NI->text(), QString("[ 3 ]"));
    }

    void theSelectionFollowsItsEntryThroughASort() {
        search("ram");
        QTest::mouseClick(ui->vsModern, Qt::LeftButton);
        QCOMPARE(gridKeys(*ui->Grid), (QStringList{"RAM", "RAMAC", "RAMDAC", "RAML", "RAMP"}));
        clickGridKey("RAMAC");
        const QString ramac = "Random Access Method of Accounting and Control";
        QCOMPARE(ui->NI->text(), QString("[ 2 / 5 ]"));
        QCOMPARE(ui->Kep->toPlainText(), ramac);

        QHeaderView* header = ui->Grid->horizontalHeader();
        clickSection(*header, ResultGridModel::cExp);
        QCOMPARE(gridKeys(*ui->Grid), (QStringList{"RAMP", "RAM", "RAMDAC", "RAMAC", "RAML"}));
        QCOMPARE(highlightedGridKey(), QString("RAMAC"));
        QCOMPARE(ui->NI->text(), QString("[ 4 / 5 ]"));
        QCOMPARE(ui->Kep->toPlainText(), ramac);

        clickSection(*header, ResultGridModel::cExp);  // reversed
        QCOMPARE(highlightedGridKey(), QString("RAMAC"));
        QCOMPARE(ui->NI->text(), QString("[ 2 / 5 ]"));
        clickGridKey("RAMAC");  // the highlighted row: nothing changes
        QCOMPARE(ui->NI->text(), QString("[ 2 / 5 ]"));
        QCOMPARE(ui->Kep->toPlainText(), ramac);

        clickGridKey("RAMP");  // each row shows its own meanings at its shown place
        QCOMPARE(ui->NI->text(), QString("[ 5 / 5 ]"));
        QCOMPARE(ui->Kep->toPlainText(), QString("Ramp Up"));
        clickSection(*header, ResultGridModel::cExp);  // the last row comes first and stays in view
        QCOMPARE(highlightedGridKey(), QString("RAMP"));
        QCOMPARE(ui->NI->text(), QString("[ 1 / 5 ]"));
        clickItem(*ui->Grid, ui->Grid->currentIndex(), Qt::ControlModifier);  // deselected: no place
        QCOMPARE(highlightedGridKey(), QString());
        QCOMPARE(ui->NI->text(), QString("[ 0 / 5 ]"));
        QCOMPARE(ui->Kep->toPlainText(), QString("Ramp Up"));
    }

    void selectingARowLeavesTheHeaderAsDrawn() {
        search("ram");
        QTest::mouseClick(ui->vsModern, Qt::LeftButton);
        QHeaderView* header = ui->Grid->horizontalHeader();
        const QImage before = onScreen(*header);
        clickGridKey("RAMDAC");
        QCOMPARE(ui->NI->text(), QString("[ 3 / 5 ]"));
        QCOMPARE(onScreen(*header), before);
    }

    void clickingTheCheckedClassicClearsTheSelectionItShows() {
        search("a");
        clickKey("ASAP");
        const QModelIndex asap = ui->SAL->currentIndex();
        QVERIFY(drawnHighlighted(*ui->SAL, asap));
        QTest::mouseClick(ui->vsClassic, Qt::LeftButton);
        QVERIFY(ui->vsClassic->isChecked());
        QCOMPARE(ui->NI->text(), QString("[ %1 ]").arg(m_page->resultList().rowCount()));
        QCOMPARE(ui->Kep->toPlainText(), QString());
        QVERIFY(!drawnHighlighted(*ui->SAL, asap));
    }

    void markersAreBoldBlueAndTheRestPlain() {
        search("a");  // "A": <1> Apple <2> Ampere (...)
        QCOMPARE(ui->Kep->toPlainText(), QString("<1> Apple \n<2> Ampere (Satuan SI Kuat Arus Listrik)"));
        const auto formatAt = [this](int position) {
            QTextCursor cursor(ui->Kep->document());
            cursor.setPosition(position + 1);  // the format of the character before the cursor
            return cursor.charFormat();
        };
        for (int position : {0, 3, 11, 14}) {
            QCOMPARE(formatAt(position).fontWeight(), int(QFont::Bold));
            QCOMPARE(formatAt(position).foreground().color(), QColor(0, 0, 255));
        }
        for (int position : {4, 9, 15}) QVERIFY(formatAt(position).fontWeight() != int(QFont::Bold));
        QVERIFY(!ui->Kep->textCursor().hasSelection());
        QCOMPARE(ui->Kep->textCursor().position(), 0);

        QTest::mouseClick(ui->AA, Qt::LeftButton);  // unchecking leaves the shown text as it is
        QCOMPARE(ui->Kep->toPlainText().count('\n'), 1);
        clickKey("a.s. [1]");
        QCOMPARE(ui->Kep->toPlainText(), QString("at sight"));
        search("abl [2]");
        QCOMPARE(ui->Kep->toPlainText(), QString("<1> Academia Brasileira de Letras <2> Allowable Business Loss"));
    }

    void twelveMeaningsHighlightTheTwoDigitMarkersExactly() {
        search("xii");
        const QString text = ui->Kep->toPlainText();
        const int ten = text.indexOf("<10>");
        QTextCursor cursor(ui->Kep->document());
        cursor.setPosition(ten + 4);
        QCOMPARE(cursor.charFormat().fontWeight(), int(QFont::Bold));
        cursor.setPosition(ten + 5);  // the blank after "<10>"
        QVERIFY(cursor.charFormat().fontWeight() != int(QFont::Bold));
    }

    void placeholderShowsAsApostrophe() {
        search("damhik");
        QCOMPARE(ui->Kep->toPlainText(), QString("Don't Ask Me How I Know, I Just Know"));
        QCOMPARE(m_page->resultGrid().data(m_page->resultGrid().index(0, 1), Qt::DisplayRole).toString(),
                 QString("Don't Ask Me How I Know, I Just Know"));
    }

    void copyPutsPlainAndRichTextOnTheClipboard() {
        search("asap");
        QTest::mouseClick(ui->Copy, Qt::LeftButton);
        const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(mime->text(),
                 QString("<1> As Soon As Possible \n<2> Army Substance Abuse Program \n<3> Always Say A Prayer"));
        QVERIFY(mime->hasHtml());
        QVERIFY(!ui->Kep->textCursor().hasSelection());
        QCOMPARE(ui->Kep->textCursor().position(), ui->Kep->toPlainText().size());

        QGuiApplication::clipboard()->clear();
        rightClick(*ui->Kep->viewport());
        QCOMPARE(QGuiApplication::clipboard()->text().count('\n'), 2);
    }

    void meaningCountAddsMarkersOrOne() {
        termora::testing::DialogScript dialogs;
        search("s", ui->m2);  // a.s. [1], A.S. [2], ASAP, ISAPI, SAP, SMT, 3DES: 1 + 2 + 3 + 1 + 1 + 1 + 1
        QCOMPARE(listedKeys(*ui), (QStringList{"3DES", "a.s. [1]", "A.S. [2]", "ASAP", "ISAPI", "SAP", "SMT"}));
        QTest::mouseDClick(ui->Label4, Qt::LeftButton);
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].text, QString("10 Subkata"));
        QCOMPARE(ui->SAL->currentIndex().row(), 6);  // the last key stays selected
        QVERIFY(ui->SAL->isWrapping());              // the column number is back
    }

    void columnNumberMeansThatManyColumnsAtAnySize_data() {
        QTest::addColumn<int>("columns");
        QTest::addColumn<QSize>("size");
        QTest::newRow("4 at the design width") << 4 << QSize(545, 60);
        QTest::newRow("4 in a list made wider") << 4 << QSize(700, 60);
        QTest::newRow("6 in a list made narrower") << 6 << QSize(420, 60);
        QTest::newRow("0 at the design size") << 0 << QSize(545, 161);
        QTest::newRow("0 in a list made wider") << 0 << QSize(700, 100);
    }
    void columnNumberMeansThatManyColumnsAtAnySize() {
        QFETCH(int, columns);
        QFETCH(QSize, size);
        search("a", ui->m2);  // 30 keys: more than the columns hold
        ui->SAL->resize(size);  // as a scaling pass of the window sizes it
        QCoreApplication::processEvents();
        clickKey("TMA");  // the last key
        setColumnNumber(columns);
        QCoreApplication::processEvents();
        QCOMPARE(ui->SAL->gridSize().height(), 13);
        QVERIFY(drawnHighlighted(*ui->SAL, ui->SAL->currentIndex()));  // still in view
        if (columns == 0) {
            QCOMPARE(columnsInView(*ui->SAL), 1);
            QVERIFY(ui->SAL->verticalScrollBar()->isVisible());
            QVERIFY(!ui->SAL->horizontalScrollBar()->isVisible());
        } else {
            QCOMPARE(columnsInView(*ui->SAL), columns);
        }
    }
};

QTEST_MAIN(DictionaryPageTest)
#include "DictionaryPageTest.moc"
