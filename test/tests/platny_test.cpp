#include "test/OdhadPlatny.h"
#include "test/TestPlatny.h"
#include "test/ZaznamPlatny.h"

#include "base/Nahoda.h"
#include "questions/Banka.h"
#include "questions/Kategorie.h"
#include "storage/Tabulka.h"
#include "testsupport/ZapisBanky.h"
#include "testsupport/DocasnaSlozka.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

namespace fs = std::filesystem;

namespace {

std::vector<int> OblastiZ(const std::vector<std::pair<int, int>>& dvojice)
{
    std::vector<int> oblasti(758, 0);
    for (const auto& [c, o] : dvojice)
        oblasti[static_cast<std::size_t>(c)] = o;
    return oblasti;
}

// Groups differ by number so that every licence group sees a different part of the bank.
std::string SkupinaPodleCisla(int c)
{
    static const char* kSkupiny[] = {"ABCD", "A", "B", "CD", "AB", "BCD"};
    return kSkupiny[c % 6];
}

}  // namespace

TEST(TestPlatny, SlozeniDodrziRozpisProKazdouSkupinuASeminko)
{
    Banka banka;
    banka.NactiZ(BankaTriOdpovedi(SkupinaPodleCisla));
    const std::vector<int> oblasti = OblastiZ(OblastiPodleKategorii(banka.Vse()));
    for (const char* skupina : {"AM", "A1", "A", "B1", "B", "C", "D", "T"}) {
        for (std::uint32_t seed = 0; seed < 300; ++seed) {
            SCOPED_TRACE(std::string(skupina) + " seed " + std::to_string(seed));
            Nahoda nahoda(seed * 2654435761u);
            const SlozenyPlatny t = SlozPlatnyTest(banka, oblasti, skupina, nahoda);
            ASSERT_TRUE(t.uplny) << t.chyba;
            ASSERT_EQ(t.otazky.size(), 25u);
            std::array<int, 7> pocty {}, body {};
            std::set<int> cisla;
            int soucet = 0, posledniOblast = 1;
            for (const OtazkaPlatna& q : t.otazky) {
                const Otazka* o = banka.Najdi(q.cislo);
                ASSERT_NE(o, nullptr);
                EXPECT_TRUE(PasujeDoRozsahu(o->skupina, skupina));
                EXPECT_EQ(oblasti[static_cast<std::size_t>(q.cislo)], q.oblast);
                EXPECT_GE(q.oblast, posledniOblast) << "sections are asked in table order";
                posledniOblast = q.oblast;
                EXPECT_EQ(q.spravne, o->spravne[0]);
                std::array<char, 3> p = q.poradi;
                std::sort(p.begin(), p.end());
                EXPECT_EQ(p, (std::array<char, 3> {'A', 'B', 'C'}));
                cisla.insert(q.cislo);
                ++pocty[static_cast<std::size_t>(q.oblast - 1)];
                body[static_cast<std::size_t>(q.oblast - 1)] += q.body;
                soucet += q.body;
            }
            EXPECT_EQ(cisla.size(), 25u) << "no repeats";
            EXPECT_EQ(soucet, 50);
            for (const OblastPlatny& o : OblastiPlatny()) {
                EXPECT_EQ(pocty[static_cast<std::size_t>(o.cislo - 1)], o.pocet) << o.nazev;
                EXPECT_EQ(body[static_cast<std::size_t>(o.cislo - 1)], o.pocet * o.body) << o.nazev;
            }
        }
    }
    // The seed decides everything, and different seeds give different tests.
    Nahoda a(7), b(7), c(8);
    EXPECT_EQ(TextPoradi(SlozPlatnyTest(banka, oblasti, "B", a).otazky),
              TextPoradi(SlozPlatnyTest(banka, oblasti, "B", b).otazky));
    Nahoda d(7);
    EXPECT_NE(TextCisel(SlozPlatnyTest(banka, oblasti, "B", d).otazky),
              TextCisel(SlozPlatnyTest(banka, oblasti, "B", c).otazky));
}

TEST(TestPlatny, MichaniVystridaVsechnaPoradiAOblastBezDostatkuOtazekSkonci)
{
    Banka banka;
    std::vector<Otazka> otazky = BankaTriOdpovedi();
    // Questions that do not fit this format are never drawn: four answers, two correct letters.
    otazky[0].d = "Čtvrtá.";
    otazky[1].spravne = "AB";
    banka.NactiZ(otazky);
    std::vector<int> oblasti = OblastiZ(OblastiPodleKategorii(banka.Vse()));
    std::set<std::string> poradi;
    for (std::uint32_t seed = 0; seed < 200; ++seed) {
        Nahoda nahoda(seed);
        for (const OtazkaPlatna& q : SlozPlatnyTest(banka, oblasti, "B", nahoda).otazky) {
            poradi.insert(std::string(q.poradi.begin(), q.poradi.end()));
            EXPECT_NE(q.cislo, 1);
            EXPECT_NE(q.cislo, 2);
        }
    }
    EXPECT_EQ(poradi.size(), 6u) << "every order of three answers occurs";

    // The bounded case: a section with exactly its count gives all of them; one fewer ends the
    // composition with the message naming the section and the group.
    for (int c = 1; c <= 757; ++c)
        if (oblasti[static_cast<std::size_t>(c)] == 7)
            oblasti[static_cast<std::size_t>(c)] = 6;
    oblasti[700] = 7;
    Nahoda nahoda(1);
    const SlozenyPlatny presne = SlozPlatnyTest(banka, oblasti, "C", nahoda);
    ASSERT_TRUE(presne.uplny);
    EXPECT_EQ(presne.otazky.back().cislo, 700);
    oblasti[700] = 0;
    const SlozenyPlatny kratke = SlozPlatnyTest(banka, oblasti, "C", nahoda);
    EXPECT_FALSE(kratke.uplny);
    EXPECT_TRUE(kratke.otazky.empty());
    EXPECT_EQ(kratke.chybiOblast, 7);
    EXPECT_EQ(kratke.chyba,
              "Databáze otázek neobsahuje dostatek otázek oblasti „Zdravotnická příprava“ "
              "pro skupinu C, test nelze sestavit.");
}

TEST(TestPlatny, BodovaniHraniceUspechuANezodpovezene)
{
    Banka banka;
    banka.NactiZ(BankaTriOdpovedi());
    const std::vector<int> oblasti = OblastiZ(OblastiPodleKategorii(banka.Vse()));
    Nahoda nahoda(42);
    const SlozenyPlatny t = SlozPlatnyTest(banka, oblasti, "B", nahoda);
    ASSERT_TRUE(t.uplny);
    // Index of the first question of each section: 0, 10, 13, 17, 20, 22, 24.
    struct Pripad {
        const char* nazev;
        std::vector<int> spatne, nezodpovezene;
        int body;
        bool prosel;
    };
    for (const Pripad& p : {Pripad {"vse spravne", {}, {}, 50, true},
                            Pripad {"43: situace, pravidla, znacka", {17, 0, 10}, {}, 43, true},
                            Pripad {"43 s nezodpovezenou situaci", {0, 10}, {17}, 43, true},
                            Pripad {"42: situace, dvakrat pravidla", {17, 0, 1}, {}, 42, false},
                            Pripad {"nic nezodpovezeno", {}, {}, 0, false}}) {
        SCOPED_TRACE(p.nazev);
        PrubehPlatny prubeh(t.otazky);
        const bool nic = p.body == 0;
        for (int i = 0; i < 25 && !nic; ++i) {
            ASSERT_TRUE(prubeh.Jdi(i));
            const OtazkaPlatna& q = prubeh.AktualniOtazka();
            const bool spatne = std::count(p.spatne.begin(), p.spatne.end(), i) > 0;
            if (std::count(p.nezodpovezene.begin(), p.nezodpovezene.end(), i))
                continue;
            for (int m = 0; m < 3; ++m)
                if ((q.poradi[static_cast<std::size_t>(m)] == q.spravne) != spatne) {
                    prubeh.Zvol(m);
                    break;
                }
        }
        const VysledekPlatny v = VyhodnotPlatny(prubeh.Otazky());
        EXPECT_EQ(v.body, p.body);
        EXPECT_EQ(v.prosel, p.prosel);
        EXPECT_EQ(v.nezodpovezeno, nic ? 25 : static_cast<int>(p.nezodpovezene.size()));
        EXPECT_EQ(prubeh.Nezodpovezeno(), v.nezodpovezeno);
        int soucet = 0;
        for (const VysledekOblastiPlatny& o : v.oblasti)
            soucet += o.body;
        EXPECT_EQ(soucet, v.body);
    }
    // A new choice replaces the old one; moves stop at the ends; the flag toggles.
    PrubehPlatny prubeh(t.otazky);
    prubeh.Zvol(0);
    prubeh.Zvol(2);
    EXPECT_EQ(prubeh.AktualniOtazka().zvolena, prubeh.AktualniOtazka().poradi[2]);
    EXPECT_FALSE(prubeh.Predchozi());
    prubeh.PrepniOznaceni();
    EXPECT_TRUE(prubeh.AktualniOtazka().oznacena);
    EXPECT_FALSE(prubeh.Jdi(25));
    EXPECT_EQ(prubeh.Aktualni(), 0);
    EXPECT_EQ(MinutySekundy(1800), "30:00");
    EXPECT_EQ(MinutySekundy(65), "1:05");
    EXPECT_EQ(MinutySekundy(-3), "0:00");
}

TEST(TestPlatny, ZaznamUlozenyAZpetPrevedenyNaOtazky)
{
    DocasnaSlozka adresar;
    Banka banka;
    banka.NactiZ(BankaTriOdpovedi());
    const std::vector<int> oblasti = OblastiZ(OblastiPodleKategorii(banka.Vse()));
    Nahoda nahoda(5);
    PrubehPlatny prubeh(SlozPlatnyTest(banka, oblasti, "B", nahoda).otazky);
    for (int i = 0; i < 25; ++i) {
        prubeh.Jdi(i);
        if (i % 4 != 3)
            prubeh.Zvol(i % 3);
    }
    const VysledekPlatny v = VyhodnotPlatny(prubeh.Otazky());
    const ZaznamPlatny z =
        ZaznamZTestu(prubeh.Otazky(), v, "Jan O'Neil", "B", {2026, 3, 14, 9, 5, 7, 250}, 754);
    // Poradi maps each shown place back to a bank letter, and Odpovedi holds the bank letter of
    // the chosen place.
    ASSERT_EQ(z.poradi.size(), 99u);
    ASSERT_EQ(z.odpovedi.size(), 25u);
    for (int i = 0; i < 25; ++i) {
        const char ocekavana = i % 4 == 3 ? '-' : z.poradi[static_cast<std::size_t>(4 * i + i % 3)];
        EXPECT_EQ(z.odpovedi[static_cast<std::size_t>(i)], ocekavana) << i;
    }
    ZapisTestPlatny(adresar.Cesta(), z);
    ZaznamPlatny jiny = z;
    jiny.profil = "Eva";
    ZapisTestPlatny(adresar.Cesta(), jiny);
    ZapisTestPlatny(adresar.Cesta(), z);

    const std::vector<ZaznamPlatny> nactene = NactiTestyPlatny(adresar.Cesta(), "Jan O'Neil");
    ASSERT_EQ(nactene.size(), 2u);
    const ZaznamPlatny& n = nactene[0];
    EXPECT_EQ(n.kdy, (DatumCas {2026, 3, 14, 9, 5, 7, 0}));
    EXPECT_EQ(n.skupina, "B");
    EXPECT_EQ(n.delka, 754);
    EXPECT_EQ(n.body, v.body);
    EXPECT_EQ(n.splneno, v.prosel);
    EXPECT_EQ(n.cisla, TextCisel(prubeh.Otazky()));
    EXPECT_EQ(n.odpovedi, z.odpovedi);
    EXPECT_EQ(n.poradi, z.poradi);
    const std::vector<OtazkaPlatna> zpet = OtazkyZeZaznamu(n, banka, oblasti);
    ASSERT_EQ(zpet.size(), 25u);
    for (std::size_t i = 0; i < 25; ++i) {
        const OtazkaPlatna& a = prubeh.Otazky()[i];
        EXPECT_EQ(zpet[i].cislo, a.cislo);
        EXPECT_EQ(zpet[i].poradi, a.poradi);
        EXPECT_EQ(zpet[i].zvolena, a.zvolena);
        EXPECT_EQ(zpet[i].spravne, a.spravne);
        EXPECT_EQ(zpet[i].body, a.body);
    }
    EXPECT_EQ(VyhodnotPlatny(zpet).body, v.body);

    // A damaged record is refused, not read as whole.
    for (auto poskodit :
         {+[](ZaznamPlatny& d) { d.poradi[0] = 'B'; },
          +[](ZaznamPlatny& d) { d.odpovedi[3] = 'D'; }, +[](ZaznamPlatny& d) { d.cisla += ", 9"; },
          +[](ZaznamPlatny& d) { d.cisla[0] = 'x'; }}) {
        ZaznamPlatny d = n;
        poskodit(d);
        EXPECT_THROW(OtazkyZeZaznamu(d, banka, oblasti), ChybaTabulky);
    }

    SmazTestPlatny(adresar.Cesta(), "Jan O'Neil", 1);
    EXPECT_EQ(NactiTestyPlatny(adresar.Cesta(), "Jan O'Neil").size(), 1u);
    SmazTestyPlatny(adresar.Cesta(), "Jan O'Neil");
    EXPECT_TRUE(NactiTestyPlatny(adresar.Cesta(), "Jan O'Neil").empty());
    EXPECT_EQ(NactiTestyPlatny(adresar.Cesta(), "Eva").size(), 1u);
    const fs::perms prava = fs::status(adresar.Cesta() / "Testy.DB").permissions();
    EXPECT_EQ(prava & (fs::perms::group_all | fs::perms::others_all), fs::perms::none);
}

TEST(TestPlatny, TabulkaOblastiChybiNeboJePoskozena)
{
    DocasnaSlozka adresar;
    try {
        NactiOblasti(adresar.Cesta());
        ADD_FAILURE() << "a missing table must be an error";
    } catch (const ChybaTabulky& e) {
        EXPECT_NE(std::string(e.what()).find("oblasti.DB"), std::string::npos);
    }
    ZapisTestovaciOblasti(adresar.Cesta(), {{1, 1}, {757, 7}, {430, 2}});
    const std::vector<int> oblasti = NactiOblasti(adresar.Cesta());
    EXPECT_EQ(oblasti[1], 1);
    EXPECT_EQ(oblasti[430], 2);
    EXPECT_EQ(oblasti[757], 7);
    EXPECT_EQ(oblasti[2], 0);
    DocasnaSlozka spatny;
    ZapisTestovaciOblasti(spatny.Cesta(), {{1, 1}, {2, 8}});
    EXPECT_THROW(NactiOblasti(spatny.Cesta()), ChybaTabulky);
}

TEST(OdhadPlatny, PresnyVypocetSouhlasiSVyctemATrivialnimiPripady)
{
    // Every section holds exactly its count except section 1 with 11 questions: the eleven
    // 10-subsets are enumerated by hand and each evaluated by a plain DP over independent answers.
    std::array<std::vector<double>, 7> sance;
    std::vector<double> vsechny;  // (chance, points) of every question, section 1 last
    std::vector<int> bodyOtazek;
    for (const OblastPlatny& o : OblastiPlatny()) {
        if (o.cislo == 1)
            continue;
        for (int i = 0; i < o.pocet; ++i) {
            const double p = 0.55 + 0.05 * ((o.cislo + i) % 8);
            sance[static_cast<std::size_t>(o.cislo - 1)].push_back(p);
            vsechny.push_back(p);
            bodyOtazek.push_back(o.body);
        }
    }
    for (int i = 0; i < 11; ++i)
        sance[0].push_back(0.3 + 0.06 * i);
    for (int minimum : {0, 30, 43, 47, 50}) {
        double ocekavana = 0;
        for (int vynechana = 0; vynechana < 11; ++vynechana) {
            std::vector<double> p = vsechny;
            std::vector<int> b = bodyOtazek;
            for (int i = 0; i < 11; ++i)
                if (i != vynechana) {
                    p.push_back(sance[0][static_cast<std::size_t>(i)]);
                    b.push_back(2);
                }
            std::vector<double> rozdeleni(51, 0.0);
            rozdeleni[0] = 1;
            for (std::size_t q = 0; q < p.size(); ++q)
                for (int s = 50 - b[q]; s >= 0; --s) {
                    rozdeleni[static_cast<std::size_t>(s + b[q])] +=
                        rozdeleni[static_cast<std::size_t>(s)] * p[q];
                    rozdeleni[static_cast<std::size_t>(s)] *= 1 - p[q];
                }
            for (int s = minimum; s <= 50; ++s)
                ocekavana += rozdeleni[static_cast<std::size_t>(s)] / 11.0;
        }
        EXPECT_NEAR(SanceTestuPlatny(sance, minimum), ocekavana, 1e-12) << minimum;
    }
    std::array<std::vector<double>, 7> jistota, nic;
    for (const OblastPlatny& o : OblastiPlatny()) {
        jistota[static_cast<std::size_t>(o.cislo - 1)].assign(static_cast<std::size_t>(o.pocet + 5),
                                                              1.0);
        nic[static_cast<std::size_t>(o.cislo - 1)].assign(static_cast<std::size_t>(o.pocet + 5),
                                                          0.0);
    }
    EXPECT_NEAR(SanceTestuPlatny(jistota, 43), 1.0, 1e-12);
    EXPECT_NEAR(SanceTestuPlatny(nic, 43), 0.0, 1e-12);
    jistota[3].resize(2);
    EXPECT_EQ(SanceTestuPlatny(jistota, 43), 0.0) << "a section short of questions";
}

TEST(OdhadPlatny, OdhadZHistorieSPasmem)
{
    Banka banka;
    banka.NactiZ(BankaTriOdpovedi());
    const std::vector<int> oblasti = OblastiZ(OblastiPodleKategorii(banka.Vse()));
    EXPECT_FALSE(OdhadniUspechPlatny(banka, oblasti, "B", {}, 1).lzeOdhadnout) << "no history";
    const auto historie = [](int spravne, int spatne) {
        StatistikaProfilu s;
        for (int c = 1; c <= 757; c += 3) {
            ZaznamStatistiky z;
            z.cislo = c;
            z.polozeno = spravne + spatne;
            z.spravne = spravne;
            z.spatne = spatne;
            s[c] = z;
        }
        return s;
    };
    const OdhadPlatny dobry = OdhadniUspechPlatny(banka, oblasti, "B", historie(5, 0), 3, 100);
    const OdhadPlatny slaby = OdhadniUspechPlatny(banka, oblasti, "B", historie(1, 2), 3, 100);
    ASSERT_TRUE(dobry.lzeOdhadnout);
    EXPECT_GT(dobry.pravdepodobnost, 0.6);
    EXPECT_LT(slaby.pravdepodobnost, 0.01);
    EXPECT_LE(dobry.dolni, dobry.pravdepodobnost);
    EXPECT_GE(dobry.horni, dobry.pravdepodobnost);
    EXPECT_LT(dobry.dolni, dobry.horni);
    const OdhadPlatny znovu = OdhadniUspechPlatny(banka, oblasti, "B", historie(5, 0), 3, 100);
    EXPECT_EQ(znovu.pravdepodobnost, dobry.pravdepodobnost);
    std::vector<int> bezOblasti = oblasti;
    for (int c = 721; c <= 757; ++c)
        bezOblasti[static_cast<std::size_t>(c)] = 0;
    EXPECT_FALSE(OdhadniUspechPlatny(banka, bezOblasti, "B", historie(5, 0), 3, 10).lzeOdhadnout);
}
