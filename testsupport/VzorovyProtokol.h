#pragma once

#include "test/Protokol.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// A points test with nothing ticked at positions 1, 13 and 25, two more wrong answers (4 and
// 20), a multi-letter correct answer and the profile and point values the tests compare with.
inline ZaznamProtokolu VzorovyProtokol()
{
    ZaznamProtokolu z;
    z.profil = "Jana Nováková";
    z.datumACas = DatumCas {2026, 3, 14, 9, 26, 53, 0};
    z.skupina = "B";
    z.delkaTestu = "17:05";
    z.body = {3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 2, 2, 2, 2, 1, 1, 2, 2, 2, 2, 2, 3, 4, 4, 4};
    z.skutCis = {12,  57,  103, 150, 199, 240, 288, 330, 371, 419, 433, 447, 460,
                 474, 488, 497, 512, 545, 563, 590, 604, 650, 688, 722, 756};
    z.spravnaOdpoved = {"A", "B", "C", "A", "B", "C", "A", "B", "C", "A", "B", "AC", "A",
                        "B", "C", "A", "B", "C", "A", "B", "C", "A", "B", "C", "A"};
    z.odpoved = z.spravnaOdpoved;
    z.odpoved[0] = "";
    z.odpoved[3] = "B";
    z.odpoved[12] = "";
    z.odpoved[19] = "BD";
    z.odpoved[24] = "";
    z.spravne = 20;
    z.pocetBodu = 51;  // 65 less the 3 + 3 + 2 + 2 + 4 points of the wrong positions
    z.minPocetBodu = 56;
    z.verdikt = std::string(kNeprosel);
    return z;
}

#ifdef ZK_DATA_TESTU
// A committed file of the points-test data folder (test/tests/data), read byte for byte.
inline std::string ZlatySoubor(const std::string& nazev)
{
    std::ifstream vstup(std::filesystem::path(ZK_DATA_TESTU) / nazev, std::ios::binary);
    return {std::istreambuf_iterator<char>(vstup), std::istreambuf_iterator<char>()};
}
#endif
