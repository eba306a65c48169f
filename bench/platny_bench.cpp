// The test in today's exam format. Budgets: BM_SlozeniPlatny, drawing a test from a full bank of
// 757 three-answer questions, ≤ 5 ms; BM_DalsiOtazkaPlatny, the Right key up to the repainted
// window with the next question (its picture scaled from the file), ≤ 5 ms; BM_OtevreniPlatny,
// from creating the window to its rules box shown plus from the box's OK to the painted first
// question, ≤ 50 ms. BM_OdhadPlatny, the pass-chance estimate, is measured alongside. The tables
// live in a folder under ZK_BENCH_DIR (default: the current one), so run it from a real disk.
#include "base/Nahoda.h"
#include "questions/Banka.h"
#include "test/OdhadPlatny.h"
#include "test/TestPlatny.h"
#include "test/gui/TTestPlatny.h"
#include "testsupport/RucniHodiny.h"
#include "testsupport/TestovaciBanka.h"
#include "testsupport/ZapisBanky.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

using Cas = std::chrono::steady_clock;

struct Prostredi {
    QTemporaryDir docasny {qEnvironmentVariable("ZK_BENCH_DIR", QDir::currentPath())
                           + QStringLiteral("/platny-XXXXXX")};
    fs::path adresar = docasny.path().toStdString();
    Banka banka;
    std::vector<int> oblasti = std::vector<int>(758, 0);
    Nastaveni nastaveni;
    RucniHodiny hodiny;

    Prostredi()
    {
        std::vector<Otazka> otazky = BankaTriOdpovedi();
        QDir().mkpath(QString::fromStdString((adresar / "grafika").string()));
        for (Otazka& o : otazky) {
            o.otazka =
                "Smí řidič motorového vozidla v této situaci odbočit vlevo, když mu to nezakazuje "
                "dopravní značka ani vodorovné značení? Otázka "
                + std::to_string(o.cislo) + ".";
            o.a = "Ano, ale jen když tím neohrozí ani neomezí ostatní účastníky provozu.";
            o.c = "Ano, pokud dá znamení o změně směru jízdy včas a zřetelně a zařadí se k levému "
                  "okraji.";
            if (o.cislo > 620) {
                QImage obrazek(o.cislo > 720 ? 300 : 96, o.cislo > 720 ? 175 : 96,
                               QImage::Format_RGB32);
                obrazek.fill(QColor::fromHsv(o.cislo % 360, 120, 220));
                QPainter malir(&obrazek);
                malir.drawText(obrazek.rect(), Qt::AlignCenter, QString::number(o.cislo));
                malir.end();
                o.obrazek = "grafika/" + std::to_string(o.cislo) + ".jpg";
                obrazek.save(QString::fromStdString((adresar / o.obrazek).string()), "JPEG", 90);
            }
        }
        for (const auto& [c, o] : OblastiPodleKategorii(otazky))
            oblasti[static_cast<std::size_t>(c)] = o;
        banka.NactiZ(otazky);
        nastaveni.aktivniProfil = "Jana";
        nastaveni.skupina = "B";
        QPixmapCache::setCacheLimit(0);
    }
};

// Starts the window: answers the rules box with OK and returns when the box was visible.
Cas::time_point Zahaj(TTestPlatny& okno, Cas::time_point* potvrzeno = nullptr)
{
    Cas::time_point zobrazeno {};
    QTimer hlidac;
    QObject::connect(&hlidac, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (box && box->isVisible() && box->objectName() == QStringLiteral("TPravidlaPlatny")) {
            zobrazeno = Cas::now();
            hlidac.stop();
            if (potvrzeno)
                *potvrzeno = Cas::now();
            box->accept();
        }
    });
    hlidac.start(0);
    okno.Zahaj();
    return zobrazeno;
}

void BM_SlozeniPlatny(benchmark::State& stav)
{
    Prostredi p;
    Nahoda nahoda(1);
    for (auto _ : stav) {
        const SlozenyPlatny t = SlozPlatnyTest(p.banka, p.oblasti, "B", nahoda);
        if (!t.uplny)
            stav.SkipWithError("the test could not be composed");
        benchmark::DoNotOptimize(t.otazky.data());
    }
}
BENCHMARK(BM_SlozeniPlatny)->Unit(benchmark::kMillisecond);

// The pass-chance estimate of the statistics window: 100 parameter draws, each evaluated exactly,
// over a history of every second question.
void BM_OdhadPlatny(benchmark::State& stav)
{
    Prostredi p;
    StatistikaProfilu historie;
    for (int c = 1; c <= 757; c += 2) {
        ZaznamStatistiky& z = historie[c];
        z.cislo = c;
        z.polozeno = 3;
        z.spravne = 2;
        z.spatne = 1;
    }
    for (auto _ : stav) {
        const OdhadPlatny o = OdhadniUspechPlatny(p.banka, p.oblasti, "B", historie, 11);
        if (!o.lzeOdhadnout)
            stav.SkipWithError("nothing to estimate");
        benchmark::DoNotOptimize(o.pravdepodobnost);
    }
}
BENCHMARK(BM_OdhadPlatny)->Unit(benchmark::kMillisecond);

void BM_DalsiOtazkaPlatny(benchmark::State& stav)
{
    Prostredi p;
    TTestPlatny okno(p.banka, p.oblasti, p.nastaveni, p.adresar, p.hodiny, 7);
    Zahaj(okno);
    okno.show();
    okno.activateWindow();
    if (!QTest::qWaitForWindowExposed(&okno))
        stav.SkipWithError("the window did not show");
    int krok = 0;
    for (auto _ : stav) {
        // Forward through all 25 questions and back again, so every picture is met.
        QTest::keyClick(&okno, (krok / 24) % 2 ? Qt::Key_Left : Qt::Key_Right);
        okno.repaint();
        ++krok;
    }
    okno.hide();
}
BENCHMARK(BM_DalsiOtazkaPlatny)->Unit(benchmark::kMillisecond);

void BM_OtevreniPlatny(benchmark::State& stav)
{
    Prostredi p;
    for (auto _ : stav) {
        const auto zacatek = Cas::now();
        Cas::time_point potvrzeno {};
        TTestPlatny okno(p.banka, p.oblasti, p.nastaveni, p.adresar, p.hodiny, p.hodiny.msUtc);
        const Cas::time_point zobrazeno = Zahaj(okno, &potvrzeno);
        okno.show();
        okno.repaint();
        const auto hotovo = Cas::now();
        stav.SetIterationTime(
            std::chrono::duration<double>((zobrazeno - zacatek) + (hotovo - potvrzeno)).count());
        okno.hide();
        p.hodiny.msUtc += 997;
    }
}
BENCHMARK(BM_OtevreniPlatny)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
