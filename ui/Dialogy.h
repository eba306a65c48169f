#pragma once

#include <exception>

class QDialog;
class QHBoxLayout;
class QPushButton;
class QWidget;

// The "&OK" / "&Storno" row of the dialogs (object names btnOK, btnStorno), right-aligned.
// Neither is a default button: Enter confirms only from the entries, through their own handler.
QHBoxLayout* RadekOKStorno(QDialog* dialog, QPushButton*& btnOK, QPushButton*& btnStorno);

// Runs a handler that works on the tables; a table error ends it and its message is shown.
template <typename F> void ChraneneTabulky(QWidget* rodic, F&& akce);

void UkazChybuTabulky(QWidget* rodic, const std::exception& chyba);

template <typename F> void ChraneneTabulky(QWidget* rodic, F&& akce)
{
    try {
        akce();
    } catch (const std::exception& chyba) {
        UkazChybuTabulky(rodic, chyba);
    }
}
