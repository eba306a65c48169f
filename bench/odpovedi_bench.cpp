// One evaluated answer as the program stores it: Statistika, the answer log and the memory state
// in one durable write, the history switch read first. On a real disk (/work/tmp), with a log of
// 30 000 answers of 4 profiles and a memory record of every question.
#include "questions/PametProfilu.h"
#include "storage/ZapisStatistiky.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

class Uceni {
public:
    Uceni()
    {
        const fs::path koren = fs::exists("/work/tmp") ? fs::path("/work/tmp") : fs::temp_directory_path();
        std::string vzor = (koren / "zk_bench_odpovedi_XXXXXX").string();
        if (!mkdtemp(vzor.data()))
            std::abort();
        adresar_ = vzor;
        for (int p = 0; p < 4; ++p)
            for (int den = 1; den <= 10; ++den) {
                std::vector<Odpoved> davka;
                for (int c = 1; c <= 757; ++c)
                    davka.push_back({c, {2026, 1, den, 10, 0, 0, 0}, RezimOdpovedi::Procvicovani, "A",
                                     (c + den) % 4 == 0 ? VysledekPokusu::Spatne : VysledekPokusu::Spravne,
                                     5000});
                ZapisOdpovedi(adresar_, "Žák " + std::to_string(p), davka);
            }
    }
    ~Uceni()
    {
        ZavriSpojeniStatistiky();
        fs::remove_all(adresar_);
    }
    const fs::path& Adresar() const { return adresar_; }

private:
    fs::path adresar_;
};

void BM_OdpovedLogAPamet(benchmark::State& stav)
{
    static Uceni u;
    int i = 0;
    for (auto _ : stav) {
        const int cislo = 1 + (i++ * 37) % 757;
        ZapisOdpovedi(u.Adresar(), "Žák 2",
                      {{cislo, {2026, 2, 1, 9, 0, 0, 0}, RezimOdpovedi::Opakovani, "B", VysledekPokusu::Spatne, 4321}});
    }
}
BENCHMARK(BM_OdpovedLogAPamet)->Unit(benchmark::kMicrosecond);

}  // namespace
