#pragma once

#include "storage/Tabulka.h"
#include "testsupport/DocasnaSlozka.h"
#include "testsupport/Soubory.h"

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

// Number of code points in UTF-8 text.
inline int PocetZnaku(const std::string& text)
{
    int n = 0;
    for (unsigned char z : text)
        n += (z & 0xC0) != 0x80;
    return n;
}
