#include "profiles/Sodium.h"

#include <dlfcn.h>

#include <stdexcept>
#include <string>

namespace {

template <typename F> void Najdi(void* knihovna, const char* jmeno, F& funkce)
{
    funkce = reinterpret_cast<F>(dlsym(knihovna, jmeno));
    if (!funkce)
        throw std::runtime_error(std::string("Knihovnu libsodium nelze inicializovat: chybí ")
                                 + jmeno + ".");
}

FunkceSodia Otevri()
{
    // The name the dynamic linker would have recorded for a linked library (its SONAME).
    void* knihovna = dlopen(ZK_SODIUM_SONAME, RTLD_NOW | RTLD_LOCAL);
    if (!knihovna) {
        const char* proc = dlerror();
        throw std::runtime_error(std::string("Knihovnu libsodium nelze inicializovat.")
                                 + (proc ? std::string(" ") + proc : std::string()));
    }
    decltype(&sodium_init) init = nullptr;
    Najdi(knihovna, "sodium_init", init);
    if (init() < 0)
        throw std::runtime_error("Knihovnu libsodium nelze inicializovat.");
    FunkceSodia f;
    Najdi(knihovna, "crypto_pwhash_str", f.pwhashStr);
    Najdi(knihovna, "crypto_pwhash_str_verify", f.pwhashStrVerify);
    return f;  // the library stays open for the rest of the program
}

}  // namespace

const FunkceSodia& Sodium()
{
    static const FunkceSodia funkce = Otevri();  // a failed open is tried again next time
    return funkce;
}
