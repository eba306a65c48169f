#include "storage/StavTabulky.h"

#include <charconv>
#include <limits>
#include <stdexcept>
#include <system_error>

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

namespace {

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
    case TypPole::Datum:
        return d.DatumIso();
    case TypPole::Cas:
        return d.CasIso();
    default:
        return d.DatumCasIso();
    }
}

bool JeDatumovy(TypPole typ)
{
    return typ == TypPole::Datum || typ == TypPole::Cas || typ == TypPole::DatumACas;
}

}  // namespace

std::string Tabulka::Stav::SeznamSloupcu() const
{
    std::string s;
    for (const auto& p : definice) {
        if (!s.empty())
            s += ", ";
        s += Uvozovky(p.nazev);
    }
    return s;
}

int Tabulka::Stav::NajdiPole(std::string_view jmeno) const
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

std::string UkazkaHodnoty(std::string_view hodnota)
{
    constexpr std::size_t kZnaku = 40;
    std::string ukazka = OriznoutZnaky(hodnota, kZnaku);
    return ukazka.size() < hodnota.size() ? ukazka + "…" : ukazka;
}

namespace {

std::string PopisZaznamu(std::int64_t rowid)
{
    return rowid < 0 ? std::string() : " záznamu č. " + std::to_string(rowid);
}

}  // namespace

HodnotaPole Tabulka::Stav::ZTextu(const DefinicePole& p, std::string_view text, bool oriznout,
                                  std::int64_t rowid) const
{
    if (text.empty())
        return std::monostate {};
    switch (p.typ) {
    case TypPole::Text:
        return oriznout ? OriznoutZnaky(text, static_cast<std::size_t>(p.delka))
                        : std::string(text);
    case TypPole::Memo:
        return std::string(text);
    case TypPole::Cele:
        if (auto c = CtiCele(text))
            return *c;
        Chyba("hodnota „" + UkazkaHodnoty(text) + "“ pole „" + p.nazev + "“" + PopisZaznamu(rowid)
              + " není celé číslo");
    default:
        try {
            return Normalizuj(DatumCas::ZIso(std::string(text)), p.typ);
        } catch (const std::invalid_argument&) {
            Chyba("hodnota „" + UkazkaHodnoty(text) + "“ pole „" + p.nazev + "“"
                  + PopisZaznamu(rowid) + " není datum ani čas");
        }
    }
}

HodnotaPole Tabulka::Stav::ZeSloupce(const DefinicePole& p, const SQLite::Column& sloupec,
                                     std::int64_t rowid) const
{
    if (sloupec.isNull())
        return std::monostate {};
    if (p.typ == TypPole::Cele && sloupec.isInteger()) {
        const std::int64_t cislo = sloupec.getInt64();
        if (cislo < std::numeric_limits<std::int32_t>::min()
            || cislo > std::numeric_limits<std::int32_t>::max())
            Chyba("hodnota " + std::to_string(cislo) + " pole „" + p.nazev + "“"
                  + PopisZaznamu(rowid) + " je mimo rozsah celých čísel");
        return static_cast<std::int32_t>(cislo);
    }
    return ZTextu(p, sloupec.getString(), false, rowid);
}

void Tabulka::Stav::Navaz(SQLite::Statement& dotaz, int index, const DefinicePole& p,
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

void Tabulka::Stav::MuzeZapsat(int pozice) const
{
    MusiBytOtevrena();
    if (pozice < static_cast<int>(definice.size()) && rezim == Rezim::Prochazeni)
        Chyba("pole „" + definice[pozice].nazev
              + "“ lze měnit jen při vkládání nebo úpravě záznamu");
}

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
    tabulka_->s_->MusiBytOtevrena();
    const HodnotaPole& h = tabulka_->s_->radek[pozice_];  // read in place, not copied first
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
        tabulka_->s_->Chyba("hodnota „" + UkazkaHodnoty(*t) + "“ pole „" + Nazev()
                            + "“ není celé číslo");
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
            tabulka_->s_->Chyba("hodnota „" + UkazkaHodnoty(*t) + "“ pole „" + Nazev()
                                + "“ není datum ani čas");
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
    s.radek[pozice_] = std::monostate {};
}
