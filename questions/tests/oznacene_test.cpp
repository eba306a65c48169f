#include "questions/Oznacene.h"

#include "storage/Tabulka.h"
#include "testsupport/SlozkaJenProCteni.h"
#include "testsupport/DocasnaSlozka.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

// Flags go on and off per profile; the table holds one record per flag, owner-only.
TEST(Oznacene, PrepinaniPoProfilech)
{
    DocasnaSlozka s;
    EXPECT_TRUE(NactiOznacene(s.Cesta(), "Jana").empty());
    EXPECT_FALSE(fs::exists(s.Cesta() / "Oznacene.DB")) << "reading creates nothing";

    const struct {
        const char* profil;
        int cislo;
        bool oznacena;
    } kroky[] = {{"Jana", 12, true}, {"Eva", 12, true},   {"Jana", 700, true},
                 {"Jana", 3, true},  {"Jana", 12, false}, {"Jan O'Neil", 5, true},
                 {"Jana", 12, true}};
    for (const auto& k : kroky) {
        SCOPED_TRACE(std::string(k.profil) + " " + std::to_string(k.cislo));
        EXPECT_EQ(PrepniOznaceni(s.Cesta(), k.profil, k.cislo), k.oznacena);
    }
    EXPECT_EQ(NactiOznacene(s.Cesta(), "Jana"), (std::set<int> {3, 12, 700}));
    EXPECT_EQ(NactiOznacene(s.Cesta(), "Eva"), std::set<int> {12});
    EXPECT_EQ(NactiOznacene(s.Cesta(), "Jan O'Neil"), std::set<int> {5});

    // The stored records, in the order they were written.
    std::vector<std::pair<std::string, int>> zaznamy;
    Tabulka t;
    t.Svaz(s.Cesta(), "Oznacene");
    t.Otevri();
    for (t.Prvni(); !t.Konec(); t.Dalsi())
        zaznamy.emplace_back(t.PoleJmenem("Profil").JakoText(), t.PoleJmenem("Cislo").JakoCele());
    t.Zavri();
    EXPECT_EQ(zaznamy,
              (std::vector<std::pair<std::string, int>> {
                  {"Eva", 12}, {"Jana", 700}, {"Jana", 3}, {"Jan O'Neil", 5}, {"Jana", 12}}));
    EXPECT_EQ(fs::status(s.Cesta() / "Oznacene.DB").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

// A folder that cannot be written: the flag fails with the table named, and nothing is there later.
TEST(Oznacene, ChybaUlozeniNicNezapise)
{
    DocasnaSlozka s;
    {
        SlozkaJenProCteni jenProCteni(s.Cesta());
        if (!jenProCteni.Platne())
            GTEST_SKIP() << "the folder cannot be made read-only here";
        try {
            PrepniOznaceni(s.Cesta(), "Jana", 1);
            ADD_FAILURE() << "no error";
        } catch (const ChybaTabulky& chyba) {
            EXPECT_NE(std::string(chyba.what()).find("Oznacene"), std::string::npos)
                << chyba.what();
        }
    }
    EXPECT_TRUE(NactiOznacene(s.Cesta(), "Jana").empty());
    EXPECT_TRUE(fs::is_empty(s.Cesta()));
}
