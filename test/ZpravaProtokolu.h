#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// What the report is built from: one Protokoly record as the list reads it, the date and time
// already written as the learner's locale shows them, the memo fields as stored.
struct VstupZpravy {
    std::string profil, datumACas, skupina, delkaTestu, verdikt;
    std::string body, odpoved, spravnaOdpoved, skutCis;
    int spravne = 0, pocetBodu = 0, minPocetBodu = 0;
};

inline constexpr int kPocetRadkuZpravy = 40;

// Text right-aligned in `sirka` characters; a longer text is returned whole.
std::string ZarovnejVpravo(std::string_view text, int sirka);

// Row n (1 to 25) of the position table: 47 characters when no item overflows its column, the
// x in column 4 for a wrong answer, otherwise the position's points in place of the final 0.
std::string RadekPozice(int n, std::string_view skutCis, std::string_view odpoved,
                        std::string_view spravnaOdpoved, std::string_view body);

// The 40 lines of the report, in order, without line ends. The totals are those stored; the
// rows are not added up again.
std::vector<std::string> RadkyZpravy(const VstupZpravy& vstup);

// The chosen name with ".txt" appended unless it already ends so, in any letter case.
std::filesystem::path NazevSouboruZpravy(const std::filesystem::path& zvoleny);

// The report file's bytes: each line in Windows-1250 followed by CR LF.
std::string ObsahSouboruZpravy(const std::vector<std::string>& radky);

// A file that could not be written; what() names the file and the reason, in Czech.
class ChybaUlozeni : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes `obsah` to `soubor` atomically: into a temporary file beside it (.zprava-XXXXXX.tmp,
// short whatever the name), then renamed over it. On any failure nothing is left behind and an
// earlier file of that name stays as it was. Temporary files of that form that no save holds
// (left by a save that was killed) are removed first. A file-size limit is an error only where
// the program has made it one (VelikostniLimitJakoChyba); otherwise it ends the program.
void UlozSouborAtomicky(const std::filesystem::path& soubor, std::string_view obsah);
