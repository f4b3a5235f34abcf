// A complete search run into the dictionary page's widgets: matching, both
// presentations filled and sorted, the first key shown, the length buckets,
// and the page laid out and painted (offscreen).

#include "store/AcronymStore.h"
#include "views/DictionaryPage.h"
#include "views/DictionarySource.h"

#include <QApplication>
#include <QRadioButton>

#include <benchmark/benchmark.h>

namespace {

termora::DictionaryPage& page() {
    // Never destroyed: a widget must not outlive the application object,
    // which main destroys before the static objects.
    static auto* const instance = [] {
        static const termora::DictionarySource source(termora::AcronymStore::builtIn());
        auto* created = new termora::DictionaryPage(source);
        created->show();
        return created;
    }();
    return *instance;
}

void searchRun(benchmark::State& state, const char* method, const char* text) {
    auto& p = page();
    p.findChild<QRadioButton*>(method)->setChecked(true);
    p.setSearchText(text);
    for (auto _ : state) {
        p.DoSearch();
        QCoreApplication::processEvents();
        p.repaint();
    }
    state.counters["hits"] = static_cast<double>(p.lengthBuckets().bucket(0).size());
}

void BM_TypicalExact(benchmark::State& s) { searchRun(s, "m1", "ram"); }
void BM_ThousandsRelated(benchmark::State& s) { searchRun(s, "m2", "a"); }
void BM_FullListing(benchmark::State& s) { searchRun(s, "m1", "27041995"); }

BENCHMARK(BM_TypicalExact)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ThousandsRelated)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullListing)->Unit(benchmark::kMillisecond);

}  // namespace
