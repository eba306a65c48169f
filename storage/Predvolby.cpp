#include "storage/Predvolby.h"

#include "storage/Definice.h"
#include "storage/Tabulka.h"

namespace {

const std::string kPredvolby = "Predvolby";

// Stands on the open profile records' one of `klic`; Konec() when there is none.
void NajdiKlic(Tabulka& t, const std::string& klic)
{
    for (t.Prvni(); !t.Konec(); t.Dalsi())
        if (t.PoleJmenem("Klic").JakoText() == klic)
            return;
}

}  // namespace

std::string NactiPredvolbu(const std::filesystem::path& adresar, const std::string& profil,
                           const std::string& klic, const std::string& vychozi)
{
    Tabulka t;
    if (!OtevriZaznamyProfilu(t, adresar, kPredvolby, profil))
        return vychozi;
    NajdiKlic(t, klic);
    return t.Konec() ? vychozi : t.PoleJmenem("Hodnota").JakoText();
}

void UlozPredvolbu(const std::filesystem::path& adresar, const std::string& profil,
                   const std::string& klic, const std::string& hodnota)
{
    Tabulka t;
    OtevriNeboVytvorZaznamyProfilu(t, adresar, kPredvolby, profil, DefinicePredvolby());
    NajdiKlic(t, klic);
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
