#pragma once
// Writing a fixture bank, without Qt, so that tests of the core libraries can use it too.
#include "questions/Banka.h"
#include "questions/Kategorie.h"
#include "storage/Definice.h"
#include "storage/Tabulka.h"

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

// Writes otazky.DB with these questions (in the order given) into `adresar`.
inline void ZapisTestovaciBanku(const std::filesystem::path& adresar,
                                const std::vector<Otazka>& otazky)
{
    Tabulka t;
    t.Svaz(adresar, "otazky");
    t.Vytvor(DefiniceOtazky());
    t.Otevri();
    t.ZacniDavku();
    for (const Otazka& o : otazky) {
        t.Vloz();
        t.PoleNaPozici(0).NastavCele(o.cislo);
        const std::string* texty[] = {&o.otazka,  &o.a,       &o.b,       &o.c,       &o.d,
                                      &o.spravne, &o.skupina, &o.obrazek, &o.poznamka};
        for (int i = 0; i < 9; ++i)
            t.PoleNaPozici(i + 1).NastavText(*texty[i]);
        t.Uloz();
    }
    t.DokonciDavku();
    t.Zavri();
}

// Writes the section table oblasti.DB: (number, section) pairs in the order given.
inline void ZapisTestovaciOblasti(const std::filesystem::path& adresar,
                                  const std::vector<std::pair<int, int>>& oblasti)
{
    Tabulka t;
    t.Svaz(adresar, "oblasti");
    t.Vytvor(DefiniceOblasti());
    t.Otevri();
    t.ZacniDavku();
    for (const auto& [cislo, oblast] : oblasti) {
        t.Vloz();
        t.PoleNaPozici(0).NastavCele(cislo);
        t.PoleNaPozici(1).NastavCele(oblast);
        t.Uloz();
    }
    t.DokonciDavku();
    t.Zavri();
}

// A bank for today's exam format: every number 1..757 with three answers, the correct letter
// cycling A, B, C by number and the group letters `skupina` gives; the section of a number is
// its category.
inline std::vector<Otazka> BankaTriOdpovedi(std::string (*skupina)(int) = nullptr)
{
    std::vector<Otazka> otazky;
    for (int c = 1; c <= 757; ++c) {
        Otazka o;
        o.cislo = c;
        o.otazka = "Otázka " + std::to_string(c) + "?";
        o.a = "Odpověď a " + std::to_string(c) + ".";
        o.b = "Odpověď b " + std::to_string(c) + ".";
        o.c = "Odpověď c " + std::to_string(c) + ".";
        o.spravne = std::string(1, static_cast<char>('A' + c % 3));
        o.skupina = skupina ? skupina(c) : "ABCD";
        o.poznamka = "Poznámka k otázce " + std::to_string(c) + ".";
        otazky.push_back(std::move(o));
    }
    return otazky;
}

// The sections of a bank by category: number -> its category 1..7.
inline std::vector<std::pair<int, int>> OblastiPodleKategorii(const std::vector<Otazka>& otazky)
{
    std::vector<std::pair<int, int>> oblasti;
    for (const Otazka& o : otazky)
        oblasti.emplace_back(o.cislo, KategorieCisla(o.cislo));
    return oblasti;
}
