// Drawing a question and choosing the next one, with the real widgets (offscreen by default).
// Budgets: BM_ZobrazOtazku median under 2 ms for a picture question (fetch, the six text
// layouts, decoding the picture); BM_DalsiOtazka median under 5 ms per question (the right click
// that moves on) of a random practice run through the main window over the full 757-number bank,
// averaged over whole runs,
// so that the slow end of a run (most draws repeat) counts as often as its start.
// BM_PotvrzeniOdpovedi: confirming a marked answer in a random practice run (evaluation, marks,
// the history update on disk), budget 2 ms CPU and p99 16 ms wall per answer.
// BM_OtazkaSVysvetlenim median under 2 ms: a question shown, answered and its note shown below
// the answers with the answer marks, the panel painted both times, over all 757 numbers.
// Picture caching is switched off: every picture is decoded from its file, as on first sight.
#include "app/THlavniFormular.h"
#include "profiles/ProfilovySklad.h"
#include "questions/Banka.h"
#include "questions/Statistika.h"
#include "questions/gui/PanelOtazek.h"
#include "questions/gui/TDotazPZ.h"
#include "testsupport/RucniHodiny.h"
#include "testsupport/TestovaciBanka.h"
#include "ui/Aplikace.h"
#include "ui/MereniTextu.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Texts of the length the bank's questions have: a question of two lines, answers of one or two.
std::string Text(const char* zaklad, int n, int opakovani)
{
    std::string text;
    for (int i = 0; i < opakovani; ++i)
        text += std::string(zaklad) + " ";
    return text + std::to_string(n) + ".";
}

Otazka PlnaOtazka(int n)
{
    Otazka o;
    o.cislo = n;
    o.otazka = Text(
        "Smí řidič motorového vozidla v této situaci odbočit vlevo, když mu to nezakazuje značka?",
        n, 2);
    o.a = Text("Ano, ale jen když nikoho neohrozí.", n, 2);
    o.b = Text("Ne, nikdy.", n, 1);
    o.c = Text("Ano, pokud dá znamení o změně směru jízdy včas a zřetelně.", n, 2);
    o.d = n % 4 == 0 ? Text("Jen v obci.", n, 1) : std::string();
    o.spravne = n % 3 == 0 ? "AC" : "B";
    o.skupina = n % 3 == 0 ? "ABCD" : (n % 3 == 1 ? "AB" : "BCD");
    if (n > 620)
        o.obrazek = "grafika/" + std::to_string(n) + ".jpg";
    o.poznamka =
        Text("Poznámka k otázce: rozhoduje dopravní značka a situace na křižovatce.", n, 1);
    return o;
}

std::vector<Otazka> PlnaBanka()
{
    std::vector<Otazka> otazky;
    for (int n = 1; n <= 757; ++n)
        otazky.push_back(PlnaOtazka(n));
    return otazky;
}

// A picture with some detail, so that decoding it is not trivially cheap.
void ZapisObrazky(const fs::path& adresar)
{
    const QString grafika = QString::fromStdString((adresar / "grafika").string());
    QDir().mkpath(grafika);
    for (int n = 621; n <= 757; ++n) {
        QImage obraz(n > 720 ? 300 : 96, n > 720 ? 110 : 96, QImage::Format_RGB32);
        QPainter malir(&obraz);
        malir.fillRect(obraz.rect(), QColor(200, 220, 240));
        for (int i = 0; i < 12; ++i)
            malir.fillRect((i * 37 + n) % obraz.width(), (i * 23) % obraz.height(), 20, 14,
                           QColor::fromHsv((i * 30 + n) % 360, 200, 200));
        malir.drawText(obraz.rect(), Qt::AlignCenter, QString::number(n));
        malir.end();
        obraz.save(grafika + QStringLiteral("/%1.jpg").arg(n), "JPEG", 90);
    }
    for (const char* znacka : {"yes", "no", "mistake"}) {
        QImage z(18, 18, QImage::Format_RGB32);
        z.fill(Qt::green);
        z.save(grafika + QStringLiteral("/%1.jpg").arg(QLatin1String(znacka)), "JPEG", 90);
    }
}

// Calls `akce` with the next modal window once it is shown.
void OdpovezModalnimu(std::function<void(QWidget*)> akce)
{
    auto* casovac = new QTimer(qApp);
    casovac->setInterval(5);
    QObject::connect(casovac, &QTimer::timeout, qApp, [casovac, akce] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || !w->isVisible())
            return;
        casovac->stop();
        casovac->deleteLater();
        akce(w);
    });
    casovac->start();
}

// The full bank, its pictures and Jana's profile in `adresar`.
void PripravAdresar(const fs::path& adresar)
{
    ZapisObrazky(adresar);
    ZapisTestovaciBanku(adresar, PlnaBanka());
    ProfilovySklad sklad(adresar);
    sklad.ZalozitTabulkuProfilu();
    sklad.PridatProfil("Jana", "1111111", "B", "000", "10", "1", "");
}

// Starts the main window with Jana signed in through the profile manager.
bool PrihlasJanu(THlavniFormular& hlavni)
{
    OdpovezModalnimu([](QWidget* w) {
        auto* seznam = w->findChild<QListWidget*>(QStringLiteral("lbProfil"));
        const auto nalezene = seznam->findItems(QStringLiteral("Jana"), Qt::MatchExactly);
        seznam->setCurrentItem(nalezene.front());
        seznam->itemClicked(nalezene.front());
        w->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
    });
    return hlavni.Spust() == THlavniFormular::Start::Prihlasen;
}

// Starts a practice run as long as the run dialog allows; returns its length.
int ZacniProcvicovaniCeleBanky(THlavniFormular& hlavni)
{
    int delka = 0;
    OdpovezModalnimu([&delka](QWidget* w) {
        auto* dotaz = qobject_cast<TDotazPZ*>(w);
        auto* pocet = dotaz->findChild<QScrollBar*>(QStringLiteral("sbPocet"));
        pocet->setValue(pocet->maximum());
        delka = pocet->value();
        dotaz->findChild<QPushButton*>(QStringLiteral("btnPotvrdit"))->click();
    });
    hlavni.findChild<QAction*>(QStringLiteral("M1Procvicovat"))->trigger();
    return delka;
}

// The learner's right click on the question panel: evaluates, or moves on to the next question.
void PravyKlik(QWidget* panel)
{
    QMouseEvent klik(QEvent::MouseButtonPress, QPointF(5, 5), panel->mapToGlobal(QPointF(5, 5)),
                     Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QCoreApplication::sendEvent(panel, &klik);
}

void BM_ZobrazOtazku(benchmark::State& stav)
{
    QTemporaryDir docasny;
    const fs::path adresar = docasny.path().toStdString();
    ZapisObrazky(adresar);
    Banka banka;
    banka.NactiZ(PlnaBanka());
    PanelOtazek panel(banka, adresar, nullptr);
    panel.resize(632, 316);
    panel.show();
    // Picture questions of both layouts, each with its own file.
    const QWidget* poznamka = panel.findChild<QWidget*>(QStringLiteral("stPoznamka"));
    int n = 621;
    for (auto _ : stav) {
        panel.ZobrazOtazku(n);
        benchmark::DoNotOptimize(poznamka->y());
        n = n == 757 ? 621 : n + 1;
    }
    if (!panel.findChild<QLabel*>(QStringLiteral("imgObrazek"))->isVisible())
        stav.SkipWithError("the picture was not shown");
}

void BM_OtazkaSVysvetlenim(benchmark::State& stav)
{
    QTemporaryDir docasny;
    const fs::path adresar = docasny.path().toStdString();
    ZapisObrazky(adresar);
    Banka banka;
    banka.NactiZ(PlnaBanka());
    PanelOtazek panel(banka, adresar, nullptr);
    panel.resize(632, 316);
    panel.show();
    int n = 1;
    for (auto _ : stav) {
        panel.NactiZnacku(-1, QStringLiteral("yes.jpg"));
        panel.SkryjZnacky();
        panel.SkryjVysvetleni();
        panel.ZobrazOtazku(n);
        panel.repaint();
        // The evaluated answer: a wrong mark, a missed one, and the note.
        panel.UkazZnacku(0, QStringLiteral("no.jpg"));
        panel.UkazZnacku(1, QStringLiteral("mistake.jpg"));
        panel.ZobrazVysvetleni();
        panel.repaint();
        n = n == 757 ? 1 : n + 1;
    }
    const auto* poznamka = panel.findChild<StatickyText*>(QStringLiteral("stPoznamka"));
    if (!poznamka->isVisible() || poznamka->text().isEmpty())
        stav.SkipWithError("the note was not shown");
}

void BM_DalsiOtazka(benchmark::State& stav)
{
    QTemporaryDir docasny;
    const fs::path adresar = docasny.path().toStdString();
    PripravAdresar(adresar);
    RucniHodiny hodiny;
    hodiny.msUtc = 36'000'000;
    NastavHodiny(&hodiny);
    THlavniFormular hlavni(adresar);
    if (!PrihlasJanu(hlavni)) {
        stav.SkipWithError("sign-in failed");
        NastavHodiny(nullptr);
        return;
    }
    const int delka = ZacniProcvicovaniCeleBanky(hlavni);
    if (hlavni.Rezim() != QStringLiteral("Procvicovani")
        || !hlavni.findChild<QAction*>(QStringLiteral("M1NahodnyVyber"))->isChecked()
        || delka != 757) {
        stav.SkipWithError("no random practice run over the whole bank");
        NastavHodiny(nullptr);
        return;
    }

    // Each iteration moves on to the next question with a right click, as after an evaluated
    // answer; a run starts from an empty run list.
    auto* panel = hlavni.findChild<QWidget*>(QStringLiteral("pOtazky"));
    hlavni.relace.beh.zbyva = 0;
    for (auto _ : stav) {
        if (hlavni.relace.beh.zbyva == 0) {
            stav.PauseTiming();
            hlavni.relace.beh.otazky.assign(static_cast<std::size_t>(delka), 0);
            hlavni.relace.beh.celkem = hlavni.relace.beh.zbyva = delka;
            stav.ResumeTiming();
        }
        hlavni.relace.beh.cekaNaOdpoved = false;
        PravyKlik(panel);
        hodiny.msUtc += 1;
    }
    if (panel->findChild<QLabel*>(QStringLiteral("lbCisloOtazky"))->text()
        != QStringLiteral("Otázka číslo %1").arg(hlavni.relace.beh.cisloOtazky))
        stav.SkipWithError("the panel does not show the question chosen last");
    stav.counters["otazek"] = delka;
    hlavni.relace.beh.zbyva = 0;
    hlavni.NastavRezim(QStringLiteral("Procvicovani"), false);
    NastavHodiny(nullptr);
}

double CasCpuMs()
{
    timespec t {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double Kvantil(std::vector<double> hodnoty, double q)
{
    if (hodnoty.empty())
        return 0;
    std::sort(hodnoty.begin(), hodnoty.end());
    const auto i = static_cast<std::size_t>(q * static_cast<double>(hodnoty.size() - 1) + 0.5);
    return hodnoty[std::min(i, hodnoty.size() - 1)];
}

// Each iteration marks one answer of the shown question (key B) and confirms it (Enter), as the
// learner does; moving on to the next question is not timed. The tables lie in the
// temporary folder (TMPDIR on a real disk, not tmpfs).
void BM_PotvrzeniOdpovedi(benchmark::State& stav)
{
    QTemporaryDir docasny;
    const fs::path adresar = docasny.path().toStdString();
    PripravAdresar(adresar);
    RucniHodiny hodiny;
    hodiny.msUtc = 36'000'000;
    NastavHodiny(&hodiny);
    THlavniFormular hlavni(adresar);
    if (!PrihlasJanu(hlavni)) {
        stav.SkipWithError("sign-in failed");
        NastavHodiny(nullptr);
        return;
    }
    hlavni.show();
    const int delka = ZacniProcvicovaniCeleBanky(hlavni);
    if (hlavni.Rezim() != QStringLiteral("Procvicovani") || delka < 2) {
        stav.SkipWithError("no practice run");
        NastavHodiny(nullptr);
        return;
    }

    auto* panel = hlavni.findChild<QWidget*>(QStringLiteral("pOtazky"));
    const auto* pSpravne = panel->findChild<QLabel*>(QStringLiteral("pSpravne"));
    auto* timer1 = hlavni.findChild<QTimer*>(QStringLiteral("Timer1"));
    std::vector<double> steny;
    std::vector<double> cpu;
    int spatnych = 0;
    for (auto _ : stav) {
        StavBehu& beh = hlavni.relace.beh;
        if (beh.zbyva == 0) {
            // A new run instead of the evaluation window.
            beh.otazky.assign(static_cast<std::size_t>(delka), 0);
            beh.celkem = beh.zbyva = delka;
            beh.cekaNaOdpoved = false;
            PravyKlik(panel);
        }
        // B: right for two questions in three, wrong where A and C are right.
        QKeyEvent pismeno(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier, QStringLiteral("b"));
        QCoreApplication::sendEvent(panel, &pismeno);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        const double cpuPred = CasCpuMs();
        const auto pred = std::chrono::steady_clock::now();
        QCoreApplication::sendEvent(panel, &enter);
        const double stena =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - pred)
                .count();
        cpu.push_back(CasCpuMs() - cpuPred);
        steny.push_back(stena);
        stav.SetIterationTime(stena / 1e3);
        if (!pSpravne->isVisibleTo(panel))
            stav.SkipWithError("the answer was not evaluated");
        spatnych += pSpravne->text() == QStringLiteral("Špatně");
        // The feedback's time runs out; the next right click moves on.
        QMetaObject::invokeMethod(timer1, "timeout", Qt::DirectConnection);
        hodiny.msUtc += 1000;
        PravyKlik(panel);
    }
    stav.counters["cpu_median_ms"] = Kvantil(cpu, 0.5);
    stav.counters["cpu_p99_ms"] = Kvantil(cpu, 0.99);
    stav.counters["stena_median_ms"] = Kvantil(steny, 0.5);
    stav.counters["stena_p99_ms"] = Kvantil(steny, 0.99);
    stav.counters["stena_max_ms"] = Kvantil(steny, 1.0);
    stav.counters["spatnych"] = spatnych;
    if (StatistikaProfilu s = NactiStatistiku(adresar, "Jana"); s.empty())
        stav.SkipWithError("no history was written");
    hlavni.relace.beh.zbyva = 0;
    hlavni.NastavRezim(QStringLiteral("Procvicovani"), false);
    NastavHodiny(nullptr);
}

BENCHMARK(BM_ZobrazOtazku)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OtazkaSVysvetlenim)->Unit(benchmark::kMicrosecond);
// Two whole runs of 757 questions per repetition.
BENCHMARK(BM_DalsiOtazka)->Unit(benchmark::kMicrosecond)->Iterations(2 * 757);
// 695 answers, as in a long practice run.
BENCHMARK(BM_PotvrzeniOdpovedi)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(695);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Aplikace aplikace(argc, argv);
    QPixmapCache::setCacheLimit(0);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
