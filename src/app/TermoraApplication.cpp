#include "TermoraApplication.h"

#include "Dialogs.h"
#include "UserError.h"

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
    try {
        return QApplication::notify(receiver, event);
    } catch (const UserError& error) {
        dialogs().message(activeWindow(), error.text(), Dialogs::Kind::Error);
    } catch (const std::exception& error) {
        dialogs().message(activeWindow(), QString::fromLocal8Bit(error.what()), Dialogs::Kind::Error);
    }
    return false;
}

}  // namespace termora
