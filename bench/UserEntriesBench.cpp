// The user's own entries at a size far beyond a hand-kept list: 100 000
// generated lines in a file of dictionaries/, read, merged and packed as the
// window does at start (search runs with them: window_bench).

#include "common/GeneratedUserEntries.h"
#include "store/AcronymStore.h"
#include "store/OwnEntries.h"
#include "store/UserFiles.h"
#include "views/DictionarySource.h"

#include <benchmark/benchmark.h>

namespace {

using termora::AcronymStore;

const std::string& userFolder() {
    static const std::string folder = termora::bench::writeGeneratedUserEntries(100000);
    return folder;
}

void BM_ReadAndParseFiles(benchmark::State& state) {
    std::size_t entries = 0;
    for (auto _ : state) entries = termora::userfiles::load(userFolder()).entries.size();
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
    for (auto _ : state) {
        const termora::DictionarySource source(AcronymStore::builtIn(), userFolder());
        benchmark::DoNotOptimize(source.current().get());
    }
}

BENCHMARK(BM_ReadAndParseFiles)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MergeAndPack)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadAtStart)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
