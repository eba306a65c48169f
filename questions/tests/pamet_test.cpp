#include "questions/Pamet.h"

#include "questions/Kategorie.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>

namespace {

using H = Hodnoceni;
using V = VysledekPokusu;

DatumCas Kdy(int mesic, int den, int hodina = 10, int minuta = 0)
{
    return {2026, mesic, den, hodina, minuta, 0, 0};
}

StavPameti Stav(double s, double d, const DatumCas& posledni) { return {true, s, d, posledni}; }

// Expected values are worked by hand from the FSRS-6 formulas with the default parameters
// w0..w20 = 0.212 1.2931 2.3065 8.2956 6.4133 0.8334 3.0194 0.001 1.8722 0.1666 0.796 1.4835
// 0.0614 0.2629 1.6483 0.6014 1.8729 0.5425 0.0912 0.0658 0.1542, and these shared steps:
//   F     = 0.9^(-1/0.1542) - 1 = 0.9^(-6.485084) - 1 = 1.9803465 - 1 = 0.9803465
//   D0(3) = 6.4133 - e^(2 * 0.8334) + 1 = 7.4133 - e^1.6668 = 7.4133 - 5.295196 = 2.118104
//   D0(4) = 7.4133 - e^(3 * 0.8334) = 7.4133 - e^2.5002 = 7.4133 - 12.184931 = -4.771631
//   mean reversion: D'' = 0.001 * D0(4) + 0.999 * D'
//   e^(w17 * w18) = e^(0.5425 * 0.0912) = e^0.049476 = 1.050720
TEST(PametOtazky, OdpovediPosouvajiStabilituAObtiznostPodleVzorcu)
{
    struct Pripad {
        const char* co;
        StavPameti pred;
        V vysledek;
        DatumCas kdy;
        double stabilita, obtiznost;
    };
    const StavPameti nova;
    const StavPameti poDobre = Stav(2.3065, 2.118104, Kdy(3, 2));
    const StavPameti poZnovu = Stav(0.212, 6.4133, Kdy(3, 2));
    const std::vector<Pripad> pripady {
        // S0(3) = w2; D0(3) as above.
        {"first right", nova, V::Spravne, Kdy(3, 2), 2.3065, 2.118104},
        // S0(1) = w0; D0(1) = w4 - e^0 + 1 = w4.
        {"first wrong", nova, V::Spatne, Kdy(3, 2), 0.212, 6.4133},
        {"first hinted", nova, V::Napoveda, Kdy(3, 2), 0.212, 6.4133},
        // t = 3: R = (1 + F*3/2.3065)^-0.1542 = 2.275109^-0.1542 = 0.880948.
        // S'r = 2.3065 * (1 + e^1.8722 * (11 - 2.118104) * 2.3065^-0.1666
        //                    * (e^(0.796*0.119052) - 1))
        //     = 2.3065 * (1 + 6.502586 * 8.881896 * 0.870025 * 0.099401) = 2.3065 * 5.994756
        //     = 13.826904.
        // D' = D (Good moves nothing); D'' = 0.001 * -4.771631 + 0.999 * 2.118104 = 2.111214.
        {"right three days later", poDobre, V::Spravne, Kdy(3, 5), 13.826904, 2.111214},
        // t = 10: R = (1 + F*10/2.3065)^-0.1542 = 5.250364^-0.1542 = 0.774367.
        // S'f = 1.4835 * 2.118104^-0.0614 * (3.3065^0.2629 - 1) * e^(1.6483*0.225633)
        //     = 1.4835 * 0.954964 * 0.369437 * 1.450504 = 0.759160, below 2.3065 / 1.050720.
        // D' = 2.118104 + 6.0388 * (10 - 2.118104) / 9 = 7.406681; D'' = 7.394503.
        {"wrong ten days later", poDobre, V::Spatne, Kdy(3, 12), 0.759160, 7.394503},
        // Same day: factor e^(0.5425 * (0 + 0.0912)) * 2.3065^-0.0658 = 1.050720 * 0.946494
        // = 0.994500, raised to 1 for Good, so S stays; D as after any Good: 2.111214.
        {"right again the same day", poDobre, V::Spravne, Kdy(3, 2, 18), 2.3065, 2.111214},
        // Same day: factor e^(0.5425 * (-2 + 0.0912)) * 0.212^-0.0658 = e^-1.035524 * 1.107458
        // = 0.355040 * 1.107458 = 0.393192 (Again may lower it); S = 0.212 * 0.393192 = 0.083357.
        // D' = 6.4133 + 6.0388 * (10 - 6.4133) / 9 = 8.819896; D'' = 8.806304.
        {"wrong again the same day", poZnovu, V::Spatne, Kdy(3, 2, 18), 0.083357, 8.806304},
        // Same day: factor 1.050720 * 0.212^-0.0658 = 1.050720 * 1.107458 = 1.163628;
        // S = 0.212 * 1.163628 = 0.246689; D'' = 0.001 * -4.771631 + 0.999 * 6.4133 = 6.402115.
        {"right after wrong the same day", poZnovu, V::Spravne, Kdy(3, 2, 18), 0.246689, 6.402115},
        // Two minutes later but past midnight: t = 1, not the same day.
        // R = (1 + F/2.3065)^-0.1542 = 1.425036^-0.1542 = 0.946847;
        // S'r = 2.3065 * (1 + 6.502586 * 8.881896 * 0.870025 * (e^(0.796*0.053153) - 1))
        //     = 2.3065 * (1 + 6.502586 * 8.881896 * 0.870025 * 0.0432172) = 2.3065 * 3.171602
        //     = 7.315300.
        {"right past midnight", Stav(2.3065, 2.118104, Kdy(3, 2, 23, 59)), V::Spravne,
         Kdy(3, 3, 0, 1), 7.315300, 2.111214},
        // A clock set back counts as the same day: as "right again the same day".
        {"right before the last answer", poDobre, V::Spravne, Kdy(3, 1), 2.3065, 2.111214},
        // t = 100 from S = 0.05, D = 5: R = (1 + F*2000)^-0.1542 = 1961.692989^-0.1542 = 0.310654.
        // S'f = 1.4835 * 5^-0.0614 * (1.05^0.2629 - 1 = 0.0129096) * e^(1.6483*0.689346)
        //     = 1.4835 * 0.905906 * 0.0129096 * 3.115064 = 0.054044, above the cap
        //     0.05 / 1.050720 = 0.047586, which holds.
        // D' = 5 + 6.0388 * 5 / 9 = 8.354889; D'' = 8.341762.
        {"wrong long after, capped", Stav(0.05, 5, Kdy(3, 1)), V::Spatne, Kdy(6, 9), 0.047586,
         8.341762},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.co);
        const StavPameti po = PoOdpovedi(p.pred, HodnoceniOdpovedi(p.vysledek), p.kdy);
        EXPECT_TRUE(po.videna);
        EXPECT_EQ(po.posledni, p.kdy);
        EXPECT_NEAR(po.stabilita, p.stabilita, 1e-5);
        EXPECT_NEAR(po.obtiznost, p.obtiznost, 1e-5);
    }
}

TEST(PametOtazky, SanceNaVybaveniKlesaSCasem)
{
    struct Pripad {
        const char* co;
        StavPameti stav;
        DatumCas kdy;
        double vybaveni;
    };
    const std::vector<Pripad> pripady {
        {"at once", Stav(2.3065, 2.1, Kdy(3, 2)), Kdy(3, 2), 1.0},
        // By the definition of stability: R(S, S) = 0.9 for any S.
        {"after S days", Stav(7, 5, Kdy(3, 2)), Kdy(3, 9), 0.9},
        {"after S days over a year end",
         Stav(3, 5, {2026, 12, 30, 8, 0, 0, 0}),
         {2027, 1, 2, 8, 0, 0, 0},
         0.9},
        {"after S days over a leap day",
         Stav(2, 5, {2028, 2, 28, 8, 0, 0, 0}),
         {2028, 3, 1, 8, 0, 0, 0},
         0.9},
        // t = 3.5 days, to the hour: (1 + 0.980346 * 3.5 / 2.3065)^-0.1542 = 2.487627^-0.1542
        // = 0.868900.
        {"three and a half days", Stav(2.3065, 2.1, Kdy(3, 2)), Kdy(3, 5, 22), 0.868900},
        // t = 10: 5.250364^-0.1542 = 0.774367.
        {"ten days", Stav(2.3065, 2.1, Kdy(3, 2)), Kdy(3, 12), 0.774367},
        {"never answered", StavPameti {}, Kdy(3, 12), 0.0},
        {"clock set back", Stav(2.3065, 2.1, Kdy(3, 2)), Kdy(3, 1), 1.0},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.co);
        EXPECT_NEAR(Vybaveni(p.stav, p.kdy), p.vybaveni, 1e-6);
    }

    // Recall falls day by day and the interval for a retention lands on that retention.
    double predtim = 1.0;
    for (int den = 1; den <= 60; ++den) {
        const double r = Vybaveni(2.3065, den);
        EXPECT_LT(r, predtim) << den;
        predtim = r;
    }
    for (double retence : {0.7, 0.8, 0.9, 0.95, 0.99})
        EXPECT_NEAR(Vybaveni(13.8, Interval(13.8, retence)), retence, 1e-9) << retence;

    struct Interv {
        double stabilita, retence;
        int dni;
    };
    const std::vector<Interv> intervaly {
        {10, 0.9, 10},  // I(0.9, S) = S
        // I = 10 / 0.9803465 * (0.8^-6.485084 - 1) = 10.200475 * 3.2507896 = 33.159598.
        {10, 0.8, 33},
        // I = 100 / 0.9803465 * (0.95^-6.485084 - 1) = 102.004751 * 0.3946470 = 40.255869.
        {100, 0.95, 40},
        {2.3065, 0.9, 2},
        {0.212, 0.9, 1},  // never less than a day
        {1e7, 0.9, 36500},  // nor more than a hundred years
    };
    for (const Interv& i : intervaly)
        EXPECT_EQ(IntervalDni(i.stabilita, i.retence), i.dni) << i.stabilita << " " << i.retence;
    EXPECT_NEAR(Interval(10, 0.8), 33.159598, 1e-5);
    EXPECT_EQ(Splatnost(Stav(2.3065, 2.1, Kdy(3, 30, 15)), 0.9), (DatumCas {2026, 4, 1}));
}

TEST(PametOtazky, OpakovaniNejdrivNejvicePoSplatnosti)
{
    // On 20 March at noon, desired retention 90 % (interval = S rounded).
    PametProfilu pamet;
    pamet[1] = Stav(2.3065, 5, Kdy(3, 10, 20));  // due 12 March, 8 days over, R after 9.67 days
    pamet[2] = Stav(10, 5, Kdy(3, 1));  // due 11 March, 9 days over
    pamet[3] = Stav(20, 5, Kdy(3, 1));  // due 21 March: not yet
    pamet[4] = Stav(20, 5, Kdy(2, 28));  // due today
    pamet[5] = StavPameti {};  // never answered: not a review
    pamet[6] = Stav(2.3065, 5, Kdy(3, 10, 8));  // 8 days over, R after 10.17 days: lower than 1
    pamet[7] = Stav(10, 5, Kdy(3, 2));  // 8 days over, R about 0.85: higher than 1 and 6
    pamet[8] = Stav(10, 5, Kdy(3, 2));  // as 7: by number
    EXPECT_EQ(PoradiOpakovani(pamet, Kdy(3, 20, 12), 0.9), (std::vector<int> {2, 6, 1, 7, 8, 4}));
    // A lower retention lengthens the intervals: S = 10 at 80 % waits 33 days.
    EXPECT_EQ(PoradiOpakovani(pamet, Kdy(3, 20, 12), 0.8), (std::vector<int> {6, 1}));
    EXPECT_TRUE(PoradiOpakovani({}, Kdy(3, 20), 0.9).empty());
}

TEST(PametOtazky, NoveOtazkyStridajiKategorie)
{
    std::vector<int> banka(kNejvyssiCislo);
    std::iota(banka.begin(), banka.end(), 1);
    std::map<int, int> velikost;
    for (int c : banka)
        ++velikost[KategorieCisla(c)];

    for (std::uint32_t seed : {0u, 1u, 20261208u}) {
        SCOPED_TRACE(seed);
        const std::vector<int> poradi = PoradiNovych(banka, seed);
        EXPECT_EQ(poradi, PoradiNovych(banka, seed));
        std::vector<int> serazene = poradi;
        std::sort(serazene.begin(), serazene.end());
        EXPECT_EQ(serazene, banka);

        // Every beginning holds each category within one and a half questions of its share;
        // a day's 20 new questions hold all seven categories.
        std::map<int, int> pocet;
        double odchylka = 0;
        for (std::size_t m = 1; m <= poradi.size(); ++m) {
            ++pocet[KategorieCisla(poradi[m - 1])];
            for (const auto& [k, n] : velikost)
                odchylka = std::max(odchylka, std::abs(pocet[k] - double(m) * n / banka.size()));
            if (m == 20)
                EXPECT_EQ(pocet.size(), 7u);
        }
        EXPECT_LE(odchylka, 1.5);
    }
    EXPECT_NE(PoradiNovych(banka, 1), PoradiNovych(banka, 2));

    // Four of category 1 take the places 1/8, 3/8, 5/8, 7/8 and two of category 2 the places
    // 1/4, 3/4, whatever the seed; within a category the seed decides.
    for (std::uint32_t seed = 0; seed < 8; ++seed) {
        std::vector<int> kategorie;
        for (int c : PoradiNovych({1, 2, 3, 4, 421, 422}, seed))
            kategorie.push_back(KategorieCisla(c));
        EXPECT_EQ(kategorie, (std::vector<int> {1, 2, 1, 1, 2, 1})) << seed;
    }
    EXPECT_TRUE(PoradiNovych({}, 5).empty());
}

}  // namespace
