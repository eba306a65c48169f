#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>

// Where the program's tables live when it is not started in a working directory of its own, and
// how that per-user folder gets the bank from the installed data.

// The files of the bank that the program only reads; the per-user folder gets them from the
// installed data. A file the installation lacks (oblasti.DB of an older bank) is skipped.
inline constexpr const char* kSouboryBanky[] = {"otazky.DB", "otazky.MB", "oblasti.DB"};
inline constexpr const char* kSlozkaObrazku = "grafika";

// A folder that could not be prepared: `Slozka()` names it, `what()` gives the reason in Czech.
class ChybaPripravy : public std::runtime_error {
public:
    ChybaPripravy(std::filesystem::path slozka, const std::string& duvod)
        : std::runtime_error(duvod), slozka_(std::move(slozka))
    {
    }
    const std::filesystem::path& Slozka() const { return slozka_; }

private:
    std::filesystem::path slozka_;
};

// The installed data seen from the folder of the program file: `relativne` (share/zebrovka seen
// from bin/) when it holds the bank, else the program's own folder when the bank lies beside the
// program (the build tree); nothing when neither does.
std::optional<std::filesystem::path> NainstalovanaData(const std::filesystem::path& adresarProgramu,
                                                       const std::filesystem::path& relativne);

// Makes `cil` ready: creates it and copies every bank file and every file under grafika/ from
// `zdroj` that is missing in `cil` or older there than in `zdroj`. A copy is written beside its
// target and renamed over it, and keeps the time of its source, so a copy that stopped half-way
// never stands for the bank and an unchanged bank is not copied again. No other file of `cil`
// (the learner's tables) is touched. Throws ChybaPripravy on the first failure.
void PripravSlozkuDat(const std::filesystem::path& zdroj, const std::filesystem::path& cil);
