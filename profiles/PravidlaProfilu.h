#pragma once

#include <QString>
#include <QStringList>

#include <exception>

class QDialog;
class QHBoxLayout;
class QPushButton;
class QWidget;

// Rules for names and passwords typed into the profile dialogs, with the messages the learner
// sees. Each returns the message of the first broken rule, or an empty string.
namespace PravidlaProfilu {
inline constexpr int kMaxJmeno = 30;
inline constexpr int kMaxHeslo = 50;
inline constexpr int kMinHeslo = 5;

// Not empty, not "Default" in any case of the letters a-z, not one of `jine` ignoring case.
QString ChybaJmena(const QString& jmeno, const QStringList& jine);
// Both entries equal, then at least five characters.
QString ChybaHesla(const QString& heslo1, const QString& heslo2);
}  // namespace PravidlaProfilu

// The "&OK" / "&Storno" row of the profile dialogs (object names btnOK, btnStorno), right-aligned.
// Neither is a default button: Enter confirms only from the entries, through their own handler.
QHBoxLayout* RadekOKStorno(QDialog* dialog, QPushButton*& btnOK, QPushButton*& btnStorno);

// Runs a handler that works on the tables; a table error ends it and its message is shown.
template <typename F>
void ChraneneTabulky(QWidget* rodic, F&& akce);

void UkazChybuTabulky(QWidget* rodic, const std::exception& chyba);

template <typename F>
void ChraneneTabulky(QWidget* rodic, F&& akce)
{
    try {
        akce();
    } catch (const std::exception& chyba) {
        UkazChybuTabulky(rodic, chyba);
    }
}
