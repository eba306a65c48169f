#include "tools/kresleni/Ikona.h"

#include <QCoreApplication>

#include <cstdio>

// zk_ikony IKONA.svg ADRESÁŘ: renders the icon's PNG sizes into ADRESÁŘ/<n>x<n>/apps.
int main(int argc, char** argv)
{
    QCoreApplication aplikace(argc, argv);
    const QStringList argumenty = QCoreApplication::arguments();
    if (argumenty.size() != 3) {
        std::fprintf(stderr, "použití: zk_ikony IKONA.svg ADRESÁŘ\n");
        return 2;
    }
    const QString chyba = VykresliIkony(argumenty.at(1), argumenty.at(2));
    if (!chyba.isEmpty()) {
        std::fprintf(stderr, "zk_ikony: %s\n", chyba.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
