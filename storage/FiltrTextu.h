#pragma once

#include <optional>
#include <string>
#include <vector>

// A filter text of the cursor, taken apart: "Pole = 'hodnota'" (inner quotes doubled) or
// "Pole = hodnota", or several of them joined by " AND ". Each value is compared as a bound
// parameter, never pasted into SQL.
struct FiltrTextu {
    std::string pole;
    std::string hodnota;
};

// The filter text comparing `pole` with `hodnota`: "Pole = 'hodnota'", inner quotes doubled.
std::string FiltrRovnosti(const std::string& pole, const std::string& hodnota);
// The filter of one profile's records: FiltrRovnosti("Profil", profil).
std::string FiltrProfilu(const std::string& profil);

// Empty when the text has neither form.
std::optional<FiltrTextu> RozeberFiltr(const std::string& text);
// The conditions of a conjunction; empty when any of them has neither form.
std::optional<std::vector<FiltrTextu>> RozeberFiltry(const std::string& text);
