#pragma once

#include "questions/Banka.h"
#include "testsupport/ZapisBanky.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// Fixture banks for window tests: never the shipped one.

// A small bank over every category: numbers 1..12 (group "ABCD" except 3 "A" and 4 "CD"),
// 421..425, 501..503, 600, 620 (no picture), 621 and 625 with a 40 x 30 picture
// "grafika/621.jpg" / "grafika\625.jpg", 721 with a 50 x 20 picture; 5 and 422 are withdrawn.
std::vector<Otazka> VzorovaBanka();

// Writes the pictures VzorovaBanka names, and the three answer marks, under `adresar`/grafika.
void ZapisObrazkyVzoroveBanky(const std::filesystem::path& adresar);

// Every number 1..757 except `vyrazena`, with short texts, correct answer A and the group letters
// `skupina` gives for the number.
std::vector<Otazka> UmelaBanka(const std::function<std::string(int)>& skupina,
                               const std::vector<int>& vyrazena = {});

// A question with short texts: three answers, the given correct letters and group.
Otazka JednoduchaOtazka(int cislo, const std::string& spravne = "A",
                        const std::string& skupina = "ABCD");

// A Vysledky record for list tests and benchmarks.
struct TestovaciVysledek {
    std::string typ = "Procvičování";
    std::string profil = "Jana";
    DatumCas datum {2025, 3, 14};
    DatumCas cas {0, 0, 0, 9, 26, 53};
    std::string skupina = "B";
    std::string kategorie = "1234567";
    int pocet = 20;
    int spatne = 0;
    std::string spatneCisla;
    int napovedy = 0;
    std::string napovedyCisla;
    int uspesnost = 100;
};

// Appends the records to Vysledky in `adresar` in one batch, creating the table when missing.
void ZapisVysledky(const std::filesystem::path& adresar,
                   const std::vector<TestovaciVysledek>& zaznamy);
