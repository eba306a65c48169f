// Checks on the bank the program ships (built from data/otazky by the importer).
#include "questions/Banka.h"
#include "questions/Kategorie.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

class DodanaBanka : public testing::Test {
protected:
    static void SetUpTestSuite() { banka_.Nacti(ZK_DODANA_BANKA); }
    static Banka banka_;
};

Banka DodanaBanka::banka_;

TEST_F(DodanaBanka, VKategoriich2Az5ChybiPraveVyrazenaCisla)
{
    const std::set<int> vyrazena {502, 523, 544, 545, 547, 550, 552, 553, 554, 555, 558, 559,
                                  560, 561, 563, 565, 566, 568, 569, 570, 573, 575, 577, 579};
    std::vector<int> chybejici;
    for (int n = 421; n <= 620; ++n)
        if (!banka_.OtazkaExistuje(n))
            chybejici.push_back(n);
    EXPECT_EQ(std::set<int>(chybejici.begin(), chybejici.end()), vyrazena);
    EXPECT_TRUE(banka_.OtazkaExistuje(448));
    EXPECT_TRUE(banka_.OtazkaExistuje(449));
}

TEST_F(DodanaBanka, KazdyRozsahMaDostOtazekProSkupinuT)
{
    auto abcd = [this](int kategorie) {
        return static_cast<int>(
            std::count_if(banka_.Vse().begin(), banka_.Vse().end(), [&](const Otazka& o) {
                return KategorieCisla(o.cislo) == kategorie && o.skupina == "ABCD";
            }));
    };
    EXPECT_GE(abcd(2), 4);
    EXPECT_GE(abcd(3) + abcd(5), 2);
    EXPECT_GE(abcd(4), 1);
    // The walk for group T must find as many questions as the count promises.
    for (int k = 2; k <= 5; ++k)
        EXPECT_EQ(banka_.PocetVKategorii(k, "T"), abcd(k)) << k;
}

TEST_F(DodanaBanka, KazdaOtazkaMaTextOdpovediAPoznamku)
{
    for (const Otazka& o : banka_.Vse()) {
        if (o.cislo < 421 || o.cislo > 620)
            continue;
        EXPECT_FALSE(o.otazka.empty()) << o.cislo;
        EXPECT_FALSE(o.a.empty()) << o.cislo;
        EXPECT_FALSE(o.b.empty()) << o.cislo;
        EXPECT_FALSE(o.poznamka.empty()) << o.cislo;
        EXPECT_TRUE(o.obrazek.empty()) << o.cislo;
        for (char pismeno : o.spravne) {
            const std::string* odpoved[] = {&o.a, &o.b, &o.c, &o.d};
            ASSERT_TRUE(pismeno >= 'A' && pismeno <= 'D') << o.cislo;
            EXPECT_FALSE(odpoved[pismeno - 'A']->empty()) << o.cislo;
        }
    }
}

}  // namespace
