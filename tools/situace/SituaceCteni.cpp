#include "tools/situace/Situace.h"
#include "tools/znacky/Znacky.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>

#include <yaml-cpp/yaml.h>

#include <set>
#include <stdexcept>

namespace {

struct ChybaSceny : std::runtime_error {
    ChybaSceny(int r, const QString& text) : std::runtime_error(text.toStdString()), radek(r) { }
    int radek;
};

int Radek(const YAML::Node& n) { return n.Mark().line + 1; }

const std::map<QString, double>& VychoziUhly()
{
    static const std::map<QString, double> u = {{"V", 0},   {"SV", 45},  {"S", 90},  {"SZ", 135},
                                                {"Z", 180}, {"JZ", 225}, {"J", 270}, {"JV", 315}};
    return u;
}

const std::set<QString>& ZnameZnacky()
{
    static const std::set<QString> z = {"P1", "P2", "P3", "P4", "P5", "P6", "C1", "E2"};
    return z;
}

class Cteni {
public:
    explicit Cteni(Scena& s) : s_(s) { }

    void Projdi(const YAML::Node& koren)
    {
        if (!koren.IsMap())
            throw ChybaSceny(Radek(koren), QStringLiteral("scéna musí být mapa klíčů"));
        Klice(koren,
              {"ramena", "sirka", "kruhovy", "hlavni", "znacky", "semafory", "koleje", "prechody",
               "vozidla", "chodci", "policista"});
        if (koren["sirka"]) {
            s_.sirka = Cislo(koren["sirka"]);
            if (s_.sirka < 16 || s_.sirka > 32)
                throw ChybaSceny(Radek(koren["sirka"]),
                                 QStringLiteral("poloviční šířka vozovky je 16 až 32 px"));
        }
        Ramena(Povinny(koren, "ramena"));
        if (koren["kruhovy"])
            s_.kruhovy = Logicka(koren["kruhovy"]);
        if (const YAML::Node h = koren["hlavni"]) {
            for (const YAML::Node& r : Seznam(h))
                s_.hlavni.push_back(Rameno(r));
            if (s_.hlavni.size() != 2)
                throw ChybaSceny(Radek(h),
                                 QStringLiteral("hlavní pozemní komunikace má právě dvě ramena"));
        }
        if (const YAML::Node z = koren["znacky"]) {
            Mapa(z);
            for (const auto& polozka : z) {
                const QString rameno = Rameno(polozka.first);
                for (const YAML::Node& k : Seznam(polozka.second)) {
                    const QString kod = Text(k);
                    if (!ZnameZnacky().count(kod))
                        throw ChybaSceny(Radek(k), QStringLiteral("neznámá značka „%1“").arg(kod));
                    if (kod == "E2" && s_.hlavni.size() != 2)
                        throw ChybaSceny(Radek(k), QStringLiteral("tabulka E2 potřebuje „hlavni“"));
                    s_.znacky[rameno].push_back(kod);
                }
            }
        }
        if (const YAML::Node z = koren["semafory"]) {
            Mapa(z);
            for (const auto& polozka : z) {
                Semafor sem;
                sem.radek = Radek(polozka.second);
                Mapa(polozka.second);
                Klice(polozka.second, {"svetlo", "sipka"});
                sem.svetlo = Volba(
                    Povinny(polozka.second, "svetlo"),
                    {"cervena", "zluta", "zelena", "cervena_zluta", "zluta_blika", "vypnuto"});
                if (polozka.second["sipka"])
                    sem.sipka = Volba(polozka.second["sipka"], {"vlevo", "vpravo", "rovne"});
                s_.semafory[Rameno(polozka.first)] = sem;
            }
        }
        if (const YAML::Node k = koren["koleje"])
            for (const YAML::Node& dvojice : Seznam(k)) {
                const auto ramena = Seznam(dvojice);
                if (ramena.size() != 2 && ramena.size() != 3)
                    throw ChybaSceny(
                        Radek(dvojice),
                        QStringLiteral(
                            "kolej vede z jednoho ramene do druhého: [Z, DO] nebo [Z, DO, posun]"));
                s_.koleje.push_back({Rameno(ramena[0]), Rameno(ramena[1]),
                                     ramena.size() == 3 ? Cislo(ramena[2]) : 0.0});
            }
        if (const YAML::Node p = koren["prechody"])
            for (const YAML::Node& r : Seznam(p))
                s_.prechody.push_back(Rameno(r));
        if (const YAML::Node v = koren["vozidla"])
            for (const YAML::Node& n : Seznam(v))
                s_.vozidla.push_back(Vuz(n));
        if (const YAML::Node c = koren["chodci"])
            for (const YAML::Node& n : Seznam(c)) {
                Mapa(n);
                Klice(n, {"rameno", "odkud", "druh"});
                Chodec ch;
                ch.radek = Radek(n);
                ch.rameno = Rameno(Povinny(n, "rameno"));
                if (n["odkud"]) {
                    ch.odkud = Cislo(n["odkud"]) < 0 ? -1 : 1;
                }
                ch.druh =
                    n["druh"] ? Volba(n["druh"], {"chodec", "kolo"}) : QStringLiteral("chodec");
                s_.chodci.push_back(ch);
            }
        if (const YAML::Node p = koren["policista"]) {
            const QString osa = Text(p);
            const QStringList dve = osa.split('-');
            if (dve.size() != 2 || !s_.ramena.count(dve[0]) || !s_.ramena.count(dve[1]))
                throw ChybaSceny(
                    Radek(p), QStringLiteral("policista: osa paží jako „S-J“ mezi dvěma rameny"));
            s_.policista = osa;
        }
    }

private:
    void Ramena(const YAML::Node& n)
    {
        if (n.IsSequence()) {
            for (const YAML::Node& r : n) {
                const QString jmeno = Text(r);
                const auto u = VychoziUhly().find(jmeno);
                if (u == VychoziUhly().end())
                    throw ChybaSceny(
                        Radek(r),
                        QStringLiteral("rameno „%1“ potřebuje úhel: {%1: stupně}").arg(jmeno));
                s_.ramena[jmeno] = u->second;
            }
        } else if (n.IsMap()) {
            for (const auto& r : n)
                s_.ramena[Text(r.first)] = Cislo(r.second);
        } else {
            throw ChybaSceny(Radek(n),
                             QStringLiteral("„ramena“ je seznam ramen nebo mapa rameno: úhel"));
        }
        if (s_.ramena.size() < 3)
            throw ChybaSceny(Radek(n), QStringLiteral("křižovatka má alespoň tři ramena"));
    }

    Vozidlo Vuz(const YAML::Node& n)
    {
        Mapa(n);
        Klice(n,
              {"druh", "barva", "stitek", "z", "na_kruhu", "do", "poradi", "posun", "blinkr",
               "majak"});
        Vozidlo v;
        v.radek = Radek(n);
        v.druh = Volba(Povinny(n, "druh"),
                       {"osobni", "nakladni", "autobus", "tramvaj", "motocykl", "kolo"});
        // a tram is cream unless the scene says otherwise, so that it never shares the red of car A
        v.barva = v.druh == "tramvaj" && !n["barva"] ? QStringLiteral("kremova")
                                                     : Text(Povinny(n, "barva"));
        if (!BarvyVozidel().count(v.barva))
            throw ChybaSceny(Radek(n["barva"]), QStringLiteral("neznámá barva „%1“").arg(v.barva));
        if (n["stitek"])
            v.stitek = Text(n["stitek"]);
        if (n["z"])
            v.z = Rameno(n["z"]);
        if (n["na_kruhu"]) {
            if (!s_.kruhovy)
                throw ChybaSceny(Radek(n["na_kruhu"]),
                                 QStringLiteral("„na_kruhu“ jen na kruhovém objezdu"));
            v.naKruhu = Cislo(n["na_kruhu"]);
        }
        if (v.z.isEmpty() == (v.naKruhu < 0))
            throw ChybaSceny(
                v.radek,
                QStringLiteral("vozidlo stojí buď na rameni („z“), nebo na kruhu („na_kruhu“)"));
        if (n["do"])
            v.kam = Rameno(n["do"]);
        if (n["poradi"])
            v.poradi = std::max(1, int(Cislo(n["poradi"])));
        if (n["posun"])
            v.posun = Cislo(n["posun"]);
        if (n["blinkr"])
            v.blinkr = Volba(n["blinkr"], {"vlevo", "vpravo", "ne"});
        if (n["majak"])
            v.majak = Logicka(n["majak"]);
        return v;
    }

    static void Mapa(const YAML::Node& n)
    {
        if (!n.IsMap())
            throw ChybaSceny(Radek(n), QStringLiteral("očekávána mapa klíčů"));
    }
    static std::vector<YAML::Node> Seznam(const YAML::Node& n)
    {
        if (!n.IsSequence())
            throw ChybaSceny(Radek(n), QStringLiteral("očekáván seznam [ ... ]"));
        return std::vector<YAML::Node>(n.begin(), n.end());
    }
    static void Klice(const YAML::Node& n, std::initializer_list<const char*> zname)
    {
        for (const auto& k : n) {
            const QString klic = Text(k.first);
            if (std::none_of(zname.begin(), zname.end(), [&](const char* z) { return klic == z; }))
                throw ChybaSceny(Radek(k.first), QStringLiteral("neznámý klíč „%1“").arg(klic));
        }
    }
    static YAML::Node Povinny(const YAML::Node& n, const char* klic)
    {
        const YAML::Node h = n[klic];
        if (!h)
            throw ChybaSceny(Radek(n), QStringLiteral("chybí „%1“").arg(QString::fromLatin1(klic)));
        return h;
    }
    static QString Text(const YAML::Node& n)
    {
        if (!n.IsScalar())
            throw ChybaSceny(Radek(n), QStringLiteral("očekáván text"));
        return QString::fromStdString(n.Scalar());
    }
    static double Cislo(const YAML::Node& n)
    {
        bool ok = false;
        const double d = Text(n).toDouble(&ok);
        if (!ok)
            throw ChybaSceny(Radek(n), QStringLiteral("„%1“ není číslo").arg(Text(n)));
        return d;
    }
    static bool Logicka(const YAML::Node& n)
    {
        const QString t = Text(n);
        if (t == "true" || t == "ano")
            return true;
        if (t == "false" || t == "ne")
            return false;
        throw ChybaSceny(Radek(n), QStringLiteral("„%1“ není ano/ne").arg(t));
    }
    static QString Volba(const YAML::Node& n, std::initializer_list<const char*> moznosti)
    {
        const QString t = Text(n);
        if (std::none_of(moznosti.begin(), moznosti.end(), [&](const char* m) { return t == m; }))
            throw ChybaSceny(Radek(n), QStringLiteral("neznámá hodnota „%1“").arg(t));
        return t;
    }
    QString Rameno(const YAML::Node& n) const
    {
        const QString t = Text(n);
        if (!s_.ramena.count(t))
            throw ChybaSceny(Radek(n), QStringLiteral("křižovatka nemá rameno „%1“").arg(t));
        return t;
    }

    Scena& s_;
};

// Reads a scene from the YAML text (or, when `text` is null, from the file); faults as NactiScenu.
bool CtiScenuZ(const std::string* text, const QString& soubor, Scena* scena, QString* chyba)
{
    *scena = Scena {};
    scena->soubor = soubor;
    auto selhani = [&](int radek, const QString& popis) {
        if (chyba)
            *chyba = radek > 0 ? QStringLiteral("%1:%2: %3").arg(soubor).arg(radek).arg(popis)
                               : soubor + ": " + popis;
        return false;
    };
    YAML::Node koren;
    try {
        koren = text ? YAML::Load(*text) : YAML::LoadFile(soubor.toStdString());
    } catch (const YAML::BadFile&) {
        return selhani(0, QStringLiteral("soubor nelze přečíst"));
    } catch (const YAML::Exception& e) {
        return selhani(e.mark.line + 1,
                       QStringLiteral("chyba syntaxe YAML: ") + QString::fromStdString(e.msg));
    }
    try {
        Cteni(*scena).Projdi(koren);
    } catch (const ChybaSceny& e) {
        return selhani(e.radek, QString::fromStdString(e.what()));
    } catch (const YAML::Exception& e) {
        return selhani(e.mark.line + 1, QString::fromStdString(e.msg));
    }
    return true;
}

}  // namespace

bool NactiScenu(const QString& soubor, Scena* scena, QString* chyba)
{
    return CtiScenuZ(nullptr, soubor, scena, chyba);
}

bool CtiScenu(const std::string& text, const QString& jmeno, Scena* scena, QString* chyba)
{
    return CtiScenuZ(&text, jmeno, scena, chyba);
}

bool NactiSceny(const QString& adresar, std::vector<Scena>* sceny, QString* chyba)
{
    sceny->clear();
    const QDir dir(adresar);
    if (!dir.exists()) {
        if (chyba)
            *chyba = QStringLiteral("%1: adresář neexistuje").arg(adresar);
        return false;
    }
    for (const QString& jmeno :
         dir.entryList({QStringLiteral("*.yaml")}, QDir::Files, QDir::Name)) {
        Scena s;
        if (!NactiScenu(dir.filePath(jmeno), &s, chyba))
            return false;
        sceny->push_back(std::move(s));
    }
    return true;
}

QString ZapisSituace(const QString& zdroje, const QString& cil, const QString& arch)
{
    std::vector<Scena> sceny;
    QString chyba;
    if (!NactiSceny(zdroje, &sceny, &chyba))
        return chyba;
    if (!QDir().mkpath(cil))
        return QStringLiteral("nelze vytvořit adresář %1").arg(cil);
    for (const Scena& s : sceny) {
        for (int nasobek : {1, 2, 4}) {
            const QString cesta = QDir(cil).filePath(JmenoDvojcete(
                QFileInfo(s.soubor).completeBaseName() + QStringLiteral(".jpg"), nasobek));
            QImageWriter zapis(cesta, "jpeg");
            zapis.setQuality(kKvalitaSituace);
            if (!zapis.write(KresliScenu(s, nasobek)))
                return QStringLiteral("%1: %2").arg(cesta, zapis.errorString());
        }
    }
    if (!arch.isEmpty()) {
        QImageWriter zapis(arch, "png");
        if (!zapis.write(KontaktniArchSituaci(sceny)))
            return QStringLiteral("%1: %2").arg(arch, zapis.errorString());
    }
    return {};
}
