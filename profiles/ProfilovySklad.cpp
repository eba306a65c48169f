#include "profiles/ProfilovySklad.h"

#include "base/Utf8.h"
#include "storage/Definice.h"

#include <sodium.h>

#include <stdexcept>
#include <utility>

namespace {

const std::string kProfily = "Profily";

std::string FiltrProfilu(const std::string& jmeno)
{
    std::string s = "Profil = '";
    for (char c : jmeno) {
        s += c;
        if (c == '\'')
            s += '\'';
    }
    return s + "'";
}

std::string HashHesla(const std::string& heslo)
{
    const std::string zkracene = OriznoutZnaky(heslo, ProfilovySklad::kDelkaHesla);
    char hash[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(hash, zkracene.data(), zkracene.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          crypto_pwhash_MEMLIMIT_INTERACTIVE)
        != 0)
        throw std::runtime_error("Heslo nelze zašifrovat: nedostatek paměti.");
    return hash;
}

// Opens `nazev` filtered on the profile's records; false when the table has never been created.
bool OtevritZaznamyProfilu(Tabulka& t, const std::filesystem::path& adresar,
                           const std::string& nazev, const std::string& profil)
{
    t.Svaz(adresar, nazev);
    if (!t.Existuje())
        return false;
    t.NastavFiltrText(FiltrProfilu(profil));
    t.Filtrovat(true);
    t.Otevri();
    return true;
}

void PrejmenovatVTabulce(const std::filesystem::path& adresar, const std::string& nazev,
                         const std::string& stare, const std::string& nove)
{
    Tabulka t;
    if (!OtevritZaznamyProfilu(t, adresar, nazev, stare))
        return;
    while (!t.Konec()) {
        t.Uprav();
        t.PoleJmenem("Profil").NastavText(nove);
        t.Uloz();
        t.Dalsi();
    }
    t.Zavri();
}

void SmazatVTabulce(const std::filesystem::path& adresar, const std::string& nazev,
                    const std::string& profil)
{
    Tabulka t;
    if (!OtevritZaznamyProfilu(t, adresar, nazev, profil))
        return;
    while (!t.Konec())
        t.Smaz();
    t.Zavri();
}

}  // namespace

ProfilovySklad::ProfilovySklad(std::filesystem::path adresar) : adresar_(std::move(adresar))
{
    if (sodium_init() < 0)
        throw std::runtime_error("Knihovnu libsodium nelze inicializovat.");
    profily_.Svaz(adresar_, kProfily);
}

void ProfilovySklad::ZalozitTabulkuProfilu()
{
    if (profily_.Existuje())
        return;
    profily_.Vytvor(DefiniceProfily());
    PridatProfil("Default", "1111111", "B", "111", "11", "0", "");
}

void ProfilovySklad::PridatProfil(const std::string& profil, const std::string& kategorie,
                                  const std::string& skupina, const std::string& protokoly,
                                  const std::string& konfigurace, const std::string& viditelny,
                                  const std::string& heslo)
{
    const std::string ulozeneHeslo = heslo.empty() ? std::string() : HashHesla(heslo);
    Znovuotevrit();
    profily_.Vloz();
    profily_.PoleJmenem("Viditelny").NastavText(viditelny);
    profily_.PoleJmenem("Profil").NastavText(profil);
    profily_.PoleJmenem("Kategorie").NastavText(kategorie);
    profily_.PoleJmenem("Skupina").NastavText(skupina);
    profily_.PoleJmenem("Protokoly").NastavText(protokoly);
    profily_.PoleJmenem("Konfigurace").NastavText(konfigurace);
    profily_.PoleJmenem("Heslo").NastavText(ulozeneHeslo);
    profily_.Uloz();
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
    for (profily_.Prvni(); !profily_.Konec(); profily_.Dalsi())
        jmena.push_back(profily_.PoleJmenem("Profil").JakoText());
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
    return crypto_pwhash_str_verify(ulozene.c_str(), zkracene.data(), zkracene.size()) == 0;
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
        .NastavText(ZapisPrepinace(std::array<bool, 2>{n.stavovyRadek, n.postupnyVyber}));
    profily_.Uloz();
}

void ProfilovySklad::ZmenitHesloProfilu(const std::string& jmeno, const std::string& heslo)
{
    const std::string ulozeneHeslo = heslo.empty() ? std::string() : HashHesla(heslo);
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
    if (NajitProfil(stare)) {
        profily_.Uprav();
        profily_.PoleJmenem("Profil").NastavText(nove);
        profily_.Uloz();
    }
    PrejmenovatVTabulce(adresar_, "Vysledky", stare, nove);
    PrejmenovatVTabulce(adresar_, "Protokoly", stare, nove);
}

void ProfilovySklad::SmazatProfil(const std::string& jmeno)
{
    if (NajitProfil(jmeno))
        profily_.Smaz();
    SmazatVTabulce(adresar_, "Vysledky", jmeno);
    SmazatVTabulce(adresar_, "Protokoly", jmeno);
    profily_.NastavFiltrText("");
    profily_.Filtrovat(false);
}
