#include "questions/Banka.h"

#include "questions/Kategorie.h"
#include "storage/Definice.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <utility>

namespace {

// Sorts the questions by number and builds the number index; returns a description of the
// first number that is out of range or repeated, empty when all are fine.
std::string Usporadej(std::vector<Otazka>& otazky, std::vector<int>& index)
{
    std::stable_sort(otazky.begin(), otazky.end(),
                     [](const Otazka& x, const Otazka& y) { return x.cislo < y.cislo; });
    index.assign(kNejvyssiCislo + 1, -1);
    for (int i = 0; i < static_cast<int>(otazky.size()); ++i) {
        const int cislo = otazky[i].cislo;
        if (cislo < 1 || cislo > kNejvyssiCislo)
            return "neplatné číslo otázky " + std::to_string(cislo);
        if (index[cislo] >= 0)
            return "opakované číslo otázky " + std::to_string(cislo);
        index[cislo] = i;
    }
    return {};
}

// What is wrong with a record of the table, empty when nothing: the texts a question needs, the
// correct answers as an answer set of answers it has, the group letters.
std::string ChybaOtazky(const Otazka& o)
{
    const auto prazdny = [](const std::string& text) {
        return text.find_first_not_of(" \t\r\n") == std::string::npos;
    };
    if (prazdny(o.otazka))
        return "chybí text otázky (OTÁZKA)";
    const std::array<const std::string*, 4> odpovedi {&o.a, &o.b, &o.c, &o.d};
    if (prazdny(o.a) || prazdny(o.b))
        return "chybí text odpovědi A nebo B";
    if (o.spravne.empty())
        return "SPRÁVNĚ je prázdné";
    char predchozi = 0;
    for (const char p : o.spravne) {
        if (p < 'A' || p > 'D' || p <= predchozi)
            return "SPRÁVNĚ „" + UkazkaHodnoty(o.spravne)
                + "“ není sada písmen A až D v abecedním pořadí";
        if (prazdny(*odpovedi[p - 'A']))
            return "SPRÁVNĚ „" + o.spravne + "“ uvádí odpověď " + p + ", která nemá text";
        predchozi = p;
    }
    if (o.skupina.empty() || o.skupina.find_first_not_of("ABCD") != std::string::npos)
        return "Skupina „" + UkazkaHodnoty(o.skupina) + "“ není z písmen A až D";
    return {};
}

// Opens the question table of the directory and checks its fields; returns the start of its
// error messages.
std::string OtevriTabulkuOtazek(Tabulka& tabulka, const std::filesystem::path& adresar)
{
    tabulka.Svaz(adresar, "otazky");
    tabulka.Otevri();  // a missing or foreign file raises ChybaTabulky naming it
    std::string uvod = "Tabulka „" + tabulka.Soubor().filename().string() + "“: ";
    const auto ocekavana = DefiniceOtazky();
    if (tabulka.Definice().size() != ocekavana.size())
        throw ChybaTabulky(uvod + "nemá pole tabulky otázek");
    for (std::size_t i = 0; i < ocekavana.size(); ++i)
        if (tabulka.Definice()[i].nazev != ocekavana[i].nazev
            || tabulka.Definice()[i].typ != ocekavana[i].typ)
            throw ChybaTabulky(uvod + "pole na pozici " + std::to_string(i) + " není „"
                               + ocekavana[i].nazev + "“ tabulky otázek");
    return uvod;
}

}  // namespace

void Banka::Over(const std::filesystem::path& adresar)
{
    Tabulka tabulka;
    OtevriTabulkuOtazek(tabulka, adresar);
    tabulka.Zavri();
}

void Banka::Nacti(const std::filesystem::path& adresar)
{
    Tabulka tabulka;
    const std::string uvod = OtevriTabulkuOtazek(tabulka, adresar);

    // The whole bank in one query.
    std::vector<Otazka> nove;
    nove.reserve(kNejvyssiCislo);  // a whole bank without moving the questions read so far
    tabulka.ProjdiZaznamy([&nove](Tabulka& t) {
        Otazka o;
        o.cislo = t.PoleNaPozici(0).JakoCele();
        o.otazka = t.PoleNaPozici(1).JakoText();
        o.a = t.PoleNaPozici(2).JakoText();
        o.b = t.PoleNaPozici(3).JakoText();
        o.c = t.PoleNaPozici(4).JakoText();
        o.d = t.PoleNaPozici(5).JakoText();
        o.spravne = t.PoleNaPozici(6).JakoText();
        o.skupina = t.PoleNaPozici(7).JakoText();
        o.obrazek = t.PoleNaPozici(8).JakoText();
        o.poznamka = t.PoleNaPozici(9).JakoText();
        nove.push_back(std::move(o));
    });
    tabulka.Zavri();

    std::vector<int> index;
    const std::string chyba = Usporadej(nove, index);
    if (!chyba.empty())
        throw ChybaTabulky(uvod + chyba);
    // The first bad record by number ends the load as an unreadable table would.
    for (const Otazka& o : nove)
        if (const std::string vada = ChybaOtazky(o); !vada.empty())
            throw ChybaTabulky(uvod + "otázka " + std::to_string(o.cislo) + ": " + vada);
    otazky_ = std::move(nove);
    indexPodleCisla_ = std::move(index);
}

void Banka::NactiZ(std::vector<Otazka> otazky)
{
    std::vector<int> index;
    const std::string chyba = Usporadej(otazky, index);
    if (!chyba.empty())
        throw std::invalid_argument(chyba);
    otazky_ = std::move(otazky);
    indexPodleCisla_ = std::move(index);
}

bool Banka::OtazkaExistuje(int cislo) const { return Najdi(cislo) != nullptr; }

const Otazka* Banka::Najdi(int cislo) const
{
    if (cislo < 0 || cislo >= static_cast<int>(indexPodleCisla_.size()))
        return nullptr;
    const int pozice = indexPodleCisla_[cislo];
    return pozice < 0 ? nullptr : &otazky_[pozice];
}

namespace {

// Calls f for each question of category k that fits the licence group by the range filter.
template <typename F>
void ProjdiKategorii(const std::vector<Otazka>& otazky, int kategorie, std::string_view skupina,
                     F f)
{
    if (kategorie < 1 || kategorie > 7)
        return;
    const int dolni = kRozsahyKategorii[kategorie - 1];
    const int horni = kRozsahyKategorii[kategorie];
    auto it = std::upper_bound(otazky.begin(), otazky.end(), dolni,
                               [](int cislo, const Otazka& o) { return cislo < o.cislo; });
    for (; it != otazky.end() && it->cislo <= horni; ++it)
        if (PasujeDoRozsahu(it->skupina, skupina))
            f(it->cislo);
}

}  // namespace

int Banka::PocetVKategorii(int kategorie, std::string_view skupina) const
{
    int pocet = 0;
    ProjdiKategorii(otazky_, kategorie, skupina, [&](int) { ++pocet; });
    return pocet;
}

std::vector<int> Banka::CislaVKategorii(int kategorie, std::string_view skupina) const
{
    std::vector<int> cisla;
    ProjdiKategorii(otazky_, kategorie, skupina, [&](int cislo) { cisla.push_back(cislo); });
    return cisla;
}

std::filesystem::path CestaObrazku(const std::filesystem::path& adresar, std::string relativni)
{
    for (char& znak : relativni)
        if (znak == '\\')
            znak = '/';
    return adresar / relativni;
}
