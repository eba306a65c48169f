// The shipped questions of category 7 "Řešení dopravních situací na křižovatkách" (721–757).
#include "questions/tests/dodana/PravidlaBanky.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

class DodanaBankaKategorie7 : public testing::Test {
protected:
    static void SetUpTestSuite() { banka_.Nacti(ZK_DODANA_BANKA); }
    static Banka banka_;
};

Banka DodanaBankaKategorie7::banka_;

fs::path AdresarDat()
{
    const char* koren = std::getenv("ZK_SOURCE_DIR");
    if (koren && *koren)
        return fs::path(koren) / "data";
    return fs::path(__FILE__).parent_path() / ".." / ".." / ".." / "data";
}

// Width and height from the frame header of a JPEG; {0, 0} when the file is not one.
std::pair<int, int> RozmeryJpeg(const fs::path& soubor)
{
    std::ifstream f(soubor, std::ios::binary);
    if (f.get() != 0xFF || f.get() != 0xD8)
        return {0, 0};
    while (f) {
        int znacka = f.get();
        while (znacka == 0xFF)
            znacka = f.get();
        if (znacka < 0)
            break;
        const int delka = (f.get() << 8) | f.get();
        if (znacka >= 0xC0 && znacka <= 0xC2) {
            f.get();  // precision
            const int vyska = (f.get() << 8) | f.get();
            return {(f.get() << 8) | f.get(), vyska};
        }
        f.seekg(delka - 2, std::ios::cur);
    }
    return {0, 0};
}

TEST_F(DodanaBankaKategorie7, ObsahujeVsechnaCisla721Az757)
{
    EXPECT_EQ(pravidla::PritomnaCisla(banka_, 721, 757), pravidla::RozsahBez(721, 757, {}));
}

TEST_F(DodanaBankaKategorie7, KazdaPoznamkaJmenujeParagraf)
{
    for (const Otazka* o : pravidla::OtazkyKategorie(banka_, 7))
        EXPECT_TRUE(pravidla::MaKonkretniOdkaz(o->poznamka, false)) << o->cislo << ": " << o->poznamka;
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
        const auto [sirka, vyska] = RozmeryJpeg(AdresarDat() / o->obrazek);
        EXPECT_GT(sirka, 0) << o->cislo << ": " << o->obrazek << " is not a readable JPEG";
        EXPECT_LE(sirka, 300) << o->cislo;
        EXPECT_LE(vyska, 175) << o->cislo;
        // the scene the picture is drawn from lies beside it in the repository
        EXPECT_TRUE(fs::is_regular_file(AdresarDat() / "situace" / (std::to_string(o->cislo) + ".yaml"))) << o->cislo;
    }
}

}  // namespace
