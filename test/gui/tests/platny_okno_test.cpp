#include "test/gui/TTestPlatny.h"
#include "test/gui/TVysledkyPlatny.h"

#include "base/Nahoda.h"
#include "questions/Banka.h"
#include "questions/PametProfilu.h"
#include "questions/Statistika.h"
#include "storage/Predvolby.h"
#include "storage/Tabulka.h"
#include "test/ZaznamPlatny.h"
#include "testsupport/GuiTest.h"
#include "testsupport/Najdi.h"
#include "testsupport/RucniHodiny.h"
#include "testsupport/SlozkaJenProCteni.h"
#include "testsupport/TestovaciBanka.h"
#include "testsupport/ZapisBanky.h"

#include <gtest/gtest.h>

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace {

constexpr std::uint32_t kSeed = 4242u;

// A bank of three-answer questions with sections by category; the situations (721..757) have a
// picture. The window reads pictures from the folder, the bank and sections from memory.
class OknoPlatny : public testing::Test {
protected:
    void SetUp() override
    {
        std::vector<Otazka> otazky = BankaTriOdpovedi();
        for (Otazka& o : otazky)
            if (o.cislo > 720)
                o.obrazek = "grafika/721.jpg";
        banka.NactiZ(otazky);
        oblasti.assign(758, 0);
        for (const auto& [c, o] : OblastiPodleKategorii(otazky))
            oblasti[static_cast<std::size_t>(c)] = o;
        ZapisObrazkyVzoroveBanky(Adresar());
        nastaveni.aktivniProfil = "Jana";
        nastaveni.skupina = "B";
        hodiny.mistni = DatumCas {2026, 3, 14, 9, 5, 7, 0};
        hodiny.msUtc = 8 * 3600000u + 5 * 60000u + 7000u;
    }

    std::filesystem::path Adresar() const { return adresar.CestaStd(); }

    // The test the window draws with kSeed.
    std::vector<OtazkaPlatna> Ocekavany() const
    {
        Nahoda n(kSeed);
        return SlozPlatnyTest(banka, oblasti, nastaveni.skupina, n).otazky;
    }

    // Starts the test through the rules box (answered with Enter, the checkbox set as asked) and
    // shows the window.
    bool Zacni(TTestPlatny& okno, bool dyslexie = false, QString* pravidla = nullptr)
    {
        auto zaznam = OdpovedzModalnimu([&](QWidget* w) {
            if (pravidla)
                *pravidla = Najdi<QLabel>(w, QStringLiteral("lbPravidla"))->text();
            auto* cb = Najdi<QCheckBox>(w, QStringLiteral("cbDyslexie"));
            if (cb->isChecked() != dyslexie)
                QTest::mouseClick(cb, Qt::LeftButton);
            QTest::keyClick(w, Qt::Key_Return);
        });
        if (!okno.Zahaj())
            return false;
        EXPECT_TRUE(zaznam->probehlo);
        EXPECT_EQ(zaznam->titulek, QStringLiteral("Test podle platných pravidel"));
        okno.show();
        okno.activateWindow();
        return QTest::qWaitForWindowActive(&okno);
    }

    QString Text(TTestPlatny& okno, const char* jmeno)
    {
        return Najdi<QLabel>(&okno, QLatin1String(jmeno))->text();
    }

    DocasnyAdresar adresar;
    Banka banka;
    std::vector<int> oblasti;
    Nastaveni nastaveni;
    RucniHodiny hodiny;
};

}  // namespace

TEST_F(OknoPlatny, CelyTestKlavesamiZaznamAHistorie)
{
    TTestPlatny okno(banka, oblasti, nastaveni, Adresar(), hodiny, kSeed);
    QString pravidla;
    ASSERT_TRUE(Zacni(okno, false, &pravidla));
    EXPECT_TRUE(pravidla.contains(QStringLiteral("25 otázek")));
    EXPECT_TRUE(pravidla.contains(QStringLiteral("50 bodů")));
    EXPECT_TRUE(pravidla.contains(QStringLiteral("43 bodů")));
    EXPECT_TRUE(pravidla.contains(QStringLiteral("30 minut")));
    EXPECT_EQ(Text(okno, "lbCas"), QStringLiteral("Zbývá 30:00"));
    const std::vector<OtazkaPlatna> test = Ocekavany();
    ASSERT_EQ(test.size(), 25u);

    // Question 1 as shown: its text, the three answers in the shuffled order, accessible names.
    const Otazka* prvni = banka.Najdi(test[0].cislo);
    EXPECT_EQ(Text(okno, "lbOtazka"), QString::fromStdString(prvni->otazka));
    EXPECT_TRUE(Najdi<QLabel>(&okno, QStringLiteral("lbOtazka"))
                    ->accessibleName()
                    .contains(QString::fromStdString(prvni->otazka)));
    for (int m = 0; m < 3; ++m) {
        const char p = test[0].poradi[static_cast<std::size_t>(m)];
        const std::string& ocekavana = p == 'A' ? prvni->a : p == 'B' ? prvni->b : prvni->c;
        auto* b = Najdi<QPushButton>(&okno, QStringLiteral("btnOdpoved") + QChar('A' + m));
        EXPECT_TRUE(b->accessibleName().endsWith(QString::fromStdString(ocekavana))) << m;
    }

    // Keys only: question i gets place i % 3 by letter or digit, the last stays unanswered.
    // Choosing twice replaces the choice and never moves on by itself.
    for (int i = 0; i < 24; ++i) {
        EXPECT_EQ(Text(okno, "lbPozice"), QStringLiteral("Otázka %1 z 25").arg(i + 1));
        if (i == 0)
            QTest::keyClick(&okno, Qt::Key_C);
        QTest::keyClick(&okno, static_cast<Qt::Key>(i % 2 ? Qt::Key_A + i % 3 : Qt::Key_1 + i % 3));
        EXPECT_EQ(Text(okno, "lbPozice"), QStringLiteral("Otázka %1 z 25").arg(i + 1));
        QTest::keyClick(&okno, i % 2 ? Qt::Key_Right : Qt::Key_PageDown);
    }
    EXPECT_EQ(Text(okno, "lbPozice"), QStringLiteral("Otázka 25 z 25"));
    QTest::keyClick(&okno, Qt::Key_Right);
    EXPECT_EQ(Text(okno, "lbPozice"), QStringLiteral("Otázka 25 z 25")) << "no move past the last";
    QTest::keyClick(&okno, Qt::Key_Left);
    QTest::keyClick(&okno, Qt::Key_PageUp);
    EXPECT_EQ(Text(okno, "lbPozice"), QStringLiteral("Otázka 23 z 25"));
    QTest::keyClick(&okno, Qt::Key_M, Qt::ControlModifier);

    // The strip: 23 current and flagged, 24 answered, 25 unanswered.
    auto* c23 = Najdi<QPushButton>(&okno, QStringLiteral("btnCislo23"));
    auto* c24 = Najdi<QPushButton>(&okno, QStringLiteral("btnCislo24"));
    auto* c25 = Najdi<QPushButton>(&okno, QStringLiteral("btnCislo25"));
    EXPECT_EQ(c23->text(), QStringLiteral("23⚑"));
    EXPECT_EQ(c23->property("oznacena").toString(), QStringLiteral("1"));
    EXPECT_EQ(c23->property("aktualni").toString(), QStringLiteral("1"));
    EXPECT_EQ(c24->property("zodpovezena").toString(), QStringLiteral("1"));
    EXPECT_EQ(c25->property("zodpovezena").toString(), QStringLiteral("0"));
    EXPECT_EQ(c23->accessibleName(),
              QStringLiteral("Otázka 23, zodpovězená, označená, právě zobrazená"));
    EXPECT_TRUE(Najdi<QPushButton>(&okno, QStringLiteral("btnOznacit"))->isChecked());

    // Evaluating with the unanswered question asks; Enter keeps the default No.
    auto ne = OdpovedzModalnimu([](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); }, &okno);
    QTest::keyClick(&okno, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(ne->text, QStringLiteral("Opravdu chcete test vyhodnotit? Nezodpovězené otázky: 1."));
    EXPECT_EQ(ne->titulek, QStringLiteral("Otázka programu Zebrovka 2003 (2004)"));
    EXPECT_FALSE(okno.Vyhodnoceno());
    EXPECT_FALSE(std::filesystem::exists(Adresar() / "Testy.DB"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(&okno));

    hodiny.msUtc += 754000u;
    hodiny.mistni.minuta += 13;
    auto ano = StiskniVeZprave(QMessageBox::Yes, &okno);
    QTest::keyClick(&okno, Qt::Key_Enter, Qt::ControlModifier);
    ASSERT_TRUE(okno.Vyhodnoceno());

    // What was expected: place i % 3 chosen (place 0 at question 1 after C), none at 25.
    std::string odpovedi, poradi, cisla;
    int body = 0;
    std::vector<bool> spravne;
    for (int i = 0; i < 25; ++i) {
        const OtazkaPlatna& q = test[static_cast<std::size_t>(i)];
        const char volba = i < 24 ? q.poradi[static_cast<std::size_t>(i % 3)] : '-';
        odpovedi += volba;
        poradi += (i ? " " : "") + std::string(q.poradi.begin(), q.poradi.end());
        cisla += (i ? ", " : "") + std::to_string(q.cislo);
        spravne.push_back(volba == q.spravne);
        body += volba == q.spravne ? q.body : 0;
    }
    EXPECT_EQ(okno.Vysledek().body, body);
    EXPECT_EQ(Text(okno, "lbVerdikt"),
              body >= 43 ? QStringLiteral("Prospěl") : QStringLiteral("Neprospěl"));
    EXPECT_EQ(Text(okno, "lbBody"),
              QStringLiteral("Body: %1 z 50 (k úspěchu nejméně 43)").arg(body));
    EXPECT_EQ(Text(okno, "lbCasTestu"), QStringLiteral("Čas: 12:34 z 30:00"));
    auto* tab = Najdi<QTableWidget>(&okno, QStringLiteral("tabOblasti"));
    EXPECT_EQ(tab->item(0, 0)->text(), QStringLiteral("Pravidla provozu"));
    EXPECT_EQ(tab->item(6, 0)->text(), QStringLiteral("Zdravotnická příprava"));
    EXPECT_TRUE(tab->item(3, 2)->text().endsWith(QStringLiteral(" z 12")));

    // The stored record, field by field.
    Tabulka t;
    t.Svaz(Adresar(), "Testy");
    t.Otevri();
    ASSERT_EQ(t.PocetZaznamu(), 1);
    EXPECT_EQ(t.PoleJmenem("Profil").JakoText(), "Jana");
    EXPECT_EQ(t.PoleJmenem("Datum").JakoText(), "2026-03-14");
    EXPECT_EQ(t.PoleJmenem("Cas").JakoText(), "09:05:07");
    EXPECT_EQ(t.PoleJmenem("Skupina").JakoText(), "B");
    EXPECT_EQ(t.PoleJmenem("Delka").JakoCele(), 754);
    EXPECT_EQ(t.PoleJmenem("Body").JakoCele(), body);
    EXPECT_EQ(t.PoleJmenem("Splneno").JakoText(), body >= 43 ? "A" : "N");
    EXPECT_EQ(t.PoleJmenem("Cisla").JakoText(), cisla);
    EXPECT_EQ(t.PoleJmenem("Odpovedi").JakoText(), odpovedi);
    EXPECT_EQ(t.PoleJmenem("Poradi").JakoText(), poradi);
    t.Zavri();

    // The history of every question, the unanswered one counted as wrong.
    const StatistikaProfilu historie = NactiStatistiku(Adresar(), "Jana");
    ASSERT_EQ(historie.size(), 25u);
    for (int i = 0; i < 25; ++i) {
        const ZaznamStatistiky& z = historie.at(test[static_cast<std::size_t>(i)].cislo);
        EXPECT_EQ(z.polozeno, 1);
        EXPECT_EQ(z.spravne, spravne[static_cast<std::size_t>(i)] ? 1 : 0) << i;
    }
    // The answer log: each question in the test's order, with an equal share of its 754 s.
    const std::vector<Odpoved> log = NactiOdpovedi(Adresar(), "Jana");
    ASSERT_EQ(log.size(), 25u);
    for (std::size_t i = 0; i < 25; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(log[i].cislo, test[i].cislo);
        EXPECT_EQ(log[i].rezim, RezimOdpovedi::TestPlatny);
        EXPECT_EQ(log[i].vysledek, spravne[i] ? VysledekPokusu::Spravne : VysledekPokusu::Spatne);
        EXPECT_EQ(log[i].casMs, 30160);
        if (spravne[i])
            EXPECT_EQ(log[i].zvolene, std::string(1, test[i].spravne));
    }

    // Enter and Escape leave the review open; the keys of the test do nothing any more.
    QTest::keyClick(&okno, Qt::Key_Escape);
    QTest::keyClick(&okno, Qt::Key_Return);
    QTest::keyClick(&okno, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_TRUE(okno.isVisible());
    Tabulka znovu;
    znovu.Svaz(Adresar(), "Testy");
    znovu.Otevri();
    EXPECT_EQ(znovu.PocetZaznamu(), 1) << "evaluated once, stored once";
    QTest::mouseClick(Najdi<QPushButton>(&okno, QStringLiteral("btnZavrit")), Qt::LeftButton);
    EXPECT_FALSE(okno.isVisible());
}

TEST_F(OknoPlatny, RevizeUkazePoznamkyAJenChyby)
{
    TTestPlatny okno(banka, oblasti, nastaveni, Adresar(), hodiny, kSeed);
    ASSERT_TRUE(Zacni(okno));
    const std::vector<OtazkaPlatna> test = Ocekavany();
    // Right at every question except 2 (wrong) and 5 (none).
    for (int i = 0; i < 25; ++i) {
        const OtazkaPlatna& q = test[static_cast<std::size_t>(i)];
        for (int m = 0; m < 3 && i != 4; ++m)
            if ((q.poradi[static_cast<std::size_t>(m)] == q.spravne) == (i != 1)) {
                QTest::mouseClick(
                    Najdi<QPushButton>(&okno, QStringLiteral("btnOdpoved") + QChar('A' + m)),
                    Qt::LeftButton);
                break;
            }
        QTest::mouseClick(Najdi<QPushButton>(&okno, QStringLiteral("btnDalsi")), Qt::LeftButton);
    }
    StiskniVeZprave(QMessageBox::Yes, &okno);
    QTest::mouseClick(Najdi<QPushButton>(&okno, QStringLiteral("btnVyhodnotit")), Qt::LeftButton);
    ASSERT_TRUE(okno.Vyhodnoceno());
    EXPECT_EQ(okno.Vysledek().body, 50 - test[1].body - test[4].body);
    EXPECT_EQ(okno.Vysledek().prosel, 50 - test[1].body - test[4].body >= 43);

    auto* seznam = Najdi<QListWidget>(&okno, QStringLiteral("lstOtazky"));
    EXPECT_EQ(seznam->count(), 25);
    auto* jenChyby = Najdi<QCheckBox>(&okno, QStringLiteral("cbJenChyby"));
    QTest::mouseClick(jenChyby, Qt::LeftButton, {}, QPoint(8, jenChyby->height() / 2));
    ASSERT_EQ(seznam->count(), 2);
    EXPECT_EQ(seznam->item(0)->text(), QStringLiteral("2. ✘ špatně"));
    EXPECT_EQ(seznam->item(1)->text(), QStringLiteral("5. – bez odpovědi"));
    EXPECT_TRUE(Text(okno, "lbRevPoznamka")
                    .contains(QString::fromStdString(banka.Najdi(test[1].cislo)->poznamka)));
    int spravna = 0, vase = 0;
    for (QChar m : {QChar('A'), QChar('B'), QChar('C')}) {
        const QString t = Najdi<QLabel>(&okno, QStringLiteral("lbRevOdpoved") + m)->text();
        spravna += t.contains(QStringLiteral("správná odpověď"));
        vase += t.contains(QStringLiteral("vaše odpověď"));
    }
    EXPECT_EQ(spravna, 1);
    EXPECT_EQ(vase, 1);
    seznam->setCurrentRow(1);
    EXPECT_TRUE(Text(okno, "lbRevOtazka")
                    .startsWith(QStringLiteral("5. otázka (číslo %1").arg(test[4].cislo)));
    QTest::keyClick(jenChyby, Qt::Key_Space);
    EXPECT_EQ(seznam->count(), 25);
}

TEST_F(OknoPlatny, CasVyprsiBezOtazkyADyslexieSiPamatujeProfil)
{
    // Started a second before midnight UTC: the countdown runs across it.
    hodiny.msUtc = 86399000u;
    {
        TTestPlatny okno(banka, oblasti, nastaveni, Adresar(), hodiny, kSeed);
        ASSERT_TRUE(Zacni(okno));
        QTest::keyClick(&okno, Qt::Key_B);
        hodiny.msUtc = 1798999u;  // 1799 s later
        okno.Tik();
        EXPECT_EQ(Text(okno, "lbCas"), QStringLiteral("Zbývá 0:01"));
        EXPECT_FALSE(okno.Vyhodnoceno());
        hodiny.msUtc = 1799000u;
        okno.Tik();  // no box is expected: one would hang the test until the safety timer
        ASSERT_TRUE(okno.Vyhodnoceno());
        EXPECT_EQ(Text(okno, "lbCasTestu"), QStringLiteral("Čas: 30:00 z 30:00 – čas vypršel"));
        const auto zaznamy = NactiTestyPlatny(Adresar(), "Jana");
        ASSERT_EQ(zaznamy.size(), 1u);
        EXPECT_EQ(zaznamy[0].delka, 1800);
        EXPECT_EQ(zaznamy[0].odpovedi,
                  std::string(1, Ocekavany()[0].poradi[1]) + std::string(24, '-'));
    }
    EXPECT_EQ(NactiPredvolbu(Adresar(), "Jana", "TestPlatny.Dyslexie", "nic"), "nic");
    {
        TTestPlatny okno(banka, oblasti, nastaveni, Adresar(), hodiny, kSeed);
        ASSERT_TRUE(Zacni(okno, true));
        EXPECT_EQ(Text(okno, "lbCas"), QStringLiteral("Zbývá 60:00"));
        hodiny.msUtc += 1800000u;
        okno.Tik();
        EXPECT_EQ(Text(okno, "lbCas"), QStringLiteral("Zbývá 30:00"));
        EXPECT_FALSE(okno.Vyhodnoceno());
        StiskniVeZprave(QMessageBox::Yes, &okno);
        QTest::keyClick(&okno, Qt::Key_Escape);
        EXPECT_FALSE(okno.isVisible()) << "left without evaluation after Yes";
    }
    EXPECT_EQ(NactiPredvolbu(Adresar(), "Jana", "TestPlatny.Dyslexie"), "1");
    EXPECT_EQ(NactiTestyPlatny(Adresar(), "Jana").size(), 1u)
        << "a test left unevaluated stores nothing";
    // The next test offers the box checked; another profile has its own choice.
    TTestPlatny okno(banka, oblasti, nastaveni, Adresar(), hodiny, kSeed);
    auto box = OdpovedzModalnimu([](QWidget* w) {
        EXPECT_TRUE(Najdi<QCheckBox>(w, QStringLiteral("cbDyslexie"))->isChecked());
        QTest::mouseClick(Najdi<QPushButton>(w, QStringLiteral("btnStorno")), Qt::LeftButton);
    });
    EXPECT_FALSE(okno.Zahaj()) << "Storno opens no test";
    EXPECT_TRUE(box->probehlo);
    EXPECT_EQ(NactiPredvolbu(Adresar(), "Eva", "TestPlatny.Dyslexie", "0"), "0");
}

TEST_F(OknoPlatny, NepovedenyZapisSeUkazeAPozdejiNezapise)
{
    TTestPlatny okno(banka, oblasti, nastaveni, Adresar(), hodiny, kSeed);
    ASSERT_TRUE(Zacni(okno));
    QStringList chyby;
    {
        SlozkaJenProCteni jenProCteni(Adresar());
        ASSERT_TRUE(jenProCteni.Platne()) << "the folder could not be made read-only";
        // Testy.DB and then Statistika.DB cannot be created: two error boxes, each answered.
        OdpovedzModalnimu(
            [&](QWidget* w) {
                chyby << qobject_cast<QMessageBox*>(w)->text();
                OdpovedzModalnimu(
                    [&](QWidget* druhy) {
                        chyby << qobject_cast<QMessageBox*>(druhy)->text();
                        qobject_cast<QMessageBox*>(druhy)->button(QMessageBox::Ok)->click();
                    },
                    w);
                qobject_cast<QMessageBox*>(w)->button(QMessageBox::Ok)->click();
            },
            &okno);
        hodiny.msUtc += 1800000u;
        okno.Tik();
        ASSERT_TRUE(okno.Vyhodnoceno());
        ASSERT_TRUE(CekejNa([&] { return chyby.size() == 2; }));
    }
    EXPECT_TRUE(chyby[0].contains(QStringLiteral("Testy.DB"))) << chyby[0].toStdString();
    EXPECT_EQ(Text(okno, "lbZaznam"), QStringLiteral("Výsledek se nepodařilo uložit."));
    QTest::mouseClick(Najdi<QPushButton>(&okno, QStringLiteral("btnZavrit")), Qt::LeftButton);
    EXPECT_FALSE(std::filesystem::exists(Adresar() / "Testy.DB")) << "nothing is written later";
}

// With "Ukládat historii učení" off the evaluated test stores nothing, and the window says so.
TEST_F(OknoPlatny, VypnutaHistorieNicNeulozi)
{
    NastavUkladaniHistorie(Adresar(), "Jana", false);
    TTestPlatny okno(banka, oblasti, nastaveni, Adresar(), hodiny, kSeed);
    ASSERT_TRUE(Zacni(okno));
    hodiny.msUtc += 1800000u;
    okno.Tik();
    ASSERT_TRUE(okno.Vyhodnoceno());
    EXPECT_EQ(Text(okno, "lbZaznam"),
              QStringLiteral("Výsledek nebyl uložen: ukládání historie učení je vypnuto."));
    for (const char* soubor : {"Testy.DB", "Statistika.DB", "Odpovedi.DB", "PametOtazek.DB"})
        EXPECT_FALSE(std::filesystem::exists(Adresar() / soubor)) << soubor;
}

TEST_F(OknoPlatny, OblastSNedostatkemOtazekNeotevreOkno)
{
    for (int c = 621; c <= 720; ++c)
        if (c != 650)
            oblasti[static_cast<std::size_t>(c)] = 0;  // one question left in section 6
    TTestPlatny okno(banka, oblasti, nastaveni, Adresar(), hodiny, kSeed);
    auto chyba = StiskniVeZprave(QMessageBox::Ok);
    EXPECT_FALSE(okno.Zahaj());
    EXPECT_EQ(chyba->titulek, QStringLiteral("Chybové hlášení programu Zebrovka 2003 (2004)"));
    EXPECT_EQ(
        chyba->text,
        QStringLiteral("Databáze otázek neobsahuje dostatek otázek oblasti „Související předpisy“ "
                       "pro skupinu B, test nelze sestavit."));
}

TEST_F(OknoPlatny, SeznamGrafRevizeAMazani)
{
    const std::vector<OtazkaPlatna> test = Ocekavany();
    const int bodyTestu[] = {38, 44, 47};
    for (int i = 0; i < 3; ++i) {
        VysledekPlatny v;
        v.body = bodyTestu[i];
        v.prosel = v.body >= 43;
        ZapisTestPlatny(
            Adresar(),
            ZaznamZTestu(test, v, "Jana", "B", {2026, 3, 10 + i, 9 + i, 5, 0, 0}, 600 + i));
    }
    ZapisTestPlatny(Adresar(), ZaznamZTestu(test, {}, "Eva", "B", {2026, 3, 1, 8, 0, 0, 0}, 10));
    TVysledkyPlatny seznam(banka, oblasti, Adresar(), "Jana");
    auto* tab = Najdi<QTableWidget>(&seznam, QStringLiteral("tabTesty"));
    ASSERT_EQ(tab->rowCount(), 3);
    EXPECT_EQ(tab->item(0, 0)->text(), QStringLiteral("10. 3. 2026"));
    EXPECT_EQ(tab->item(0, 1)->text(), QStringLiteral("9:05"));
    EXPECT_EQ(tab->item(0, 2)->text(), QStringLiteral("38"));
    EXPECT_EQ(tab->item(0, 3)->text(), QStringLiteral("Neprospěl"));
    EXPECT_EQ(tab->item(1, 3)->text(), QStringLiteral("Prospěl"));
    EXPECT_EQ(tab->item(2, 4)->text(), QStringLiteral("10:02"));

    auto* graf = Najdi<QChartView>(&seznam, QStringLiteral("grafBodu"));
    ASSERT_EQ(graf->chart()->series().size(), 2);
    auto* body = qobject_cast<QLineSeries*>(graf->chart()->series()[0]);
    auto* hranice = qobject_cast<QLineSeries*>(graf->chart()->series()[1]);
    ASSERT_TRUE(body && hranice);
    ASSERT_EQ(body->count(), 3);
    EXPECT_EQ(body->at(2).y(), 47);
    EXPECT_LT(body->at(0).x(), body->at(1).x());
    for (const QPointF& b : hranice->points())
        EXPECT_EQ(b.y(), 43);

    // Opening a record shows its review, which Escape does not close.
    tab->selectRow(1);
    auto revize = OdpovedzModalnimu(
        [](QWidget* w) {
            EXPECT_EQ(Najdi<QLabel>(w, QStringLiteral("lbVerdikt"))->text(),
                      QStringLiteral("Prospěl"));
            EXPECT_EQ(Najdi<QListWidget>(w, QStringLiteral("lstOtazky"))->count(), 25);
            QTest::keyClick(w, Qt::Key_Escape);
            EXPECT_TRUE(w->isVisible());
            QTest::mouseClick(Najdi<QPushButton>(w, QStringLiteral("btnZavrit")), Qt::LeftButton);
        },
        &seznam);
    QTest::mouseClick(Najdi<QPushButton>(&seznam, QStringLiteral("btnZobrazit")), Qt::LeftButton);
    EXPECT_EQ(revize->objectName, QStringLiteral("TTestPlatny"));

    tab->selectRow(0);
    auto smazat = StiskniVeZprave(QMessageBox::Yes, &seznam);
    QTest::mouseClick(Najdi<QPushButton>(&seznam, QStringLiteral("btnSmazat")), Qt::LeftButton);
    EXPECT_EQ(smazat->text, QStringLiteral("Opravdu chcete smazat tento záznam?"));
    ASSERT_EQ(tab->rowCount(), 2);
    EXPECT_EQ(tab->item(0, 2)->text(), QStringLiteral("44"));
    EXPECT_EQ(qobject_cast<QLineSeries*>(graf->chart()->series()[0])->count(), 2);

    auto ne = StiskniVeZprave(QMessageBox::No, &seznam);
    QTest::mouseClick(Najdi<QPushButton>(&seznam, QStringLiteral("btnSmazatVse")), Qt::LeftButton);
    EXPECT_EQ(ne->text, QStringLiteral("Opravdu chcete smazat všechny záznamy?"));
    EXPECT_EQ(tab->rowCount(), 2);
    StiskniVeZprave(QMessageBox::Yes, &seznam);
    QTest::mouseClick(Najdi<QPushButton>(&seznam, QStringLiteral("btnSmazatVse")), Qt::LeftButton);
    EXPECT_EQ(tab->rowCount(), 0);
    EXPECT_FALSE(Najdi<QPushButton>(&seznam, QStringLiteral("btnSmazat"))->isEnabled());
    EXPECT_EQ(NactiTestyPlatny(Adresar(), "Eva").size(), 1u) << "another profile keeps its tests";
}
