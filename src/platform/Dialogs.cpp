#include "platform/Dialogs.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>

namespace termora {
namespace {

// The program's texts break lines with CR (and CR LF) as Windows captions do.
QString displayText(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

}  // namespace

void QtDialogs::message(QWidget* parent, const QString& text, Kind kind) {
    QMessageBox box(parent);
    box.setWindowTitle(QString::fromLatin1(kMessageTitle));
    box.setText(displayText(text));
    switch (kind) {
        case Kind::Plain: box.setIcon(QMessageBox::NoIcon); break;
        case Kind::Information: box.setIcon(QMessageBox::Information); break;
        case Kind::Warning: box.setIcon(QMessageBox::Warning); break;
        case Kind::Error: box.setIcon(QMessageBox::Critical); break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

QString QtDialogs::input(QWidget* parent, const QString& caption, const QString& prompt, const QString& defaultText) {
    QDialog box(parent);
    box.setWindowTitle(caption);
    auto* layout = new QVBoxLayout(&box);
    auto* label = new QLabel(displayText(prompt), &box);
    label->setWordWrap(true);
    auto* edit = new QLineEdit(defaultText, &box);
    edit->setMaxLength(255);
    edit->selectAll();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &box);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);
    layout->addWidget(label);
    layout->addWidget(edit);
    layout->addWidget(buttons);
    box.setMinimumWidth(360);
    return box.exec() == QDialog::Accepted ? edit->text() : defaultText;
}

QString QtDialogs::openFileName(QWidget* parent, const QString& title, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, title, QString(), filter);
}

int QtDialogs::exec(QDialog& dialog) { return dialog.exec(); }

}  // namespace termora
