#include "krizovatky/Krizovatka.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace {

const std::string kZakon = " zákona č. 361/2000 Sb.";

struct Odmitnuti {
    std::string duvod;
};

double Norm(double u)
{
    u = std::fmod(u, 360.0);
    return u < 0 ? u + 360.0 : u;
}

// Signed difference b - a in (-180, 180].
double Rozdil(double a, double b)
{
    double d = Norm(b - a);
    return d > 180 ? d - 360 : d;
}

// Is `x` strictly inside the counter-clockwise arc from `od` to `po`?
bool NaOblouku(double od, double po, double x)
{
    const double delka = Norm(po - od);
    const double kde = Norm(x - od);
    return kde > 1e-6 && kde < delka - 1e-6;
}

struct Ucastnik {
    std::string stitek;
    bool chodec = false;
    const KVozidlo* v = nullptr;
    const KChodec* ch = nullptr;
    Smer smer = Smer::Nic;
    bool ceka = false;
    std::string zaklad;  // what holds for it alone (signal, sign)
};

struct Hrana {
    int a, b;  // a gives way to b
    std::string proA, proB;
};

class Resitel {
public:
    explicit Resitel(const KScena& s) : s_(s) { }

    Reseni Res()
    {
        Reseni r;
        try {
            Priprav();
            Konflikty();
            Poradi(&r);
            r.rozhodnuto = true;
            for (const Ucastnik& u : u_)
                if (!u.chodec) {
                    r.smery[u.stitek] = u.smer;
                    r.musiZastavit[u.stitek] = Ma(u.v->z, "P6") && !Rizena();
                }
        } catch (const Odmitnuti& o) {
            r = Reseni {};
            r.duvod = o.duvod;
        }
        return r;
    }

private:
    const KScena& s_;
    std::vector<Ucastnik> u_;
    std::vector<Hrana> h_;
    std::set<std::string> hlavni_;
    bool znackyPlati_ = false;
    bool svetla_ = false;
    std::string svetlaPoznamka_;

    [[noreturn]] static void Odmitni(const std::string& d) { throw Odmitnuti {d}; }

    double Uhel(const std::string& r) const
    {
        auto i = s_.ramena.find(r);
        if (i == s_.ramena.end())
            Odmitni("rameno „" + r + "“ křižovatka nemá");
        return i->second;
    }

    bool Ma(const std::string& rameno, const std::string& kod) const
    {
        auto i = s_.znacky.find(rameno);
        return i != s_.znacky.end()
            && std::find(i->second.begin(), i->second.end(), kod) != i->second.end();
    }

    static bool Tramvaj(const Ucastnik& u) { return !u.chodec && u.v->druh == "tramvaj"; }

    bool Rizena() const { return !s_.policista.empty() || svetla_; }

    // A participant named as the scene labels it, a tram as "tramvaj 2": Kdo who (nominative),
    // Jmeno to whom (dative), Kym before whom (instrumental), Ktery "which" after it.
    static std::string Kdo(const Ucastnik& u)
    {
        return Tramvaj(u) ? "tramvaj " + u.stitek : u.stitek;
    }
    static std::string Jmeno(const Ucastnik& u)
    {
        if (u.chodec)
            return u.ch->druh == "kolo" ? "cyklistovi" : "chodci";
        return Tramvaj(u) ? "tramvaji " + u.stitek : u.stitek;
    }
    static std::string Kym(const Ucastnik& u)
    {
        return Tramvaj(u) ? "tramvají " + u.stitek : u.stitek;
    }
    static const char* Ktery(const Ucastnik& u) { return Tramvaj(u) ? "která" : "které"; }

    Smer SmerVozidla(const KVozidlo& v) const
    {
        if (v.kam.empty())
            return Smer::Nic;
        if (s_.kruhovy)
            return Smer::Rovne;
        const double d = Rozdil(Norm(Uhel(v.z) + 180), Uhel(v.kam));
        if (std::abs(d) <= 30)
            return Smer::Rovne;
        return d > 0 ? Smer::Vlevo : Smer::Vpravo;
    }

    void Priprav()
    {
        if (s_.vozidla.empty())
            Odmitni("ve scéně není žádné vozidlo");
        std::set<std::string> stitky;
        for (const KVozidlo& v : s_.vozidla) {
            if (v.stitek.empty())
                Odmitni("vozidlo bez štítku nelze v pořadí pojmenovat");
            if (!stitky.insert(v.stitek).second)
                Odmitni("štítek „" + v.stitek + "“ nese více vozidel");
            if (v.kam.empty())
                Odmitni("vozidlo " + v.stitek + " nemá určen směr jízdy");
            if (v.z.empty() && v.naKruhu < 0)
                Odmitni("vozidlo " + v.stitek + " nemá určeno, odkud přijíždí");
            if (!v.z.empty())
                Uhel(v.z);
            Uhel(v.kam);
            if (v.poradi != 1)
                Odmitni("vozidlo " + v.stitek
                        + " stojí ve frontě za jiným vozidlem; fronty řešitel neurčuje");
            if (v.z == v.kam)
                Odmitni("vozidlo " + v.stitek + " se otáčí; otáčení řešitel neurčuje");
            Ucastnik u;
            u.stitek = v.stitek;
            u.v = &v;
            u.smer = SmerVozidla(v);
            u_.push_back(u);
        }
        int n = 0;
        for (const KChodec& c : s_.chodci) {
            Uhel(c.rameno);
            if (c.druh == "kolo")
                Odmitni("cyklista na přejezdu pro cyklisty: toto ustanovení řešitel neurčuje");
            Ucastnik u;
            u.chodec = true;
            u.ch = &c;
            ++n;
            u.stitek = n == 1 ? "chodec" : "chodec " + std::to_string(n);
            u_.push_back(u);
        }
        if (n > 1)
            u_[s_.vozidla.size()].stitek = "chodec 1";

        // Signs: which arms are main, which side.
        for (const auto& [rameno, kody] : s_.znacky)
            for (const std::string& k : kody)
                if (k == "P3" || k == "P5")
                    Odmitni("značka " + std::string(1, k[0]) + " " + k.substr(1)
                            + " je mimo rozsah řešitele");
        bool nejakaZnacka = false;
        for (const auto& [rameno, uhel] : s_.ramena) {
            const bool hl = Ma(rameno, "P1") || Ma(rameno, "P2");
            const bool ved = Ma(rameno, "P4") || Ma(rameno, "P6");
            if (hl && ved)
                Odmitni("rameno " + rameno + " nese značku hlavní i vedlejší pozemní komunikace");
            if (hl || ved)
                nejakaZnacka = true;
            if (hl)
                hlavni_.insert(rameno);
        }
        if (!s_.hlavni.empty()) {
            std::set<std::string> h(s_.hlavni.begin(), s_.hlavni.end());
            if (h != hlavni_)
                Odmitni("ramena označená jako hlavní nesouhlasí se značkami");
        }
        if (nejakaZnacka) {
            if (s_.kruhovy) {
                for (const auto& [rameno, uhel] : s_.ramena)
                    if (!Ma(rameno, "P4") && !Ma(rameno, "P6"))
                        Odmitni("na kruhovém objezdu je značka „Dej přednost v jízdě!“ jen na "
                                "některých vjezdech");
            } else {
                if (hlavni_.size() != 2)
                    Odmitni("hlavní pozemní komunikace nemá právě dvě ramena");
                for (const auto& [rameno, uhel] : s_.ramena)
                    if (!hlavni_.count(rameno) && !Ma(rameno, "P4") && !Ma(rameno, "P6"))
                        Odmitni("rameno " + rameno
                                + " není označeno ani jako hlavní, ani jako vedlejší");
            }
            znackyPlati_ = true;
        }

        // Lights.
        if (!s_.semafory.empty()) {
            int sviti = 0, nesviti = 0;
            bool blika = false;
            for (const auto& [rameno, sem] : s_.semafory) {
                Uhel(rameno);
                if (sem.svetlo == "zluta_blika" || sem.svetlo == "vypnuto") {
                    ++nesviti;
                    blika = blika || sem.svetlo == "zluta_blika";
                } else {
                    ++sviti;
                }
            }
            if (sviti && nesviti)
                Odmitni("na některých ramenech signalizace svítí, na jiných je vypnutá nebo bliká "
                        "žlutě");
            if (sviti) {
                svetla_ = true;
                for (const Ucastnik& u : u_)
                    if (!u.chodec && (u.v->z.empty() || !s_.semafory.count(u.v->z)))
                        Odmitni("rameno vozidla " + u.stitek + " nemá návěstidlo, ostatní ano");
                if (!s_.chodci.empty())
                    Odmitni("signály pro chodce scéna neudává");
            } else {
                svetlaPoznamka_ = blika
                    ? "na návěstidlech bliká přerušované žluté světlo, platí značky a pravidla "
                      "o přednosti (§ 4 písm. c)"
                        + kZakon + " a signál S 7 vyhlášky č. 294/2015 Sb.)"
                    : "signalizace je vypnutá, platí značky a pravidla o přednosti";
            }
        }

        if (!s_.policista.empty()) {
            const auto pomlcka = s_.policista.find('-');
            if (pomlcka == std::string::npos)
                Odmitni("osa paží policisty má tvar „S-J“");
            const std::string r1 = s_.policista.substr(0, pomlcka),
                              r2 = s_.policista.substr(pomlcka + 1);
            const double osa = Uhel(r1);
            if (std::abs(std::abs(Rozdil(osa, Uhel(r2))) - 180) > 1)
                Odmitni("paže policisty neleží v přímce");
            for (Ucastnik& u : u_) {
                if (u.chodec)
                    Odmitni("pokyny policisty chodcům scéna neudává");

                if (u.v->z.empty())
                    Odmitni("vozidlo " + u.stitek
                            + " na kruhovém objezdu při pokynech policisty řešitel neurčuje");
                const double d = std::abs(Rozdil(osa, Uhel(u.v->z)));
                if (d < 1 || d > 179) {
                    u.zaklad = "policista k němu stojí bokem: „Volno“ (§ 75 odst. 1 písm. c)"
                        + kZakon + ")";
                } else if (std::abs(d - 90) < 1) {
                    if (u.v->majak)
                        Odmitni("vozidlo " + u.stitek
                                + " s právem přednostní jízdy má od policisty „Stůj!“: řešitel "
                                  "neurčuje");
                    u.ceka = true;
                    u.zaklad =
                        "policista k němu stojí čelem nebo zády: „Stůj!“ (§ 75 odst. 1 písm. a)"
                        + kZakon + ")";
                } else {
                    Odmitni("vozidlo " + u.stitek
                            + " nepřijíždí ani ve směru paží policisty, ani kolmo k nim");
                }
            }
            return;  // the officer's signals take precedence over lights and signs
        }

        if (svetla_) {
            for (Ucastnik& u : u_) {
                const KSemafor& sem = s_.semafory.at(u.v->z);
                if (u.v->majak && sem.svetlo != "zelena")
                    Odmitni("vozidlo " + u.stitek
                            + " s právem přednostní jízdy nemá signál „Volno“: řešitel neurčuje, "
                              "zda signál užije");
                if (sem.svetlo == "zelena") {
                    u.zaklad = "svítí mu signál „Volno“ (§ 70 odst. 2 písm. c)" + kZakon + ")";
                } else if (sem.svetlo == "cervena" && !sem.sipka.empty()
                           && ((sem.sipka == "vlevo" && u.smer == Smer::Vlevo)
                               || (sem.sipka == "vpravo" && u.smer == Smer::Vpravo)
                               || (sem.sipka == "rovne" && u.smer == Smer::Rovne))) {
                    u.zaklad = "při červené svítí zelená doplňková šipka v jeho směru, smí jet, "
                               "ale dává přednost "
                               "vozidlům jedoucím ve volném směru (§ 4 písm. c)"
                        + kZakon + " a signál S 5 vyhlášky č. 294/2015 Sb.)";
                } else {
                    u.ceka = true;
                    if (sem.svetlo == "cervena")
                        u.zaklad = "svítí mu signál „Stůj!“ (§ 70 odst. 2 písm. a)" + kZakon + ")";
                    else if (sem.svetlo == "cervena_zluta")
                        u.zaklad = "svítí mu červená se žlutou: „Pozor!“, vjet smí až při signálu "
                                   "„Volno“ (§ 70 odst. 2 písm. b)"
                            + kZakon + ")";
                    else
                        u.zaklad = "svítí mu žlutá „Pozor!“: musí zastavit před křižovatkou (§ 70 "
                                   "odst. 2 písm. d)"
                            + kZakon + ")";
                }
            }
            return;
        }

        for (Ucastnik& u : u_) {
            if (u.chodec)
                continue;
            if (!u.v->z.empty() && Ma(u.v->z, "P6"))
                u.zaklad = "musí u značky P 6 zastavit (§ 22 odst. 4" + kZakon + ")";
        }
    }

    bool Sipka(const Ucastnik& u) const
    {
        return svetla_ && !u.ceka && s_.semafory.at(u.v->z).svetlo == "cervena";
    }

    // Does the path of vehicle i meet the path of vehicle j?
    bool Krizi(const Ucastnik& a, const Ucastnik& b) const
    {
        const KVozidlo& x = *a.v;
        const KVozidlo& y = *b.v;
        if (s_.kruhovy) {
            const double ox = x.z.empty() ? x.naKruhu : Uhel(x.z),
                         oy = y.z.empty() ? y.naKruhu : Uhel(y.z);
            const double px = Uhel(x.kam), py = Uhel(y.kam);
            if (!x.z.empty() && !y.z.empty()) {
                if (NaOblouku(ox, px, oy) || NaOblouku(oy, py, ox))
                    Odmitni("vozidla " + a.stitek + " a " + b.stitek
                            + " vjíždějí na kruhový objezd a jejich dráhy se kříží; "
                              "pořadí závisí na tom, kdo vjede dřív");
                return false;
            }
            if (x.z.empty() && y.z.empty())
                return false;
            return x.z.empty() ? NaOblouku(ox, px, oy) : NaOblouku(oy, py, ox);
        }
        if (x.z == y.z) {
            if (x.posun == y.posun)
                Odmitni("vozidla " + a.stitek + " a " + b.stitek + " stojí na témže místě ramene "
                        + x.z);
            const Ucastnik& l = x.posun < y.posun ? a : b;  // the one on the left
            const Ucastnik& p = x.posun < y.posun ? b : a;
            auto poradi = [](Smer s) { return s == Smer::Vpravo ? 0 : s == Smer::Rovne ? 1 : 2; };
            return poradi(l.smer) < poradi(p.smer)
                || (poradi(l.smer) == poradi(p.smer) && x.kam == y.kam);
        }
        if (x.kam == y.kam)
            return true;
        const double d = 8;  // lanes on the right-hand side of each arm
        const double vx = Uhel(x.z) + d, cx = Uhel(x.kam) - d;
        const double vy = Uhel(y.z) + d, cy = Uhel(y.kam) - d;
        return NaOblouku(vx, cx, vy) != NaOblouku(vx, cx, cy);
    }

    // A note as a sentence of its own: capital letter, full stop.
    static std::string Veta(std::string t)
    {
        if (!t.empty() && t[0] >= 'a' && t[0] <= 'z')
            t[0] = char(t[0] - 'a' + 'A');
        return t + ".";
    }

    static std::string Zakon(const std::string& ustanoveni)
    {
        return "(" + ustanoveni + kZakon + ")";
    }

    void Pridej(int a, int b, const std::string& proA, const std::string& proB)
    {
        h_.push_back({a, b, proA, proB});
    }

    bool Protijedouci(const KVozidlo& x, const KVozidlo& y) const
    {
        return !x.z.empty() && !y.z.empty()
            && std::abs(std::abs(Rozdil(Uhel(x.z), Uhel(y.z))) - 180) <= 30;
    }

    // The rules between two vehicles of equal standing: turning tram, left turn, right-hand rule.
    bool Rovnocenna(int i, int j, const std::string& pred)
    {
        const Ucastnik& a = u_[i];
        const Ucastnik& b = u_[j];
        const KVozidlo& x = *a.v;
        const KVozidlo& y = *b.v;
        if (x.z == y.z) {
            for (int k = 0; k < 2; ++k) {
                const int p = k ? j : i, q = k ? i : j;
                const Ucastnik& t = u_[p];
                const Ucastnik& o = u_[q];
                if (t.v->druh == "tramvaj" && o.v->druh != "tramvaj" && t.smer != Smer::Rovne) {
                    Pridej(q, p,
                           pred + "dává přednost odbočující tramvaji " + t.stitek
                               + ", která kříží jeho směr jízdy " + Zakon("§ 21 odst. 7"),
                           pred + "tramvaj odbočuje a kříží směr jízdy vozidla " + o.stitek
                               + ", má přednost " + Zakon("§ 21 odst. 7"));
                    return true;
                }
                if (t.v->druh == "tramvaj" && o.smer == Smer::Vlevo) {
                    Pridej(q, p,
                           pred + "odbočuje vlevo a dává přednost tramvaji " + t.stitek
                               + " jedoucí ve stejném směru " + Zakon("§ 21 odst. 5"),
                           pred + "tramvaj jedoucí ve stejném směru má přednost před "
                               + (Tramvaj(o) ? Kym(o) : "vozidlem " + o.stitek) + ", " + Ktery(o)
                               + " odbočuje vlevo " + Zakon("§ 21 odst. 5"));
                    return true;
                }
            }
            return false;
        }
        if (Protijedouci(x, y)) {
            if (a.smer == Smer::Vlevo && b.smer != Smer::Vlevo) {
                Pridej(i, j,
                       pred + "odbočuje vlevo a dává přednost "
                           + (Tramvaj(b) ? "protijedoucí " : "protijedoucímu ") + Jmeno(b) + " "
                           + Zakon("§ 21 odst. 5"),
                       pred + "má přednost před "
                           + (Tramvaj(a) ? "protijedoucí " : "protijedoucím ") + Kym(a) + ", "
                           + Ktery(a) + " odbočuje vlevo " + Zakon("§ 21 odst. 5"));
                return true;
            }
            if (b.smer == Smer::Vlevo && a.smer != Smer::Vlevo)
                return Rovnocenna(j, i, pred);
            return false;
        }
        if (svetla_ || !s_.policista.empty())
            return false;  // crossing directions both free: the signals are at fault, not for us to
                           // decide
        const double d = Norm(Uhel(y.z) - Uhel(x.z));
        const int dava = d > 0 && d < 180 ? i : j;
        const int ma = dava == i ? j : i;
        Pridej(dava, ma,
               pred + "dává přednost " + Jmeno(u_[ma])
                   + (Tramvaj(u_[ma]) ? " přijíždějící" : " přijíždějícímu") + " zprava "
                   + Zakon("§ 22 odst. 2"),
               pred + "přijíždí zprava vůči " + Jmeno(u_[dava])
                   + (Tramvaj(u_[dava]) ? " a má před ní přednost " : " a má před ním přednost ")
                   + Zakon("§ 22 odst. 2"));
        return true;
    }

    void Dvojice(int i, int j)
    {
        const Ucastnik& a = u_[i];
        const Ucastnik& b = u_[j];
        if (a.ceka || b.ceka || !Krizi(a, b))
            return;
        const KVozidlo& x = *a.v;
        const KVozidlo& y = *b.v;
        if (x.majak || y.majak) {
            if (x.majak && y.majak)
                Odmitni("vozidla " + a.stitek + " a " + b.stitek
                        + " jedou obě s právem přednostní jízdy");
            const int dava = x.majak ? j : i, ma = x.majak ? i : j;
            Pridej(dava, ma,
                   "dává přednost " + (Tramvaj(u_[ma]) ? Jmeno(u_[ma]) : "vozidlu " + u_[ma].stitek)
                       + " s právem přednostní jízdy " + Zakon("§ 41 odst. 7"),
                   "jede s právem přednostní jízdy, " + Kdo(u_[dava]) + " mu dává přednost "
                       + Zakon("§ 41 odst. 7"));
            return;
        }
        if (!s_.policista.empty() || svetla_) {
            const bool sa = Sipka(a), sb = Sipka(b);
            if (sa && sb)
                Odmitni("vozidla " + a.stitek + " a " + b.stitek
                        + " jedou obě na doplňkovou šipku a jejich dráhy se kříží");
            if (sa || sb) {
                const int dava = sa ? i : j, ma = sa ? j : i;
                Pridej(dava, ma,
                       "jede na zelenou doplňkovou šipku a dává přednost " + Jmeno(u_[ma])
                           + (Tramvaj(u_[ma]) ? " jedoucí" : " jedoucímu")
                           + " ve volném směru (§ 4 písm. c)" + kZakon
                           + " a signál S 5 vyhlášky č. 294/2015 Sb.)",
                       "jede ve volném směru, " + Kdo(u_[dava])
                           + " na doplňkovou šipku mu dává přednost (§ 4 písm. c)" + kZakon
                           + " a signál S 5 vyhlášky č. 294/2015 Sb.)");
                return;
            }
            if (!Rovnocenna(i, j, Kdo(a) + " i " + Kdo(b) + " mají volno, mezi sebou: "))
                Odmitni("vozidla " + a.stitek + " a " + b.stitek
                        + " mají volno a jejich dráhy se kříží; pořadí nelze určit");
            return;
        }
        if (s_.kruhovy) {
            const bool naA = x.z.empty();
            const int na = naA ? i : j, vjizdi = naA ? j : i;
            if (znackyPlati_) {
                Pridej(vjizdi, na,
                       "vjíždí na kruhový objezd se značkou P 4 a dává přednost " + Jmeno(u_[na])
                           + (Tramvaj(u_[na]) ? " jedoucí" : " jedoucímu") + " po kruhovém objezdu "
                           + Zakon("§ 22 odst. 5"),
                       "jede po kruhovém objezdu, " + Kdo(u_[vjizdi])
                           + " mu při vjezdu se značkou P 4 dává přednost "
                           + Zakon("§ 22 odst. 5"));
            } else {
                Pridej(na, vjizdi,
                       "na kruhovém objezdu bez značky P 4 dává přednost " + Jmeno(u_[vjizdi])
                           + ", " + Ktery(u_[vjizdi]) + " vjíždí zprava " + Zakon("§ 22 odst. 2"),
                       "vjíždí na kruhový objezd bez značky P 4 zprava vůči " + Jmeno(u_[na])
                           + " a má přednost " + Zakon("§ 22 odst. 2"));
            }
            return;
        }
        if (znackyPlati_) {
            const bool ha = hlavni_.count(x.z) > 0, hb = hlavni_.count(y.z) > 0;
            if (ha != hb) {
                const int dava = ha ? j : i, ma = ha ? i : j;
                const std::string& rameno = u_[dava].v->z;
                const std::string znacka = Ma(rameno, "P6") ? "P 6" : "P 4";
                const std::string e2 = Ma(rameno, "E2") ? " s dodatkovou tabulkou E 2b" : "";
                const std::string& hlavni = u_[ma].v->z;
                const std::string znackaHlavni = std::string(Ma(hlavni, "P2") ? "P 2" : "P 1")
                    + (Ma(hlavni, "E2") ? ", tvar podle E 2b" : "");
                Pridej(dava, ma,
                       "přijíždí po vedlejší pozemní komunikaci (" + znacka + e2
                           + ") a dává přednost " + Jmeno(u_[ma]) + " na hlavní "
                           + Zakon("§ 22 odst. 1"),
                       "přijíždí po hlavní pozemní komunikaci (" + znackaHlavni
                           + ") a má přednost před " + Kym(u_[dava]) + " " + Zakon("§ 22 odst. 1"));
                return;
            }
            const std::string pred = Kdo(a) + " i " + Kdo(b)
                + (ha ? " jedou po hlavní" : " jedou po vedlejší")
                + " pozemní komunikaci, mezi sebou: ";
            if (!Rovnocenna(i, j, pred))
                Odmitni("pořadí vozidel " + a.stitek + " a " + b.stitek + " nelze určit");
            return;
        }
        if (!Rovnocenna(i, j, ""))
            Odmitni("pořadí vozidel " + a.stitek + " a " + b.stitek + " nelze určit");
    }

    void Chodec(int c)
    {
        const KChodec& ch = *u_[c].ch;
        const bool prechod =
            std::find(s_.prechody.begin(), s_.prechody.end(), ch.rameno) != s_.prechody.end();
        for (int i = 0; i < int(u_.size()); ++i) {
            const Ucastnik& u = u_[i];
            if (u.chodec || (u.v->z != ch.rameno && u.v->kam != ch.rameno))
                continue;
            if (u.v->druh == "tramvaj")
                Odmitni("tramvaj a chodec " + std::string(prechod ? "na přechodu" : "")
                        + ": řešitel neurčuje");
            if (prechod) {
                Pridej(i, c,
                       "umožní chodci přejít po přechodu pro chodce, je-li třeba, zastaví před ním "
                       "(§ 5 odst. 2 písm. f)"
                           + kZakon + ")",
                       "přechází po přechodu pro chodce, " + Kdo(u)
                           + " mu musí umožnit přejít (§ 5 odst. 2 písm. f)" + kZakon + ")");
            } else if (u.v->kam == ch.rameno && u.smer != Smer::Rovne) {
                Pridej(i, c,
                       "odbočuje a nesmí ohrozit chodce přecházejícího pozemní komunikaci, do "
                       "které odbočuje (§ 5 odst. 2 písm. g)"
                           + kZakon + ")",
                       "přechází pozemní komunikaci, do které " + Kdo(u)
                           + " odbočuje; řidič ho nesmí ohrozit (§ 5 odst. 2 písm. g)" + kZakon
                           + ")");
            } else {
                Odmitni("chodec mimo přechod na rameni " + ch.rameno + ", kudy vozidlo " + u.stitek
                        + " neodbočuje: řešitel neurčuje");
            }
        }
    }

    void Konflikty()
    {
        for (int i = 0; i < int(u_.size()); ++i) {
            if (u_[i].chodec) {
                Chodec(i);
                continue;
            }
            for (int j = i + 1; j < int(u_.size()); ++j)
                if (!u_[j].chodec)
                    Dvojice(i, j);
        }
    }

    void Poradi(Reseni* r)
    {
        const int n = int(u_.size());
        std::vector<bool> hotovo(n, false);
        for (int i = 0; i < n; ++i)
            hotovo[i] = u_[i].ceka;
        int zbyva = 0;
        for (int i = 0; i < n; ++i)
            zbyva += !hotovo[i];
        while (zbyva > 0) {
            std::vector<int> krok;
            for (int i = 0; i < n; ++i) {
                if (hotovo[i])
                    continue;
                bool volno = true;
                for (const Hrana& h : h_)
                    if (h.a == i && !hotovo[h.b])
                        volno = false;
                if (volno)
                    krok.push_back(i);
            }
            if (krok.empty()) {
                Krok k;
                k.druh = DruhKroku::Blokovani;
                for (int i = 0; i < n; ++i)
                    if (!hotovo[i])
                        k.stitky.push_back(u_[i].stitek);
                k.pravidlo = "vozidla " + SpojStitky(k.stitky)
                    + " si navzájem dávají přednost zprava a zákon pro tuto "
                      "situaci pravidlo nemá: řidiči se musí dohodnout, jeden se přednosti vzdá a "
                      "pustí ostatní "
                      "(§ 22 odst. 2"
                    + kZakon + " pořadí neurčuje)";
                r->kroky.push_back(k);
                break;
            }
            Krok k;
            std::string text;
            for (int i : krok) {
                hotovo[i] = true;
                --zbyva;
                k.stitky.push_back(u_[i].stitek);
                std::vector<std::string> casti;
                if (!u_[i].zaklad.empty())
                    casti.push_back(u_[i].zaklad);
                bool dava = false;
                for (const Hrana& h : h_)
                    if (h.a == i) {
                        casti.push_back(h.proA);
                        dava = true;
                    }
                if (!dava)
                    for (const Hrana& h : h_)
                        if (h.b == i)
                            casti.push_back(h.proB);
                if (casti.empty())
                    casti.push_back("jeho dráhu nekříží dráha jiného účastníka");
                std::string t = Kdo(u_[i]) + ": ";
                for (size_t c = 0; c < casti.size(); ++c)
                    t += (c ? "; " : "") + casti[c];
                text += (text.empty() ? "" : "\n") + t + ".";
            }
            if (!svetlaPoznamka_.empty())
                text += "\n" + Veta(svetlaPoznamka_);
            k.pravidlo = text;
            r->kroky.push_back(k);
        }
        Krok cekaji;
        cekaji.druh = DruhKroku::Ceka;
        for (int i = 0; i < n; ++i)
            if (u_[i].ceka) {
                cekaji.stitky.push_back(u_[i].stitek);
                cekaji.pravidlo +=
                    (cekaji.pravidlo.empty() ? "" : "\n") + Kdo(u_[i]) + ": " + u_[i].zaklad + ".";
            }
        if (!cekaji.stitky.empty())
            r->kroky.push_back(cekaji);
    }
};

}  // namespace

Reseni ResPoradi(const KScena& scena) { return Resitel(scena).Res(); }

Smer SmerJizdy(const KScena& scena, const KVozidlo& v)
{
    const auto z = scena.ramena.find(v.z), kam = scena.ramena.find(v.kam);
    if (z == scena.ramena.end() || kam == scena.ramena.end() || v.z == v.kam)
        return Smer::Nic;
    const double d = Rozdil(Norm(z->second + 180), kam->second);
    if (std::abs(d) <= 30)
        return Smer::Rovne;
    return d > 0 ? Smer::Vlevo : Smer::Vpravo;
}

std::string SpojStitky(const std::vector<std::string>& stitky)
{
    std::string s;
    for (const std::string& t : stitky)
        s += (s.empty() ? "" : "+") + t;
    return s;
}
