#include "results/OpakovaniZaznamu.h"

#include "questions/Banka.h"
#include "questions/Relace.h"
#include "storage/Tabulka.h"

#include <algorithm>

namespace {

// Far above every question number; longer digit runs stay there instead of overflowing.
constexpr long long kMimoBanku = 1'000'000;

// The numbers of one list, or nullopt when its count says there are some but the text is empty
// or unreadable.
std::optional<std::vector<int>> CislaSeznamu(int pocet, const std::string& text)
{
    if (pocet <= 0)
        return std::vector<int> {};
    auto cisla = CtiSeznamCisel(text);
    if (!cisla || cisla->empty())
        return std::nullopt;
    return cisla;
}

}  // namespace

VybranyVysledek CtiVybranyVysledek(Tabulka& vysledky)
{
    VybranyVysledek z;
    z.typ = vysledky.PoleJmenem("TypTestu").JakoText();
    z.profil = vysledky.PoleJmenem("Profil").JakoText();
    z.datum = vysledky.PoleJmenem("Datum").JakoDatumCas();
    z.cas = vysledky.PoleJmenem("Cas").JakoDatumCas();
    z.skupina = vysledky.PoleJmenem("Skupina").JakoText();
    z.kategorie = vysledky.PoleJmenem("Kategorie").JakoText();
    z.pocetOtazek = vysledky.PoleJmenem("PocetOtazek").JakoCele();
    z.spatne = vysledky.PoleJmenem("Spatne").JakoCele();
    z.spatneCisla = vysledky.PoleJmenem("SpatneCisla").JakoText();
    z.napovedy = vysledky.PoleJmenem("SNapovedou").JakoCele();
    z.napovedyCisla = vysledky.PoleJmenem("SNapovedouCisla").JakoText();
    z.uspesnost = vysledky.PoleJmenem("Uspesnost").JakoCele();
    z.spravne = z.pocetOtazek - z.spatne - z.napovedy;
    return z;
}

std::optional<std::vector<int>> CtiSeznamCisel(std::string_view text)
{
    std::vector<int> cisla;
    long long akumulator = 0;
    bool cifry = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char z = text[i];
        if (z >= '0' && z <= '9') {
            akumulator = std::min(akumulator * 10 + (z - '0'), kMimoBanku);
            cifry = true;
            if (i + 1 == text.size())
                cisla.push_back(static_cast<int>(akumulator));
        } else if (z == ' ') {
            akumulator = 0;
            cifry = false;
        } else if (z == ',') {
            if (!cifry)
                return std::nullopt;
            cisla.push_back(static_cast<int>(akumulator));
            akumulator = 0;
            cifry = false;
        } else {
            return std::nullopt;
        }
    }
    return cisla;
}

OpakovaniZaznamu PripravOpakovaniVysledku(const VybranyVysledek& zaznam, const Banka& banka,
                                          Relace& relace)
{
    const auto spatne = CislaSeznamu(zaznam.spatne, zaznam.spatneCisla);
    const auto napovedy = CislaSeznamu(zaznam.napovedy, zaznam.napovedyCisla);
    if (!spatne || !napovedy)
        return OpakovaniZaznamu::PoskozenySeznam;

    std::vector<int> otazky;
    for (const std::vector<int>* seznam : {&*spatne, &*napovedy})
        for (int cislo : *seznam)
            if (banka.OtazkaExistuje(cislo))
                otazky.push_back(cislo);
    if (otazky.empty())
        return OpakovaniZaznamu::ZadnaOtazka;

    PripravOpakovaniZaznamu(relace, otazky, zaznam.skupina, zaznam.kategorie);
    return OpakovaniZaznamu::Spusteno;
}
