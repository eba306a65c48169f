#pragma once

#include "storage/Tabulka.h"
#include "testsupport/DocasnaSlozka.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// A fresh directory per test, removed afterwards.
class AdresarTest : public ::testing::Test {
protected:
    DocasnaSlozka slozka_;
    const std::filesystem::path adresar_ {slozka_.Cesta()};
};

inline std::string ObsahSouboru(const std::filesystem::path& soubor)
{
    std::ifstream vstup(soubor, std::ios::binary);
    return {std::istreambuf_iterator<char>(vstup), std::istreambuf_iterator<char>()};
}

inline void ZapisSoubor(const std::filesystem::path& soubor, const std::string& obsah)
{
    std::ofstream vystup(soubor, std::ios::binary);
    vystup << obsah;
}

// Number of code points in UTF-8 text.
inline int PocetZnaku(const std::string& text)
{
    int n = 0;
    for (unsigned char z : text)
        n += (z & 0xC0) != 0x80;
    return n;
}
