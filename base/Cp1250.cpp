#include "base/Cp1250.h"

#include <array>
#include <cstdint>

namespace {

// The code points of bytes 0x80..0xFF; 0 marks the five bytes the code page leaves undefined.
constexpr std::array<std::uint16_t, 128> kHorniPolovina {
    0x20AC, 0x0000, 0x201A, 0x0000, 0x201E, 0x2026, 0x2020, 0x2021, 0x0000, 0x2030, 0x0160, 0x2039,
    0x015A, 0x0164, 0x017D, 0x0179, 0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141,
    0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB,
    0x013D, 0x02DD, 0x013E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3,
    0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB,
    0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

// Decodes one UTF-8 sequence at text[i]; returns its length, 0 when it is not valid UTF-8
// (truncated, overlong, a surrogate or beyond U+10FFFF).
std::size_t DekodujZnak(std::string_view text, std::size_t i, char32_t& znak)
{
    const auto b0 = static_cast<unsigned char>(text[i]);
    std::size_t delka;
    char32_t nejmensi;
    if (b0 < 0x80) {
        znak = b0;
        return 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        delka = 2, znak = b0 & 0x1F, nejmensi = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        delka = 3, znak = b0 & 0x0F, nejmensi = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        delka = 4, znak = b0 & 0x07, nejmensi = 0x10000;
    } else {
        return 0;
    }
    if (i + delka > text.size())
        return 0;
    for (std::size_t k = 1; k < delka; ++k) {
        const auto b = static_cast<unsigned char>(text[i + k]);
        if ((b & 0xC0) != 0x80)
            return 0;
        znak = (znak << 6) | (b & 0x3F);
    }
    if (znak < nejmensi || znak > 0x10FFFF || (znak >= 0xD800 && znak <= 0xDFFF))
        return 0;
    return delka;
}

}  // namespace

bool JeVCp1250(char32_t znak)
{
    if (znak < 0x80)
        return true;
    if (znak > 0xFFFF)
        return false;
    for (const std::uint16_t z : kHorniPolovina)
        if (z != 0 && z == znak)
            return true;
    return false;
}

std::optional<MistoMimoCp1250> PrvniMimoCp1250(std::string_view utf8)
{
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t znak = 0;
        const std::size_t delka = DekodujZnak(utf8, i, znak);
        if (delka == 0)
            return MistoMimoCp1250 {i, 0, true};
        if (!JeVCp1250(znak))
            return MistoMimoCp1250 {i, znak, false};
        i += delka;
    }
    return std::nullopt;
}

namespace {

void PridejUtf8(std::string& cil, char32_t znak)
{
    if (znak < 0x80) {
        cil += static_cast<char>(znak);
    } else if (znak < 0x800) {
        cil += static_cast<char>(0xC0 | (znak >> 6));
        cil += static_cast<char>(0x80 | (znak & 0x3F));
    } else {
        // The code page reaches no further than the basic plane.
        cil += static_cast<char>(0xE0 | (znak >> 12));
        cil += static_cast<char>(0x80 | ((znak >> 6) & 0x3F));
        cil += static_cast<char>(0x80 | (znak & 0x3F));
    }
}

}  // namespace

std::string Utf8NaCp1250(std::string_view utf8, char nahrada)
{
    std::string vysledek;
    vysledek.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t znak = 0;
        const std::size_t delka = DekodujZnak(utf8, i, znak);
        if (delka == 0) {
            vysledek += nahrada;
            ++i;
            continue;
        }
        i += delka;
        if (znak < 0x80) {
            vysledek += static_cast<char>(znak);
            continue;
        }
        char bajt = nahrada;
        for (std::size_t k = 0; k < kHorniPolovina.size(); ++k)
            if (kHorniPolovina[k] != 0 && kHorniPolovina[k] == znak)
                bajt = static_cast<char>(0x80 + k);
        vysledek += bajt;
    }
    return vysledek;
}

std::string Cp1250NaUtf8(std::string_view cp1250)
{
    std::string vysledek;
    vysledek.reserve(cp1250.size() * 2);
    for (const char c : cp1250) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80)
            vysledek += c;
        else if (const char32_t znak = kHorniPolovina[b - 0x80]; znak != 0)
            PridejUtf8(vysledek, znak);
        else
            PridejUtf8(vysledek, 0xFFFD);
    }
    return vysledek;
}
