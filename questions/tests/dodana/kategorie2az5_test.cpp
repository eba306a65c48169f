// Writing rules of the bank measured on categories 2 to 5 (questions 421 to 620) as shipped.
#include "PravidlaBanky.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

class DodanaBanka2az5 : public testing::Test {
protected:
    static void SetUpTestSuite() { banka_.Nacti(ZK_DODANA_BANKA); }
    static Banka banka_;
};

Banka DodanaBanka2az5::banka_;

// Categories 2, 3 and 5 name a paragraph or an article; first aid names the guideline it follows
// (or, for the duties of a participant, the paragraph of the act).
TEST_F(DodanaBanka2az5, KazdaPoznamkaUvadiKonkretniPramen)
{
    static const std::regex smernice(R"(ERC \d{4})");
    for (int kategorie = 2; kategorie <= 5; ++kategorie) {
        const auto otazky = pravidla::OtazkyKategorie(banka_, kategorie);
        ASSERT_FALSE(otazky.empty()) << kategorie;
        for (const Otazka* o : otazky) {
            const bool odkaz = pravidla::MaKonkretniOdkaz(o->poznamka, false);
            if (kategorie == 4)
                EXPECT_TRUE(odkaz || std::regex_search(o->poznamka, smernice)) << o->cislo;
            else
                EXPECT_TRUE(odkaz) << o->cislo;
        }
    }
}

// The correct answer must not give itself away by being the longest option.
TEST_F(DodanaBanka2az5, NejdelsiOdpovedNeprozrazujeSpravnou)
{
    for (int kategorie = 2; kategorie <= 5; ++kategorie)
        EXPECT_LE(pravidla::PodilNejdelsiSpravne(pravidla::OtazkyKategorie(banka_, kategorie)),
                  0.40)
            << kategorie;
}

// Every question has one correct answer, and each of a, b, c is the correct one in roughly a
// third of the questions of a category.
TEST_F(DodanaBanka2az5, SpravnaPismenaJsouRozlozena)
{
    for (int kategorie = 2; kategorie <= 5; ++kategorie) {
        const auto otazky = pravidla::OtazkyKategorie(banka_, kategorie);
        for (const Otazka* o : otazky)
            EXPECT_EQ(o->spravne.size(), 1u) << o->cislo;
        const auto pocty = pravidla::RozlozeniPismen(otazky);
        for (char pismeno : {'A', 'B', 'C'}) {
            const double podil =
                pocty.count(pismeno) ? double(pocty.at(pismeno)) / otazky.size() : 0.0;
            EXPECT_GE(podil, 0.25) << kategorie << ' ' << pismeno;
            EXPECT_LE(podil, 0.45) << kategorie << ' ' << pismeno;
        }
    }
}

}  // namespace
