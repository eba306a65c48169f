#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Whether a Unicode code point has a byte in the Windows-1250 code page.
bool JeVCp1250(char32_t znak);

// The first place where UTF-8 text cannot be written in Windows-1250: either a character the
// code page lacks, or a byte sequence that is not valid UTF-8 (znak is then 0).
struct MistoMimoCp1250 {
    std::size_t bajt = 0;  // offset of the offending sequence in the text
    char32_t znak = 0;
    bool neplatneUtf8 = false;
};
std::optional<MistoMimoCp1250> PrvniMimoCp1250(std::string_view utf8);

// UTF-8 text as Windows-1250 bytes, for files the program writes in that code page. A character
// the code page lacks, and each byte of invalid UTF-8, becomes `nahrada`.
std::string Utf8NaCp1250(std::string_view utf8, char nahrada = '?');

// Windows-1250 bytes as UTF-8 text; the five undefined bytes become U+FFFD.
std::string Cp1250NaUtf8(std::string_view cp1250);
