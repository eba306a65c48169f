// One random practice run over every available question of a full 757-question bank: the walk's
// rejection sampling is at its slowest near the end of such a run. Budget: under 20 ms for the
// two runs together.
#include "questions/Banka.h"
#include "questions/Beh.h"
#include "testsupport/RucniHodiny.h"
#include "testsupport/TestovaciBanka.h"

#include <benchmark/benchmark.h>

namespace {

const Banka& PlnaBanka()
{
    static const Banka banka = [] {
        // About a third of the bank is for every group, the rest for some groups only.
        Banka b;
        b.NactiZ(UmelaBanka(
            [](int c) { return std::string(c % 3 == 0 ? "ABCD" : (c % 3 == 1 ? "AB" : "BCD")); }));
        return b;
    }();
    return banka;
}

void BM_NahodnyBehPresVse(benchmark::State& stav, const char* skupina)
{
    const Banka& banka = PlnaBanka();
    Nastaveni nastaveni;
    nastaveni.skupina = skupina;
    nastaveni.postupnyVyber = false;
    const int dostupnych = PocetDostupnych(banka, nastaveni);
    RucniHodiny hodiny;
    for (auto _ : stav) {
        StavBehu beh;
        PripravBeh(beh, banka, nastaveni, dostupnych, 1);
        ZacniBeh(beh, StavOpakovaniZaznamu {});
        int ukazano = 0;
        while (beh.zbyva > 0 && DalsiOtazka(beh, banka, nastaveni, hodiny) != 0) {
            ++ukazano;
            hodiny.msUtc = (hodiny.msUtc + 2311) % 86400000u;
        }
        if (ukazano != dostupnych)
            stav.SkipWithError("the run did not ask every available question");
        benchmark::DoNotOptimize(beh.otazky.data());
    }
    stav.counters["otazek"] = dostupnych;
}

BENCHMARK_CAPTURE(BM_NahodnyBehPresVse, B, "B")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_NahodnyBehPresVse, T, "T")->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
