// The memory update of one evaluated answer: find the question's state in a profile's memory of
// the whole bank, grade the answer and store the state after it. Budget: 1 ms CPU per answer.
// Beside it, the day's due order and spread order over the whole bank, which a review run asks
// for once at its start.
#include "questions/Kategorie.h"
#include "questions/Pamet.h"

#include <benchmark/benchmark.h>

#include <numeric>

namespace {

// A learner's memory of the whole bank after some weeks: every question answered, on dates
// spread over March.
PametProfilu PametBanky()
{
    PametProfilu pamet;
    for (int c = 1; c <= kNejvyssiCislo; ++c) {
        StavPameti s;
        const int odpovedi = 1 + c % 4;
        for (int i = 0; i < odpovedi; ++i)
            s = PoOdpovedi(s, (c + i) % 5 == 0 ? Hodnoceni::Znovu : Hodnoceni::Dobre,
                           {2026, 3, 1 + (c + 5 * i) % 28, 9 + i, 0, 0, 0});
        pamet[c] = s;
    }
    return pamet;
}

void BM_OdpovedDoPameti(benchmark::State& stav)
{
    PametProfilu pamet = PametBanky();
    int cislo = 1;
    int den = 0;
    for (auto _ : stav) {
        const VysledekPokusu vysledek =
            cislo % 7 == 0 ? VysledekPokusu::Spatne : VysledekPokusu::Spravne;
        StavPameti& s = pamet[cislo];
        s = PoOdpovedi(s, HodnoceniOdpovedi(vysledek), {2026, 4, 1 + den % 28, 12, 0, 0, 0});
        benchmark::DoNotOptimize(s);
        cislo = cislo % kNejvyssiCislo + 1;
        if (cislo == 1)
            ++den;
    }
}

void BM_PoradiOpakovaniBanky(benchmark::State& stav)
{
    const PametProfilu pamet = PametBanky();
    std::size_t splatnych = 0;
    for (auto _ : stav) {
        const std::vector<int> poradi = PoradiOpakovani(pamet, {2026, 4, 10, 12, 0, 0, 0}, 0.9);
        splatnych = poradi.size();
        benchmark::DoNotOptimize(poradi.data());
    }
    if (splatnych == 0)
        stav.SkipWithError("nothing was due");
    stav.counters["splatnych"] = static_cast<double>(splatnych);
}

void BM_PoradiNovychBanky(benchmark::State& stav)
{
    std::vector<int> banka(kNejvyssiCislo);
    std::iota(banka.begin(), banka.end(), 1);
    std::uint32_t seed = 0;
    for (auto _ : stav) {
        const std::vector<int> poradi = PoradiNovych(banka, ++seed);
        benchmark::DoNotOptimize(poradi.data());
    }
}

BENCHMARK(BM_OdpovedDoPameti);
BENCHMARK(BM_PoradiOpakovaniBanky)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PoradiNovychBanky)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
