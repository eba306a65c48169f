#pragma once

#include "storage/Tabulka.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// One record of the question table otazky, fields in their stored order.
struct Otazka {
    int cislo = 0;  // 0 Číslo
    std::string otazka;  // 1 OTÁZKA
    std::string a, b, c, d;  // 2..5 A, B, C, D (absent answers are empty)
    std::string spravne;  // 6 SPRÁVNĚ, e.g. "A" or "BD"
    std::string skupina;  // 7 Skupina, e.g. "ABCD"
    std::string obrazek;  // 8 OBRÁZEK, relative to the working directory, may use '\'
    std::string poznamka;  // 9 POZNÁMKA
};

// The read-only question bank, read once from otazky.DB into memory. Lookups and counts give
// exactly what the number, range and existence filters over the table would give.
class Banka {
public:
    // Opens <adresar>/otazky.DB as Nacti does and checks the file and its fields without reading
    // the records; throws ChybaTabulky as Nacti does for a missing, damaged or foreign table.
    static void Over(const std::filesystem::path& adresar);
    // Reads <adresar>/otazky.DB (fields by position) and checks every record: number in 1..757
    // and unique, question and answer texts present, SPRÁVNĚ an answer set of answers the
    // question has, Skupina of the letters A to D. Throws ChybaTabulky when the table is missing
    // or unreadable, or names the first bad record by its number; the bank then stays as it was.
    void Nacti(const std::filesystem::path& adresar);
    void NactiZ(std::vector<Otazka> otazky);  // for tests; sorted by number

    bool OtazkaExistuje(int cislo) const;
    const Otazka* Najdi(int cislo) const;  // nullptr for a withdrawn or out-of-range number
    const std::vector<Otazka>& Vse() const { return otazky_; }  // ascending by number

    // Questions of category k (1..7) that fit the licence group by the range filter,
    // ascending by number.
    int PocetVKategorii(int kategorie, std::string_view skupina) const;
    std::vector<int> CislaVKategorii(int kategorie, std::string_view skupina) const;

private:
    std::vector<Otazka> otazky_;
    std::vector<int> indexPodleCisla_;  // 758 entries: position in otazky_ or -1
};

// A picture named by OBRÁZEK, resolved against the working directory; either separator may be used.
std::filesystem::path CestaObrazku(const std::filesystem::path& adresar, std::string relativni);
