#include "base/Procenta.h"

int ProcentoZaokrouhlene(int citatel, int jmenovatel)
{
    if (jmenovatel <= 0)
        return 0;
    const long long citatel100 = 100LL * citatel;
    long long podil = citatel100 / jmenovatel;
    const long long zbytek2 = 2 * (citatel100 % jmenovatel);
    if (zbytek2 > jmenovatel || (zbytek2 == jmenovatel && podil % 2 != 0))
        ++podil;
    return static_cast<int>(podil);
}
