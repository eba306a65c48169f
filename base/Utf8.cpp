#include "base/Utf8.h"

std::string OriznoutZnaky(std::string_view text, std::size_t znaku)
{
    std::size_t pocet = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // A byte that is not a continuation byte starts a character.
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (pocet == znaku)
                return std::string(text.substr(0, i));
            ++pocet;
        }
    }
    return std::string(text);
}
