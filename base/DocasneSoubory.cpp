#include "base/DocasneSoubory.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <system_error>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

int VytvorDocasny(const fs::path& adresar, const std::string& predpona, const std::string& pripona,
                  std::string& jmeno)
{
    for (int pokus = 0; pokus < 100; ++pokus) {
        jmeno = (adresar / (predpona + "XXXXXX" + pripona)).string();
        const int fd = ::mkostemps(jmeno.data(), static_cast<int>(pripona.size()), O_CLOEXEC);
        if (fd < 0)
            return -1;
        // A cleaner may have taken the file for a stale one before it was locked: then its name
        // no longer leads to this file, and another is made.
        struct stat podleFd {
        }, podleJmena {};
        if (::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &podleFd) == 0
            && ::lstat(jmeno.c_str(), &podleJmena) == 0 && podleFd.st_ino == podleJmena.st_ino
            && podleFd.st_dev == podleJmena.st_dev)
            return fd;
        ::close(fd);
    }
    errno = EEXIST;
    return -1;
}

bool JeDocasnyNazev(const std::string& jmeno, const std::string& predpona,
                    const std::string& pripona)
{
    if (jmeno.size() != predpona.size() + 6 + pripona.size()
        || jmeno.compare(0, predpona.size(), predpona) != 0
        || jmeno.compare(jmeno.size() - pripona.size(), pripona.size(), pripona) != 0)
        return false;
    for (std::size_t i = predpona.size(); i < predpona.size() + 6; ++i) {
        const char z = jmeno[i];
        if (!((z >= 'a' && z <= 'z') || (z >= 'A' && z <= 'Z') || (z >= '0' && z <= '9')))
            return false;
    }
    return true;
}

int UklidDocasne(const fs::path& adresar, const std::string& predpona, const std::string& pripona)
{
    int odstraneno = 0;
    std::error_code ec;
    fs::directory_iterator it(adresar.empty() ? fs::path(".") : adresar, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string jmeno = it->path().filename().string();
        if (!JeDocasnyNazev(jmeno, predpona, pripona))
            continue;
        if (OdstranOpusteny(adresar / jmeno))
            ++odstraneno;
    }
    return odstraneno;
}

bool ZapisCely(int fd, std::string_view obsah)
{
    std::size_t zapsano = 0;
    while (zapsano < obsah.size()) {
        const ssize_t n = ::write(fd, obsah.data() + zapsano, obsah.size() - zapsano);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        zapsano += static_cast<std::size_t>(n);
    }
    return true;
}

bool OdstranOpusteny(const fs::path& cesta)
{
    const int fd = ::open(cesta.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    bool odstraneno = false;
    struct stat info { };
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        // Held under the lock, so its maker cannot be writing it.
        std::error_code ignoruj;
        fs::remove(cesta.string() + "-journal", ignoruj);
        odstraneno = ::unlink(cesta.c_str()) == 0;
    }
    ::close(fd);
    return odstraneno;
}

void VelikostniLimitJakoChyba() { std::signal(SIGXFSZ, SIG_IGN); }
