#pragma once
// The application object: its title, its default font, and the error report
// that shows any failure a handler lets through, so the window stays usable.

#include <QApplication>

namespace termora {

class TermoraApplication : public QApplication {
    Q_OBJECT
public:
    TermoraApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace termora
