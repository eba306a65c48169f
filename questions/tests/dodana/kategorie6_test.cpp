// The shipped questions of category 6 "Dopravní značky a zařízení" (621–720).
#include "questions/tests/dodana/PravidlaBanky.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

class DodanaBankaKategorie6 : public testing::Test {
protected:
    static void SetUpTestSuite() { banka_.Nacti(ZK_DODANA_BANKA); }
    static Banka banka_;
};

Banka DodanaBankaKategorie6::banka_;

TEST_F(DodanaBankaKategorie6, ObsahujeVsechnaCisla621Az720)
{
    EXPECT_EQ(pravidla::PritomnaCisla(banka_, 621, 720), pravidla::RozsahBez(621, 720, {}));
}

TEST_F(DodanaBankaKategorie6, KazdaPoznamkaJmenujeZnackuNeboParagraf)
{
    for (const Otazka* o : pravidla::OtazkyKategorie(banka_, 6)) {
        EXPECT_FALSE(o->poznamka.empty()) << o->cislo;
        EXPECT_TRUE(pravidla::MaKonkretniOdkaz(o->poznamka, true))
            << o->cislo << ": " << o->poznamka;
    }
}

TEST_F(DodanaBankaKategorie6, DelkaOdpovediAniPismenoSpravnouOdpovedNeprozrazuji)
{
    const auto otazky = pravidla::OtazkyKategorie(banka_, 6);
    EXPECT_LE(pravidla::PodilNejdelsiSpravne(otazky), 0.40);
    const auto pocty = pravidla::RozlozeniPismen(otazky);
    for (char pismeno : {'A', 'B', 'C'}) {
        const auto p = pocty.find(pismeno);
        const int pocet = p == pocty.end() ? 0 : p->second;
        EXPECT_GE(pocet, 25) << pismeno;
        EXPECT_LE(pocet, 42) << pismeno;
    }
}

TEST_F(DodanaBankaKategorie6, KazdaOtazkaMaSvujObrazekZnackyNejvyse96Na96)
{
    std::set<std::string> obrazky;
    for (const Otazka* o : pravidla::OtazkyKategorie(banka_, 6)) {
        EXPECT_EQ(o->obrazek.rfind("grafika/znacky/", 0), 0u) << o->cislo << ": " << o->obrazek;
        EXPECT_TRUE(obrazky.insert(o->obrazek).second)
            << o->cislo << " shares its picture " << o->obrazek;
        const auto [sirka, vyska] = pravidla::RozmeryJpeg(pravidla::AdresarDat() / o->obrazek);
        EXPECT_GT(sirka, 0) << o->cislo << ": " << o->obrazek << " is not a readable JPEG";
        EXPECT_LE(sirka, 96) << o->cislo;
        EXPECT_LE(vyska, 96) << o->cislo;
        EXPECT_EQ(o->skupina.find_first_not_of("ABCD"), std::string::npos) << o->cislo;
    }
}

}  // namespace
