#include "tools/importotazek/ImportOtazek.h"

#include "questions/Banka.h"
#include "storage/Definice.h"
#include "storage/Tabulka.h"
#include "testsupport/DocasnaSlozka.h"
#include "testsupport/Soubory.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::string
    kJpeg("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00\xFF\xD9", 24);

void Zapis(const fs::path& soubor, const std::string& obsah)
{
    fs::create_directories(soubor.parent_path());
    std::ofstream(soubor, std::ios::binary) << obsah;
}

// A data directory per test: otazky/ for the sources, grafika/ with one real JPEG signature and
// one file that only claims to be a JPEG.
class Import : public ::testing::Test {
protected:
    void SetUp() override
    {
        data_ = koren_ / "data";
        cil_ = koren_ / "vystup";
        Zapis(data_ / "grafika" / "622.jpg", kJpeg);
        Zapis(data_ / "grafika" / "png.jpg", "\x89PNG\r\n\x1a\n");
        fs::create_directories(data_ / "otazky");
    }

    void Zdroj(const std::string& jmeno, const std::string& yaml)
    {
        Zapis(data_ / "otazky" / jmeno, yaml);
    }

    DocasnaSlozka slozka_;
    const fs::path koren_ {slozka_.Cesta()};
    fs::path data_, cil_;
};

// A complete entry of category 1 with the given number; `navic` adds lines.
std::string Otazka1(int cislo, const std::string& navic = {})
{
    return "- cislo: " + std::to_string(cislo)
        + "\n"
          "  otazka: \"Otázka "
        + std::to_string(cislo)
        + "?\"\n"
          "  a: \"Ano.\"\n"
          "  b: \"Ne.\"\n"
          "  spravne: \"A\"\n"
          "  skupina: \"ABCD\"\n"
          "  oblast: 1\n"
        + navic;
}

TEST_F(Import, PlatnyZdrojDaTabulkuVePoradiCiselSPolimaBanky)
{
    Zdroj("kategorie6.yaml",
          "- cislo: 640\n"
          "  otazka: \"Značka „Stůj, dej přednost v jízdě!“ – co přikazuje?\"\n"
          "  a: \"Zastavit.\"\n"
          "  b: \"Zpomalit.\"\n"
          "  c: \"Troubit.\"\n"
          "  d: \"Nic … § 1\"\n"
          "  spravne: \"AD\"\n"
          "  skupina: \"BCD\"\n"
          "  oblast: 2\n"
          "  obrazek: \"grafika\\\\622.jpg\"\n"
          "  poznamka: \"Uvozovky \\\" uvnitř.\"\n"
          "- cislo: 622\n"
          "  otazka: \"Druhá?\"\n"
          "  a: \"x\"\n"
          "  b: \"y\"\n"
          "  spravne: \"B\"\n"
          "  skupina: \"A\"\n"
          "  obrazek: \"grafika/622.jpg\"\n"
          "  oblast: 4\n");
    Zdroj("kategorie1.yaml", Otazka1(7, "  poznamka: \"Poznámka.\"\n") + Otazka1(3));

    const ZdrojBanky zdroj = NactiZdroj(data_);
    ZapisBanku(zdroj, cil_);

    Tabulka tabulka;
    tabulka.Svaz(cil_, "otazky");
    tabulka.Otevri();
    const auto& ocekavana = DefiniceOtazky();
    const auto& definice = tabulka.Definice();
    ASSERT_EQ(definice.size(), 10u);
    const std::vector<std::string> nazvy {"Číslo", "OTÁZKA",  "A",       "B",       "C",
                                          "D",     "SPRÁVNĚ", "Skupina", "OBRÁZEK", "POZNÁMKA"};
    for (std::size_t i = 0; i < definice.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(definice[i].nazev, nazvy[i]);
        EXPECT_EQ(definice[i].typ, ocekavana[i].typ);
        if (definice[i].typ == TypPole::Text)
            EXPECT_EQ(definice[i].delka, ocekavana[i].delka);
    }
    EXPECT_EQ(definice[0].typ, TypPole::Cele);
    EXPECT_EQ(definice[1].typ, TypPole::Memo);
    EXPECT_EQ(definice[8].delka, 100);

    std::vector<int> cisla;
    for (tabulka.Prvni(); !tabulka.Konec(); tabulka.Dalsi())
        cisla.push_back(tabulka.PoleNaPozici(0).JakoCele());
    EXPECT_EQ(cisla, (std::vector<int> {3, 7, 622, 640}));

    tabulka.Prvni();
    tabulka.Posun(3);
    EXPECT_EQ(tabulka.PoleJmenem("OTÁZKA").JakoText(),
              "Značka „Stůj, dej přednost v jízdě!“ – co přikazuje?");
    EXPECT_EQ(tabulka.PoleNaPozici(5).JakoText(), "Nic … § 1");
    EXPECT_EQ(tabulka.PoleNaPozici(6).JakoText(), "AD");
    EXPECT_EQ(tabulka.PoleNaPozici(7).JakoText(), "BCD");
    EXPECT_EQ(tabulka.PoleNaPozici(8).JakoText(), "grafika/622.jpg");
    EXPECT_EQ(tabulka.PoleNaPozici(9).JakoText(), "Uvozovky \" uvnitř.");
    tabulka.Prvni();
    EXPECT_TRUE(tabulka.PoleNaPozici(4).JePrazdne());  // no answer c
    EXPECT_TRUE(tabulka.PoleNaPozici(8).JePrazdne());  // no picture
    EXPECT_TRUE(tabulka.PoleNaPozici(9).JePrazdne());  // no note
    tabulka.Zavri();

    // The sections, one record per question in the same order, through the same storage layer.
    Tabulka oblasti;
    oblasti.Svaz(cil_, "oblasti");
    oblasti.Otevri();
    ASSERT_EQ(oblasti.Definice().size(), 2u);
    EXPECT_EQ(oblasti.Definice()[0].nazev, "Číslo");
    EXPECT_EQ(oblasti.Definice()[1].nazev, "Oblast");
    EXPECT_EQ(oblasti.Definice()[0].typ, TypPole::Cele);
    EXPECT_EQ(oblasti.Definice()[1].typ, TypPole::Cele);
    std::vector<std::pair<int, int>> zaznamy;
    for (oblasti.Prvni(); !oblasti.Konec(); oblasti.Dalsi())
        zaznamy.emplace_back(oblasti.PoleJmenem("Číslo").JakoCele(),
                             oblasti.PoleJmenem("Oblast").JakoCele());
    EXPECT_EQ(zaznamy, (std::vector<std::pair<int, int>> {{3, 1}, {7, 1}, {622, 4}, {640, 2}}));
    oblasti.Zavri();

    EXPECT_EQ(ObsahSouboru(cil_ / "otazky.MB"),
              "Zebrovka: banka otázek\n"
              "otázek: 4\n"
              "kategorie1.yaml: 2\n"
              "kategorie6.yaml: 2\n");
    EXPECT_FALSE(fs::exists(cil_ / "otazky.novy"));

    Banka banka;
    banka.Nacti(cil_);
    ASSERT_EQ(banka.Vse().size(), 4u);
    EXPECT_EQ(banka.Najdi(7)->poznamka, "Poznámka.");
    EXPECT_EQ(banka.Najdi(640)->d, "Nic … § 1");
}

// A mistyped data folder, a folder without otazky/ or without sources stops the import instead of
// giving an empty bank.
TEST_F(Import, ChybejiciNeboPrazdnyZdrojZastaviImport)
{
    struct Pripad {
        const char* popis;
        fs::path data;
        std::function<void()> priprava;
        std::string text;
    };
    const std::vector<Pripad> pripady {
        {"mistyped data folder", koren_ / "dta", [] {}, "the data directory does not exist"},
        {"no otazky", data_, [&] { fs::remove_all(data_ / "otazky"); }, "has no otazky directory"},
        {"no source", data_, [&] { fs::create_directories(data_ / "otazky"); }, "no source file"},
    };
    for (const Pripad& pripad : pripady) {
        SCOPED_TRACE(pripad.popis);
        pripad.priprava();
        try {
            NactiZdroj(pripad.data);
            ADD_FAILURE() << "the import passed";
        } catch (const ChybaImportu& e) {
            const std::string zprava = e.what();
            EXPECT_NE(zprava.find(pripad.text), std::string::npos) << zprava;
            EXPECT_EQ(zprava.rfind(e.Soubor().string(), 0), 0u) << "names the path: " << zprava;
        }
    }

    // CRLF line ends are as good as LF.
    fs::create_directories(data_ / "otazky");
    std::string crlf;
    for (const char z : Otazka1(5) + Otazka1(6))
        crlf += z == '\n' ? std::string("\r\n") : std::string(1, z);
    Zdroj("kategorie1.yaml", crlf);
    const ZdrojBanky zdroj = NactiZdroj(data_);
    ASSERT_EQ(zdroj.otazky.size(), 2u);
    EXPECT_EQ(zdroj.otazky[1].otazka, "Otázka 6?");
}

TEST_F(Import, NovyImportNahradiPredchoziBanku)
{
    Zdroj("kategorie1.yaml", Otazka1(1) + Otazka1(2));
    ZapisBanku(NactiZdroj(data_), cil_);
    Zdroj("kategorie1.yaml", Otazka1(5));
    ZapisBanku(NactiZdroj(data_), cil_);

    Banka banka;
    banka.Nacti(cil_);
    ASSERT_EQ(banka.Vse().size(), 1u);
    EXPECT_EQ(banka.Vse()[0].cislo, 5);
}

// Stands for a directory where a source file is expected.
const std::string kAdresar = "<directory>";

struct ChybnyZdroj {
    const char* popis;
    std::vector<std::pair<std::string, std::string>> soubory;
    std::string soubor;  // the file the message must name
    int radek;
    int cislo;
    std::string text;  // a piece of the message
};

TEST_F(Import, KazdePravidloZastaviImportSeSouboremRadkemACislem)
{
    const std::string hlavicka = "- cislo: 5\n  otazka: \"Q?\"\n";  // lines 1-2
    const auto otazka = [&](const std::string& zbytek) { return hlavicka + zbytek; };
    const std::string ab = "  a: \"x\"\n  b: \"y\"\n";  // lines 3-4
    const std::string ok = ab + "  spravne: \"A\"\n  skupina: \"ABCD\"\n";  // to line 6
    const std::string obrazek622 =
        "- cislo: 622\n  otazka: \"Q?\"\n" + ab + "  spravne: \"A\"\n  skupina: \"ABCD\"\n";

    const std::vector<ChybnyZdroj> pripady {
        {"number 0",
         {{"kategorie1.yaml", Otazka1(1) + Otazka1(0)}},
         "kategorie1.yaml",
         8,
         0,
         "outside 1..757"},
        {"number 758",
         {{"kategorie7.yaml", "- cislo: 758\n"}},
         "kategorie7.yaml",
         1,
         758,
         "outside 1..757"},
        {"not a number",
         {{"kategorie1.yaml", "- cislo: 12a\n"}},
         "kategorie1.yaml",
         1,
         0,
         "whole number"},
        {"number quoted",
         {{"kategorie2.yaml", "- cislo: \"421\"\n"}},
         "kategorie2.yaml",
         1,
         0,
         "unquoted whole number"},
        {"number in single quotes",
         {{"kategorie2.yaml", "- cislo: '421'\n"}},
         "kategorie2.yaml",
         1,
         0,
         "unquoted whole number"},
        {"number with a leading zero",
         {{"kategorie2.yaml", "- cislo: 0421\n"}},
         "kategorie2.yaml",
         1,
         0,
         "without a leading zero"},
        {"repeated in a file",
         {{"kategorie1.yaml", Otazka1(4) + Otazka1(4)}},
         "kategorie1.yaml",
         8,
         4,
         "repeated; first given at"},
        {"repeated across files",
         {{"kategorie1.yaml", Otazka1(4)}, {"kategorie2.yaml", "\n" + Otazka1(4)}},
         "kategorie2.yaml",
         2,
         4,
         "kategorie1.yaml:1"},
        {"wrong category",
         {{"kategorie1.yaml", Otazka1(3) + Otazka1(421)}},
         "kategorie1.yaml",
         8,
         421,
         "belongs to category 2"},
        {"removed for good",
         {{"kategorie1.yaml", Otazka1(181)}},
         "kategorie1.yaml",
         1,
         181,
         "removed for good"},
        {"empty text",
         {{"kategorie1.yaml", "- cislo: 5\n  otazka: \"  \"\n" + ok}},
         "kategorie1.yaml",
         2,
         5,
         "question text is empty"},
        {"no text",
         {{"kategorie1.yaml", "- cislo: 5\n" + ok}},
         "kategorie1.yaml",
         1,
         5,
         "question text is empty"},
        {"only answer a",
         {{"kategorie1.yaml", otazka("  a: \"x\"\n  spravne: \"A\"\n  skupina: \"A\"\n")}},
         "kategorie1.yaml",
         1,
         5,
         "answers a and b"},
        {"d without c",
         {{"kategorie1.yaml", otazka(ab + "  d: \"z\"\n  spravne: \"A\"\n  skupina: \"A\"\n")}},
         "kategorie1.yaml",
         5,
         5,
         "d is given without answer c"},
        {"empty answer",
         {{"kategorie1.yaml", otazka("  a: \"\"\n  b: \"y\"\n")}},
         "kategorie1.yaml",
         3,
         5,
         "answer a is empty"},
        {"correct empty",
         {{"kategorie1.yaml", otazka(ab + "  spravne: \"\"\n")}},
         "kategorie1.yaml",
         5,
         5,
         "correct letters are empty"},
        {"correct lower case",
         {{"kategorie1.yaml", otazka(ab + "  spravne: \"b\"\n")}},
         "kategorie1.yaml",
         5,
         5,
         "upper case"},
        {"correct not alphabetical",
         {{"kategorie1.yaml", otazka(ab + "  c: \"z\"\n  spravne: \"CA\"\n")}},
         "kategorie1.yaml",
         6,
         5,
         "alphabetical"},
        {"correct repeated",
         {{"kategorie1.yaml", otazka(ab + "  spravne: \"AA\"\n")}},
         "kategorie1.yaml",
         5,
         5,
         "'A' is repeated"},
        {"correct names absent answer",
         {{"kategorie1.yaml", otazka(ab + "  spravne: \"AC\"\n")}},
         "kategorie1.yaml",
         5,
         5,
         "names answer c"},
        {"correct with a separator",
         {{"kategorie1.yaml", otazka(ab + "  spravne: \"A,B\"\n")}},
         "kategorie1.yaml",
         5,
         5,
         "',' is not one of"},
        {"group empty",
         {{"kategorie1.yaml", otazka(ab + "  spravne: \"A\"\n  skupina: \"\"\n")}},
         "kategorie1.yaml",
         6,
         5,
         "non-empty ordered subset"},
        {"group out of order",
         {{"kategorie1.yaml", otazka(ab + "  spravne: \"A\"\n  skupina: \"BA\"\n")}},
         "kategorie1.yaml",
         6,
         5,
         "non-empty ordered subset"},
        {"group with a foreign letter",
         {{"kategorie1.yaml", otazka(ab + "  spravne: \"A\"\n  skupina: \"ABT\"\n")}},
         "kategorie1.yaml",
         6,
         5,
         "non-empty ordered subset"},
        {"group letter twice",
         {{"kategorie1.yaml", otazka(ab + "  spravne: \"A\"\n  skupina: \"AAB\"\n")}},
         "kategorie1.yaml",
         6,
         5,
         "non-empty ordered subset"},
        {"picture below 621",
         {{"kategorie1.yaml", Otazka1(5, "  obrazek: \"grafika/622.jpg\"\n")}},
         "kategorie1.yaml",
         8,
         5,
         "only questions from 621"},
        {"picture missing",
         {{"kategorie6.yaml", obrazek622}},
         "kategorie6.yaml",
         1,
         622,
         "need a picture"},
        {"picture file absent",
         {{"kategorie6.yaml", obrazek622 + "  obrazek: \"grafika/623.jpg\"\n"}},
         "kategorie6.yaml",
         7,
         622,
         "does not exist"},
        {"picture not a JPEG",
         {{"kategorie6.yaml", obrazek622 + "  obrazek: \"grafika/png.jpg\"\n"}},
         "kategorie6.yaml",
         7,
         622,
         "is not a JPEG"},
        {"picture outside the data directory",
         {{"kategorie6.yaml", obrazek622 + "  obrazek: \"../data/grafika/622.jpg\"\n"}},
         "kategorie6.yaml",
         7,
         622,
         "must not leave"},
        {"not in Windows-1250",
         {{"kategorie1.yaml", Otazka1(5, "  poznamka: \"Rychlost ≤ 50 km/h.\"\n")}},
         "kategorie1.yaml",
         8,
         5,
         "'≤' (U+2264)"},
        {"emoji",
         {{"kategorie1.yaml", otazka("  a: \"🚗\"\n")}},
         "kategorie1.yaml",
         3,
         5,
         "U+1F697"},
        {"bad bytes in a comment",
         {{"kategorie1.yaml",
           Otazka1(5)
               + "# pozn\xe1mka v k\xf3"
                 "dov\xe1n\xed 1250\n"}},
         "kategorie1.yaml",
         8,
         0,
         "not valid UTF-8 (byte"},
        {"overlong form in a comment",
         {{"kategorie1.yaml", "# \xc0\xafx\n" + Otazka1(5)}},
         "kategorie1.yaml",
         1,
         0,
         "not valid UTF-8 (byte 2)"},
        {"lone CR",
         {{"kategorie1.yaml", Otazka1(5) + "- cislo: 6\r  otazka: \"x\"\n"}},
         "kategorie1.yaml",
         8,
         0,
         "LF or CRLF, not a lone CR"},
        {"escape character",
         {{"kategorie1.yaml", Otazka1(5, "  poznamka: \"a\x1b[31m\"\n")}},
         "kategorie1.yaml",
         8,
         0,
         "control character U+001B"},
        {"NUL",
         {{"kategorie1.yaml", Otazka1(5, std::string("  poznamka: \"a\0b\"\n", 18))}},
         "kategorie1.yaml",
         8,
         0,
         "control character U+0000"},
        {"tab",
         {{"kategorie1.yaml", Otazka1(5, "  poznamka: \"a\tb\"\n")}},
         "kategorie1.yaml",
         8,
         0,
         "control character U+0009"},
        {"escaped backspace",
         {{"kategorie1.yaml", Otazka1(5, "  poznamka: \"a\\bb\"\n")}},
         "kategorie1.yaml",
         8,
         5,
         "\"poznamka\" contains the control character U+0008"},
        {"directory named like a source",
         {{"kategorie2.yaml", kAdresar}},
         "kategorie2.yaml",
         0,
         0,
         "is not a regular file"},
        {"empty source",
         {{"kategorie1.yaml", Otazka1(5)}, {"kategorie3.yaml", ""}},
         "kategorie3.yaml",
         0,
         0,
         "holds no question"},
        {"only a comment",
         {{"kategorie3.yaml", "# nothing yet\n"}},
         "kategorie3.yaml",
         0,
         0,
         "holds no question"},
        {"empty sequence",
         {{"kategorie3.yaml", "[]\n"}},
         "kategorie3.yaml",
         0,
         0,
         "holds no question"},
        {"too large",
         {{"kategorie1.yaml", Otazka1(5) + "# " + std::string(4 << 20, 'x') + "\n"}},
         "kategorie1.yaml",
         0,
         0,
         "more than a source may (4194304)"},
        {"unknown key",
         {{"kategorie1.yaml", Otazka1(5, "  spravna: \"B\"\n")}},
         "kategorie1.yaml",
         8,
         5,
         "unknown key \"spravna\""},
        {"key twice",
         {{"kategorie1.yaml", Otazka1(5, "  a: \"z\"\n")}},
         "kategorie1.yaml",
         8,
         5,
         "given twice"},
        {"YAML syntax",
         {{"kategorie1.yaml", Otazka1(5) + "- cislo: 6\n  otazka: \"x\" navíc\n  a: \"y\"\n"}},
         "kategorie1.yaml",
         9,
         0,
         "YAML syntax error"},
        {"not a sequence",
         {{"kategorie1.yaml", "cislo: 5\n"}},
         "kategorie1.yaml",
         1,
         0,
         "sequence"},
        {"foreign file name",
         {{"otazky.yaml", Otazka1(5)}},
         "otazky.yaml",
         0,
         0,
         "kategorie1.yaml .. kategorie7.yaml"},
        // Every question names its section of the exam: an unquoted whole number 1..7.
        {"no section",
         {{"kategorie2.yaml", Otazka1(422) + "- cislo: 421\n  otazka: \"Q?\"\n" + ok}},
         "kategorie2.yaml",
         8,
         421,
         "has no \"oblast\""},
        {"section 0",
         {{"kategorie1.yaml", otazka(ok + "  oblast: 0\n")}},
         "kategorie1.yaml",
         7,
         5,
         "\"oblast\" must be an unquoted whole number 1..7, not \"0\""},
        {"section 8",
         {{"kategorie1.yaml", otazka(ok + "  oblast: 8\n")}},
         "kategorie1.yaml",
         7,
         5,
         "not \"8\""},
        {"section 12",
         {{"kategorie1.yaml", otazka(ok + "  oblast: 12\n")}},
         "kategorie1.yaml",
         7,
         5,
         "not \"12\""},
        {"section negative",
         {{"kategorie1.yaml", otazka(ok + "  oblast: -3\n")}},
         "kategorie1.yaml",
         7,
         5,
         "not \"-3\""},
        {"section as a word",
         {{"kategorie1.yaml", otazka(ok + "  oblast: tri\n")}},
         "kategorie1.yaml",
         7,
         5,
         "not \"tri\""},
        {"section quoted",
         {{"kategorie1.yaml", otazka(ok + "  oblast: \"3\"\n")}},
         "kategorie1.yaml",
         7,
         5,
         "not the quoted text \"3\""},
        {"section single-quoted",
         {{"kategorie1.yaml", otazka(ok + "  oblast: '3'\n")}},
         "kategorie1.yaml",
         7,
         5,
         "not the quoted text \"3\""},
        {"section empty",
         {{"kategorie1.yaml", otazka(ok + "  oblast:\n")}},
         "kategorie1.yaml",
         7,
         5,
         "key \"oblast\" needs a text value"},
        {"section twice",
         {{"kategorie1.yaml", Otazka1(5, "  oblast: 2\n")}},
         "kategorie1.yaml",
         8,
         5,
         "key \"oblast\" given twice"},
    };

    for (const auto& pripad : pripady) {
        SCOPED_TRACE(pripad.popis);
        fs::remove_all(data_ / "otazky");
        for (const auto& [jmeno, obsah] : pripad.soubory) {
            if (obsah == kAdresar)
                fs::create_directories(data_ / "otazky" / jmeno);
            else
                Zdroj(jmeno, obsah);
        }
        try {
            NactiZdroj(data_);
            ADD_FAILURE() << "the import passed";
        } catch (const ChybaImportu& e) {
            EXPECT_EQ(e.Soubor().filename(), pripad.soubor);
            EXPECT_EQ(e.Radek(), pripad.radek);
            EXPECT_EQ(e.Cislo(), pripad.cislo);
            std::string misto = pripad.soubor;
            if (pripad.radek > 0)
                misto += ":" + std::to_string(pripad.radek);
            misto += ": ";
            if (pripad.cislo > 0)
                misto += "question " + std::to_string(pripad.cislo) + ": ";
            const std::string zprava = e.what();
            EXPECT_NE(zprava.find(misto), std::string::npos) << zprava;
            EXPECT_NE(zprava.find(pripad.text), std::string::npos) << zprava;
        }
    }
}

// The tool itself: a passing source gives exit code 0 and the two files; a failing one gives a
// non-zero code and leaves the bank of the earlier run exactly as it was.
TEST_F(Import, NastrojKonciNenulovymKodemANechaPredchoziBanku)
{
    const auto prikaz = [&](const fs::path& data) {
        const std::string text = std::string(ZK_IMPORT_OTAZEK) + " " + data.string() + " "
            + cil_.string() + " >" + (koren_ / "log").string() + " 2>&1";
        return std::system(text.c_str());
    };
    Zdroj("kategorie1.yaml", Otazka1(5));
    ASSERT_EQ(prikaz(data_), 0) << ObsahSouboru(koren_ / "log");
    const std::string banka = ObsahSouboru(cil_ / "otazky.DB");
    const std::string oblasti = ObsahSouboru(cil_ / "oblasti.DB");
    const std::string razitko = ObsahSouboru(cil_ / "otazky.MB");
    ASSERT_FALSE(banka.empty());
    ASSERT_FALSE(oblasti.empty());
    for (const char* soubor : {"otazky.DB", "oblasti.DB"})
        EXPECT_EQ(fs::status(cil_ / soubor).permissions(),
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read
                      | fs::perms::others_read)
            << soubor << " is readable by every user and writable by none but its owner";

    Zdroj("kategorie1.yaml", Otazka1(5, "  spravna: \"B\"\n"));
    EXPECT_NE(prikaz(data_), 0);
    EXPECT_NE(ObsahSouboru(koren_ / "log").find("kategorie1.yaml:8: question 5: unknown key"),
              std::string::npos)
        << ObsahSouboru(koren_ / "log");
    Zdroj("kategorie1.yaml",
          "- cislo: 5\n  otazka: \"Q?\"\n  a: \"x\"\n  b: \"y\"\n"
          "  spravne: \"A\"\n  skupina: \"ABCD\"\n  oblast: 9\n");
    EXPECT_NE(prikaz(data_), 0);
    EXPECT_NE(
        ObsahSouboru(koren_ / "log").find("kategorie1.yaml:7: question 5: \"oblast\" must be"),
        std::string::npos)
        << ObsahSouboru(koren_ / "log");
    EXPECT_NE(prikaz(koren_ / "dta"), 0);
    EXPECT_NE(ObsahSouboru(koren_ / "log").find("dta: the data directory does not exist"),
              std::string::npos)
        << ObsahSouboru(koren_ / "log");
    EXPECT_EQ(ObsahSouboru(cil_ / "otazky.DB"), banka);
    EXPECT_EQ(ObsahSouboru(cil_ / "oblasti.DB"), oblasti);
    EXPECT_EQ(ObsahSouboru(cil_ / "otazky.MB"), razitko);
    EXPECT_EQ(std::distance(fs::directory_iterator(cil_), fs::directory_iterator()), 3);
}

}  // namespace
