// Loading the browser list at start-up: Browser.dat read, sorted and put into
// the page's combo box, for lists of every size up to the largest accepted.

#include "web/BrowserList.h"
#include "web/OnlineSearchPage.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// Entries in no order, about 30 bytes each, as a browser list holds them.
QByteArray browserFile(int entries) {
    QByteArray bytes;
    for (int i = 0; i < entries; ++i) {
        bytes += "/opt/browser-" + QByteArray::number((i * 7919) % entries) + "/bin/run --new-window\r\n";
    }
    return bytes;
}

void BM_SortBrowserFile(benchmark::State& state) {
    const QByteArray bytes = browserFile(int(state.range(0)));
    for (auto _ : state) {
        auto list = termora::web::BrowserList::fromFile(bytes);
        benchmark::DoNotOptimize(list.entries().data());
    }
}

void loadIntoThePage(benchmark::State& state, const QByteArray& bytes) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Browser.dat");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) state.SkipWithError("cannot write");
    file.close();
    for (auto _ : state) {
        termora::OnlineSearchPage page(nullptr, path);
        page.loadBrowserList();
    }
}

void BM_LoadIntoThePage(benchmark::State& state) { loadIntoThePage(state, browserFile(int(state.range(0)))); }

// The worst file under the size bound: nothing but line breaks, each an
// empty entry.
void BM_LoadEmptyLinesIntoThePage(benchmark::State& state) {
    loadIntoThePage(state, QByteArray(int(state.range(0)), '\n'));
}

}  // namespace

BENCHMARK(BM_SortBrowserFile)->Arg(1000)->Arg(10'000)->Arg(100'000)->Arg(300'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadIntoThePage)->Arg(10)->Arg(1000)->Arg(6000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadEmptyLinesIntoThePage)->Arg(256 * 1024)->Unit(benchmark::kMillisecond);
