#include "tools/situace/Situace.h"

#include <QCoreApplication>

#include <cstdio>

// zk_situace ZDROJE CIL [ARCH.png]: draws every scene ZDROJE/NNN.yaml into CIL/NNN.jpg and the
// review sheet into ARCH.png (the shipped copies: data/situace -> data/grafika/situace).
// zk_situace --kontrola ZDROJE: only reads and draws every scene, writing nothing (the build runs
// it, so a faulty scene stops the build with its file and line).
int main(int argc, char** argv)
{
    QCoreApplication aplikace(argc, argv);
    const QStringList a = QCoreApplication::arguments();
    QString chyba;
    if (a.size() == 3 && a.at(1) == QLatin1String("--kontrola")) {
        std::vector<Scena> sceny;
        if (NactiSceny(a.at(2), &sceny, &chyba)) {
            for (const Scena& s : sceny)
                KresliScenu(s);
            if (sceny.empty())
                chyba = a.at(2) + QStringLiteral(": žádná scéna");
        }
    } else if (a.size() == 3 || a.size() == 4) {
        chyba = ZapisSituace(a.at(1), a.at(2), a.size() == 4 ? a.at(3) : QString());
    } else {
        std::fprintf(
            stderr,
            "použití: zk_situace ZDROJE CIL [ARCH.png]\n       zk_situace --kontrola ZDROJE\n");
        return 2;
    }
    if (!chyba.isEmpty()) {
        std::fprintf(stderr, "%s\n", chyba.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
