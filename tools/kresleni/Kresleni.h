#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include <vector>

// The pictures the windows show besides the question pictures: the three answer marks (18 x 18,
// on the white question panel and in the legend), the main window's background picture and the
// program icon. Everything is drawn in code so that the shipped files can be reproduced.

// Colour of the main window and of its information strip; the background picture sits on it.
inline const QColor BarvaOkna(224, 223, 227);

// Each picture is drawn at `nasobek` times its size for screens that scale (Qt's @2x naming).
QImage KresliAno(int nasobek = 1);  // green tick
QImage KresliNe(int nasobek = 1);  // red cross
QImage KresliChybu(int nasobek = 1);  // blue tick struck through by a diagonal stroke
QImage KresliPozadi(int nasobek = 1);  // 453 x 227: a car with all its doors and the tailgate open
QImage KresliIkonu(int nasobek = 1);  // 32 x 32, transparent: a zebra crossing on asphalt
class QPainter;
void KresliIkonu(QPainter& p);  // the same icon on any device, in units of a 32 x 32 square

struct KreslenyObrazek {
    const char* soubor;  // file name in data/grafika
    QImage (*kresli)(int nasobek);
    bool dvojcata;  // also written twice and four times as large, as name@2x and name@4x
};

// The pictures' larger twins: 2 and 4 times the size.
inline constexpr int kNasobkyDvojcat[] = {2, 4};

// The pictures in the order they are written.
const std::vector<KreslenyObrazek>& KresleneObrazky();

// Writes every picture, and the twins of those that have them, into `adresar` (JPEG with
// quality 95, the icon as PNG), creating the
// directory when needed. Returns an empty text on success, else what went wrong.
QString ZapisObrazky(const QString& adresar);

// The name of a picture's twin: "yes.jpg" and 2 give "yes@2x.jpg".
QString JmenoDvojcete(const QString& soubor, int nasobek);
