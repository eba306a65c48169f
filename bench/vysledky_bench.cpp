// Opening the results list over a large Vysledky table, up to the grid having drawn its rows.
#include "questions/Banka.h"
#include "questions/Relace.h"
#include "results/gui/TProtocol.h"
#include "testsupport/TestovaciBanka.h"
#include "ui/ModelTabulky.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QTableView>
#include <QTemporaryDir>

#include <filesystem>

namespace {

constexpr int kZaznamu = 100000;

// A Vysledky table of `zaznamu` records spread over `profilu` profiles, half practice, half
// exam; written once per profile count.
const std::filesystem::path& Tabulka(int profilu, int zaznamu)
{
    static std::map<std::pair<int, int>, std::unique_ptr<QTemporaryDir>> adresare;
    auto& adresar = adresare[{profilu, zaznamu}];
    if (!adresar) {
        adresar = std::make_unique<QTemporaryDir>(QDir::tempPath()
                                                  + QStringLiteral("/zk-vysledky-XXXXXX"));
        std::vector<TestovaciVysledek> zaznamy(static_cast<std::size_t>(zaznamu));
        for (int i = 0; i < zaznamu; ++i) {
            TestovaciVysledek& z = zaznamy[static_cast<std::size_t>(i)];
            z.profil = "Profil " + std::to_string(i % profilu) + " Řehoř";
            z.typ = (i / profilu) % 2 ? "Zkoušení" : "Procvičování";
            z.datum = DatumCas {2024, 1 + i % 12, 1 + i % 28};
            z.cas = DatumCas {0, 0, 0, i % 24, i % 60, i % 60};
            z.spatne = i % 5;
            z.spatneCisla = "12, 45, 300, 421";
            z.uspesnost = i % 101;
        }
        ZapisVysledky(adresar->path().toStdString(), zaznamy);
    }
    static std::map<std::pair<int, int>, std::filesystem::path> cesty;
    return cesty[{profilu, zaznamu}] = adresar->path().toStdString();
}

void MerSeznam(benchmark::State& stav, int profilu, int zaznamu = kZaznamu)
{
    const std::filesystem::path adresar = Tabulka(profilu, zaznamu);
    Banka banka;
    Relace relace;
    relace.nastaveni.aktivniProfil = profilu > 7 ? "Profil 7 Řehoř" : "Profil 0 Řehoř";
    int radku = 0;
    for (auto _ : stav) {
        TProtocol seznam(adresar, false, banka, relace);
        seznam.show();
        auto* mrizka = seznam.findChild<QTableView*>(QStringLiteral("DBGrid1"));
        // Painting the grid reads the rows it shows.
        const QPixmap obraz = mrizka->viewport()->grab();
        benchmark::DoNotOptimize(obraz.cacheKey());
        radku = seznam.Model().rowCount();
        if (mrizka->model()->index(0, 6).data().toString().isEmpty())
            stav.SkipWithError("the grid shows no rows");
    }
    stav.counters["radku"] = radku;
    // ZK_SNIMEK=<file.png>: a picture of the list as opened, to look at.
    if (const QString snimek = qEnvironmentVariable("ZK_SNIMEK"); !snimek.isEmpty()) {
        TProtocol seznam(adresar, false, banka, relace);
        seznam.show();
        seznam.grab().save(snimek);
    }
}

// The reference case: many profiles, the list shows one profile's practice runs.
void BM_SeznamVysledkuMnohoProfilu(benchmark::State& stav) { MerSeznam(stav, 100); }
BENCHMARK(BM_SeznamVysledkuMnohoProfilu)->Unit(benchmark::kMillisecond);

// The extreme: every record belongs to the profile, half of them to the list.
void BM_SeznamVysledkuJedenProfil(benchmark::State& stav) { MerSeznam(stav, 1); }
BENCHMARK(BM_SeznamVysledkuJedenProfil)->Unit(benchmark::kMillisecond);

// The scale: one profile with 1,000, 10,000 and 100,000 records; the first screen should not
// grow with the count.
void BM_SeznamVysledkuMeritko(benchmark::State& stav)
{
    MerSeznam(stav, 1, static_cast<int>(stav.range(0)));
}
BENCHMARK(BM_SeznamVysledkuMeritko)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
