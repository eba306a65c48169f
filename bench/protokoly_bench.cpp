// Opening the points-test protocol list over a large Protokoly table shared by many profiles, up
// to the grid having painted its rows (offscreen by default). Budget: 50 ms at 100,000 records of
// one profile; the scale 1,000 / 10,000 / 100,000 should not grow. The tables lie in the
// temporary folder (TMPDIR on a real disk, not tmpfs).
#include "storage/Definice.h"
#include "storage/Tabulka.h"
#include "test/Protokol.h"
#include "test/gui/TSeznamTestu.h"
#include "testsupport/DocasnaSlozka.h"

#include <benchmark/benchmark.h>

#include <QAbstractItemModel>
#include <QTableView>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>

namespace fs = std::filesystem;

namespace {

constexpr int kProfilu = 40;

std::string JmenoProfilu(int i) { return "Řidič " + std::to_string(i) + " O'Brien"; }

// A Protokoly table of `zaznamu` records spread over `profilu` profiles in a temporary
// directory, removed at exit.
class VelkaTabulka {
public:
    VelkaTabulka(int profilu, int zaznamu)
    {
        std::array<int, kPocetPozicTestu> body {};
        std::array<std::string, kPocetPozicTestu> odpovedi;
        for (int i = 0; i < kPocetPozicTestu; ++i) {
            body[static_cast<std::size_t>(i)] = 1 + i % 4;
            odpovedi[static_cast<std::size_t>(i)] = i % 3 ? "AB" : "C";
        }
        const std::string memoBody = ZakodujMemo(body);
        const std::string memoOdpovedi = ZakodujMemo(odpovedi);
        Tabulka t;
        t.Svaz(adresar_, "Protokoly");
        t.Vytvor(DefiniceProtokoly());
        t.Otevri();
        t.ZacniDavku();
        for (int i = 0; i < zaznamu; ++i) {
            t.Vloz();
            t.PoleJmenem("Profil").NastavText(JmenoProfilu(i % profilu));
            t.PoleJmenem("DatumACas")
                .NastavDatumCas(DatumCas {2025, 1 + i % 12, 1 + i % 28, i % 24, i % 60, i % 60});
            t.PoleJmenem("Skupina").NastavText("B");
            t.PoleJmenem("DelkaTestu").NastavText("17:05");
            t.PoleJmenem("Spravne").NastavCele(20);
            t.PoleJmenem("PocetBodu").NastavCele(40 + i % 26);
            t.PoleJmenem("MinPocetBodu").NastavCele(56);
            t.PoleJmenem("Verdikt").NastavText(i % 26 >= 16 ? "Prošel" : "Neprošel");
            t.PoleJmenem("Body").NastavText(memoBody);
            t.PoleJmenem("Odpoved").NastavText(memoOdpovedi);
            t.PoleJmenem("SpravnaOdpoved").NastavText(memoOdpovedi);
            t.PoleJmenem("SkutCis").NastavText(memoBody);
            t.Uloz();
        }
        t.DokonciDavku();
    }
    const fs::path& Adresar() const { return adresar_; }

private:
    DocasnaSlozka slozka_;
    const fs::path adresar_ {slozka_.Cesta()};
};

// One profile's list among kProfilu (10,000 records, 250 rows), and the whole table when it all
// belongs to one profile, at 1,000, 10,000 and 100,000 records.
void BM_OtevreniSeznamuTestu(benchmark::State& stav)
{
    static std::map<std::pair<int, int>, std::unique_ptr<VelkaTabulka>> tabulky;
    const auto klic =
        std::make_pair(static_cast<int>(stav.range(0)), static_cast<int>(stav.range(1)));
    auto& tabulka = tabulky[klic];
    if (!tabulka)
        tabulka = std::make_unique<VelkaTabulka>(klic.first, klic.second);
    const fs::path& adresar = tabulka->Adresar();
    int radku = 0;
    for (auto _ : stav) {
        TSeznamTestu seznam(adresar, JmenoProfilu(0));
        seznam.show();
        auto* mrizka = seznam.findChild<QTableView*>(QStringLiteral("DBGrid1"));
        mrizka->viewport()->repaint();
        radku = mrizka->model()->rowCount();
        if (mrizka->model()->index(0, 2).data().toString().isEmpty())
            stav.SkipWithError("the grid shows no rows");
    }
    stav.counters["radku"] = radku;
}
BENCHMARK(BM_OtevreniSeznamuTestu)
    ->Args({kProfilu, 10000})
    ->Args({1, 1000})
    ->Args({1, 10000})
    ->Args({1, 100000})
    ->Unit(benchmark::kMillisecond);

}  // namespace
