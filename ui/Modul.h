#pragma once

// Window libraries the program loads when first needed, so that what they link is not loaded at
// start: Qt plugins named zebrovka-<name>.so beside the program (the build) or in the installed
// library folder. Tests, benchmarks and tools link the same code as a static plugin, found first
// and without loading anything. A module uses nothing of the program but its interface, so that
// loading it brings no second copy of the program's own state.
#include <QObject>
#include <QString>

#include <functional>

// The instance of the module `soubor` that `pasuje` accepts; null when none can be loaded, and
// `chyba` then receives why. A loaded module stays loaded for the rest of the program.
QObject* NactiModul(const QString& soubor, const std::function<bool(QObject*)>& pasuje,
                    QString& chyba);

// The module's interface `Rozhrani`, looked up once per program; null (with the reason in
// `chyba`) when the module cannot be loaded, then or on an earlier call.
template <typename Rozhrani> Rozhrani* Modul(const QString& soubor, QString* chyba = nullptr)
{
    static Rozhrani* modul = nullptr;
    static QString duvod;
    if (!modul && duvod.isEmpty())
        modul = qobject_cast<Rozhrani*>(NactiModul(
            soubor, [](QObject* o) { return qobject_cast<Rozhrani*>(o) != nullptr; }, duvod));
    if (chyba)
        *chyba = duvod;
    return modul;
}
