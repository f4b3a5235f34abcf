#pragma once
// TIntEdit: a one-line edit for whole numbers. Typed characters other than
// digits, "+", "-", backspace and Enter are discarded with a beep; pasting
// through the context menu still inserts any text, and Value reads 0 for
// text that is no number.

#include <QLineEdit>

#include <cstdint>

class TIntEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(qint64 Value READ Value WRITE setValue USER true)

public:
    explicit TIntEdit(QWidget* parent = nullptr);

    qint64 Value() const;
    void setValue(qint64 value);

signals:
    // A typed character was discarded (the beep has sounded).
    void characterRejected(QChar character);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
