#include "search/SearchScheduler.h"

#include <QScopeGuard>

namespace termora {

SearchScheduler::SearchScheduler(std::function<void()> run, QObject* parent) : QObject(parent), m_run(std::move(run)) {}

void SearchScheduler::request() {
    ++m_pending;
    // Queued calls run from the event loop in the order they were posted.
    QMetaObject::invokeMethod(this, &SearchScheduler::runOne, Qt::QueuedConnection);
}

void SearchScheduler::runOne() {
    // A run that fails ends only itself; later requests still run.
    const auto done = qScopeGuard([this] { --m_pending; });
    m_run();
}

}  // namespace termora
