#include "questions/Oznacene.h"

#include "storage/Definice.h"
#include "storage/FiltrTextu.h"
#include "storage/Tabulka.h"

namespace {

const std::string kOznacene = "Oznacene";

void OtevriProfil(Tabulka& t, const std::string& profil)
{
    t.NastavFiltrText(FiltrProfilu(profil));
    t.Filtrovat(true);
    t.Otevri();
}

}  // namespace

std::set<int> NactiOznacene(const std::filesystem::path& adresar, const std::string& profil)
{
    std::set<int> cisla;
    Tabulka t;
    t.Svaz(adresar, kOznacene);
    if (!t.Existuje())
        return cisla;
    OtevriProfil(t, profil);
    for (t.Prvni(); !t.Konec(); t.Dalsi())
        cisla.insert(t.PoleJmenem("Cislo").JakoCele());
    return cisla;
}

bool PrepniOznaceni(const std::filesystem::path& adresar, const std::string& profil, int cislo)
{
    Tabulka t;
    t.Svaz(adresar, kOznacene);
    if (!t.Existuje())
        t.Vytvor(DefiniceOznacene());
    OtevriProfil(t, profil);
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
