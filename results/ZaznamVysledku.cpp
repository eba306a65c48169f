#include "results/ZaznamVysledku.h"

#include "base/Hodiny.h"
#include "base/Nastaveni.h"
#include "questions/Beh.h"
#include "storage/Definice.h"
#include "storage/Tabulka.h"

std::string TextKategorii(const std::array<bool, 7>& kategorie)
{
    std::string text;
    for (std::size_t k = 0; k < kategorie.size(); ++k)
        if (kategorie[k])
            text += static_cast<char>('1' + k);
    return text;
}

std::string TextSeznamuCisel(const std::vector<int>& cisla)
{
    std::string text;
    for (int c : cisla) {
        if (!text.empty())
            text += ", ";
        text += std::to_string(c);
    }
    return text;
}

void ZapisVysledek(const std::filesystem::path& adresar, std::string_view typ,
                   const Nastaveni& nastaveni, const StavBehu& beh,
                   const StavOpakovaniZaznamu& opakovani, const Hodiny& hodiny)
{
    const std::string kategorie =
        opakovani.priznak ? opakovani.kategorie : TextKategorii(nastaveni.kategorie);
    const std::string spatneCisla = beh.PocetSpatnych() != 0 ? TextSeznamuCisel(beh.spatne) : "";
    const std::string napovedyCisla = beh.PocetNapoved() != 0 ? TextSeznamuCisel(beh.napovedy) : "";

    const DatumCas ted = hodiny.Mistni();
    DatumCas datum {ted.rok, ted.mesic, ted.den};
    DatumCas cas;
    cas.hodina = ted.hodina;
    cas.minuta = ted.minuta;
    cas.sekunda = ted.sekunda;

    Tabulka vysledky;
    vysledky.Svaz(adresar, "Vysledky");
    vysledky.OtevriNeboVytvor(DefiniceVysledky());
    vysledky.Vloz();
    vysledky.PoleJmenem("TypTestu").NastavText(typ);
    vysledky.PoleJmenem("Profil").NastavText(nastaveni.aktivniProfil);
    vysledky.PoleJmenem("Datum").NastavDatumCas(datum);
    vysledky.PoleJmenem("Cas").NastavDatumCas(cas);
    vysledky.PoleJmenem("Skupina").NastavText(nastaveni.skupina);
    vysledky.PoleJmenem("Kategorie").NastavText(kategorie);
    vysledky.PoleJmenem("PocetOtazek").NastavCele(beh.celkem);
    vysledky.PoleJmenem("Spatne").NastavCele(beh.PocetSpatnych());
    vysledky.PoleJmenem("SpatneCisla").NastavText(spatneCisla);
    vysledky.PoleJmenem("SNapovedou").NastavCele(beh.PocetNapoved());
    vysledky.PoleJmenem("SNapovedouCisla").NastavText(napovedyCisla);
    vysledky.PoleJmenem("Uspesnost").NastavCele(beh.uspesnost);
    vysledky.Uloz();
    vysledky.Zavri();
}
