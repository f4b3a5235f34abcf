// Start-up to the shown main window, and resident memory afterwards. Run it
// under `time` (or hyperfine) for the whole process including loading.
// With a number of lines (startup_bench 100000) the user has a generated
// dictionary file of that many lines (GeneratedUserEntries.h).

#include "common/GeneratedUserEntries.h"
#include "app/TermoraApplication.h"
#include "app/TSAFrm.h"
#include "base/TermoraConstants.h"
#include "platform/Registry.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <cstdio>
#include <cstdlib>

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
    // The benchmark runs in a fresh configuration of its own, where the
    // donation window would open first and wait for a click.
    termora::registry::WriteUserRegString(QString::fromLatin1(termora::constants::kSupportRegistryKey),
                                          QString::fromLatin1(termora::constants::kProductNumber), QStringLiteral("0"));
    if (argc > 1) termora::bench::writeGeneratedUserEntries(std::atoi(argv[1]));
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
