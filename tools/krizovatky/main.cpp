// zk_krizovatky --solve SCENE.yaml: the order of passage through the junction of a scene, one line
// per step: its number, a tab, the labels joined by "+", a tab, the rule with its provision.
// zk_krizovatky --generate SEED OUT_DIR: a new situation of the seed: OUT_DIR/scena.yaml (the form
// of data/situace), OUT_DIR/situace.png (its picture), OUT_DIR/otazka.txt (the question, three
// answers and the right letter) and OUT_DIR/vysvetleni.txt (the steps with their rules).
#include "krizovatky/CteniSceny.h"
#include "krizovatky/Generator.h"
#include "krizovatky/Krizovatka.h"
#include "tools/situace/Situace.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

namespace {

int Res(const char* soubor)
{
    KScena scena;
    std::string chyba;
    if (!NactiKScenu(soubor, &scena, &chyba)) {
        std::cerr << chyba << "\n";
        return 1;
    }
    const Reseni r = ResPoradi(scena);
    if (!r.rozhodnuto) {
        std::cerr << soubor << ": nelze rozhodnout: " << r.duvod << "\n";
        return 2;
    }
    int n = 0;
    for (const Krok& k : r.kroky) {
        std::string pravidlo = k.pravidlo;
        std::replace(pravidlo.begin(), pravidlo.end(), '\n', ' ');  // one line per step
        if (k.druh == DruhKroku::Ceka)
            pravidlo = "nesmí vjet: " + pravidlo;
        else if (k.druh == DruhKroku::Blokovani)
            pravidlo = "vzájemné blokování: " + pravidlo;
        std::cout << ++n << '\t' << SpojStitky(k.stitky) << '\t' << pravidlo << '\n';
    }
    return 0;
}

bool Zapis(const std::string& soubor, const std::string& text)
{
    std::ofstream f(soubor, std::ios::binary | std::ios::trunc);
    f << text;
    f.close();
    if (!f) {
        std::cerr << soubor << ": nelze zapsat\n";
        return false;
    }
    return true;
}

int Generuj(int argc, char** argv, const char* seedText, const char* cil)
{
    char* konec = nullptr;
    const unsigned long long seed = std::strtoull(seedText, &konec, 10);
    if (!*seedText || *konec || seed > 0xffffffffull) {
        std::cerr << "SEED je celé číslo 0 až 4294967295\n";
        return 1;
    }
    QCoreApplication aplikace(argc, argv);
    const QString adresar = QString::fromLocal8Bit(cil);
    if (!QDir().mkpath(adresar)) {
        std::cerr << cil << ": adresář nelze vytvořit\n";
        return 1;
    }
    const GenerovanaSituace g = GenerujSituaci(static_cast<std::uint32_t>(seed));
    const std::string d = std::string(cil) + "/";
    const std::string yaml =
        "# Vygenerovaná situace, seed " + std::to_string(seed) + ".\n" + ScenaDoYaml(g.scena);
    if (!Zapis(d + "scena.yaml", yaml))
        return 1;
    Scena scena;
    QString chyba;
    if (!NactiScenu(QString::fromLocal8Bit((d + "scena.yaml").c_str()), &scena, &chyba)) {
        std::cerr << chyba.toLocal8Bit().constData() << "\n";
        return 1;
    }
    if (!KresliScenu(scena).save(QString::fromLocal8Bit((d + "situace.png").c_str()), "PNG")) {
        std::cerr << d << "situace.png: nelze zapsat\n";
        return 1;
    }
    std::string otazka = g.otazka + "\n";
    for (int i = 0; i < 3; ++i)
        otazka += std::string(1, char('a' + i)) + ") " + g.odpovedi[i] + "\n";
    otazka += std::string("správně: ") + char('a' + g.spravna) + "\n";
    if (!Zapis(d + "otazka.txt", otazka) || !Zapis(d + "vysvetleni.txt", g.vysvetleni))
        return 1;
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--solve") == 0)
        return Res(argv[2]);
    if (argc == 4 && std::strcmp(argv[1], "--generate") == 0)
        return Generuj(argc, argv, argv[2], argv[3]);
    std::cerr
        << "použití: zk_krizovatky --solve SCÉNA.yaml\n       zk_krizovatky --generate SEED CÍL\n";
    return 1;
}
