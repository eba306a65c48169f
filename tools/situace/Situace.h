#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QSize>
#include <QString>

#include <map>
#include <string>
#include <vector>

// The pictures of the category "Řešení dopravních situací na křižovatkách": every situation is
// described in a small YAML file (data/situace/NNN.yaml: the arms of the junction, the signs and
// lights at each arm, tram tracks, crossings, vehicles with their intended paths, pedestrians, a
// police officer) and drawn here seen from above, 300 x 175 px. The signs come from the sign
// generator; letters and digits from its stroke font, so nothing depends on installed fonts.

constexpr int kSirkaSituace = 300;
constexpr int kVyskaSituace = 175;
constexpr int kKvalitaSituace = 92;  // JPEG quality of the written pictures

struct Semafor {
    QString svetlo;  // cervena, zluta, zelena, cervena_zluta, zluta_blika, vypnuto
    QString sipka;  // lit green supplementary arrow: vlevo, vpravo, rovne; empty: none
    int radek = 0;
};

struct Vozidlo {
    QString druh;  // osobni, nakladni, autobus, tramvaj, motocykl, kolo
    QString barva;
    QString stitek;  // letter or number on the roof
    QString z;  // arm it comes from (empty when it stands in the roundabout)
    double naKruhu = -1;  // angle in the roundabout (degrees) when it stands there
    QString kam;  // arm it goes to; empty: no arrow
    int poradi = 1;  // place in the queue on its arm
    double posun = 0;  // sideways from the middle of its lane, px to the right
    QString blinkr;  // vlevo, vpravo, ne; empty: follows from the path
    bool majak = false;  // blue warning light (and siren)
    int radek = 0;
};

struct Chodec {
    QString rameno;  // arm whose crossing he walks over
    int odkud = 1;  // +1 starts at the right kerb seen from the junction, -1 at the left
    QString druh;  // chodec, kolo (a cyclist on a cyclists' crossing)
    int radek = 0;
};

struct Scena {
    QString soubor;
    std::map<QString, double> ramena;  // arm name -> angle in degrees (0 east, 90 north)
    bool kruhovy = false;
    std::vector<QString> hlavni;  // the two arms of the main road
    std::map<QString, std::vector<QString>> znacky;  // arm -> sign codes, top down
    std::map<QString, Semafor> semafory;
    struct Kolej {
        QString z, kam;
        double posun = 0;  // sideways from the middle of the lane, px to the right
    };
    std::vector<Kolej> koleje;  // tram tracks from arm to arm
    double sirka = 20;  // half the width of the carriageway (one lane each way)
    std::vector<QString> prechody;  // arms with a pedestrian crossing
    std::vector<Vozidlo> vozidla;
    std::vector<Chodec> chodci;
    QString policista;  // axis of the officer's stretched arms, e.g. "S-J"; empty: none
};

// The colours a vehicle may have, by the names a scene uses.
const std::map<QString, QColor>& BarvyVozidel();

// Reading (SituaceCteni.cpp, over yaml-cpp; the library zk_situace_lib): the drawing alone is the
// library zk_situace_kresleni, which loads no YAML.
// Reads one scene. On a fault returns false and sets `chyba` to "<file>:<line>: what is wrong".
bool NactiScenu(const QString& soubor, Scena* scena, QString* chyba);

// The same from the YAML text of a scene; `jmeno` names it in the fault.
bool CtiScenu(const std::string& text, const QString& jmeno, Scena* scena, QString* chyba);

// Draws a scene, kSirkaSituace x kVyskaSituace times `nasobek` (its twins for screens that scale
// are drawn 2 and 4 times larger), opaque.
QImage KresliScenu(const Scena& scena, int nasobek = 1);
// Draws a scene at another size: scaled evenly (drawn anew, not resampled) and centred on grass.
QImage KresliScenu(const Scena& scena, QSize velikost);
// The centre of each vehicle of the scene, in its order, in the picture of that size.
std::vector<QPointF> PolohyVozidel(const Scena& scena, QSize velikost);

// Every NNN.yaml of a directory in the order of the numbers; stops at the first fault.
bool NactiSceny(const QString& adresar, std::vector<Scena>* sceny, QString* chyba);

// The review sheet: every picture with its number beneath, four in a row.
QImage KontaktniArchSituaci(const std::vector<Scena>& sceny);

// Reads every scene of `zdroje`, writes NNN.jpg with its twins NNN@2x.jpg and NNN@4x.jpg
// (kKvalitaSituace) into `cil` and, when `arch` is not
// empty, the review sheet there as PNG. Returns an empty text on success, else what went wrong.
QString ZapisSituace(const QString& zdroje, const QString& cil, const QString& arch);
