#include "questions/Banka.h"
#include "questions/Kategorie.h"
#include "questions/Statistika.h"
#include "test/Pripravenost.h"
#include "test/gui/TStatistikaUceni.h"
#include "testsupport/ZapisBanky.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// The bank of 757 questions with their sections, in a folder on the disk the program runs from
// (ZK_BENCH_DIR or the current one); a learner two weeks from the exam date stored there, with 60
// days of answers: every question first met on one of the first 30 days and then met again
// 3, 10 and 25 days later, one in six answers wrong, 12 s each.
struct Prostredi {
    QTemporaryDir docasny {qEnvironmentVariable("ZK_BENCH_DIR", QDir::currentPath())
                           + QStringLiteral("/pripravenost-XXXXXX")};
    fs::path adresar = docasny.path().toStdString();
    Banka banka;
    std::vector<int> oblasti = std::vector<int>(758, 0);
    std::vector<OdpovedUcenice> odpovedi;
    DatumCas dnes {2026, 5, 4, 10};

    Prostredi()
    {
        banka.NactiZ(BankaTriOdpovedi());
        for (const auto& [c, o] : OblastiPodleKategorii(banka.Vse()))
            oblasti[static_cast<std::size_t>(c)] = o;
        int i = 0;
        for (int c = 1; c <= 757; ++c)
            for (int posun : {0, 3, 10, 25}) {
                const int den = c % 30 + posun;
                DatumCas kdy = PosunDne(dnes, den - 60);
                kdy.hodina = 17;
                kdy.minuta = c % 60;
                odpovedi.push_back({c, kdy,
                                    ++i % 6 == 0 ? VysledekPokusu::Spatne : VysledekPokusu::Spravne,
                                    12000});
            }
        UlozDatumZkousky(adresar, "Jana", PosunDne(dnes, 14));
    }
};

Prostredi& Sdilene()
{
    static Prostredi p;
    return p;
}

// Opening "Statistika učení" for the learner, up to the window shown: the records and the exam
// date read from the disk, the memory model learnt from the answers, both formats estimated for
// today, every part built and shown once.
void BM_OtevritOknoStatistiky(benchmark::State& stav)
{
    Prostredi& p = Sdilene();
    Nastaveni n;
    n.aktivniProfil = "Jana";
    for (auto _ : stav) {
        const StatistikaProfilu s = NactiStatistiku(p.adresar, n.aktivniProfil);
        const VstupPripravenosti vstup {p.adresar, n.aktivniProfil, PametZOdpovedi(p.odpovedi),
                                        p.odpovedi, p.dnes};
        TStatistikaUceni okno(p.banka, n, s, 777, nullptr, nullptr, p.oblasti, {}, &vstup);
        okno.show();
        benchmark::DoNotOptimize(okno.DnesniPripravenost().platny.pravdepodobnost);
        stav.PauseTiming();
        while (!okno.PripravenostHotova())
            QCoreApplication::processEvents();
        stav.ResumeTiming();
    }
}
BENCHMARK(BM_OtevritOknoStatistiky)->Unit(benchmark::kMillisecond);

// The same up to the plan shown: the exam day's estimate, the past days, the plan and the chart.
void BM_OknoStatistikyAzPoPlan(benchmark::State& stav)
{
    Prostredi& p = Sdilene();
    Nastaveni n;
    n.aktivniProfil = "Jana";
    for (auto _ : stav) {
        const StatistikaProfilu s = NactiStatistiku(p.adresar, n.aktivniProfil);
        const VstupPripravenosti vstup {p.adresar, n.aktivniProfil, PametZOdpovedi(p.odpovedi),
                                        p.odpovedi, p.dnes};
        TStatistikaUceni okno(p.banka, n, s, 777, nullptr, nullptr, p.oblasti, {}, &vstup);
        okno.show();
        while (!okno.PripravenostHotova())
            QCoreApplication::processEvents();
        benchmark::DoNotOptimize(okno.PlanPripravenosti().novychDenne);
    }
}
BENCHMARK(BM_OknoStatistikyAzPoPlan)->Unit(benchmark::kMillisecond);

// The plan for an exam 60 days away, for a beginner and for the learner above.
void BM_Plan60Dni(benchmark::State& stav)
{
    Prostredi& p = Sdilene();
    const bool zacatecnik = stav.range(0) == 0;
    const std::vector<OdpovedUcenice> odpovedi =
        zacatecnik ? std::vector<OdpovedUcenice> {} : p.odpovedi;
    const FormatyZkousky formaty = PripravFormaty(p.banka, p.oblasti, "B", 777);
    const ModelUcenice model = SestavModelUcenice(odpovedi);
    const auto drazy = LosujUcenice(model, 10, 777);
    const PametProfilu pamet = PametZOdpovedi(odpovedi);
    for (auto _ : stav) {
        const PlanUceni plan = Naplanuj(formaty, pamet, model, drazy, p.dnes, PosunDne(p.dnes, 60));
        benchmark::DoNotOptimize(plan.novychDenne);
    }
}
BENCHMARK(BM_Plan60Dni)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
