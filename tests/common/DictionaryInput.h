#pragma once
// A person's input on the dictionary page: a search typed into the box and
// started with Enter, a key clicked in the result list; and the keys the
// list shows.

#include "common/DictionaryControls.h"
#include "common/ItemViewInput.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTest>

namespace termora::testing {

// Chooses the method with a click (when given), empties the search box with
// Escape, types the text and presses Enter; the run then executes.
inline void typeSearch(const DictionaryControls& ui, const QString& text, QAbstractButton* method = nullptr) {
    if (method != nullptr) QTest::mouseClick(method, Qt::LeftButton);
    QTest::mouseClick(ui.Find, Qt::LeftButton);
    QTest::keyClick(ui.Find, Qt::Key_Escape);
    for (const QChar c : text) {
        // Characters beyond ASCII arrive as text, as an input method sends them.
        if (c.unicode() < 0x80) QTest::keyClick(ui.Find, c.toLatin1());
        else QTest::sendKeyEvent(QTest::Click, ui.Find, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    QTest::keyClick(ui.Find, Qt::Key_Return);
    QCoreApplication::processEvents();
}

inline QStringList listedKeys(const DictionaryControls& ui) {
    QStringList keys;
    const QAbstractItemModel& model = *ui.SAL->model();
    for (int row = 0; row < model.rowCount(); ++row) keys << model.index(row, 0).data().toString();
    return keys;
}

// Clicks the key where the list draws it; false when the list does not hold it.
inline bool clickListedKey(const DictionaryControls& ui, const QString& key) {
    const int row = int(listedKeys(ui).indexOf(key));
    if (row < 0) return false;
    clickItem(*ui.SAL, ui.SAL->model()->index(row, 0));
    return true;
}

}  // namespace termora::testing
