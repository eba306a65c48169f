#pragma once

// The scene reader over yaml-cpp as the program's module zebrovka-sceny (KnihovnaScen.h).
#include "tools/situace/KnihovnaScen.h"

#include <QObject>

class ScenyYaml : public QObject, public KnihovnaScen {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ZK_KNIHOVNA_SCEN_IID)
    Q_INTERFACES(KnihovnaScen)

public:
    bool CtiScenu(const std::string& text, const QString& jmeno, Scena* scena,
                  QString* chyba) override;
};
