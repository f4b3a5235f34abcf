#include "app/TermoraApplication.h"

#include "platform/ErrorReport.h"

#include <QFont>

#include <exception>

namespace termora {

TermoraApplication::TermoraApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Termora"));
    QFont font = QApplication::font();
    font.setPointSize(8);
    setFont(font);
}

bool TermoraApplication::notify(QObject* receiver, QEvent* event) {
    // The last line of defence: handlers that can fail report their own
    // failures (connectReporting); anything else still ends in the error box.
    bool handled = false;
    reportErrors(activeWindow(), [&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

}  // namespace termora
