#include "questions/HledaniOtazek.h"

#include "questions/Banka.h"

HledaniOtazek::HledaniOtazek(const Banka& banka)
{
    for (const Otazka& o : banka.Vse())
        index_.Pridej(o.cislo, {o.otazka, o.a, o.b, o.c, o.d, o.poznamka});
    index_.Dokonci();
}

std::vector<int> HledaniOtazek::Hledej(std::string_view dotaz) { return index_.Hledej(dotaz); }
