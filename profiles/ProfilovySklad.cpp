#include "profiles/ProfilovySklad.h"

#include "base/Utf8.h"
#include "profiles/Sodium.h"
#include "storage/Definice.h"
#include "storage/FiltrTextu.h"
#include "storage/SpolecnaZmena.h"

#include <stdexcept>
#include <utility>

namespace {

const std::string kProfily = "Profily";

std::string HashHesla(const std::string& heslo, const NarocnostHesla& narocnost)
{
    const std::string zkracene = OriznoutZnaky(heslo, ProfilovySklad::kDelkaHesla);
    char hash[crypto_pwhash_STRBYTES];
    if (Sodium().pwhashStr(hash, zkracene.data(), zkracene.size(), narocnost.operace,
                           narocnost.pamet)
        != 0)
        throw std::runtime_error("Heslo nelze zašifrovat: nedostatek paměti.");
    return hash;
}

// Inserts one profile record and posts it.
void ZapsatProfil(Tabulka& t, const std::array<std::string, 7>& hodnoty)
{
    static const std::array<const char*, 7> kPole {
        "Viditelny", "Profil", "Kategorie", "Skupina", "Protokoly", "Konfigurace", "Heslo"};
    t.Vloz();
    for (std::size_t i = 0; i < kPole.size(); ++i)
        t.PoleJmenem(kPole[i]).NastavText(hodnoty[i]);
    t.Uloz();
}

// The profile's own record and its records in the result tables change together.
const std::vector<std::string> kTabulkyProfilu {
    kProfily,    "Vysledky",   "Protokoly", "Statistika", "Testy",
    "Predvolby", "Krizovatky", "Oznacene",  "Odpovedi",   "PametOtazek"};

}  // namespace

NarocnostHesla NarocnostHesla::Interaktivni()
{
    return {crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE};
}

NarocnostHesla NarocnostHesla::Nejnizsi()
{
    return {crypto_pwhash_OPSLIMIT_MIN, crypto_pwhash_MEMLIMIT_MIN};
}

ProfilovySklad::ProfilovySklad(std::filesystem::path adresar, NarocnostHesla narocnost)
    : adresar_(std::move(adresar)), narocnost_(narocnost)
{
    profily_.Svaz(adresar_, kProfily);
}

void ProfilovySklad::ZalozitTabulkuProfilu()
{
    if (profily_.Existuje())
        return;
    // The built-in profile is part of the new table, so a table never exists without it and two
    // first starts at once cannot add it twice.
    profily_.Vytvor(DefiniceProfily(), [](Tabulka& t) {
        ZapsatProfil(t, {"0", "Default", "1111111", "B", "111", "11", ""});
    });
}

void ProfilovySklad::PridatProfil(const std::string& profil, const std::string& kategorie,
                                  const std::string& skupina, const std::string& protokoly,
                                  const std::string& konfigurace, const std::string& viditelny,
                                  const std::string& heslo)
{
    const std::string ulozeneHeslo = heslo.empty() ? std::string() : HashHesla(heslo, narocnost_);
    Znovuotevrit();
    ZapsatProfil(profily_,
                 {viditelny, profil, kategorie, skupina, protokoly, konfigurace, ulozeneHeslo});
}

void ProfilovySklad::Znovuotevrit()
{
    if (profily_.JeOtevrena())
        profily_.Zavri();
    profily_.Otevri();
}

bool ProfilovySklad::NajitProfil(const std::string& jmeno)
{
    profily_.NastavFiltrText(FiltrProfilu(jmeno));
    profily_.Filtrovat(true);
    Znovuotevrit();
    return !profily_.Prazdna();
}

std::vector<std::string> ProfilovySklad::SeznamProfilu()
{
    profily_.NastavFiltrText("Viditelny = 1");
    profily_.Filtrovat(true);
    Znovuotevrit();
    std::vector<std::string> jmena;
    profily_.ProjdiZaznamy(
        [&jmena](Tabulka& t) { jmena.push_back(t.PoleJmenem("Profil").JakoText()); });
    return jmena;
}

bool ProfilovySklad::MaHeslo(const std::string& jmeno)
{
    return NajitProfil(jmeno) && !profily_.PoleJmenem("Heslo").JakoText().empty();
}

bool ProfilovySklad::OverHeslo(const std::string& jmeno, const std::string& zadane)
{
    if (!NajitProfil(jmeno))
        return false;
    const std::string ulozene = profily_.PoleJmenem("Heslo").JakoText();
    if (ulozene.empty())
        return zadane.empty();
    const std::string zkracene = OriznoutZnaky(zadane, kDelkaHesla);
    return Sodium().pwhashStrVerify(ulozene.c_str(), zkracene.data(), zkracene.size()) == 0;
}

bool ProfilovySklad::NacistProfil(Nastaveni& n)
{
    if (!NajitProfil(n.aktivniProfil))
        return false;
    n.kategorie = CtiPrepinace<7>(profily_.PoleJmenem("Kategorie").JakoText());
    n.protokoly = CtiPrepinace<3>(profily_.PoleJmenem("Protokoly").JakoText());
    n.skupina = profily_.PoleJmenem("Skupina").JakoText();
    n.aktivniProfil = profily_.PoleJmenem("Profil").JakoText();
    const auto konfigurace = CtiPrepinace<2>(profily_.PoleJmenem("Konfigurace").JakoText());
    n.stavovyRadek = konfigurace[0];
    n.postupnyVyber = konfigurace[1];
    return true;
}

void ProfilovySklad::UlozitNastaveniProfilu(const Nastaveni& n)
{
    if (!NajitProfil(n.aktivniProfil))
        return;
    profily_.Uprav();
    profily_.PoleJmenem("Kategorie").NastavText(ZapisPrepinace(n.kategorie));
    profily_.PoleJmenem("Skupina").NastavText(n.skupina);
    profily_.PoleJmenem("Protokoly").NastavText(ZapisPrepinace(n.protokoly));
    profily_.PoleJmenem("Konfigurace")
        .NastavText(ZapisPrepinace(std::array<bool, 2> {n.stavovyRadek, n.postupnyVyber}));
    profily_.Uloz();
}

void ProfilovySklad::ZmenitHesloProfilu(const std::string& jmeno, const std::string& heslo)
{
    const std::string ulozeneHeslo = heslo.empty() ? std::string() : HashHesla(heslo, narocnost_);
    if (!NajitProfil(jmeno))
        return;
    profily_.Uprav();
    profily_.PoleJmenem("Heslo").NastavText(ulozeneHeslo);
    profily_.Uloz();
}

void ProfilovySklad::PrejmenovatProfil(const std::string& stare, const std::string& nove)
{
    if (stare == nove)
        return;
    profily_.Zavri();
    SpolecnaZmena zmena(adresar_, kTabulkyProfilu);
    zmena.Prepis(kProfily, "Profil", stare, nove, true);
    for (auto it = kTabulkyProfilu.begin() + 1; it != kTabulkyProfilu.end(); ++it)
        if (zmena.Obsahuje(*it))
            zmena.Prepis(*it, "Profil", stare, nove);
    zmena.Potvrd();
}

void ProfilovySklad::SmazatProfil(const std::string& jmeno)
{
    profily_.Zavri();
    profily_.NastavFiltrText("");
    profily_.Filtrovat(false);
    SpolecnaZmena zmena(adresar_, kTabulkyProfilu);
    zmena.Smaz(kProfily, "Profil", jmeno, true);
    for (auto it = kTabulkyProfilu.begin() + 1; it != kTabulkyProfilu.end(); ++it)
        if (zmena.Obsahuje(*it))
            zmena.Smaz(*it, "Profil", jmeno);
    zmena.Potvrd();
}
