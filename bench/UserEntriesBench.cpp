// The user's own entries at a size far beyond a hand-kept list: 100 000
// generated lines in a file of dictionaries/. Reading and merging them as
// the program does at start, and complete search runs into the dictionary
// page's widgets with them beside the built-in entries.

#include "common/GeneratedUserEntries.h"
#include "platform/UserDataFolder.h"
#include "store/AcronymStore.h"
#include "store/Dictionary.h"
#include "store/OwnEntries.h"
#include "store/UserFiles.h"
#include "views/DictionaryPage.h"
#include "views/DictionarySource.h"

#include <QApplication>
#include <QRadioButton>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

namespace {

constexpr int kLines = 100000;

using termora::AcronymStore;

// The folder with the generated file, written once.
const std::string& userFolder() {
    static const std::string folder = [] {
        const std::string f = termora::paths::userDataFolder();
        std::filesystem::create_directories(f + "dictionaries");
        std::ofstream(f + "dictionaries/generated.tsv", std::ios::binary) << termora::bench::generatedUserEntries(kLines);
        return f;
    }();
    return folder;
}

void BM_ReadAndParseFiles(benchmark::State& state) {
    const std::string& folder = userFolder();
    std::size_t entries = 0;
    for (auto _ : state) entries = termora::userfiles::load(folder).entries.size();
    state.counters["entries"] = static_cast<double>(entries);
}

void BM_MergeAndPack(benchmark::State& state) {
    const termora::UserEntries user = termora::userfiles::load(userFolder());
    int keys = 0;
    for (auto _ : state) keys = termora::OwnEntries(AcronymStore::builtIn().entries(), user.entries).addedKeys();
    state.counters["added keys"] = keys;
}

// All of it as a window gets it at start: files, merge, packing, key indexes.
void BM_LoadAtStart(benchmark::State& state) {
    const std::string& folder = userFolder();
    for (auto _ : state) {
        const termora::DictionarySource source(AcronymStore::builtIn(), folder);
        benchmark::DoNotOptimize(source.current().get());
    }
}

termora::DictionaryPage& page() {
    // Never destroyed: a widget must not outlive the application object,
    // which main destroys before the static objects.
    static auto* const instance = [] {
        static const termora::DictionarySource source(AcronymStore::builtIn(), userFolder());
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

void BM_WindowTypicalExact(benchmark::State& s) { searchRun(s, "m1", "ram"); }
void BM_WindowRelatedA(benchmark::State& s) { searchRun(s, "m2", "a"); }
void BM_WindowContainingTextE(benchmark::State& s) { searchRun(s, "m3", "e"); }
void BM_WindowFullListing(benchmark::State& s) { searchRun(s, "m1", "27041995"); }

BENCHMARK(BM_ReadAndParseFiles)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MergeAndPack)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadAtStart)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowTypicalExact)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowRelatedA)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowContainingTextE)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowFullListing)->Unit(benchmark::kMillisecond);

}  // namespace
