// One new junction situation as the drill will serve it: generate it (with the solver and the
// answers from mistakes), solve it once more, write its scene, read it with the scene generator
// and draw the picture. Budget: 20 ms per situation. Every iteration takes the next seed, so the
// figure is an average over many different situations; `max_ms` is the slowest one seen
// (wall), `max_cpu_ms` the most processor time one took.
// The scene is written to a real disk (under /work/tmp when it exists, else the build folder).
#include "krizovatky/Generator.h"
#include "krizovatky/Krizovatka.h"
#include "tools/situace/Situace.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QImage>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <fstream>

namespace {

double CpuMs()
{
    timespec t {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

QString Slozka()
{
    const QString koren = QDir(QStringLiteral("/work/tmp")).exists() ? QStringLiteral("/work/tmp")
                                                                     : QDir::currentPath();
    const QString s = koren + QStringLiteral("/bench_krizovatky");
    QDir().mkpath(s);
    return s;
}

void BM_SituaceKrizovatky(benchmark::State& state)
{
    const QString soubor = Slozka() + QStringLiteral("/scena.yaml");
    std::uint32_t seed = 1;
    double nejdele = 0, nejdeleCpu = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const double startCpu = CpuMs();
        const GenerovanaSituace g = GenerujSituaci(seed++);
        const Reseni r = ResPoradi(g.scena);
        {
            std::ofstream f(soubor.toStdString(), std::ios::binary | std::ios::trunc);
            f << ScenaDoYaml(g.scena);
        }
        Scena scena;
        QString chyba;
        if (!NactiScenu(soubor, &scena, &chyba)) {
            state.SkipWithError(chyba.toStdString().c_str());
            break;
        }
        const QImage obrazek = KresliScenu(scena);
        benchmark::DoNotOptimize(obrazek.constBits());
        benchmark::DoNotOptimize(r.kroky.data());
        nejdeleCpu = std::max(nejdeleCpu, CpuMs() - startCpu);
        nejdele = std::max(
            nejdele,
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    state.counters["max_ms"] = nejdele;
    state.counters["max_cpu_ms"] = nejdeleCpu;
}
BENCHMARK(BM_SituaceKrizovatky)->Unit(benchmark::kMillisecond);

// The same as the drill window does it for each new situation: generate (with the solver and the
// answers from mistakes), solve once more, read the scene from its text and draw it at the size
// of the picture in the window as it opens (600 x 440), with the vehicles' places for the badges.
void BM_SituaceVOkneDrilu(benchmark::State& state)
{
    std::uint32_t seed = 1;
    double nejdele = 0, nejdeleCpu = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const double startCpu = CpuMs();
        const GenerovanaSituace g = GenerujSituaci(seed++);
        const Reseni r = ResPoradi(g.scena);
        Scena scena;
        QString chyba;
        if (!CtiScenu(ScenaDoYaml(g.scena), QStringLiteral("situace"), &scena, &chyba)) {
            state.SkipWithError(chyba.toStdString().c_str());
            break;
        }
        const QImage obrazek = KresliScenu(scena, QSize(600, 440));
        const std::vector<QPointF> polohy = PolohyVozidel(scena, QSize(600, 440));
        benchmark::DoNotOptimize(obrazek.constBits());
        benchmark::DoNotOptimize(polohy.data());
        benchmark::DoNotOptimize(r.kroky.data());
        nejdeleCpu = std::max(nejdeleCpu, CpuMs() - startCpu);
        nejdele = std::max(
            nejdele,
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    state.counters["max_ms"] = nejdele;
    state.counters["max_cpu_ms"] = nejdeleCpu;
}
BENCHMARK(BM_SituaceVOkneDrilu)->Unit(benchmark::kMillisecond);

}  // namespace
