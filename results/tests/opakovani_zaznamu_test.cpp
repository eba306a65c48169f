#include "results/OpakovaniZaznamu.h"

#include "questions/Banka.h"
#include "questions/Relace.h"

#include <gtest/gtest.h>

namespace {

TEST(SeznamCisel, CteniAkumulatorem)
{
    struct Pripad {
        const char* text;
        std::optional<std::vector<int>> cisla;
    };
    const Pripad pripady[] = {
        {"", std::vector<int> {}},
        {"7", std::vector<int> {7}},
        {"12, 45, 300", std::vector<int> {12, 45, 300}},
        {"5,17,300", std::vector<int> {5, 17, 300}},
        {"5, 17, ", std::vector<int> {5, 17}},
        {"  8", std::vector<int> {8}},
        {"5 6", std::vector<int> {6}},  // a space empties the digits gathered so far
        {"99999999999999", std::vector<int> {1'000'000}},
        {"5; 6", std::nullopt},
        {"5, -6", std::nullopt},
        {"5, x", std::nullopt},
        {", 5", std::nullopt},
        {"5,, 6", std::nullopt},
        {"5\n6", std::nullopt},
    };
    for (const Pripad& p : pripady)
        EXPECT_EQ(CtiSeznamCisel(p.text), p.cisla) << '"' << p.text << '"';
}

class OpakovaniZaznamuTest : public testing::Test {
protected:
    OpakovaniZaznamuTest()
    {
        std::vector<Otazka> otazky;
        for (int n : {5, 17, 300, 420, 757}) {
            Otazka o;
            o.cislo = n;
            o.otazka = "Otázka";
            o.a = "a";
            o.spravne = "A";
            o.skupina = "ABCD";
            otazky.push_back(o);
        }
        banka.NactiZ(otazky);
        relace.nastaveni.skupina = "B";
        beh.otazky = {1, 2};
        beh.spatne = {9};
        beh.celkem = beh.zbyva = 2;
        zaznam.skupina = "C";
        zaznam.kategorie = "136";
    }
    OpakovaniZaznamu Priprav() { return PripravOpakovaniVysledku(zaznam, banka, relace); }
    void OcekavejBezZmeny()
    {
        EXPECT_EQ(beh.otazky, (std::vector<int> {1, 2}));
        EXPECT_EQ(beh.spatne, (std::vector<int> {9}));
        EXPECT_EQ(beh.celkem, 2);
        EXPECT_EQ(nastaveni.skupina, "B");
        EXPECT_FALSE(opakovani.priznak);
        EXPECT_EQ(opakovani.kategorie, "");
    }

    Banka banka;
    Relace relace;
    StavBehu& beh = relace.beh;
    Nastaveni& nastaveni = relace.nastaveni;
    StavOpakovaniZaznamu& opakovani = relace.opakovaniZaznamu;
    VybranyVysledek zaznam;
};

TEST_F(OpakovaniZaznamuTest, SpatneANapovedyVPoradiSeSkupinouZaznamu)
{
    zaznam.spatne = 2;
    zaznam.spatneCisla = "5, 17";
    zaznam.napovedy = 1;
    zaznam.napovedyCisla = "300";
    ASSERT_EQ(Priprav(), OpakovaniZaznamu::Spusteno);
    EXPECT_EQ(beh.otazky, (std::vector<int> {5, 17, 300}));
    EXPECT_EQ(beh.celkem, 3);
    EXPECT_EQ(beh.zbyva, 3);
    EXPECT_TRUE(beh.spatne.empty());
    EXPECT_TRUE(opakovani.priznak);
    EXPECT_EQ(opakovani.ulozenaSkupina, "B");
    EXPECT_EQ(nastaveni.skupina, "C");
    EXPECT_EQ(opakovani.kategorie, "136");
}

TEST_F(OpakovaniZaznamuTest, CislaMimoBankuVypadnou)
{
    // 6 and 421 are not in the bank, 0, 758 and 1000000 are outside 1..757; a zero count
    // leaves its list unread.
    zaznam.spatne = 5;
    zaznam.spatneCisla = "6, 757, 0, 758, 5";
    zaznam.napovedy = 2;
    zaznam.napovedyCisla = "99999999, 421, 420";
    ASSERT_EQ(Priprav(), OpakovaniZaznamu::Spusteno);
    EXPECT_EQ(beh.otazky, (std::vector<int> {757, 5, 420}));
    EXPECT_EQ(beh.celkem, 3);

    opakovani = {};
    nastaveni.skupina = "B";
    zaznam.spatne = 0;
    zaznam.spatneCisla = "17";
    zaznam.napovedy = 1;
    zaznam.napovedyCisla = "300";
    ASSERT_EQ(Priprav(), OpakovaniZaznamu::Spusteno);
    EXPECT_EQ(beh.otazky, (std::vector<int> {300}));
}

TEST_F(OpakovaniZaznamuTest, NicKOpakovaniNeboPoskozenySeznamNicNemeni)
{
    struct Pripad {
        int spatne;
        const char* spatneCisla;
        int napovedy;
        const char* napovedyCisla;
        OpakovaniZaznamu vysledek;
    };
    const Pripad pripady[] = {
        {2, "6, 758", 0, "", OpakovaniZaznamu::ZadnaOtazka},
        {0, "", 1, "422", OpakovaniZaznamu::ZadnaOtazka},
        {2, "5, 1a", 0, "", OpakovaniZaznamu::PoskozenySeznam},
        {2, "5, 17", 1, "", OpakovaniZaznamu::PoskozenySeznam},
        {1, "", 0, "", OpakovaniZaznamu::PoskozenySeznam},
        {1, "   ", 0, "", OpakovaniZaznamu::PoskozenySeznam},
        {1, "5", 1, "3OO", OpakovaniZaznamu::PoskozenySeznam},
    };
    for (const Pripad& p : pripady) {
        zaznam.spatne = p.spatne;
        zaznam.spatneCisla = p.spatneCisla;
        zaznam.napovedy = p.napovedy;
        zaznam.napovedyCisla = p.napovedyCisla;
        EXPECT_EQ(Priprav(), p.vysledek) << p.spatneCisla << " | " << p.napovedyCisla;
        OcekavejBezZmeny();
    }
}

}  // namespace
