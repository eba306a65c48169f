#include "tools/importotazek/ImportOtazek.h"

#include "base/Cp1250.h"
#include "questions/Kategorie.h"
#include "storage/Definice.h"
#include "storage/Tabulka.h"

#include <yaml-cpp/yaml.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <map>
#include <optional>
#include <regex>
#include <sstream>

namespace fs = std::filesystem;

namespace {

constexpr std::array<std::string_view, 11> kZnameKlice {
    "cislo", "otazka", "a", "b", "c", "d", "spravne", "skupina", "oblast", "obrazek", "poznamka"};
constexpr int kPrvniSObrazkem = 621;
constexpr std::size_t kDelkaObrazku = 100;  // width of the OBRÁZEK field in characters
// A category's source is tens of kilobytes; the bound keeps a wrong file from being parsed whole.
constexpr std::uintmax_t kNejvetsiSoubor = 4 * 1024 * 1024;

std::string Popis(const fs::path& soubor, int radek, int cislo, const std::string& popis)
{
    std::string text = soubor.string();
    if (radek > 0)
        text += ":" + std::to_string(radek);
    text += ": ";
    if (cislo > 0)
        text += "question " + std::to_string(cislo) + ": ";
    return text + popis;
}

std::string Hex(char32_t znak)
{
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(znak));
    return text;
}

std::size_t PocetZnaku(std::string_view utf8)
{
    return std::count_if(utf8.begin(), utf8.end(),
                         [](char b) { return (static_cast<unsigned char>(b) & 0xC0) != 0x80; });
}

// Where the first byte that does not belong to a valid UTF-8 sequence stands, or npos.
std::size_t PrvniNeplatnyUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        std::size_t delka = 0;
        char32_t znak = 0;
        if (b < 0x80) {
            ++i;
            continue;
        }
        if (b >= 0xC2 && b <= 0xDF) {
            delka = 2;
            znak = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            delka = 3;
            znak = b & 0x0F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            delka = 4;
            znak = b & 0x07;
        } else {
            return i;
        }
        if (i + delka > text.size())
            return i;
        for (std::size_t k = 1; k < delka; ++k) {
            const auto d = static_cast<unsigned char>(text[i + k]);
            if ((d & 0xC0) != 0x80)
                return i;
            znak = (znak << 6) | (d & 0x3F);
        }
        // Overlong forms, surrogates and values above U+10FFFF are not UTF-8.
        if ((delka == 3 && znak < 0x800) || (delka == 4 && (znak < 0x10000 || znak > 0x10FFFF))
            || (znak >= 0xD800 && znak <= 0xDFFF))
            return i;
        i += delka;
    }
    return std::string_view::npos;
}

bool JeRidiciZnak(char z)
{
    return (static_cast<unsigned char>(z) < 0x20 && z != '\n') || z == 0x7F;
}

bool JePrazdnyText(std::string_view text)
{
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

// A question of the source with its section of the exam.
struct PolozkaZdroje {
    Otazka otazka;
    int oblast = 0;
};

// Where a source question was first seen, to name both places of a repeated number.
struct Vyskyt {
    fs::path soubor;
    int radek = 0;
};

// Checks one file of the source; knows the file, the category and the numbers seen so far.
class KontrolaSouboru {
public:
    KontrolaSouboru(const fs::path& soubor, int kategorie, const fs::path& adresarDat,
                    std::map<int, Vyskyt>& videna)
        : soubor_(soubor), kategorie_(kategorie), adresarDat_(adresarDat), videna_(videna)
    {
    }

    std::vector<PolozkaZdroje> Projdi()
    {
        const std::string text = Precti();
        YAML::Node koren;
        try {
            koren = YAML::Load(text);
        } catch (const YAML::ParserException& e) {
            Chyba(e.mark.line + 1, "YAML syntax error: " + e.msg);
        }
        std::vector<PolozkaZdroje> otazky;
        if (koren && !koren.IsNull()) {
            if (!koren.IsSequence())
                Chyba(Radek(koren), "the file must be a YAML sequence of questions");
            for (const YAML::Node& polozka : koren)
                otazky.push_back(Polozka(polozka));
        }
        // An empty source would silently drop a whole category from the bank.
        if (otazky.empty())
            Chyba(0, "the file holds no question");
        return otazky;
    }

private:
    [[noreturn]] void Chyba(int radek, const std::string& popis) const
    {
        throw ChybaImportu(soubor_, radek, cislo_, popis);
    }

    // The file's bytes, checked before parsing: bounded size, LF or CRLF line ends, no control
    // characters but line breaks.
    std::string Precti() const
    {
        std::error_code ec;
        if (!fs::is_regular_file(soubor_, ec))
            Chyba(0, "is not a regular file");
        const std::uintmax_t velikost = fs::file_size(soubor_, ec);
        if (ec)
            Chyba(0, "cannot be read: " + ec.message());
        if (velikost > kNejvetsiSoubor)
            Chyba(0,
                  "the file has " + std::to_string(velikost) + " bytes, more than a source may ("
                      + std::to_string(kNejvetsiSoubor) + ")");
        std::ifstream vstup(soubor_, std::ios::binary);
        std::string text(static_cast<std::size_t>(velikost), '\0');
        if (!vstup.read(text.data(), static_cast<std::streamsize>(text.size())))
            Chyba(0, "cannot be read");
        // The whole file, comments included: the parser would pass bad bytes in a comment by.
        if (const std::size_t chybny = PrvniNeplatnyUtf8(text); chybny != std::string::npos)
            Chyba(1
                      + static_cast<int>(std::count(
                          text.begin(), text.begin() + static_cast<std::ptrdiff_t>(chybny), '\n')),
                  "the file is not valid UTF-8 (byte " + std::to_string(chybny) + ")");
        int radek = 1;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char z = text[i];
            if (z == '\n') {
                ++radek;
            } else if (z == '\r') {
                if (i + 1 >= text.size() || text[i + 1] != '\n')
                    Chyba(radek, "line ends must be LF or CRLF, not a lone CR");
            } else if (JeRidiciZnak(z)) {
                Chyba(radek,
                      "control character " + Hex(static_cast<unsigned char>(z)) + " in the file");
            }
        }
        return text;
    }

    int Radek(const YAML::Node& uzel, int nahradni = 0) const
    {
        const int radek = uzel.Mark().line;
        return radek >= 0 ? radek + 1 : nahradni;
    }

    PolozkaZdroje Polozka(const YAML::Node& polozka)
    {
        cislo_ = 0;
        const int radekPolozky = Radek(polozka);
        if (!polozka.IsMap())
            Chyba(radekPolozky, "a question must be a mapping of keys to values");

        // The number first, so that every message about the entry can name it.
        for (auto it = polozka.begin(); it != polozka.end(); ++it)
            if (it->first.IsScalar() && it->first.Scalar() == "cislo" && it->second.IsScalar()) {
                // A number is written plainly: quoted text or a leading zero is refused.
                if (it->second.Tag() != "?")
                    Chyba(Radek(it->second, radekPolozky),
                          "\"cislo\" must be an unquoted whole number, not quoted text");
                cislo_ = Cislo(it->second.Scalar(), Radek(it->second, radekPolozky));
            }

        std::map<std::string, std::pair<std::string, int>> hodnoty;  // key -> text, line
        std::map<std::string, bool> vUvozovkach;  // key -> the value was quoted or tagged
        for (auto it = polozka.begin(); it != polozka.end(); ++it) {
            const int radekKlice = Radek(it->first, radekPolozky);
            if (!it->first.IsScalar())
                Chyba(radekKlice, "a key must be a plain name");
            const std::string klic = it->first.Scalar();
            if (std::find(kZnameKlice.begin(), kZnameKlice.end(), klic) == kZnameKlice.end())
                Chyba(radekKlice, "unknown key \"" + klic + "\"");
            if (hodnoty.count(klic))
                Chyba(radekKlice, "key \"" + klic + "\" given twice");
            // An empty value has no place of its own: the parser marks the next token.
            const int radekHodnoty =
                it->second.IsNull() ? radekKlice : Radek(it->second, radekKlice);
            if (!it->second.IsScalar())
                Chyba(radekHodnoty, "key \"" + klic + "\" needs a text value");
            hodnoty[klic] = {it->second.Scalar(), radekHodnoty};
            vUvozovkach[klic] = it->second.Tag() != "?";
        }

        const auto hodnota = [&](const std::string& klic) -> const std::pair<std::string, int>* {
            const auto it = hodnoty.find(klic);
            return it == hodnoty.end() ? nullptr : &it->second;
        };

        Otazka o;
        const auto* cislo = hodnota("cislo");
        if (!cislo)
            Chyba(radekPolozky, "the question has no \"cislo\"");
        o.cislo = Cislo(cislo->first, cislo->second);
        cislo_ = o.cislo;
        const int radek = cislo->second;
        if (o.cislo < 1 || o.cislo > kNejvyssiCislo)
            Chyba(radek, "number outside 1.." + std::to_string(kNejvyssiCislo));
        const auto& vyrazena = TrvaleVyrazenaCisla();
        if (std::find(vyrazena.begin(), vyrazena.end(), o.cislo) != vyrazena.end())
            Chyba(radek,
                  "this number was removed for good (history of fixes) and must stay absent");
        if (const auto drive = videna_.find(o.cislo); drive != videna_.end())
            Chyba(radek,
                  "number repeated; first given at " + drive->second.soubor.string() + ":"
                      + std::to_string(drive->second.radek));
        if (KategorieCisla(o.cislo) != kategorie_)
            Chyba(radek,
                  "the number belongs to category " + std::to_string(KategorieCisla(o.cislo))
                      + ", not to category " + std::to_string(kategorie_) + " of this file");
        videna_[o.cislo] = {soubor_, radek};

        for (const auto& [klic, text] : hodnoty) {
            if (const auto misto = PrvniMimoCp1250(text.first)) {
                if (misto->neplatneUtf8)
                    Chyba(text.second,
                          "\"" + klic + "\" is not valid UTF-8 (byte " + std::to_string(misto->bajt)
                              + ")");
                const std::size_t delka = misto->znak < 0x800 ? 2 : misto->znak < 0x10000 ? 3 : 4;
                Chyba(text.second,
                      "\"" + klic + "\" contains '" + text.first.substr(misto->bajt, delka) + "' ("
                          + Hex(misto->znak) + "), which Windows-1250 cannot represent");
            }
        }

        // Escapes of a double-quoted YAML string can produce what the file itself may not hold.
        for (const auto& [klic, text] : hodnoty) {
            const auto z = std::find_if(text.first.begin(), text.first.end(), JeRidiciZnak);
            if (z != text.first.end())
                Chyba(text.second,
                      "\"" + klic + "\" contains the control character "
                          + Hex(static_cast<unsigned char>(*z)));
        }

        const auto* otazka = hodnota("otazka");
        if (!otazka || JePrazdnyText(otazka->first))
            Chyba(otazka ? otazka->second : radekPolozky, "the question text is empty");
        o.otazka = otazka->first;

        std::array<std::string*, 4> odpovedi {&o.a, &o.b, &o.c, &o.d};
        std::array<bool, 4> pritomna {};
        for (int i = 0; i < 4; ++i) {
            const std::string klic(1, static_cast<char>('a' + i));
            if (const auto* text = hodnota(klic)) {
                if (JePrazdnyText(text->first))
                    Chyba(text->second, "answer " + klic + " is empty");
                *odpovedi[i] = text->first;
                pritomna[i] = true;
            }
        }
        if (!pritomna[0] || !pritomna[1])
            Chyba(radekPolozky, "answers a and b are both required");
        if (pritomna[3] && !pritomna[2])
            Chyba(hodnota("d")->second, "answer d is given without answer c");

        const auto* spravne = hodnota("spravne");
        if (!spravne)
            Chyba(radekPolozky, "the question has no \"spravne\"");
        o.spravne = spravne->first;
        KontrolaSpravnych(o.spravne, pritomna, spravne->second);

        const auto* skupina = hodnota("skupina");
        if (!skupina)
            Chyba(radekPolozky, "the question has no \"skupina\"");
        o.skupina = skupina->first;
        KontrolaSkupiny(o.skupina, skupina->second);

        const auto* obrazek = hodnota("obrazek");
        if (o.cislo >= kPrvniSObrazkem) {
            if (!obrazek)
                Chyba(radekPolozky,
                      "questions from " + std::to_string(kPrvniSObrazkem)
                          + " on need a picture (\"obrazek\")");
            o.obrazek = KontrolaObrazku(obrazek->first, obrazek->second);
        } else if (obrazek) {
            Chyba(obrazek->second,
                  "only questions from " + std::to_string(kPrvniSObrazkem)
                      + " on may have a picture");
        }

        if (const auto* poznamka = hodnota("poznamka"))
            o.poznamka = poznamka->first;

        const auto* oblast = hodnota("oblast");
        if (!oblast)
            Chyba(radekPolozky,
                  "the question has no \"oblast\" (its section of the exam, "
                      + std::to_string(kPrvniOblast) + ".." + std::to_string(kPosledniOblast)
                      + ")");
        const std::string& text = oblast->first;
        if (vUvozovkach["oblast"] || text.size() != 1 || text[0] < '0' + kPrvniOblast
            || text[0] > '0' + kPosledniOblast)
            Chyba(oblast->second,
                  "\"oblast\" must be an unquoted whole number " + std::to_string(kPrvniOblast)
                      + ".." + std::to_string(kPosledniOblast) + ", not "
                      + (vUvozovkach["oblast"] ? "the quoted text " : "") + "\""
                      + UkazkaHodnoty(text) + "\"");
        return {std::move(o), text[0] - '0'};
    }

    int Cislo(const std::string& text, int radek) const
    {
        if (text.empty() || text.size() > 6
            || text.find_first_not_of("0123456789") != std::string::npos)
            Chyba(radek, "\"cislo\" must be a whole number, not \"" + UkazkaHodnoty(text) + "\"");
        if (text.size() > 1 && text.front() == '0')
            Chyba(radek, "\"cislo\" must be written without a leading zero, not \"" + text + "\"");
        return std::stoi(text);
    }

    void KontrolaSpravnych(const std::string& spravne, const std::array<bool, 4>& pritomna,
                           int radek) const
    {
        const std::string uvod = "correct letters \"" + spravne + "\": ";
        if (spravne.empty())
            Chyba(radek, "correct letters are empty");
        char predchozi = 0;
        for (const char p : spravne) {
            if (p >= 'a' && p <= 'd')
                Chyba(radek, uvod + "must be upper case");
            if (p < 'A' || p > 'D')
                Chyba(radek, uvod + "'" + std::string(1, p) + "' is not one of A, B, C, D");
            if (p == predchozi)
                Chyba(radek, uvod + "'" + std::string(1, p) + "' is repeated");
            if (p < predchozi)
                Chyba(radek, uvod + "not in alphabetical order");
            if (!pritomna[p - 'A'])
                Chyba(radek,
                      uvod + "names answer " + std::string(1, static_cast<char>(p - 'A' + 'a'))
                          + ", which the question does not have");
            predchozi = p;
        }
    }

    void KontrolaSkupiny(const std::string& skupina, int radek) const
    {
        const std::string chyba =
            "group letters \"" + skupina + "\" must be a non-empty ordered subset of \"ABCD\"";
        if (skupina.empty())
            Chyba(radek, chyba);
        char predchozi = 0;
        for (const char p : skupina) {
            if (p < 'A' || p > 'D' || p <= predchozi)
                Chyba(radek, chyba);
            predchozi = p;
        }
    }

    // Returns the path as stored: relative, with '/' separators.
    std::string KontrolaObrazku(const std::string& cesta, int radek) const
    {
        std::string normalni = cesta;
        std::replace(normalni.begin(), normalni.end(), '\\', '/');
        const std::string uvod = "picture \"" + cesta + "\": ";
        if (JePrazdnyText(normalni))
            Chyba(radek, "the picture path is empty");
        if (PocetZnaku(normalni) > kDelkaObrazku)
            Chyba(radek, uvod + "longer than " + std::to_string(kDelkaObrazku) + " characters");
        const fs::path relativni(normalni);
        if (normalni.front() == '/' || relativni.has_root_name() || relativni.has_root_directory()
            || (normalni.size() > 1 && normalni[1] == ':'))
            Chyba(radek, uvod + "must be relative to the data directory");
        for (const auto& cast : relativni)
            if (cast == "..")
                Chyba(radek, uvod + "must not leave the data directory");
        const fs::path soubor = adresarDat_ / relativni;
        std::error_code ec;
        if (!fs::is_regular_file(soubor, ec))
            Chyba(radek, uvod + "file " + soubor.string() + " does not exist");
        std::ifstream vstup(soubor, std::ios::binary);
        std::array<unsigned char, 3> zacatek {};
        vstup.read(reinterpret_cast<char*>(zacatek.data()), zacatek.size());
        if (vstup.gcount() != 3 || zacatek != std::array<unsigned char, 3> {0xFF, 0xD8, 0xFF})
            Chyba(radek, uvod + "file " + soubor.string() + " is not a JPEG");
        return normalni;
    }

    fs::path soubor_;
    int kategorie_;
    fs::path adresarDat_;
    std::map<int, Vyskyt>& videna_;
    int cislo_ = 0;
};

}  // namespace

ChybaImportu::ChybaImportu(fs::path soubor, int radek, int cislo, const std::string& popis)
    : std::runtime_error(Popis(soubor, radek, cislo, popis)), soubor_(std::move(soubor)),
      radek_(radek), cislo_(cislo)
{
}

const std::vector<int>& TrvaleVyrazenaCisla()
{
    static const std::vector<int> cisla {181, 274, 355, 388, 502, 523, 544, 545, 547, 550,
                                         552, 553, 554, 555, 558, 559, 560, 561, 563, 565,
                                         566, 568, 569, 570, 573, 575, 577, 579};
    return cisla;
}

ZdrojBanky NactiZdroj(const fs::path& adresarDat)
{
    ZdrojBanky zdroj;
    // A mistyped folder must not pass for an empty bank.
    if (!fs::is_directory(adresarDat))
        throw ChybaImportu(adresarDat, 0, 0, "the data directory does not exist");
    const fs::path adresarOtazek = adresarDat / "otazky";
    if (!fs::is_directory(adresarOtazek))
        throw ChybaImportu(adresarOtazek, 0, 0, "the data directory has no otazky directory");

    std::vector<fs::path> soubory;
    for (const auto& polozka : fs::directory_iterator(adresarOtazek))
        if (polozka.path().extension() == ".yaml")
            soubory.push_back(polozka.path());
    std::sort(soubory.begin(), soubory.end());

    static const std::regex kJmeno("kategorie([1-7])\\.yaml");
    std::map<int, Vyskyt> videna;
    std::vector<PolozkaZdroje> vsechny;
    for (const auto& soubor : soubory) {
        std::smatch shoda;
        const std::string jmeno = soubor.filename().string();
        if (!std::regex_match(jmeno, shoda, kJmeno))
            throw ChybaImportu(
                soubor, 0, 0,
                "unexpected file: the sources are kategorie1.yaml .. kategorie7.yaml");
        KontrolaSouboru kontrola(soubor, std::stoi(shoda[1].str()), adresarDat, videna);
        std::vector<PolozkaZdroje> otazky = kontrola.Projdi();
        zdroj.soubory.push_back({soubor, static_cast<int>(otazky.size())});
        for (auto& o : otazky)
            vsechny.push_back(std::move(o));
    }
    if (soubory.empty())
        throw ChybaImportu(adresarOtazek, 0, 0,
                           "no source file: the sources are kategorie1.yaml .. kategorie7.yaml");
    std::sort(vsechny.begin(), vsechny.end(), [](const PolozkaZdroje& x, const PolozkaZdroje& y) {
        return x.otazka.cislo < y.otazka.cislo;
    });
    for (auto& polozka : vsechny) {
        zdroj.otazky.push_back(std::move(polozka.otazka));
        zdroj.oblasti.push_back(polozka.oblast);
    }
    return zdroj;
}

std::string TextRazitka(const ZdrojBanky& zdroj)
{
    std::ostringstream text;
    text << "Zebrovka: banka otázek\n";
    text << "otázek: " << zdroj.otazky.size() << "\n";
    for (const auto& soubor : zdroj.soubory)
        text << soubor.cesta.filename().string() << ": " << soubor.pocetOtazek << "\n";
    return text.str();
}

void ZapisBanku(const ZdrojBanky& zdroj, const fs::path& cil)
{
    if (zdroj.oblasti.size() != zdroj.otazky.size())
        throw std::logic_error("the bank's source has " + std::to_string(zdroj.otazky.size())
                               + " questions but " + std::to_string(zdroj.oblasti.size())
                               + " sections");
    // Built aside and moved in whole, so that an interrupted run never leaves half a bank.
    fs::create_directories(cil);
    const fs::path docasny = cil / "otazky.novy";
    fs::remove_all(docasny);
    fs::create_directory(docasny);

    {
        Tabulka tabulka;
        tabulka.Svaz(docasny, "otazky");
        tabulka.Vytvor(DefiniceOtazky());
        tabulka.Otevri();
        tabulka.ZacniDavku();
        for (const Otazka& o : zdroj.otazky) {
            tabulka.Vloz();
            tabulka.PoleNaPozici(0).NastavCele(o.cislo);
            const std::array<const std::string*, 9> texty {
                &o.otazka, &o.a, &o.b, &o.c, &o.d, &o.spravne, &o.skupina, &o.obrazek, &o.poznamka};
            for (int i = 0; i < static_cast<int>(texty.size()); ++i)
                if (!texty[i]->empty())  // absent texts stay without a value
                    tabulka.PoleNaPozici(i + 1).NastavText(*texty[i]);
            tabulka.Uloz();
        }
        tabulka.DokonciDavku();
        tabulka.Zavri();
    }
    {
        Tabulka tabulka;
        tabulka.Svaz(docasny, "oblasti");
        tabulka.Vytvor(DefiniceOblasti());
        tabulka.Otevri();
        tabulka.ZacniDavku();
        for (std::size_t i = 0; i < zdroj.otazky.size(); ++i) {
            tabulka.Vloz();
            tabulka.PoleNaPozici(0).NastavCele(zdroj.otazky[i].cislo);
            tabulka.PoleNaPozici(1).NastavCele(zdroj.oblasti[i]);
            tabulka.Uloz();
        }
        tabulka.DokonciDavku();
        tabulka.Zavri();
    }
    {
        std::ofstream razitko(docasny / "otazky.MB", std::ios::binary | std::ios::trunc);
        razitko << TextRazitka(zdroj);
        if (!razitko.flush())
            throw std::runtime_error("cannot write " + (docasny / "otazky.MB").string());
    }
    // The shipped bank is read by whoever runs the program, unlike the tables of a learner.
    for (const char* soubor : {"otazky.DB", "oblasti.DB"})
        fs::permissions(docasny / soubor,
                        fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read
                            | fs::perms::others_read);
    fs::rename(docasny / "oblasti.DB", cil / "oblasti.DB");
    fs::rename(docasny / "otazky.DB", cil / "otazky.DB");
    fs::rename(docasny / "otazky.MB", cil / "otazky.MB");
    fs::remove_all(docasny);
}
