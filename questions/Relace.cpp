#include "questions/Relace.h"

RezimBehu RezimPodleNazvu(std::string_view nazev)
{
    for (std::size_t i = 1; i < kPravidlaRezimu.size(); ++i)
        if (kPravidlaRezimu[i].nazev == nazev)
            return static_cast<RezimBehu>(i);
    return RezimBehu::Zadny;
}

void PripravOpakovaniZaznamu(Relace& relace, const std::vector<int>& cisla,
                             const std::string& skupina, const std::string& kategorie)
{
    StavBehu& beh = relace.beh;
    beh.otazky = cisla;
    beh.spatne.clear();
    beh.napovedy.clear();
    beh.celkem = static_cast<int>(cisla.size());
    beh.zbyva = beh.celkem;
    StavOpakovaniZaznamu& zaznam = relace.opakovaniZaznamu;
    zaznam.priznak = true;
    zaznam.ulozenaSkupina = relace.nastaveni.skupina;
    relace.nastaveni.skupina = skupina;
    zaznam.kategorie = kategorie;
}
