// The start-up baseline: a bare Qt 6 main window with a menu bar and a status bar, in a program
// that links nothing but Qt Widgets. It shows the window and runs the event loop. bench_start
// starts it beside the program itself, both with the same preloaded library, which ends it once
// the window has been painted.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

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
    okno.show();
    return QApplication::exec();
}
