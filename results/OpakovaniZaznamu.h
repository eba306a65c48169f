#pragma once

#include "base/DatumCas.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Banka;
class Tabulka;
struct Relace;

// The Vysledky record chosen in the results list, as its details show it.
struct VybranyVysledek {
    std::string typ, profil, skupina, kategorie, spatneCisla, napovedyCisla;
    DatumCas datum, cas;
    int pocetOtazek = 0, spatne = 0, napovedy = 0, uspesnost = 0;
    int spravne = 0;  // pocetOtazek - spatne - napovedy
};

// Copies the cursor's current Vysledky record.
VybranyVysledek CtiVybranyVysledek(Tabulka& vysledky);

// Reads a number-list text with an accumulator of digits: a digit is added to it (and at the
// text's end its number is taken), a space empties it, a comma takes its number and empties it.
// nullopt for a text holding any other character, or a comma with no digits before it.
std::optional<std::vector<int>> CtiSeznamCisel(std::string_view text);

enum class OpakovaniZaznamu {
    Spusteno,  // the run state holds the retry; the mode is to be started
    PoskozenySeznam,  // a number list cannot be read: nothing changed
    ZadnaOtazka,  // no listed number is in the bank today: nothing changed
};

// Prepares a retry run of the record's wrong (then hinted) questions with PripravOpakovaniZaznamu:
// the run list holds those numbers that the bank still has, in their stored order, under the
// record's group and categories. A list whose count is above 0 must be a non-empty readable
// text.
OpakovaniZaznamu PripravOpakovaniVysledku(const VybranyVysledek& zaznam, const Banka& banka,
                                          Relace& relace);
