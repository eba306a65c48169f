#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// Changes records of several tables of one directory as one unit: after an error, or a kill at
// any moment, either every change is in the files or none is. The tables share one connection
// and one transaction; the rollback journal makes its commit atomic across the files.
class SpolecnaZmena {
public:
    // Opens and checks every named table that exists (missing ones are skipped; the first one
    // must exist) and locks them all for writing. Throws ChybaTabulky naming the file.
    SpolecnaZmena(const std::filesystem::path& adresar, const std::vector<std::string>& tabulky);
    ~SpolecnaZmena();  // drops whatever was not committed
    SpolecnaZmena(const SpolecnaZmena&) = delete;
    SpolecnaZmena& operator=(const SpolecnaZmena&) = delete;

    bool Obsahuje(const std::string& tabulka) const;  // the table exists and takes part

    // Field `pole` := `nova` (cut to the field's width) in the records whose `pole` equals
    // `stara`; only in the first such record in table order when `jenPrvni`. Returns the count.
    int Prepis(const std::string& tabulka, const std::string& pole, const std::string& stara,
               const std::string& nova, bool jenPrvni = false);
    // Deletes the records whose `pole` equals `hodnota` (the first one only when `jenPrvni`).
    int Smaz(const std::string& tabulka, const std::string& pole, const std::string& hodnota,
             bool jenPrvni = false);

    void Potvrd();  // commits every change at once

private:
    struct Stav;
    std::unique_ptr<Stav> s_;
};
