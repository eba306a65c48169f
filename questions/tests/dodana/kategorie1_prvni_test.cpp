// Shipped bank, traffic rules 1–210: the present numbers and the writing rules measured on them.
#include "PravidlaBanky.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

class DodanaBankaPravidlaPrvni : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        banka_.Nacti(ZK_DODANA_BANKA);
        for (const Otazka* o : pravidla::OtazkyKategorie(banka_, 1))
            if (o->cislo <= 210)
                otazky_.push_back(o);
    }
    static Banka banka_;
    static std::vector<const Otazka*> otazky_;
};

Banka DodanaBankaPravidlaPrvni::banka_;
std::vector<const Otazka*> DodanaBankaPravidlaPrvni::otazky_;

TEST_F(DodanaBankaPravidlaPrvni, PritomnaJsouCisla1Az210KromeVyrazeneho181)
{
    EXPECT_EQ(pravidla::PritomnaCisla(banka_, 1, 210), pravidla::RozsahBez(1, 210, {181}));
    EXPECT_EQ(otazky_.size(), 209u);
}

TEST_F(DodanaBankaPravidlaPrvni, KazdaOtazkaMaOdpovediPoznamkuSParagrafemAZadnyObrazek)
{
    for (const Otazka* o : otazky_) {
        EXPECT_FALSE(o->otazka.empty()) << o->cislo;
        EXPECT_FALSE(o->a.empty()) << o->cislo;
        EXPECT_FALSE(o->b.empty()) << o->cislo;
        EXPECT_TRUE(o->obrazek.empty()) << o->cislo;
        EXPECT_GE(pravidla::Znaku(o->poznamka), 20u) << o->cislo;
        // The reference closes the note: a paragraph or an article within its last 120 bytes.
        std::size_t od = o->poznamka.size() > 120 ? o->poznamka.size() - 120 : 0;
        while (od < o->poznamka.size()
               && (static_cast<unsigned char>(o->poznamka[od]) & 0xC0) == 0x80)
            ++od;
        const std::string konec = o->poznamka.substr(od);
        EXPECT_TRUE(pravidla::MaKonkretniOdkaz(konec, false)) << o->cislo << ": " << konec;
    }
    EXPECT_GE(pravidla::PodilSOdkazem(otazky_, false), 0.95);
}

TEST_F(DodanaBankaPravidlaPrvni, SpravnaOdpovedNeniPrilisCastoNejdelsiAPismenaJsouRozlozena)
{
    EXPECT_LE(pravidla::PodilNejdelsiSpravne(otazky_), 0.40);
    const auto pocty = pravidla::RozlozeniPismen(otazky_);
    int jedna = 0;
    for (const auto& [pismeno, pocet] : pocty)
        jedna += pocet;
    ASSERT_GT(jedna, 0);
    for (char pismeno : {'A', 'B', 'C'}) {
        const auto it = pocty.find(pismeno);
        const int pocet = it == pocty.end() ? 0 : it->second;
        EXPECT_GE(4 * pocet, jedna) << pismeno;  // at least a quarter each
        EXPECT_LE(2 * pocet, jedna) << pismeno;  // at most a half
    }
}

TEST_F(DodanaBankaPravidlaPrvni, SkupinyDovolujiSestavitTestKazdeSkupineAObsahujiZvlastniOtazky)
{
    auto pocet = [](auto podminka) {
        return std::count_if(otazky_.begin(), otazky_.end(),
                             [&](const Otazka* o) { return podminka(o->skupina); });
    };
    EXPECT_GE(pocet([](const std::string& s) { return s == "ABCD"; }), 60);
    // A points test takes ten questions of this category for every licence group.
    for (const char* pismeno : {"A", "B", "C", "D"})
        EXPECT_GE(pocet([&](const std::string& s) { return s.find(pismeno) != std::string::npos; }),
                  10)
            << pismeno;
    // Rules that differ for motorcycles, trucks and buses have questions of their own.
    EXPECT_GE(pocet([](const std::string& s) { return s == "A"; }), 5);
    EXPECT_GE(pocet([](const std::string& s) {
                  return s.find('C') != std::string::npos && s.find('A') == std::string::npos;
              }),
              5);
    EXPECT_GE(pocet([](const std::string& s) {
                  return s.find('D') != std::string::npos && s.find('A') == std::string::npos;
              }),
              5);
}

}  // namespace
