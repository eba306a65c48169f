// zk_krizovatky --solve SCENE.yaml: the order of passage through the junction of a scene, one line per
// step: its number, a tab, the labels joined by "+", a tab, the rule with its provision.
#include "krizovatky/CteniSceny.h"
#include "krizovatky/Krizovatka.h"

#include <cstring>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 3 || std::strcmp(argv[1], "--solve") != 0) {
        std::cerr << "použití: zk_krizovatky --solve SCÉNA.yaml\n";
        return 1;
    }
    KScena scena;
    std::string chyba;
    if (!NactiKScenu(argv[2], &scena, &chyba)) {
        std::cerr << chyba << "\n";
        return 1;
    }
    const Reseni r = ResPoradi(scena);
    if (!r.rozhodnuto) {
        std::cerr << argv[2] << ": nelze rozhodnout: " << r.duvod << "\n";
        return 2;
    }
    int n = 0;
    for (const Krok& k : r.kroky) {
        std::string pravidlo = k.pravidlo;
        if (k.druh == DruhKroku::Ceka)
            pravidlo = "nesmí vjet: " + pravidlo;
        else if (k.druh == DruhKroku::Blokovani)
            pravidlo = "vzájemné blokování: " + pravidlo;
        std::cout << ++n << '\t' << SpojStitky(k.stitky) << '\t' << pravidlo << '\n';
    }
    return 0;
}
