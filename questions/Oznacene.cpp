#include "questions/Oznacene.h"

#include "storage/Definice.h"
#include "storage/Tabulka.h"

namespace {

const std::string kOznacene = "Oznacene";

}  // namespace

std::set<int> NactiOznacene(const std::filesystem::path& adresar, const std::string& profil)
{
    std::set<int> cisla;
    Tabulka t;
    if (!OtevriZaznamyProfilu(t, adresar, kOznacene, profil))
        return cisla;
    for (t.Prvni(); !t.Konec(); t.Dalsi())
        cisla.insert(t.PoleJmenem("Cislo").JakoCele());
    return cisla;
}

bool PrepniOznaceni(const std::filesystem::path& adresar, const std::string& profil, int cislo)
{
    Tabulka t;
    OtevriNeboVytvorZaznamyProfilu(t, adresar, kOznacene, profil, DefiniceOznacene());
    for (t.Prvni(); !t.Konec(); t.Dalsi())
        if (t.PoleJmenem("Cislo").JakoCele() == cislo) {
            t.Smaz();
            return false;
        }
    t.Vloz();
    t.PoleJmenem("Profil").NastavText(profil);
    t.PoleJmenem("Cislo").NastavCele(cislo);
    t.Uloz();
    return true;
}
