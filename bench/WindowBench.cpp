// A complete search run into the dictionary page's widgets: matching, both
// presentations filled and sorted, the first key shown, the length buckets,
// and the page laid out and painted (offscreen). Over the built-in
// dictionary, and with 100 000 generated entries of the user's beside it.

#include "common/GeneratedUserEntries.h"
#include "store/AcronymStore.h"
#include "views/DictionaryPage.h"
#include "views/DictionarySource.h"

#include <QApplication>
#include <QRadioButton>

#include <benchmark/benchmark.h>

namespace {

using termora::AcronymStore;
using termora::DictionaryPage;
using termora::DictionarySource;

// A page over the source, shown. Never destroyed: a widget must not outlive
// the application object, which main destroys before the static objects.
DictionaryPage& shownPage(const DictionarySource& source) {
    auto* created = new DictionaryPage(source);
    created->show();
    return *created;
}

DictionaryPage& builtInPage() {
    static const DictionarySource source(AcronymStore::builtIn());
    static DictionaryPage& page = shownPage(source);
    return page;
}

DictionaryPage& pageWithUserEntries() {
    static const DictionarySource source(AcronymStore::builtIn(), termora::bench::writeGeneratedUserEntries(100000));
    static DictionaryPage& page = shownPage(source);
    return page;
}

void searchRun(benchmark::State& state, DictionaryPage& page, const char* method, const char* text) {
    page.findChild<QRadioButton*>(method)->setChecked(true);
    page.setSearchText(text);
    for (auto _ : state) {
        page.DoSearch();
        QCoreApplication::processEvents();
        page.repaint();
    }
    state.counters["hits"] = static_cast<double>(page.lengthBuckets().bucket(0).size());
}

void BM_TypicalExact(benchmark::State& s) { searchRun(s, builtInPage(), "m1", "ram"); }
void BM_ThousandsRelated(benchmark::State& s) { searchRun(s, builtInPage(), "m2", "a"); }
void BM_FullListing(benchmark::State& s) { searchRun(s, builtInPage(), "m1", "27041995"); }
void BM_UserEntriesTypicalExact(benchmark::State& s) { searchRun(s, pageWithUserEntries(), "m1", "ram"); }
void BM_UserEntriesRelatedA(benchmark::State& s) { searchRun(s, pageWithUserEntries(), "m2", "a"); }
void BM_UserEntriesContainingTextE(benchmark::State& s) { searchRun(s, pageWithUserEntries(), "m3", "e"); }
void BM_UserEntriesFullListing(benchmark::State& s) { searchRun(s, pageWithUserEntries(), "m1", "27041995"); }

BENCHMARK(BM_TypicalExact)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ThousandsRelated)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullListing)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UserEntriesTypicalExact)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UserEntriesRelatedA)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UserEntriesContainingTextE)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UserEntriesFullListing)->Unit(benchmark::kMillisecond);

}  // namespace
