#include "profiles/PoradiProfilu.h"

#include "testsupport/DocasnaSlozka.h"
#include "testsupport/SlozkaJenProCteni.h"
#include "testsupport/Soubory.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Jmena = std::vector<std::string>;
const std::string kKlic = "Qt 6.4.2 cs_CZ";
const std::string kHlavicka = "Zebrovka: pořadí profilů 1\n";

}  // namespace

// The kept order is used only when the file is whole, made under the same key and holds exactly
// the names listed now (each as often); anything else lists nothing, and the manager sorts.
TEST(PoradiProfilu, PouzijeJenCelePoradiPraveTechtoJmen)
{
    const Jmena listovana {"Čeněk", "Adam", "Chrudoš", "Hana"};
    const std::string dobry = kHlavicka + kKlic + "\nAdam\nČeněk\nHana\nChrudoš\n";
    const struct {
        const char* nazev;
        std::optional<std::string> obsah;  // none: no file
        Jmena jmena;
        std::optional<Jmena> ocekavane;
    } pripady[] = {
        {"bez souboru", std::nullopt, listovana, std::nullopt},
        {"celé pořadí, jména v jiném sledu", dobry, listovana,
         Jmena {"Adam", "Čeněk", "Hana", "Chrudoš"}},
        {"přibyl profil", dobry, {"Čeněk", "Adam", "Chrudoš", "Hana", "Eva"}, std::nullopt},
        {"ubyl profil", dobry, {"Čeněk", "Adam", "Hana"}, std::nullopt},
        {"přejmenovaný profil", dobry, {"Čeněk", "Adam", "Chrudoš", "Jana"}, std::nullopt},
        {"jméno dvakrát",
         kHlavicka + kKlic + "\nAdam\nAdam\nHana\n",
         {"Adam", "Hana", "Hana"},
         std::nullopt},
        {"jiný klíč", kHlavicka + "Qt 6.8.0 cs_CZ\nAdam\nČeněk\nHana\nChrudoš\n", listovana,
         std::nullopt},
        {"useknutý soubor", dobry.substr(0, dobry.size() - 1), listovana, std::nullopt},
        {"cizí hlavička", "Profily\n" + kKlic + "\nAdam\nČeněk\nHana\nChrudoš\n", listovana,
         std::nullopt},
        {"prázdný soubor", std::string(), listovana, std::nullopt},
        {"bez profilů", kHlavicka + kKlic + "\n", {}, Jmena {}},
        {"příliš velký", kHlavicka + kKlic + "\n" + std::string(1 << 20, 'x') + "\n", listovana,
         std::nullopt},
    };
    for (const auto& p : pripady) {
        DocasnaSlozka slozka;
        if (p.obsah)
            ZapisSoubor(slozka.Cesta() / kSouborPoradiProfilu, *p.obsah);
        EXPECT_EQ(NactiPoradiProfilu(slozka.Cesta(), p.jmena, kKlic), p.ocekavane) << p.nazev;
    }
}

// A kept order reads back as it was saved and replaces the earlier one whole; a temporary file
// left by a killed program goes; a name that cannot be one line, or a folder that cannot be
// written, leaves things as they were, and nothing is thrown.
TEST(PoradiProfilu, UkladaCeleANicNeporusi)
{
    DocasnaSlozka slozka;
    const fs::path soubor = slozka.Cesta() / kSouborPoradiProfilu;
    const Jmena prvni {"Adam", "Čeněk", "Hana", "Chrudoš"};
    UlozPoradiProfilu(slozka.Cesta(), prvni, kKlic);
    EXPECT_EQ(NactiPoradiProfilu(slozka.Cesta(), {"Hana", "Adam", "Chrudoš", "Čeněk"}, kKlic),
              prvni);

    const fs::path opusteny = slozka.Cesta() / ".PoradiProfilu-a1B2c3.tmp";
    ZapisSoubor(opusteny, "zbytek");
    const Jmena druhe {"Bára", "Chrudoš"};
    UlozPoradiProfilu(slozka.Cesta(), druhe, kKlic);
    EXPECT_EQ(ObsahSouboru(soubor), kHlavicka + kKlic + "\nBára\nChrudoš\n");
    EXPECT_FALSE(fs::exists(opusteny));

    UlozPoradiProfilu(slozka.Cesta(), {"Adam", "Ev\na"}, kKlic);
    EXPECT_EQ(ObsahSouboru(soubor), kHlavicka + kKlic + "\nBára\nChrudoš\n");

    {
        SlozkaJenProCteni jenProCteni(slozka.Cesta());
        ASSERT_TRUE(jenProCteni.Platne());
        EXPECT_NO_THROW(UlozPoradiProfilu(slozka.Cesta(), prvni, kKlic));
    }
    EXPECT_EQ(ObsahSouboru(soubor), kHlavicka + kKlic + "\nBára\nChrudoš\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(slozka.Cesta()), fs::directory_iterator()), 1);
}
