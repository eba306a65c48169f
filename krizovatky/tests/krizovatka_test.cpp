#include "krizovatky/CteniSceny.h"
#include "krizovatky/Krizovatka.h"
#include "krizovatky/tests/PoradiKroku.h"

#include <gtest/gtest.h>

namespace {

Reseni Res(const std::string& yaml)
{
    KScena s;
    std::string chyba;
    EXPECT_TRUE(CtiKScenu(yaml, "test.yaml", &s, &chyba)) << chyba;
    return ResPoradi(s);
}

const char* kCtyri = "ramena: [J, S, V, Z]\n";

}  // namespace

// Scenes written from the law, one or more per rule; each with the order and the provision the
// decisive step must cite.
TEST(Krizovatka, PoradiPodlePravidel)
{
    struct Pripad {
        const char* nazev;
        std::string yaml;
        const char* poradi;
        int krok;  // step (from 0) whose rule must cite…
        const char* ustanoveni;
    } pripady[] = {
        {"přednost zprava, tři přímo",
         std::string(kCtyri)
             + "vozidla:\n - {druh: osobni, barva: cervena, stitek: A, z: V, do: Z}\n"
               " - {druh: osobni, barva: modra, stitek: B, z: S, do: J}\n - {druh: osobni, barva: "
               "zelena, stitek: C, z: Z, do: V}\n",
         "C;B;A", 2, "dává přednost B přijíždějícímu zprava (§ 22 odst. 2 zákona č. 361/2000 Sb.)"},
        {"hlavní S-J, vedlejší P 4 a P 6; nekřížící se vedlejší jedou spolu",
         std::string(kCtyri)
             + "znacky: {S: [P2], J: [P2], V: [P4], Z: [P6]}\nvozidla:\n"
               " - {druh: osobni, barva: cervena, stitek: A, z: V, do: S}\n - {druh: osobni, "
               "barva: modra, stitek: B, z: J, do: S}\n"
               " - {druh: osobni, barva: zelena, stitek: C, z: Z, do: V}\n",
         "B;A+C", 1, "(P 6) a dává přednost B na hlavní (§ 22 odst. 1 zákona č. 361/2000 Sb.)"},
        {"lomená hlavní J-Z s E 2b: vedlejší V dává přednost",
         std::string(kCtyri)
             + "hlavni: [J, Z]\nznacky: {J: [P2, E2], Z: [P2, E2], S: [P4, E2], V: [P4, "
               "E2]}\nvozidla:\n"
               " - {druh: osobni, barva: cervena, stitek: A, z: V, do: J}\n - {druh: osobni, "
               "barva: modra, stitek: B, z: Z, do: J}\n",
         "B;A", 1, "(P 4 s dodatkovou tabulkou E 2b) a dává přednost B na hlavní (§ 22 odst. 1"},
        {"obě zelenou: odbočení vlevo proti přímo jedoucímu",
         std::string(kCtyri)
             + "semafory: {J: {svetlo: zelena}, S: {svetlo: zelena}, V: {svetlo: cervena}, Z: "
               "{svetlo: cervena}}\nvozidla:\n"
               " - {druh: osobni, barva: cervena, stitek: A, z: S, do: V}\n - {druh: osobni, "
               "barva: modra, stitek: B, z: J, do: S}\n",
         "B;A", 1, "§ 21 odst. 5 zákona č. 361/2000 Sb."},
        {"červená: vozidlo stojí",
         std::string(kCtyri)
             + "semafory: {J: {svetlo: cervena}, S: {svetlo: cervena}, V: {svetlo: zelena}, Z: "
               "{svetlo: zelena}}\nvozidla:\n"
               " - {druh: osobni, barva: cervena, stitek: A, z: J, do: S}\n - {druh: osobni, "
               "barva: modra, stitek: B, z: V, do: Z}\n",
         "B;!A", 1, "§ 70 odst. 2 písm. a) zákona č. 361/2000 Sb."},
        {"žlutá Pozor!",
         std::string(kCtyri)
             + "semafory: {J: {svetlo: zluta}, S: {svetlo: zluta}, V: {svetlo: cervena}, Z: "
               "{svetlo: cervena}}\nvozidla:\n"
               " - {druh: osobni, barva: cervena, stitek: A, z: J, do: S}\n",
         "!A", 0, "§ 70 odst. 2 písm. d) zákona č. 361/2000 Sb."},
        {"doplňková šipka vpravo dává přednost volnému směru",
         std::string(kCtyri)
             + "semafory: {J: {svetlo: zelena}, S: {svetlo: cervena, sipka: vpravo}, V: {svetlo: "
               "zelena}, Z: {svetlo: cervena}}\nvozidla:\n"
               " - {druh: osobni, barva: cervena, stitek: A, z: S, do: Z}\n - {druh: osobni, "
               "barva: modra, stitek: B, z: V, do: Z}\n",
         "B;A", 1, "§ 4 písm. c) zákona č. 361/2000 Sb. a signál S 5 vyhlášky č. 294/2015 Sb."},
        {"vypnutá signalizace: přednost zprava",
         std::string(kCtyri)
             + "semafory: {J: {svetlo: vypnuto}, S: {svetlo: vypnuto}, V: {svetlo: vypnuto}, Z: "
               "{svetlo: vypnuto}}\nvozidla:\n"
               " - {druh: osobni, barva: cervena, stitek: A, z: J, do: S}\n - {druh: osobni, "
               "barva: modra, stitek: B, z: V, do: Z}\n",
         "B;A", 1, "§ 22 odst. 2 zákona č. 361/2000 Sb."},
        {"policista přebíjí semafor",
         std::string(kCtyri)
             + "semafory: {J: {svetlo: zelena}, S: {svetlo: zelena}, V: {svetlo: cervena}, Z: "
               "{svetlo: cervena}}\npolicista: V-Z\nvozidla:\n"
               " - {druh: osobni, barva: cervena, stitek: A, z: J, do: S}\n - {druh: osobni, "
               "barva: modra, stitek: B, z: Z, do: V}\n",
         "B;!A", 1, "§ 75 odst. 1 písm. a) zákona č. 361/2000 Sb."},
        {"přednostní jízda z vedlejší",
         std::string(kCtyri)
             + "znacky: {S: [P2], J: [P2], V: [P4], Z: [P4]}\nvozidla:\n"
               " - {druh: osobni, barva: cervena, stitek: A, z: S, do: J}\n - {druh: osobni, "
               "barva: bila, stitek: B, z: V, do: Z, majak: true}\n",
         "B;A", 1, "§ 41 odst. 7 zákona č. 361/2000 Sb."},
        {"tramvaj bez signálu zprava",
         std::string(kCtyri)
             + "koleje: [[V, Z]]\nvozidla:\n"
               " - {druh: tramvaj, stitek: \"5\", z: V, do: Z}\n - {druh: osobni, barva: modra, "
               "stitek: A, z: J, do: S}\n",
         "5;A", 1, "dává přednost tramvaji 5 přijíždějící zprava (§ 22 odst. 2"},
        {"tramvaj na hlavní",
         std::string(kCtyri)
             + "koleje: [[Z, V]]\nznacky: {Z: [P2], V: [P2], J: [P4], S: [P4]}\nvozidla:\n"
               " - {druh: tramvaj, stitek: \"5\", z: Z, do: V}\n - {druh: osobni, barva: modra, "
               "stitek: A, z: J, do: S}\n",
         "5;A", 1, "§ 22 odst. 1 zákona č. 361/2000 Sb."},
        {"tramvaj na vedlejší je pojmenována jako tramvaj",
         std::string(kCtyri)
             + "koleje: [[J, S]]\nznacky: {Z: [P2], V: [P2], J: [P4], S: [P4]}\nvozidla:\n"
               " - {druh: tramvaj, stitek: \"5\", z: J, do: S}\n - {druh: osobni, barva: modra, "
               "stitek: A, z: Z, do: V}\n",
         "A;5", 0,
         "A: přijíždí po hlavní pozemní komunikaci (P 2) a má přednost před tramvají 5 (§ 22 odst. "
         "1"},
        {"tramvaj na vedlejší: její krok",
         std::string(kCtyri)
             + "koleje: [[J, S]]\nznacky: {Z: [P2], V: [P2], J: [P4], S: [P4]}\nvozidla:\n"
               " - {druh: tramvaj, stitek: \"5\", z: J, do: S}\n - {druh: osobni, barva: modra, "
               "stitek: A, z: Z, do: V}\n",
         "A;5", 1, "tramvaj 5: přijíždí po vedlejší"},
        {"dva v jednom kroku: každý větou na vlastním řádku",
         std::string(kCtyri)
             + "znacky: {S: [P2], J: [P2], V: [P4], Z: [P6]}\nvozidla:\n"
               " - {druh: osobni, barva: cervena, stitek: A, z: V, do: S}\n - {druh: osobni, "
               "barva: modra, stitek: B, z: J, do: S}\n"
               " - {druh: osobni, barva: zelena, stitek: C, z: Z, do: V}\n",
         "B;A+C", 1, "(§ 22 odst. 1 zákona č. 361/2000 Sb.).\nC: musí u značky P 6 zastavit"},
        {"odbočující tramvaj vlevo před vozidlem vlevo od ní",
         std::string(kCtyri)
             + "sirka: 27\nkoleje: [[J, Z, 7]]\nvozidla:\n"
               " - {druh: tramvaj, stitek: \"6\", z: J, do: Z, posun: 7}\n - {druh: osobni, barva: "
               "modra, stitek: A, z: J, do: S, posun: -6}\n",
         "6;A", 1, "§ 21 odst. 7 zákona č. 361/2000 Sb."},
        {"chodec mimo přechod v ulici, kam se odbočuje vpravo",
         std::string(kCtyri)
             + "vozidla:\n - {druh: osobni, barva: cervena, stitek: A, z: J, do: V}\nchodci:\n - "
               "{rameno: V}\n",
         "chodec;A", 1, "§ 5 odst. 2 písm. g) zákona č. 361/2000 Sb."},
        {"chodec na přechodu na rameni, z něhož vozidlo vyjíždí",
         std::string(kCtyri)
             + "prechody: [J]\nvozidla:\n - {druh: osobni, barva: cervena, stitek: A, z: J, do: "
               "S}\nchodci:\n - {rameno: J}\n",
         "chodec;A", 1, "§ 5 odst. 2 písm. f) zákona č. 361/2000 Sb."},
        {"kruhový objezd s P 4: nekřížící se vozidla spolu",
         std::string(kCtyri)
             + "kruhovy: true\nznacky: {J: [C1, P4], S: [C1, P4], V: [C1, P4], Z: [C1, "
               "P4]}\nvozidla:\n"
               " - {druh: osobni, barva: cervena, stitek: A, na_kruhu: 30, do: S}\n - {druh: "
               "osobni, barva: modra, stitek: B, z: J, do: V}\n",
         "A+B", 0, "jeho dráhu nekříží"},
        {"čtyři odbočují vlevo: zákon pořadí neurčuje",
         std::string(kCtyri)
             + "vozidla:\n - {druh: osobni, barva: cervena, stitek: A, z: J, do: Z}\n - {druh: "
               "osobni, barva: modra, stitek: B, z: V, do: J}\n"
               " - {druh: osobni, barva: zelena, stitek: C, z: S, do: V}\n - {druh: osobni, barva: "
               "zluta, stitek: D, z: Z, do: S}\n",
         "?A+B+C+D", 0, "zákon pro tuto situaci pravidlo nemá"},
    };
    for (const Pripad& p : pripady) {
        const Reseni r = Res(p.yaml);
        ASSERT_TRUE(r.rozhodnuto) << p.nazev << ": " << r.duvod;
        EXPECT_EQ(Poradi(r), p.poradi) << p.nazev;
        ASSERT_LT(p.krok, int(r.kroky.size())) << p.nazev;
        EXPECT_NE(r.kroky[p.krok].pravidlo.find(p.ustanoveni), std::string::npos)
            << p.nazev << ": " << r.kroky[p.krok].pravidlo;
    }
}

// What the solver cannot decide it refuses with the reason instead of guessing.
TEST(Krizovatka, OdmitneCoNeumiRozhodnout)
{
    struct Pripad {
        std::string yaml;
        const char* duvod;
    } pripady[] = {
        {std::string(kCtyri)
             + "vozidla:\n - {druh: osobni, barva: bila, stitek: A, z: J, do: S, majak: true}\n"
               " - {druh: osobni, barva: bila, stitek: B, z: V, do: Z, majak: true}\n",
         "obě s právem přednostní jízdy"},
        {std::string(kCtyri)
             + "vozidla:\n - {druh: osobni, barva: bila, stitek: A, z: J, do: S, poradi: 2}\n",
         "ve frontě"},
        {std::string(kCtyri)
             + "vozidla:\n - {druh: osobni, barva: bila, stitek: A, z: J, do: S}\n - {druh: "
               "osobni, barva: modra, stitek: B, z: V}\n",
         "B nemá určen směr"},
        {std::string(kCtyri)
             + "prechody: [S]\nvozidla:\n - {druh: osobni, barva: bila, stitek: A, z: J, do: "
               "V}\nchodci:\n - {rameno: V, druh: kolo}\n",
         "přejezdu pro cyklisty"},
        {std::string(kCtyri)
             + "vozidla:\n - {druh: osobni, barva: bila, stitek: A, z: J, do: S}\nchodci:\n - "
               "{rameno: S}\n",
         "chodec mimo přechod"},
        {std::string(kCtyri)
             + "semafory: {J: {svetlo: zelena}, S: {svetlo: vypnuto}}\nvozidla:\n - {druh: osobni, "
               "barva: bila, stitek: A, z: J, do: S}\n",
         "vypnutá"},
        {std::string(kCtyri)
             + "znacky: {J: [P2], S: [P2], V: [P4]}\nvozidla:\n - {druh: osobni, barva: bila, "
               "stitek: A, z: J, do: S}\n",
         "rameno Z není označeno"},
        {std::string(kCtyri)
             + "semafory: {J: {svetlo: zelena}, S: {svetlo: cervena}, V: {svetlo: zelena}, Z: "
               "{svetlo: cervena}}\nvozidla:\n"
               " - {druh: osobni, barva: bila, stitek: A, z: J, do: S}\n - {druh: osobni, barva: "
               "modra, stitek: B, z: V, do: Z}\n",
         "mají volno a jejich dráhy se kříží"},
        {std::string(kCtyri)
             + "semafory: {J: {svetlo: cervena}, S: {svetlo: cervena}, V: {svetlo: zelena}, Z: "
               "{svetlo: zelena}}\nvozidla:\n"
               " - {druh: osobni, barva: bila, stitek: A, z: J, do: S, majak: true}\n",
         "nemá signál „Volno“"},
        {std::string(kCtyri)
             + "kruhovy: true\nvozidla:\n - {druh: osobni, barva: bila, stitek: A, z: J, do: Z}\n"
               " - {druh: osobni, barva: modra, stitek: B, z: V, do: J}\n",
         "kdo vjede dřív"},
    };
    for (const Pripad& p : pripady) {
        const Reseni r = Res(p.yaml);
        EXPECT_FALSE(r.rozhodnuto) << p.yaml;
        EXPECT_TRUE(r.kroky.empty());
        EXPECT_NE(r.duvod.find(p.duvod), std::string::npos) << r.duvod;
    }
}

TEST(Krizovatka, ChybaSceny)
{
    KScena s;
    std::string chyba;
    EXPECT_FALSE(
        CtiKScenu("ramena: [J, S, V]\nvozidla:\n  - {druh: osobni, stitek: A, z: J, do: Q}\n",
                  "x.yaml", &s, &chyba));
    EXPECT_EQ(chyba, "x.yaml:3: neznámé rameno „Q“");
    EXPECT_FALSE(
        CtiKScenu("ramena: [J, S, V]\nvozidla:\n  - {druh: letadlo, stitek: A, z: J, do: S}\n",
                  "x.yaml", &s, &chyba));
    EXPECT_EQ(chyba, "x.yaml:3: neznámá hodnota „letadlo“");
}
