#pragma once
// Writing a fixture bank, without Qt, so that tests of the core libraries can use it too.
#include "questions/Banka.h"
#include "storage/Definice.h"
#include "storage/Tabulka.h"

#include <filesystem>
#include <string>
#include <vector>

// Writes otazky.DB with these questions (in the order given) into `adresar`.
inline void ZapisTestovaciBanku(const std::filesystem::path& adresar, const std::vector<Otazka>& otazky)
{
    Tabulka t;
    t.Svaz(adresar, "otazky");
    t.Vytvor(DefiniceOtazky());
    t.Otevri();
    t.ZacniDavku();
    for (const Otazka& o : otazky) {
        t.Vloz();
        t.PoleNaPozici(0).NastavCele(o.cislo);
        const std::string* texty[] = {&o.otazka, &o.a, &o.b, &o.c, &o.d, &o.spravne, &o.skupina, &o.obrazek, &o.poznamka};
        for (int i = 0; i < 9; ++i)
            t.PoleNaPozici(i + 1).NastavText(*texty[i]);
        t.Uloz();
    }
    t.DokonciDavku();
    t.Zavri();
}
