#include "storage/RezimLogu.h"

#include "storage/StavTabulky.h"

#include <SQLiteCpp/Exception.h>
#include <sqlite3.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <memory>
#include <mutex>
#include <random>
#include <set>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kHlavickaLogu = 32;
constexpr std::size_t kHlavickaSnimku = 24;
constexpr std::size_t kZnackaVHlavicce = 60;  // user_version in the database header

std::uint32_t VelkyEndian(const unsigned char* p)
{
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8)
        | std::uint32_t(p[3]);
}

std::uint32_t MalyEndian(const unsigned char* p)
{
    return (std::uint32_t(p[3]) << 24) | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[1]) << 8)
        | std::uint32_t(p[0]);
}

// The log's running checksum over `n` bytes (a multiple of 8), as the engine computes it.
void Soucet(const unsigned char* data, std::size_t n, bool velky, std::uint32_t& s0,
            std::uint32_t& s1)
{
    for (std::size_t i = 0; i + 8 <= n; i += 8) {
        const std::uint32_t x0 = velky ? VelkyEndian(data + i) : MalyEndian(data + i);
        const std::uint32_t x1 = velky ? VelkyEndian(data + i + 4) : MalyEndian(data + i + 4);
        s0 += x0 + s1;
        s1 += x1 + s0;
    }
}

struct HlavickaTabulky {
    bool platna = false;
    bool wal = false;
    std::uint32_t stranka = 0;
    std::uint32_t znacka = 0;
};

HlavickaTabulky CtiHlavickuTabulky(const fs::path& soubor)
{
    HlavickaTabulky h;
    std::array<unsigned char, 100> b {};
    std::ifstream vstup(soubor, std::ios::binary);
    vstup.read(reinterpret_cast<char*>(b.data()), b.size());
    if (vstup.gcount() != static_cast<std::streamsize>(b.size())
        || std::string(reinterpret_cast<const char*>(b.data()), 16)
            != std::string("SQLite format 3", 16))
        return h;
    h.platna = true;
    h.wal = b[18] == 2 && b[19] == 2;
    const std::uint32_t velikost = (std::uint32_t(b[16]) << 8) | b[17];
    h.stranka = velikost == 1 ? 65536 : velikost;
    h.znacka = VelkyEndian(b.data() + kZnackaVHlavicce);
    return h;
}

std::string Retezec(SQLite::Database& db, const std::string& sql)
{
    SQLite::Statement dotaz(db, sql);
    return dotaz.executeStep() ? dotaz.getColumn(0).getString() : std::string();
}

// Runs `f` with no waiting for locks: a log used elsewhere is left to its users at once.
template <typename F> void BezCekani(SQLite::Database& db, F&& f)
{
    sqlite3_busy_timeout(db.getHandle(), 0);
    try {
        f();
    } catch (...) {
        db.setBusyTimeout(static_cast<int>(CekaniNaZamek().count()));
        throw;
    }
    db.setBusyTimeout(static_cast<int>(CekaniNaZamek().count()));
}

std::uint32_t NovaZnacka()
{
    std::random_device nahoda;
    std::uint32_t z = 0;
    while (z == 0 || z > 0x7fffffffu)
        z = nahoda() & 0x7fffffffu;  // user_version is read back as a signed number
    return z;
}

// The background syncs of one process. A forked child starts its own: the parent's thread does not
// exist there, and its lock may have been held at the fork.
class Synchronizace {
public:
    Synchronizace() : proces_(::getpid()), vlakno_(std::make_unique<std::thread>([this] { Bez(); }))
    {
    }
    ~Synchronizace()
    {
        if (proces_ != ::getpid()) {
            (void)vlakno_.release();
            return;
        }
        {
            std::lock_guard zamek(m_);
            konec_ = true;
        }
        cv_.notify_all();
        vlakno_->join();
    }

    static Synchronizace& Procesu()
    {
        static std::unique_ptr<Synchronizace> s;
        if (s && s->proces_ != ::getpid())
            (void)s.release();  // the parent's, not to be touched
        if (!s)
            s = std::make_unique<Synchronizace>();
        return *s;
    }

    void Pridej(const std::vector<fs::path>& logy)
    {
        {
            std::lock_guard zamek(m_);
            for (const fs::path& l : logy)
                cekajici_.insert(l.string());
            ++zadano_;
        }
        cv_.notify_all();
    }

    void Dokonci()
    {
        std::unique_lock zamek(m_);
        const std::uint64_t cil = zadano_;
        cv_.notify_all();
        hotovo_cv_.wait(zamek, [&] { return hotovo_ >= cil; });
    }

    std::string VezmiChybu()
    {
        std::lock_guard zamek(m_);
        return std::exchange(chyba_, std::string());
    }

private:
    void Bez()
    {
        std::unique_lock zamek(m_);
        for (;;) {
            cv_.wait(zamek, [&] { return konec_ || !cekajici_.empty(); });
            if (cekajici_.empty() && konec_)
                return;
            // Commits of the next moment join this sync.
            cv_.wait_for(zamek, std::chrono::milliseconds(200), [&] { return konec_; });
            const std::set<std::string> logy = std::exchange(cekajici_, {});
            const std::uint64_t pokryto = zadano_;
            zamek.unlock();
            std::string chyba;
            for (const std::string& log : logy) {
                const int fd = ::open(log.c_str(), O_RDONLY | O_CLOEXEC);
                if (fd < 0) {
                    if (errno != ENOENT && chyba.empty())
                        chyba =
                            "„" + fs::path(log).filename().string() + "“: " + std::strerror(errno);
                    continue;
                }
                if (::fdatasync(fd) != 0 && chyba.empty())
                    chyba = "„" + fs::path(log).filename().string() + "“: " + std::strerror(errno);
                ::close(fd);
            }
            zamek.lock();
            if (!chyba.empty() && chyba_.empty())
                chyba_ = chyba;
            hotovo_ = pokryto;
            hotovo_cv_.notify_all();
        }
    }

    pid_t proces_;
    std::mutex m_;
    std::condition_variable cv_;
    std::condition_variable hotovo_cv_;
    std::set<std::string> cekajici_;
    std::uint64_t zadano_ = 0;
    std::uint64_t hotovo_ = 0;
    std::string chyba_;
    bool konec_ = false;
    std::unique_ptr<std::thread> vlakno_;
};

}  // namespace

void SynchronizujLogy(const std::vector<fs::path>& logy)
{
    if (!logy.empty())
        Synchronizace::Procesu().Pridej(logy);
}

void DokonciSynchronizaci() { Synchronizace::Procesu().Dokonci(); }

std::string ChybaSynchronizace() { return Synchronizace::Procesu().VezmiChybu(); }

bool TabulkaSeZnackouLogu(const fs::path& soubor)
{
    const HlavickaTabulky h = CtiHlavickuTabulky(soubor);
    return h.platna && h.wal && h.znacka != 0;
}

bool LogPatriTabulce(const fs::path& soubor)
{
    std::ifstream log(soubor.string() + "-wal", std::ios::binary);
    if (!log)
        return true;
    std::array<unsigned char, kHlavickaLogu> h {};
    log.read(reinterpret_cast<char*>(h.data()), h.size());
    if (log.gcount() != static_cast<std::streamsize>(h.size()))
        return true;  // no header: the engine reads no frame from it
    const std::uint32_t magie = VelkyEndian(h.data());
    if ((magie & 0xFFFFFFFEu) != 0x377f0682u)
        return true;
    const bool velky = (magie & 1u) != 0;
    std::uint32_t s0 = 0, s1 = 0;
    Soucet(h.data(), 24, velky, s0, s1);
    if (s0 != VelkyEndian(h.data() + 24) || s1 != VelkyEndian(h.data() + 28))
        return true;  // a header that fails its checksum makes the engine ignore the log
    const std::uint32_t stranka = VelkyEndian(h.data() + 8);
    if (stranka < 512 || stranka > 65536)
        return true;
    std::vector<unsigned char> snimek(kHlavickaSnimku + stranka);
    log.read(reinterpret_cast<char*>(snimek.data()), static_cast<std::streamsize>(snimek.size()));
    if (log.gcount() != static_cast<std::streamsize>(snimek.size()))
        return true;  // no whole frame
    if (VelkyEndian(snimek.data() + 8) != VelkyEndian(h.data() + 16)
        || VelkyEndian(snimek.data() + 12) != VelkyEndian(h.data() + 20))
        return true;  // salts of another generation: not a frame of this log
    Soucet(snimek.data(), 8, velky, s0, s1);
    Soucet(snimek.data() + kHlavickaSnimku, stranka, velky, s0, s1);
    if (s0 != VelkyEndian(snimek.data() + 16) || s1 != VelkyEndian(snimek.data() + 20))
        return true;  // a torn first frame: the engine stops before it

    // The log holds frames the engine would check into the file: they must be the file's own.
    const HlavickaTabulky t = CtiHlavickuTabulky(soubor);
    return t.platna && t.wal && t.znacka != 0 && t.stranka == stranka
        && VelkyEndian(snimek.data()) == 1
        && VelkyEndian(snimek.data() + kHlavickaSnimku + kZnackaVHlavicce) == t.znacka;
}

bool ZacniLog(SQLite::Database& db, const std::string& schema)
{
    const std::string pragma = "PRAGMA " + schema + ".";
    bool log = false;
    try {
        if (sqlite3_db_readonly(db.getHandle(), schema.c_str()) != 0)
            return false;
        BezCekani(db, [&] {
            if (Retezec(db, pragma + "journal_mode") == "wal") {
                // Left by a writer that could not end it, or run by a writer elsewhere: that
                // one's session is joined; without other users a new session begins.
                if (Retezec(db, pragma + "journal_mode=DELETE") == "wal") {
                    log = true;
                    return;
                }
            }
            const std::string znacka = std::to_string(NovaZnacka());
            db.exec(pragma + "user_version=" + znacka);
            if (Retezec(db, pragma + "journal_mode=WAL") != "wal")
                return;
            // The session's first frame: page 1 with the stamp.
            db.exec(pragma + "user_version=" + znacka);
            log = true;
        });
    } catch (const SQLite::Exception&) {
        // The mode stays as the engine left it; writing reports its own errors.
        try {
            log = Retezec(db, pragma + "journal_mode") == "wal";
        } catch (const SQLite::Exception&) {
            log = false;
        }
    }
    db.tryExec(pragma + (log ? "synchronous=NORMAL" : "synchronous=FULL"));
    return log;
}

void UkonciLog(SQLite::Database& db, const std::string& schema)
{
    try {
        BezCekani(db, [&] { db.exec("PRAGMA " + schema + ".journal_mode=DELETE"); });
    } catch (const SQLite::Exception&) {
        // Still used elsewhere: the last user ends it.
    }
}

void VyzadejDenik(SQLite::Database& db, const std::string& schema, const std::string& jmenoSouboru)
{
    std::string rezim;
    try {
        BezCekani(db, [&] {
            const std::string pragma = "PRAGMA " + schema + ".journal_mode";
            rezim = Retezec(db, pragma);
            if (rezim == "wal")
                rezim = Retezec(db, pragma + "=DELETE");
        });
    } catch (const SQLite::Exception&) {
        rezim = "wal";
    }
    if (rezim == "wal")
        throw ChybaTabulky("Tabulku „" + jmenoSouboru
                           + "“ právě používá jiný program, změnu nelze provést");
}
