#include "questions/Kategorie.h"

int KategorieCisla(int cislo)
{
    for (int k = 1; k < static_cast<int>(kRozsahyKategorii.size()); ++k)
        if (kRozsahyKategorii[k - 1] < cislo && cislo <= kRozsahyKategorii[k])
            return k;
    return 0;
}

const std::array<std::string_view, 7>& NazvyKategorii()
{
    static constexpr std::array<std::string_view, 7> nazvy {
        "Pravidla provozu na pozemních komunikacích",
        "Řidičské oprávnění a řidičský průkaz",
        "Silniční zákon, silniční doprava a pojištění odpovědnosti",
        "První pomoc - Zdravověda",
        "Podmínky provozu na pozemních komunikacích",
        "Dopravní značky a zařízení",
        "Řešení dopravních situací na křižovatkách",
    };
    return nazvy;
}

std::string PismenaSkupiny(std::string_view skupina)
{
    if (skupina.empty())
        return {};
    if (skupina.front() == 'T')
        return "ABCD";
    return std::string(1, skupina.front());
}

// An empty licence group fits nothing: an empty piece of text is not counted as contained.
bool PasujeDoRozsahu(std::string_view skupinaOtazky, std::string_view skupina)
{
    const std::string pismena = PismenaSkupiny(skupina);
    return !pismena.empty() && skupinaOtazky.find(pismena) != std::string_view::npos;
}

bool PasujeDoVyberu(std::string_view skupinaOtazky, std::string_view skupina)
{
    if (skupina.empty())
        return false;
    if (skupina.front() == 'T')
        return skupinaOtazky == "ABCD";
    return skupinaOtazky.find(skupina.front()) != std::string_view::npos;
}
