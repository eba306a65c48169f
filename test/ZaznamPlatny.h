#pragma once

#include "base/DatumCas.h"
#include "test/TestPlatny.h"

#include <filesystem>
#include <string>
#include <vector>

class Banka;

// One record of Testy: an evaluated test in today's exam format.
struct ZaznamPlatny {
    std::string profil;  // Profil (30)
    DatumCas kdy;  // Datum and Cas: the moment the countdown started
    std::string skupina;  // Skupina (2)
    int delka = 0;  // Delka: whole seconds used
    int body = 0;  // Body
    bool splneno = false;  // Splneno: "A" passed, "N" failed
    std::string cisla;  // Cisla: the numbers in the order asked, joined by ", "
    std::string odpovedi;  // Odpovedi: the chosen bank letter per question, "-" for none
    std::string poradi;  // Poradi: the bank letters in the order shown, three per question
};

ZaznamPlatny ZaznamZTestu(const std::vector<OtazkaPlatna>& otazky, const VysledekPlatny& vysledek,
                          const std::string& profil, const std::string& skupina,
                          const DatumCas& kdy, int delka);

// Appends the record to Testy.DB of `adresar`, creating the table (owner-only) when missing.
// Storage errors propagate as ChybaTabulky and leave nothing written.
void ZapisTestPlatny(const std::filesystem::path& adresar, const ZaznamPlatny& zaznam);

// The profile's records in table order; empty when the table is missing.
std::vector<ZaznamPlatny> NactiTestyPlatny(const std::filesystem::path& adresar,
                                           const std::string& profil);

// Deletes the profile's record at `index` of NactiTestyPlatny's order, or all of them.
void SmazTestPlatny(const std::filesystem::path& adresar, const std::string& profil, int index);
void SmazTestyPlatny(const std::filesystem::path& adresar, const std::string& profil);

// The questions of a stored test with the choices and shown orders as they were; the correct
// letter and the section come from the bank and `oblasti` as they are now (0 when the bank no
// longer holds the number). A record whose fields do not describe 25 questions raises
// ChybaTabulky.
std::vector<OtazkaPlatna> OtazkyZeZaznamu(const ZaznamPlatny& zaznam, const Banka& banka,
                                          const std::vector<int>& oblasti);
