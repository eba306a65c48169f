#include "questions/Relace.h"

#include "questions/Banka.h"
#include "testsupport/RucniHodiny.h"

#include <gtest/gtest.h>

TEST(Relace, RezimyPodleNazvuAJejichPravidla)
{
    for (RezimBehu r : {RezimBehu::Prohlizeni, RezimBehu::Procvicovani, RezimBehu::Zkouseni})
        EXPECT_EQ(RezimPodleNazvu(Pravidla(r).nazev), r);
    for (const char* jiny : {"", "procvicovani", "Procvičování", "Test"})
        EXPECT_EQ(RezimPodleNazvu(jiny), RezimBehu::Zadny) << jiny;

    EXPECT_EQ(RezimBehuZ(true), RezimBehu::Zkouseni);
    EXPECT_EQ(RezimBehuZ(false), RezimBehu::Procvicovani);
    // Only practice offers the hint; each run stores under its own protocol switch.
    EXPECT_TRUE(Pravidla(RezimBehu::Procvicovani).napoveda);
    EXPECT_FALSE(Pravidla(RezimBehu::Zkouseni).napoveda);
    EXPECT_FALSE(Pravidla(RezimBehu::Prohlizeni).napoveda);
    EXPECT_EQ(Pravidla(RezimBehu::Procvicovani).protokol, 0);
    EXPECT_EQ(Pravidla(RezimBehu::Zkouseni).protokol, 1);
    EXPECT_EQ(Pravidla(RezimBehu::Prohlizeni).protokol, -1);
    EXPECT_EQ(Pravidla(RezimBehu::Zkouseni).typTestu, "Zkoušení");
}

TEST(Relace, OpakovaniZaznamuBeziPodSkupinouZaznamuAVratiJi)
{
    std::vector<Otazka> otazky;
    for (int n : {3, 7, 12}) {
        Otazka o;
        o.cislo = n;
        o.otazka = "Otázka";
        o.a = "ano";
        o.spravne = "A";
        o.skupina = "ABCD";
        otazky.push_back(o);
    }
    Banka banka;
    banka.NactiZ(std::move(otazky));

    Relace relace;
    relace.nastaveni.skupina = "B";
    relace.beh.spatne = {1};
    relace.beh.napovedy = {2};
    PripravOpakovaniZaznamu(relace, {12, 3, 7}, "C", "136");
    EXPECT_TRUE(relace.opakovaniZaznamu.priznak);
    EXPECT_EQ(relace.opakovaniZaznamu.ulozenaSkupina, "B");
    EXPECT_EQ(relace.opakovaniZaznamu.kategorie, "136");
    EXPECT_EQ(relace.nastaveni.skupina, "C");
    EXPECT_EQ(relace.beh.celkem, 3);
    EXPECT_EQ(relace.beh.zbyva, 3);
    EXPECT_TRUE(relace.beh.spatne.empty());
    EXPECT_TRUE(relace.beh.napovedy.empty());

    // The mode then starts as a retry run that asks the record's numbers in their order.
    ZacniBeh(relace.beh, relace.opakovaniZaznamu);
    const RucniHodiny hodiny;
    std::vector<int> polozene;
    while (const int cislo = DalsiOtazka(relace.beh, banka, relace.nastaveni, hodiny))
        polozene.push_back(cislo);
    EXPECT_EQ(polozene, (std::vector<int> {12, 3, 7}));

    ZrusOpakovaniZaznamu(relace.nastaveni, relace.opakovaniZaznamu);
    EXPECT_EQ(relace.nastaveni.skupina, "B");
    EXPECT_FALSE(relace.opakovaniZaznamu.priznak);
}
