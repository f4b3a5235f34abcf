#pragma once
// A stand-in for the dialog interface: records every message and answers
// input boxes, file dialogs and modal windows from a script, so no test waits.

#include "platform/Dialogs.h"

#include <QDialog>
#include <QQueue>
#include <QStringList>

#include <functional>

namespace termora::testing {

class ScriptedDialogs : public Dialogs {
public:
    struct Message {
        QString text;
        Kind kind;
    };
    struct InputCall {
        QString caption;
        QString prompt;
        QString defaultText;
    };

    QList<Message> messages;
    QList<InputCall> inputs;
    QStringList modalClasses;     // class names of the modal windows run

    // Answers of the input boxes in order; none left means Cancel (the default text).
    QQueue<QString> inputAnswers;
    QQueue<QString> fileAnswers;
    // Called with each modal window before it "closes"; returns its result code.
    std::function<int(QDialog&)> onModal = [](QDialog&) { return int(QDialog::Rejected); };

    void message(QWidget*, const QString& text, Kind kind) override { messages.append({text, kind}); }
    QString input(QWidget*, const QString& caption, const QString& prompt, const QString& defaultText) override {
        inputs.append({caption, prompt, defaultText});
        return inputAnswers.isEmpty() ? defaultText : inputAnswers.dequeue();
    }
    QString openFileName(QWidget*, const QString&, const QString&) override {
        return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
    }
    int exec(QDialog& dialog) override {
        modalClasses.append(QString::fromLatin1(dialog.metaObject()->className()));
        return onModal(dialog);
    }
};

// Installs the stand-in for the scope of a test.
class DialogScript : public ScriptedDialogs {
public:
    DialogScript() { DialogService::install(this); }
    ~DialogScript() override { DialogService::install(nullptr); }
};

}  // namespace termora::testing
