#pragma once
// Records the command lines handed to StartProcess instead of starting them.

#include "ProcessStarter.h"

#include <QStringList>

namespace termora::testing {

class ProcessRecorder : public ProcessStarter {
public:
    ProcessRecorder() { ProcessService::install(this); }
    ~ProcessRecorder() override { ProcessService::install(nullptr); }
    void start(const QString& commandLine, bool wait) override {
        started.append(commandLine);
        waited.append(wait);
    }
    QStringList started;
    QList<bool> waited;
};

}  // namespace termora::testing
