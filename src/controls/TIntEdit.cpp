#include "controls/TIntEdit.h"

#include "controls/IntEditValue.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>

namespace termora {
namespace {

// The characters the edit accepts when typed: backspace, carriage return,
// the two signs and the digits.
bool isAcceptedCharacter(QChar c) {
    return c == QChar(8) || c == QChar(13) || c == u'+' || c == u'-' || (c >= u'0' && c <= u'9');
}

// Keys that produce no typed character in the sense of the filter: they move,
// delete or leave the field and are handled as usual.
bool producesNoCharacter(const QKeyEvent& event) {
    return event.text().isEmpty() || event.key() == Qt::Key_Escape || event.key() == Qt::Key_Delete;
}

}  // namespace

TIntEdit::TIntEdit(QWidget* parent) : QLineEdit(parent) {}

qint64 TIntEdit::Value() const { return intedit::valueOf(text().toStdString()); }

void TIntEdit::setValue(qint64 value) { setText(QString::fromStdString(intedit::textOf(value))); }

void TIntEdit::keyPressEvent(QKeyEvent* event) {
    if (producesNoCharacter(*event) || isAcceptedCharacter(event->text().front())) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    QApplication::beep();
    emit characterRejected(event->text().front());
}

void TIntEdit::focusInEvent(QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    const bool selects =
        reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
    if (m_autoSelect || !selects) {
        QLineEdit::focusInEvent(event);
        return;
    }
    // The one-line edit selects all text for these reasons only; for any
    // other it keeps the caret and the selection as they were.
    QFocusEvent keepSelection(event->type(), Qt::OtherFocusReason);
    QLineEdit::focusInEvent(&keepSelection);
}

}  // namespace termora
