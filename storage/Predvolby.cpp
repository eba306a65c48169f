#include "storage/Predvolby.h"

#include "storage/Definice.h"
#include "storage/FiltrTextu.h"
#include "storage/Tabulka.h"

namespace {

const std::string kPredvolby = "Predvolby";

// Opens the profile's records and stands on the one of `klic`; Konec() when there is none.
void NajdiKlic(Tabulka& t, const std::string& profil, const std::string& klic)
{
    t.NastavFiltrText(FiltrProfilu(profil));
    t.Filtrovat(true);
    t.Otevri();
    for (t.Prvni(); !t.Konec(); t.Dalsi())
        if (t.PoleJmenem("Klic").JakoText() == klic)
            return;
}

}  // namespace

std::string NactiPredvolbu(const std::filesystem::path& adresar, const std::string& profil,
                           const std::string& klic, const std::string& vychozi)
{
    Tabulka t;
    t.Svaz(adresar, kPredvolby);
    if (!t.Existuje())
        return vychozi;
    NajdiKlic(t, profil, klic);
    return t.Konec() ? vychozi : t.PoleJmenem("Hodnota").JakoText();
}

void UlozPredvolbu(const std::filesystem::path& adresar, const std::string& profil,
                   const std::string& klic, const std::string& hodnota)
{
    Tabulka t;
    t.Svaz(adresar, kPredvolby);
    if (!t.Existuje())
        t.Vytvor(DefinicePredvolby());
    NajdiKlic(t, profil, klic);
    if (t.Konec()) {
        t.Vloz();
        t.PoleJmenem("Profil").NastavText(profil);
        t.PoleJmenem("Klic").NastavText(klic);
    } else {
        t.Uprav();
    }
    t.PoleJmenem("Hodnota").NastavText(hodnota);
    t.Uloz();
}
