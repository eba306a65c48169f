#include "tools/kresleni/Ikona.h"
#include "tools/kresleni/Kresleni.h"

#include <QCoreApplication>

#include <cstdio>

// zk_kresleni DIRECTORY [ICON.svg]: draws the answer marks, the background picture and the icon
// into DIRECTORY (the shipped copies live in data/grafika) and, when asked, the icon for the
// desktop as SVG (shipped as data/plocha/cz.zebrovka.Zebrovka.svg).
int main(int argc, char** argv)
{
    QCoreApplication aplikace(argc, argv);
    const QStringList argumenty = QCoreApplication::arguments();
    if (argumenty.size() != 2 && argumenty.size() != 3) {
        std::fprintf(stderr, "použití: zk_kresleni ADRESÁŘ [IKONA.svg]\n");
        return 2;
    }
    QString chyba = ZapisObrazky(argumenty.at(1));
    if (chyba.isEmpty() && argumenty.size() == 3)
        chyba = ZapisIkonuSvg(argumenty.at(2));
    if (!chyba.isEmpty()) {
        std::fprintf(stderr, "zk_kresleni: %s\n", chyba.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
