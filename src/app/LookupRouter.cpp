#include "app/LookupRouter.h"

#include "app/TSAFrm.h"
#include "views/DictionaryPage.h"

#include <QApplication>
#include <QWindow>

namespace termora {
namespace {

void bringToFront(QWidget& window) {
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
    // A modal window (the update check, the donation window) stays in front of it.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}

// The main window a window belongs to: itself, or the one that owns it.
TSAFrm* mainWindowOf(QWidget* widget) {
    for (; widget != nullptr; widget = widget->parentWidget()) {
        if (auto* window = qobject_cast<TSAFrm*>(widget)) return window;
    }
    return nullptr;
}

instance::WindowState stateOf(TSAFrm& window) {
    const DictionaryPage& page = window.dictionaryPage();
    return {page.isVisible(), page.searchText(), page.shownCounter()};
}

}  // namespace

LookupRouter::LookupRouter(QObject* parent) : QObject(parent) {
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &LookupRouter::noteFocus);
}

void LookupRouter::noteFocus(QWindow* focused) {
    if (focused == nullptr) return;
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* widget : windows) {
        if (widget->windowHandle() != focused) continue;
        if (TSAFrm* window = mainWindowOf(widget)) m_lastActive = window;
        return;
    }
}

void LookupRouter::setFirstWindow(TSAFrm* window) {
    m_first = window;
    if (m_waiting) carryOut(*window, *std::exchange(m_waiting, std::nullopt));
}

TSAFrm* LookupRouter::target() const {
    if (m_lastActive && m_lastActive->isVisible()) return m_lastActive;
    return m_first;
}

instance::Answer LookupRouter::answer(const instance::Request& request) {
    TSAFrm* window = target();
    if (request.kind == instance::Request::Kind::Status) {
        return {true, {}, window ? stateOf(*window) : instance::WindowState{}};
    }
    if (window == nullptr) {
        m_waiting = request;
        if (QWidget* modal = QApplication::activeModalWidget()) bringToFront(*modal);
    } else {
        carryOut(*window, request);
    }
    return {};
}

void LookupRouter::carryOut(TSAFrm& window, const instance::Request& request) {
    if (request.kind == instance::Request::Kind::Lookup) window.lookUp(request.term);
    bringToFront(window);
}

}  // namespace termora
