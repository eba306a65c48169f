#include "test/HodnoceniTestu.h"

#include <gtest/gtest.h>

namespace {

PoziceTestu Pozice(const std::string& spravne)
{
    PoziceTestu p {};
    for (std::size_t i = 0; i < p.size(); ++i) {
        p[i].cislo = static_cast<int>(i) + 1;
        p[i].spravne = spravne;
    }
    return p;
}

std::array<std::string, kPocetPozic> Vse(const std::string& sada)
{
    std::array<std::string, kPocetPozic> a;
    a.fill(sada);
    return a;
}

}  // namespace

TEST(HodnoceniTestu, CelaOtazkaNeboNic)
{
    EXPECT_EQ(OznacenaSada({false, true, false, true}), "BD");
    EXPECT_EQ(OznacenaSada({}), "");
    struct Pripad {
        const char* spravne;
        const char* oznacene;
        bool dobre;
    };
    for (const Pripad& p : std::vector<Pripad> {{"AC", "AC", true},
                                                {"AC", "A", false},
                                                {"AC", "ABC", false},
                                                {"AC", "ABCD", false},
                                                {"B", "", false},
                                                {"", "", true},
                                                {"", "A", false},
                                                {"CA", "AC", false}}) {
        PoziceTestu poz = Pozice(p.spravne);
        const VysledekTestu v = EvaluateTest(poz, Vse(p.oznacene), 56);
        EXPECT_EQ(v.body, p.dobre ? 65 : 0) << p.spravne << "/" << p.oznacene;
        EXPECT_EQ(v.spatnych, p.dobre ? 0 : 25);
        EXPECT_EQ(poz[24].oznacene, p.oznacene);
        EXPECT_EQ(poz[24].spatne, !p.dobre);
    }
}

TEST(HodnoceniTestu, SoucetPoziceAMinimum)
{
    PoziceTestu poz = Pozice("A");
    auto oznacene = Vse("A");
    // Wrong at 1 (3), 15 (1), 17 (2), 23 (4): 65 - 10 = 55.
    for (int k : {23, 1, 17, 15})
        oznacene[static_cast<std::size_t>(k - 1)] = "B";
    VysledekTestu v = EvaluateTest(poz, oznacene, 55);
    EXPECT_EQ(v.body, 55);
    EXPECT_EQ(v.spatnych, 4);
    EXPECT_EQ(v.Spravnych(), 21);
    EXPECT_EQ(v.spatnePozice, (std::vector<int> {1, 15, 17, 23}));
    EXPECT_TRUE(v.prosel);
    EXPECT_FALSE(EvaluateTest(poz, oznacene, 56).prosel);
}

TEST(HodnoceniTestu, CasoveTexty)
{
    const std::vector<std::pair<int, const char*>> delky {{0, "0 "},
                                                          {1, "1 sekunda"},
                                                          {2, "2 sekundy"},
                                                          {5, "5 sekund"},
                                                          {59, "59 sekund"},
                                                          {60, "1 minuta"},
                                                          {61, "1 minuta, 1 sekunda"},
                                                          {125, "2 minuty, 5 sekund"},
                                                          {1800, "30 minut"},
                                                          {304, "5 minut, 4 sekundy"}};
    for (const auto& [s, text] : delky)
        EXPECT_EQ(TextDelkyTestu(s), text) << s;
    const std::vector<std::pair<int, const char*>> odpocet {{1800, "30:00"}, {1799, "29:59"},
                                                            {65, "01:05"},   {0, "00:00"},
                                                            {600, "10:00"},  {9, "00:09"}};
    for (const auto& [s, text] : odpocet)
        EXPECT_EQ(FormatMinSec(s), text) << s;
}

TEST(HodnoceniTestu, SouhrnnaZprava)
{
    VysledekTestu v;
    v.body = 65;
    v.prosel = true;
    EXPECT_EQ(
        SouhrnTestu(v, 56, false),
        "Test byl úspěšně vyřešen!\n - Dosáhli jste 65 bodů z 65 možných, minimem pro složení "
        "testu bylo 56 bodů"
        "\n - Počet špatných odpovědí byl: 0\nVíce se dozvíte z protokolu po stisku klávesy OK");
    v = {};
    v.body = 40;
    v.spatnych = 3;
    v.spatnePozice = {2, 15, 25};
    EXPECT_EQ(SouhrnTestu(v, 54, true),
              "Čas vymezený pro test uplynul! - Test nebyl úspěšně vyřešen!\n - Dosáhli jste 40 "
              "bodů z 65 možných, "
              "minimem pro složení testu bylo 54 bodů\n - Počet špatných odpovědí byl: 3, jejich "
              "čísla jsou 2, 15, 25"
              "\nVíce se dozvíte z protokolu po stisku klávesy OK");
}

TEST(HodnoceniTestu, TitulkyAZnacky)
{
    EXPECT_EQ(TitulekPozice(1), "1. otázka (3 body)");
    EXPECT_EQ(TitulekPozice(15), "15. otázka (1 bod)");
    EXPECT_EQ(TitulekPozice(16), "16. otázka (1 bod)");
    EXPECT_EQ(TitulekPozice(23), "23. otázka (4 body)");
    EXPECT_EQ(TitulekPorovnani(1, 17), " 1. otázka (3 body); Skutečné číslo otázky: 17 ");
    EXPECT_EQ(TitulekPorovnani(16, 590), " 16. otázka (1 bod); Skutečné číslo otázky: 590 ");
    EXPECT_EQ(TitulekPorovnani(14, 430), " 14. otázka (2 body); Skutečné číslo otázky: 430 ");
    using enum Znacka;
    EXPECT_EQ(ZnackyPorovnani("A", "AC"), (std::array<Znacka, 4> {Ano, Skryta, Chyba, Skryta}));
    EXPECT_EQ(ZnackyPorovnani("ABCD", "CB"), (std::array<Znacka, 4> {Ne, Ano, Ano, Ne}));
    EXPECT_EQ(ZnackyPorovnani("", ""), (std::array<Znacka, 4> {Skryta, Skryta, Skryta, Skryta}));
}

TEST(HodnoceniTestu, ZaznamProtokolu)
{
    PoziceTestu poz = Pozice("B");
    auto oznacene = Vse("B");
    oznacene[0] = "";
    oznacene[24] = "AB";
    const VysledekTestu v = EvaluateTest(poz, oznacene, 61);
    const ZaznamProtokolu z =
        ProtokolTestu(poz, v, "Jana", "D", 61, DatumCas {2026, 2, 3, 4, 5, 6, 0}, 1799);
    EXPECT_EQ(z.profil, "Jana");
    EXPECT_EQ(z.skupina, "D");
    EXPECT_EQ(z.datumACas, (DatumCas {2026, 2, 3, 4, 5, 6, 0}));
    EXPECT_EQ(z.delkaTestu, "29:59");
    EXPECT_EQ(z.spravne, 23);
    EXPECT_EQ(z.pocetBodu, 58);
    EXPECT_EQ(z.minPocetBodu, 61);
    EXPECT_EQ(z.verdikt, "Neprošel");
    EXPECT_EQ(z.body[14], 1);
    EXPECT_EQ(z.odpoved[0], "");
    EXPECT_EQ(z.odpoved[24], "AB");
    EXPECT_EQ(z.spravnaOdpoved[24], "B");
    EXPECT_EQ(z.skutCis[24], 25);
}
