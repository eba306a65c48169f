#pragma once
// Mechanical rules of the bank's writing standard, measured on the shipped bank: tests of each
// category state the limits, these functions only measure.
#include "questions/Banka.h"
#include "questions/Kategorie.h"

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace pravidla {

inline std::vector<const Otazka*> OtazkyKategorie(const Banka& banka, int kategorie)
{
    std::vector<const Otazka*> vysledek;
    for (const Otazka& o : banka.Vse())
        if (KategorieCisla(o.cislo) == kategorie)
            vysledek.push_back(&o);
    return vysledek;
}

inline std::set<int> PritomnaCisla(const Banka& banka, int od, int po)
{
    std::set<int> cisla;
    for (int n = od; n <= po; ++n)
        if (banka.OtazkaExistuje(n))
            cisla.insert(n);
    return cisla;
}

inline std::set<int> RozsahBez(int od, int po, const std::set<int>& vyrazena)
{
    std::set<int> cisla;
    for (int n = od; n <= po; ++n)
        if (!vyrazena.count(n))
            cisla.insert(n);
    return cisla;
}

// Length in characters (code points) of a UTF-8 text.
inline std::size_t Znaku(const std::string& text)
{
    std::size_t n = 0;
    for (unsigned char c : text)
        n += (c & 0xC0) != 0x80;
    return n;
}

inline std::array<const std::string*, 4> Odpovedi(const Otazka& o)
{
    return {&o.a, &o.b, &o.c, &o.d};
}

// Share (0..1) of single-answer questions whose correct answer is strictly longer than every other.
inline double PodilNejdelsiSpravne(const std::vector<const Otazka*>& otazky)
{
    int jedna = 0, nejdelsi = 0;
    for (const Otazka* o : otazky) {
        if (o->spravne.size() != 1)
            continue;
        ++jedna;
        const auto odp = Odpovedi(*o);
        const std::size_t spravna = Znaku(*odp[o->spravne[0] - 'A']);
        bool delsi = true;
        for (int i = 0; i < 4; ++i)
            if (i != o->spravne[0] - 'A' && !odp[i]->empty() && Znaku(*odp[i]) >= spravna)
                delsi = false;
        nejdelsi += delsi;
    }
    return jedna ? double(nejdelsi) / jedna : 0.0;
}

// How often each letter is the single correct answer.
inline std::map<char, int> RozlozeniPismen(const std::vector<const Otazka*>& otazky)
{
    std::map<char, int> pocty;
    for (const Otazka* o : otazky)
        if (o->spravne.size() == 1)
            ++pocty[o->spravne[0]];
    return pocty;
}

// A note names a specific provision: a paragraph, an article, or (with `znacky`) a sign's code
// (zone and motorway signs IZ included).
inline bool MaKonkretniOdkaz(const std::string& poznamka, bool znacky)
{
    static const std::regex paragraf(R"((§\s*\d)|(čl\.\s*\d)|(článk[a-zěí]*\s+\d))");
    static const std::regex kod(
        R"((^|[^A-Za-z])(A|B|C|P|IP|IS|IJ|IZ|E|V|S|Z)\s?\d+[a-z]?([^A-Za-z0-9]|$))");
    return std::regex_search(poznamka, paragraf) || (znacky && std::regex_search(poznamka, kod));
}

inline double PodilSOdkazem(const std::vector<const Otazka*>& otazky, bool znacky)
{
    if (otazky.empty())
        return 0.0;
    int s = 0;
    for (const Otazka* o : otazky)
        s += MaKonkretniOdkaz(o->poznamka, znacky);
    return double(s) / otazky.size();
}

// The data/ folder of the sources, where the pictures the bank names lie.
inline std::filesystem::path AdresarDat()
{
    const char* koren = std::getenv("ZK_SOURCE_DIR");
    if (koren && *koren)
        return std::filesystem::path(koren) / "data";
    return std::filesystem::path(__FILE__).parent_path() / ".." / ".." / ".." / "data";
}

// Width and height from the frame header of a baseline or progressive JPEG; {0, 0} when the file
// is not one.
inline std::pair<int, int> RozmeryJpeg(const std::filesystem::path& soubor)
{
    std::ifstream f(soubor, std::ios::binary);
    if (f.get() != 0xFF || f.get() != 0xD8)
        return {0, 0};
    while (f) {
        int znacka = f.get();
        while (znacka == 0xFF)
            znacka = f.get();
        if (znacka < 0)
            break;
        const int delka = (f.get() << 8) | f.get();
        if (znacka >= 0xC0 && znacka <= 0xC2) {
            f.get();  // precision
            const int vyska = (f.get() << 8) | f.get();
            const int sirka = (f.get() << 8) | f.get();
            return {sirka, vyska};
        }
        f.seekg(delka - 2, std::ios::cur);
    }
    return {0, 0};
}

}  // namespace pravidla
