// The points test with the real widgets (offscreen by default). Budget: BM_SlozeniAVyplneniListu,
// ComposeTest and FillSheet together over a full bank of 757 numbers, under 50 ms. Alongside,
// BM_OtevreniTestu: creating the test window up to the moment its information box is shown.
// Picture caching is switched off: every picture is decoded from its file, as on first sight.
#include "base/Hodiny.h"
#include "questions/Banka.h"
#include "test/gui/TTestForm.h"
#include "testsupport/RucniHodiny.h"
#include "testsupport/TestovaciBanka.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QPixmapCache>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <chrono>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

std::string Opakuj(const char* zaklad, int n, int kolikrat)
{
    std::string text;
    for (int i = 0; i < kolikrat; ++i)
        text += std::string(zaklad) + " ";
    return text + std::to_string(n) + ".";
}

// Every number with texts of the bank's lengths (a question of two lines, answers of one or two)
// and a picture of its place's size for categories 6 and 7, each in a file of its own.
std::vector<Otazka> PlnaBanka(const fs::path& adresar)
{
    QDir().mkpath(QString::fromStdString((adresar / "grafika").string()));
    std::vector<Otazka> otazky =
        UmelaBanka([](int c) { return std::string(c % 4 == 0 ? "C" : "ABCD"); });
    for (Otazka& o : otazky) {
        const int n = o.cislo;
        o.otazka = Opakuj("Smí řidič motorového vozidla v této situaci odbočit vlevo, když mu to "
                          "nezakazuje značka?",
                          n, 2);
        o.a = Opakuj("Ano, ale jen když nikoho neohrozí.", n, 2);
        o.b = Opakuj("Ne, nikdy.", n, 1);
        o.c = Opakuj("Ano, pokud dá znamení o změně směru jízdy včas a zřetelně.", n, 2);
        o.d = n % 4 == 1 ? Opakuj("Jen v obci.", n, 1) : std::string();
        o.spravne = n % 3 == 0 ? "AC" : "B";
        if (n > 620) {
            const bool velky = n > 720;
            QImage obrazek(velky ? 300 : 96, velky ? 175 : 96, QImage::Format_RGB32);
            obrazek.fill(QColor::fromHsv(n % 360, 120, 220));
            QPainter malir(&obrazek);
            malir.drawText(obrazek.rect(), Qt::AlignCenter, QString::number(n));
            malir.end();
            o.obrazek = "grafika\\" + std::to_string(n) + ".jpg";
            obrazek.save(QString::fromStdString(
                             (adresar / "grafika" / (std::to_string(n) + ".jpg")).string()),
                         "JPEG", 90);
        }
    }
    return otazky;
}

struct Prostredi {
    QTemporaryDir docasny;
    fs::path adresar = docasny.path().toStdString();
    Banka banka;
    Nastaveni nastaveni;
    RucniHodiny hodiny;

    Prostredi()
    {
        ZapisTestovaciBanku(adresar, PlnaBanka(adresar));
        ZapisObrazkyVzoroveBanky(adresar);
        banka.Nacti(adresar);
        nastaveni.aktivniProfil = "Jana";
        nastaveni.skupina = "B";
        QPixmapCache::setCacheLimit(0);
    }
};

void BM_SlozeniAVyplneniListu(benchmark::State& stav)
{
    Prostredi p;
    std::uint32_t seed = 1;
    for (auto _ : stav) {
        stav.PauseTiming();
        p.hodiny.msUtc = seed;
        seed = seed * 7919u + 13u;
        auto okno = std::make_unique<TTestForm>(p.banka, p.nastaveni, p.adresar, p.hodiny);
        const QWidget* posledni = okno->findChild<QWidget*>(QStringLiteral("gb25"));
        stav.ResumeTiming();
        if (!okno->ComposeTest())
            stav.SkipWithError("the test could not be composed");
        okno->FillSheet();
        benchmark::DoNotOptimize(posledni->y());
        stav.PauseTiming();
        okno.reset();
        stav.ResumeTiming();
    }
}
BENCHMARK(BM_SlozeniAVyplneniListu)->Unit(benchmark::kMillisecond);

void BM_OtevreniTestu(benchmark::State& stav)
{
    using Cas = std::chrono::steady_clock;
    Prostredi p;
    for (auto _ : stav) {
        const auto zacatek = Cas::now();
        Cas::time_point zobrazeno {};
        QTimer hlidac;
        QObject::connect(&hlidac, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box && box->isVisible()) {
                zobrazeno = Cas::now();
                hlidac.stop();
                box->button(QMessageBox::Ok)->click();
            }
        });
        hlidac.start(0);
        TTestForm okno(p.banka, p.nastaveni, p.adresar, p.hodiny);
        if (!okno.FormCreate())
            stav.SkipWithError("the test did not open");
        okno.findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
        stav.SetIterationTime(std::chrono::duration<double>(zobrazeno - zacatek).count());
        p.hodiny.msUtc += 997;
    }
}
BENCHMARK(BM_OtevreniTestu)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
