#pragma once
// Carries out the requests of later starts in the main window the user had
// in front last (of several, opened by a double-click on the icon), or else
// the first one: looks a term up there with the window's own search method
// and options, with the dictionary page in front, and brings the window to
// the front. Requests that arrive while the first window is still being
// made wait for it; the last of them counts.

#include "app/InstanceProtocol.h"

#include <QObject>
#include <QPointer>

#include <optional>

class QWindow;

namespace termora {

class TSAFrm;

class LookupRouter : public QObject {
    Q_OBJECT
public:
    explicit LookupRouter(QObject* parent = nullptr);

    // The program's first main window, made; carries out what waited for it.
    void setFirstWindow(TSAFrm* window);

    instance::Answer answer(const instance::Request& request);

private:
    // A window of the program took the focus: the main window it belongs to
    // becomes the one requests go to.
    void noteFocus(QWindow* focused);
    TSAFrm* target() const;
    void carryOut(TSAFrm& window, const instance::Request& request);

    QPointer<TSAFrm> m_first;
    QPointer<TSAFrm> m_lastActive;
    std::optional<instance::Request> m_waiting;
};

}  // namespace termora
