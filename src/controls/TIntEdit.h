#pragma once
// TIntEdit: a one-line edit for whole numbers. Typed characters other than
// digits, "+", "-", backspace and Enter are discarded with a beep; pasting
// through the context menu still inserts any text, and Value reads 0 for
// text that is no number.

#include <QLineEdit>

#include <cstdint>

namespace termora {

class TIntEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(qint64 Value READ Value WRITE setValue USER true)
    // Whether the text is all selected when the field is reached with Tab
    // or a shortcut, as in any one-line edit; on unless switched off.
    Q_PROPERTY(bool autoSelect READ autoSelect WRITE setAutoSelect)

public:
    explicit TIntEdit(QWidget* parent = nullptr);

    qint64 Value() const;
    void setValue(qint64 value);

    bool autoSelect() const { return m_autoSelect; }
    void setAutoSelect(bool on) { m_autoSelect = on; }

signals:
    // A typed character was discarded (the beep has sounded).
    void characterRejected(QChar character);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    bool m_autoSelect = true;
};

}  // namespace termora
