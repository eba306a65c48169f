#include "questions/Banka.h"
#include "questions/PametProfilu.h"
#include "questions/Statistika.h"
#include "storage/Definice.h"
#include "storage/Tabulka.h"
#include "test/OdhadUspechu.h"
#include "test/gui/TStatistikaUceni.h"
#include "testsupport/TestovaciBanka.h"
#include "testsupport/DocasnaSlozka.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kProfilu = 10;

std::string JmenoProfilu(int i) { return "Žák " + std::to_string(i); }

// A bank of 729 questions and a Statistika table with a record of each for 10 profiles.
class Historie {
public:
    Historie()
    {
        std::vector<int> vyrazene;
        for (int c = 1; c <= 757 && vyrazene.size() < 28; c += 27)
            vyrazene.push_back(c);
        banka_.NactiZ(UmelaBanka([](int) { return std::string("ABCD"); }, vyrazene));
        Tabulka t;
        t.Svaz(adresar_, "Statistika");
        t.Vytvor(DefiniceStatistika());
        t.Otevri();
        t.ZacniDavku();
        for (int p = 0; p < kProfilu; ++p)
            for (const Otazka& o : banka_.Vse()) {
                t.Vloz();
                t.PoleJmenem("Profil").NastavText(JmenoProfilu(p));
                t.PoleJmenem("Cislo").NastavCele(o.cislo);
                const int polozeno = 1 + (o.cislo + p) % 5;
                const int spatne = (o.cislo * 7 + p) % 3 == 0 ? 1 : 0;
                t.PoleJmenem("Polozeno").NastavCele(polozeno);
                t.PoleJmenem("Spravne").NastavCele(polozeno - spatne);
                t.PoleJmenem("Spatne").NastavCele(spatne);
                t.PoleJmenem("Napoveda").NastavCele(0);
                t.PoleJmenem("RadaSpravnych").NastavCele(spatne ? 0 : polozeno);
                t.PoleJmenem("Posledni").NastavDatumCas({2026, 1, 1 + o.cislo % 28, 10, 0, 0, 0});
                t.PoleJmenem("Naposledy").NastavText(spatne ? "C" : "S");
                t.Uloz();
            }
        t.DokonciDavku();
    }
    const fs::path& Adresar() const { return adresar_; }
    const Banka& Bank() const { return banka_; }

private:
    DocasnaSlozka slozka_;
    const fs::path adresar_ {slozka_.Cesta()};
    Banka banka_;
};

Historie& Sdilena()
{
    static Historie h;
    return h;
}

// One evaluated answer: the learner's record found among 7290 and rewritten durably.
void BM_ZapisJednohoZaznamu(benchmark::State& stav)
{
    Historie& h = Sdilena();
    int i = 0;
    for (auto _ : stav) {
        const int cislo = h.Bank().Vse()[static_cast<std::size_t>(i++ % 729)].cislo;
        ZapisPokusy(h.Adresar(), JmenoProfilu(4), {{cislo, VysledekPokusu::Spatne}},
                    {2026, 2, 1, 9, 0, 0, 0});
    }
}
BENCHMARK(BM_ZapisJednohoZaznamu)->Unit(benchmark::kMillisecond);

// What the statistics need on opening: the learner's records, the counts per category, the 20
// questions answered wrongly most often, and the pass-chance estimate with its defaults.
void BM_DataStatistikyVcetneOdhadu(benchmark::State& stav)
{
    Historie& h = Sdilena();
    for (auto _ : stav) {
        const StatistikaProfilu s = NactiStatistiku(h.Adresar(), JmenoProfilu(7));
        Nastaveni n;
        const std::vector<int> poradi = PoradiProcvicovaniChyb(h.Bank(), n, s);
        const OdhadUspechu odhad = OdhadniUspech(h.Bank(), "B", s, 12345);
        benchmark::DoNotOptimize(poradi.data());
        benchmark::DoNotOptimize(odhad.pravdepodobnost);
    }
}
BENCHMARK(BM_DataStatistikyVcetneOdhadu)->Unit(benchmark::kMillisecond);

// Opening the window: the learner's records read, every part built, the estimate included.
void BM_OtevritOknoStatistiky(benchmark::State& stav)
{
    Historie& h = Sdilena();
    Nastaveni n;
    n.aktivniProfil = JmenoProfilu(3);
    for (auto _ : stav) {
        const StatistikaProfilu s = NactiStatistiku(h.Adresar(), n.aktivniProfil);
        TStatistikaUceni okno(h.Bank(), n, s, 777, nullptr);
        benchmark::DoNotOptimize(okno.Odhad().pravdepodobnost);
    }
}
BENCHMARK(BM_OtevritOknoStatistiky)->Unit(benchmark::kMillisecond);

// The same for a learner who practised before the memory was kept: the records read, the memory
// read (no table) and derived from every record, and the window built with it.
void BM_OtevritOknoSOdvozenouPameti(benchmark::State& stav)
{
    Historie& h = Sdilena();
    Nastaveni n;
    n.aktivniProfil = JmenoProfilu(5);
    for (auto _ : stav) {
        const StatistikaProfilu s = NactiStatistiku(h.Adresar(), n.aktivniProfil);
        UcebniPamet ucebni;
        ucebni.pamet = NactiPametProfilu(h.Adresar(), n.aktivniProfil, s);
        ucebni.dnes = {2026, 2, 1, 9, 0, 0, 0};
        TStatistikaUceni okno(h.Bank(), n, s, 777, nullptr, nullptr, {}, ucebni);
        benchmark::DoNotOptimize(okno.Odhad().pravdepodobnost);
    }
}
BENCHMARK(BM_OtevritOknoSOdvozenouPameti)->Unit(benchmark::kMillisecond);

// Deriving the memory of 729 questions answered 60 times each (40 right, 20 wrong or hinted).
void BM_OdvozeniPametiDlouheHistorie(benchmark::State& stav)
{
    StatistikaProfilu s;
    for (const Otazka& o : Sdilena().Bank().Vse())
        s[o.cislo] = {o.cislo,
                      60,
                      40,
                      15,
                      5,
                      o.cislo % 7,
                      {2026, 1, 1 + o.cislo % 28, 10, 0, 0, 0},
                      o.cislo % 7 ? VysledekPokusu::Spravne : VysledekPokusu::Spatne};
    for (auto _ : stav) {
        PametProfilu pamet;
        DoplnPametZeStatistiky(pamet, s);
        benchmark::DoNotOptimize(pamet.size());
    }
}
BENCHMARK(BM_OdvozeniPametiDlouheHistorie)->Unit(benchmark::kMillisecond);

}  // namespace
