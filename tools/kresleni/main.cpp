#include "tools/kresleni/Kresleni.h"

#include <QCoreApplication>

#include <cstdio>

// zk_kresleni DIRECTORY: draws the answer marks, the background picture and the icon into
// DIRECTORY (the shipped copies live in data/grafika).
int main(int argc, char** argv)
{
    QCoreApplication aplikace(argc, argv);
    const QStringList argumenty = QCoreApplication::arguments();
    if (argumenty.size() != 2) {
        std::fprintf(stderr, "použití: zk_kresleni ADRESÁŘ\n");
        return 2;
    }
    const QString chyba = ZapisObrazky(argumenty.at(1));
    if (!chyba.isEmpty()) {
        std::fprintf(stderr, "zk_kresleni: %s\n", chyba.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
