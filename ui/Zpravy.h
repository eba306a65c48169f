#pragma once

#include <QString>

class QWidget;

// The four kinds of message box, each with its own caption, buttons and icon. Every message the
// program shows goes through here. A box is centred over its opener's window.
namespace Zpravy {
inline const QString kOtazka = QStringLiteral("Otázka programu Zebrovka 2003 (2004)");
inline const QString kInformace = QStringLiteral("Informace programu Zebrovka 2003 (2004)");
inline const QString kChyba = QStringLiteral("Chybové hlášení programu Zebrovka 2003 (2004)");
inline const QString kVarovani = QStringLiteral("Varování programu Zebrovka 2003 (2004)");

// Which button of a Yes/No box Enter presses. A question that ends or deletes something keeps
// "Ne", so that an Enter pressed by habit loses nothing; only a question whose Yes is the
// harmless answer (it keeps something that No would drop) asks for "Ano".
enum class Vychozi { Ne, Ano };

bool Otazka(QWidget* rodic, const QString& text,
            Vychozi vychozi = Vychozi::Ne);  // Yes/No, question icon; true only for Yes
void Informace(QWidget* rodic, const QString& text);  // OK, information icon
void Chyba(QWidget* rodic, const QString& text);  // OK, error icon
bool Varovani(QWidget* rodic,
              const QString& text);  // Yes/No ("Ne" default), exclamation icon; true only for Yes

// What a pre-answered box would have shown.
struct Zachycena {
    QString titulek;
    QString text;
};

// For tests that drive logic behind a box without answering it on screen: the next box is not
// shown but answered at once, Yes (or OK) when `ano`, otherwise No; its caption and text go to
// `zachycena` when given (the object must outlive that box).
void ZodpovezPristi(bool ano, Zachycena* zachycena = nullptr);
}  // namespace Zpravy
