#include "test/ZpravaProtokolu.h"

#include "base/Cp1250.h"
#include "base/DocasneSoubory.h"
#include "test/Protokol.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int PocetZnaku(std::string_view text)
{
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char z) {
        return (static_cast<unsigned char>(z) & 0xC0) != 0x80;
    }));
}

// The first character of UTF-8 text with its continuation bytes.
std::string_view PrvniZnak(std::string_view text)
{
    std::size_t delka = text.empty() ? 0 : 1;
    while (delka < text.size() && (static_cast<unsigned char>(text[delka]) & 0xC0) == 0x80)
        ++delka;
    return text.substr(0, delka);
}

// Temporary files of a save: .zprava-XXXXXX.tmp beside the saved file.
const std::string kPredponaDocasne = ".zprava-";
const std::string kPriponaDocasne = ".tmp";

const std::string kCara = "  " + std::string(45, '-');

std::string DuvodChyby(int cislo)
{
    switch (cislo) {
    case EACCES:
    case EPERM:
        return "přístup odepřen (do složky nelze zapisovat)";
    case EROFS:
        return "svazek je určen jen pro čtení";
    case ENOSPC:
    case EDQUOT:
        return "na disku není dost místa";
    case EISDIR:
        return "pod tímto jménem je složka";
    case ENOENT:
    case ENOTDIR:
        return "složka neexistuje";
    case ENAMETOOLONG:
        return "jméno souboru je příliš dlouhé";
    case EFBIG:
        return "soubor by byl větší, než systém dovoluje";
    default:
        return "chyba systému č. " + std::to_string(cislo) + " (" + std::strerror(cislo) + ")";
    }
}

[[noreturn]] void Selhani(const std::filesystem::path& soubor, int cislo)
{
    throw ChybaUlozeni("Soubor „" + soubor.string() + "“ se nepodařilo uložit: " + DuvodChyby(cislo)
                       + ".");
}

}  // namespace

std::string ZarovnejVpravo(std::string_view text, int sirka)
{
    const int chybi = sirka - PocetZnaku(text);
    return std::string(std::max(chybi, 0), ' ') + std::string(text);
}

std::string RadekPozice(int n, std::string_view skutCis, std::string_view odpoved,
                        std::string_view spravnaOdpoved, std::string_view body)
{
    std::string radek = ZarovnejVpravo(std::to_string(n), 8) + ZarovnejVpravo(skutCis, 10)
        + ZarovnejVpravo(odpoved, 11) + ZarovnejVpravo(spravnaOdpoved, 9) + std::string(8, ' ')
        + '0';
    if (odpoved != spravnaOdpoved)
        radek[3] = 'x';
    else if (!body.empty())
        radek.replace(radek.size() - 1, 1, PrvniZnak(body));
    return radek;
}

std::vector<std::string> RadkyZpravy(const VstupZpravy& v)
{
    const auto body = RozdelMemo(v.body);
    const auto odpoved = RozdelMemo(v.odpoved);
    const auto spravna = RozdelMemo(v.spravnaOdpoved);
    const auto skutCis = RozdelMemo(v.skutCis);

    std::vector<std::string> radky {
        " Uživatel : " + v.profil,
        "",
        "  Skupina : " + v.skupina,
        "  Maximální dosažitelný počet bodů: : 65",
        "  Minimální potřeba počtu bodů : " + std::to_string(v.minPocetBodu),
        "  Datum a čas testu : " + v.datumACas,
        "  Délka testu : " + v.delkaTestu,
        "",
        "  Otázka  Skutečné    Odpověď  Správná  Získané",
        "   číslo     číslo  uživatele  odpověď     body",
        kCara,
    };
    for (int i = 0; i < kPocetPozicTestu; ++i)
        radky.push_back(RadekPozice(i + 1, skutCis[i], odpoved[i], spravna[i], body[i]));
    radky.push_back(kCara);
    radky.push_back("     " + v.verdikt);
    radky.push_back(kCara);
    radky.push_back("           Celkem : " + ZarovnejVpravo(std::to_string(v.spravne), 9)
                    + ZarovnejVpravo(std::to_string(v.pocetBodu), 18));
    return radky;
}

std::filesystem::path NazevSouboruZpravy(const std::filesystem::path& zvoleny)
{
    std::string jmeno = zvoleny.filename().string();
    std::string konec = jmeno.size() >= 4 ? jmeno.substr(jmeno.size() - 4) : "";
    std::transform(konec.begin(), konec.end(), konec.begin(),
                   [](unsigned char z) { return static_cast<char>(std::tolower(z)); });
    if (konec == ".txt")
        return zvoleny;
    std::filesystem::path s = zvoleny;
    s += ".txt";
    return s;
}

std::string ObsahSouboruZpravy(const std::vector<std::string>& radky)
{
    std::string obsah;
    for (const std::string& radek : radky) {
        obsah += Utf8NaCp1250(radek);
        obsah += "\r\n";
    }
    return obsah;
}

void UlozSouborAtomicky(const std::filesystem::path& soubor, std::string_view obsah)
{
    struct stat info { };
    if (::stat(soubor.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
        Selhani(soubor, EISDIR);

    // The temporary name is short whatever the chosen one is, so every name the file system
    // takes can be saved. Temporary files left by a save that was killed go first.
    const std::filesystem::path slozka = soubor.parent_path();
    UklidDocasne(slozka, kPredponaDocasne, kPriponaDocasne);
    std::string docasny;
    const int fd = VytvorDocasny(slozka, kPredponaDocasne, kPriponaDocasne, docasny);
    if (fd < 0)
        Selhani(soubor, errno);
    auto zrus = [&](int cislo) {
        ::close(fd);
        ::unlink(docasny.c_str());
        Selhani(soubor, cislo);
    };
    if (!ZapisCely(fd, obsah))
        zrus(errno);
    // mkstemp creates the file for its owner only; a saved report is an ordinary file.
    const mode_t maska = ::umask(0);
    ::umask(maska);
    if (::fchmod(fd, 0666 & ~maska) != 0 || ::fsync(fd) != 0)
        zrus(errno);
    if (::close(fd) != 0) {
        const int cislo = errno;
        ::unlink(docasny.c_str());
        Selhani(soubor, cislo);
    }
    if (::rename(docasny.c_str(), soubor.c_str()) != 0) {
        const int cislo = errno;
        ::unlink(docasny.c_str());
        Selhani(soubor, cislo);
    }
}
