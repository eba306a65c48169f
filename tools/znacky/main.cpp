#include "tools/znacky/Znacky.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

// zk_znacky POPISY ADRESÁŘ [ARCH.png]: draws every sign described in POPISY (the shipped copies:
// data/znacky/znacky.yaml into data/grafika/znacky) and, when asked, the review sheet of all of
// them.
int main(int argc, char** argv)
{
    QCoreApplication aplikace(argc, argv);
    const QStringList argumenty = QCoreApplication::arguments();
    if (argumenty.size() != 3 && argumenty.size() != 4) {
        std::fprintf(stderr, "použití: zk_znacky POPISY ADRESÁŘ [ARCH.png]\n");
        return 2;
    }
    QString chyba;
    const auto popisy = NactiPopisyZnacek(argumenty.at(1), &chyba);
    if (popisy.empty()) {
        std::fprintf(stderr, "zk_znacky: %s\n",
                     qUtf8Printable(chyba.isEmpty() ? QStringLiteral("no signs") : chyba));
        return 1;
    }
    chyba =
        ZapisZnacky(popisy, argumenty.at(2), argumenty.size() == 4 ? argumenty.at(3) : QString());
    if (!chyba.isEmpty()) {
        std::fprintf(stderr, "zk_znacky: %s\n", qUtf8Printable(chyba));
        return 1;
    }
    std::printf("%d značek\n", int(popisy.size()));
    return 0;
}
