#include "questions/Banka.h"

#include "questions/Kategorie.h"
#include "storage/Definice.h"
#include "storage/Tabulka.h"

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
    const Pripad pripady[]{
        {"T", {1}},
        {"A", {1, 2, 4, 6}},  {"AM", {1, 2, 4, 6}}, {"A1", {1, 2, 4, 6}},
        {"B", {1, 3, 4, 6, 420}}, {"B1", {1, 3, 4, 6, 420}},
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
    EXPECT_EQ(banka.CislaVKategorii(2, "B"), (std::vector<int>{421, 475}));
    EXPECT_EQ(banka.PocetVKategorii(2, "A"), 0);   // only "B" questions there
    EXPECT_EQ(banka.PocetVKategorii(3, "B"), 0);   // only a "CD" question
    EXPECT_EQ(banka.PocetVKategorii(4, "B"), 0);   // nothing at all
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
    void SetUp() override
    {
        std::string vzor = (fs::temp_directory_path() / "zk_banka_XXXXXX").string();
        ASSERT_NE(mkdtemp(vzor.data()), nullptr);
        adresar_ = vzor;
    }
    void TearDown() override { fs::remove_all(adresar_); }

    // Each field gets a text that tells its position, so that a shifted read shows.
    void Vytvor(const std::vector<int>& cisla, const std::vector<DefinicePole>& pole = DefiniceOtazky())
    {
        Tabulka t;
        t.Svaz(adresar_, "otazky");
        t.Vytvor(pole);
        t.Otevri();
        for (int cislo : cisla) {
            t.Vloz();
            t.PoleNaPozici(0).NastavCele(cislo);
            for (int i = 1; i < static_cast<int>(pole.size()); ++i)
                t.PoleNaPozici(i).NastavText(std::to_string(i) + std::string(i == 8 ? "\\x" : "ž"));
            t.Uloz();
        }
        t.Zavri();
    }

    fs::path adresar_;
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
    EXPECT_EQ(o->spravne, "6ž");
    EXPECT_EQ(o->skupina, "7ž");
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

}  // namespace
