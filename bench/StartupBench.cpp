// Start-up to the shown main window, and resident memory afterwards. Run it
// under `time` (or hyperfine) for the whole process including loading.

#include "TSAFrm.h"
#include "TermoraApplication.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <cstdio>

namespace {

QByteArray residentMemory() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return "unknown";
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed();
    }
    return "unknown";
}

}  // namespace

int main(int argc, char** argv) {
    QElapsedTimer clock;
    clock.start();
    termora::TermoraApplication app(argc, argv);
    termora::TSAFrm window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    QCoreApplication::processEvents();
    std::printf("start-up to shown window: %lld ms (from main)\nresident memory: %s\n",
                static_cast<long long>(clock.elapsed()), residentMemory().constData());
    return 0;
}
