#include "base/Utf8.h"

#include <gtest/gtest.h>

TEST(Utf8, OriznutiNeroztrhneVicebajtovyZnak)
{
    struct Pripad {
        std::string_view text;
        std::size_t znaku;
        std::string_view vysledek;
    };
    for (const Pripad& p :
         {Pripad {"", 3, ""}, Pripad {"abc", 0, ""}, Pripad {"abc", 5, "abc"},
          Pripad {"Šťáva", 2, "Šť"}, Pripad {"Šťáva", 5, "Šťáva"}, Pripad {"a€b", 2, "a€"},
          Pripad {"\xF0\x9F\x98\x80x", 1, "\xF0\x9F\x98\x80"}})
        EXPECT_EQ(OriznoutZnaky(p.text, p.znaku), p.vysledek) << p.text << " / " << p.znaku;
}
