#include "questions/Kategorie.h"

#include <gtest/gtest.h>

namespace {

TEST(Kategorie, CisloPatriDoKategoriePodleHranicRozsahu)
{
    const std::pair<int, int> pripady[] {
        {-1, 0},  {0, 0},   {1, 1},   {420, 1}, {421, 2}, {475, 2}, {476, 3}, {500, 3}, {501, 4},
        {580, 4}, {581, 5}, {620, 5}, {621, 6}, {720, 6}, {721, 7}, {757, 7}, {758, 0},
    };
    for (const auto& [cislo, kategorie] : pripady)
        EXPECT_EQ(KategorieCisla(cislo), kategorie) << cislo;
}

TEST(Kategorie, NazvyJsouTitulkyNastaveni)
{
    const auto& nazvy = NazvyKategorii();
    EXPECT_EQ(nazvy[0], "Pravidla provozu na pozemních komunikacích");
    EXPECT_EQ(nazvy[3], "První pomoc - Zdravověda");
    EXPECT_EQ(nazvy[6], "Řešení dopravních situací na křižovatkách");
}

TEST(Kategorie, PismenaSkupinyZPrvnihoZnakuATProVse)
{
    const std::pair<const char*, const char*> pripady[] {
        {"AM", "A"}, {"A1", "A"}, {"A", "A"},    {"B1", "B"}, {"B", "B"},
        {"C", "C"},  {"D", "D"},  {"T", "ABCD"}, {"", ""},
    };
    for (const auto& [skupina, pismena] : pripady)
        EXPECT_EQ(PismenaSkupiny(skupina), pismena) << skupina;
}

TEST(Kategorie, RozsahHledaSouvislyKusVyberTProTVyzadujeShodu)
{
    EXPECT_TRUE(PasujeDoRozsahu("ABCD", "T"));
    EXPECT_FALSE(PasujeDoRozsahu("ABC", "T"));
    EXPECT_FALSE(PasujeDoRozsahu("BCD", "T"));
    EXPECT_TRUE(PasujeDoRozsahu("BCD", "B1"));
    EXPECT_FALSE(PasujeDoRozsahu("BCD", "AM"));
    EXPECT_FALSE(PasujeDoRozsahu("ABCD", ""));

    // Only a Skupina with something around "ABCD" tells "contains" from "equals".
    EXPECT_TRUE(PasujeDoRozsahu("ABCDE", "T"));
    EXPECT_FALSE(PasujeDoVyberu("ABCDE", "T"));
    EXPECT_TRUE(PasujeDoVyberu("ABCD", "T"));
    EXPECT_FALSE(PasujeDoVyberu("ABC", "T"));

    EXPECT_TRUE(PasujeDoVyberu("AB", "A1"));
    EXPECT_TRUE(PasujeDoVyberu("CD", "D"));
    EXPECT_FALSE(PasujeDoVyberu("CD", "B"));
    EXPECT_FALSE(PasujeDoVyberu("ABCD", ""));
}

}  // namespace
