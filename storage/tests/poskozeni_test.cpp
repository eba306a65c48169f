#include "storage/Definice.h"
#include "storage/Tabulka.h"
#include "storage/tests/Pomocne.h"

#include <SQLiteCpp/Database.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

class PoskozeniTest : public AdresarTest {
protected:
    // Opening must fail with a message naming the file and leave the file exactly as it was.
    void OtevreniSelze(const std::string& obsah, const std::string& ocekavanaZprava)
    {
        const fs::path soubor = adresar_ / "Profily.DB";
        ZapisSoubor(soubor, obsah);
        Tabulka t;
        t.Svaz(adresar_, "Profily");
        try {
            t.Otevri();
            FAIL() << "opened a damaged table";
        } catch (const ChybaTabulky& e) {
            const std::string zprava = e.what();
            EXPECT_NE(zprava.find("Tabulku „Profily.DB“ nelze otevřít: "), std::string::npos)
                << zprava;
            EXPECT_NE(zprava.find(ocekavanaZprava), std::string::npos) << zprava;
        }
        EXPECT_FALSE(t.JeOtevrena());
        EXPECT_EQ(ObsahSouboru(soubor), obsah);
        EXPECT_EQ(std::distance(fs::directory_iterator(adresar_), fs::directory_iterator()), 1)
            << "no companion file is left behind";
    }

    std::string PlatnaTabulka(int zaznamu)
    {
        const fs::path jinde = adresar_ / "zdroj";
        fs::create_directory(jinde);
        {
            Tabulka t;
            t.Svaz(jinde, "Profily");
            t.Vytvor(DefiniceProfily());
            t.Otevri();
            for (int i = 0; i < zaznamu; ++i) {
                t.Vloz();
                t.PoleJmenem("Profil").NastavText("Profil číslo " + std::to_string(i));
                t.PoleJmenem("Heslo").NastavText(std::string(120, 'h'));
                t.Uloz();
            }
        }
        std::string obsah = ObsahSouboru(jinde / "Profily.DB");
        fs::remove_all(jinde);
        return obsah;
    }
};

TEST_F(PoskozeniTest, NahodneBajtyNejsouTabulkou)
{
    std::string smeti;
    for (int i = 0; i < 3000; ++i)
        smeti += static_cast<char>((i * 7919 + 13) % 256);
    OtevreniSelze(smeti, "soubor není databází");
}

TEST_F(PoskozeniTest, PrazdnySouborZustanePrazdny) { OtevreniSelze("", "není tabulkou programu"); }

TEST_F(PoskozeniTest, ZkracenaTabulkaHlasiPoskozeni)
{
    const std::string cela = PlatnaTabulka(300);
    ASSERT_GT(cela.size(), 16384u);
    OtevreniSelze(cela.substr(0, cela.size() / 2), "poškozen");
}

TEST_F(PoskozeniTest, CiziDatabazeSQLiteNeniTabulkou)
{
    const fs::path zdroj = adresar_ / "cizi.sqlite";
    {
        SQLite::Database db(zdroj.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        db.exec("CREATE TABLE zaznamy (Profil TEXT); INSERT INTO zaznamy VALUES ('x')");
    }
    const std::string obsah = ObsahSouboru(zdroj);
    fs::remove(zdroj);
    OtevreniSelze(obsah, "není tabulkou programu");
}

TEST_F(PoskozeniTest, ChybejiciSouborSeNevytvori)
{
    Tabulka t;
    t.Svaz(adresar_, "Vysledky");
    try {
        t.Otevri();
        FAIL() << "opened a missing table";
    } catch (const ChybaTabulky& e) {
        EXPECT_NE(std::string(e.what()).find("Vysledky.DB"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(t.Existuje());
    EXPECT_TRUE(fs::is_empty(adresar_));
}

TEST_F(PoskozeniTest, PlatnaTabulkaSeOtevreAZavrenaNenechaPomocneSoubory)
{
    const std::string obsah = PlatnaTabulka(3);
    ZapisSoubor(adresar_ / "Profily.DB", obsah);
    Tabulka t;
    t.Svaz(adresar_, "Profily");
    t.Otevri();
    EXPECT_EQ(t.PocetZaznamu(), 3);
    EXPECT_EQ(t.PoleJmenem("Profil").JakoText(), "Profil číslo 0");
    t.Zavri();
    EXPECT_EQ(ObsahSouboru(adresar_ / "Profily.DB"), obsah) << "reading writes nothing";
    EXPECT_EQ(std::distance(fs::directory_iterator(adresar_), fs::directory_iterator()), 1);
}

}  // namespace
