#include "base/DatumCas.h"

#include <cstdio>
#include <stdexcept>

namespace {

bool Prestupny(int rok) { return (rok % 4 == 0 && rok % 100 != 0) || rok % 400 == 0; }

int DnuVMesici(int rok, int mesic)
{
    static const int dny[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return mesic == 2 && Prestupny(rok) ? 29 : dny[mesic - 1];
}

// Reads exactly `pocet` decimal digits at `pozice`.
bool Cislice(const std::string& text, std::size_t pozice, int pocet, int& vysledek)
{
    vysledek = 0;
    for (int i = 0; i < pocet; ++i) {
        const char z = text[pozice + i];
        if (z < '0' || z > '9')
            return false;
        vysledek = vysledek * 10 + (z - '0');
    }
    return true;
}

bool CtiDatum(const std::string& text, std::size_t p, DatumCas& d)
{
    if (text[p + 4] != '-' || text[p + 7] != '-')
        return false;
    if (!Cislice(text, p, 4, d.rok) || !Cislice(text, p + 5, 2, d.mesic)
        || !Cislice(text, p + 8, 2, d.den))
        return false;
    // The all-zero date is the date part of a time-only value.
    if (d.rok == 0 && d.mesic == 0 && d.den == 0)
        return true;
    return d.rok >= 1 && d.mesic >= 1 && d.mesic <= 12 && d.den >= 1
        && d.den <= DnuVMesici(d.rok, d.mesic);
}

bool CtiCas(const std::string& text, std::size_t p, DatumCas& d)
{
    if (text[p + 2] != ':' || text[p + 5] != ':')
        return false;
    if (!Cislice(text, p, 2, d.hodina) || !Cislice(text, p + 3, 2, d.minuta)
        || !Cislice(text, p + 6, 2, d.sekunda))
        return false;
    return d.hodina <= 23 && d.minuta <= 59 && d.sekunda <= 59;
}

}  // namespace

std::string DatumCas::DatumIso() const
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", rok, mesic, den);
    return buf;
}

std::string DatumCas::CasIso() const
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", hodina, minuta, sekunda);
    return buf;
}

std::string DatumCas::DatumCasIso() const { return DatumIso() + ' ' + CasIso(); }

DatumCas DatumCas::ZIso(const std::string& text)
{
    DatumCas d;
    bool ok = false;
    if (text.size() == 10)
        ok = CtiDatum(text, 0, d);
    else if (text.size() == 8)
        ok = CtiCas(text, 0, d);
    else if (text.size() == 19)
        ok = text[10] == ' ' && CtiDatum(text, 0, d) && CtiCas(text, 11, d);
    if (!ok)
        throw std::invalid_argument("Neplatné datum nebo čas: „" + text + "“");
    return d;
}
