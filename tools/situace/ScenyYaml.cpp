#include "tools/situace/ScenyYaml.h"

bool ScenyYaml::CtiScenu(const std::string& text, const QString& jmeno, Scena* scena,
                         QString* chyba)
{
    return ::CtiScenu(text, jmeno, scena, chyba);
}
