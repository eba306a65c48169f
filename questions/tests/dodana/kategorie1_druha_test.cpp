// Shipped bank, rules of the road, numbers 211-420 (right of way through winter driving).
#include "PravidlaBanky.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class DodanaBankaKategorie1Druha : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        banka_.Nacti(ZK_DODANA_BANKA);
        otazky_.clear();
        for (const Otazka* o : pravidla::OtazkyKategorie(banka_, 1))
            if (o->cislo >= 211)
                otazky_.push_back(o);
    }
    static Banka banka_;
    static std::vector<const Otazka*> otazky_;
};

Banka DodanaBankaKategorie1Druha::banka_;
std::vector<const Otazka*> DodanaBankaKategorie1Druha::otazky_;

TEST_F(DodanaBankaKategorie1Druha, ChybiPraveVyrazenaCisla)
{
    EXPECT_EQ(pravidla::PritomnaCisla(banka_, 211, 420),
              pravidla::RozsahBez(211, 420, {274, 355, 388}));
}

TEST_F(DodanaBankaKategorie1Druha, KazdaOtazkaMaOdpovediPoznamkuAZadnyObrazek)
{
    ASSERT_EQ(otazky_.size(), 207u);
    for (const Otazka* o : otazky_) {
        EXPECT_FALSE(o->otazka.empty()) << o->cislo;
        EXPECT_FALSE(o->a.empty() || o->b.empty() || o->c.empty()) << o->cislo;
        EXPECT_FALSE(o->poznamka.empty()) << o->cislo;
        EXPECT_TRUE(o->obrazek.empty()) << o->cislo;
        const auto odpovedi = pravidla::Odpovedi(*o);
        for (char pismeno : o->spravne) {
            ASSERT_TRUE(pismeno >= 'A' && pismeno <= 'D') << o->cislo;
            EXPECT_FALSE(odpovedi[pismeno - 'A']->empty()) << o->cislo;
        }
    }
}

TEST_F(DodanaBankaKategorie1Druha, PoznamkyUvadejiParagrafASpravnaOdpovedSeNeprozrazuje)
{
    // Every note of this half ends with a paragraph of the act or decree; a sign code alone is not
    // enough.
    for (const Otazka* o : otazky_)
        EXPECT_TRUE(pravidla::MaKonkretniOdkaz(o->poznamka, false)) << o->cislo;
    EXPECT_GE(pravidla::PodilSOdkazem(otazky_, false), 0.95);
    EXPECT_LE(pravidla::PodilNejdelsiSpravne(otazky_), 0.40);

    const auto pismena = pravidla::RozlozeniPismen(otazky_);
    int jednaOdpoved = 0;
    for (const auto& [pismeno, pocet] : pismena)
        jednaOdpoved += pocet;
    for (char pismeno : {'A', 'B', 'C'}) {
        const double podil =
            pismena.count(pismeno) ? double(pismena.at(pismeno)) / jednaOdpoved : 0.0;
        EXPECT_GE(podil, 0.25) << pismeno;
        EXPECT_LE(podil, 0.42) << pismeno;
    }
}

TEST_F(DodanaBankaKategorie1Druha, SkupinyMajiSpolecneIVlastniOtazky)
{
    const auto pocet = [this](auto podminka) {
        return std::count_if(otazky_.begin(), otazky_.end(),
                             [&](const Otazka* o) { return podminka(o->skupina); });
    };
    EXPECT_GE(pocet([](const std::string& s) { return s == "ABCD"; }), 60);
    // Rules that differ for motorcycles, trucks and buses have questions of their own.
    for (const char* vlastni : {"A", "C", "D"})
        EXPECT_GE(pocet([&](const std::string& s) {
                      return s.find(vlastni) != std::string::npos
                          && s.find('B') == std::string::npos;
                  }),
                  3)
            << vlastni;
    // Group T walks only ABCD questions; the count for T must agree with them.
    const auto kategorie = pravidla::OtazkyKategorie(banka_, 1);
    EXPECT_EQ(banka_.PocetVKategorii(1, "T"),
              std::count_if(kategorie.begin(), kategorie.end(),
                            [](const Otazka* o) { return o->skupina == "ABCD"; }));
}

}  // namespace
