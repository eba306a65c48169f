#include "storage/Definice.h"
#include "storage/Tabulka.h"
#include "storage/tests/Pomocne.h"

#include <SQLiteCpp/Database.h>
#include <gtest/gtest.h>

#include <map>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Faults of the table layer met on a user's machine: a failed write, a damaged or hand-edited
// file, a foreign file, two programs at once.
class SelhaniTest : public AdresarTest {
protected:
    fs::path Soubor(const std::string& tabulka) const { return adresar_ / (tabulka + ".DB"); }

    // Another program's connection to the table file.
    void Sql(const std::string& tabulka, const std::string& sql) const
    {
        SQLite::Database db(Soubor(tabulka).string(), SQLite::OPEN_READWRITE);
        db.exec(sql);
    }

    void VytvorVysledky(const std::vector<int>& pocty) const
    {
        Tabulka t;
        t.Svaz(adresar_, "Vysledky");
        t.Vytvor(DefiniceVysledky());
        t.Otevri();
        for (int pocet : pocty) {
            t.Vloz();
            t.PoleJmenem("Profil").NastavText("Jana");
            t.PoleJmenem("PocetOtazek").NastavCele(pocet);
            t.Uloz();
        }
    }

    std::vector<int> Pocty() const
    {
        Tabulka t;
        t.Svaz(adresar_, "Vysledky");
        t.Otevri();
        std::vector<int> v;
        for (t.Prvni(); !t.Konec(); t.Dalsi())
            v.push_back(t.PoleJmenem("PocetOtazek").JakoCele());
        return v;
    }

    // Every file of the directory with its bytes.
    std::map<std::string, std::string> Soubory() const
    {
        std::map<std::string, std::string> obsah;
        for (const auto& polozka : fs::directory_iterator(adresar_))
            obsah[polozka.path().filename().string()] = ObsahSouboru(polozka.path());
        return obsah;
    }

    // Opening must fail with a message naming the file and every piece of `casti`, and leave
    // every file of the directory as it was.
    void OtevreniSelze(const std::string& tabulka, const std::vector<std::string>& casti) const
    {
        const auto pred = Soubory();
        Tabulka t;
        t.Svaz(adresar_, tabulka);
        const std::string zprava = Zprava([&] { t.Otevri(); });
        EXPECT_NE(zprava.find("Tabulku „" + tabulka + ".DB“ nelze otevřít: "), std::string::npos)
            << zprava;
        for (const std::string& cast : casti)
            EXPECT_NE(zprava.find(cast), std::string::npos) << zprava;
        EXPECT_FALSE(t.JeOtevrena());
        EXPECT_EQ(Soubory(), pred);
    }

    // The message of the ChybaTabulky that `akce` raises; empty (and a failure) when none.
    static std::string Zprava(const std::function<void()>& akce)
    {
        try {
            akce();
        } catch (const ChybaTabulky& e) {
            return e.what();
        }
        ADD_FAILURE() << "no error";
        return {};
    }
};

// A post refused by the engine (a full disk here, a lock below) is reported, and no later move,
// filter change, insert, batch end or close writes it.
TEST_F(SelhaniTest, NeulozenyZaznamNezapiseZadnaPozdejsiOperace)
{
    const std::string plno = "CREATE TRIGGER plno_v BEFORE INSERT ON zaznamy BEGIN "
                             "SELECT RAISE(ABORT, 'database or disk is full'); END;"
                             "CREATE TRIGGER plno_u BEFORE UPDATE ON zaznamy BEGIN "
                             "SELECT RAISE(ABORT, 'database or disk is full'); END;";
    const std::string volno = "DROP TRIGGER plno_v; DROP TRIGGER plno_u";
    struct Pripad {
        const char* popis;
        bool uprava;  // edit the first record instead of inserting one
        std::function<void(Tabulka&)> potom;
    };
    const std::vector<Pripad> pripady{
        {"next", false, [](Tabulka& t) { t.Dalsi(); }},
        {"first after an edit", true, [](Tabulka& t) { t.Prvni(); }},
        {"move", true, [](Tabulka& t) { t.Posun(1); }},
        {"filter text", false, [](Tabulka& t) { t.NastavFiltrText("Profil = 'Jana'"); }},
        {"filter on", true, [](Tabulka& t) { t.Filtrovat(true); }},
        {"filter callback", false, [](Tabulka& t) { t.NastavFiltrFunkci([](Tabulka&) { return true; }); }},
        {"another insert", false, [](Tabulka& t) { t.Vloz(); t.Zrus(); }},
        {"batch end", false, [](Tabulka& t) { t.DokonciDavku(); }},
        {"close", true, [](Tabulka& t) { t.Zavri(); }},
    };
    for (const Pripad& pripad : pripady) {
        SCOPED_TRACE(pripad.popis);
        fs::remove(Soubor("Vysledky"));
        VytvorVysledky({10, 20});
        Tabulka t;
        t.Svaz(adresar_, "Vysledky");
        t.Otevri();
        Sql("Vysledky", plno);
        if (pripad.uprava)
            t.Uprav();
        else
            t.Vloz();
        t.PoleJmenem("PocetOtazek").NastavCele(99);
        EXPECT_NE(Zprava([&] { t.Uloz(); }).find("záznam nelze uložit: database or disk is full"),
                  std::string::npos);
        EXPECT_FALSE(t.Upravuje());
        EXPECT_EQ(t.PoleJmenem("PocetOtazek").JakoCele(), 10) << "the stored record shows again";
        Sql("Vysledky", volno);
        pripad.potom(t);
        t.Zavri();
        EXPECT_EQ(Pocty(), (std::vector<int>{10, 20}));
    }
}

TEST_F(SelhaniTest, ZamcenouTabulkuNelzeZapsatAniPozdeji)
{
    VytvorVysledky({10});
    Tabulka t;
    t.Svaz(adresar_, "Vysledky");
    t.Otevri();
    {
        SQLite::Database zamek(Soubor("Vysledky").string(), SQLite::OPEN_READWRITE);
        zamek.exec("BEGIN IMMEDIATE");
        t.Vloz();
        t.PoleJmenem("PocetOtazek").NastavCele(99);
        EXPECT_NE(Zprava([&] { t.Uloz(); }).find("database is locked"), std::string::npos);
        zamek.exec("COMMIT");
    }
    t.Dalsi();
    t.Filtrovat(true);
    t.Zavri();
    EXPECT_EQ(Pocty(), (std::vector<int>{10}));
}

// A whole number outside 32 bits is refused with the table, the field and the record named,
// instead of being cut to its low 32 bits.
TEST_F(SelhaniTest, CisloMimo32BituJeChybaZaznamu)
{
    for (const char* hodnota : {"4294967303", "-2147483649", "9223372036854775807"}) {
        SCOPED_TRACE(hodnota);
        fs::remove(Soubor("Vysledky"));
        VytvorVysledky({10, 20, 30});
        Sql("Vysledky", std::string("UPDATE zaznamy SET PocetOtazek = ") + hodnota +
                            " WHERE rowid = 2");
        Tabulka t;
        t.Svaz(adresar_, "Vysledky");
        t.Otevri();
        EXPECT_EQ(t.PoleJmenem("PocetOtazek").JakoCele(), 10);
        const std::string zprava = Zprava([&] { t.Dalsi(); });
        EXPECT_NE(zprava.find("Tabulka „Vysledky.DB“: hodnota " + std::string(hodnota) +
                              " pole „PocetOtazek“ záznamu č. 2 je mimo rozsah"),
                  std::string::npos)
            << zprava;
        // A filter callback is offered no cut value either.
        Tabulka f;
        f.Svaz(adresar_, "Vysledky");
        f.NastavFiltrFunkci([](Tabulka& x) { return x.PoleJmenem("PocetOtazek").JakoCele() > 0; });
        f.Filtrovat(true);
        EXPECT_NE(Zprava([&] { f.Otevri(); }).find("záznamu č. 2"), std::string::npos);
    }
    // The extremes of 32 bits are ordinary values.
    fs::remove(Soubor("Vysledky"));
    VytvorVysledky({2147483647, -2147483647 - 1});
    EXPECT_EQ(Pocty(), (std::vector<int>{2147483647, -2147483647 - 1}));
}

// Messages quote only the start of a bad value, however long it is.
TEST_F(SelhaniTest, ZpravaCitujeJenZacatekHodnoty)
{
    const std::string dlouha(10 * 1024 * 1024, '7');
    const std::string text = "x" + dlouha;
    VytvorVysledky({10});
    struct Pripad {
        const char* popis;
        std::function<void(Tabulka&)> akce;
    };
    const std::vector<Pripad> pripady{
        {"stored text in a number field",
         [&](Tabulka& t) {
             Sql("Vysledky", "UPDATE zaznamy SET PocetOtazek = 'x" + dlouha + "'");
             t.Otevri();
         }},
        {"text read as a number",
         [&](Tabulka& t) {
             t.Otevri();
             t.Uprav();
             t.PoleJmenem("TypTestu").NastavText(text.substr(0, 15));
             t.Uloz();
             t.PoleJmenem("TypTestu").JakoCele();
         }},
        {"text written to a number field",
         [&](Tabulka& t) {
             t.Otevri();
             t.Uprav();
             t.PoleJmenem("PocetOtazek").NastavText(text);
         }},
        {"filter text", [&](Tabulka& t) { t.NastavFiltrText("Profil = '" + dlouha); }},
        {"filter value", [&](Tabulka& t) {
             t.NastavFiltrText("Spatne = " + text);
             t.Filtrovat(true);
             t.Otevri();
         }},
    };
    for (const Pripad& pripad : pripady) {
        SCOPED_TRACE(pripad.popis);
        Tabulka t;
        t.Svaz(adresar_, "Vysledky");
        const std::string zprava = Zprava([&] { pripad.akce(t); });
        EXPECT_NE(zprava.find("Vysledky.DB"), std::string::npos) << zprava.substr(0, 300);
        EXPECT_NE(zprava.find("…"), std::string::npos) << zprava.substr(0, 300);
        EXPECT_LT(zprava.size(), 300u) << zprava.substr(0, 300);
    }
}

}  // namespace
