// Preloaded into the program by bench_start: once the profile manager has been painted it is
// closed as "Ukončit program" would be, without the question, so that the program ends there.
// The program runs as shipped; this library adds only itself.
#include "bench/PrvniVykresleni.h"

#include <QCoreApplication>
#include <QDialog>

namespace {

void Nainstaluj()
{
    new PrvniVykresleni<QDialog>([](QDialog* manazer) { manazer->done(QDialog::Rejected); });
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(Nainstaluj)
