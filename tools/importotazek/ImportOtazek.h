#pragma once

#include "questions/Banka.h"

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

// The first fault found in the bank's source. what() reads
// "<file>:<line>: question <number>: <what is wrong>"; line and number are left out where there is
// none (0).
class ChybaImportu : public std::runtime_error {
public:
    ChybaImportu(std::filesystem::path soubor, int radek, int cislo, const std::string& popis);

    const std::filesystem::path& Soubor() const { return soubor_; }
    int Radek() const { return radek_; }  // 1-based
    int Cislo() const { return cislo_; }

private:
    std::filesystem::path soubor_;
    int radek_;
    int cislo_;
};

struct SouborZdroje {
    std::filesystem::path cesta;
    int pocetOtazek = 0;
};

// Sections of today's exam a question may belong to.
constexpr int kPrvniOblast = 1;
constexpr int kPosledniOblast = 7;

struct ZdrojBanky {
    std::vector<Otazka> otazky;  // ascending by number
    std::vector<int> oblasti;  // the section (1..7) of otazky[i]
    std::vector<SouborZdroje> soubory;  // in name order
};

// Numbers the history of fixes lists as removed for good; they must stay absent.
const std::vector<int>& TrvaleVyrazenaCisla();

// Reads and checks every <adresarDat>/otazky/*.yaml (one file kategorieK.yaml per category K).
// Picture paths are relative to adresarDat. A missing data or otazky directory, a directory
// without sources and a source without a question are faults, as are line ends other than LF
// and CRLF, control characters other than line breaks and a source of more than 4 MiB. Throws
// ChybaImportu at the first fault, naming the file.
ZdrojBanky NactiZdroj(const std::filesystem::path& adresarDat);

// Writes <cil>/otazky.DB (fields of DefiniceOtazky(), records ascending by number, readable by
// all), <cil>/oblasti.DB (fields of DefiniceOblasti(), the section of each question, in the same
// order and with the same permissions) and the stamp <cil>/otazky.MB, replacing earlier ones only
// once all are complete.
void ZapisBanku(const ZdrojBanky& zdroj, const std::filesystem::path& cil);

// The stamp's text: number of questions and the source files with their counts.
std::string TextRazitka(const ZdrojBanky& zdroj);
