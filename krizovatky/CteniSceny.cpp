#include "krizovatky/CteniSceny.h"

#include <yaml-cpp/yaml.h>

#include <fstream>
#include <set>
#include <sstream>

namespace {

struct Chyba {
    int radek;
    std::string text;
};

int Radek(const YAML::Node& n) { return n.Mark().line >= 0 ? n.Mark().line + 1 : 0; }

std::string Text(const YAML::Node& n)
{
    if (!n.IsScalar())
        throw Chyba {Radek(n), "očekává se hodnota"};
    return n.Scalar();
}

double Cislo(const YAML::Node& n)
{
    const std::string t = Text(n);
    try {
        size_t k = 0;
        const double d = std::stod(t, &k);
        if (k == t.size())
            return d;
    } catch (...) {
    }
    throw Chyba {Radek(n), "„" + t + "“ není číslo"};
}

bool Logicka(const YAML::Node& n)
{
    const std::string t = Text(n);
    if (t == "true" || t == "ano")
        return true;
    if (t == "false" || t == "ne")
        return false;
    throw Chyba {Radek(n), "„" + t + "“ není true ani false"};
}

void Klice(const YAML::Node& n, const std::set<std::string>& dovolene)
{
    if (!n.IsMap())
        throw Chyba {Radek(n), "očekává se mapa"};
    for (const auto& p : n)
        if (!dovolene.count(Text(p.first)))
            throw Chyba {Radek(p.first), "neznámý klíč „" + Text(p.first) + "“"};
}

std::string Volba(const YAML::Node& n, const std::set<std::string>& moznosti)
{
    const std::string t = Text(n);
    if (!moznosti.count(t))
        throw Chyba {Radek(n), "neznámá hodnota „" + t + "“"};
    return t;
}

const YAML::Node Povinny(const YAML::Node& n, const char* klic)
{
    if (!n[klic])
        throw Chyba {Radek(n), std::string("chybí „") + klic + "“"};
    return n[klic];
}

std::vector<YAML::Node> Seznam(const YAML::Node& n)
{
    if (!n.IsSequence())
        throw Chyba {Radek(n), "očekává se seznam"};
    return std::vector<YAML::Node>(n.begin(), n.end());
}

KScena Cti(const YAML::Node& koren)
{
    static const std::map<std::string, double> uhly = {{"V", 0},    {"SV", 45}, {"S", 90},
                                                       {"SZ", 135}, {"Z", 180}, {"JZ", 225},
                                                       {"J", 270},  {"JV", 315}};
    KScena s;
    Klice(koren,
          {"ramena", "sirka", "kruhovy", "hlavni", "znacky", "semafory", "koleje", "prechody",
           "vozidla", "chodci", "policista"});
    const YAML::Node ramena = Povinny(koren, "ramena");
    if (ramena.IsSequence()) {
        for (const YAML::Node& r : ramena) {
            auto u = uhly.find(Text(r));
            if (u == uhly.end())
                throw Chyba {Radek(r), "rameno „" + Text(r) + "“ potřebuje úhel"};
            s.ramena[u->first] = u->second;
        }
    } else if (ramena.IsMap()) {
        for (const auto& r : ramena)
            s.ramena[Text(r.first)] = Cislo(r.second);
    } else {
        throw Chyba {Radek(ramena), "„ramena“ je seznam nebo mapa"};
    }
    if (s.ramena.size() < 3)
        throw Chyba {Radek(ramena), "křižovatka má alespoň tři ramena"};
    auto rameno = [&](const YAML::Node& n) {
        const std::string t = Text(n);
        if (!s.ramena.count(t))
            throw Chyba {Radek(n), "neznámé rameno „" + t + "“"};
        return t;
    };
    if (koren["sirka"])
        s.sirka = Cislo(koren["sirka"]);
    if (koren["kruhovy"])
        s.kruhovy = Logicka(koren["kruhovy"]);
    if (koren["hlavni"]) {
        for (const YAML::Node& r : Seznam(koren["hlavni"]))
            s.hlavni.push_back(rameno(r));
        if (s.hlavni.size() != 2)
            throw Chyba {Radek(koren["hlavni"]), "hlavní pozemní komunikace má právě dvě ramena"};
    }
    if (const YAML::Node z = koren["znacky"]) {
        if (!z.IsMap())
            throw Chyba {Radek(z), "očekává se mapa"};
        for (const auto& p : z)
            for (const YAML::Node& k : Seznam(p.second))
                s.znacky[rameno(p.first)].push_back(
                    Volba(k, {"P1", "P2", "P3", "P4", "P5", "P6", "C1", "E2"}));
    }
    if (const YAML::Node z = koren["semafory"]) {
        if (!z.IsMap())
            throw Chyba {Radek(z), "očekává se mapa"};
        for (const auto& p : z) {
            Klice(p.second, {"svetlo", "sipka"});
            KSemafor sem;
            sem.svetlo =
                Volba(Povinny(p.second, "svetlo"),
                      {"cervena", "zluta", "zelena", "cervena_zluta", "zluta_blika", "vypnuto"});
            if (p.second["sipka"])
                sem.sipka = Volba(p.second["sipka"], {"vlevo", "vpravo", "rovne"});
            s.semafory[rameno(p.first)] = sem;
        }
    }
    if (koren["koleje"])
        for (const YAML::Node& k : Seznam(koren["koleje"])) {
            const auto r = Seznam(k);
            if (r.size() != 2 && r.size() != 3)
                throw Chyba {Radek(k), "kolej vede z jednoho ramene do druhého"};
            s.koleje.push_back({rameno(r[0]), rameno(r[1])});
            if (r.size() == 3)
                s.posunKoleji = Cislo(r[2]);
        }
    if (koren["prechody"])
        for (const YAML::Node& r : Seznam(koren["prechody"]))
            s.prechody.push_back(rameno(r));
    if (koren["vozidla"])
        for (const YAML::Node& n : Seznam(koren["vozidla"])) {
            Klice(n,
                  {"druh", "barva", "stitek", "z", "na_kruhu", "do", "poradi", "posun", "blinkr",
                   "majak"});
            KVozidlo v;
            v.radek = Radek(n);
            v.druh = Volba(Povinny(n, "druh"),
                           {"osobni", "nakladni", "autobus", "tramvaj", "motocykl", "kolo"});
            if (n["barva"])
                v.barva = Text(n["barva"]);
            if (n["stitek"])
                v.stitek = Text(n["stitek"]);
            if (n["z"])
                v.z = rameno(n["z"]);
            if (n["na_kruhu"]) {
                if (!s.kruhovy)
                    throw Chyba {Radek(n["na_kruhu"]), "„na_kruhu“ jen na kruhovém objezdu"};
                v.naKruhu = Cislo(n["na_kruhu"]);
            }
            if (v.z.empty() == (v.naKruhu < 0))
                throw Chyba {Radek(n), "vozidlo má buď „z“, nebo „na_kruhu“"};
            if (n["do"])
                v.kam = rameno(n["do"]);
            if (n["poradi"])
                v.poradi = std::max(1, int(Cislo(n["poradi"])));
            if (n["posun"])
                v.posun = Cislo(n["posun"]);
            if (n["blinkr"])
                v.blinkr = Volba(n["blinkr"], {"vlevo", "vpravo", "ne"});
            if (n["majak"])
                v.majak = Logicka(n["majak"]);
            s.vozidla.push_back(v);
        }
    if (koren["chodci"])
        for (const YAML::Node& n : Seznam(koren["chodci"])) {
            Klice(n, {"rameno", "odkud", "druh"});
            KChodec c;
            c.radek = Radek(n);
            c.rameno = rameno(Povinny(n, "rameno"));
            if (n["odkud"])
                c.odkud = Cislo(n["odkud"]) < 0 ? -1 : 1;
            if (n["druh"])
                c.druh = Volba(n["druh"], {"chodec", "kolo"});
            s.chodci.push_back(c);
        }
    if (koren["policista"])
        s.policista = Text(koren["policista"]);
    return s;
}

}  // namespace

bool NactiKScenu(const std::string& soubor, KScena* scena, std::string* chyba)
{
    std::ifstream f(soubor, std::ios::binary);
    if (!f) {
        *chyba = soubor + ": soubor nelze otevřít";
        return false;
    }
    std::stringstream obsah;
    obsah << f.rdbuf();
    return CtiKScenu(obsah.str(), soubor, scena, chyba);
}

bool CtiKScenu(const std::string& text, const std::string& soubor, KScena* scena,
               std::string* chyba)
{
    try {
        *scena = Cti(YAML::Load(text));
        scena->soubor = soubor;
        return true;
    } catch (const Chyba& c) {
        *chyba = soubor + ":" + std::to_string(c.radek) + ": " + c.text;
    } catch (const YAML::Exception& e) {
        *chyba = soubor + ":" + std::to_string(e.mark.line + 1) + ": chybný zápis YAML";
    }
    return false;
}
