#pragma once
// Hands search runs to the user-interface thread: a request returns at once
// and its run executes after the requesting handler has returned, one run at
// a time, in request order. Each run reads the window's state when it runs.

#include <QObject>

#include <functional>

namespace termora {

class SearchScheduler : public QObject {
    Q_OBJECT
public:
    SearchScheduler(std::function<void()> run, QObject* parent);

    void request();

    // Requests made but not yet run.
    int pending() const { return m_pending; }

private:
    void runOne();

    std::function<void()> m_run;
    int m_pending = 0;
};

}  // namespace termora
