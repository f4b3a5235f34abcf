// The dictionary page driven as a user drives it, over the fixture store.

#include "DictionaryPage.h"
#include "FixtureStore.h"
#include "ResultGridModel.h"
#include "ResultListModel.h"
#include "ScriptedDialogs.h"

#include "ui_DictionaryPage.h"

#include <QClipboard>
#include <QMimeData>
#include <QtTest>

using termora::DictionaryPage;

namespace {

QStringList listedKeys(DictionaryPage& page) {
    QStringList keys;
    const auto& model = page.resultList();
    for (int row = 0; row < model.rowCount(); ++row) keys << model.data(model.index(row), Qt::DisplayRole).toString();
    return keys;
}

QStringList enabledLengthButtons(DictionaryPage& page) {
    QStringList enabled;
    for (int n = 0; n < 20; ++n) {
        if (page.findChild<QPushButton*>(QStringLiteral("t%1").arg(n))->isEnabled()) enabled << QString::number(n);
    }
    return enabled;
}

}  // namespace

class DictionaryPageTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<DictionaryPage> m_page;
    Ui::DictionaryPage* ui = nullptr;

    void search(const QString& text, QRadioButton* method = nullptr) {
        if (method != nullptr) QTest::mouseClick(method, Qt::LeftButton);
        ui->Find->setText(text);
        QTest::keyClick(ui->Find, Qt::Key_Return);
        QCoreApplication::processEvents();
    }

private slots:
    void init() {
        m_page = std::make_unique<DictionaryPage>(termora::fixture::store());
        ui = &m_page->form();
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    }
    void cleanup() { m_page.reset(); }

    void runExecutesAfterTheRequestingHandlerReturns() {
        ui->Find->setText("asap");
        QTest::keyClick(ui->Find, Qt::Key_Return);
        QCOMPARE(m_page->pendingSearches(), 1);
        QCOMPARE(ui->NI->text(), QString("[ 0 ]"));  // the handler saw the old results
        QCoreApplication::processEvents();
        QCOMPARE(m_page->pendingSearches(), 0);
        QCOMPARE(listedKeys(*m_page), QStringList{"ASAP"});
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
        QCOMPARE(listedKeys(*m_page), QStringList{"ASAP"});

        QTest::keyClick(ui->Find, Qt::Key_Escape);  // empties the box, which searches again
        QCOMPARE(ui->Find->text(), QString());
        QCoreApplication::processEvents();
        QCOMPARE(listedKeys(*m_page), QStringList{});
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
        QCOMPARE(listedKeys(*m_page), keys);
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
        QTest::mouseClick(ui->t7, Qt::LeftButton);  // before any search
        QCOMPARE(ui->ls->text(), QString("( 7 )"));
        QCOMPARE(ui->NI->text(), QString("[ 0 ]"));

        search("mta", ui->m4);
        QCOMPARE(enabledLengthButtons(*m_page), (QStringList{"0", "3"}));
        QCOMPARE(ui->ls->text(), QString("( All )"));
        QTest::mouseClick(ui->t3, Qt::LeftButton);
        QCOMPARE(ui->ls->text(), QString("( 3 )"));
        QCOMPARE(m_page->resultList().rowCount(), 8);
        QCOMPARE(ui->NI->text(), QString("[ 1 / 8 ]"));
        QCOMPARE(ui->Kep->toPlainText(), QString("Amount"));

        QTest::mouseClick(ui->chkSame, Qt::LeftButton);
        search("mta");
        QTest::mouseClick(ui->t2, Qt::LeftButton);
        QCOMPARE(listedKeys(*m_page), (QStringList{"AM", "M&A", "T-M", "TA"}));
        QTest::mouseClick(ui->t0, Qt::LeftButton);
        QCOMPARE(ui->ls->text(), QString("( All )"));
        QCOMPARE(m_page->resultList().rowCount(), 13);
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

        ui->Grid->selectRow(2);
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

    void gridRowShowsItsOwnMeaningsAfterSortingByExpansion() {
        search("ram");
        QTest::mouseClick(ui->vsModern, Qt::LeftButton);
        ui->Grid->sortByColumn(termora::ResultGridModel::cExp, Qt::AscendingOrder);
        ui->Grid->selectRow(0);
        QCOMPARE(ui->Kep->toPlainText(), QString("Ramp Up"));
        QCOMPARE(ui->NI->text(), QString("[ 1 / 5 ]"));
        ui->Grid->sortByColumn(termora::ResultGridModel::cExp, Qt::DescendingOrder);
        ui->Grid->selectRow(1);
        QCOMPARE(ui->Kep->toPlainText(), QString("Random Access Method of Accounting and Control"));
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
        ui->SAL->setCurrentIndex(m_page->resultList().index(1));
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
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5), ui->Kep->viewport()->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(ui->Kep->viewport(), &rightClick);
        QCOMPARE(QGuiApplication::clipboard()->text().count('\n'), 2);
    }

    void meaningCountAddsMarkersOrOne() {
        termora::testing::DialogScript dialogs;
        search("s", ui->m2);  // a.s. [1], A.S. [2], ASAP, ISAPI, SAP, SMT, 3DES: 1 + 2 + 3 + 1 + 1 + 1 + 1
        QCOMPARE(listedKeys(*m_page), (QStringList{"3DES", "a.s. [1]", "A.S. [2]", "ASAP", "ISAPI", "SAP", "SMT"}));
        QTest::mouseDClick(ui->Label4, Qt::LeftButton);
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].text, QString("10 Subkata"));
        QCOMPARE(ui->SAL->currentIndex().row(), 6);  // the last key stays selected
        QVERIFY(ui->SAL->isWrapping());              // the column number is back
    }

    void columnNumberSetsTheListLayout() {
        ui->K->setValue(0);
        QVERIFY(!ui->SAL->isWrapping());
        ui->K->setValue(4);
        QVERIFY(ui->SAL->isWrapping());
        QCOMPARE(ui->SAL->gridSize().height(), 13);
        QCOMPARE(m_page->findChild<QLineEdit*>("JK")->text(), QString("4"));
    }
};

QTEST_MAIN(DictionaryPageTest)
#include "DictionaryPageTest.moc"
