#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include <map>
#include <vector>

// The pictures of the category "Dopravní značky a zařízení": each sign, road marking, signal or
// device is described as data in data/znacky/znacky.yaml (shape, colours, symbols, text, an
// additional plate) and drawn here from one shared set of symbols. Nothing depends on the fonts
// installed: letters and digits come from our own stroke font.

// One symbol placed in the sign's symbol box, whose coordinates run from -1 to 1 (y downwards).
struct UmisteniSymbolu {
    QString symbol;  // name in the shared set (Symboly.h)
    double x = 0, y = 0;  // centre
    double meritko = 1;
    double otoceni = 0;  // degrees, clockwise
    bool zrcadlo = false;  // mirrored left to right
    QString barva;  // colour name; empty: the shape's symbol colour
    QString text;  // for "text" and symbols that carry a figure
};

struct Tabulka {  // additional plate (E) below the sign
    std::vector<UmisteniSymbolu> symboly;
};

struct PopisZnacky {
    QString soubor;  // file name in the output directory, e.g. "A1a.jpg"
    QString kod;  // the catalogue code, e.g. "A1a"
    QString nazev;
    QString tvar;  // vystrazna, obraceny, osmiuhelnik, kosoctverec, kruh, ctverec, navestni,
                   // kriz, silnice, semafor, prejezd, volna
    QString vypln;  // fill colour name of the shape's face (shape default when empty)
    QString okraj;  // rim colour name (shape default when empty)
    bool docasna = false;  // yellow face of a temporary sign
    bool konec = false;  // end stripes (circle, diamond) or the red end band (rectangle)
    QString
        preskrtnuti;  // red bar of a prohibition: "sikmo" (one, top left to bottom right) or "x"
    double pomer = 1;  // height / width of a rectangle
    int pocet = 0;  // stripes of a countdown marker
    QString stav;  // lamps of a signal head or a crossing signal
    std::vector<UmisteniSymbolu> symboly;
    bool maTabulku = false;
    bool velkaTabulka = false;  // a plate with a drawing (a junction's shape) takes more height
    Tabulka tabulka;
};

// Colour of a name used in the descriptions; an unknown name gives an invalid colour.
QColor BarvaZnacky(const QString& nazev);

// Reads the descriptions; on a fault returns an empty list and sets `chyba` to
// "<file>: <entry>: what is wrong".
std::vector<PopisZnacky> NactiPopisyZnacek(const QString& soubor, QString* chyba);

// Side of every picture in pixels.
constexpr int kVelikostZnacky = 96;

// Draws one picture (kVelikostZnacky square, opaque). Unknown symbols or colours are reported
// through `chyba` (the picture is still drawn without them).
// `nasobek` 2 or 4 draws the twin for screens that scale, as many times larger.
QImage KresliZnacku(const PopisZnacky& popis, QString* chyba = nullptr, int nasobek = 1);

// The file of a picture's twin (Qt's naming): "A10.jpg" and 2 give "A10@2x.jpg"; 1 gives the file.
QString JmenoDvojcete(const QString& soubor, int nasobek);

// The review sheet: every picture with its code beneath, ten in a row.
QImage KontaktniArch(const std::vector<PopisZnacky>& popisy);

// Writes every picture with its twins @2x and @4x (JPEG, quality 95) into `adresar` and, when
// `arch` is not empty, the review sheet as PNG there. Returns an empty text on success, else what
// went wrong.
QString ZapisZnacky(const std::vector<PopisZnacky>& popisy, const QString& adresar,
                    const QString& arch);
