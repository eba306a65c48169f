#include "storage/Tabulka.h"

#include "base/Utf8.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>
#include <sqlite3.h>

#include <charconv>
#include <system_error>

namespace fs = std::filesystem;

// On disk a table is an SQLite database holding two tables: zk_pole describes the fields (name,
// type, width, position) and zaznamy holds the records, one column per field, in rowid order.
namespace {

constexpr const char* kTabulkaPoli = "zk_pole";
constexpr const char* kTabulkaZaznamu = "zaznamy";

const char* NazevTypu(TypPole typ)
{
    switch (typ) {
    case TypPole::Text: return "Text";
    case TypPole::Cele: return "Cele";
    case TypPole::Datum: return "Datum";
    case TypPole::Cas: return "Cas";
    case TypPole::DatumACas: return "DatumACas";
    case TypPole::Memo: return "Memo";
    }
    return "";
}

std::optional<TypPole> TypZNazvu(const std::string& nazev)
{
    for (TypPole t : {TypPole::Text, TypPole::Cele, TypPole::Datum, TypPole::Cas,
                      TypPole::DatumACas, TypPole::Memo})
        if (nazev == NazevTypu(t))
            return t;
    return std::nullopt;
}

std::string Uvozovky(const std::string& identifikator)
{
    std::string v = "\"";
    for (char z : identifikator) {
        if (z == '"')
            v += '"';
        v += z;
    }
    return v + '"';
}

bool StejneJmeno(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto mala = [](char z) { return z >= 'A' && z <= 'Z' ? char(z - 'A' + 'a') : z; };
        if (mala(a[i]) != mala(b[i]))
            return false;
    }
    return true;
}

std::optional<std::int32_t> CtiCele(std::string_view text)
{
    std::int32_t cislo = 0;
    const char* zacatek = text.data();
    if (!text.empty() && text.front() == '+')
        ++zacatek;
    const char* konec = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(zacatek, konec, cislo);
    if (ec != std::errc() || ptr != konec || zacatek == konec)
        return std::nullopt;
    return cislo;
}

DatumCas Normalizuj(DatumCas d, TypPole typ)
{
    d.milisekunda = 0;
    if (typ == TypPole::Datum)
        d.hodina = d.minuta = d.sekunda = 0;
    else if (typ == TypPole::Cas)
        d.rok = d.mesic = d.den = 0;
    return d;
}

std::string DatumNaText(const DatumCas& d, TypPole typ)
{
    switch (typ) {
    case TypPole::Datum: return d.DatumIso();
    case TypPole::Cas: return d.CasIso();
    default: return d.DatumCasIso();
    }
}

bool JeDatumovy(TypPole typ)
{
    return typ == TypPole::Datum || typ == TypPole::Cas || typ == TypPole::DatumACas;
}

struct FiltrTextu {
    std::string pole;
    std::string hodnota;
};

// Reads "Pole = 'hodnota'" (inner quotes doubled) or "Pole = hodnota".
std::optional<FiltrTextu> RozeberFiltr(const std::string& text)
{
    auto mezera = [](char z) { return z == ' ' || z == '\t'; };
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && mezera(text[i]))
        ++i;
    const std::size_t zacatekPole = i;
    while (i < n && !mezera(text[i]) && text[i] != '=')
        ++i;
    FiltrTextu f;
    f.pole = text.substr(zacatekPole, i - zacatekPole);
    while (i < n && mezera(text[i]))
        ++i;
    if (f.pole.empty() || i >= n || text[i] != '=')
        return std::nullopt;
    ++i;
    while (i < n && mezera(text[i]))
        ++i;
    if (i < n && text[i] == '\'') {
        ++i;
        bool uzavreno = false;
        while (i < n) {
            if (text[i] == '\'') {
                if (i + 1 < n && text[i + 1] == '\'') {
                    f.hodnota += '\'';
                    i += 2;
                    continue;
                }
                ++i;
                uzavreno = true;
                break;
            }
            f.hodnota += text[i++];
        }
        if (!uzavreno)
            return std::nullopt;
    } else {
        while (i < n && !mezera(text[i]))
            f.hodnota += text[i++];
        if (f.hodnota.empty())
            return std::nullopt;
    }
    while (i < n && mezera(text[i]))
        ++i;
    if (i != n)
        return std::nullopt;
    return f;
}

}  // namespace

struct Tabulka::Stav {
    fs::path adresar;
    std::string nazev;

    std::vector<DefinicePole> definice;
    std::vector<DefinicePole> vypocitana;
    VypocetFunkce vypocet;

    FiltrFunkce filtrFunkce;
    std::string filtrText;
    std::optional<FiltrTextu> filtr;
    bool filtrovano = false;

    // The statements are declared after the connection so that they are finalized first.
    std::unique_ptr<SQLite::Database> db;
    bool jenCteni = false;
    bool davka = false;  // an explicit transaction collects the posts
    std::unique_ptr<SQLite::Statement> dotazRadek;  // the stored fields of one rowid

    std::vector<std::int64_t> viditelne;  // rowids of the visible records, in natural order
    std::size_t pozice = 0;
    std::vector<HodnotaPole> radek;  // current record, or the buffer while inserting/editing

    enum class Rezim { Prochazeni, Vkladani, Upravy } rezim = Rezim::Prochazeni;

    std::string JmenoSouboru() const { return nazev + ".DB"; }
    fs::path Soubor() const { return adresar / JmenoSouboru(); }

    [[noreturn]] void Chyba(const std::string& co) const
    {
        throw ChybaTabulky("Tabulka „" + JmenoSouboru() + "“: " + co);
    }

    void MusiBytOtevrena() const
    {
        if (!db)
            Chyba("tabulka není otevřena");
    }

    const DefinicePole& Definice(int pozice) const
    {
        const int pocetUlozenych = static_cast<int>(definice.size());
        return pozice < pocetUlozenych ? definice[pozice] : vypocitana[pozice - pocetUlozenych];
    }

    std::string SeznamSloupcu() const
    {
        std::string s;
        for (const auto& p : definice) {
            if (!s.empty())
                s += ", ";
            s += Uvozovky(p.nazev);
        }
        return s;
    }

    int NajdiPole(std::string_view jmeno) const
    {
        const int pocet = static_cast<int>(definice.size() + vypocitana.size());
        for (int i = 0; i < pocet; ++i)
            if (Definice(i).nazev == jmeno)
                return i;
        for (int i = 0; i < pocet; ++i)
            if (StejneJmeno(Definice(i).nazev, jmeno))
                return i;
        return -1;
    }

    // Text as a value of the field's type; `oriznout` cuts text to the field width.
    HodnotaPole ZTextu(const DefinicePole& p, std::string_view text, bool oriznout) const
    {
        if (text.empty())
            return std::monostate{};
        switch (p.typ) {
        case TypPole::Text:
            return oriznout ? OriznoutZnaky(text, static_cast<std::size_t>(p.delka)) : std::string(text);
        case TypPole::Memo:
            return std::string(text);
        case TypPole::Cele:
            if (auto c = CtiCele(text))
                return *c;
            Chyba("hodnota „" + std::string(text) + "“ pole „" + p.nazev + "“ není celé číslo");
        default:
            try {
                return Normalizuj(DatumCas::ZIso(std::string(text)), p.typ);
            } catch (const std::invalid_argument&) {
                Chyba("hodnota „" + std::string(text) + "“ pole „" + p.nazev +
                      "“ není datum ani čas");
            }
        }
    }

    HodnotaPole ZeSloupce(const DefinicePole& p, const SQLite::Column& sloupec) const
    {
        if (sloupec.isNull())
            return std::monostate{};
        if (p.typ == TypPole::Cele) {
            if (sloupec.isInteger())
                return static_cast<std::int32_t>(sloupec.getInt64());
            return ZTextu(p, sloupec.getString(), false);
        }
        return ZTextu(p, sloupec.getString(), false);
    }

    void Navaz(SQLite::Statement& dotaz, int index, const DefinicePole& p,
               const HodnotaPole& h) const
    {
        if (std::holds_alternative<std::monostate>(h))
            dotaz.bind(index);
        else if (auto* t = std::get_if<std::string>(&h))
            dotaz.bind(index, *t);
        else if (auto* c = std::get_if<std::int32_t>(&h))
            dotaz.bind(index, *c);
        else
            dotaz.bind(index, DatumNaText(std::get<DatumCas>(h), p.typ));
    }

    void VyprazdniRadek()
    {
        radek.assign(definice.size() + vypocitana.size(), std::monostate{});
    }

    void Vypocitej(Tabulka& t)
    {
        if (vypocet)
            vypocet(t);
    }

    // Loads the record under the cursor into `radek`; a record deleted meanwhile by another
    // cursor reads as empty.
    void NactiAktualni(Tabulka& t)
    {
        VyprazdniRadek();
        if (pozice >= viditelne.size())
            return;
        try {
            dotazRadek->reset();
            dotazRadek->bind(1, static_cast<std::int64_t>(viditelne[pozice]));
            if (dotazRadek->executeStep())
                for (std::size_t i = 0; i < definice.size(); ++i)
                    radek[i] = ZeSloupce(definice[i], dotazRadek->getColumn(static_cast<int>(i)));
            dotazRadek->reset();
        } catch (const SQLite::Exception& e) {
            dotazRadek->tryReset();
            Chyba(std::string("záznam nelze přečíst: ") + e.what());
        } catch (...) {
            // Ends the read transaction so that other cursors can still write.
            dotazRadek->tryReset();
            throw;
        }
        Vypocitej(t);
    }

    // Calculated fields can be written at any time; stored ones only while inserting or editing.
    void MuzeZapsat(int pozice) const
    {
        MusiBytOtevrena();
        if (pozice < static_cast<int>(definice.size()) && rezim == Rezim::Prochazeni)
            Chyba("pole „" + definice[pozice].nazev +
                  "“ lze měnit jen při vkládání nebo úpravě záznamu");
    }

    bool FiltrTextuAktivni() const { return filtrovano && filtr.has_value(); }
    bool FiltrFunkceAktivni() const { return filtrovano && static_cast<bool>(filtrFunkce); }

    std::pair<int, HodnotaPole> HodnotaFiltru() const
    {
        const int index = NajdiPole(filtr->pole);
        if (index < 0 || index >= static_cast<int>(definice.size()))
            Chyba("filtr „" + filtrText + "“ uvádí neznámé pole „" + filtr->pole + "“");
        return {index, ZTextu(definice[index], filtr->hodnota, false)};
    }

    void Prepocitej(Tabulka& t)
    {
        try {
            PrepocitejSurove(t);
        } catch (const SQLite::Exception& e) {
            Chyba(std::string("záznamy nelze přečíst: ") + e.what());
        }
    }

    // Recomputes the visible records and puts the cursor on the first; engine errors pass
    // through unchanged.
    void PrepocitejSurove(Tabulka& t)
    {
        viditelne.clear();
        pozice = 0;
        {
            std::string sql = "SELECT rowid";
            if (FiltrFunkceAktivni())
                sql += ", " + SeznamSloupcu();
            sql += std::string(" FROM ") + kTabulkaZaznamu;
            std::pair<int, HodnotaPole> podminka;
            if (FiltrTextuAktivni()) {
                podminka = HodnotaFiltru();
                sql += " WHERE " + Uvozovky(definice[podminka.first].nazev) +
                       (std::holds_alternative<std::monostate>(podminka.second) ? " IS NULL"
                                                                               : " = ?");
            }
            sql += " ORDER BY rowid";
            SQLite::Statement dotaz(*db, sql);
            if (FiltrTextuAktivni() && !std::holds_alternative<std::monostate>(podminka.second))
                Navaz(dotaz, 1, definice[podminka.first], podminka.second);
            if (!FiltrFunkceAktivni()) {
                while (dotaz.executeStep())
                    viditelne.push_back(dotaz.getColumn(0).getInt64());
            } else {
                // The callback reads the offered record through the ordinary field access.
                while (dotaz.executeStep()) {
                    VyprazdniRadek();
                    for (std::size_t i = 0; i < definice.size(); ++i)
                        radek[i] = ZeSloupce(definice[i], dotaz.getColumn(static_cast<int>(i + 1)));
                    Vypocitej(t);
                    if (filtrFunkce(t))
                        viditelne.push_back(dotaz.getColumn(0).getInt64());
                }
            }
        }
        NactiAktualni(t);
    }

    // Whether the record in `radek` passes the current filter.
    bool ProjdeFiltrem(Tabulka& t)
    {
        if (FiltrTextuAktivni()) {
            auto [index, hodnota] = HodnotaFiltru();
            if (radek[index] != hodnota)
                return false;
        }
        if (FiltrFunkceAktivni()) {
            Vypocitej(t);
            return filtrFunkce(t);
        }
        return true;
    }
};

const std::string& Pole::Nazev() const { return tabulka_->s_->Definice(pozice_).nazev; }
TypPole Pole::Typ() const { return tabulka_->s_->Definice(pozice_).typ; }
int Pole::Delka() const { return tabulka_->s_->Definice(pozice_).delka; }

HodnotaPole Pole::Hodnota() const
{
    tabulka_->s_->MusiBytOtevrena();
    return tabulka_->s_->radek[pozice_];
}

bool Pole::JePrazdne() const { return std::holds_alternative<std::monostate>(Hodnota()); }

std::string Pole::JakoText() const
{
    const HodnotaPole h = Hodnota();
    if (auto* t = std::get_if<std::string>(&h))
        return *t;
    if (auto* c = std::get_if<std::int32_t>(&h))
        return std::to_string(*c);
    if (auto* d = std::get_if<DatumCas>(&h))
        return DatumNaText(*d, Typ());
    return {};
}

std::int32_t Pole::JakoCele() const
{
    const HodnotaPole h = Hodnota();
    if (auto* c = std::get_if<std::int32_t>(&h))
        return *c;
    if (auto* t = std::get_if<std::string>(&h)) {
        if (auto c = CtiCele(*t))
            return *c;
        tabulka_->s_->Chyba("hodnota „" + *t + "“ pole „" + Nazev() + "“ není celé číslo");
    }
    if (std::holds_alternative<DatumCas>(h))
        tabulka_->s_->Chyba("pole „" + Nazev() + "“ nelze číst jako celé číslo");
    return 0;
}

DatumCas Pole::JakoDatumCas() const
{
    const HodnotaPole h = Hodnota();
    if (auto* d = std::get_if<DatumCas>(&h))
        return *d;
    if (auto* t = std::get_if<std::string>(&h)) {
        try {
            return DatumCas::ZIso(*t);
        } catch (const std::invalid_argument&) {
            tabulka_->s_->Chyba("hodnota „" + *t + "“ pole „" + Nazev() + "“ není datum ani čas");
        }
    }
    if (std::holds_alternative<std::int32_t>(h))
        tabulka_->s_->Chyba("pole „" + Nazev() + "“ nelze číst jako datum");
    return {};
}

void Pole::NastavText(std::string_view text)
{
    auto& s = *tabulka_->s_;
    s.MuzeZapsat(pozice_);
    s.radek[pozice_] = s.ZTextu(s.Definice(pozice_), text, true);
}

void Pole::NastavCele(std::int32_t cislo)
{
    auto& s = *tabulka_->s_;
    s.MuzeZapsat(pozice_);
    const auto& p = s.Definice(pozice_);
    if (JeDatumovy(p.typ))
        s.Chyba("do pole „" + p.nazev + "“ nelze zapsat celé číslo");
    if (p.typ == TypPole::Cele)
        s.radek[pozice_] = cislo;
    else
        s.radek[pozice_] = s.ZTextu(p, std::to_string(cislo), true);
}

void Pole::NastavDatumCas(const DatumCas& hodnota)
{
    auto& s = *tabulka_->s_;
    s.MuzeZapsat(pozice_);
    const auto& p = s.Definice(pozice_);
    if (p.typ == TypPole::Cele)
        s.Chyba("do pole „" + p.nazev + "“ nelze zapsat datum");
    if (JeDatumovy(p.typ))
        s.radek[pozice_] = Normalizuj(hodnota, p.typ);
    else
        s.radek[pozice_] = s.ZTextu(p, hodnota.DatumCasIso(), true);
}

void Pole::Vymaz()
{
    auto& s = *tabulka_->s_;
    s.MuzeZapsat(pozice_);
    s.radek[pozice_] = std::monostate{};
}

Tabulka::Tabulka() : s_(std::make_unique<Stav>()) {}
Tabulka::~Tabulka() = default;

void Tabulka::Svaz(const fs::path& adresar, const std::string& nazev)
{
    Zavri();
    s_->adresar = adresar;
    s_->nazev = nazev;
    s_->definice.clear();
}

const std::string& Tabulka::NazevTabulky() const { return s_->nazev; }
fs::path Tabulka::Soubor() const { return s_->Soubor(); }

bool Tabulka::Existuje() const
{
    std::error_code chyba;
    return fs::exists(Soubor(), chyba);
}

void Tabulka::Vytvor(const std::vector<DefinicePole>& pole)
{
    auto& s = *s_;
    if (s.nazev.empty())
        throw ChybaTabulky("Tabulka nemá jméno");
    if (Existuje())
        s.Chyba("soubor už existuje, tabulku nelze vytvořit");
    if (pole.empty())
        s.Chyba("tabulka musí mít aspoň jedno pole");
    for (std::size_t i = 0; i < pole.size(); ++i) {
        if (pole[i].nazev.empty())
            s.Chyba("pole bez jména");
        if (pole[i].typ == TypPole::Text && pole[i].delka <= 0)
            s.Chyba("textové pole „" + pole[i].nazev + "“ musí mít kladnou délku");
        for (std::size_t j = 0; j < i; ++j)
            if (StejneJmeno(pole[i].nazev, pole[j].nazev))
                s.Chyba("pole „" + pole[i].nazev + "“ je uvedeno dvakrát");
    }
    Zavri();

    const fs::path soubor = Soubor();
    try {
        SQLite::Database db(soubor.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        // WAL keeps a post to one fsync; the mode is stored in the file, so opening never
        // needs to write.
        db.exec("PRAGMA journal_mode=WAL");
        SQLite::Transaction transakce(db);
        db.exec(std::string("CREATE TABLE ") + kTabulkaPoli +
                " (pozice INTEGER PRIMARY KEY, nazev TEXT NOT NULL, typ TEXT NOT NULL,"
                " delka INTEGER NOT NULL)");
        SQLite::Statement vlozPole(
            db, std::string("INSERT INTO ") + kTabulkaPoli + " VALUES (?, ?, ?, ?)");
        std::string sloupce;
        bool maProfil = false;
        for (std::size_t i = 0; i < pole.size(); ++i) {
            const auto& p = pole[i];
            const int delka = p.typ == TypPole::Text ? p.delka : 0;
            vlozPole.bind(1, static_cast<int>(i));
            vlozPole.bind(2, p.nazev);
            vlozPole.bind(3, NazevTypu(p.typ));
            vlozPole.bind(4, delka);
            vlozPole.exec();
            vlozPole.reset();
            if (!sloupce.empty())
                sloupce += ", ";
            sloupce += Uvozovky(p.nazev) + (p.typ == TypPole::Cele ? " INTEGER" : " TEXT");
            maProfil = maProfil || p.nazev == "Profil";
        }
        db.exec(std::string("CREATE TABLE ") + kTabulkaZaznamu + " (" + sloupce + ")");
        // Result tables are filtered by profile; the index keeps that cheap on large tables.
        if (maProfil)
            db.exec(std::string("CREATE INDEX zk_podle_profilu ON ") + kTabulkaZaznamu +
                    " (\"Profil\")");
        transakce.commit();
    } catch (const SQLite::Exception& e) {
        std::error_code ignoruj;
        for (const char* pripona : {"", "-wal", "-shm", "-journal"})
            fs::remove(fs::path(soubor.string() + pripona), ignoruj);
        s.Chyba(std::string("tabulku nelze vytvořit: ") + e.what());
    }
    s.definice = pole;
    for (auto& p : s.definice)
        if (p.typ != TypPole::Text)
            p.delka = 0;
}

namespace {

std::string UriSouboru(const fs::path& soubor)
{
    std::string uri = "file:";
    for (unsigned char z : fs::absolute(soubor).string()) {
        if (z == '%' || z == '?' || z == '#' || z < 0x20) {
            static const char hex[] = "0123456789ABCDEF";
            uri += '%';
            uri += hex[z >> 4];
            uri += hex[z & 15];
        } else {
            uri += static_cast<char>(z);
        }
    }
    return uri + "?immutable=1";
}

// Reads the field definitions; nothing is written, so a foreign file stays as it was.
std::vector<DefinicePole> NactiDefinice(SQLite::Database& db, const std::string& jmenoSouboru)
{
    SQLite::Statement kontrola(
        db, std::string("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name IN ('") +
                kTabulkaPoli + "', '" + kTabulkaZaznamu + "')");
    kontrola.executeStep();
    const auto chyba = [&](const std::string& co) {
        return ChybaTabulky("Tabulku „" + jmenoSouboru + "“ nelze otevřít: " + co);
    };
    if (kontrola.getColumn(0).getInt() != 2)
        throw chyba("soubor není tabulkou programu");
    std::vector<DefinicePole> definice;
    SQLite::Statement dotaz(db, std::string("SELECT pozice, nazev, typ, delka FROM ") +
                                    kTabulkaPoli + " ORDER BY pozice");
    while (dotaz.executeStep()) {
        const auto typ = TypZNazvu(dotaz.getColumn(2).getString());
        if (dotaz.getColumn(0).getInt() != static_cast<int>(definice.size()) || !typ)
            throw chyba("popis polí je poškozen");
        definice.push_back({dotaz.getColumn(1).getString(), *typ, dotaz.getColumn(3).getInt()});
    }
    if (definice.empty())
        throw chyba("popis polí je poškozen");
    return definice;
}

}  // namespace

void Tabulka::Otevri()
{
    Zavri();
    auto& s = *s_;
    if (s.nazev.empty())
        throw ChybaTabulky("Tabulka nemá jméno");
    const fs::path soubor = Soubor();
    const std::string jmeno = s.JmenoSouboru();
    const auto chyba = [&](const std::string& co) {
        return ChybaTabulky("Tabulku „" + jmeno + "“ nelze otevřít: " + co);
    };
    std::error_code ec;
    if (!fs::is_regular_file(soubor, ec))
        throw chyba(fs::exists(soubor, ec) ? "není to soubor" : "soubor neexistuje");

    std::vector<DefinicePole> definice;
    try {
        // Without OPEN_CREATE a missing file is never created; a write-protected file opens
        // read-only.
        s.db = std::make_unique<SQLite::Database>(soubor.string(), SQLite::OPEN_READWRITE, 2000);
        try {
            definice = NactiDefinice(*s.db, jmeno);
        } catch (const SQLite::Exception& e) {
            // A WAL file in a write-protected directory cannot get its shared-memory file;
            // it is read as an immutable file instead.
            if (!sqlite3_db_readonly(s.db->getHandle(), "main") &&
                e.getErrorCode() != SQLITE_CANTOPEN)
                throw;
            s.db.reset();
            s.db = std::make_unique<SQLite::Database>(
                UriSouboru(soubor), SQLite::OPEN_READONLY | SQLite::OPEN_URI, 2000);
            definice = NactiDefinice(*s.db, jmeno);
        }
        s.jenCteni = sqlite3_db_readonly(s.db->getHandle(), "main") == 1;
        s.db->exec("PRAGMA synchronous=FULL");
        s.definice = std::move(definice);
        s.dotazRadek = std::make_unique<SQLite::Statement>(
            *s.db, "SELECT " + s.SeznamSloupcu() + " FROM " + kTabulkaZaznamu +
                       " WHERE rowid = ?");
    } catch (const SQLite::Exception& e) {
        s.dotazRadek.reset();
        s.db.reset();
        throw chyba(e.what());
    } catch (const ChybaTabulky&) {
        s.dotazRadek.reset();
        s.db.reset();
        throw;
    }
    try {
        s.PrepocitejSurove(*this);
    } catch (const SQLite::Exception& e) {
        Zavri();
        throw chyba(e.what());
    } catch (const ChybaTabulky&) {
        Zavri();
        throw;
    }
}

void Tabulka::Zavri()
{
    auto& s = *s_;
    s.rezim = Stav::Rezim::Prochazeni;
    if (s.davka && s.db)
        s.db->tryExec("ROLLBACK");
    s.davka = false;
    s.dotazRadek.reset();
    s.db.reset();
    s.viditelne.clear();
    s.pozice = 0;
    s.radek.clear();
}

bool Tabulka::JeOtevrena() const { return s_->db != nullptr; }

namespace {

void UlozJeLiTreba(Tabulka& t)
{
    if (t.Upravuje())
        t.Uloz();
}

}  // namespace

void Tabulka::NastavFiltrFunkci(FiltrFunkce funkce)
{
    UlozJeLiTreba(*this);
    s_->filtrFunkce = std::move(funkce);
    if (JeOtevrena() && s_->filtrovano)
        s_->Prepocitej(*this);
}

void Tabulka::NastavFiltrText(const std::string& text)
{
    auto& s = *s_;
    std::optional<FiltrTextu> filtr;
    if (!text.empty()) {
        filtr = RozeberFiltr(text);
        if (!filtr)
            s.Chyba("neplatný filtr „" + text + "“");
    }
    UlozJeLiTreba(*this);
    s.filtrText = text;
    s.filtr = std::move(filtr);
    if (JeOtevrena() && s.filtrovano)
        s.Prepocitej(*this);
}

void Tabulka::Filtrovat(bool zapnuto)
{
    UlozJeLiTreba(*this);
    const bool zmena = s_->filtrovano != zapnuto;
    s_->filtrovano = zapnuto;
    if (JeOtevrena() && (zmena || zapnuto))
        s_->Prepocitej(*this);
}

bool Tabulka::Filtrovano() const { return s_->filtrovano; }

int Tabulka::PocetZaznamu() const { return static_cast<int>(s_->viditelne.size()); }

void Tabulka::Prvni()
{
    s_->MusiBytOtevrena();
    UlozJeLiTreba(*this);
    s_->pozice = 0;
    s_->NactiAktualni(*this);
}

void Tabulka::Dalsi()
{
    s_->MusiBytOtevrena();
    UlozJeLiTreba(*this);
    if (s_->pozice < s_->viditelne.size())
        ++s_->pozice;
    s_->NactiAktualni(*this);
}

void Tabulka::Posun(int o)
{
    auto& s = *s_;
    s.MusiBytOtevrena();
    UlozJeLiTreba(*this);
    if (s.viditelne.empty())
        return;
    const long long cil = static_cast<std::int64_t>(s.pozice) + o;
    const long long posledni = static_cast<std::int64_t>(s.viditelne.size()) - 1;
    s.pozice = static_cast<std::size_t>(cil < 0 ? 0 : (cil > posledni ? posledni : cil));
    s.NactiAktualni(*this);
}

bool Tabulka::Konec() const { return s_->pozice >= s_->viditelne.size(); }
bool Tabulka::Prazdna() const { return s_->viditelne.empty(); }
int Tabulka::Poradi() const { return static_cast<int>(s_->pozice); }

int Tabulka::PocetPoli() const
{
    return static_cast<int>(s_->definice.size() + s_->vypocitana.size());
}

Pole Tabulka::PoleJmenem(std::string_view nazev)
{
    const int pozice = s_->NajdiPole(nazev);
    if (pozice < 0)
        s_->Chyba("pole „" + std::string(nazev) + "“ neexistuje");
    return Pole(*this, pozice);
}

Pole Tabulka::PoleNaPozici(int pozice)
{
    if (pozice < 0 || pozice >= PocetPoli())
        s_->Chyba("pole na pozici " + std::to_string(pozice) + " neexistuje");
    return Pole(*this, pozice);
}

const std::vector<DefinicePole>& Tabulka::Definice() const { return s_->definice; }

void Tabulka::Vloz()
{
    auto& s = *s_;
    s.MusiBytOtevrena();
    UlozJeLiTreba(*this);
    if (s.jenCteni)
        s.Chyba("tabulka je jen pro čtení");
    s.VyprazdniRadek();
    s.rezim = Stav::Rezim::Vkladani;
}

void Tabulka::Uprav()
{
    auto& s = *s_;
    s.MusiBytOtevrena();
    if (Upravuje())
        return;
    if (s.jenCteni)
        s.Chyba("tabulka je jen pro čtení");
    if (Konec())
        s.Chyba("není vybrán žádný záznam k úpravě");
    s.rezim = Stav::Rezim::Upravy;
}

void Tabulka::Uloz()
{
    auto& s = *s_;
    s.MusiBytOtevrena();
    if (!Upravuje())
        s.Chyba("žádný záznam se nevkládá ani neupravuje");
    const std::size_t n = s.definice.size();
    try {
        if (s.rezim == Stav::Rezim::Vkladani) {
            std::string otazniky;
            for (std::size_t i = 0; i < n; ++i)
                otazniky += i ? ", ?" : "?";
            SQLite::Statement vloz(*s.db, std::string("INSERT INTO ") + kTabulkaZaznamu + " (" +
                                              s.SeznamSloupcu() + ") VALUES (" + otazniky + ")");
            for (std::size_t i = 0; i < n; ++i)
                s.Navaz(vloz, static_cast<int>(i + 1), s.definice[i], s.radek[i]);
            vloz.exec();
            const std::int64_t rowid = s.db->getLastInsertRowid();
            s.rezim = Stav::Rezim::Prochazeni;
            // A new rowid is above every existing one, so the record goes to the end.
            if (s.ProjdeFiltrem(*this)) {
                s.viditelne.push_back(rowid);
                s.pozice = s.viditelne.size() - 1;
            }
        } else {
            std::string prirazeni;
            for (std::size_t i = 0; i < n; ++i)
                prirazeni += (i ? ", " : "") + Uvozovky(s.definice[i].nazev) + " = ?";
            SQLite::Statement uprav(*s.db, std::string("UPDATE ") + kTabulkaZaznamu + " SET " +
                                               prirazeni + " WHERE rowid = ?");
            for (std::size_t i = 0; i < n; ++i)
                s.Navaz(uprav, static_cast<int>(i + 1), s.definice[i], s.radek[i]);
            uprav.bind(static_cast<int>(n + 1), static_cast<std::int64_t>(s.viditelne[s.pozice]));
            if (uprav.exec() == 0)
                s.Chyba("upravovaný záznam byl mezitím smazán");
            s.rezim = Stav::Rezim::Prochazeni;
        }
    } catch (const SQLite::Exception& e) {
        s.Chyba(std::string("záznam nelze uložit: ") + e.what());
    }
    s.NactiAktualni(*this);
}

void Tabulka::Zrus()
{
    auto& s = *s_;
    if (!Upravuje())
        return;
    s.rezim = Stav::Rezim::Prochazeni;
    s.NactiAktualni(*this);
}

bool Tabulka::Upravuje() const { return s_->rezim != Stav::Rezim::Prochazeni; }

void Tabulka::Smaz()
{
    auto& s = *s_;
    s.MusiBytOtevrena();
    if (s.rezim == Stav::Rezim::Vkladani) {
        Zrus();
        return;
    }
    if (s.jenCteni)
        s.Chyba("tabulka je jen pro čtení");
    if (Konec())
        s.Chyba("není vybrán žádný záznam ke smazání");
    s.rezim = Stav::Rezim::Prochazeni;
    try {
        SQLite::Statement smaz(*s.db,
                               std::string("DELETE FROM ") + kTabulkaZaznamu + " WHERE rowid = ?");
        smaz.bind(1, static_cast<std::int64_t>(s.viditelne[s.pozice]));
        smaz.exec();
    } catch (const SQLite::Exception& e) {
        s.Chyba(std::string("záznam nelze smazat: ") + e.what());
    }
    s.viditelne.erase(s.viditelne.begin() + static_cast<std::ptrdiff_t>(s.pozice));
    s.NactiAktualni(*this);
}

void Tabulka::ZacniDavku()
{
    auto& s = *s_;
    s.MusiBytOtevrena();
    if (s.jenCteni)
        s.Chyba("tabulka je jen pro čtení");
    if (s.davka)
        return;
    try {
        s.db->exec("BEGIN IMMEDIATE");
    } catch (const SQLite::Exception& e) {
        s.Chyba(std::string("hromadný zápis nelze zahájit: ") + e.what());
    }
    s.davka = true;
}

void Tabulka::DokonciDavku()
{
    auto& s = *s_;
    s.MusiBytOtevrena();
    UlozJeLiTreba(*this);
    if (!s.davka)
        return;
    try {
        s.db->exec("COMMIT");
    } catch (const SQLite::Exception& e) {
        s.Chyba(std::string("hromadný zápis nelze dokončit: ") + e.what());
    }
    s.davka = false;
}

void Tabulka::NastavVypocitanaPole(std::vector<DefinicePole> pole, VypocetFunkce funkce)
{
    auto& s = *s_;
    for (const auto& p : pole)
        for (const auto& ulozene : s.definice)
            if (StejneJmeno(p.nazev, ulozene.nazev))
                s.Chyba("vypočítané pole „" + p.nazev + "“ má jméno uloženého pole");
    s.vypocitana = std::move(pole);
    s.vypocet = std::move(funkce);
    if (JeOtevrena() && !Upravuje())
        s.NactiAktualni(*this);
    else if (JeOtevrena())
        s.radek.resize(s.definice.size() + s.vypocitana.size());
}
