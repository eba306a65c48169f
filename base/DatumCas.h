#pragma once

#include <compare>
#include <string>

// A calendar date with a time of day, as the tables store it. A date-only value keeps the time
// at zero; a time-only value keeps the date at zero.
struct DatumCas {
    int rok = 0, mesic = 0, den = 0;
    int hodina = 0, minuta = 0, sekunda = 0, milisekunda = 0;

    auto operator<=>(const DatumCas&) const = default;

    // "YYYY-MM-DD", "HH:MM:SS" and "YYYY-MM-DD HH:MM:SS": the forms kept in the table files.
    std::string DatumIso() const;
    std::string CasIso() const;
    std::string DatumCasIso() const;
    // Reads any of the three forms above; throws std::invalid_argument on anything else.
    static DatumCas ZIso(const std::string& text);
};
