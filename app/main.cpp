#include "ui/Aplikace.h"
#include "app/THlavniFormular.h"

#include <QDir>

int main(int argc, char** argv)
{
    Aplikace aplikace(argc, argv);
    THlavniFormular hlavni(QDir::currentPath().toStdString());
    switch (hlavni.Spust()) {
    case THlavniFormular::Start::Prihlasen:
        return Aplikace::exec();
    case THlavniFormular::Start::Ukoncen:
        return 0;
    case THlavniFormular::Start::Chyba:
        break;
    }
    return 1;
}
