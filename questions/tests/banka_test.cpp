#include "questions/Banka.h"

#include "questions/Kategorie.h"
#include "storage/Definice.h"
#include "storage/Tabulka.h"
#include "testsupport/DocasnaSlozka.h"

#include <SQLiteCpp/Database.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

Otazka Q(int cislo, const std::string& skupina)
{
    Otazka o;
    o.cislo = cislo;
    o.otazka = "Otázka " + std::to_string(cislo);
    o.a = "a";
    o.b = "b";
    o.spravne = "A";
    o.skupina = skupina;
    return o;
}

// Category 1 holds one question of every kind of Skupina; the others test the range bounds.
Banka Vzorek()
{
    Banka banka;
    banka.NactiZ({Q(6, "ABC"), Q(1, "ABCD"), Q(2, "A"), Q(3, "BCD"), Q(4, "AB"), Q(5, "CD"),
                  Q(420, "B"), Q(421, "B"), Q(475, "B"), Q(476, "CD"), Q(757, "ABCD")});
    return banka;
}

TEST(Banka, PocetAPoradiVKategoriiPodleSkupiny)
{
    const Banka banka = Vzorek();
    struct Pripad {
        const char* skupina;
        std::vector<int> cisla;
    };
    const Pripad pripady[] {
        {"T", {1}},           {"A", {1, 2, 4, 6}},      {"AM", {1, 2, 4, 6}},
        {"A1", {1, 2, 4, 6}}, {"B", {1, 3, 4, 6, 420}}, {"B1", {1, 3, 4, 6, 420}},
        {"C", {1, 3, 5, 6}},  {"D", {1, 3, 5}},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.skupina);
        EXPECT_EQ(banka.CislaVKategorii(1, p.skupina), p.cisla);
        EXPECT_EQ(banka.PocetVKategorii(1, p.skupina), static_cast<int>(p.cisla.size()));
    }
}

TEST(Banka, KategorieBezVhodneOtazkyMaNula)
{
    const Banka banka = Vzorek();
    EXPECT_EQ(banka.CislaVKategorii(2, "B"), (std::vector<int> {421, 475}));
    EXPECT_EQ(banka.PocetVKategorii(2, "A"), 0);  // only "B" questions there
    EXPECT_EQ(banka.PocetVKategorii(3, "B"), 0);  // only a "CD" question
    EXPECT_EQ(banka.PocetVKategorii(4, "B"), 0);  // nothing at all
    EXPECT_EQ(banka.PocetVKategorii(7, "T"), 1);
    EXPECT_EQ(banka.PocetVKategorii(0, "B"), 0);
    EXPECT_EQ(banka.PocetVKategorii(8, "B"), 0);
    EXPECT_TRUE(banka.CislaVKategorii(8, "B").empty());
}

TEST(Banka, ExistenceAHledaniCisla)
{
    const Banka banka = Vzorek();
    EXPECT_TRUE(banka.OtazkaExistuje(1));
    EXPECT_TRUE(banka.OtazkaExistuje(757));
    for (int cislo : {7, 500, 0, 758, -1})
        EXPECT_FALSE(banka.OtazkaExistuje(cislo)) << cislo;
    ASSERT_NE(banka.Najdi(476), nullptr);
    EXPECT_EQ(banka.Najdi(476)->skupina, "CD");
    EXPECT_EQ(banka.Najdi(7), nullptr);
    EXPECT_EQ(banka.Najdi(758), nullptr);

    std::vector<int> poradi;
    for (const auto& o : banka.Vse())
        poradi.push_back(o.cislo);
    EXPECT_TRUE(std::is_sorted(poradi.begin(), poradi.end()));

    const Banka prazdna;
    EXPECT_FALSE(prazdna.OtazkaExistuje(1));
    EXPECT_EQ(prazdna.PocetVKategorii(1, "B"), 0);
}

TEST(Banka, NactiZOdmitneNeplatneCislo)
{
    Banka banka = Vzorek();
    EXPECT_THROW(banka.NactiZ({Q(3, "A"), Q(3, "B")}), std::invalid_argument);
    EXPECT_THROW(banka.NactiZ({Q(758, "A")}), std::invalid_argument);
    EXPECT_THROW(banka.NactiZ({Q(0, "A")}), std::invalid_argument);
    EXPECT_TRUE(banka.OtazkaExistuje(421));  // a refused load keeps the bank as it was
}

class BankaZTabulky : public ::testing::Test {
protected:
    // Each field gets a text that tells its position, so that a shifted read shows; SPRÁVNĚ and
    // Skupina get letters of their own kinds.
    void Vytvor(const std::vector<int>& cisla,
                const std::vector<DefinicePole>& pole = DefiniceOtazky())
    {
        Tabulka t;
        t.Svaz(adresar_, "otazky");
        t.Vytvor(pole);
        t.Otevri();
        t.ZacniDavku();
        for (int cislo : cisla) {
            t.Vloz();
            t.PoleNaPozici(0).NastavCele(cislo);
            for (int i = 1; i < static_cast<int>(pole.size()); ++i)
                t.PoleNaPozici(i).NastavText(i == 6 ? std::string("BD")
                                                 : i == 7
                                                 ? std::string("ABD")
                                                 : std::to_string(i) + (i == 8 ? "\\x" : "ž"));
            t.Uloz();
        }
        t.DokonciDavku();
        t.Zavri();
    }

    DocasnaSlozka slozka_;
    const fs::path adresar_ {slozka_.Cesta()};
};

TEST_F(BankaZTabulky, NactiCtePolePodlePoziceARadiPodleCisla)
{
    Vytvor({622, 5, 421});
    Banka banka;
    banka.Nacti(adresar_);
    ASSERT_EQ(banka.Vse().size(), 3u);
    EXPECT_EQ(banka.Vse()[0].cislo, 5);
    EXPECT_EQ(banka.Vse()[2].cislo, 622);
    const Otazka* o = banka.Najdi(421);
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(o->otazka, "1ž");
    EXPECT_EQ(o->a, "2ž");
    EXPECT_EQ(o->b, "3ž");
    EXPECT_EQ(o->c, "4ž");
    EXPECT_EQ(o->d, "5ž");
    EXPECT_EQ(o->spravne, "BD");
    EXPECT_EQ(o->skupina, "ABD");
    EXPECT_EQ(o->obrazek, "8\\x");
    EXPECT_EQ(o->poznamka, "9ž");
    EXPECT_FALSE(banka.OtazkaExistuje(6));
}

TEST_F(BankaZTabulky, ChybejiciCiziNeboChybnySouborJeChybaTabulky)
{
    Banka banka;
    try {
        banka.Nacti(adresar_);
        ADD_FAILURE() << "a missing table loaded";
    } catch (const ChybaTabulky& e) {
        EXPECT_NE(std::string(e.what()).find("otazky.DB"), std::string::npos) << e.what();
    }

    Vytvor({1, 2}, {{"Číslo", TypPole::Cele, 0}, {"OTÁZKA", TypPole::Memo, 0}});
    EXPECT_THROW(banka.Nacti(adresar_), ChybaTabulky);

    fs::remove(adresar_ / "otazky.DB");
    Vytvor({3, 4, 3});
    EXPECT_THROW(banka.Nacti(adresar_), ChybaTabulky);
}

// Every record is checked on load; the first bad one is named by its number and the bank stays
// as it was. Numbers beyond 32 bits and megabytes of text in a number field are errors too, with
// a short message.
TEST_F(BankaZTabulky, ChybnyZaznamZastaviNacteniSCislemOtazky)
{
    struct Pripad {
        const char* sql;
        std::string zprava;
    };
    const std::vector<Pripad> pripady {
        {"UPDATE zaznamy SET \"OTÁZKA\" = NULL WHERE \"Číslo\" = 421",
         "otázka 421: chybí text otázky"},
        {"UPDATE zaznamy SET B = '  ' WHERE \"Číslo\" = 5",
         "otázka 5: chybí text odpovědi A nebo B"},
        {"UPDATE zaznamy SET \"SPRÁVNĚ\" = 'Z'", "otázka 5: SPRÁVNĚ „Z“ není sada"},
        {"UPDATE zaznamy SET \"SPRÁVNĚ\" = 'DB'", "otázka 5: SPRÁVNĚ „DB“ není sada"},
        {"UPDATE zaznamy SET \"SPRÁVNĚ\" = NULL WHERE \"Číslo\" = 622",
         "otázka 622: SPRÁVNĚ je prázdné"},
        {"UPDATE zaznamy SET D = NULL WHERE \"Číslo\" = 421",
         "otázka 421: SPRÁVNĚ „BD“ uvádí odpověď D"},
        {"UPDATE zaznamy SET Skupina = NULL WHERE \"Číslo\" = 622", "otázka 622: Skupina „“"},
        {"UPDATE zaznamy SET Skupina = 'AE' WHERE \"Číslo\" = 5", "otázka 5: Skupina „AE“"},
        {"UPDATE zaznamy SET \"Číslo\" = 758 WHERE \"Číslo\" = 622", "neplatné číslo otázky 758"},
        {"UPDATE zaznamy SET \"Číslo\" = 4294967301 WHERE \"Číslo\" = 622",
         "hodnota 4294967301 pole „Číslo“ záznamu č. 1 je mimo rozsah"},
        {"UPDATE zaznamy SET \"Číslo\" = 'x' || printf('%.*c', 10000000, '7') WHERE rowid = 2",
         "hodnota „x777"},
    };
    for (const Pripad& pripad : pripady) {
        SCOPED_TRACE(pripad.sql);
        fs::remove(adresar_ / "otazky.DB");
        Vytvor({622, 5, 421});
        {
            SQLite::Database db((adresar_ / "otazky.DB").string(), SQLite::OPEN_READWRITE);
            db.exec(pripad.sql);
        }
        Banka banka;
        banka.NactiZ({Otazka {7, "?", "a", "b", "", "", "A", "B", "", ""}});
        try {
            banka.Nacti(adresar_);
            ADD_FAILURE() << "a bad bank loaded";
        } catch (const ChybaTabulky& e) {
            const std::string zprava = e.what();
            EXPECT_NE(zprava.find("otazky.DB"), std::string::npos) << zprava.substr(0, 200);
            EXPECT_NE(zprava.find(pripad.zprava), std::string::npos) << zprava.substr(0, 200);
            EXPECT_LT(zprava.size(), 250u);
        }
        EXPECT_TRUE(banka.OtazkaExistuje(7));
        EXPECT_FALSE(banka.OtazkaExistuje(5));
    }
}

}  // namespace
