#include "questions/HledaniOtazek.h"

#include "questions/Banka.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

Otazka Otazka_(int cislo, std::string otazka, std::string a, std::string b,
               std::string poznamka = {})
{
    Otazka o;
    o.cislo = cislo;
    o.otazka = std::move(otazka);
    o.a = std::move(a);
    o.b = std::move(b);
    o.spravne = "A";
    o.skupina = "ABCD";
    o.poznamka = std::move(poznamka);
    return o;
}

}  // namespace

TEST(HledaniOtazek, SlovaBezOhleduNaVelikostAHacky)
{
    Banka banka;
    banka.NactiZ(
        {Otazka_(3, "Na křižovatce dává řidič přednost", "Vozidlu zprava.", "Nikomu."),
         Otazka_(14, "Smí řidič předjíždět?", "Ano.", "Ne, jen na dálnici.", "Viz „Předjíždění“."),
         Otazka_(700, "Značka", "Hlavní pozemní komunikace", "Křižovatka s vedlejší"),
         Otazka_(9, "Co je \"chodec\"?", "Účastník provozu", "Řidič", "Pěší – i s kočárkem")});
    HledaniOtazek hledani(banka);
    const struct {
        const char* dotaz;
        std::vector<int> cisla;
    } pripady[] = {
        {"křižovatce", {3}},
        {"krizovatce", {3}},  // without diacritics
        {"KŘIŽOVAT", {3, 700}},  // case, and a word's beginning
        {"řidič", {3, 9, 14}},  // question and answer
        {"ridic prednost", {3}},  // every word must match
        {"předjíždění", {14}},  // the note
        {"dalnici", {14}},  // an answer
        {"kočárkem pesi", {9}},
        {"\"chodec\"", {9}},  // quotation marks are no syntax
        {"chodec AND OR NOT", {}},  // nor are the operators' names
        {"zprava)", {3}},
        {"– „ “", {}},  // no word at all
        {"", {}},
        {"   ", {}},
        {"tramvaj", {}},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.dotaz);
        EXPECT_EQ(hledani.Hledej(p.dotaz), p.cisla);
    }
}
