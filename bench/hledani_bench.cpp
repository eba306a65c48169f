// Search of the shipped bank by words (Ctrl+F in browse mode). Budget: one search over the whole
// bank, the list of matching numbers included, under 10 ms; building the index at first use is
// measured beside it.
#include "questions/Banka.h"
#include "questions/HledaniOtazek.h"
#include "questions/gui/PanelHledani.h"

#include <QLineEdit>
#include <QListWidget>

#include <benchmark/benchmark.h>

#include <string>

namespace {

const Banka& DodanaBanka()
{
    static const Banka banka = [] {
        Banka b;
        b.Nacti(ZK_DODANA_BANKA);
        return b;
    }();
    return banka;
}

// Common and rare words, with and without diacritics, one and several words, a short prefix.
const char* const kDotazy[] = {
    "vozidlo", "krizovatka", "řidič musí",  "přednost v jízdě",    "tramvaj",
    "dálnice", "a",          "zdravotnick", "motorové vozidlo smí"};

void BM_HledaniVCeleBance(benchmark::State& stav)
{
    HledaniOtazek hledani(DodanaBanka());
    const std::string dotaz = kDotazy[stav.range(0)];
    std::size_t nalezeno = 0;
    for (auto _ : stav) {
        const auto cisla = hledani.Hledej(dotaz);
        nalezeno = cisla.size();
        benchmark::DoNotOptimize(cisla.data());
    }
    stav.SetLabel(dotaz + ": " + std::to_string(nalezeno));
}
BENCHMARK(BM_HledaniVCeleBance)
    ->DenseRange(0, std::size(kDotazy) - 1)
    ->Unit(benchmark::kMillisecond);

// What the learner waits for: the words typed into the search field, the list filled.
void BM_HledaniVOkne(benchmark::State& stav)
{
    PanelHledani panel(DodanaBanka(), nullptr);
    panel.resize(480, 308);
    panel.Otevri();
    auto* pole = panel.findChild<QLineEdit*>(QStringLiteral("eHledani"));
    auto* seznam = panel.findChild<QListWidget*>(QStringLiteral("lwVysledky"));
    const QString dotaz = QString::fromUtf8(kDotazy[stav.range(0)]);
    int nalezeno = 0;
    for (auto _ : stav) {
        pole->setText(dotaz);
        nalezeno = seznam->count();
        stav.PauseTiming();
        pole->clear();
        stav.ResumeTiming();
    }
    stav.SetLabel(dotaz.toStdString() + ": " + std::to_string(nalezeno));
}
BENCHMARK(BM_HledaniVOkne)->Arg(0)->Arg(2)->Arg(6)->Unit(benchmark::kMillisecond);

void BM_StavbaRejstriku(benchmark::State& stav)
{
    for (auto _ : stav) {
        HledaniOtazek hledani(DodanaBanka());
        benchmark::DoNotOptimize(&hledani);
    }
}
BENCHMARK(BM_StavbaRejstriku)->Unit(benchmark::kMillisecond);

}  // namespace
