#include "storage/Predvolby.h"

#include "storage/tests/Pomocne.h"

namespace fs = std::filesystem;

using Predvolby = AdresarTest;

TEST_F(Predvolby, HodnotaPodleProfiluAKliceNahrazujeStarou)
{
    EXPECT_EQ(NactiPredvolbu(adresar_, "Jana", "dyslexie", "0"), "0") << "no table yet";
    EXPECT_FALSE(fs::exists(adresar_ / "Predvolby.DB")) << "reading creates nothing";

    UlozPredvolbu(adresar_, "Jana", "dyslexie", "1");
    UlozPredvolbu(adresar_, "Jan O'Neil", "dyslexie", "0");
    UlozPredvolbu(adresar_, "Jana", "jiny", "x");
    UlozPredvolbu(adresar_, "Jana", "dyslexie", "0");
    UlozPredvolbu(adresar_, "Jana", "dyslexie", "1");

    EXPECT_EQ(NactiPredvolbu(adresar_, "Jana", "dyslexie"), "1");
    EXPECT_EQ(NactiPredvolbu(adresar_, "Jan O'Neil", "dyslexie"), "0");
    EXPECT_EQ(NactiPredvolbu(adresar_, "Jana", "jiny"), "x");
    EXPECT_EQ(NactiPredvolbu(adresar_, "Eva", "dyslexie", "?"), "?");

    Tabulka t;
    t.Svaz(adresar_, "Predvolby");
    t.Otevri();
    EXPECT_EQ(t.PocetZaznamu(), 3) << "a replaced value is one record";
    const fs::perms prava = fs::status(adresar_ / "Predvolby.DB").permissions();
    EXPECT_EQ(prava & (fs::perms::group_all | fs::perms::others_all), fs::perms::none);
}
