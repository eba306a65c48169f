// The shipped questions of category 7 "Řešení dopravních situací na křižovatkách" (721–757).
#include "questions/tests/dodana/PravidlaBanky.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

class DodanaBankaKategorie7 : public testing::Test {
protected:
    static void SetUpTestSuite() { banka_.Nacti(ZK_DODANA_BANKA); }
    static Banka banka_;
};

Banka DodanaBankaKategorie7::banka_;

TEST_F(DodanaBankaKategorie7, ObsahujeVsechnaCisla721Az757)
{
    EXPECT_EQ(pravidla::PritomnaCisla(banka_, 721, 757), pravidla::RozsahBez(721, 757, {}));
}

TEST_F(DodanaBankaKategorie7, KazdaPoznamkaJmenujeParagraf)
{
    for (const Otazka* o : pravidla::OtazkyKategorie(banka_, 7))
        EXPECT_TRUE(pravidla::MaKonkretniOdkaz(o->poznamka, false))
            << o->cislo << ": " << o->poznamka;
}

TEST_F(DodanaBankaKategorie7, DelkaOdpovediAniPismenoSpravnouOdpovedNeprozrazuji)
{
    const auto otazky = pravidla::OtazkyKategorie(banka_, 7);
    EXPECT_LE(pravidla::PodilNejdelsiSpravne(otazky), 0.40);
    const auto pocty = pravidla::RozlozeniPismen(otazky);
    for (char pismeno : {'A', 'B', 'C'}) {
        const auto p = pocty.find(pismeno);
        const int pocet = p == pocty.end() ? 0 : p->second;
        EXPECT_GE(pocet, 9) << pismeno;
        EXPECT_LE(pocet, 16) << pismeno;
    }
}

TEST_F(DodanaBankaKategorie7, KazdaOtazkaMaSvouSituaciNejvyse300Na175)
{
    for (const Otazka* o : pravidla::OtazkyKategorie(banka_, 7)) {
        EXPECT_EQ(o->obrazek, "grafika/situace/" + std::to_string(o->cislo) + ".jpg") << o->cislo;
        const auto [sirka, vyska] = pravidla::RozmeryJpeg(pravidla::AdresarDat() / o->obrazek);
        EXPECT_GT(sirka, 0) << o->cislo << ": " << o->obrazek << " is not a readable JPEG";
        EXPECT_LE(sirka, 300) << o->cislo;
        EXPECT_LE(vyska, 175) << o->cislo;
        // the scene the picture is drawn from lies beside it in the repository
        EXPECT_TRUE(fs::is_regular_file(pravidla::AdresarDat() / "situace"
                                        / (std::to_string(o->cislo) + ".yaml")))
            << o->cislo;
    }
}

}  // namespace
