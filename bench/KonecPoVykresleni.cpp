// Preloaded by bench_start into every process it starts, so that each carries the same measuring
// part: in the program, once the profile manager has been painted it is closed as "Ukončit
// program" would be, without the question, so that the program ends there; in the bare window
// (ZK_KONEC_PO_HLAVNIM_OKNE set) the program ends once its main window has been painted. The
// programs run as built; this library adds only itself.
#include "bench/PrvniVykresleni.h"

#include <QCoreApplication>
#include <QDialog>
#include <QMainWindow>

namespace {

void Nainstaluj()
{
    if (qEnvironmentVariableIsSet("ZK_KONEC_PO_HLAVNIM_OKNE"))
        new PrvniVykresleni<QMainWindow>([](QMainWindow*) { QCoreApplication::quit(); });
    else
        new PrvniVykresleni<QDialog>([](QDialog* manazer) { manazer->done(QDialog::Rejected); });
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(Nainstaluj)
