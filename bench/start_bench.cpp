// Start-up of the program up to the moment its profile manager has been painted, beside a bare Qt
// main window with a menu bar. Whole processes: the program itself in a prepared working
// directory, and the program zk_hole_okno, which links Qt Widgets only; both with the same small
// library zk_konec_po_vykresleni preloaded, which ends each once its window has been painted, so
// that the measuring part costs both the same. In one process: the main window's start-up
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
// window shows, as the data folder has them.
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

// Whole-process start-up: a fresh process of `program`, to its end, in the directory `adresar`
// (else this one) with `prostredi` added to the environment; the child's CPU time and peak
// resident size beside the wall time (the machine may be loaded).
void MerProces(benchmark::State& stav, const char* program, const std::string& adresar = {},
               std::vector<std::string> prostredi = {})
{
    char* argv[] = {const_cast<char*>(program), nullptr};
    for (char** e = environ; *e; ++e)
        prostredi.emplace_back(*e);
    std::vector<char*> envp;
    for (std::string& p : prostredi)
        envp.push_back(p.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t akce;
    posix_spawn_file_actions_init(&akce);
    if (!adresar.empty())
        posix_spawn_file_actions_addchdir_np(&akce, adresar.c_str());
    double cpuMs = 0;
    long rssKiB = 0;
    for (auto _ : stav) {
        pid_t dite = 0;
        if (posix_spawn(&dite, program, &akce, nullptr, argv, envp.data()) != 0) {
            stav.SkipWithError("cannot start a child process");
            break;
        }
        int vysledek = 0;
        rusage spotreba {};
        wait4(dite, &vysledek, 0, &spotreba);
        if (!WIFEXITED(vysledek) || WEXITSTATUS(vysledek) != 0)
            stav.SkipWithError("the child process failed");
        cpuMs += (spotreba.ru_utime.tv_sec + spotreba.ru_stime.tv_sec) * 1e3
            + (spotreba.ru_utime.tv_usec + spotreba.ru_stime.tv_usec) / 1e3;
        rssKiB = std::max(rssKiB, spotreba.ru_maxrss);
    }
    posix_spawn_file_actions_destroy(&akce);
    stav.counters["cpu_ms"] = benchmark::Counter(cpuMs, benchmark::Counter::kAvgIterations);
    stav.counters["rss_MiB"] = static_cast<double>(rssKiB) / 1024.0;
}

// The program as built, started in a working directory that holds the bank, as a learner starts
// it there.
void BM_ProcesHlavniOkno(benchmark::State& stav)
{
    QTemporaryDir docasny;
    PripravAdresar(docasny.path().toStdString());
    MerProces(stav, ZK_PROGRAM, docasny.path().toStdString(),
              {"LD_PRELOAD=" ZK_KONEC_PO_VYKRESLENI});
}
BENCHMARK(BM_ProcesHlavniOkno)->Unit(benchmark::kMillisecond)->UseRealTime();

// The bare window, ended by the same preloaded library after the first paint of its main window.
const std::vector<std::string> kKonecHoleho = {"LD_PRELOAD=" ZK_KONEC_PO_VYKRESLENI,
                                               "ZK_KONEC_PO_HLAVNIM_OKNE=1"};

void BM_ProcesHoleOkno(benchmark::State& stav) { MerProces(stav, ZK_HOLE_OKNO, {}, kKonecHoleho); }
BENCHMARK(BM_ProcesHoleOkno)->Unit(benchmark::kMillisecond)->UseRealTime();

// The bare window with Qt Charts, Qt PrintSupport and libsodium loaded as the program loads them.
void BM_ProcesHoleOknoSKnihovnami(benchmark::State& stav)
{
    MerProces(stav, ZK_HOLE_OKNO_KNIHOVNY, {}, kKonecHoleho);
}
BENCHMARK(BM_ProcesHoleOknoSKnihovnami)->Unit(benchmark::kMillisecond)->UseRealTime();

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

// Prints the runs as usual and keeps, per benchmark, the mean wall time, CPU time and counters of
// its runs, for the ratios against the bare window.
class ReporterSPomerem : public benchmark::ConsoleReporter {
public:
    struct Souhrn {
        double wall = 0, cpu = 0, cpuDite = 0, rss = 0;
        int behu = 0;
    };

    void ReportRuns(const std::vector<Run>& behy) override
    {
        for (const Run& b : behy) {
            if (b.run_type != Run::RT_Iteration || b.error_occurred)
                continue;
            std::string jmeno = b.benchmark_name();
            jmeno = jmeno.substr(0, jmeno.find('/'));
            Souhrn& s = souhrny_[jmeno];
            s.wall += b.GetAdjustedRealTime();
            s.cpu += b.GetAdjustedCPUTime();
            if (const auto it = b.counters.find("cpu_ms"); it != b.counters.end())
                s.cpuDite += it->second.value;
            if (const auto it = b.counters.find("rss_MiB"); it != b.counters.end())
                s.rss = std::max(s.rss, it->second.value);
            ++s.behu;
        }
        ConsoleReporter::ReportRuns(behy);
    }

    void VypisPomery() const
    {
        const auto par = [&](const char* program, const char* hole, bool proces) {
            const auto a = souhrny_.find(program);
            const auto b = souhrny_.find(hole);
            if (a == souhrny_.end() || b == souhrny_.end() || a->second.behu == 0
                || b->second.behu == 0)
                return;
            const Souhrn& p = a->second;
            const Souhrn& h = b->second;
            std::printf("%s / %s: wall %.2fx (%.1f / %.1f ms)", program, hole,
                        (p.wall / p.behu) / (h.wall / h.behu), p.wall / p.behu, h.wall / h.behu);
            if (proces)
                std::printf(", CPU %.2fx (%.1f / %.1f ms), peak RSS %.2fx (%.1f / %.1f MiB)\n",
                            (p.cpuDite / p.behu) / (h.cpuDite / h.behu), p.cpuDite / p.behu,
                            h.cpuDite / h.behu, p.rss / h.rss, p.rss, h.rss);
            else
                std::printf(", CPU %.2fx (%.1f / %.1f ms)\n", (p.cpu / p.behu) / (h.cpu / h.behu),
                            p.cpu / p.behu, h.cpu / h.behu);
        };
        std::printf("\nStart-up against the bare Qt window:\n");
        par("BM_ProcesHlavniOkno", "BM_ProcesHoleOkno", true);
        par("BM_ProcesHoleOknoSKnihovnami", "BM_ProcesHoleOkno", true);
        par("BM_StartHlavnihoOkna", "BM_HoleHlavniOknoSMenu", false);
        std::fflush(stdout);
    }

private:
    std::map<std::string, Souhrn> souhrny_;
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
