// Start-up of the program up to the moment its profile manager has been painted, beside a bare Qt
// main window with a menu bar. Whole processes: the program itself in a prepared working
// directory, and the program zk_hole_okno, which links Qt Widgets only; both with the same small
// library zk_konec_po_vykresleni preloaded, which ends each once its window has been painted, so
// that the measuring part costs both the same; started by turns, so that the machine's load
// touches both alike. In one process: the main window's start-up
// beside the bare window shown by the same event loop. Budget: at most 1.2 times the baseline in
// wall time, CPU time and peak resident size.
#include "app/THlavniFormular.h"
#include "bench/PrvniVykresleni.h"
#include "profiles/ProfilovySklad.h"
#include "testsupport/TestovaciBanka.h"
#include "ui/Aplikace.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace {

using Hodiny = std::chrono::steady_clock;

// A working directory with a full bank, four listed profiles and the background picture the main
// window shows, as the data folder has them. The program's first start there keeps the profiles'
// order (PoradiProfilu.txt), as a learner's first start does.
void PripravAdresar(const std::filesystem::path& adresar)
{
    std::vector<Otazka> banka;
    for (int n = 1; n <= 757; ++n)
        if (n % 7 != 0)
            banka.push_back(JednoduchaOtazka(n));
    ZapisTestovaciBanku(adresar, banka);
    ZapisObrazkyVzoroveBanky(adresar);
    for (const char* obrazek : {"pozadi.jpg", "pozadi@2x.jpg", "pozadi@4x.jpg"})
        std::filesystem::copy_file(std::filesystem::path(ZK_ZDROJE) / "data" / "grafika" / obrazek,
                                   adresar / "grafika" / obrazek,
                                   std::filesystem::copy_options::overwrite_existing);
    {
        ProfilovySklad sklad(adresar);
        sklad.ZalozitTabulkuProfilu();
        for (const char* jmeno : {"Adam", "Bára", "Cyril", "Dana"})
            sklad.PridatProfil(jmeno, "1111111", "B", "111", "11", "1", "");
    }
}

// The baseline: a bare main window with a menu bar of the same size and a status bar.
void PostavHoleOkno(QMainWindow& okno)
{
    QMenuBar* menu = okno.menuBar();
    for (const char* nazev :
         {"&Program", "P&rofil", "&Konfigurace", "&Start", "&Výsledky", "&Informace"}) {
        QMenu* podmenu = menu->addMenu(QString::fromUtf8(nazev));
        for (int i = 0; i < 4; ++i)
            podmenu->addAction(QStringLiteral("Položka %1").arg(i));
    }
    okno.statusBar()->showMessage(QStringLiteral("Zebrovka"));
    okno.resize(632, 406);
    okno.show();
}

// A process to start: its program, the directory it starts in (else this one) and what it adds
// to the environment.
struct Dite {
    const char* program;
    std::string adresar;
    std::vector<std::string> prostredi;
};

// What one start of a process cost: wall time, the child's CPU time, its peak resident size.
struct Spotreba {
    double wallMs = 0, cpuMs = 0, rssMiB = 0;
};

// Starts `dite` once and waits for its end; false when it could not start or failed.
bool Spust(const Dite& dite, Spotreba& spotreba)
{
    char* argv[] = {const_cast<char*>(dite.program), nullptr};
    std::vector<std::string> prostredi = dite.prostredi;
    for (char** e = environ; *e; ++e)
        prostredi.emplace_back(*e);
    std::vector<char*> envp;
    for (std::string& p : prostredi)
        envp.push_back(p.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t akce;
    posix_spawn_file_actions_init(&akce);
    if (!dite.adresar.empty())
        posix_spawn_file_actions_addchdir_np(&akce, dite.adresar.c_str());
    const auto zacatek = Hodiny::now();
    pid_t pid = 0;
    const bool spusteno = posix_spawn(&pid, dite.program, &akce, nullptr, argv, envp.data()) == 0;
    posix_spawn_file_actions_destroy(&akce);
    if (!spusteno)
        return false;
    int vysledek = 0;
    rusage r {};
    wait4(pid, &vysledek, 0, &r);
    spotreba.wallMs = std::chrono::duration<double, std::milli>(Hodiny::now() - zacatek).count();
    spotreba.cpuMs = (r.ru_utime.tv_sec + r.ru_stime.tv_sec) * 1e3
        + (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e3;
    spotreba.rssMiB = static_cast<double>(r.ru_maxrss) / 1024.0;
    return WIFEXITED(vysledek) && WEXITSTATUS(vysledek) == 0;
}

double Median(std::vector<double> hodnoty)
{
    std::sort(hodnoty.begin(), hodnoty.end());
    const size_t n = hodnoty.size();
    return n == 0 ? 0 : n % 2 ? hodnoty[n / 2] : (hodnoty[n / 2 - 1] + hodnoty[n / 2]) / 2;
}

// Whole-process start-up of `dite` against `zaklad`, started by turns (in alternating order), so
// that a change in the machine's load between them touches both alike. The iteration time is the
// child's wall time; the counters give the medians of both (of the peak resident size too) and
// their ratios, and the largest peak resident size of each (the program's first start in a fresh
// working directory sorts the profiles with the collator, which later starts are spared).
void MerProtiZakladu(benchmark::State& stav, const Dite& dite, const Dite& zaklad)
{
    std::vector<double> wall[2], cpu[2], rss[2];
    bool poradi = false;
    for (auto _ : stav) {
        Spotreba s[2];
        for (int k = 0; k < 2; ++k) {
            const int i = k ^ static_cast<int>(poradi);
            if (!Spust(i == 0 ? dite : zaklad, s[i])) {
                stav.SkipWithError("a child process failed");
                return;
            }
        }
        poradi = !poradi;
        stav.SetIterationTime(s[0].wallMs / 1e3);
        for (int i = 0; i < 2; ++i) {
            wall[i].push_back(s[i].wallMs);
            cpu[i].push_back(s[i].cpuMs);
            rss[i].push_back(s[i].rssMiB);
        }
    }
    const double w[2] = {Median(wall[0]), Median(wall[1])};
    const double c[2] = {Median(cpu[0]), Median(cpu[1])};
    const double r[2] = {Median(rss[0]), Median(rss[1])};
    stav.counters["wall_ms"] = w[0];
    stav.counters["cpu_ms"] = c[0];
    stav.counters["rss_MiB"] = r[0];
    stav.counters["rss_max_MiB"] = *std::max_element(rss[0].begin(), rss[0].end());
    stav.counters["zaklad_wall_ms"] = w[1];
    stav.counters["zaklad_cpu_ms"] = c[1];
    stav.counters["zaklad_rss_MiB"] = r[1];
    stav.counters["zaklad_rss_max_MiB"] = *std::max_element(rss[1].begin(), rss[1].end());
    stav.counters["pomer_wall"] = w[0] / w[1];
    stav.counters["pomer_cpu"] = c[0] / c[1];
    stav.counters["pomer_rss"] = r[0] / r[1];
}

// The bare window, ended by the same preloaded library after the first paint of its main window.
const std::vector<std::string> kKonecHoleho = {"LD_PRELOAD=" ZK_KONEC_PO_VYKRESLENI,
                                               "ZK_KONEC_PO_HLAVNIM_OKNE=1"};

// The program as built, started in a working directory that holds the bank, as a learner starts
// it there, by turns with the bare window.
void BM_ProcesHlavniOkno(benchmark::State& stav)
{
    QTemporaryDir docasny;
    PripravAdresar(docasny.path().toStdString());
    MerProtiZakladu(
        stav, {ZK_PROGRAM, docasny.path().toStdString(), {"LD_PRELOAD=" ZK_KONEC_PO_VYKRESLENI}},
        {ZK_HOLE_OKNO, {}, kKonecHoleho});
}
BENCHMARK(BM_ProcesHlavniOkno)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(40);

// The bare window with Qt Charts, Qt PrintSupport and libsodium loaded as the program once loaded
// them, by turns with the bare window: what loading them alone costs.
void BM_ProcesHoleOknoSKnihovnami(benchmark::State& stav)
{
    MerProtiZakladu(stav, {ZK_HOLE_OKNO_KNIHOVNY, {}, kKonecHoleho},
                    {ZK_HOLE_OKNO, {}, kKonecHoleho});
}
BENCHMARK(BM_ProcesHoleOknoSKnihovnami)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(40);

void BM_StartHlavnihoOkna(benchmark::State& stav)
{
    QTemporaryDir docasny;
    const std::filesystem::path adresar = docasny.path().toStdString();
    PripravAdresar(adresar);
    for (auto _ : stav) {
        const auto zacatek = Hodiny::now();
        Hodiny::time_point zobrazeno {};
        PrvniVykresleni<QDialog> konec([&](QDialog* manazer) {
            zobrazeno = Hodiny::now();
            manazer->done(QDialog::Rejected);
        });
        THlavniFormular hlavni(adresar);
        if (hlavni.Spust() != THlavniFormular::Start::Ukoncen)
            stav.SkipWithError("the profile manager did not come up");
        stav.SetIterationTime(std::chrono::duration<double>(zobrazeno - zacatek).count());
        hlavni.hide();
    }
}
BENCHMARK(BM_StartHlavnihoOkna)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_HoleHlavniOknoSMenu(benchmark::State& stav)
{
    for (auto _ : stav) {
        const auto zacatek = Hodiny::now();
        QMainWindow okno;
        PostavHoleOkno(okno);
        Hodiny::time_point zobrazeno {};
        QEventLoop smycka;
        PrvniVykresleni<QMainWindow> konec([&](QMainWindow*) {
            zobrazeno = Hodiny::now();
            smycka.quit();
        });
        smycka.exec();
        stav.SetIterationTime(std::chrono::duration<double>(zobrazeno - zacatek).count());
    }
}
BENCHMARK(BM_HoleHlavniOknoSMenu)->UseManualTime()->Unit(benchmark::kMillisecond);

// Prints the runs as usual and keeps, per benchmark, its runs' ratios against the baseline (the
// whole-process benchmarks) or its mean wall and CPU time (the in-process ones), for the summary.
class ReporterSPomerem : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& behy) override
    {
        for (const Run& b : behy) {
            if (b.run_type != Run::RT_Iteration || b.error_occurred)
                continue;
            std::string jmeno = b.benchmark_name();
            jmeno = jmeno.substr(0, jmeno.find('/'));
            std::map<std::string, std::vector<double>>& s = behy_[jmeno];
            s["wall"].push_back(b.GetAdjustedRealTime());
            s["cpu"].push_back(b.GetAdjustedCPUTime());
            for (const auto& [nazev, citac] : b.counters)
                s[nazev].push_back(citac.value);
        }
        ConsoleReporter::ReportRuns(behy);
    }

    void VypisPomery() const
    {
        const auto prumer = [](const std::vector<double>& v) {
            double soucet = 0;
            for (double x : v)
                soucet += x;
            return soucet / static_cast<double>(v.size());
        };
        // The mean of the runs, with their range when there were several.
        const auto pomer = [&](const std::vector<double>& v) {
            std::printf("%.2fx", prumer(v));
            if (v.size() > 1)
                std::printf(" [%.2f-%.2f]", *std::min_element(v.begin(), v.end()),
                            *std::max_element(v.begin(), v.end()));
        };
        std::printf("\nStart-up against the bare Qt window (started by turns; medians of a run; "
                    "mean of the runs [range]):\n");
        for (const char* jmeno : {"BM_ProcesHlavniOkno", "BM_ProcesHoleOknoSKnihovnami"}) {
            const auto it = behy_.find(jmeno);
            if (it == behy_.end() || !it->second.count("pomer_cpu"))
                continue;
            const auto& s = it->second;
            std::printf("%s / bare window: wall ", jmeno);
            pomer(s.at("pomer_wall"));
            std::printf(" (%.1f / %.1f ms), CPU ", prumer(s.at("wall_ms")),
                        prumer(s.at("zaklad_wall_ms")));
            pomer(s.at("pomer_cpu"));
            std::printf(" (%.1f / %.1f ms), peak RSS ", prumer(s.at("cpu_ms")),
                        prumer(s.at("zaklad_cpu_ms")));
            pomer(s.at("pomer_rss"));
            std::printf(" (%.1f / %.1f MiB; largest %.1f / %.1f MiB)\n", prumer(s.at("rss_MiB")),
                        prumer(s.at("zaklad_rss_MiB")), prumer(s.at("rss_max_MiB")),
                        prumer(s.at("zaklad_rss_max_MiB")));
        }
        const auto a = behy_.find("BM_StartHlavnihoOkna");
        const auto b = behy_.find("BM_HoleHlavniOknoSMenu");
        if (a != behy_.end() && b != behy_.end()) {
            const double w[2] = {prumer(a->second.at("wall")), prumer(b->second.at("wall"))};
            const double c[2] = {prumer(a->second.at("cpu")), prumer(b->second.at("cpu"))};
            std::printf("BM_StartHlavnihoOkna / BM_HoleHlavniOknoSMenu (one process, warm): wall "
                        "%.2fx (%.2f / %.2f ms), CPU %.2fx (%.2f / %.2f ms)\n",
                        w[0] / w[1], w[0], w[1], c[0] / c[1], c[0], c[1]);
        }
        std::fflush(stdout);
    }

private:
    std::map<std::string, std::map<std::string, std::vector<double>>> behy_;
};

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The working directory the program starts in, prepared for running it under a profiler.
    if (argc == 3 && std::strcmp(argv[1], "--priprav") == 0) {
        QCoreApplication aplikace(argc, argv);
        PripravAdresar(argv[2]);
        return 0;
    }
    Aplikace aplikace(argc, argv);
    benchmark::Initialize(&argc, argv);
    ReporterSPomerem reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.VypisPomery();
    benchmark::Shutdown();
    return 0;
}
