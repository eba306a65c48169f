#include "base/Cp1250.h"

#include <gtest/gtest.h>

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
    const Pripad pripady[] {
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
    const std::string pripady[] {
        std::string("ok \x80", 4),  // a lone continuation byte
        std::string("ok \xC3", 4),  // cut short
        std::string("ok \xC0\xAF", 5),  // overlong '/'
        std::string("ok \xED\xA0\x80", 6),  // a surrogate
        std::string("ok \xF4\x90\x80\x80", 7),  // beyond U+10FFFF
        std::string("ok \xC3\x28", 5),  // a continuation byte missing
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

TEST(Cp1250, PrevodTamAZpetANahradaZnakuMimoStranku)
{
    const std::string cesky = "Žluťoučký kůň – „úpěl“ ďábelské ódy € §";
    const std::string bajty = Utf8NaCp1250(cesky);
    EXPECT_EQ(bajty.size(), 39u);  // one byte per character
    EXPECT_EQ(bajty.substr(0, 4), "\x8Elu\x9D");
    EXPECT_EQ(Cp1250NaUtf8(bajty), cesky);

    EXPECT_EQ(Utf8NaCp1250("a ≤ b 🚗"), "a ? b ?");
    EXPECT_EQ(Utf8NaCp1250(std::string("x\xC3", 2), '_'), "x_");
    EXPECT_EQ(Cp1250NaUtf8("\x81"), "\xEF\xBF\xBD");
    // Every defined byte comes back unchanged.
    for (int b = 0x80; b <= 0xFF; ++b) {
        const std::string jeden(1, static_cast<char>(b));
        const std::string utf8 = Cp1250NaUtf8(jeden);
        if (utf8 != "\xEF\xBF\xBD")
            EXPECT_EQ(Utf8NaCp1250(utf8), jeden) << b;
    }
}

}  // namespace
