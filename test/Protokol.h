#pragma once

#include "base/DatumCas.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

class Tabulka;

inline constexpr int kPocetPozicTestu = 25;

// One Protokoly record, field by field: what a points test leaves behind so that its report can
// be rebuilt later without the question bank.
struct ZaznamProtokolu {
    std::string profil;  // Profil (30)
    DatumCas datumACas;  // DatumACas: the moment the countdown started
    std::string skupina;  // Skupina (2)
    std::string delkaTestu;  // DelkaTestu (5), "mm:ss"
    int spravne = 0, pocetBodu = 0, minPocetBodu = 0;
    std::string verdikt;  // "Prošel" / "Neprošel"
    std::array<int, kPocetPozicTestu> body {};  // point value per position
    std::array<std::string, kPocetPozicTestu> odpoved, spravnaOdpoved;  // answer sets per position
    std::array<int, kPocetPozicTestu> skutCis {};  // question number per position
};

inline constexpr std::string_view kProsel = "Prošel";
inline constexpr std::string_view kNeprosel = "Neprošel";

// The memo encoding of the four per-position fields: the 25 items in position order joined by
// single spaces. An empty item stays empty, so an empty answer set shows as two spaces in a row,
// or as a leading or trailing space at positions 1 and 25.
std::string ZakodujMemo(const std::array<std::string, kPocetPozicTestu>& polozky);
std::string ZakodujMemo(const std::array<int, kPocetPozicTestu>& cisla);

// Splits a memo text at single spaces from the left into its 25 items: each of the first 24 ends
// at the next space, the 25th is whatever then remains. A damaged text never fails: missing items
// come out empty and a text of more than 25 items leaves the surplus in the 25th.
std::array<std::string, kPocetPozicTestu> RozdelMemo(std::string_view memo);

// Appends the record to Protokoly.DB in `adresar`, creating the table when missing. Storage
// errors propagate as ChybaTabulky and leave nothing written.
void ZapisProtokol(const std::filesystem::path& adresar, const ZaznamProtokolu& zaznam);

// One Protokoly record as it is stored, read back for its report: the four per-position fields
// stay the memo texts they are (a damaged one is not mended here), and the moment is absent when
// the field holds nothing.
struct UlozenyProtokol {
    std::string profil;
    std::optional<DatumCas> datumACas;
    std::string skupina, delkaTestu, verdikt;
    int spravne = 0, pocetBodu = 0, minPocetBodu = 0;
    std::string body, odpoved, spravnaOdpoved, skutCis;  // memo texts
};

// Reads the current record of an open Protokoly cursor. Storage errors propagate as ChybaTabulky.
UlozenyProtokol CtiProtokol(Tabulka& protokoly);
