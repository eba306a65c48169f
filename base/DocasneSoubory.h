#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Temporary files of the program's own, made beside the file they will become. Each is held
// under an exclusive flock for as long as its maker has it open, so a later program can tell a
// file left by a killed one (no lock) from one being written right now (locked).

// A descriptor of a new empty file `<adresar>/<predpona>XXXXXX<pripona>` (owner-only, locked);
// `jmeno` receives its path. -1 with errno set on failure.
int VytvorDocasny(const std::filesystem::path& adresar, const std::string& predpona,
                  const std::string& pripona, std::string& jmeno);

// Whether `jmeno` (a bare file name) is of the form <predpona>XXXXXX<pripona> with six letters or
// digits in place of the Xs.
bool JeDocasnyNazev(const std::string& jmeno, const std::string& predpona,
                    const std::string& pripona);

// Removes the files of `adresar` of the form <predpona>XXXXXX<pripona> (with `-journal` beside
// them, if any) that nobody holds: files left by a program that was killed. Errors are ignored;
// a file that cannot be removed stays. The count removed.
int UklidDocasne(const std::filesystem::path& adresar, const std::string& predpona,
                 const std::string& pripona);

// Removes `soubor` (and `soubor`-journal) when it is a regular file nobody holds. True if removed.
bool OdstranOpusteny(const std::filesystem::path& soubor);

// Writes the whole of `obsah` at the position of `fd`, going on after a signal; false, with
// errno set, when a write fails.
bool ZapisCely(int fd, std::string_view obsah);

// Makes a file-size limit (RLIMIT_FSIZE) an ordinary write error (EFBIG) instead of a signal
// that ends the program.
void VelikostniLimitJakoChyba();
