#include "profiles/ProfilovySklad.h"
#include "storage/Definice.h"
#include "storage/Tabulka.h"
#include "testsupport/DocasnaSlozka.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr int kZaznamu = 100000;
constexpr int kProfilu = 100;

std::string JmenoProfilu(int i) { return "Profil " + std::to_string(i) + " Řehoř"; }

void NaplnVysledek(Tabulka& t, int i, const std::string& profil)
{
    t.Vloz();
    t.PoleJmenem("TypTestu").NastavText(i % 2 ? "Procvičování" : "Zkoušení");
    t.PoleJmenem("Profil").NastavText(profil);
    t.PoleJmenem("Datum").NastavDatumCas(DatumCas {2024, 1 + i % 12, 1 + i % 28});
    t.PoleJmenem("Cas").NastavDatumCas(DatumCas {0, 0, 0, i % 24, i % 60, i % 60});
    t.PoleJmenem("Skupina").NastavText("B");
    t.PoleJmenem("Kategorie").NastavText("1234567");
    t.PoleJmenem("PocetOtazek").NastavCele(20);
    t.PoleJmenem("Spatne").NastavCele(i % 5);
    t.PoleJmenem("SpatneCisla").NastavText("12, 45, 300, 421");
    t.PoleJmenem("SNapovedou").NastavCele(0);
    t.PoleJmenem("Uspesnost").NastavCele(80);
}

// A Vysledky table of kZaznamu records in a temporary directory, removed at exit.
class VelkaTabulka {
public:
    VelkaTabulka()
    {
        Tabulka t;
        t.Svaz(adresar_, "Vysledky");
        t.Vytvor(DefiniceVysledky());
        t.Otevri();
        t.ZacniDavku();
        for (int i = 0; i < kZaznamu; ++i) {
            NaplnVysledek(t, i, JmenoProfilu(i % kProfilu));
            t.Uloz();
        }
        t.DokonciDavku();
    }
    const fs::path& Adresar() const { return adresar_; }

private:
    DocasnaSlozka slozka_;
    const fs::path adresar_ {slozka_.Cesta()};
};

const fs::path& Adresar()
{
    static const VelkaTabulka tabulka;
    return tabulka.Adresar();
}

void BM_OtevritFiltrovanePodleProfilu(benchmark::State& stav)
{
    const fs::path& adresar = Adresar();
    int i = 0;
    std::string filtr;
    for (auto _ : stav) {
        filtr = "Profil = '" + JmenoProfilu(i++ % kProfilu) + "'";
        Tabulka t;
        t.Svaz(adresar, "Vysledky");
        t.NastavFiltrText(filtr);
        t.Filtrovat(true);
        t.Otevri();
        if (t.PocetZaznamu() != kZaznamu / kProfilu)
            stav.SkipWithError("wrong record count");
        benchmark::DoNotOptimize(t.PocetZaznamu());
    }
}
BENCHMARK(BM_OtevritFiltrovanePodleProfilu)->Unit(benchmark::kMillisecond);

void BM_UlozitZaznam(benchmark::State& stav)
{
    Tabulka t;
    t.Svaz(Adresar(), "Vysledky");
    t.Otevri();
    int i = 0;
    // A profile of its own keeps the filtered counts of the other benchmark unchanged.
    for (auto _ : stav) {
        NaplnVysledek(t, i++, "Měření");
        t.Uloz();
    }
}
BENCHMARK(BM_UlozitZaznam)->Unit(benchmark::kMillisecond);

// A profile with kZaznamuProfilu records in Vysledky and as many in Protokoly, renamed back and
// forth: the three tables change as one unit each time.
constexpr int kZaznamuProfilu = 10000;

void BM_PrejmenovatProfil(benchmark::State& stav)
{
    const DocasnaSlozka slozka;
    const fs::path& adresar = slozka.Cesta();
    ProfilovySklad sklad(adresar);
    sklad.ZalozitTabulkuProfilu();
    sklad.PridatProfil("Měření", "1111111", "B", "111", "11", "1", "");
    for (const auto& [nazev, definice] : {std::pair {"Vysledky", DefiniceVysledky()},
                                          std::pair {"Protokoly", DefiniceProtokoly()}}) {
        Tabulka t;
        t.Svaz(adresar, nazev);
        t.Vytvor(definice);
        t.Otevri();
        t.ZacniDavku();
        for (int i = 0; i < kZaznamuProfilu; ++i) {
            t.Vloz();
            t.PoleJmenem("Profil").NastavText("Měření");
            t.PoleJmenem("Skupina").NastavText("B");
            t.Uloz();
        }
        t.DokonciDavku();
    }
    const std::string jmena[2] = {"Měření", "Měření 2"};
    int i = 0;
    for (auto _ : stav) {
        sklad.PrejmenovatProfil(jmena[i % 2], jmena[(i + 1) % 2]);
        ++i;
    }
    Tabulka t;
    t.Svaz(adresar, "Protokoly");
    t.NastavFiltrText("Profil = '" + jmena[i % 2] + "'");
    t.Filtrovat(true);
    t.Otevri();
    if (t.PocetZaznamu() != kZaznamuProfilu)
        stav.SkipWithError("records were lost");
}
BENCHMARK(BM_PrejmenovatProfil)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
