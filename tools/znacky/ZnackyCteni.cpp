#include "tools/znacky/Znacky.h"

#include <yaml-cpp/yaml.h>

#include <set>

namespace {

QString Text(const YAML::Node& n)
{
    return n ? QString::fromStdString(n.as<std::string>()) : QString();
}

// A key that may be left out: `cil` keeps its default then.
template <typename T> void Volitelne(const YAML::Node& n, const char* klic, T& cil)
{
    if (n[klic])
        cil = n[klic].as<T>();
}

UmisteniSymbolu NactiSymbol(const YAML::Node& n)
{
    UmisteniSymbolu u;
    if (n.IsScalar()) {
        u.symbol = Text(n);
        return u;
    }
    u.symbol = Text(n["s"]);
    Volitelne(n, "x", u.x);
    Volitelne(n, "y", u.y);
    Volitelne(n, "m", u.meritko);
    Volitelne(n, "otoc", u.otoceni);
    Volitelne(n, "zrcadlo", u.zrcadlo);
    u.barva = Text(n["barva"]);
    u.text = Text(n["t"]);
    return u;
}

std::vector<UmisteniSymbolu> NactiSymboly(const YAML::Node& n)
{
    std::vector<UmisteniSymbolu> v;
    if (n)
        for (const auto& s : n)
            v.push_back(NactiSymbol(s));
    return v;
}

}  // namespace

std::vector<PopisZnacky> NactiPopisyZnacek(const QString& soubor, QString* chyba)
{
    std::vector<PopisZnacky> popisy;
    auto selhani = [&](const QString& kde, const QString& co) {
        if (chyba)
            *chyba = soubor + QStringLiteral(": ") + kde + QStringLiteral(": ") + co;
        return std::vector<PopisZnacky> {};
    };
    YAML::Node koren;
    try {
        koren = YAML::LoadFile(soubor.toStdString());
    } catch (const YAML::Exception& e) {
        return selhani(QStringLiteral("file"), QString::fromStdString(e.what()));
    }
    if (!koren.IsSequence())
        return selhani(QStringLiteral("file"), QStringLiteral("not a list of signs"));
    static const std::set<std::string> klice = {
        "soubor",      "kod",   "nazev", "tvar", "vypln",   "okraj",   "docasna",      "konec",
        "preskrtnuti", "pomer", "pocet", "stav", "symboly", "tabulka", "velka_tabulka"};
    std::set<QString> soubory;
    int poradi = 0;
    for (const auto& n : koren) {
        ++poradi;
        const QString kde = QStringLiteral("entry %1").arg(poradi);
        try {
            PopisZnacky z;
            for (const auto& kv : n)
                if (!klice.count(kv.first.as<std::string>()))
                    return selhani(kde,
                                   QStringLiteral("unknown key \"%1\"")
                                       .arg(QString::fromStdString(kv.first.as<std::string>())));
            z.soubor = Text(n["soubor"]);
            z.kod = Text(n["kod"]);
            z.nazev = Text(n["nazev"]);
            z.tvar = Text(n["tvar"]);
            z.vypln = Text(n["vypln"]);
            z.okraj = Text(n["okraj"]);
            z.stav = Text(n["stav"]);
            z.preskrtnuti = Text(n["preskrtnuti"]);
            Volitelne(n, "docasna", z.docasna);
            Volitelne(n, "konec", z.konec);
            Volitelne(n, "pomer", z.pomer);
            Volitelne(n, "pocet", z.pocet);
            Volitelne(n, "velka_tabulka", z.velkaTabulka);
            z.symboly = NactiSymboly(n["symboly"]);
            if (n["tabulka"]) {
                z.maTabulku = true;
                z.tabulka.symboly = NactiSymboly(n["tabulka"]);
            }
            if (z.soubor.isEmpty() || !z.soubor.endsWith(QLatin1String(".jpg"))
                || z.soubor.contains('/'))
                return selhani(kde,
                               QStringLiteral("\"soubor\" must be a plain name ending in .jpg"));
            if (!soubory.insert(z.soubor).second)
                return selhani(kde, QStringLiteral("file %1 appears twice").arg(z.soubor));
            if (z.kod.isEmpty() || z.tvar.isEmpty())
                return selhani(kde, QStringLiteral("\"kod\" and \"tvar\" are required"));
            popisy.push_back(z);
        } catch (const YAML::Exception& e) {
            return selhani(kde, QString::fromStdString(e.what()));
        }
    }
    return popisy;
}
