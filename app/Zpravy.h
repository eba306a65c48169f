#pragma once

#include <QString>

class QWidget;

// The four kinds of message box, each with its own caption, buttons and icon. Every message the
// program shows goes through here.
namespace Zpravy {
inline const QString kOtazka = QStringLiteral("Otázka programu Zebrovka 2003 (2004)");
inline const QString kInformace = QStringLiteral("Informace programu Zebrovka 2003 (2004)");
inline const QString kChyba = QStringLiteral("Chybové hlášení programu Zebrovka 2003 (2004)");
inline const QString kVarovani = QStringLiteral("Varování programu Zebrovka 2003 (2004)");

bool Otazka(QWidget* rodic, const QString& text);    // Yes/No, question icon; true only for Yes
void Informace(QWidget* rodic, const QString& text);  // OK, information icon
void Chyba(QWidget* rodic, const QString& text);      // OK, error icon
bool Varovani(QWidget* rodic, const QString& text);   // Yes/No, exclamation icon; true only for Yes
}  // namespace Zpravy

// Places `okno` centred over `otevirac` (or over the screen when there is none):
// left := opener's left + (opener's width - own width) / 2, halves toward zero; top likewise.
void VycentrujNad(QWidget* okno, const QWidget* otevirac);
