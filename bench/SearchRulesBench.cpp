// Each match rule over the whole compiled-in dictionary in its worst cases.

#include "search/KeyOrder.h"
#include "search/SearchRun.h"
#include "store/AcronymStore.h"

#include <benchmark/benchmark.h>

namespace {

using termora::AcronymStore;
using termora::SearchMethod;

void runMethod(benchmark::State& state, const char* text, SearchMethod method, bool same) {
    const AcronymStore& store = AcronymStore::builtIn();
    std::size_t hits = 0;
    for (auto _ : state) {
        auto result = termora::runSearch(store, text, method, same);
        hits = result.size();
        benchmark::DoNotOptimize(result.data());
    }
    state.counters["hits"] = static_cast<double>(hits);
}

void BM_RelatedA(benchmark::State& s) { runMethod(s, "a", SearchMethod::Related, true); }
void BM_ContainingTextE(benchmark::State& s) { runMethod(s, "e", SearchMethod::ContainingText, true); }
void BM_Anagram12SameLength(benchmark::State& s) { runMethod(s, "computerdata", SearchMethod::Anagram, true); }
void BM_Anagram12AnyLength(benchmark::State& s) { runMethod(s, "computerdata", SearchMethod::Anagram, false); }
void BM_ExactTypical(benchmark::State& s) { runMethod(s, "ram", SearchMethod::Exact, true); }
void BM_FullListing(benchmark::State& s) { runMethod(s, termora::kFullListingCode.data(), SearchMethod::Exact, true); }

void BM_FullListingSorted(benchmark::State& state) {
    const AcronymStore& store = AcronymStore::builtIn();
    for (auto _ : state) {
        auto result = termora::runSearch(store, termora::kFullListingCode, SearchMethod::Exact, true);
        termora::sortByKey(result);
        benchmark::DoNotOptimize(result.data());
    }
}

void BM_KeyIndexesBuilt(benchmark::State& state) {
    const AcronymStore& builtIn = AcronymStore::builtIn();
    AcronymStore::Tables tables{};
    for (int b = 0; b < termora::kLetterBucketCount; ++b) tables[static_cast<std::size_t>(b)] = builtIn.table(b);
    for (auto _ : state) {
        AcronymStore store(tables);
        benchmark::DoNotOptimize(&store);
    }
}

BENCHMARK(BM_RelatedA)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ContainingTextE)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Anagram12SameLength)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Anagram12AnyLength)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ExactTypical)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullListing)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullListingSorted)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeyIndexesBuilt)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
