#pragma once

#include <QColor>
#include <QFont>

#include <filesystem>
#include <string>

class QGroupBox;
class QWidget;

// The colour of the main window, its status bar, the information strip and the feedback panel.
inline const QColor kBarvaOkna(224, 223, 227);

// The program's window font, Arial at a pixel size: 11 for the labels of the main window and the
// dialogs, larger for headings and the question panel.
QFont PismoOkna(int pixelu = 11, bool tucne = false);

// The program's looks, chosen per profile. Klasicky is the program's own colours over the
// desktop's palette; Tmavy a dark look (every text at least 4.5:1 on its background);
// VysokyKontrast light texts on black (every text at least 7:1).
enum class Vzhled { Klasicky, Tmavy, VysokyKontrast };

// The surfaces whose background the program fixes, each with the text colour that goes on it.
enum class Plocha {
    Okno,  // the main window, its status bar, the strip, the feedback panel
    Panel,  // the white question panel, the points-test sheet and its grid
    Prohlizeni,  // the yellow browse box
};

// Text colours the program fixes on a surface.
enum class Pismo {
    Otazka,  // the question's text (blue)
    Poznamka,  // the note in browse mode (the program's grey)
    Vysvetleni,  // the note shown after an answer (readable in every look)
    Spravne,  // "Správně", a passed test
    Spatne,  // "Špatně", a failed test
    Zvyraznene,  // the blue texts of the dialogs
    Upozorneni,  // the dark red texts of the dialogs
};

QColor BarvaPlochy(Plocha plocha);
QColor BarvaTextuPlochy(Plocha plocha);
QColor BarvaPisma(Pismo pismo);

// Fills the widget's background with the surface's colour and sets the text colour that goes on
// it (so a dark desktop palette cannot put light text on the light surface). The widget keeps
// its surface when the look changes.
void ObarviPozadi(QWidget* w, Plocha plocha = Plocha::Okno);
// Sets the widget's text colour; kept when the look changes.
void ObarviText(QWidget* w, Pismo pismo);
// A group box on the Panel surface whose caption sits on its frame line.
void BilyRamecek(QGroupBox* box);

// The look in force; Klasicky until PouzijVzhled is called.
Vzhled AktualniVzhled();
// Switches the look: the application's palette (Klasicky: the desktop's, as it was when the
// classic look was left) and the colours of every widget coloured above.
void PouzijVzhled(Vzhled vzhled);

// The profile's look (Predvolby, key "Vzhled"); Klasicky when none is stored. Storage errors
// propagate as ChybaTabulky.
Vzhled NactiVzhled(const std::filesystem::path& adresar, const std::string& profil);
void UlozVzhled(const std::filesystem::path& adresar, const std::string& profil, Vzhled vzhled);
