#pragma once

#include "base/DatumCas.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// One record of Krizovatky: a situation of the junction drill answered by a profile. The seed
// reproduces the situation, so the record keeps only what the learner chose.
struct ZaznamKrizovatky {
    std::string profil;  // Profil (30)
    DatumCas kdy;  // DatumACas: when the answer was chosen (whole seconds)
    std::uint32_t seed = 0;  // Seed: in decimal
    char otazka = 'P';  // Otazka: 'P' which vehicle goes first, 'O' the order
    char zvolena = 'A';  // Zvolena: the letter chosen, A–C
    char spravna = 'A';  // Spravna: the right letter, A–C

    bool Spravne() const { return zvolena == spravna; }
    bool operator==(const ZaznamKrizovatky&) const = default;
};

// Appends the record to Krizovatky.DB of `adresar`, creating the table (owner-only) when
// missing. Storage errors propagate as ChybaTabulky and leave nothing written.
void ZapisKrizovatku(const std::filesystem::path& adresar, const ZaznamKrizovatky& zaznam);

// The profile's records in table order; empty when the table is missing. A record whose seed or
// letters are not what the writer stores raises ChybaTabulky.
std::vector<ZaznamKrizovatky> NactiKrizovatky(const std::filesystem::path& adresar,
                                              const std::string& profil);
