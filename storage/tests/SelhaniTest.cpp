#include "storage/Definice.h"
#include "storage/Tabulka.h"
#include "storage/tests/Pomocne.h"

#include <SQLiteCpp/Database.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
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
        zamek.exec("BEGIN EXCLUSIVE");
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

}  // namespace
