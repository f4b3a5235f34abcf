#pragma once
// Every message box, input box, file dialog and modal window of the program
// opens through this interface, so tests answer them and never wait on a modal.

#include "platform/ServiceSlot.h"

#include <QString>

class QDialog;
class QWidget;

namespace termora {

class Dialogs {
public:
    enum class Kind { Plain, Information, Warning, Error };

    virtual ~Dialogs() = default;

    // A message box titled "Termora" with an OK button.
    virtual void message(QWidget* parent, const QString& text, Kind kind = Kind::Plain) = 0;

    // The one-line input box: OK returns the edited text, Cancel or closing
    // returns the default text unchanged.
    virtual QString input(QWidget* parent, const QString& caption, const QString& prompt,
                          const QString& defaultText) = 0;

    // An open-file dialog; an empty text when nothing was chosen.
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& filter) = 0;

    // Runs a modal window and returns its result code.
    virtual int exec(QDialog& dialog) = 0;
};

class QtDialogs : public Dialogs {
public:
    void message(QWidget* parent, const QString& text, Kind kind) override;
    QString input(QWidget* parent, const QString& caption, const QString& prompt, const QString& defaultText) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& filter) override;
    int exec(QDialog& dialog) override;
};

using DialogService = ServiceSlot<Dialogs, QtDialogs>;
inline Dialogs& dialogs() { return DialogService::current(); }

// The title of every message box: the application's title.
inline constexpr const char* kMessageTitle = "Termora";

}  // namespace termora
