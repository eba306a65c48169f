#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

// The order of passage through a junction under zákon č. 361/2000 Sb. A scene is the plain form of
// data/situace/NNN.yaml (arms with their angles, signs, lights, tram tracks, crossings, vehicles
// with where they come from and go, pedestrians, a police officer); the solver returns the steps in
// which the vehicles (and pedestrians) pass, each with the rule that decides it and its provision,
// or refuses a scene it cannot decide, with the reason.

struct KSemafor {
    std::string svetlo;  // cervena, zluta, zelena, cervena_zluta, zluta_blika, vypnuto
    std::string sipka;  // lit green supplementary arrow: vlevo, vpravo, rovne; empty: none
};

struct KVozidlo {
    std::string druh;  // osobni, nakladni, autobus, tramvaj, motocykl, kolo
    std::string barva;
    std::string stitek;  // label on the roof, as in the question
    std::string z;  // arm it comes from; empty when it stands in the roundabout
    double naKruhu = -1;  // angle in the roundabout when it stands there
    std::string kam;  // arm it goes to; empty: not given
    int poradi = 1;  // place in the queue on its arm
    double posun = 0;  // sideways from the middle of its lane, to the right
    std::string blinkr;  // vlevo, vpravo, ne; empty: follows from the path
    bool majak = false;  // blue warning light and siren
    int radek = 0;
};

struct KChodec {
    std::string rameno;  // arm whose crossing he walks over
    int odkud = 1;
    std::string druh = "chodec";  // chodec, kolo
    int radek = 0;
};

struct KScena {
    std::string soubor;
    std::map<std::string, double> ramena;  // arm -> angle in degrees (0 east, 90 north)
    bool kruhovy = false;
    std::vector<std::string> hlavni;
    std::map<std::string, std::vector<std::string>> znacky;
    std::map<std::string, KSemafor> semafory;
    std::vector<std::pair<std::string, std::string>> koleje;
    double posunKoleji = 0;  // the tracks sideways from the middle of the lane, for the picture
    double sirka = 0;  // half the carriageway for the picture; 0: the usual
    std::vector<std::string> prechody;
    std::vector<KVozidlo> vozidla;
    std::vector<KChodec> chodci;
    std::string policista;  // axis of the officer's stretched arms, e.g. "S-J"
};

enum class DruhKroku {
    Jede,  // the participants of the step pass together
    Ceka,  // they may not enter now (red light, officer's "Stůj!")
    Blokovani,  // they give way to each other in a circle: the law sets no order
};

struct Krok {
    std::vector<std::string> stitky;  // vehicles by label; pedestrians as "chodec", "chodec 2", …
    DruhKroku druh = DruhKroku::Jede;
    std::string pravidlo;  // Czech, with the provision
};

enum class Smer { Vpravo, Rovne, Vlevo, Nic };

struct Reseni {
    bool rozhodnuto = false;
    std::string duvod;  // why the scene was refused
    std::vector<Krok> kroky;
    std::map<std::string, Smer> smery;  // label -> direction in the junction
    std::map<std::string, bool> musiZastavit;  // label -> the P 6 sign bids it stop
};

Reseni ResPoradi(const KScena& scena);

// The direction of a vehicle coming from an arm; Smer::Nic when its arms are not known.
Smer SmerJizdy(const KScena& scena, const KVozidlo& vozidlo);

// "A+C" for the labels of a step.
std::string SpojStitky(const std::vector<std::string>& stitky);
