#pragma once

#include <array>
#include <string>
#include <string_view>

// The bank's numbers 1..757 fall into seven categories by the range table: category k holds the
// numbers above entry k-1 up to entry k.
inline constexpr int kNejvyssiCislo = 757;
inline constexpr std::array<int, 8> kRozsahyKategorii {0, 420, 475, 500, 580, 620, 720, 757};

// The category 1..7 of a question number, 0 for numbers outside 1..757.
int KategorieCisla(int cislo);

// Czech names of categories 1..7 (index 0 is category 1).
const std::array<std::string_view, 7>& NazvyKategorii();

// Group letters of a licence group: "ABCD" for "T", otherwise its first letter ("AM" -> "A").
std::string PismenaSkupiny(std::string_view skupina);

// The range filter's test: the question's Skupina contains the group letters.
bool PasujeDoRozsahu(std::string_view skupinaOtazky, std::string_view skupina);

// The stricter test of the practice and exam walk: for "T" Skupina must equal "ABCD",
// otherwise it must contain the group's first letter.
bool PasujeDoVyberu(std::string_view skupinaOtazky, std::string_view skupina);
