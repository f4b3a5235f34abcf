// The integer edit's key filter and its Value property on a real widget.

#include "controls/TIntEdit.h"

#include <QSignalSpy>
#include <QtTest>

using termora::TIntEdit;

class TIntEditTest : public QObject {
    Q_OBJECT

private slots:
    void typedCharacters_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("beeps");
        QTest::newRow("digits and signs anywhere") << "" << "5-5+1" << "5-5+1" << 0;
        QTest::newRow("letter") << "12" << "a" << "12" << 1;
        QTest::newRow("blank") << "12" << " " << "12" << 1;
        QTest::newRow("decimal point") << "12" << "." << "12" << 1;
        QTest::newRow("dollar") << "" << "$1F" << "1" << 2;
    }
    void typedCharacters() {
        QFETCH(QString, start);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(int, beeps);
        TIntEdit edit;
        edit.setText(start);
        QSignalSpy rejected(&edit, &TIntEdit::characterRejected);
        QTest::keyClicks(&edit, typed);
        QCOMPARE(edit.text(), text);
        QCOMPARE(rejected.count(), beeps);
    }

    void editingKeysStillWork() {
        TIntEdit edit;
        edit.setText("123");
        QSignalSpy rejected(&edit, &TIntEdit::characterRejected);
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QTest::keyClick(&edit, Qt::Key_Home);
        QTest::keyClick(&edit, Qt::Key_Delete);
        QCOMPARE(edit.text(), QString("2"));
        QCOMPARE(rejected.count(), 0);
    }

    void clipboardShortcutsAreDiscarded() {
        TIntEdit edit;
        edit.setText("77");
        QSignalSpy rejected(&edit, &TIntEdit::characterRejected);
        // The control characters the shortcuts type (select all, cut).
        QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
        QKeyEvent cut(QEvent::KeyPress, Qt::Key_X, Qt::ControlModifier, QString(QChar(24)));
        QApplication::sendEvent(&edit, &cut);
        QCOMPARE(edit.text(), QString("77"));
        QCOMPARE(rejected.count(), 2);
    }

    void pastedTextIsKeptAndReadAsNumber() {
        TIntEdit edit;
        edit.insert("$1F");  // what pasting from the context menu does
        QCOMPARE(edit.text(), QString("$1F"));
        QCOMPARE(edit.Value(), 31);
    }

    void valueWriteReplacesTheText() {
        TIntEdit edit;
        edit.setValue(5000000000LL);
        QCOMPARE(edit.text(), QString("5000000000"));
        QCOMPARE(edit.Value(), 0);
        edit.setValue(-8);
        QCOMPARE(edit.text(), QString("-8"));
        QCOMPARE(edit.property("Value").toLongLong(), -8);
    }
};

QTEST_MAIN(TIntEditTest)
#include "TIntEditTest.moc"
