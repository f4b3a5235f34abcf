#pragma once
// Records the words of the programs handed to StartProcess instead of
// starting them.

#include "platform/ProcessStarter.h"

#include <QStringList>

namespace termora::testing {

class ProcessRecorder : public ProcessStarter {
public:
    ProcessRecorder() { ProcessService::install(this); }
    ~ProcessRecorder() override { ProcessService::install(nullptr); }
    void start(const QStringList& words, bool wait) override {
        started.append(words);
        waited.append(wait);
    }
    QList<QStringList> started;
    QList<bool> waited;
};

}  // namespace termora::testing
