#include "krizovatky/Generator.h"

#include "base/Nahoda.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <sstream>

namespace {

double Norm(double u)
{
    u = std::fmod(u, 360.0);
    if (u < 0)
        u += 360.0;
    return std::abs(u - 360.0) < 1e-9 ? 0.0 : u;
}

double Rozdil(double a, double b)
{
    double d = Norm(b - a);
    return d > 180 ? d - 360 : d;
}

const std::map<std::string, double>& Svetove()
{
    static const std::map<std::string, double> u = {{"V", 0},    {"SV", 45}, {"S", 90},
                                                    {"SZ", 135}, {"Z", 180}, {"JZ", 225},
                                                    {"J", 270},  {"JV", 315}};
    return u;
}

const std::vector<std::pair<std::string, std::string>>& Barvy()
{
    static const std::vector<std::pair<std::string, std::string>> b = {
        {"cervena", "červené"}, {"modra", "modré"},        {"zelena", "zelené"},
        {"zluta", "žluté"},     {"bila", "bílé"},          {"oranzova", "oranžové"},
        {"fialova", "fialové"}, {"hneda", "hnědé"},        {"cerna", "černé"},
        {"ruzova", "růžové"},   {"tyrkysova", "tyrkysové"}};
    return b;
}

std::string Velke(std::string t)
{
    if (t.empty())
        return t;
    if (static_cast<unsigned char>(t[0]) < 0x80)
        t[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(t[0])));
    else if (t.compare(0, 2, "č") == 0)
        t.replace(0, 2, "Č");
    else if (t.compare(0, 2, "ž") == 0)
        t.replace(0, 2, "Ž");
    return t;
}

std::string Jmeno(const KScena& s, const std::string& stitek)
{
    for (const KVozidlo& v : s.vozidla)
        if (v.stitek == stitek) {
            if (v.druh == "tramvaj")
                return "tramvaj " + stitek;
            for (const auto& [kod, pridavne] : Barvy())
                if (kod == v.barva)
                    return pridavne + " " + stitek;
            return stitek;
        }
    return stitek;
}

std::string Vycet(const KScena& s, const std::vector<std::string>& stitky)
{
    std::string t;
    for (size_t i = 0; i < stitky.size(); ++i)
        t += (i == 0 ? "" : i + 1 == stitky.size() ? " a " : ", ") + Jmeno(s, stitky[i]);
    return t;
}

std::string Skupina(const KScena& s, const std::vector<std::string>& stitky)
{
    return stitky.size() == 1 ? Jmeno(s, stitky[0]) : "současně " + Vycet(s, stitky);
}

std::string Odpoved(const KScena& s, DruhOtazky druh,
                    const std::vector<std::vector<std::string>>& kroky)
{
    if (druh == DruhOtazky::Prvni)
        return Velke(Skupina(s, kroky.front())) + ".";
    bool skupiny = false;
    for (const auto& k : kroky)
        skupiny = skupiny || k.size() > 1;
    std::string t;
    for (const auto& k : kroky)
        t += (t.empty() ? "" : skupiny ? ", potom " : ", ") + Skupina(s, k);
    return Velke(t) + ".";
}

bool Cisty(const Reseni& r)
{
    if (!r.rozhodnuto)
        return false;
    for (const Krok& k : r.kroky)
        if (k.druh != DruhKroku::Jede)
            return false;
    return true;
}

template <typename T> void Zamichej(std::vector<T>* v, Nahoda* r)
{
    for (size_t i = v->size(); i > 1; --i)
        std::swap((*v)[i - 1], (*v)[r->Pod(static_cast<std::uint32_t>(i))]);
}

std::string Protejsi(const KScena& s, const std::string& rameno)
{
    const double u = s.ramena.at(rameno);
    for (const auto& [jmeno, uhel] : s.ramena)
        if (jmeno != rameno && std::abs(std::abs(Rozdil(u, uhel)) - 180) <= 30)
            return jmeno;
    return {};
}

// The arm a vehicle from `z` reaches by turning right (`vpravo`) or left; empty when none.
std::string Odbocka(const KScena& s, const std::string& z, bool vpravo)
{
    const double cil = s.ramena.at(z) + (vpravo ? 90 : -90);
    for (const auto& [jmeno, uhel] : s.ramena)
        if (std::abs(Rozdil(cil, uhel)) <= 30)
            return jmeno;
    return {};
}

// One attempt: a random scene (it may still be refused). `d` decides only what earlier versions
// did not have (a car beside the tram), so that the other scenes of a seed stay as they were.
KScena NahodnaScena(Nahoda* r, Nahoda* d)
{
    KScena s;
    const std::uint32_t typ = r->Pod(10);
    enum { Nic, Znacky, Blika, Svetla, Policista, Tramvaj };
    int rezim = Nic;
    if (typ < 2) {
        const std::vector<std::string> vsechna = {"J", "S", "V", "Z"};
        const std::string chybi = vsechna[r->Pod(4)];
        for (const std::string& a : vsechna)
            if (a != chybi)
                s.ramena[a] = Svetove().at(a);
        const int rezimy[] = {Nic, Znacky, Znacky, Tramvaj};
        rezim = rezimy[r->Pod(4)];
    } else if (typ < 8) {
        for (const char* a : {"J", "S", "V", "Z"})
            s.ramena[a] = Svetove().at(a);
        const int rezimy[] = {Nic, Znacky, Znacky, Blika, Svetla, Svetla, Policista, Tramvaj};
        rezim = rezimy[r->Pod(8)];
    } else {
        // Three shapes of a five-arm junction: the arms as drawn, mirrored and turned half round.
        const std::uint32_t tvar = d->Pod(3);
        s.ramena = {{"J", 270}, {"V", 350}, {"SV", 60}, {"SZ", 130}, {"Z", 200}};
        for (auto& [a, u] : s.ramena)
            u = tvar == 0 ? u : tvar == 1 ? Norm(180 - u) : Norm(u + 180);
        rezim = r->Pod(2) ? Znacky : Nic;
    }
    std::vector<std::string> ramena;
    for (const auto& [a, u] : s.ramena)
        ramena.push_back(a);

    auto znacky = [&](Nahoda* n) {
        std::vector<std::string> p = ramena;
        Zamichej(&p, n);
        std::string h1 = p[0], h2 = p[1];
        if (s.ramena.size() == 4 && n->Pod(2))
            h2 = Protejsi(s, h1);
        const bool lomena = std::abs(std::abs(Rozdil(s.ramena[h1], s.ramena[h2])) - 180) > 30;
        s.hlavni = {std::min(h1, h2), std::max(h1, h2)};
        for (const std::string& a : ramena) {
            std::vector<std::string> z;
            if (a == h1 || a == h2)
                z.push_back("P2");
            else
                z.push_back(n->Pod(4) == 0 ? "P6" : "P4");
            if (lomena)
                z.push_back("E2");
            s.znacky[a] = z;
        }
    };

    std::string tramZ, tramDo;
    std::string vedleDo;  // where the car beside the tram goes; empty: no car beside it
    switch (rezim) {
    case Znacky:
        znacky(r);
        break;
    case Blika:
        znacky(r);
        for (const std::string& a : ramena)
            s.semafory[a] = KSemafor {"zluta_blika", ""};
        break;
    case Svetla: {
        const bool sj = r->Pod(2);
        // Half the plain lights get the arrow too: two cars at two green arms repeat too soon.
        const bool sipka = r->Pod(2) || d->Pod(2);
        for (const std::string& a : ramena) {
            const bool volno = (a == "S" || a == "J") == sj;
            s.semafory[a] =
                KSemafor {volno ? "zelena" : "cervena", !volno && sipka ? "vpravo" : ""};
        }
        if (d->Pod(4) != 0)
            znacky(d);  // signs that give way to the lights
        break;
    }
    case Policista:
        s.policista = r->Pod(2) ? "S-J" : "V-Z";
        if (d->Pod(4) != 0)
            znacky(d);  // signs that give way to the officer
        break;
    case Tramvaj: {
        for (const std::string& a : ramena)
            if (!Protejsi(s, a).empty()) {
                tramZ = a;
                tramDo = Protejsi(s, a);
                break;
            }
        if (r->Pod(2))
            std::swap(tramZ, tramDo);
        s.koleje = {{tramZ, tramDo}, {tramDo, tramZ}};
        if (r->Pod(2))
            znacky(r);
        // A car beside the tram on its arm (a wider road, the tracks on the left of the lane):
        // it turns left across the tram going straight on, or goes straight on across the tram
        // turning right. Only here does a tram's standing differ from a car's.
        if (d->Pod(2)) {
            const std::string vlevo = Odbocka(s, tramZ, false), vpravo = Odbocka(s, tramZ, true);
            const bool odbocuje = vlevo.empty() || (!vpravo.empty() && d->Pod(2));
            s.sirka = 27;
            s.posunKoleji = -7;
            if (odbocuje) {
                vedleDo = tramDo;
                tramDo = vpravo;
                s.koleje.insert(s.koleje.begin(), {tramZ, tramDo});
            } else {
                vedleDo = vlevo;
            }
        }
        break;
    }
    default:
        break;
    }

    // Vehicles, one per arm.
    const std::uint32_t n0 = 2 + r->Pod(3);
    std::vector<std::string> odkud;
    for (const std::string& a : ramena) {
        // Under an officer or lights only arms that may go: nobody stands waiting.
        const bool stoji = (!s.policista.empty() && s.policista.find(a) == std::string::npos)
            || (rezim == Svetla && s.semafory[a].svetlo == "cervena"
                && s.semafory[a].sipka.empty());
        if (!stoji)
            odkud.push_back(a);
    }
    Zamichej(&odkud, r);
    if (!tramZ.empty()) {
        std::iter_swap(odkud.begin(), std::find(odkud.begin(), odkud.end(), tramZ));
    }
    const std::uint32_t n = std::min<std::uint32_t>(n0 - (vedleDo.empty() || n0 < 4 ? 0 : 1),
                                                    static_cast<std::uint32_t>(odkud.size()));
    odkud.resize(n);
    std::vector<std::pair<std::string, std::string>> barvy = Barvy();
    Zamichej(&barvy, r);
    std::vector<std::string> pismena;
    for (std::uint32_t i = tramZ.empty() ? 0 : 1; i < n + (vedleDo.empty() ? 0 : 1); ++i)
        pismena.push_back(std::string(1, char('A' + pismena.size())));
    Zamichej(&pismena, r);
    size_t pismeno = 0;
    for (std::uint32_t i = 0; i < n; ++i) {
        KVozidlo v;
        v.z = odkud[i];
        if (i == 0 && !tramZ.empty()) {
            v.druh = "tramvaj";
            v.barva = "kremova";
            v.stitek = std::to_string(1 + r->Pod(9));
            v.kam = tramDo;
            v.posun = s.posunKoleji;
        } else {
            static const char* const druhy[] = {"osobni",   "osobni",  "osobni",
                                                "nakladni", "autobus", "motocykl"};
            v.druh = druhy[r->Pod(6)];
            v.barva = barvy[i].first;
            v.stitek = pismena[pismeno++];
            std::vector<std::string> cil;
            for (const std::string& a : ramena)
                if (a != v.z)
                    cil.push_back(a);
            v.kam = cil[r->Pod(static_cast<std::uint32_t>(cil.size()))];
        }
        s.vozidla.push_back(v);
    }
    if (!vedleDo.empty()) {
        KVozidlo v;
        v.z = tramZ;
        v.kam = vedleDo;
        v.posun = 6;
        v.druh = "osobni";
        v.barva = barvy[n].first;
        v.stitek = pismena[pismeno++];
        s.vozidla.push_back(v);
    }
    std::sort(s.vozidla.begin(), s.vozidla.end(),
              [](const KVozidlo& a, const KVozidlo& b) { return a.stitek < b.stitek; });

    // A pedestrian where a car turns.
    if ((rezim == Nic || rezim == Znacky) && r->Pod(4) == 0) {
        std::vector<const KVozidlo*> odbocujici;
        for (const KVozidlo& v : s.vozidla)
            if (SmerJizdy(s, v) == Smer::Vlevo || SmerJizdy(s, v) == Smer::Vpravo)
                odbocujici.push_back(&v);
        if (!odbocujici.empty()) {
            const KVozidlo& v = *odbocujici[r->Pod(static_cast<std::uint32_t>(odbocujici.size()))];
            KChodec c;
            c.rameno = v.kam;
            c.odkud = r->Pod(2) ? 1 : -1;
            if (r->Pod(2))
                s.prechody.push_back(v.kam);
            s.chodci.push_back(c);
        }
    }
    return s;
}

const char* const kOmylTramvaje = "tramvaj brána jako automobil";

// The tram taken for a car: a tram that turns across the path of a car beside it on its arm has
// the right of way (the car must let it go); taken for a car turning from the next lane, it would
// have to let the car go first. The learner's order swaps the tram and that car. Empty when the
// scene has no such pair. (Elsewhere a tram keeps the rules of a car, so the mistake changes
// nothing: at a junction of equal standing, on a main road and against an oncoming left turn the
// law decides for a tram as for a car.)
std::vector<std::vector<std::string>> OmylTramvaje(const KScena& s,
                                                   std::vector<std::vector<std::string>> kroky)
{
    for (const KVozidlo& t : s.vozidla) {
        if (t.druh != "tramvaj" || SmerJizdy(s, t) == Smer::Rovne)
            continue;
        for (const KVozidlo& v : s.vozidla) {
            if (&v == &t || v.z != t.z)
                continue;
            size_t kt = kroky.size(), kv = kroky.size();
            for (size_t i = 0; i < kroky.size(); ++i)
                for (const std::string& st : kroky[i]) {
                    kt = st == t.stitek ? i : kt;
                    kv = st == v.stitek ? i : kv;
                }
            if (kt >= kv || kv == kroky.size())
                continue;
            std::replace(kroky[kt].begin(), kroky[kt].end(), t.stitek, std::string("\x01"));
            std::replace(kroky[kv].begin(), kroky[kv].end(), v.stitek, t.stitek);
            std::replace(kroky[kt].begin(), kroky[kt].end(), std::string("\x01"), v.stitek);
            return kroky;
        }
    }
    return {};
}

// The scenes of typical mistakes; each may be empty when the mistake cannot happen here. The tram
// taken for a car is no scene of its own (see OmylTramvaje); an empty scene stands at its place.
std::vector<std::pair<std::string, KScena>> Omyly(const KScena& s)
{
    std::vector<std::pair<std::string, KScena>> o;
    if (!s.znacky
             .empty()) {  // the signs overlooked: the right-hand rule where the main road decides
        KScena m = s;
        m.znacky.clear();
        m.hlavni.clear();
        m.semafory.clear();
        o.push_back({"značky přehlédnuté, přednost zprava místo hlavní pozemní komunikace", m});
    }
    if (!s.hlavni.empty() && s.ramena.size() == 4) {  // the signs read the other way round
        KScena m = s;
        std::vector<std::string> vedlejsi;
        for (const auto& [a, u] : s.ramena)
            if (std::find(s.hlavni.begin(), s.hlavni.end(), a) == s.hlavni.end())
                vedlejsi.push_back(a);
        for (auto& [a, kody] : m.znacky)
            for (std::string& k : kody)
                if (k == "P2")
                    k = "P4";
                else if (k == "P4" || k == "P6")
                    k = "P2";
        m.hlavni = vedlejsi;
        o.push_back({"značky přečtené obráceně", m});
    }
    o.push_back({kOmylTramvaje, KScena {}});
    bool vlevo = false;
    KScena rovne = s;
    for (KVozidlo& v : rovne.vozidla)
        if (SmerJizdy(s, v) == Smer::Vlevo && !Protejsi(s, v.z).empty()) {
            v.kam = Protejsi(s, v.z);  // turning left as if going straight on
            vlevo = true;
        }
    if (vlevo)
        o.push_back({"odbočení vlevo, jako by vozidlo jelo přímo", rovne});
    o.push_back({"přednost zleva místo zprava", ZrcadliScenu(s)});
    return o;
}

std::string YamlText(const std::string& t) { return "\"" + t + "\""; }

std::string Cislo(double d)
{
    std::ostringstream o;
    o << d;
    return o.str();
}

}  // namespace

std::vector<std::vector<std::string>> KrokyVozidel(const KScena& scena, const Reseni& reseni)
{
    std::set<std::string> vozidla;
    for (const KVozidlo& v : scena.vozidla)
        vozidla.insert(v.stitek);
    std::vector<std::vector<std::string>> kroky;
    for (const Krok& k : reseni.kroky) {
        std::vector<std::string> t;
        for (const std::string& s : k.stitky)
            if (vozidla.count(s))
                t.push_back(s);
        if (!t.empty())
            kroky.push_back(t);
    }
    return kroky;
}

KScena OtocScenu(const KScena& scena, double stupne)
{
    KScena s = scena;
    for (auto& [a, u] : s.ramena)
        u = Norm(u + stupne);
    for (KVozidlo& v : s.vozidla)
        if (v.naKruhu >= 0)
            v.naKruhu = Norm(v.naKruhu + stupne);
    return s;
}

KScena ZrcadliScenu(const KScena& scena)
{
    auto strana = [](std::string& t) {
        if (t == "vlevo")
            t = "vpravo";
        else if (t == "vpravo")
            t = "vlevo";
    };
    KScena s = scena;
    for (auto& [a, u] : s.ramena)
        u = Norm(-u);
    for (auto& [a, sem] : s.semafory)
        strana(sem.sipka);
    for (KVozidlo& v : s.vozidla) {
        if (v.naKruhu >= 0)
            v.naKruhu = Norm(-v.naKruhu);
        v.posun = -v.posun;
        strana(v.blinkr);
    }
    for (KChodec& c : s.chodci)
        c.odkud = -c.odkud;
    return s;
}

std::string ScenaDoYaml(const KScena& s)
{
    std::ostringstream o;
    bool svetove = true;
    for (const auto& [a, u] : s.ramena)
        svetove = svetove && Svetove().count(a) && Svetove().at(a) == u;
    std::string t;
    for (const auto& [a, u] : s.ramena)
        t += (t.empty() ? "" : ", ") + (svetove ? a : a + ": " + Cislo(u));
    o << "ramena: " << (svetove ? "[" : "{") << t << (svetove ? "]" : "}") << "\n";
    if (s.sirka > 0)
        o << "sirka: " << Cislo(s.sirka) << "\n";
    if (s.kruhovy)
        o << "kruhovy: true\n";
    if (!s.hlavni.empty())
        o << "hlavni: [" << s.hlavni[0] << ", " << s.hlavni[1] << "]\n";
    if (!s.znacky.empty()) {
        o << "znacky:\n";
        for (const auto& [a, kody] : s.znacky) {
            std::string k;
            for (const std::string& z : kody)
                k += (k.empty() ? "" : ", ") + z;
            o << "  " << a << ": [" << k << "]\n";
        }
    }
    if (!s.semafory.empty()) {
        o << "semafory:\n";
        for (const auto& [a, sem] : s.semafory)
            o << "  " << a << ": {svetlo: " << sem.svetlo
              << (sem.sipka.empty() ? "" : ", sipka: " + sem.sipka) << "}\n";
    }
    if (!s.koleje.empty()) {
        std::string k;
        for (const auto& [z, kam] : s.koleje)
            k += (k.empty() ? "" : ", ")
                + ("[" + z + ", " + kam + (s.posunKoleji != 0 ? ", " + Cislo(s.posunKoleji) : "")
                   + "]");
        o << "koleje: [" << k << "]\n";
    }
    if (!s.prechody.empty()) {
        std::string k;
        for (const std::string& p : s.prechody)
            k += (k.empty() ? "" : ", ") + p;
        o << "prechody: [" << k << "]\n";
    }
    if (!s.policista.empty())
        o << "policista: " << s.policista << "\n";
    o << "vozidla:\n";
    for (const KVozidlo& v : s.vozidla) {
        o << "  - {druh: " << v.druh << ", barva: " << v.barva
          << ", stitek: " << YamlText(v.stitek);
        if (!v.z.empty())
            o << ", z: " << v.z;
        if (v.naKruhu >= 0)
            o << ", na_kruhu: " << Cislo(v.naKruhu);
        o << ", do: " << v.kam;
        if (v.poradi != 1)
            o << ", poradi: " << v.poradi;
        if (v.posun != 0)
            o << ", posun: " << Cislo(v.posun);
        if (!v.blinkr.empty())
            o << ", blinkr: " << v.blinkr;
        if (v.majak)
            o << ", majak: true";
        o << "}\n";
    }
    if (!s.chodci.empty()) {
        o << "chodci:\n";
        for (const KChodec& c : s.chodci)
            o << "  - {rameno: " << c.rameno << ", odkud: " << c.odkud
              << (c.druh == "chodec" ? "" : ", druh: " + c.druh) << "}\n";
    }
    return o.str();
}

GenerovanaSituace GenerujSituaci(std::uint32_t seed)
{
    Nahoda r(seed), d(seed ^ 0x5bd1e995u);
    GenerovanaSituace g;
    g.seed = seed;
    for (;;) {
        KScena s = NahodnaScena(&r, &d);
        Reseni res = ResPoradi(s);
        if (!Cisty(res))
            continue;
        const auto kroky = KrokyVozidel(s, res);
        if (kroky.size() < 2)
            continue;  // trivial: everyone at once
        g.druh = kroky.front().size() == 1 && r.Pod(2) ? DruhOtazky::Prvni : DruhOtazky::Poradi;
        const std::string spravna = Odpoved(s, g.druh, kroky);

        std::vector<std::pair<std::string, std::string>> spatne;  // answer, mistake
        auto pridej = [&](const std::string& t, const std::string& omyl) {
            if (t != spravna
                && std::find_if(spatne.begin(), spatne.end(),
                                [&](const auto& p) { return p.first == t; })
                    == spatne.end())
                spatne.push_back({t, omyl});
        };
        for (const auto& [omyl, m] : Omyly(s)) {
            if (omyl == kOmylTramvaje) {
                const auto t = OmylTramvaje(s, kroky);
                if (!t.empty())
                    pridej(Odpoved(s, g.druh, t), omyl);
                continue;
            }
            const Reseni rm = ResPoradi(m);
            if (Cisty(rm))
                pridej(Odpoved(s, g.druh, KrokyVozidel(m, rm)), omyl);
        }
        // Further wrong answers when the mistakes give fewer than two.
        auto opacne = kroky;
        std::reverse(opacne.begin(), opacne.end());
        pridej(Odpoved(s, g.druh, opacne), "");
        std::vector<std::string> vsechna;
        for (const auto& k : kroky)
            vsechna.insert(vsechna.end(), k.begin(), k.end());
        pridej(Odpoved(s, g.druh, {vsechna}), "");
        for (size_t i = 0; i + 1 < kroky.size(); ++i) {
            auto prohozene = kroky;
            std::swap(prohozene[i], prohozene[i + 1]);
            pridej(Odpoved(s, g.druh, prohozene), "");
        }
        if (spatne.size() < 2)
            continue;

        const std::string odpovedi[] = {spravna, spatne[0].first, spatne[1].first};
        const std::string omyly[] = {"", spatne[0].second, spatne[1].second};
        std::vector<int> poradi = {0, 1, 2};
        Zamichej(&poradi, &r);
        for (int i = 0; i < 3; ++i) {
            g.odpovedi[i] = odpovedi[poradi[i]];
            g.omyly[i] = omyly[poradi[i]];
            if (poradi[i] == 0)
                g.spravna = i;
        }
        g.otazka = g.druh == DruhOtazky::Prvni ? "Které vozidlo projede křižovatkou jako první?"
                                               : "V jakém pořadí projedou vozidla křižovatkou?";
        std::string v = "Správně: " + spravna + "\n";
        int n = 0;
        for (const Krok& k : res.kroky)
            v += std::to_string(++n) + ". " + k.pravidlo + "\n";
        g.vysvetleni = v;
        g.scena = std::move(s);
        g.reseni = std::move(res);
        return g;
    }
}
