// Lookups of the question bank: a random run may ask OtazkaExistuje hundreds of times before it
// shows one question. Budget: BM_OtazkaExistuje under 5 µs per call. The sign-in reads the
// shipped bank's records: BM_NactiDodanouBanku within a frame (16 ms).
#include "questions/Banka.h"
#include "testsupport/TestovaciBanka.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace {

// A 729-question fixture bank: every number except the 28 withdrawn for good.
const Banka& Vzorek()
{
    static const Banka banka = [] {
        const std::vector<int> vyrazena {181, 274, 355, 388, 502, 523, 544, 545, 547, 550,
                                         552, 553, 554, 555, 558, 559, 560, 561, 563, 565,
                                         566, 568, 569, 570, 573, 575, 577, 579};
        Banka b;
        b.NactiZ(
            UmelaBanka([](int c) { return std::string(c % 4 == 0 ? "CD" : "ABCD"); }, vyrazena));
        return b;
    }();
    return banka;
}

// One call per iteration, walking over 0..758 so that present, withdrawn and out-of-range
// numbers all occur.
void BM_OtazkaExistuje(benchmark::State& stav)
{
    const Banka& banka = Vzorek();
    int cislo = 0;
    for (auto _ : stav) {
        benchmark::DoNotOptimize(banka.OtazkaExistuje(cislo));
        cislo = cislo == 758 ? 0 : cislo + 1;
    }
}
BENCHMARK(BM_OtazkaExistuje);

// Counting all seven categories for a group, as a run's preparation does.
void BM_PocetVKategoriich(benchmark::State& stav)
{
    const Banka& banka = Vzorek();
    for (auto _ : stav)
        for (int k = 1; k <= 7; ++k)
            benchmark::DoNotOptimize(banka.PocetVKategorii(k, "B"));
}
BENCHMARK(BM_PocetVKategoriich);

// The shipped bank as the build made it, read whole and checked as the sign-in does.
void BM_NactiDodanouBanku(benchmark::State& stav)
{
    for (auto _ : stav) {
        Banka b;
        b.Nacti(ZK_DODANA_BANKA);
        benchmark::DoNotOptimize(b.Vse().size());
    }
}
BENCHMARK(BM_NactiDodanouBanku)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
