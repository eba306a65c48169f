// The 37 situations of the bank: the solver's answer, turned into the form of the question, is the
// bank's key.
#include "krizovatky/CteniSceny.h"
#include "krizovatky/Krizovatka.h"

#include <gtest/gtest.h>
#include <yaml-cpp/yaml.h>

#include <algorithm>
#include <cstdlib>
#include <functional>

namespace {

std::string Koren()
{
    const char* k = std::getenv("ZK_SOURCE_DIR");
    return k ? k : ".";
}

struct Moznost {
    std::vector<std::string> stitky;  // vehicles in the order the answer names them
    bool soucasne = false;  // the answer lets some go together
};

bool Pismeno(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// Where the answer first names the vehicle: its label as a word, a tram also as "tramvaj".
size_t Pozice(const std::string& text, const KVozidlo& v)
{
    size_t nejdriv = std::string::npos;
    auto hledej = [&](const std::string& slovo, bool konecSlova) {
        for (size_t p = text.find(slovo); p != std::string::npos; p = text.find(slovo, p + 1)) {
            const bool zacatek = p == 0 || !Pismeno(text[p - 1]);
            const bool konec =
                !konecSlova || p + slovo.size() == text.size() || !Pismeno(text[p + slovo.size()]);
            if (zacatek && konec) {
                nejdriv = std::min(nejdriv, p);
                return;
            }
        }
    };
    hledej(v.stitek, true);
    if (v.druh == "tramvaj") {
        hledej("Tramvaj", false);
        hledej("tramvaj", false);
    }
    return nejdriv;
}

Moznost Rozeber(const std::string& text, const KScena& s)
{
    std::vector<std::pair<size_t, std::string>> nalez;
    for (const KVozidlo& v : s.vozidla)
        if (const size_t p = Pozice(text, v); p != std::string::npos)
            nalez.push_back({p, v.stitek});
    std::sort(nalez.begin(), nalez.end());
    Moznost m;
    for (const auto& [p, t] : nalez)
        m.stitky.push_back(t);
    m.soucasne = text.find("současně") != std::string::npos;
    return m;
}

std::vector<std::string> Jedou(const Reseni& r)
{
    std::vector<std::string> v;
    for (const Krok& k : r.kroky)
        if (k.druh == DruhKroku::Jede)
            for (const std::string& t : k.stitky)
                if (t.rfind("chodec", 0) != 0)
                    v.push_back(t);
    return v;
}

int Index(const Reseni& r, const std::string& stitek)
{
    for (size_t i = 0; i < r.kroky.size(); ++i)
        for (const std::string& t : r.kroky[i].stitky)
            if (t == stitek)
                return int(i);
    return -1;
}

bool Ceka(const Reseni& r, const std::string& stitek)
{
    const int i = Index(r, stitek);
    return i >= 0 && r.kroky[i].druh == DruhKroku::Ceka;
}

enum class Forma { Poradi, Prvni, Posledni, Vlastni };

}  // namespace

TEST(BankaSituaci, ResitelSouhlasiSKlicem)
{
    const YAML::Node banka = YAML::LoadFile(Koren() + "/data/otazky/kategorie7.yaml");
    using Otazka = std::function<char(const Reseni&, const KScena&)>;
    const std::map<int, Otazka> vlastni = {
        {725,
         [](const Reseni& r, const KScena&) { return Index(r, "C") < Index(r, "A") ? 'B' : 'A'; }},
        {729, [](const Reseni& r, const KScena&) { return r.musiZastavit.at("A") ? 'A' : 'B'; }},
        {733,
         [](const Reseni&, const KScena& s) {
             return SmerJizdy(s, s.vozidla[0]) == Smer::Vlevo ? 'B' : 'A';
         }},
        {740,
         [](const Reseni& r, const KScena&) {
             return Index(r, "chodec") < Index(r, "A") ? 'A' : 'B';
         }},
        {741,
         [](const Reseni& r, const KScena&) {
             return Index(r, "chodec") < Index(r, "A") ? 'C' : 'A';
         }},
        {746,
         [](const Reseni& r, const KScena&) {
             return Ceka(r, "A") ? 'B' : Index(r, "B") < Index(r, "A") ? 'A' : 'C';
         }},
        {748, [](const Reseni& r, const KScena&) { return Ceka(r, "A") ? 'C' : 'A'; }},
        {749,
         [](const Reseni& r, const KScena&) {
             return Ceka(r, "A") && !Ceka(r, "B") ? 'B' : !Ceka(r, "A") && Ceka(r, "B") ? 'A' : 'C';
         }},
        {750,
         [](const Reseni& r, const KScena&) {
             return Ceka(r, "B") && !Ceka(r, "A") ? 'C' : !Ceka(r, "B") && Ceka(r, "A") ? 'A' : 'B';
         }},
        {753,
         [](const Reseni& r, const KScena&) {
             return Index(r, "chodec") < Index(r, "A") ? 'C' : 'A';
         }},
        {757,
         [](const Reseni& r, const KScena&) {
             return !r.kroky.empty() && r.kroky.front().druh == DruhKroku::Blokovani ? 'A' : 'B';
         }},
    };
    int souhlasi = 0;
    for (const YAML::Node& q : banka) {
        const int cislo = q["cislo"].as<int>();
        const std::string otazka = q["otazka"].as<std::string>();
        const char klic = q["spravne"].as<std::string>().at(0);
        KScena s;
        std::string chyba;
        ASSERT_TRUE(
            NactiKScenu(Koren() + "/data/situace/" + std::to_string(cislo) + ".yaml", &s, &chyba))
            << chyba;
        const Reseni r = ResPoradi(s);
        Forma forma = Forma::Vlastni;
        if (vlastni.count(cislo) == 0) {
            forma = otazka.find("pořadí") != std::string::npos      ? Forma::Poradi
                : otazka.find("jako první") != std::string::npos    ? Forma::Prvni
                : otazka.find("jako poslední") != std::string::npos ? Forma::Posledni
                                                                    : Forma::Vlastni;
            ASSERT_NE(forma, Forma::Vlastni) << cislo << ": the question's form is not known";
        }
        char odpoved = '?';
        if (forma == Forma::Vlastni) {
            if (cislo != 733)
                ASSERT_TRUE(r.rozhodnuto) << cislo << ": " << r.duvod;
            odpoved = vlastni.at(cislo)(r, s);
        } else {
            ASSERT_TRUE(r.rozhodnuto) << cislo << ": " << r.duvod;
            const std::vector<std::string> jedou = Jedou(r);
            bool skupina = false;
            for (const Krok& k : r.kroky)
                skupina = skupina || (k.druh == DruhKroku::Jede && k.stitky.size() > 1);
            const Krok& prvni = r.kroky.front();
            const Krok& posledni = r.kroky.back();
            std::string shodne;
            for (const char p : {'a', 'b', 'c'}) {
                const Moznost m = Rozeber(q[std::string(1, p)].as<std::string>(), s);
                bool ano = false;
                if (forma == Forma::Poradi)
                    ano = m.stitky == jedou && m.soucasne == skupina;
                else if (!m.stitky.empty()) {
                    const Krok& k = forma == Forma::Prvni ? prvni : posledni;
                    ano = std::find(k.stitky.begin(), k.stitky.end(), m.stitky.front())
                            != k.stitky.end()
                        && m.soucasne == (k.stitky.size() > 1) && k.druh == DruhKroku::Jede;
                }
                if (ano)
                    shodne += char(p - 'a' + 'A');
            }
            ASSERT_LE(shodne.size(), 1u)
                << cislo << ": the solver's answer fits more answers: " << shodne;
            if (shodne.size() == 1)
                odpoved = shodne[0];
        }
        EXPECT_EQ(odpoved, klic) << cislo;
        souhlasi += odpoved == klic;
    }
    EXPECT_EQ(souhlasi, 37);
}
