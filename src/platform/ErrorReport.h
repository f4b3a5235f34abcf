#pragma once
// The application's error report: a failure a handler raises is shown in the
// error box titled "Termora" and the window stays usable. Handlers that can
// fail are connected through connectReporting, so that no exception unwinds
// through the toolkit's own code, which is built without exception support.

#include "platform/Dialogs.h"
#include "platform/UserError.h"

#include <QObject>

#include <exception>
#include <utility>

class QWidget;

namespace termora {

inline void showError(QWidget* parent, const QString& text) { dialogs().message(parent, text, Dialogs::Kind::Error); }

template <typename Handler>
void reportErrors(QWidget* parent, Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
    } catch (const UserError& error) {
        showError(parent, error.text());
    } catch (const std::exception& error) {
        showError(parent, QString::fromLocal8Bit(error.what()));
    }
}

// connect() for a handler (callable without arguments) that may fail.
template <typename Sender, typename Signal, typename Handler>
QMetaObject::Connection connectReporting(Sender* sender, Signal signal, QWidget* receiver, Handler handler) {
    return QObject::connect(sender, signal, receiver, [receiver, handler] { reportErrors(receiver, handler); });
}

}  // namespace termora
