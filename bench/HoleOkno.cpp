// The start-up baseline: a bare Qt 6 main window with a menu bar and a status bar, in a program
// that links nothing but Qt Widgets. It shows the window, runs the event loop until the window has
// been painted and ends. bench_start starts it beside the program's own main window.
#include "bench/PrvniVykresleni.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplikace(argc, argv);
    QMainWindow okno;
    QMenuBar* menu = okno.menuBar();
    for (const char* nazev :
         {"&Program", "P&rofil", "&Konfigurace", "&Start", "&Výsledky", "&Informace"}) {
        QMenu* podmenu = menu->addMenu(QString::fromUtf8(nazev));
        for (int i = 0; i < 4; ++i)
            podmenu->addAction(QStringLiteral("Položka %1").arg(i));
    }
    okno.statusBar()->showMessage(QStringLiteral("Zebrovka"));
    okno.resize(632, 406);
    PrvniVykresleni<QMainWindow> konec([](QMainWindow*) { QCoreApplication::quit(); });
    okno.show();
    return QApplication::exec();
}
