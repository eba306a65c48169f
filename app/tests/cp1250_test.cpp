#include "app/Cp1250.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

TEST(Cp1250, CeskeZnakyATypografieSeVejdou)
{
    const std::string text = "ěščřžýáíéúůťďňó ĚŠČŘŽÝÁÍÉÚŮŤĎŇÓ „uvozovky“ – pomlčka … § 1 °C ×";
    EXPECT_FALSE(PrvniMimoCp1250(text).has_value());
}

TEST(Cp1250, ZnakyMimoKodovouStrankuNajdeSMistem)
{
    struct Pripad {
        std::string text;
        std::size_t bajt;
        char32_t znak;
    };
    const Pripad pripady[]{
        {"a ≤ b", 2, 0x2264},
        {"šipka →", 7, 0x2192},
        {"nezlomitelný\u2011spojovník", 13, 0x2011},
        {"auto 🚗", 5, 0x1F697},
        {"ruské Ж", 7, 0x0416},
        {"\u0081", 0, 0x81},  // a byte the code page leaves undefined
        {"ß ok, ẞ ne", 7, 0x1E9E},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.text);
        const auto misto = PrvniMimoCp1250(p.text);
        ASSERT_TRUE(misto.has_value());
        EXPECT_FALSE(misto->neplatneUtf8);
        EXPECT_EQ(misto->bajt, p.bajt);
        EXPECT_EQ(misto->znak, p.znak);
    }
}

TEST(Cp1250, NeplatneUtf8NeprojdeNikdy)
{
    const std::string pripady[]{
        std::string("ok \x80", 4),          // a lone continuation byte
        std::string("ok \xC3", 4),          // cut short
        std::string("ok \xC0\xAF", 5),      // overlong '/'
        std::string("ok \xED\xA0\x80", 6),  // a surrogate
        std::string("ok \xF4\x90\x80\x80", 7),  // beyond U+10FFFF
        std::string("ok \xC3\x28", 5),      // a continuation byte missing
    };
    for (const auto& text : pripady) {
        const auto misto = PrvniMimoCp1250(text);
        ASSERT_TRUE(misto.has_value());
        EXPECT_TRUE(misto->neplatneUtf8);
        EXPECT_EQ(misto->bajt, 3u);
    }
}

// 128 bytes above ASCII, five of them unassigned: exactly 123 code points from U+0080 up map.
TEST(Cp1250, HorniPolovinaMa123Znaku)
{
    int pocet = 0;
    for (char32_t z = 0x80; z <= 0x10FFFF; ++z)
        pocet += JeVCp1250(z) ? 1 : 0;
    EXPECT_EQ(pocet, 123);
    for (char32_t z : {U'€', U'‚', U'„', U'Š', U'Ž', U'ˇ', U'˙', U'\u00A0'})
        EXPECT_TRUE(JeVCp1250(z)) << static_cast<unsigned>(z);
}

}  // namespace

TEST(Cp1250, ZakodovaniNahradiJenToCoSeNevejde)
{
    struct Pripad {
        std::string utf8;
        std::string cp1250;
    };
    const Pripad pripady[]{
        {"Příliš žluťoučký kůň úpěl ďábelské ódy",
         "P\xF8\xEDli\x9A \x9Elu\x9Dou\xE8k\xFD k\xF9\xF2 \xFAp\xECl \xEF\xE1\x62\x65lsk\xE9 \xF3\x64y"},
        {"ŠŤŽŮĚ „x“ – … €", "\x8A\x8D\x8E\xD9\xCC \x84x\x93 \x96 \x85 \x80"},
        {"Jana → 🚗 Ж", "Jana ? ? ?"},
        {std::string("a\xC3(b\x80", 5), "a?(b?"},
        {"", ""},
    };
    for (const auto& p : pripady)
        EXPECT_EQ(ZakodujCp1250(p.utf8), p.cp1250) << p.utf8;

    // Every code point the code page holds comes out as its own byte.
    std::string vse;
    for (int b = 0x80; b <= 0xFF; ++b)
        if (b != 0x81 && b != 0x83 && b != 0x88 && b != 0x90 && b != 0x98)
            vse += static_cast<char>(b);
    std::string utf8;
    for (char32_t z = 0x80; z <= 0xFFFF; ++z)
        if (JeVCp1250(z)) {
            if (z < 0x800) {
                utf8 += static_cast<char>(0xC0 | (z >> 6));
            } else {
                utf8 += static_cast<char>(0xE0 | (z >> 12));
                utf8 += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
            }
            utf8 += static_cast<char>(0x80 | (z & 0x3F));
        }
    std::string zakodovane = ZakodujCp1250(utf8);
    std::sort(zakodovane.begin(), zakodovane.end());
    std::sort(vse.begin(), vse.end());
    EXPECT_EQ(zakodovane, vse);
}
