#pragma once

#include "questions/Relace.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

class Hodiny;
struct Nastaveni;
struct StavBehu;
struct StavOpakovaniZaznamu;

// TypTestu of a stored run.
inline constexpr std::string_view kTypProcvicovani = Pravidla(RezimBehu::Procvicovani).typTestu;
inline constexpr std::string_view kTypZkouseni = Pravidla(RezimBehu::Zkouseni).typTestu;

// Digits of the switched-on categories in ascending order: switches 1, 2, 4, 6 give "1246".
std::string TextKategorii(const std::array<bool, 7>& kategorie);

// Numbers in list order joined by ", ": {12, 45, 300} gives "12, 45, 300"; empty for none.
std::string TextSeznamuCisel(const std::vector<int>& cisla);

// Appends one record of the finished run to Vysledky in `adresar`, creating the table when it is
// missing. The record carries the active profile, the licence group, the categories (those of
// the retried record for a record retry), the counts with their number lists, the success
// percentage, and the clock's local date and time. Storage errors propagate as ChybaTabulky.
void ZapisVysledek(const std::filesystem::path& adresar, std::string_view typ,
                   const Nastaveni& nastaveni, const StavBehu& beh,
                   const StavOpakovaniZaznamu& opakovani, const Hodiny& hodiny);

// How the record of a finished run came out: written, not written because the mode's protocol
// switch is off, not written because the learner declined it for a retry run, or not written
// because storage failed. The evaluation window shows it.
enum class ProtokolBehu { Vytvoren, Vypnut, OpravaNeulozena, Nepodaril };
