#include "storage/StavTabulky.h"

#include "storage/FiltrTextu.h"

#include <SQLiteCpp/Exception.h>

#include <algorithm>
#include <limits>

namespace fs = std::filesystem;

namespace {

// The first page finds more visible records than a grid shows at once; later pages are longer.
constexpr std::size_t kPrvniStranka = 128;
constexpr std::size_t kDalsiStranka = 1024;

}  // namespace

std::size_t Tabulka::Stav::NactiStranku(std::size_t kolik)
{
    if (vseNacteno || !dotazStranka)
        return 0;
    std::size_t nalezeno = 0;
    try {
        dotazStranka->reset();
        dotazStranka->bind(parametrStranky, posledniNacteny);
        dotazStranka->bind(parametrStranky + 1,
                           kolik == 0 ? std::int64_t {-1} : static_cast<std::int64_t>(kolik));
        while (dotazStranka->executeStep()) {
            posledniNacteny = dotazStranka->getColumn(0).getInt64();
            viditelne.push_back(posledniNacteny);
            ++nalezeno;
        }
        // Ends the read transaction so that other connections can write.
        dotazStranka->reset();
    } catch (...) {
        dotazStranka->tryReset();
        throw;
    }
    if (kolik == 0 || nalezeno < kolik)
        vseNacteno = true;
    return nalezeno;
}

void Tabulka::Stav::NactiDo(std::size_t index)
{
    // A record far ahead: the rest is found in one go.
    while (index >= viditelne.size() && !vseNacteno)
        NactiStranku(index - viditelne.size() < kDalsiStranka ? kDalsiStranka : 0);
}

void Tabulka::Stav::NactiDoChranene(std::size_t index)
{
    try {
        NactiDo(index);
    } catch (const SQLite::Exception& e) {
        Chyba(std::string("záznamy nelze přečíst: ") + PopisChyby(e));
    }
}

void Tabulka::Stav::NactiAktualni(Tabulka& t)
{
    VyprazdniRadek();
    NactiDoChranene(pozice);
    if (pozice >= viditelne.size())
        return;
    try {
        dotazRadek->reset();
        dotazRadek->bind(1, static_cast<std::int64_t>(viditelne[pozice]));
        if (dotazRadek->executeStep())
            for (std::size_t i = 0; i < definice.size(); ++i)
                radek[i] = ZeSloupce(definice[i], dotazRadek->getColumn(static_cast<int>(i)),
                                     viditelne[pozice]);
        dotazRadek->reset();
    } catch (const SQLite::Exception& e) {
        dotazRadek->tryReset();
        Chyba(std::string("záznam nelze přečíst: ") + PopisChyby(e));
    } catch (...) {
        // Ends the read transaction so that other cursors can still write.
        dotazRadek->tryReset();
        throw;
    }
    Vypocitej(t);
}

std::vector<std::pair<int, HodnotaPole>> Tabulka::Stav::HodnotyFiltru() const
{
    std::vector<std::pair<int, HodnotaPole>> hodnoty;
    for (const FiltrTextu& f : *filtr) {
        const int index = NajdiPole(f.pole);
        if (index < 0 || index >= static_cast<int>(definice.size()))
            Chyba("filtr „" + UkazkaHodnoty(filtrText) + "“ uvádí neznámé pole „"
                  + UkazkaHodnoty(f.pole) + "“");
        hodnoty.emplace_back(index, ZTextu(definice[index], f.hodnota, false));
    }
    return hodnoty;
}

void Tabulka::Stav::Prepocitej(Tabulka& t)
{
    try {
        PrepocitejSurove(t);
    } catch (const SQLite::Exception& e) {
        Chyba(std::string("záznamy nelze přečíst: ") + PopisChyby(e));
    }
}

void Tabulka::Stav::ZahodRadek(Tabulka& t)
{
    try {
        NactiAktualni(t);
    } catch (const ChybaTabulky&) {
        VyprazdniRadek();  // the error that ended the post is the one to report
    }
}

// Recomputes the visible records and puts the cursor on the first; engine errors pass through
// unchanged. The records a filter text selects are found a page at a time, in SQL over the
// field's index; a filter callback sees every record at once.
void Tabulka::Stav::PrepocitejSurove(Tabulka& t)
{
    viditelne.clear();
    pozice = 0;
    dotazStranka.reset();
    vseNacteno = true;
    posledniNacteny = std::numeric_limits<std::int64_t>::min();
    {
        std::string sql = "SELECT rowid";
        if (FiltrFunkceAktivni())
            sql += ", " + SeznamSloupcu();
        sql += std::string(" FROM ") + kTabulkaZaznamu;
        std::vector<std::pair<int, HodnotaPole>> podminky;
        if (FiltrTextuAktivni()) {
            podminky = HodnotyFiltru();
            for (std::size_t i = 0; i < podminky.size(); ++i)
                sql += (i ? " AND " : " WHERE ") + Uvozovky(definice[podminky[i].first].nazev)
                    + (std::holds_alternative<std::monostate>(podminky[i].second) ? " IS NULL"
                                                                                  : " = ?");
        }
        if (!FiltrFunkceAktivni())
            sql += podminky.empty() ? " WHERE rowid > ?" : " AND rowid > ?";
        sql += " ORDER BY rowid";
        if (!FiltrFunkceAktivni())
            sql += " LIMIT ?";
        auto dotaz = std::make_unique<SQLite::Statement>(*db, sql);
        int parametr = 1;
        for (const auto& [index, hodnota] : podminky)
            if (!std::holds_alternative<std::monostate>(hodnota))
                Navaz(*dotaz, parametr++, definice[index], hodnota);
        if (!FiltrFunkceAktivni()) {
            dotazStranka = std::move(dotaz);
            parametrStranky = parametr;
            vseNacteno = false;
            NactiStranku(kPrvniStranka);
        } else {
            // The callback reads the offered record through the ordinary field access.
            while (dotaz->executeStep()) {
                VyprazdniRadek();
                for (std::size_t i = 0; i < definice.size(); ++i)
                    radek[i] = ZeSloupce(definice[i], dotaz->getColumn(static_cast<int>(i + 1)),
                                         dotaz->getColumn(0).getInt64());
                Vypocitej(t);
                if (filtrFunkce(t))
                    viditelne.push_back(dotaz->getColumn(0).getInt64());
            }
        }
    }
    NactiAktualni(t);
}

// Whether the record in `radek` passes the current filter.
bool Tabulka::Stav::ProjdeFiltrem(Tabulka& t)
{
    if (FiltrTextuAktivni())
        for (const auto& [index, hodnota] : HodnotyFiltru())
            if (radek[index] != hodnota)
                return false;
    if (FiltrFunkceAktivni()) {
        Vypocitej(t);
        return filtrFunkce(t);
    }
    return true;
}

Tabulka::Tabulka() : s_(std::make_unique<Stav>()) { }
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

void Tabulka::Zavri()
{
    auto& s = *s_;
    s.rezim = Stav::Rezim::Prochazeni;
    if (s.davka && s.db)
        s.db->tryExec("ROLLBACK");
    s.davka = false;
    s.dotazRadek.reset();
    s.dotazStranka.reset();
    s.dotazVloz.reset();
    s.dotazUprav.reset();
    s.db.reset();
    s.viditelne.clear();
    s.vseNacteno = true;
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
    std::optional<std::vector<FiltrTextu>> filtr;
    if (!text.empty()) {
        filtr = RozeberFiltry(text);
        if (!filtr)
            s.Chyba("neplatný filtr „" + UkazkaHodnoty(text) + "“");
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

int Tabulka::PocetZaznamu() const
{
    try {
        s_->NactiStranku(0);
    } catch (const SQLite::Exception& e) {
        s_->Chyba(std::string("záznamy nelze přečíst: ") + PopisChyby(e));
    }
    return static_cast<int>(s_->viditelne.size());
}

int Tabulka::PocetNalezenych() const { return static_cast<int>(s_->viditelne.size()); }
bool Tabulka::VseNalezeno() const { return s_->vseNacteno; }

int Tabulka::NajdiDalsi(int kolik)
{
    s_->MusiBytOtevrena();
    try {
        return static_cast<int>(s_->NactiStranku(static_cast<std::size_t>(std::max(kolik, 1))));
    } catch (const SQLite::Exception& e) {
        s_->Chyba(std::string("záznamy nelze přečíst: ") + PopisChyby(e));
    }
}

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
    if (cil > 0)
        s.NactiDoChranene(static_cast<std::size_t>(cil));
    const long long posledni = static_cast<std::int64_t>(s.viditelne.size()) - 1;
    s.pozice = static_cast<std::size_t>(cil < 0 ? 0 : (cil > posledni ? posledni : cil));
    s.NactiAktualni(*this);
}

void Tabulka::ProjdiZaznamy(const std::function<void(Tabulka&)>& funkce)
{
    auto& s = *s_;
    s.MusiBytOtevrena();
    UlozJeLiTreba(*this);
    if (s.FiltrFunkceAktivni()) {
        // The callback filter has found every visible record already.
        for (Prvni(); !Konec(); Dalsi())
            funkce(*this);
        return;
    }
    std::string sql = "SELECT rowid, " + s.SeznamSloupcu() + " FROM " + kTabulkaZaznamu;
    std::vector<std::pair<int, HodnotaPole>> podminky;
    if (s.FiltrTextuAktivni()) {
        podminky = s.HodnotyFiltru();
        for (std::size_t i = 0; i < podminky.size(); ++i)
            sql += (i ? " AND " : " WHERE ") + Uvozovky(s.definice[podminky[i].first].nazev)
                + (std::holds_alternative<std::monostate>(podminky[i].second) ? " IS NULL"
                                                                              : " = ?");
    }
    sql += " ORDER BY rowid";
    try {
        SQLite::Statement dotaz(*s.db, sql);
        int parametr = 1;
        for (const auto& [index, hodnota] : podminky)
            if (!std::holds_alternative<std::monostate>(hodnota))
                s.Navaz(dotaz, parametr++, s.definice[index], hodnota);
        while (dotaz.executeStep()) {
            s.VyprazdniRadek();
            const std::int64_t rowid = dotaz.getColumn(0).getInt64();
            for (std::size_t i = 0; i < s.definice.size(); ++i)
                s.radek[i] =
                    s.ZeSloupce(s.definice[i], dotaz.getColumn(static_cast<int>(i + 1)), rowid);
            s.Vypocitej(*this);
            funkce(*this);
        }
    } catch (const SQLite::Exception& e) {
        s.ZahodRadek(*this);
        s.Chyba(std::string("záznamy nelze přečíst: ") + PopisChyby(e));
    } catch (...) {
        s.ZahodRadek(*this);
        throw;
    }
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
    // The change leaves the cursor whether it is written or not: a post that failed must never
    // be written by a later move or filter change.
    const Stav::Rezim rezim = s.rezim;
    s.rezim = Stav::Rezim::Prochazeni;
    const std::size_t n = s.definice.size();
    std::optional<std::int64_t> novy;  // the inserted record, when it is visible
    try {
        if (rezim == Stav::Rezim::Vkladani) {
            if (!s.dotazVloz) {
                std::string otazniky;
                for (std::size_t i = 0; i < n; ++i)
                    otazniky += i ? ", ?" : "?";
                s.dotazVloz = std::make_unique<SQLite::Statement>(
                    *s.db,
                    std::string("INSERT INTO ") + kTabulkaZaznamu + " (" + s.SeznamSloupcu()
                        + ") VALUES (" + otazniky + ")");
            }
            SQLite::Statement& vloz = *s.dotazVloz;
            vloz.reset();
            for (std::size_t i = 0; i < n; ++i)
                s.Navaz(vloz, static_cast<int>(i + 1), s.definice[i], s.radek[i]);
            vloz.exec();
            vloz.reset();
            const std::int64_t rowid = s.db->getLastInsertRowid();
            // A new rowid is above every existing one, so the record goes to the end.
            if (s.ProjdeFiltrem(*this)) {
                if (s.vseNacteno)
                    s.viditelne.push_back(rowid);
                novy = rowid;
            }
        } else {
            if (!s.dotazUprav) {
                std::string prirazeni;
                for (std::size_t i = 0; i < n; ++i)
                    prirazeni += (i ? ", " : "") + Uvozovky(s.definice[i].nazev) + " = ?";
                s.dotazUprav = std::make_unique<SQLite::Statement>(
                    *s.db,
                    std::string("UPDATE ") + kTabulkaZaznamu + " SET " + prirazeni
                        + " WHERE rowid = ?");
            }
            SQLite::Statement& uprav = *s.dotazUprav;
            uprav.reset();
            for (std::size_t i = 0; i < n; ++i)
                s.Navaz(uprav, static_cast<int>(i + 1), s.definice[i], s.radek[i]);
            uprav.bind(static_cast<int>(n + 1), static_cast<std::int64_t>(s.viditelne[s.pozice]));
            const int zmeneno = uprav.exec();
            uprav.reset();
            if (zmeneno == 0)
                s.Chyba("upravovaný záznam byl mezitím smazán");
        }
    } catch (const SQLite::Exception& e) {
        for (auto* dotaz : {s.dotazVloz.get(), s.dotazUprav.get()})
            if (dotaz)
                dotaz->tryReset();
        s.ZahodRadek(*this);
        s.Chyba(std::string("záznam nelze uložit: ") + PopisChyby(e));
    } catch (...) {
        s.ZahodRadek(*this);
        throw;
    }
    if (novy) {
        // While pages are still to come, the rest is found first, the new record with it.
        s.NactiDoChranene(std::numeric_limits<std::size_t>::max());
        if (!s.viditelne.empty() && s.viditelne.back() == *novy)
            s.pozice = s.viditelne.size() - 1;
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
        s.Chyba(std::string("záznam nelze smazat: ") + PopisChyby(e));
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
        s.Chyba(std::string("hromadný zápis nelze zahájit: ") + PopisChyby(e));
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
    s.davka = false;
    try {
        s.db->exec("COMMIT");
    } catch (const SQLite::Exception& e) {
        // A batch that could not be committed is dropped whole, never committed later.
        s.db->tryExec("ROLLBACK");
        try {
            s.Prepocitej(*this);
        } catch (const ChybaTabulky&) {
            s.viditelne.clear();
            s.ZahodRadek(*this);
        }
        s.Chyba(std::string("hromadný zápis nelze dokončit: ") + PopisChyby(e));
    }
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

bool OtevriZaznamyProfilu(Tabulka& t, const std::filesystem::path& adresar,
                          const std::string& nazev, const std::string& profil)
{
    t.Svaz(adresar, nazev);
    if (!t.Existuje())
        return false;
    t.NastavFiltrText(FiltrProfilu(profil));
    t.Filtrovat(true);
    t.Otevri();
    return true;
}

void OtevriNeboVytvorZaznamyProfilu(Tabulka& t, const std::filesystem::path& adresar,
                                    const std::string& nazev, const std::string& profil,
                                    const std::vector<DefinicePole>& pole)
{
    t.Svaz(adresar, nazev);
    t.NastavFiltrText(FiltrProfilu(profil));
    t.Filtrovat(true);
    t.OtevriNeboVytvor(pole);
}
