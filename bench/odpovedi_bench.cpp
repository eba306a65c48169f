// One evaluated answer as the program stores it: Statistika, the answer log and the memory state
// in one durable write, the history switch read first. On a real disk (/work/tmp), with a log of
// 30 000 answers of 4 profiles and a memory record of every question.
#include "questions/PametProfilu.h"
#include "storage/ZapisStatistiky.h"
#include "testsupport/DocasnaSlozka.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The process's user and kernel CPU time in microseconds.
std::pair<double, double> CasProcesoru()
{
    rusage r {};
    getrusage(RUSAGE_SELF, &r);
    return {r.ru_utime.tv_sec * 1e6 + r.ru_utime.tv_usec,
            r.ru_stime.tv_sec * 1e6 + r.ru_stime.tv_usec};
}

// Reports the CPU time per answer split into user (the program and the engine) and kernel (the
// file system's work for the durable commit).
template <typename F> void MerUzivatelAJadro(benchmark::State& stav, F&& krok)
{
    const auto [u0, s0] = CasProcesoru();
    for (auto _ : stav)
        krok();
    const auto [u1, s1] = CasProcesoru();
    const double n = static_cast<double>(stav.iterations());
    stav.counters["uzivatel_us"] = (u1 - u0) / n;
    stav.counters["jadro_us"] = (s1 - s0) / n;
}

// Where the tables go: ZK_BENCH_SLOZKA puts them elsewhere (a memory file system shows the cost
// without the disk's work).
fs::path KorenTabulek()
{
    const char* jinde = std::getenv("ZK_BENCH_SLOZKA");
    return jinde                  ? fs::path(jinde)
        : fs::exists("/work/tmp") ? fs::path("/work/tmp")
                                  : fs::temp_directory_path();
}

class Uceni {
public:
    Uceni()
    {
        for (int p = 0; p < 4; ++p)
            for (int den = 1; den <= 10; ++den) {
                std::vector<Odpoved> davka;
                for (int c = 1; c <= 757; ++c)
                    davka.push_back(
                        {c,
                         {2026, 1, den, 10, 0, 0, 0},
                         RezimOdpovedi::Procvicovani,
                         "A",
                         (c + den) % 4 == 0 ? VysledekPokusu::Spatne : VysledekPokusu::Spravne,
                         5000});
                ZapisOdpovedi(adresar_, "Žák " + std::to_string(p), davka);
            }
        // The preferences table exists, stored an hour ago as a learner's would have been.
        NastavLimitNovych(adresar_, "Žák 2", 15);
        fs::last_write_time(adresar_ / "Predvolby.DB",
                            fs::file_time_type::clock::now() - std::chrono::hours(1));
    }
    // The folder goes once the connection is closed.
    ~Uceni() { ZavriSpojeniStatistiky(); }
    const fs::path& Adresar() const { return adresar_; }

private:
    DocasnaSlozka slozka_ {KorenTabulek()};
    const fs::path adresar_ {slozka_.Cesta()};
};

void BM_OdpovedLogAPamet(benchmark::State& stav)
{
    static Uceni u;
    int i = 0;
    MerUzivatelAJadro(stav, [&] {
        const int cislo = 1 + (i++ * 37) % 757;
        ZapisOdpovedi(u.Adresar(), "Žák 2",
                      {{cislo,
                        {2026, 2, 1, 9, 0, 0, 0},
                        RezimOdpovedi::Opakovani,
                        "B",
                        VysledekPokusu::Spatne,
                        4321}});
    });
}
BENCHMARK(BM_OdpovedLogAPamet)->Unit(benchmark::kMicrosecond);

// Its parts: the history switch alone, and Statistika alone as before the log existed.
void BM_PredvolbaHistorie(benchmark::State& stav)
{
    static Uceni u;
    for (auto _ : stav)
        benchmark::DoNotOptimize(UkladatHistorii(u.Adresar(), "Žák 2"));
}
BENCHMARK(BM_PredvolbaHistorie)->Unit(benchmark::kMicrosecond);

void BM_JenStatistika(benchmark::State& stav)
{
    static Uceni u;
    int i = 0;
    MerUzivatelAJadro(stav, [&] {
        ZapisPokusy(u.Adresar(), "Žák 2", {{1 + (i++ * 37) % 757, VysledekPokusu::Spatne}},
                    {2026, 2, 1, 9, 0, 0, 0});
    });
}
BENCHMARK(BM_JenStatistika)->Unit(benchmark::kMicrosecond);

// What the statistics window reads for the confusions: the learner's 7570 logged answers.
void BM_CteniLoguProfilu(benchmark::State& stav)
{
    static Uceni u;
    for (auto _ : stav)
        benchmark::DoNotOptimize(NactiOdpovedi(u.Adresar(), "Žák 1").size());
}
BENCHMARK(BM_CteniLoguProfilu)->Unit(benchmark::kMillisecond);

}  // namespace
