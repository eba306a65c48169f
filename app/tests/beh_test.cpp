// Practice and exam runs driven through the real main window: the run-parameter dialog and the
// evaluation window are answered for real, clicks go through QTest, time comes from a hand clock.
#include "app/THlavniFormular.h"
#include "profiles/ProfilovySklad.h"
#include "questions/gui/PanelOtazek.h"
#include "questions/PametProfilu.h"
#include "questions/Statistika.h"
#include "questions/Vysvetleni.h"
#include "questions/gui/TDotazPZ.h"
#include "results/gui/TResult.h"
#include "test/gui/TStatistikaUceni.h"
#include "storage/Tabulka.h"
#include "testsupport/GuiTest.h"
#include "testsupport/Kontrast.h"
#include "testsupport/RucniHodiny.h"
#include "testsupport/TestovaciBanka.h"
#include "testsupport/Najdi.h"
#include "ui/MereniTextu.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <set>

namespace {

namespace fs = std::filesystem;

// Correct answers follow the number, so that a test knows them without asking the window.
std::string SpravneProCislo(int n)
{
    static const char* const vzory[] = {"AC", "B", "BD"};
    return vzory[n % 3];
}

Otazka CtyriOdpovedi(int n, const std::string& skupina = "ABCD")
{
    Otazka o = JednoduchaOtazka(n, SpravneProCislo(n), skupina);
    o.d = "Odpověď d " + std::to_string(n) + ".";
    return o;
}

std::vector<Otazka> Rada(int od, int po, const std::string& skupina = "ABCD")
{
    std::vector<Otazka> otazky;
    for (int n = od; n <= po; ++n)
        otazky.push_back(CtyriOdpovedi(n, skupina));
    return otazky;
}

// Every number 1..757 for every group, pictures in categories 6 and 7. Written once, then copied.
const fs::path& PlnaBanka()
{
    static DocasnyAdresar adresar;
    static const fs::path soubor = [] {
        std::vector<Otazka> otazky = Rada(1, 757);
        for (Otazka& o : otazky)
            if (o.cislo > 620)
                o.obrazek = o.cislo > 720 ? "grafika/721.jpg" : "grafika/621.jpg";
        ZapisTestovaciBanku(adresar.CestaStd(), otazky);
        return fs::path(adresar.CestaStd()) / "otazky.DB";
    }();
    return soubor;
}

// What the run-parameter dialog showed before it was confirmed.
struct Dotaz {
    bool probehlo = false;
    int pocetMax = 0, pocet = 0, startMax = 0, start = 0;
    bool startPovolen = false;
    QString nadpis, tlacitko;
};

// Confirms the next TDotazPZ, first moving the start bar and then the length bar when asked to.
std::shared_ptr<Dotaz> PotvrdDotaz(int pocet = 0, int start = 0)
{
    auto videno = std::make_shared<Dotaz>();
    OdpovedzModalnimu([=](QWidget* w) {
        auto* d = qobject_cast<TDotazPZ*>(w);
        ASSERT_NE(d, nullptr) << w->metaObject()->className();
        videno->probehlo = true;
        videno->pocetMax = Najdi<QScrollBar>(d, "sbPocet")->maximum();
        videno->pocet = Najdi<QScrollBar>(d, "sbPocet")->value();
        videno->startMax = Najdi<QScrollBar>(d, "sbOtazka")->maximum();
        videno->start = Najdi<QScrollBar>(d, "sbOtazka")->value();
        videno->startPovolen = Najdi<QScrollBar>(d, "sbOtazka")->isEnabled();
        videno->nadpis = Najdi<QLabel>(d, "lbNadpis")->text();
        videno->tlacitko = Najdi<QPushButton>(d, "btnPotvrdit")->text();
        if (start > 0)
            Najdi<QScrollBar>(d, "sbOtazka")->setValue(start);
        if (pocet > 0)
            Najdi<QScrollBar>(d, "sbPocet")->setValue(pocet);
        Najdi<QPushButton>(d, "btnPotvrdit")->click();
    });
    return videno;
}

// What the evaluation window showed before it was answered.
struct Vyhodnoceni {
    bool probehlo = false;
    QString typ, pocet, spravne, spatne, napovedy, uspesnost, soubor;
    bool napovedyViditelne = false, opakovatPovoleno = false;
};

std::shared_ptr<Vyhodnoceni> OdpovezVyhodnoceni(bool opakovat, QWidget* krome = nullptr)
{
    auto videno = std::make_shared<Vyhodnoceni>();
    OdpovedzModalnimu(
        [=](QWidget* w) {
            auto* okno = qobject_cast<TResult*>(w);
            ASSERT_NE(okno, nullptr) << w->metaObject()->className();
            videno->probehlo = true;
            videno->typ = Najdi<QLabel>(okno, "lbTyp")->text();
            videno->pocet = Najdi<QLabel>(okno, "lbPocet")->text();
            videno->spravne = Najdi<QLabel>(okno, "lbSpravne")->text();
            videno->spatne = Najdi<QLabel>(okno, "lbSpatne")->text();
            videno->napovedy = Najdi<QLabel>(okno, "lbSNapovedou")->text();
            videno->napovedyViditelne = Najdi<QLabel>(okno, "lbSNapovedou")->isVisibleTo(okno);
            videno->uspesnost = Najdi<QLabel>(okno, "lbUspesnost")->text();
            videno->soubor = Najdi<QLabel>(okno, "lbSoubor")->text();
            videno->opakovatPovoleno = Najdi<QPushButton>(okno, "btnPrezkouset")->isEnabled();
            (opakovat ? Najdi<QPushButton>(okno, "btnPrezkouset")
                      : Najdi<QPushButton>(okno, "btnOK"))
                ->click();
        },
        krome);
    return videno;
}

// The protocol question of a retry run, answered with `ano`, followed by the evaluation window.
struct OtazkaAVyhodnoceni {
    std::shared_ptr<ZachycenyDialog> otazka;
    std::shared_ptr<Vyhodnoceni> vyhodnoceni = std::make_shared<Vyhodnoceni>();
};

std::shared_ptr<OtazkaAVyhodnoceni> OdpovezProtokolAVyhodnoceni(bool ano, bool opakovat)
{
    auto oba = std::make_shared<OtazkaAVyhodnoceni>();
    oba->otazka = OdpovedzModalnimu([=](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr) << w->metaObject()->className();
        oba->vyhodnoceni = OdpovezVyhodnoceni(opakovat, w);
        box->button(ano ? QMessageBox::Yes : QMessageBox::No)->click();
    });
    return oba;
}

struct ZaznamVysledku {
    std::string typ, profil, datum, cas, skupina, kategorie, spatneCisla, napovedyCisla;
    int pocet = 0, spatne = 0, napovedy = 0, uspesnost = 0;
};

std::vector<ZaznamVysledku> CtiVysledky(const fs::path& adresar)
{
    std::vector<ZaznamVysledku> zaznamy;
    if (!fs::exists(adresar / "Vysledky.DB"))
        return zaznamy;
    Tabulka t;
    t.Svaz(adresar, "Vysledky");
    t.Otevri();
    for (t.Prvni(); !t.Konec(); t.Dalsi()) {
        ZaznamVysledku z;
        z.typ = t.PoleJmenem("TypTestu").JakoText();
        z.profil = t.PoleJmenem("Profil").JakoText();
        z.datum = t.PoleJmenem("Datum").JakoText();
        z.cas = t.PoleJmenem("Cas").JakoText();
        z.skupina = t.PoleJmenem("Skupina").JakoText();
        z.kategorie = t.PoleJmenem("Kategorie").JakoText();
        z.pocet = t.PoleJmenem("PocetOtazek").JakoCele();
        z.spatne = t.PoleJmenem("Spatne").JakoCele();
        z.spatneCisla = t.PoleJmenem("SpatneCisla").JakoText();
        z.napovedy = t.PoleJmenem("SNapovedou").JakoCele();
        z.napovedyCisla = t.PoleJmenem("SNapovedouCisla").JakoText();
        z.uspesnost = t.PoleJmenem("Uspesnost").JakoCele();
        zaznamy.push_back(z);
    }
    t.Zavri();
    return zaznamy;
}

class BehOkna : public testing::Test {
protected:
    void SetUp() override
    {
        hodiny.mistni = DatumCas {2025, 3, 14, 9, 26, 53, 589};
        hodiny.msUtc = 30'000'000;
        NastavHodiny(&hodiny);
        ZapisObrazkyVzoroveBanky(Adresar());
        const QString grafika = adresar.Cesta() + QStringLiteral("/grafika/");
        for (const char* soubor : {"yes.jpg", "no.jpg", "mistake.jpg"})
            obrazkyZnacek.push_back(
                QImage(grafika + QLatin1String(soubor)).convertToFormat(QImage::Format_RGB32));
    }
    void TearDown() override { NastavHodiny(nullptr); }

    fs::path Adresar() const { return adresar.CestaStd(); }

    // A main window signed in under "Jana" with the bank given (or the full bank when empty).
    std::unique_ptr<THlavniFormular> Okno(const std::vector<Otazka>& otazky,
                                          const std::string& kategorie = "1111111",
                                          const std::string& protokoly = "111",
                                          const std::string& konfigurace = "11")
    {
        if (otazky.empty())
            fs::copy_file(PlnaBanka(), Adresar() / "otazky.DB");
        else
            ZapisTestovaciBanku(Adresar(), otazky);
        ProfilovySklad sklad(Adresar());
        sklad.ZalozitTabulkuProfilu();
        sklad.PridatProfil("Jana", kategorie, "B", protokoly, konfigurace, "1", "");
        auto hlavni = std::make_unique<THlavniFormular>(Adresar());
        auto prihlaseni = PrihlasVManazeru(QStringLiteral("Jana"));
        EXPECT_EQ(hlavni->Spust(), THlavniFormular::Start::Prihlasen);
        EXPECT_TRUE(prihlaseni->probehlo);
        return hlavni;
    }

    // Starts practice (or exam) from the menu, confirming the dialog with these bars.
    std::shared_ptr<Dotaz> Zacni(THlavniFormular& h, bool zkouska, int pocet = 0, int start = 0)
    {
        auto dotaz = PotvrdDotaz(pocet, start);
        Vyvolej(&h, zkouska ? "M1Zkouset" : "M1Procvicovat");
        EXPECT_TRUE(dotaz->probehlo);
        return dotaz;
    }

    static void PravyKlik(THlavniFormular& h)
    {
        QTest::mouseClick(Najdi<QLabel>(&h, "lbCisloOtazky"), Qt::RightButton);
    }

    static void Oznac(THlavniFormular& h, const std::string& pismena)
    {
        for (char p : pismena)
            QTest::mouseClick(
                Najdi<StatickyText>(&h, Pismenem("st", static_cast<std::size_t>(p - 'A'))),
                Qt::LeftButton);
    }

    // Marks the answers, confirms, and lets the feedback panel's time run out.
    static void Odpovez(THlavniFormular& h, const std::string& pismena)
    {
        Oznac(h, pismena);
        PravyKlik(h);
        ASSERT_TRUE(Najdi<QTimer>(&h, "Timer1")->isActive());
        Vyprs(&h, "Timer1");
    }

    static void Spravne(THlavniFormular& h)
    {
        Odpovez(h, SpravneProCislo(h.relace.beh.cisloOtazky));
    }
    // A wrong answer that marks every answer: "AC" and "BD" miss nothing, "B" gets extra marks.
    static void Spatne(THlavniFormular& h)
    {
        Odpovez(h, SpravneProCislo(h.relace.beh.cisloOtazky) == "B" ? "AB" : "A");
    }

    static QString Cislo(int n) { return QStringLiteral("Otázka číslo %1").arg(n); }

    // The four marks as a word: '.' hidden, 'Y' yes, 'N' no, 'M' mistake, '?' any other picture.
    std::string Znacky(THlavniFormular& h) const
    {
        static const char kody[] = {'Y', 'N', 'M'};
        std::string slovo;
        for (QLabel* znacka : NajdiRadu<QLabel>(&h, "img")) {
            if (!znacka->isVisibleTo(Najdi<PanelOtazek>(&h, "pOtazky"))) {
                slovo += '.';
                continue;
            }
            const QImage obraz = znacka->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
            char kod = '?';
            for (std::size_t i = 0; i < obrazkyZnacek.size(); ++i)
                if (obraz == obrazkyZnacek[i])
                    kod = kody[i];
            slovo += kod;
        }
        return slovo;
    }

    // Picture of every mark, hidden or not: all four must hold the yes picture.
    bool VseAno(THlavniFormular& h) const
    {
        const std::array<QLabel*, 4> znacky = NajdiRadu<QLabel>(&h, "img");
        return std::all_of(znacky.begin(), znacky.end(), [&](QLabel* z) {
            return z->pixmap().toImage().convertToFormat(QImage::Format_RGB32) == obrazkyZnacek[0];
        });
    }

    DocasnyAdresar adresar;
    RucniHodiny hodiny;
    std::vector<QImage> obrazkyZnacek;  // yes, no, mistake
};

TEST_F(BehOkna, DelkaBehuPodlePoctuDostupnych)
{
    auto hlavni = Okno(Rada(1, 12));
    auto dotaz = Zacni(*hlavni, false);
    EXPECT_EQ(dotaz->nadpis, QStringLiteral("Procvičování otázek"));
    EXPECT_EQ(dotaz->tlacitko, QStringLiteral("Start Procvičování"));
    EXPECT_EQ(dotaz->pocetMax, 12);
    EXPECT_EQ(dotaz->pocet, 12);
    EXPECT_EQ(dotaz->startMax, 12);
    EXPECT_EQ(dotaz->start, 1);
    EXPECT_TRUE(dotaz->startPovolen);
    EXPECT_EQ(hlavni->Rezim(), QStringLiteral("Procvicovani"));
    EXPECT_EQ(Najdi<QLabel>(hlavni, "lbCelkemOtazek")->text(), QStringLiteral("Celkem otázek: 12"));

    // No question for the switched-on categories: a message, and the window stays without a mode.
    auto konec = StiskniVeZprave(QMessageBox::Yes);
    Vyvolej(hlavni, "M2KonecRezimu");
    ASSERT_TRUE(konec->probehlo);
    hlavni->relace.nastaveni.kategorie = {false, true, true, false, false, false, false};
    hlavni->ObnovUkazatele();
    auto zprava = StiskniVeZprave(QMessageBox::Ok);
    Vyvolej(hlavni, "M1Zkouset");
    ASSERT_TRUE(zprava->probehlo);
    EXPECT_EQ(zprava->titulek, QStringLiteral("Informace programu Zebrovka 2003 (2004)"));
    EXPECT_EQ(zprava->ikona, QMessageBox::Information);
    EXPECT_TRUE(hlavni->Rezim().isEmpty());
    EXPECT_FALSE(Najdi<QAction>(hlavni, "M1Zkouset")->isChecked());
    EXPECT_TRUE(Najdi<QMenuBar>(hlavni, "Menu1")->isVisible());
    EXPECT_FALSE(Najdi<PanelOtazek>(hlavni, "pOtazky")->isVisible());
}

TEST_F(BehOkna, DelkaBehuZTriSetOtazekZacinaNaDvaceti)
{
    // Categories 2 to 6 of the full bank hold 55 + 25 + 80 + 40 + 100 questions.
    auto hlavni = Okno({}, "0111110", "111", "10");
    ASSERT_TRUE(Najdi<QAction>(hlavni, "M1NahodnyVyber")->isChecked());
    auto dotaz = Zacni(*hlavni, true);
    EXPECT_EQ(dotaz->nadpis, QStringLiteral("Zkoušení otázek"));
    EXPECT_EQ(dotaz->tlacitko, QStringLiteral("Start Zkoušení"));
    EXPECT_EQ(dotaz->pocetMax, 300);
    EXPECT_EQ(dotaz->pocet, 20);
    EXPECT_FALSE(dotaz->startPovolen);
    EXPECT_EQ(Najdi<QLabel>(hlavni, "lbCelkemOtazek")->text(), QStringLiteral("Celkem otázek: 20"));
    EXPECT_EQ(Najdi<QLabel>(hlavni, "lbZbyvaOtazek")->text(), QStringLiteral("Zbývá: 20"));
}

TEST_F(BehOkna, PostupnyBehOdZvoleneOtazkyPresKategorie)
{
    // Categories 2 (421..475, 55 questions) and 4 (501..580): position 50 is question 470, and
    // after 475 the walk skips the switched-off category 3.
    auto hlavni = Okno({}, "0101000");
    auto dotaz = Zacni(*hlavni, false, 20, 50);
    EXPECT_EQ(dotaz->pocetMax, 135);
    EXPECT_EQ(Najdi<QLabel>(hlavni, "lbCelkemOtazek")->text(), QStringLiteral("Celkem otázek: 20"));
    std::vector<int> ocekavane;
    for (int n = 470; n <= 475; ++n)
        ocekavane.push_back(n);
    for (int n = 501; n <= 514; ++n)
        ocekavane.push_back(n);
    for (std::size_t i = 0; i < ocekavane.size(); ++i) {
        SCOPED_TRACE(i);
        if (i > 0)
            PravyKlik(*hlavni);
        EXPECT_EQ(Najdi<QLabel>(hlavni, "lbCisloOtazky")->text(), Cislo(ocekavane[i]));
        EXPECT_EQ(Najdi<QLabel>(hlavni, "lbZbyvaOtazek")->text(),
                  QStringLiteral("Zbývá: %1").arg(20 - static_cast<int>(i)));
        EXPECT_EQ(Najdi<QLabel>(hlavni, "lbCelkemOtazek")->text(),
                  QStringLiteral("Celkem otázek: 20"));
        Vyvolej(hlavni, "M2OznacSpravne");
    }
    // After the last question the right click opens the evaluation; closing it ends the mode.
    auto vyhodnoceni = OdpovezVyhodnoceni(false);
    PravyKlik(*hlavni);
    ASSERT_TRUE(vyhodnoceni->probehlo);
    EXPECT_TRUE(hlavni->Rezim().isEmpty());
    EXPECT_TRUE(Najdi<QMenuBar>(hlavni, "Menu1")->isVisible());
    EXPECT_FALSE(Najdi<QAction>(hlavni, "M1Procvicovat")->isChecked());
}

TEST_F(BehOkna, HodnoceniOdpovediZnackyPanelACasovac)
{
    // Questions 3 ("AC"), 4 ("B"), 5 ("BD").
    auto hlavni = Okno(Rada(3, 5));
    Zacni(*hlavni, false);
    THlavniFormular& h = *hlavni;
    QLabel* pSpravne = Najdi<QLabel>(&h, "pSpravne");
    ASSERT_EQ(Najdi<QLabel>(&h, "lbCisloOtazky")->text(), Cislo(3));
    EXPECT_EQ(Znacky(h), "....");
    EXPECT_TRUE(VseAno(h));

    // Right click without a mark: nothing. Left clicks toggle.
    PravyKlik(h);
    EXPECT_FALSE(pSpravne->isVisible());
    EXPECT_FALSE(Najdi<QTimer>(&h, "Timer1")->isActive());
    Oznac(h, "BB");
    EXPECT_EQ(Znacky(h), "....");
    PravyKlik(h);
    EXPECT_FALSE(pSpravne->isVisible());
    EXPECT_EQ(Najdi<QLabel>(&h, "lbUspesnost")->text(), QStringLiteral("Úspěšnost: 0%"));

    Oznac(h, "AC");
    EXPECT_EQ(Znacky(h), "Y.Y.");
    PravyKlik(h);
    EXPECT_TRUE(pSpravne->isVisible());
    EXPECT_EQ(pSpravne->text(), QStringLiteral("Správně"));
    EXPECT_EQ(pSpravne->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    EXPECT_EQ(Znacky(h), "Y.Y.");
    EXPECT_EQ(Najdi<QLabel>(&h, "lbUspesnost")->text(), QStringLiteral("Úspěšnost: 100%"));
    EXPECT_TRUE(Najdi<QTimer>(&h, "Timer1")->isActive());
    EXPECT_EQ(Najdi<QTimer>(&h, "Timer1")->interval(), 1500);

    // While the feedback shows, right clicks and left clicks change nothing.
    PravyKlik(h);
    PravyKlik(h);
    Oznac(h, "B");
    EXPECT_EQ(Najdi<QLabel>(&h, "lbCisloOtazky")->text(), Cislo(3));
    EXPECT_EQ(Znacky(h), "Y.Y.");
    EXPECT_TRUE(pSpravne->isVisible());

    Vyprs(&h, "Timer1");
    EXPECT_FALSE(pSpravne->isVisible());
    EXPECT_FALSE(Najdi<QTimer>(&h, "Timer1")->isActive());
    Oznac(h, "B");  // answered: left clicks stay without effect
    EXPECT_EQ(Znacky(h), "Y.Y.");

    PravyKlik(h);
    EXPECT_EQ(Najdi<QLabel>(&h, "lbCisloOtazky")->text(), Cislo(4));
    EXPECT_EQ(Najdi<QLabel>(&h, "lbZbyvaOtazek")->text(), QStringLiteral("Zbývá: 2"));
    EXPECT_EQ(Znacky(h), "....");
    EXPECT_TRUE(VseAno(h));

    // One mark too many: that answer gets the no mark, the correct one keeps its yes.
    Oznac(h, "BD");
    PravyKlik(h);
    EXPECT_EQ(pSpravne->text(), QStringLiteral("Špatně"));
    EXPECT_EQ(pSpravne->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(Znacky(h), ".Y.N");
    EXPECT_EQ(Najdi<QLabel>(&h, "lbUspesnost")->text(), QStringLiteral("Úspěšnost: 50%"));
    Vyprs(&h, "Timer1");
    PravyKlik(h);

    // A missed correct answer gets the mistake mark; an unmarked wrong answer stays hidden.
    ASSERT_EQ(Najdi<QLabel>(&h, "lbCisloOtazky")->text(), Cislo(5));
    EXPECT_TRUE(VseAno(h));
    Oznac(h, "B");
    PravyKlik(h);
    EXPECT_EQ(pSpravne->text(), QStringLiteral("Špatně"));
    EXPECT_EQ(Znacky(h), ".Y.M");
    EXPECT_EQ(Najdi<QLabel>(&h, "lbUspesnost")->text(), QStringLiteral("Úspěšnost: 33%"));
    EXPECT_EQ(h.relace.beh.spatne, (std::vector<int> {4, 5}));
}

TEST_F(BehOkna, UspesnostPoKazdeOdpovedi)
{
    // S correct, W wrong, H hint; the label after each step.
    struct Pripad {
        std::string kroky;
        std::vector<int> procenta;
    };
    const Pripad pripady[] = {
        {"SWWWWWWW", {100, 50, 33, 25, 20, 17, 14, 12}},
        {"SSSWWWWW", {100, 100, 100, 75, 60, 50, 43, 38}},
        {"HHWSS", {0, 0, 0, 50, 67}},
        {"SHWH", {100, 100, 50, 50}},
    };
    auto hlavni = Okno(Rada(1, 8));
    THlavniFormular& h = *hlavni;
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.kroky);
        Zacni(h, false, static_cast<int>(p.kroky.size()), 1);
        for (std::size_t i = 0; i < p.kroky.size(); ++i) {
            if (i > 0)
                PravyKlik(h);
            if (p.kroky[i] == 'S')
                Spravne(h);
            else if (p.kroky[i] == 'W')
                Spatne(h);
            else
                Vyvolej(&h, "M2OznacSpravne");
            EXPECT_EQ(Najdi<QLabel>(&h, "lbUspesnost")->text(),
                      QStringLiteral("Úspěšnost: %1%").arg(p.procenta[i]))
                << i;
        }
        auto konec = StiskniVeZprave(QMessageBox::Yes);
        Vyvolej(&h, "M2KonecRezimu");
        ASSERT_TRUE(konec->probehlo);
        ASSERT_TRUE(h.Rezim().isEmpty());
    }
}

TEST_F(BehOkna, NapovedaUkazeSpravneAPokracujeBezHodnoceni)
{
    auto hlavni = Okno(Rada(3, 5));
    THlavniFormular& h = *hlavni;
    Zacni(h, false);
    EXPECT_TRUE(Najdi<QAction>(&h, "M2OznacSpravne")->isVisible());
    EXPECT_TRUE(Najdi<QLabel>(&h, "lbNapoveda")->isVisible());

    // Question 3 is "AC": the learner's wrong mark B disappears.
    Oznac(h, "BD");
    Vyvolej(&h, "M2OznacSpravne");
    EXPECT_EQ(Znacky(h), "Y.Y.");
    EXPECT_FALSE(Najdi<QLabel>(&h, "pSpravne")->isVisible());
    EXPECT_FALSE(Najdi<QTimer>(&h, "Timer1")->isActive());
    EXPECT_EQ(Najdi<QLabel>(&h, "lbUspesnost")->text(), QStringLiteral("Úspěšnost: 0%"));
    EXPECT_EQ(h.relace.beh.napovedy, (std::vector<int> {3}));

    // Used once per question; left clicks do nothing now.
    Vyvolej(&h, "M2OznacSpravne");
    Oznac(h, "B");
    EXPECT_EQ(Znacky(h), "Y.Y.");
    EXPECT_EQ(h.relace.beh.napovedy, (std::vector<int> {3}));

    PravyKlik(h);
    EXPECT_EQ(Najdi<QLabel>(&h, "lbCisloOtazky")->text(), Cislo(4));
    EXPECT_FALSE(Najdi<QLabel>(&h, "pSpravne")->isVisible());
    EXPECT_FALSE(Najdi<QTimer>(&h, "Timer1")->isActive());
    EXPECT_EQ(Znacky(h), "....");
    EXPECT_TRUE(VseAno(h));

    // After an evaluated answer the hint has nothing to show.
    Spatne(h);
    const std::string poHodnoceni = Znacky(h);
    Vyvolej(&h, "M2OznacSpravne");
    EXPECT_EQ(Znacky(h), poHodnoceni);
    EXPECT_EQ(h.relace.beh.napovedy, (std::vector<int> {3}));
}

TEST_F(BehOkna, VyhodnoceniUlozitOpakovatSpatneANapovedy)
{
    auto hlavni = Okno(Rada(1, 6), "1111111");
    THlavniFormular& h = *hlavni;
    Zacni(h, false, 6, 1);
    // 1 wrong, 2 hint, 3 right, 4 wrong, 5 hint, 6 right.
    Spatne(h);
    PravyKlik(h);
    Vyvolej(&h, "M2OznacSpravne");
    PravyKlik(h);
    Spravne(h);
    PravyKlik(h);
    Spatne(h);
    PravyKlik(h);
    Vyvolej(&h, "M2OznacSpravne");
    PravyKlik(h);
    Spravne(h);
    EXPECT_EQ(Najdi<QLabel>(&h, "lbZbyvaOtazek")->text(), QStringLiteral("Zbývá: 1"));

    auto prvni = OdpovezVyhodnoceni(true);
    PravyKlik(h);
    ASSERT_TRUE(prvni->probehlo);
    EXPECT_EQ(prvni->typ, QStringLiteral("Vyhodnocení procvičování"));
    EXPECT_EQ(prvni->pocet, QStringLiteral("Počet otázek: 6"));
    EXPECT_EQ(prvni->spravne, QStringLiteral("Správných odpovědí: 2"));
    EXPECT_EQ(prvni->spatne, QStringLiteral("Špatných odpovědí: 2"));
    EXPECT_EQ(prvni->napovedy, QStringLiteral("Použití nápovědy: 2"));
    EXPECT_TRUE(prvni->napovedyViditelne);
    EXPECT_EQ(prvni->uspesnost, QStringLiteral("Úspěšnost: 50%"));
    EXPECT_EQ(
        prvni->soubor,
        QStringLiteral("Byl vytvořen protokol - přístupen je z menu Výsledky -> Protokol z..."));

    auto zaznamy = CtiVysledky(Adresar());
    ASSERT_EQ(zaznamy.size(), 1u);
    const ZaznamVysledku& z = zaznamy.front();
    EXPECT_EQ(z.typ, "Procvičování");
    EXPECT_EQ(z.profil, "Jana");
    EXPECT_EQ(z.datum, "2025-03-14");
    EXPECT_EQ(z.cas, "09:26:53");
    EXPECT_EQ(z.skupina, "B");
    EXPECT_EQ(z.kategorie, "1234567");
    EXPECT_EQ(z.pocet, 6);
    EXPECT_EQ(z.spatne, 2);
    EXPECT_EQ(z.spatneCisla, "1, 4");
    EXPECT_EQ(z.napovedy, 2);
    EXPECT_EQ(z.napovedyCisla, "2, 5");
    EXPECT_EQ(z.uspesnost, 50);

    // The retry asks the wrong questions, then the hinted ones, from a clean slate.
    EXPECT_EQ(h.Rezim(), QStringLiteral("Procvicovani"));
    EXPECT_EQ(Najdi<QLabel>(&h, "lbCelkemOtazek")->text(), QStringLiteral("Celkem otázek: 4"));
    EXPECT_EQ(Najdi<QLabel>(&h, "lbUspesnost")->text(), QStringLiteral("Úspěšnost: 0%"));
    EXPECT_EQ(Znacky(h), "....");
    EXPECT_TRUE(VseAno(h));
    const int opakovane[] = {1, 4, 2, 5};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        if (i > 0)
            PravyKlik(h);
        EXPECT_EQ(Najdi<QLabel>(&h, "lbCisloOtazky")->text(), Cislo(opakovane[i]));
        EXPECT_EQ(Najdi<QLabel>(&h, "lbZbyvaOtazek")->text(),
                  QStringLiteral("Zbývá: %1").arg(4 - i));
        Spravne(h);
    }
    EXPECT_EQ(Najdi<QLabel>(&h, "lbUspesnost")->text(), QStringLiteral("Úspěšnost: 100%"));

    // A retry run asks before storing; No stores nothing. With nothing wrong there is no retry.
    auto druhe = OdpovezProtokolAVyhodnoceni(false, false);
    PravyKlik(h);
    ASSERT_TRUE(druhe->otazka->probehlo);
    EXPECT_EQ(druhe->otazka->text, QStringLiteral("Chcete vytvořit protokol i z této opravy?"));
    EXPECT_EQ(druhe->otazka->titulek, QStringLiteral("Otázka programu Zebrovka 2003 (2004)"));
    ASSERT_TRUE(druhe->vyhodnoceni->probehlo);
    EXPECT_EQ(druhe->vyhodnoceni->soubor,
              QStringLiteral("Protokol z opravy procvičování nebyl vytvořen"));
    EXPECT_EQ(druhe->vyhodnoceni->pocet, QStringLiteral("Počet otázek: 4"));
    EXPECT_FALSE(druhe->vyhodnoceni->opakovatPovoleno);
    EXPECT_EQ(CtiVysledky(Adresar()).size(), 1u);

    EXPECT_TRUE(h.Rezim().isEmpty());
    EXPECT_TRUE(Najdi<QMenuBar>(&h, "Menu1")->isVisible());
    EXPECT_FALSE(Najdi<QMenuBar>(&h, "Menu2")->isVisible());
    EXPECT_FALSE(Najdi<PanelOtazek>(&h, "pOtazky")->isVisible());
    EXPECT_TRUE(Najdi<QLabel>(&h, "imgPozadi")->isVisible());
    EXPECT_TRUE(h.relace.beh.otazky.empty());
    EXPECT_FALSE(h.relace.beh.opakovani);

    // The next run from the menu is an ordinary one again.
    Zacni(h, false, 2, 1);
    EXPECT_EQ(Najdi<QLabel>(&h, "lbCisloOtazky")->text(), Cislo(1));
    EXPECT_EQ(Najdi<QLabel>(&h, "lbCelkemOtazek")->text(), QStringLiteral("Celkem otázek: 2"));
    EXPECT_FALSE(h.relace.beh.opakovani);
}

TEST_F(BehOkna, VypnutyProtokolProcvicovaniNeuklada)
{
    auto hlavni = Okno(Rada(1, 3), "1111111", "011");
    THlavniFormular& h = *hlavni;
    Zacni(h, false, 2, 1);
    Spatne(h);
    PravyKlik(h);
    Spravne(h);
    auto vyhodnoceni = OdpovezVyhodnoceni(true);
    PravyKlik(h);
    ASSERT_TRUE(vyhodnoceni->probehlo);
    EXPECT_EQ(vyhodnoceni->soubor,
              QStringLiteral("Nebyl vytvořen protokol - chcete-li ho vytvářet změňte nastavení"));
    EXPECT_FALSE(fs::exists(Adresar() / "Vysledky.DB"));
    // The retry still works: question 1 again, and no protocol question with the switch off.
    EXPECT_EQ(Najdi<QLabel>(&h, "lbCisloOtazky")->text(), Cislo(1));
    EXPECT_EQ(Najdi<QLabel>(&h, "lbCelkemOtazek")->text(), QStringLiteral("Celkem otázek: 1"));
    Spravne(h);
    auto opakovani = OdpovezVyhodnoceni(false);
    PravyKlik(h);
    ASSERT_TRUE(opakovani->probehlo);
    EXPECT_FALSE(fs::exists(Adresar() / "Vysledky.DB"));
    EXPECT_TRUE(h.Rezim().isEmpty());
}

// The record is stored at the run's end before the evaluation window opens. A failed write is
// shown in the storage's own words before the window, which then says no record was made, and
// nothing is written later.
TEST_F(BehOkna, ZaznamPredVyhodnocenimAChybaZapisu)
{
    auto hlavni = Okno(Rada(1, 3));
    THlavniFormular& h = *hlavni;
    Zacni(h, false, 1, 1);
    Spravne(h);
    std::size_t zaznamuPriOkne = 99;
    auto okno = OdpovedzModalnimu([&](QWidget* w) {
        zaznamuPriOkne = CtiVysledky(Adresar()).size();
        auto* vysledek = qobject_cast<TResult*>(w);
        ASSERT_NE(vysledek, nullptr) << w->metaObject()->className();
        Najdi<QPushButton>(vysledek, "btnOK")->click();
    });
    PravyKlik(h);
    ASSERT_TRUE(okno->probehlo);
    EXPECT_EQ(zaznamuPriOkne, 1u);

    const fs::path soubor = Adresar() / "Vysledky.DB";
    {
        std::ofstream poskozeny(soubor, std::ios::binary | std::ios::trunc);
        poskozeny << "poškozená tabulka";
    }
    const auto obsah = [&] {
        std::ifstream f(soubor, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    };
    const std::string predtim = obsah();
    std::string ocekavana;
    try {
        Tabulka t;
        t.Svaz(Adresar(), "Vysledky");
        t.Otevri();
    } catch (const std::exception& e) {
        ocekavana = e.what();
    }
    ASSERT_FALSE(ocekavana.empty()) << "the damaged table must be refused";

    Zacni(h, false, 1, 1);
    Spravne(h);
    std::shared_ptr<Vyhodnoceni> vyhodnoceni = std::make_shared<Vyhodnoceni>();
    auto chyba = OdpovedzModalnimu([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr) << w->metaObject()->className();
        vyhodnoceni = OdpovezVyhodnoceni(false, w);
        box->button(QMessageBox::Ok)->click();
    });
    PravyKlik(h);
    ASSERT_TRUE(chyba->probehlo);
    EXPECT_EQ(chyba->ikona, QMessageBox::Critical);
    EXPECT_EQ(chyba->text, QString::fromStdString(ocekavana));
    ASSERT_TRUE(vyhodnoceni->probehlo);
    EXPECT_EQ(vyhodnoceni->soubor, QStringLiteral("Protokol se nepodařilo vytvořit"));
    EXPECT_TRUE(h.Rezim().isEmpty());
    EXPECT_EQ(obsah(), predtim);
}

TEST_F(BehOkna, ZkouseniBezNapovedySvymRozlozenim)
{
    auto hlavni = Okno(Rada(1, 4), "1111111", "111");
    THlavniFormular& h = *hlavni;
    Zacni(h, true, 2, 1);
    EXPECT_EQ(h.Rezim(), QStringLiteral("Zkouseni"));
    EXPECT_TRUE(Najdi<QAction>(&h, "M1Zkouset")->isChecked());
    EXPECT_FALSE(Najdi<QAction>(&h, "M1Procvicovat")->isChecked());
    EXPECT_FALSE(Najdi<QAction>(&h, "M2OznacSpravne")->isVisible());
    EXPECT_TRUE(Najdi<QAction>(&h, "M2KonecRezimu")->isVisible());
    EXPECT_FALSE(Najdi<QLabel>(&h, "lbNapoveda")->isVisible());
    EXPECT_EQ(Najdi<QLabel>(&h, "lbKonecRezimu")->text(),
              QStringLiteral("Pro ukončení režimu zkoušení stiskněte \"Konec režimu\""));
    EXPECT_EQ(Najdi<QLabel>(&h, "lbKonecRezimu")->pos(), QPoint(212, 28));
    EXPECT_EQ(Najdi<QLabel>(&h, "lbUzivatel")->pos(), QPoint(212, 48));
    EXPECT_EQ(Najdi<QLabel>(&h, "lbSkupina")->pos(), QPoint(384, 48));
    EXPECT_EQ(Najdi<QLabel>(&h, "lbJakNaTo")->pos(), QPoint(212, 8));
    EXPECT_EQ(Najdi<QLabel>(&h, "lbUzivatel")->text(),
              QStringLiteral("Aktivní profil uživatele: Jana"));
    EXPECT_EQ(Najdi<QLabel>(&h, "lbSkupina")->text(), QStringLiteral("Skupina: B"));
    for (QWidget* w : std::initializer_list<QWidget*> {
             Najdi<QLabel>(&h, "lbCelkemOtazek"), Najdi<QLabel>(&h, "lbZbyvaOtazek"),
             Najdi<QLabel>(&h, "lbUspesnost"), Najdi<QLabel>(&h, "lbJakNaTo"),
             Najdi<QLabel>(&h, "lbSkupina"), Najdi<QFrame>(&h, "Cara1"),
             Najdi<QFrame>(&h, "Cara2")})
        EXPECT_TRUE(w->isVisible()) << w->objectName().toStdString();

    // The hint handler does nothing in an exam even when called.
    Vyvolej(&h, "M2OznacSpravne");
    EXPECT_TRUE(h.relace.beh.napovedy.empty());
    EXPECT_EQ(Znacky(h), "....");

    Spatne(h);
    PravyKlik(h);
    Spravne(h);
    auto vyhodnoceni = OdpovezVyhodnoceni(false);
    PravyKlik(h);
    ASSERT_TRUE(vyhodnoceni->probehlo);
    EXPECT_EQ(vyhodnoceni->typ, QStringLiteral("Vyhodnocení zkoušení"));
    EXPECT_FALSE(vyhodnoceni->napovedyViditelne);
    EXPECT_EQ(vyhodnoceni->uspesnost, QStringLiteral("Úspěšnost: 50%"));
    auto zaznamy = CtiVysledky(Adresar());
    ASSERT_EQ(zaznamy.size(), 1u);
    EXPECT_EQ(zaznamy[0].typ, "Zkoušení");
    EXPECT_EQ(zaznamy[0].spatneCisla, "1");
    EXPECT_EQ(zaznamy[0].napovedy, 0);
    EXPECT_EQ(zaznamy[0].napovedyCisla, "");

    // Ending the exam puts the moved labels back.
    EXPECT_TRUE(h.Rezim().isEmpty());
    EXPECT_FALSE(Najdi<QAction>(&h, "M1Zkouset")->isChecked());
    EXPECT_EQ(Najdi<QLabel>(&h, "lbKonecRezimu")->pos(), QPoint(212, 19));
    EXPECT_EQ(Najdi<QLabel>(&h, "lbUzivatel")->pos(), QPoint(212, 52));
    EXPECT_EQ(Najdi<QLabel>(&h, "lbSkupina")->pos(), QPoint(384, 52));
    EXPECT_EQ(Najdi<QLabel>(&h, "lbJakNaTo")->pos(), QPoint(212, 4));
    // A practice run afterwards has its own text and the hint line back.
    Zacni(h, false, 1, 1);
    EXPECT_EQ(Najdi<QLabel>(&h, "lbKonecRezimu")->text(),
              QStringLiteral("Pro ukončení režimu procvičování stiskněte \"Konec režimu\""));
    EXPECT_TRUE(Najdi<QLabel>(&h, "lbNapoveda")->isVisible());
    EXPECT_TRUE(Najdi<QAction>(&h, "M2OznacSpravne")->isVisible());
    EXPECT_EQ(Najdi<QLabel>(&h, "lbKonecRezimu")->pos(), QPoint(212, 19));
}

TEST_F(BehOkna, KonecRezimuAZavreniOknaSePtaji)
{
    auto hlavni = Okno(Rada(1, 5));
    THlavniFormular& h = *hlavni;
    Zacni(h, false, 3, 1);
    Spatne(h);
    PravyKlik(h);
    Oznac(h, "A");

    auto ne = StiskniVeZprave(QMessageBox::No);
    Vyvolej(&h, "M2KonecRezimu");
    ASSERT_TRUE(ne->probehlo);
    EXPECT_EQ(ne->text, QStringLiteral("Opravdu chcete skončit, i když úlohy nejsou dokončeny?"));
    EXPECT_EQ(ne->titulek, QStringLiteral("Otázka programu Zebrovka 2003 (2004)"));
    EXPECT_EQ(ne->ikona, QMessageBox::Question);
    // Nothing changed: same question, same mark, still pending.
    EXPECT_EQ(h.Rezim(), QStringLiteral("Procvicovani"));
    EXPECT_EQ(Najdi<QLabel>(&h, "lbCisloOtazky")->text(), Cislo(2));
    EXPECT_EQ(Znacky(h), "Y...");
    EXPECT_TRUE(h.relace.beh.cekaNaOdpoved);

    // Closing the window asks its own question; No keeps the run.
    auto zavrit = StiskniVeZprave(QMessageBox::No);
    EXPECT_FALSE(h.close());
    ASSERT_TRUE(zavrit->probehlo);
    EXPECT_EQ(
        zavrit->text,
        QStringLiteral("Opravdu chcete vypnout program, i když spuštěný režim je stále aktivní?"));
    EXPECT_TRUE(h.isVisible());
    EXPECT_EQ(h.Rezim(), QStringLiteral("Procvicovani"));

    auto ano = StiskniVeZprave(QMessageBox::Yes);
    Vyvolej(&h, "M2KonecRezimu");
    ASSERT_TRUE(ano->probehlo);
    EXPECT_TRUE(h.Rezim().isEmpty());
    EXPECT_FALSE(Najdi<QAction>(&h, "M1Procvicovat")->isChecked());
    EXPECT_TRUE(Najdi<QMenuBar>(&h, "Menu1")->isVisible());
    EXPECT_TRUE(Najdi<QStatusBar>(&h, "StavovyRadek1")->isVisible());
    EXPECT_FALSE(fs::exists(Adresar() / "Vysledky.DB"));
    EXPECT_TRUE(h.relace.beh.otazky.empty());
    EXPECT_TRUE(h.relace.beh.spatne.empty());
    EXPECT_TRUE(h.close());  // without a mode, no question
}

TEST_F(BehOkna, NahodneBezOpakovaniAzDoVycerpani)
{
    // Category 1 and 6 on: numbers 1..30 (some only for "CD") and 621..630 with pictures.
    std::vector<Otazka> otazky = Rada(1, 30);
    for (Otazka& o : otazky)
        if (o.cislo % 7 == 0)
            o.skupina = "CD";
    for (Otazka o : Rada(621, 630)) {
        o.obrazek = "grafika/621.jpg";
        otazky.push_back(o);
    }
    otazky.erase(otazky.begin() + 9);  // 10 is withdrawn
    std::set<int> dostupne;
    for (const Otazka& o : otazky)
        if (o.skupina.find('B') != std::string::npos)
            dostupne.insert(o.cislo);
    ASSERT_EQ(dostupne.size(), 35u);

    auto hlavni = Okno(otazky, "1000010", "000", "10");
    THlavniFormular& h = *hlavni;
    auto dotaz = Zacni(h, false, 35);
    ASSERT_EQ(dotaz->pocetMax, 35);
    std::vector<int> ukazane;
    for (int i = 0; i < 35; ++i) {
        if (i > 0)
            PravyKlik(h);
        ukazane.push_back(h.relace.beh.cisloOtazky);
        EXPECT_EQ(Najdi<QLabel>(&h, "lbCisloOtazky")->text(), Cislo(ukazane.back()));
        EXPECT_EQ(Najdi<QLabel>(&h, "lbZbyvaOtazek")->text(),
                  QStringLiteral("Zbývá: %1").arg(35 - i));
        Vyvolej(&h, "M2OznacSpravne");
        hodiny.msUtc += 1237;
    }
    EXPECT_EQ(std::set<int>(ukazane.begin(), ukazane.end()), dostupne);
    EXPECT_FALSE(std::is_sorted(ukazane.begin(), ukazane.end()));
    EXPECT_EQ(h.relace.beh.otazky, ukazane);

    auto vyhodnoceni = OdpovezVyhodnoceni(false);
    PravyKlik(h);
    EXPECT_TRUE(vyhodnoceni->probehlo);
    EXPECT_EQ(vyhodnoceni->napovedy, QStringLiteral("Použití nápovědy: 35"));
}

TEST_F(BehOkna, OpakovaniZaznamuVynechaVyrazeneAOpraviPopisky)
{
    // Question 5 is withdrawn. A retry of a stored record is started the way the results list does.
    std::vector<Otazka> otazky = Rada(1, 8);
    otazky.erase(otazky.begin() + 4);
    auto hlavni = Okno(otazky, "1111111", "111");
    THlavniFormular& h = *hlavni;
    auto opakujZaznam = [&](std::vector<int> cisla) {
        h.relace.opakovaniZaznamu.priznak = true;
        h.relace.opakovaniZaznamu.ulozenaSkupina = h.relace.nastaveni.skupina;
        h.relace.opakovaniZaznamu.kategorie = "136";
        h.relace.nastaveni.skupina = "C";
        h.relace.beh.otazky = std::move(cisla);
        h.relace.beh.celkem = h.relace.beh.zbyva = static_cast<int>(h.relace.beh.otazky.size());
        h.NastavRezim(QStringLiteral("Procvicovani"), true);
    };

    opakujZaznam({1, 5, 2});
    EXPECT_EQ(Najdi<QLabel>(&h, "lbCisloOtazky")->text(), Cislo(1));
    EXPECT_EQ(Najdi<QLabel>(&h, "lbCelkemOtazek")->text(), QStringLiteral("Celkem otázek: 3"));
    EXPECT_EQ(Najdi<QLabel>(&h, "lbZbyvaOtazek")->text(), QStringLiteral("Zbývá: 3"));
    EXPECT_EQ(Najdi<QLabel>(&h, "lbSkupina")->text(), QStringLiteral("Skupina: C"));
    Spatne(h);
    PravyKlik(h);
    EXPECT_EQ(Najdi<QLabel>(&h, "lbCisloOtazky")->text(), Cislo(2));
    EXPECT_EQ(Najdi<QLabel>(&h, "lbCelkemOtazek")->text(), QStringLiteral("Celkem otázek: 2"));
    EXPECT_EQ(Najdi<QLabel>(&h, "lbZbyvaOtazek")->text(), QStringLiteral("Zbývá: 1"));
    Spravne(h);
    EXPECT_EQ(Najdi<QLabel>(&h, "lbUspesnost")->text(), QStringLiteral("Úspěšnost: 50%"));

    auto konec = OdpovezProtokolAVyhodnoceni(true, false);
    PravyKlik(h);
    ASSERT_TRUE(konec->otazka->probehlo);
    ASSERT_TRUE(konec->vyhodnoceni->probehlo);
    EXPECT_EQ(konec->vyhodnoceni->pocet, QStringLiteral("Počet otázek: 2"));
    auto zaznamy = CtiVysledky(Adresar());
    ASSERT_EQ(zaznamy.size(), 1u);
    EXPECT_EQ(zaznamy[0].skupina, "C");
    EXPECT_EQ(zaznamy[0].kategorie, "136");
    EXPECT_EQ(zaznamy[0].pocet, 2);
    EXPECT_EQ(zaznamy[0].spatneCisla, "1");
    EXPECT_TRUE(h.Rezim().isEmpty());
    EXPECT_EQ(h.relace.nastaveni.skupina, "B");
    EXPECT_FALSE(h.relace.opakovaniZaznamu.priznak);

    // A withdrawn number first.
    opakujZaznam({5, 3});
    EXPECT_EQ(Najdi<QLabel>(&h, "lbCisloOtazky")->text(), Cislo(3));
    EXPECT_EQ(Najdi<QLabel>(&h, "lbCelkemOtazek")->text(), QStringLiteral("Celkem otázek: 1"));
    EXPECT_EQ(Najdi<QLabel>(&h, "lbZbyvaOtazek")->text(), QStringLiteral("Zbývá: 1"));
    auto ukonceni = StiskniVeZprave(QMessageBox::Yes);
    Vyvolej(&h, "M2KonecRezimu");
    ASSERT_TRUE(ukonceni->probehlo);
    EXPECT_EQ(h.relace.nastaveni.skupina, "B");

    // Nothing left to ask: the mode ends at once, without an evaluation, the group comes back and
    // an information box says why.
    auto nic = StiskniVeZprave(QMessageBox::Ok);
    opakujZaznam({5});
    EXPECT_TRUE(CekejNa([&] { return h.Rezim().isEmpty(); }, 2000));
    EXPECT_TRUE(CekejNa([&] { return nic->probehlo; }, 2000));
    EXPECT_EQ(nic->titulek, QStringLiteral("Informace programu Zebrovka 2003 (2004)"));
    EXPECT_EQ(nic->ikona, QMessageBox::Information);
    EXPECT_TRUE(nic->text.startsWith(QStringLiteral("V tomto běhu nelze položit žádnou otázku")));
    EXPECT_EQ(h.relace.nastaveni.skupina, "B");
    EXPECT_FALSE(h.relace.opakovaniZaznamu.priznak);
    EXPECT_TRUE(Najdi<QMenuBar>(&h, "Menu1")->isVisible());
    EXPECT_EQ(CtiVysledky(Adresar()).size(), 1u);
}

// Every evaluated answer of practice, its retry and exam goes into the learner's history; a hint
// counts as asked and breaks the run of right answers.
TEST_F(BehOkna, KazdaOdpovedSePripiseDoStatistiky)
{
    auto hlavni = Okno(Rada(1, 6));
    THlavniFormular& h = *hlavni;
    Zacni(h, false, 3, 1);
    Spatne(h);  // 1
    PravyKlik(h);
    Vyvolej(&h, "M2OznacSpravne");  // 2
    PravyKlik(h);
    Spravne(h);  // 3
    auto prvni = OdpovezVyhodnoceni(true);
    PravyKlik(h);
    ASSERT_TRUE(prvni->probehlo);
    hodiny.mistni = DatumCas {2025, 3, 14, 9, 40, 0, 0};
    Spravne(h);  // retry: 1
    PravyKlik(h);
    Spravne(h);  // retry: 2
    auto druhe = OdpovezProtokolAVyhodnoceni(false, false);
    PravyKlik(h);
    ASSERT_TRUE(druhe->otazka->probehlo);

    Zacni(h, true, 2, 1);
    Spravne(h);  // 1
    PravyKlik(h);
    Spatne(h);  // 2
    auto treti = OdpovezVyhodnoceni(false);
    PravyKlik(h);
    ASSERT_TRUE(treti->probehlo);

    const StatistikaProfilu s = NactiStatistiku(Adresar(), "Jana");
    ASSERT_EQ(s.size(), 3u);
    struct Ocekavano {
        int cislo, polozeno, spravne, spatne, napoveda, rada;
        VysledekPokusu naposledy;
    };
    for (const Ocekavano& o : {Ocekavano {1, 3, 2, 1, 0, 2, VysledekPokusu::Spravne},
                               Ocekavano {2, 3, 1, 1, 1, 0, VysledekPokusu::Spatne},
                               Ocekavano {3, 1, 1, 0, 0, 1, VysledekPokusu::Spravne}}) {
        SCOPED_TRACE(o.cislo);
        const ZaznamStatistiky& z = s.at(o.cislo);
        EXPECT_EQ(z.polozeno, o.polozeno);
        EXPECT_EQ(z.spravne, o.spravne);
        EXPECT_EQ(z.spatne, o.spatne);
        EXPECT_EQ(z.napoveda, o.napoveda);
        EXPECT_EQ(z.radaSpravnych, o.rada);
        EXPECT_EQ(z.naposledy, o.naposledy);
    }
    EXPECT_EQ(s.at(3).posledni, (DatumCas {2025, 3, 14, 9, 26, 53, 0}));  // stored to the second
    EXPECT_EQ(s.at(2).posledni, (DatumCas {2025, 3, 14, 9, 40, 0, 0}));

    // The answer log: each answer with its mode and the letters marked; the memory moved by each.
    using R = RezimOdpovedi;
    struct Radek {
        int cislo;
        R rezim;
        const char* zvolene;
        VysledekPokusu v;
    };
    const std::vector<Radek> ocekavany {{1, R::Procvicovani, "AB", VysledekPokusu::Spatne},
                                        {2, R::Procvicovani, "", VysledekPokusu::Napoveda},
                                        {3, R::Procvicovani, "AC", VysledekPokusu::Spravne},
                                        {1, R::Oprava, "B", VysledekPokusu::Spravne},
                                        {2, R::Oprava, "BD", VysledekPokusu::Spravne},
                                        {1, R::Zkouseni, "B", VysledekPokusu::Spravne},
                                        {2, R::Zkouseni, "A", VysledekPokusu::Spatne}};
    const std::vector<Odpoved> log = NactiOdpovedi(Adresar(), "Jana");
    ASSERT_EQ(log.size(), ocekavany.size());
    for (std::size_t i = 0; i < log.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(log[i].cislo, ocekavany[i].cislo);
        EXPECT_EQ(log[i].rezim, ocekavany[i].rezim);
        EXPECT_EQ(log[i].zvolene, ocekavany[i].zvolene);
        EXPECT_EQ(log[i].vysledek, ocekavany[i].v);
    }
    EXPECT_EQ(NactiPametProfilu(Adresar(), "Jana").size(), 3u);
}

// "Opakování na dnes": the start box counts the due and the new questions; the run asks the due
// ones most overdue first, then new ones in the spread order up to the daily limit, and logs
// them as a review with the time each answer took. With the history off nothing is written.
TEST_F(BehOkna, OpakovaniNaDnesSplatneANove)
{
    const std::vector<Otazka> banka = Rada(1, 30);
    using R = RezimOdpovedi;
    ZapisOdpovedi(
        Adresar(), "Jana",
        {{8, {2025, 3, 12, 8, 0, 0, 0}, R::Procvicovani, "A", VysledekPokusu::Spatne, 1},
         {5, {2025, 3, 10, 8, 0, 0, 0}, R::Procvicovani, "A", VysledekPokusu::Spatne, 1},
         {9, {2025, 3, 13, 8, 0, 0, 0}, R::Procvicovani, "B", VysledekPokusu::Spravne, 1}});
    NastavLimitNovych(Adresar(), "Jana", 3);
    auto hlavni = Okno(banka);
    THlavniFormular& h = *hlavni;
    const QList<QAction*> polozky = Najdi<QMenu>(&h, "Start1")->actions();
    EXPECT_EQ(polozky.indexOf(Najdi<QAction>(&h, "M1ProcvicovatChyby")) + 1,
              polozky.indexOf(Najdi<QAction>(&h, "M1OpakovaniNaDnes")));

    auto box = StiskniVeZprave(QMessageBox::Yes);
    Vyvolej(&h, "M1OpakovaniNaDnes");
    ASSERT_TRUE(box->probehlo);
    EXPECT_EQ(box->text, QStringLiteral("K opakování: 2, nových: 3\nZačít opakování?"));
    EXPECT_EQ(h.Rezim(), QStringLiteral("Procvicovani"));

    std::vector<int> nevidene;
    for (int c = 1; c <= 30; ++c)
        if (c != 5 && c != 8 && c != 9)
            nevidene.push_back(c);
    const std::vector<int> nove = PoradiNovych(nevidene, SeedDne(hodiny.mistni));
    const std::vector<int> poradi {5, 8, nove[0], nove[1], nove[2]};
    for (std::size_t i = 0; i < poradi.size(); ++i) {
        SCOPED_TRACE(i);
        if (i > 0)
            PravyKlik(h);
        EXPECT_EQ(Najdi<QLabel>(&h, "lbCisloOtazky")->text(), Cislo(poradi[i]));
        hodiny.msUtc += 1000 + static_cast<std::uint32_t>(i);
        Spravne(h);
    }
    auto vyhodnoceni = OdpovezVyhodnoceni(false);
    PravyKlik(h);
    ASSERT_TRUE(vyhodnoceni->probehlo);
    const std::vector<Odpoved> log = NactiOdpovedi(Adresar(), "Jana");
    ASSERT_EQ(log.size(), 8u);
    for (std::size_t i = 0; i < poradi.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(log[3 + i].cislo, poradi[i]);
        EXPECT_EQ(log[3 + i].rezim, R::Opakovani);
        EXPECT_EQ(log[3 + i].casMs, 1000 + static_cast<int>(i));
    }

    // The same day: nothing due, the limit used up.
    auto nic = StiskniVeZprave(QMessageBox::Ok);
    Vyvolej(&h, "M1OpakovaniNaDnes");
    ASSERT_TRUE(nic->probehlo);
    EXPECT_EQ(nic->text,
              QStringLiteral("K opakování: 0, nových: 0\nNa dnes nemáte nic k opakování."));

    // The switch off: the box says so and a practice run writes nothing.
    ASSERT_TRUE(Najdi<QAction>(&h, "M1UkladatHistorii")->isChecked());
    Vyvolej(&h, "M1UkladatHistorii");
    EXPECT_FALSE(UkladatHistorii(Adresar(), "Jana"));
    hodiny.mistni = DatumCas {2025, 3, 20, 9, 0, 0, 0};
    auto vypnuto = StiskniVeZprave(QMessageBox::No);
    Vyvolej(&h, "M1OpakovaniNaDnes");
    ASSERT_TRUE(vypnuto->probehlo);
    EXPECT_TRUE(vypnuto->text.contains(QStringLiteral("Ukládání historie učení je vypnuto")))
        << vypnuto->text.toStdString();
    const auto polozeno = [&] {
        int n = 0;
        for (const auto& [c, z] : NactiStatistiku(Adresar(), "Jana"))
            n += z.polozeno;
        return n;
    };
    EXPECT_EQ(polozeno(), 8);
    Zacni(h, false, 1, 1);
    Spatne(h);
    auto konec = OdpovezVyhodnoceni(false);
    PravyKlik(h);
    ASSERT_TRUE(konec->probehlo);
    EXPECT_EQ(NactiOdpovedi(Adresar(), "Jana").size(), 8u);
    EXPECT_EQ(NactiPametProfilu(Adresar(), "Jana").size(), 6u);
    EXPECT_EQ(polozeno(), 8);

    // Erasing asks first (No keeps everything), then erases.
    auto ne = StiskniVeZprave(QMessageBox::No);
    Vyvolej(&h, "M1SmazatHistorii");
    ASSERT_TRUE(ne->probehlo);
    EXPECT_EQ(NactiOdpovedi(Adresar(), "Jana").size(), 8u);
    auto ano = StiskniVeZprave(QMessageBox::Yes);
    Vyvolej(&h, "M1SmazatHistorii");
    ASSERT_TRUE(ano->probehlo);
    EXPECT_TRUE(NactiOdpovedi(Adresar(), "Jana").empty());
    EXPECT_TRUE(NactiPametProfilu(Adresar(), "Jana").empty());
    EXPECT_TRUE(NactiStatistiku(Adresar(), "Jana").empty());
}

// The practice of one's mistakes tells how many mistakes it found and asks them first, then the
// due and the unseen ones in the spread order, then the rest; the start bar is greyed and the run
// is stored as any practice run.
TEST_F(BehOkna, ProcvicovaniChybVPoradiZHistorie)
{
    ZapisPokusy(Adresar(), "Jana",
                {{2, VysledekPokusu::Spravne},
                 {2, VysledekPokusu::Spravne},
                 {1, VysledekPokusu::Spravne},
                 {4, VysledekPokusu::Spatne}},
                DatumCas {2025, 3, 1, 8, 0, 0, 0});
    auto hlavni = Okno(Rada(1, 6));
    THlavniFormular& h = *hlavni;
    const QList<QAction*> polozky = Najdi<QMenu>(&h, "Start1")->actions();
    const auto zkouset = polozky.indexOf(Najdi<QAction>(&h, "M1Zkouset"));
    ASSERT_GE(zkouset, 0);
    ASSERT_LT(zkouset + 1, polozky.size());
    EXPECT_EQ(polozky[zkouset + 1], Najdi<QAction>(&h, "M1ProcvicovatChyby"));
    EXPECT_EQ(Najdi<QAction>(&h, "M1ProcvicovatChyby")->text().remove(QLatin1Char('&')),
              QStringLiteral("Procvičovat chyby"));
    EXPECT_FALSE(Najdi<QAction>(&h, "M1ProcvicovatChyby")->statusTip().isEmpty());
    EXPECT_TRUE(Najdi<QAction>(&h, "M1ProcvicovatChyby")->isEnabled());

    std::shared_ptr<Dotaz> dotaz;
    auto chyby = OdpovedzModalnimu([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr) << w->metaObject()->className();
        EXPECT_EQ(box->text(),
                  QStringLiteral("Nalezené chyby: 1. Doplní je otázky k opakování a nové otázky."));
        dotaz = PotvrdDotaz(5);
        box->button(QMessageBox::Ok)->click();
    });
    Vyvolej(&h, "M1ProcvicovatChyby");
    ASSERT_TRUE(chyby->probehlo);
    ASSERT_TRUE(dotaz && dotaz->probehlo);
    EXPECT_EQ(dotaz->pocetMax, 6);
    EXPECT_FALSE(dotaz->startPovolen);
    EXPECT_EQ(dotaz->nadpis, QStringLiteral("Procvičování otázek"));
    EXPECT_EQ(h.Rezim(), QStringLiteral("Procvicovani"));
    EXPECT_TRUE(Najdi<QAction>(&h, "M2OznacSpravne")->isVisible());

    // The mistake, the due ones (1 and 2 were answered before the memory was kept: their memory
    // is derived from Statistika, and is long due), then the unseen ones in the spread order.
    const std::vector<int> nove = PoradiNovych({3, 5, 6}, SeedDne(hodiny.mistni));
    const int poradi[] = {4, 1, 2, nove[0], nove[1]};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        if (i > 0)
            PravyKlik(h);
        EXPECT_EQ(Najdi<QLabel>(&h, "lbCisloOtazky")->text(), Cislo(poradi[i]));
        i == 1 ? Spatne(h) : Spravne(h);
    }
    auto vyhodnoceni = OdpovezVyhodnoceni(false);
    PravyKlik(h);
    ASSERT_TRUE(vyhodnoceni->probehlo);
    EXPECT_EQ(vyhodnoceni->typ, QStringLiteral("Vyhodnocení procvičování"));
    EXPECT_TRUE(vyhodnoceni->opakovatPovoleno);
    const auto zaznamy = CtiVysledky(Adresar());
    ASSERT_EQ(zaznamy.size(), 1u);
    EXPECT_EQ(zaznamy.front().typ, "Procvičování");
    EXPECT_EQ(zaznamy.front().spatneCisla, "1");
    EXPECT_TRUE(h.relace.beh.poradi.empty());
    EXPECT_EQ(NactiStatistiku(Adresar(), "Jana").at(1).naposledy, VysledekPokusu::Spatne);
}

// "  &O programu  " is the one way out of the mode menu besides its end: it opens the same about
// box as the main menu, and the run goes on where it stood.
TEST_F(BehOkna, OProgramuBehemProcvicovaniANavratDoBehu)
{
    auto hlavni = Okno({});
    THlavniFormular& h = *hlavni;
    Zacni(h, false, 3);
    ASSERT_EQ(h.relace.rezim, RezimBehu::Procvicovani);
    ASSERT_TRUE(Najdi<QAction>(&h, "M2oProgramu")->isEnabled());
    const int otazka = h.relace.beh.cisloOtazky;
    Oznac(h, SpravneProCislo(otazka));

    auto box = OdpovedzModalnimu([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    Vyvolej(&h, "M2oProgramu");
    ASSERT_TRUE(box->probehlo);
    EXPECT_EQ(box->trida, QStringLiteral("TAbout"));
    EXPECT_EQ(box->titulek, QStringLiteral("O programu"));

    EXPECT_EQ(h.relace.rezim, RezimBehu::Procvicovani);
    EXPECT_EQ(h.relace.beh.cisloOtazky, otazka);
    EXPECT_EQ(h.relace.beh.zbyva, 2);
    PravyKlik(h);
    EXPECT_TRUE(Najdi<QTimer>(&h, "Timer1")->isActive());
    EXPECT_EQ(h.relace.beh.uspesnost, 100);
    EXPECT_TRUE(Najdi<QMenuBar>(&h, "Menu2")->isVisible());
}

}  // namespace

namespace {

// A run driven either by the mouse or by the keys only; both must leave the same records.
class KlavesniceBehu : public BehOkna {
protected:
    // Keys go where the focus is: the question panel during a run.
    static void Klavesa(THlavniFormular& h, Qt::Key klavesa)
    {
        ASSERT_EQ(h.focusWidget(), Najdi<PanelOtazek>(&h, "pOtazky"));
        QTest::keyClick(Najdi<PanelOtazek>(&h, "pOtazky"), klavesa);
    }
    static void Klavesa(QWidget* okno, Qt::Key klavesa)
    {
        QTest::keyClick(okno->focusWidget() ? okno->focusWidget() : okno, klavesa);
    }

    // One question: 'S' right, 'W' wrong, 'H' the hint; then the feedback time runs out and the
    // run moves on (the last question's move opens the evaluation, answered by the caller).
    static void Krok(THlavniFormular& h, char krok, bool klavesy, bool cislice)
    {
        const std::string spravne = SpravneProCislo(h.relace.beh.cisloOtazky);
        if (krok == 'H') {
            if (klavesy) {
                // A shortcut needs its window active; offscreen, a closed dialog leaves none.
                h.activateWindow();
                ASSERT_TRUE(QTest::qWaitForWindowActive(&h));
                Klavesa(h, Qt::Key_F2);
                ASSERT_FALSE(h.relace.beh.cekaNaOdpoved);
            } else
                Vyvolej(&h, "M2OznacSpravne");
        } else {
            const std::string pismena = krok == 'S' ? spravne : spravne == "B" ? "AB" : "A";
            if (klavesy) {
                for (char p : pismena)
                    Klavesa(h, static_cast<Qt::Key>((cislice ? Qt::Key_1 : Qt::Key_A) + (p - 'A')));
                Klavesa(h, Qt::Key_Return);
            } else {
                Oznac(h, pismena);
                PravyKlik(h);
            }
            ASSERT_TRUE(Najdi<QTimer>(&h, "Timer1")->isActive());
            if (klavesy)
                Klavesa(h, Qt::Key_Space);  // ignored while the feedback shows
            Vyprs(&h, "Timer1");
        }
        if (klavesy)
            Klavesa(h, cislice ? Qt::Key_Space : Qt::Key_Return);
        else
            PravyKlik(h);
    }

    // Practice of five questions with a retry of the wrong and hinted ones, or an exam of three.
    void Beh(bool klavesy, bool zkouska)
    {
        auto hlavni = Okno(Rada(1, 6));
        THlavniFormular& h = *hlavni;
        h.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&h));
        auto dotaz = OdpovedzModalnimu([=](QWidget* d) {
            auto* dpz = qobject_cast<TDotazPZ*>(d);
            ASSERT_NE(dpz, nullptr);
            if (!klavesy) {
                Najdi<QScrollBar>(dpz, "sbPocet")->setValue(zkouska ? 3 : 5);
                Najdi<QPushButton>(dpz, "btnPotvrdit")->click();
                return;
            }
            for (int i = 0; i < (zkouska ? 3 : 1); ++i)
                Klavesa(d, Qt::Key_Left);
            Klavesa(d, Qt::Key_Return);
        });
        Vyvolej(&h, zkouska ? "M1Zkouset" : "M1Procvicovat");
        ASSERT_TRUE(dotaz->probehlo);
        EXPECT_EQ(Najdi<QLabel>(&h, "lbCelkemOtazek")->text(),
                  QStringLiteral("Celkem otázek: %1").arg(zkouska ? 3 : 5));

        const std::string kroky = zkouska ? "SWS" : "WHSWS";
        for (std::size_t i = 0; i < kroky.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(Najdi<QLabel>(&h, "lbCisloOtazky")->text(), Cislo(static_cast<int>(i) + 1));
            if (i + 1 < kroky.size()) {
                Krok(h, kroky[i], klavesy, zkouska);
                continue;
            }
            // The evaluation: retry in practice (Tab to the retry button), close in the exam.
            auto vyhodnoceni = OdpovedzModalnimu([=](QWidget* w) {
                auto* okno = qobject_cast<TResult*>(w);
                ASSERT_NE(okno, nullptr);
                if (!klavesy) {
                    (zkouska ? Najdi<QPushButton>(okno, "btnOK")
                             : Najdi<QPushButton>(okno, "btnPrezkouset"))
                        ->click();
                    return;
                }
                if (!zkouska)
                    Klavesa(w, Qt::Key_Tab);
                Klavesa(w, Qt::Key_Return);
            });
            Krok(h, kroky[i], klavesy, zkouska);
            ASSERT_TRUE(vyhodnoceni->probehlo);
        }
        if (zkouska) {
            EXPECT_TRUE(h.Rezim().isEmpty());
            return;
        }
        // The retry asks 1, 4 (wrong) and 2 (hinted); all right this time. Its protocol question
        // keeps the record on Enter, and Enter closes the evaluation.
        ASSERT_EQ(h.Rezim(), QStringLiteral("Procvicovani"));
        const int opakovane[] = {1, 4, 2};
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(opakovane[i]);
            EXPECT_EQ(Najdi<QLabel>(&h, "lbCisloOtazky")->text(), Cislo(opakovane[i]));
            std::shared_ptr<ZachycenyDialog> otazka;
            auto konec = std::make_shared<bool>(false);
            if (i == 2)
                otazka = OdpovedzModalnimu([=](QWidget* box) {
                    OdpovedzModalnimu(
                        [=](QWidget* okno) {
                            *konec = qobject_cast<TResult*>(okno) != nullptr;
                            if (klavesy)
                                Klavesa(okno, Qt::Key_Return);
                            else
                                Najdi<QPushButton>(okno, "btnOK")->click();
                        },
                        box);
                    if (klavesy)
                        Klavesa(box, Qt::Key_Return);
                    else
                        qobject_cast<QMessageBox*>(box)->button(QMessageBox::Yes)->click();
                });
            Krok(h, 'S', klavesy, false);
            if (i == 2) {
                ASSERT_TRUE(otazka->probehlo);
                EXPECT_EQ(otazka->text,
                          QStringLiteral("Chcete vytvořit protokol i z této opravy?"));
                EXPECT_TRUE(*konec);
            }
        }
        EXPECT_TRUE(h.Rezim().isEmpty());
    }
};

TEST_F(KlavesniceBehu, KlavesamiStejneZaznamyJakoMysi)
{
    for (bool zkouska : {false, true}) {
        SCOPED_TRACE(zkouska ? "zkouseni" : "procvicovani");
        fs::remove(Adresar() / "Vysledky.DB");
        fs::remove(Adresar() / "otazky.DB");
        fs::remove(Adresar() / "Profily.DB");
        Beh(false, zkouska);
        const std::vector<ZaznamVysledku> mysi = CtiVysledky(Adresar());
        fs::remove(Adresar() / "Vysledky.DB");
        fs::remove(Adresar() / "otazky.DB");
        fs::remove(Adresar() / "Profily.DB");
        Beh(true, zkouska);
        const std::vector<ZaznamVysledku> klavesy = CtiVysledky(Adresar());
        ASSERT_EQ(mysi.size(), zkouska ? 1u : 2u);
        ASSERT_EQ(klavesy.size(), mysi.size());
        for (std::size_t i = 0; i < mysi.size(); ++i) {
            SCOPED_TRACE(i);
            const ZaznamVysledku &m = mysi[i], &k = klavesy[i];
            EXPECT_EQ(k.typ, m.typ);
            EXPECT_EQ(k.profil, m.profil);
            EXPECT_EQ(k.datum, m.datum);
            EXPECT_EQ(k.cas, m.cas);
            EXPECT_EQ(k.skupina, m.skupina);
            EXPECT_EQ(k.kategorie, m.kategorie);
            EXPECT_EQ(k.pocet, m.pocet);
            EXPECT_EQ(k.spatne, m.spatne);
            EXPECT_EQ(k.spatneCisla, m.spatneCisla);
            EXPECT_EQ(k.napovedy, m.napovedy);
            EXPECT_EQ(k.napovedyCisla, m.napovedyCisla);
            EXPECT_EQ(k.uspesnost, m.uspesnost);
        }
        // What the runs stored, so that two equally broken runs cannot pass.
        EXPECT_EQ(mysi[0].typ, zkouska ? "Zkoušení" : "Procvičování");
        EXPECT_EQ(mysi[0].pocet, zkouska ? 3 : 5);
        EXPECT_EQ(mysi[0].spatneCisla, zkouska ? "2" : "1, 4");
        EXPECT_EQ(mysi[0].napovedyCisla, zkouska ? "" : "2");
        EXPECT_EQ(mysi[0].uspesnost, zkouska ? 67 : 50);
        if (!zkouska) {
            EXPECT_EQ(mysi[1].pocet, 3);
            EXPECT_EQ(mysi[1].spatne, 0);
            EXPECT_EQ(mysi[1].uspesnost, 100);
        }
    }
}

}  // namespace

namespace {

// Enter on the two questions of the main window answers "Ne": the run, its question and its
// marks stay as they were, and the window stays open.
TEST_F(KlavesniceBehu, EnterNaOtazkachOknaNicNezmeni)
{
    auto hlavni = Okno(Rada(1, 6));
    THlavniFormular& h = *hlavni;
    Zacni(h, false, 4, 1);
    Klavesa(h, Qt::Key_B);
    const QString otazka = Najdi<QLabel>(&h, "lbCisloOtazky")->text();
    const std::string znacky = Znacky(h);
    auto enter = [](QWidget* box) { Klavesa(box, Qt::Key_Return); };
    const struct {
        const char* text;
        std::function<void()> akce;
    } pripady[] = {
        {"Opravdu chcete skončit, i když úlohy nejsou dokončeny?",
         [&] { Vyvolej(&h, "M2KonecRezimu"); }},
        {"Opravdu chcete vypnout program, i když spuštěný režim je stále aktivní?",
         [&] { h.close(); }},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.text);
        auto box = OdpovedzModalnimu(enter);
        p.akce();
        ASSERT_TRUE(box->probehlo);
        EXPECT_EQ(box->text, QString::fromUtf8(p.text));
        EXPECT_TRUE(h.isVisible());
        EXPECT_EQ(h.Rezim(), QStringLiteral("Procvicovani"));
        EXPECT_EQ(Najdi<QLabel>(&h, "lbCisloOtazky")->text(), otazka);
        EXPECT_EQ(Znacky(h), znacky);
        EXPECT_TRUE(h.relace.beh.cekaNaOdpoved);
        EXPECT_EQ(Najdi<QLabel>(&h, "lbZbyvaOtazek")->text(), QStringLiteral("Zbývá: 4"));
    }
    EXPECT_TRUE(CtiVysledky(Adresar()).empty());
}

// Every visible control of the main window (in each of its states), of the run dialog and of the
// evaluation window has an accessible name a screen reader can read.
TEST_F(KlavesniceBehu, KazdyViditelnyOvladacMaPristupneJmeno)
{
    auto bezJmena = [](QWidget* okno) {
        QStringList chybi;
        QList<QWidget*> vse = okno->findChildren<QWidget*>();
        vse.prepend(okno);
        for (QWidget* w : vse) {
            if (!w->isVisibleTo(okno) && w != okno)
                continue;
            QAccessibleInterface* rozhrani = QAccessible::queryAccessibleInterface(w);
            if (!rozhrani || rozhrani->text(QAccessible::Name).trimmed().isEmpty())
                chybi << w->objectName() + QLatin1Char('/')
                        + QLatin1String(w->metaObject()->className());
        }
        return chybi;
    };
    auto hlavni = Okno(Rada(1, 6));
    THlavniFormular& h = *hlavni;
    EXPECT_EQ(bezJmena(&h), QStringList()) << "bez režimu";
    Vyvolej(&h, "M1Prohlizet");
    EXPECT_EQ(bezJmena(&h), QStringList()) << "prohlížení";
    EXPECT_EQ(h.focusWidget(), static_cast<QWidget*>(Najdi<QLineEdit>(&h, "eCisloO")));
    Vyvolej(&h, "M2KonecRezimu");

    QStringList vDotazu, vHodnoceni;
    auto dotaz = OdpovedzModalnimu([&](QWidget* d) {
        vDotazu = bezJmena(d);
        Klavesa(d, Qt::Key_Left);
        Klavesa(d, Qt::Key_Left);
        Klavesa(d, Qt::Key_Left);
        Klavesa(d, Qt::Key_Left);
        Klavesa(d, Qt::Key_Left);  // 6 available: a run of one
        Klavesa(d, Qt::Key_Return);
    });
    Vyvolej(&h, "M1Procvicovat");
    ASSERT_TRUE(dotaz->probehlo);
    EXPECT_EQ(vDotazu, QStringList()) << "dotaz";
    EXPECT_EQ(Najdi<QLabel>(&h, "lbCelkemOtazek")->text(), QStringLiteral("Celkem otázek: 1"));
    Klavesa(h, Qt::Key_A);
    EXPECT_EQ(bezJmena(&h), QStringList()) << "procvičování";
    EXPECT_EQ(Najdi<StatickyText>(&h, "stA")->accessibleDescription(), QStringLiteral("zvolená"));
    Klavesa(h, Qt::Key_Return);  // question 1 has "B": a is wrong, b is missed
    EXPECT_EQ(Najdi<StatickyText>(&h, "stA")->accessibleDescription(),
              QStringLiteral("špatně zvolená"));
    EXPECT_EQ(Najdi<StatickyText>(&h, "stB")->accessibleDescription(),
              QStringLiteral("vynechaná správná odpověď"));
    EXPECT_EQ(Najdi<StatickyText>(&h, "stC")->accessibleDescription(), QStringLiteral("nezvolená"));
    EXPECT_EQ(bezJmena(&h), QStringList()) << "zpětná vazba";
    Vyprs(&h, "Timer1");
    auto vyhodnoceni = OdpovedzModalnimu([&](QWidget* w) {
        vHodnoceni = bezJmena(w);
        Klavesa(w, Qt::Key_Return);
    });
    Klavesa(h, Qt::Key_Return);
    ASSERT_TRUE(vyhodnoceni->probehlo);
    EXPECT_EQ(vHodnoceni, QStringList()) << "vyhodnocení";
    EXPECT_TRUE(h.Rezim().isEmpty());
}

// "Statistika učení" lists the questions answered wrongly most often; choosing one opens browse
// mode on it.
TEST_F(BehOkna, StatistikaUceniOtevreProhlizeniVybraneOtazky)
{
    ZapisPokusy(Adresar(), "Jana", {{4, VysledekPokusu::Spatne}, {2, VysledekPokusu::Spravne}},
                DatumCas {2025, 3, 1, 8, 0, 0, 0});
    auto hlavni = Okno(Rada(1, 6));
    THlavniFormular& h = *hlavni;
    auto okno = OdpovedzModalnimu([](QWidget* w) {
        auto* s = dynamic_cast<TStatistikaUceni*>(w);
        ASSERT_NE(s, nullptr) << w->metaObject()->className();
        ASSERT_EQ(s->NejcastejiSpatne(), std::vector<int> {4});
        Najdi<QPushButton>(s, "btnProhlizet")->click();
    });
    Vyvolej(&h, "M1StatistikaUceni");
    ASSERT_TRUE(okno->probehlo);
    EXPECT_EQ(h.Rezim(), QStringLiteral("Prohlizeni"));
    EXPECT_EQ(Najdi<QLabel>(&h, "lbCisloOtazky")->text(), Cislo(4));
    EXPECT_EQ(Najdi<QLineEdit>(&h, "eCisloO")->text(), QStringLiteral("4"));
}

}  // namespace

TEST_F(BehOkna, VysvetleniPoOdpovediJenPriProcvicovaniAPodlePredvolby)
{
    auto hlavni = Okno(Rada(1, 6));
    THlavniFormular& h = *hlavni;
    ASSERT_TRUE(Najdi<QAction>(&h, "M1Vysvetleni")->isChecked());  // on for a new profile
    struct Pripad {
        bool zkouska, predvolba, viditelna;
    };
    for (const Pripad p :
         {Pripad {false, true, true}, Pripad {true, true, false}, Pripad {false, false, false}}) {
        if (Najdi<QAction>(&h, "M1Vysvetleni")->isChecked() != p.predvolba)
            Vyvolej(&h, "M1Vysvetleni");
        Zacni(h, p.zkouska, 2, 1);
        EXPECT_FALSE(Najdi<StatickyText>(&h, "stPoznamka")->isVisible());
        Spatne(h);  // the feedback panel's time has run out, the note stays
        EXPECT_EQ(Najdi<StatickyText>(&h, "stPoznamka")->isVisible(), p.viditelna)
            << p.zkouska << p.predvolba;
        if (p.viditelna) {
            EXPECT_EQ(Najdi<StatickyText>(&h, "stPoznamka")->text(),
                      QStringLiteral("Poznámka k otázce 1."));
            const StatickyText* d = Najdi<StatickyText>(&h, "stD");
            EXPECT_GE(Najdi<StatickyText>(&h, "stPoznamka")->y(), d->y() + d->height());
            EXPECT_GE(
                KontrastBarev(
                    Najdi<StatickyText>(&h, "stPoznamka")->palette().color(QPalette::WindowText),
                    Najdi<PanelOtazek>(&h, "pOtazky")->palette().color(QPalette::Window)),
                7.0);
        }
        PravyKlik(h);  // the next question hides it
        EXPECT_EQ(h.relace.beh.cisloOtazky, 2);
        EXPECT_FALSE(Najdi<StatickyText>(&h, "stPoznamka")->isVisible());
        auto konec = StiskniVeZprave(QMessageBox::Yes);
        Vyvolej(&h, "M2KonecRezimu");
        ASSERT_TRUE(konec->probehlo);
        EXPECT_EQ(NactiVysvetleni(Adresar(), "Jana"), p.predvolba);
    }
    // Browse mode keeps its own grey note; the preference comes back with the profile.
    Vyvolej(&h, "M1Prohlizet");
    EXPECT_TRUE(Najdi<StatickyText>(&h, "stPoznamka")->isVisible());
    EXPECT_EQ(Najdi<StatickyText>(&h, "stPoznamka")->palette().color(QPalette::WindowText),
              QColor(171, 171, 171));
    Vyvolej(&h, "M2KonecRezimu");
    UlozVysvetleni(Adresar(), "Jana", true);
    h.NacistProfil();
    EXPECT_TRUE(Najdi<QAction>(&h, "M1Vysvetleni")->isChecked());
}
