#include "krizovatky/CteniSceny.h"
#include "krizovatky/Generator.h"
#include "krizovatky/Krizovatka.h"
#include "krizovatky/tests/PoradiKroku.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cmath>
#include <functional>
#include <map>
#include <set>
#include <sstream>

namespace {

bool Blokovani(const Reseni& r)
{
    return std::any_of(r.kroky.begin(), r.kroky.end(),
                       [](const Krok& k) { return k.druh == DruhKroku::Blokovani; });
}

// The steps an answer names: "Současně žluté C a černé D, potom oranžové B." -> {{C, D}, {B}}.
std::vector<std::set<std::string>> KrokyOdpovedi(std::string text,
                                                 const std::set<std::string>& stitky)
{
    if (!text.empty() && text.back() == '.')
        text.pop_back();
    const std::string oddelovac = text.find(", potom ") != std::string::npos ? ", potom "
        : text.rfind("Současně", 0) == 0                                     ? "\x01"
                                                                             : ", ";
    std::vector<std::set<std::string>> kroky;
    size_t od = 0;
    for (;;) {
        const size_t k = text.find(oddelovac, od);
        std::istringstream slova(
            text.substr(od, k == std::string::npos ? std::string::npos : k - od));
        std::set<std::string> krok;
        for (std::string s; slova >> s;)
            if (stitky.count(s.substr(0, s.find(','))))
                krok.insert(s.substr(0, s.find(',')));
        kroky.push_back(krok);
        if (k == std::string::npos)
            break;
        od = k + oddelovac.size();
    }
    return kroky;
}

// The scene stripped to cars going straight on from arms that have an opposite arm, without
// signs, lights, officer, tracks or pedestrians, one per arm (a car beside a tram left out): only
// the right-hand rule can order them.
KScena RovnocennaPrimo(const KScena& s)
{
    KScena p;
    p.ramena = s.ramena;
    std::set<std::string> obsazena;
    for (const KVozidlo& v : s.vozidla) {
        if (!obsazena.insert(v.z).second)
            continue;
        for (const auto& [a, u] : s.ramena) {
            const double d = std::fmod(std::abs(u - s.ramena.at(v.z)), 360.0);
            if (std::abs(std::min(d, 360 - d) - 180) <= 30) {
                KVozidlo c = v;
                c.druh = "osobni";
                c.kam = a;
                p.vozidla.push_back(c);
                break;
            }
        }
    }
    return p;
}

}  // namespace

// Properties of generated situations. Each row is checked on every situation of seeds 0..9999 and
// must hold on all; `uplatneno` counts the situations a row had something to check on, so that a
// row cannot pass by never applying.
TEST(Generator, VlastnostiSituaci)
{
    constexpr std::uint32_t kPocet = 10000;
    struct Vlastnost {
        const char* nazev;
        std::function<bool(const GenerovanaSituace&, std::string*)>
            plati;  // false: nothing to check
        int uplatneno = 0;
        int minimum;
    };
    std::vector<Vlastnost> vlastnosti = {
        {"solver decides it, nobody waits, not everyone at once",
         [](const GenerovanaSituace& g, std::string* chyba) {
             const Reseni r = ResPoradi(g.scena);
             if (!r.rozhodnuto)
                 *chyba = r.duvod;
             else if (KrokyVozidel(g.scena, r).size() < 2)
                 *chyba = "trivial: " + Poradi(r);
             else
                 for (const Krok& k : r.kroky)
                     if (k.druh != DruhKroku::Jede)
                         *chyba = "not a plain order: " + Poradi(r);
             return true;
         },
         0, int(kPocet)},
        {"the order is a permutation of the vehicles",
         [](const GenerovanaSituace& g, std::string* chyba) {
             std::vector<std::string> ocekavane, poradi;
             for (const KVozidlo& v : g.scena.vozidla)
                 ocekavane.push_back(v.stitek);
             for (const auto& k : KrokyVozidel(g.scena, g.reseni))
                 poradi.insert(poradi.end(), k.begin(), k.end());
             std::sort(ocekavane.begin(), ocekavane.end());
             std::sort(poradi.begin(), poradi.end());
             if (poradi != ocekavane || ocekavane.size() < 2 || ocekavane.size() > 4)
                 *chyba = "vehicles and order differ: " + Poradi(g.reseni);
             return true;
         },
         0, int(kPocet)},
        {"solver and generator are deterministic; the written scene reads back to the same order",
         [](const GenerovanaSituace& g, std::string* chyba) {
             if (Poradi(ResPoradi(g.scena)) != Poradi(g.reseni))
                 *chyba = "second solve differs";
             if (g.seed % 10 == 0) {
                 const GenerovanaSituace h = GenerujSituaci(g.seed);
                 if (ScenaDoYaml(h.scena) != ScenaDoYaml(g.scena) || h.odpovedi != g.odpovedi
                     || h.vysvetleni != g.vysvetleni)
                     *chyba = "second generation differs";
             }
             KScena zpet;
             std::string c;
             if (!CtiKScenu(ScenaDoYaml(g.scena), "g.yaml", &zpet, &c))
                 *chyba = c;
             else if (Poradi(ResPoradi(zpet)) != Poradi(g.reseni))
                 *chyba = "read back: " + Poradi(ResPoradi(zpet));
             return true;
         },
         0, int(kPocet)},
        {"turning the scene by 90, 180 and 270 degrees keeps the order",
         [](const GenerovanaSituace& g, std::string* chyba) {
             for (double u : {90.0, 180.0, 270.0}) {
                 const std::string o = Poradi(ResPoradi(OtocScenu(g.scena, u)));
                 if (o != Poradi(g.reseni))
                     *chyba = "turned by " + std::to_string(int(u)) + ": " + o + " instead of "
                         + Poradi(g.reseni);
             }
             return true;
         },
         0, int(kPocet)},
        // Mirroring makes the arm on one's right the arm on one's left. Among cars going straight
        // on at a junction of equal standing every pair whose paths cross is ordered by the
        // right-hand rule alone, so in the mirror every such decision turns round: an order of
        // single vehicles is reversed exactly, and a mutual blocking stays a blocking.
        {"mirroring turns the right-hand rule round",
         [](const GenerovanaSituace& g, std::string* chyba) {
             const KScena p = RovnocennaPrimo(g.scena);
             if (p.vozidla.size() < 2)
                 return false;
             const Reseni r = ResPoradi(p), z = ResPoradi(ZrcadliScenu(p));
             if (!r.rozhodnuto || !z.rozhodnuto) {
                 *chyba = "refused: " + r.duvod + z.duvod;
                 return true;
             }
             if (Blokovani(r) != Blokovani(z)) {
                 *chyba = "blocking in one only: " + Poradi(r) + " / " + Poradi(z);
                 return true;
             }
             if (Blokovani(r) || std::any_of(r.kroky.begin(), r.kroky.end(), [](const Krok& k) {
                     return k.stitky.size() > 1;
                 }))
                 return Blokovani(r);
             auto obracene = r.kroky;
             std::reverse(obracene.begin(), obracene.end());
             Reseni o;
             o.kroky = obracene;
             if (Poradi(z) != Poradi(o))
                 *chyba = "mirror " + Poradi(z) + ", original " + Poradi(r);
             return true;
         },
         0, 1000},
        {"three distinct answers, exactly the marked one names the solver's steps",
         [](const GenerovanaSituace& g, std::string* chyba) {
             std::set<std::string> stitky;
             for (const KVozidlo& v : g.scena.vozidla)
                 stitky.insert(v.stitek);
             std::vector<std::set<std::string>> reseni;
             for (const auto& k : KrokyVozidel(g.scena, g.reseni))
                 reseni.emplace_back(k.begin(), k.end());
             if (g.druh == DruhOtazky::Prvni)
                 reseni.resize(1);
             const std::set<std::string> ruzne(g.odpovedi.begin(), g.odpovedi.end());
             if (ruzne.size() != 3 || g.spravna < 0 || g.spravna > 2)
                 *chyba = "answers not distinct";
             for (int i = 0; i < 3; ++i)
                 if ((KrokyOdpovedi(g.odpovedi[i], stitky) == reseni) != (i == g.spravna))
                     *chyba = "answer " + std::to_string(i) + " „" + g.odpovedi[i] + "“, right one "
                         + std::to_string(g.spravna);
             const char* otazka = g.druh == DruhOtazky::Prvni
                 ? "Které vozidlo projede křižovatkou jako první?"
                 : "V jakém pořadí projedou vozidla křižovatkou?";
             if (g.otazka != otazka)
                 *chyba = "question „" + g.otazka + "“";
             if (g.vysvetleni.find(g.reseni.kroky.front().pravidlo) == std::string::npos)
                 *chyba = "explanation lacks the first step's rule";
             // read as sentences, a line each, and a tram named as a tram, never by its number
             // alone
             if (g.vysvetleni.find('|') != std::string::npos)
                 *chyba = "explanation joins steps with |";
             for (const KVozidlo& v : g.scena.vozidla)
                 if (v.druh == "tramvaj")
                     for (const std::string& bez :
                          {"před " + v.stitek + " ", "vůči " + v.stitek + " ",
                           ". " + v.stitek + ":", "\n" + v.stitek + ":", ": " + v.stitek + " i ",
                           "; " + v.stitek + " i ", " i " + v.stitek + " "})
                         if (g.vysvetleni.find(bez) != std::string::npos)
                             *chyba = "tram named by its number alone: „" + bez + "“";
             return true;
         },
         0, int(kPocet)},
    };

    std::set<std::string> tvary;
    std::map<std::string, int> znaky;  // what the generated scenes contain
    int pozice[3] = {0, 0, 0};
    for (std::uint32_t seed = 0; seed < kPocet; ++seed) {
        const GenerovanaSituace g = GenerujSituaci(seed);
        for (Vlastnost& v : vlastnosti) {
            std::string chyba;
            if (v.plati(g, &chyba))
                ++v.uplatneno;
            if (!chyba.empty())
                ADD_FAILURE() << v.nazev << ", seed " << seed << ": " << chyba << "\n"
                              << ScenaDoYaml(g.scena);
        }
        if (seed < 1000) {
            // A scene repeats when its layout is the same: other colours alone make no new
            // situation for a learner.
            std::string tvar = ScenaDoYaml(g.scena);
            for (size_t i; (i = tvar.find("barva: ")) != std::string::npos;)
                tvar.erase(i, tvar.find(',', i) + 2 - i);
            EXPECT_TRUE(tvary.insert(tvar).second) << "seed " << seed << " repeats a layout:\n"
                                                   << tvar;
        }
        ++pozice[g.spravna];
        for (int i = 0; i < 3; ++i)
            if (i != g.spravna)
                znaky[g.omyly[i].empty() ? "špatná odpověď: jen změněné pořadí"
                                         : "špatná odpověď: " + g.omyly[i]]++;
        znaky[std::to_string(g.scena.ramena.size()) + " ramena"]++;
        znaky[g.druh == DruhOtazky::Prvni ? "otázka: první" : "otázka: pořadí"]++;
        if (!g.scena.znacky.empty())
            znaky["značky"]++;
        if (!g.scena.semafory.empty())
            znaky[g.scena.semafory.begin()->second.svetlo == "zluta_blika" ? "blikající žlutá"
                                                                           : "semafory"]++;
        if (!g.scena.policista.empty())
            znaky["policista"]++;
        if (!g.scena.koleje.empty())
            znaky["tramvaj"]++;
        if (!g.scena.chodci.empty())
            znaky["chodec"]++;
        znaky[std::to_string(g.scena.vozidla.size()) + " vozidla"]++;
    }
    for (const Vlastnost& v : vlastnosti) {
        EXPECT_GE(v.uplatneno, v.minimum) << v.nazev;
        std::printf("%6d  %s\n", v.uplatneno, v.nazev);
    }
    for (const auto& [z, n] : znaky)
        std::printf("%6d  %s\n", n, z.c_str());
    // Every kind of junction, feature and question occurs, and the right letter is spread.
    for (const char* z : {"3 ramena", "4 ramena", "5 ramena", "značky", "blikající žlutá",
                          "semafory", "policista", "tramvaj", "chodec", "2 vozidla", "3 vozidla",
                          "4 vozidla", "otázka: první", "otázka: pořadí"})
        EXPECT_GE(znaky[z], 100) << z;
    for (int p : pozice)
        EXPECT_GE(p, int(kPocet) / 4);
    // Each typical mistake gives a wrong answer in a measurable share of the situations: the signs
    // overlooked (the right-hand rule where the main road decides), the signs read the other way
    // round, the tram taken for a car, the left turn taken for straight on; and the right-hand
    // rule turned round.
    for (const char* omyl :
         {"značky přehlédnuté, přednost zprava místo hlavní pozemní komunikace",
          "značky přečtené obráceně", "tramvaj brána jako automobil",
          "odbočení vlevo, jako by vozidlo jelo přímo", "přednost zleva místo zprava"})
        EXPECT_GE(znaky[std::string("špatná odpověď: ") + omyl], int(kPocet) / 100) << omyl;
}
