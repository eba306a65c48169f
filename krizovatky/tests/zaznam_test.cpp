#include "krizovatky/ZaznamKrizovatky.h"

#include "storage/Tabulka.h"
#include "testsupport/DocasnaSlozka.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string Zlaty(const char* jmeno)
{
    std::ifstream f(fs::path(std::getenv("ZK_SOURCE_DIR")) / "krizovatky/tests/data" / jmeno,
                    std::ios::binary);
    std::ostringstream o;
    o << f.rdbuf();
    return o.str();
}

}  // namespace

// The stored fields of three answers, as the table holds them, against the committed file; read
// back per profile; the table owner-only; a damaged record refused.
TEST(ZaznamKrizovatky, UlozeneHodnotyOdpovidajiZlatemuSouboru)
{
    DocasnaSlozka a;
    const ZaznamKrizovatky zaznamy[] = {
        {"Jan O'Neil", {2026, 3, 14, 9, 5, 7, 250}, 4294967295u, 'P', 'C', 'C'},
        {"Eva", {2026, 3, 14, 9, 6, 0, 0}, 0u, 'O', 'A', 'B'},
        {"Jan O'Neil", {2026, 12, 31, 23, 59, 59, 0}, 123456u, 'O', 'B', 'A'},
    };
    EXPECT_TRUE(NactiKrizovatky(a.Cesta(), "Eva").empty()) << "no table yet";
    for (const ZaznamKrizovatky& z : zaznamy)
        ZapisKrizovatku(a.Cesta(), z);

    Tabulka t;
    t.Svaz(a.Cesta(), "Krizovatky");
    t.Otevri();
    std::string ulozeno;
    for (t.Prvni(); !t.Konec(); t.Dalsi()) {
        for (int i = 0; i < t.PocetPoli(); ++i)
            ulozeno += (i ? "|" : "") + t.PoleNaPozici(i).JakoText();
        ulozeno += "\n";
    }
    t.Zavri();
    EXPECT_EQ(ulozeno, Zlaty("krizovatky_zaznamy.txt"));

    const auto jan = NactiKrizovatky(a.Cesta(), "Jan O'Neil");
    ASSERT_EQ(jan.size(), 2u);
    ZaznamKrizovatky prvni = zaznamy[0];
    prvni.kdy.milisekunda = 0;
    EXPECT_EQ(jan[0], prvni);
    EXPECT_EQ(jan[1], zaznamy[2]);
    EXPECT_TRUE(jan[0].Spravne());
    EXPECT_FALSE(jan[1].Spravne());
    EXPECT_EQ(NactiKrizovatky(a.Cesta(), "Eva").size(), 1u);
    EXPECT_EQ(fs::status(a.Cesta() / "Krizovatky.DB").permissions()
                  & (fs::perms::group_all | fs::perms::others_all),
              fs::perms::none);

    for (auto [pole, hodnota] :
         {std::pair {"Seed", "12x"}, {"Seed", "4294967296"}, {"Zvolena", "D"}, {"Otazka", ""}}) {
        DocasnaSlozka b;
        ZapisKrizovatku(b.Cesta(), zaznamy[1]);
        Tabulka p;
        p.Svaz(b.Cesta(), "Krizovatky");
        p.Otevri();
        p.Uprav();
        p.PoleJmenem(pole).NastavText(hodnota);
        p.Uloz();
        p.Zavri();
        EXPECT_THROW(NactiKrizovatky(b.Cesta(), "Eva"), ChybaTabulky) << pole << " = " << hodnota;
    }
}

TEST(ZaznamKrizovatky, CiziSouborNeniPrepsan)
{
    DocasnaSlozka a;
    {
        std::ofstream cizi(a.Cesta() / "Krizovatky.DB", std::ios::binary);
        cizi << "toto není tabulka";
    }
    EXPECT_THROW(ZapisKrizovatku(a.Cesta(), {"Eva", {2026, 1, 1}, 1u, 'P', 'A', 'A'}),
                 ChybaTabulky);
    std::ifstream vstup(a.Cesta() / "Krizovatky.DB", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(vstup), {}), "toto není tabulka");
}
