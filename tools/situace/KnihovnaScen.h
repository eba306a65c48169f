#pragma once

// The scene reader as a module of the program (zebrovka-sceny, ui/Modul.h): the junction drill
// reads the scenes it generates through it, so that yaml-cpp is loaded with the drill and not at
// start.
#include "tools/situace/Situace.h"

#include <QtPlugin>

#include <string>

class KnihovnaScen {
public:
    virtual ~KnihovnaScen() = default;
    // CtiScenu of Situace.h.
    virtual bool CtiScenu(const std::string& text, const QString& jmeno, Scena* scena,
                          QString* chyba) = 0;
};

#define ZK_KNIHOVNA_SCEN_IID "cz.zebrovka.KnihovnaScen/1"
Q_DECLARE_INTERFACE(KnihovnaScen, ZK_KNIHOVNA_SCEN_IID)
