#pragma once

#include "base/Nastaveni.h"
#include "storage/Tabulka.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

// The profile table Profily of one directory, reached through a cursor of its own. Every
// operation reopens the cursor, so it sees what other cursors have posted meanwhile. Table
// errors (ChybaTabulky) are not caught here.
// The cost of hashing a password (Argon2id operations and memory in bytes). The program always
// uses the library's interactive limits; tests that are not about hashing use its minimum.
struct NarocnostHesla {
    unsigned long long operace = 0;
    std::size_t pamet = 0;
    static NarocnostHesla Interaktivni();
    static NarocnostHesla Nejnizsi();
};

class ProfilovySklad {
public:
    static constexpr int kDelkaJmena = 30;
    static constexpr int kDelkaHesla = 50;  // characters of the typed password that count

    explicit ProfilovySklad(std::filesystem::path adresar,
                            NarocnostHesla narocnost = NarocnostHesla::Interaktivni());

    // Creates Profily with the hidden built-in profile "Default" when Profily.DB is missing.
    void ZalozitTabulkuProfilu();

    // Adds a record without checking the name; callers apply the name rules. The typed password
    // is stored as an Argon2id hash string; an empty one leaves the profile unprotected.
    void PridatProfil(const std::string& profil, const std::string& kategorie,
                      const std::string& skupina, const std::string& protokoly,
                      const std::string& konfigurace, const std::string& viditelny,
                      const std::string& heslo);

    // Filters the cursor on the exact name and reopens it; true when a record passes.
    bool NajitProfil(const std::string& jmeno);
    // Names of the listed (visible) profiles, in table order.
    std::vector<std::string> SeznamProfilu();

    bool MaHeslo(const std::string& jmeno);
    // Exact, case-sensitive check of a typed password (cut to 50 characters first). A profile
    // without a password has the empty one; a missing profile accepts nothing.
    bool OverHeslo(const std::string& jmeno, const std::string& zadane);

    // Loads the record of n.aktivniProfil into n; false, with n untouched, when there is none.
    bool NacistProfil(Nastaveni& n);
    // Writes Kategorie, Skupina, Protokoly and Konfigurace of n.aktivniProfil's record.
    void UlozitNastaveniProfilu(const Nastaveni& n);
    void ZmenitHesloProfilu(const std::string& jmeno, const std::string& heslo);
    // Renames the record and re-labels the profile's records in Vysledky, Protokoly,
    // Statistika, Testy, Predvolby and Oznacene (tables that do not exist are skipped), all as one
    // unit: after an error or a kill every record carries the old name or every one the new name.
    // The unchanged name writes nothing.
    void PrejmenovatProfil(const std::string& stare, const std::string& nove);
    // Deletes the profile's record and its records in Vysledky, Protokoly, Statistika, Testy,
    // Predvolby and Oznacene, as one unit.
    void SmazatProfil(const std::string& jmeno);

    const std::filesystem::path& Adresar() const { return adresar_; }

private:
    void Znovuotevrit();

    std::filesystem::path adresar_;
    NarocnostHesla narocnost_;
    Tabulka profily_;
};

// Switch strings: one "1"/"0" per switch; reading counts only "1" as on, missing positions as off.
template <std::size_t N> std::string ZapisPrepinace(const std::array<bool, N>& prepinace)
{
    std::string s;
    for (bool p : prepinace)
        s += p ? '1' : '0';
    return s;
}

template <std::size_t N> std::array<bool, N> CtiPrepinace(const std::string& s)
{
    std::array<bool, N> prepinace {};
    for (std::size_t i = 0; i < N; ++i)
        prepinace[i] = i < s.size() && s[i] == '1';
    return prepinace;
}
