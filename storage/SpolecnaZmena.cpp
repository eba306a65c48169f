#include "storage/SpolecnaZmena.h"

#include "storage/RezimLogu.h"
#include "storage/StavTabulky.h"
#include "storage/ZapisStatistiky.h"

#include <SQLiteCpp/Exception.h>

#include <algorithm>
#include <map>

namespace fs = std::filesystem;

struct SpolecnaZmena::Stav {
    struct Clen {
        std::string schema;  // main, t1, t2, ...
        std::string jmenoSouboru;
        std::vector<DefinicePole> definice;
    };

    std::unique_ptr<SQLite::Database> db;
    std::map<std::string, Clen> tabulky;
    std::string prvni;
    bool zahajeno = false;

    const Clen& Tabulka(const std::string& nazev) const
    {
        const auto it = tabulky.find(nazev);
        if (it == tabulky.end())
            throw ChybaTabulky("Tabulka „" + nazev + ".DB“ není součástí změny");
        return it->second;
    }

    const DefinicePole& Pole(const Clen& c, const std::string& pole) const
    {
        for (const auto& p : c.definice)
            if (StejneJmeno(p.nazev, pole))
                return p;
        throw ChybaTabulky("Tabulka „" + c.jmenoSouboru + "“: pole „" + pole + "“ neexistuje");
    }

    [[noreturn]] void Chyba(const std::string& jmenoSouboru, const std::string& co,
                            const SQLite::Exception& e) const
    {
        throw ChybaTabulky("Tabulka „" + jmenoSouboru + "“: " + co + ": " + PopisChyby(e));
    }

    // WHERE clause of the records to change: the field equals ?1 (an empty value is stored as
    // none), or the first such record.
    std::string Podminka(const Clen& c, const DefinicePole& p, const std::string& hodnota,
                         bool jenPrvni) const
    {
        const std::string tabulka = c.schema + "." + kTabulkaZaznamu;
        const std::string rovnost = Uvozovky(p.nazev) + (hodnota.empty() ? " IS NULL" : " = ?1");
        if (!jenPrvni)
            return " WHERE " + rovnost;
        return " WHERE rowid = (SELECT min(rowid) FROM " + tabulka + " WHERE " + rovnost + ")";
    }
};

SpolecnaZmena::SpolecnaZmena(const fs::path& adresar, const std::vector<std::string>& tabulky)
    : s_(std::make_unique<Stav>())
{
    auto& s = *s_;
    std::string otevirany;
    // The answer writer of this program keeps its tables in a log session; a change of any of them
    // ends it now, so that the change commits all its files at once.
    if (std::any_of(tabulky.begin(), tabulky.end(), TabulkaOdpovedi))
        ZavriSpojeniStatistiky();
    try {
        for (const std::string& nazev : tabulky) {
            const std::string jmeno = nazev + ".DB";
            const fs::path soubor = adresar / jmeno;
            std::error_code ec;
            if (!fs::exists(soubor, ec)) {
                if (!s.db)
                    KontrolaPredOtevrenim(soubor, jmeno);  // reports the missing file
                continue;
            }
            KontrolaPredOtevrenim(soubor, jmeno);
            otevirany = jmeno;
            Stav::Clen clen {s.db ? "t" + std::to_string(s.tabulky.size()) : "main", jmeno, {}};
            if (!s.db) {
                s.db = std::make_unique<SQLite::Database>(soubor.string(), SQLite::OPEN_READWRITE);
                NastavSpojeni(*s.db);
                s.prvni = nazev;
            } else {
                SQLite::Statement pripoj(*s.db, "ATTACH DATABASE ? AS " + clen.schema);
                pripoj.bind(1, soubor.string());
                pripoj.exec();
            }
            s.db->exec("PRAGMA " + clen.schema + ".synchronous=FULL");
            VyzadejDenik(*s.db, clen.schema, jmeno);
            clen.definice = OverTabulku(*s.db, clen.schema, jmeno);
            s.tabulky.emplace(nazev, std::move(clen));
        }
        otevirany = s.tabulky.at(s.prvni).jmenoSouboru;
        // Every file is locked for writing before the first change, so a lock held elsewhere
        // stops the change before it starts.
        s.db->exec("BEGIN IMMEDIATE");
        s.zahajeno = true;
    } catch (const SQLite::Exception& e) {
        throw ChybaTabulky("Tabulku „" + otevirany + "“ nelze otevřít: " + PopisChyby(e));
    }
}

SpolecnaZmena::~SpolecnaZmena()
{
    if (s_->zahajeno)
        s_->db->tryExec("ROLLBACK");
}

bool SpolecnaZmena::Obsahuje(const std::string& tabulka) const
{
    return s_->tabulky.count(tabulka) != 0;
}

int SpolecnaZmena::Prepis(const std::string& tabulka, const std::string& pole,
                          const std::string& stara, const std::string& nova, bool jenPrvni)
{
    const auto& c = s_->Tabulka(tabulka);
    const DefinicePole& p = s_->Pole(c, pole);
    if (p.typ != TypPole::Text && p.typ != TypPole::Memo)
        throw ChybaTabulky("Tabulka „" + c.jmenoSouboru + "“: pole „" + p.nazev + "“ není textové");
    try {
        SQLite::Statement uprav(*s_->db,
                                "UPDATE " + c.schema + "." + kTabulkaZaznamu + " SET "
                                    + Uvozovky(p.nazev) + " = ?2"
                                    + s_->Podminka(c, p, stara, jenPrvni));
        if (!stara.empty())
            uprav.bind(1, stara);
        const std::string ulozena =
            p.typ == TypPole::Text ? OriznoutZnaky(nova, static_cast<std::size_t>(p.delka)) : nova;
        if (ulozena.empty())
            uprav.bind(2);
        else
            uprav.bind(2, ulozena);
        return uprav.exec();
    } catch (const SQLite::Exception& e) {
        s_->Chyba(c.jmenoSouboru, "záznamy nelze uložit", e);
    }
}

int SpolecnaZmena::Smaz(const std::string& tabulka, const std::string& pole,
                        const std::string& hodnota, bool jenPrvni)
{
    const auto& c = s_->Tabulka(tabulka);
    const DefinicePole& p = s_->Pole(c, pole);
    try {
        SQLite::Statement smaz(*s_->db,
                               "DELETE FROM " + c.schema + "." + kTabulkaZaznamu
                                   + s_->Podminka(c, p, hodnota, jenPrvni));
        if (!hodnota.empty())
            smaz.bind(1, hodnota);
        return smaz.exec();
    } catch (const SQLite::Exception& e) {
        s_->Chyba(c.jmenoSouboru, "záznamy nelze smazat", e);
    }
}

void SpolecnaZmena::Potvrd()
{
    auto& s = *s_;
    if (!s.zahajeno)
        return;
    try {
        s.db->exec("COMMIT");
        s.zahajeno = false;
    } catch (const SQLite::Exception& e) {
        s.Chyba(s.tabulky.at(s.prvni).jmenoSouboru, "změnu nelze uložit", e);
    }
}
