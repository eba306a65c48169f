#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

// Makes a folder read-only for this thread while the object lives. Root ignores file modes, so
// for root the thread also gives up the capabilities that override them (and takes them back
// afterwards). Platno() tells whether a write into the folder really fails now.
class SlozkaJenProCteni {
public:
    explicit SlozkaJenProCteni(std::filesystem::path slozka) : slozka_(std::move(slozka))
    {
        namespace fs = std::filesystem;
        fs::permissions(slozka_, fs::perms::owner_read | fs::perms::owner_exec);
        if (::geteuid() == 0 && NactiSchopnosti(puvodni_)) {
            __user_cap_data_struct bez[2] = {puvodni_[0], puvodni_[1]};
            for (int s : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER})
                bez[s / 32].effective &= ~(1u << (s % 32));
            vraceni_ = NastavSchopnosti(bez);
        }
        const fs::path zkouska = slozka_ / ".zkouska-zapisu";
        platne_ = !std::ofstream(zkouska).is_open();
        std::error_code chyba;
        fs::remove(zkouska, chyba);
    }
    ~SlozkaJenProCteni()
    {
        if (vraceni_)
            NastavSchopnosti(puvodni_);
        std::filesystem::permissions(slozka_, std::filesystem::perms::owner_all);
    }
    SlozkaJenProCteni(const SlozkaJenProCteni&) = delete;
    SlozkaJenProCteni& operator=(const SlozkaJenProCteni&) = delete;

    bool Platne() const { return platne_; }

private:
    static bool NactiSchopnosti(__user_cap_data_struct (&data)[2])
    {
        __user_cap_header_struct hlavicka {_LINUX_CAPABILITY_VERSION_3, 0};
        return ::syscall(SYS_capget, &hlavicka, data) == 0;
    }
    static bool NastavSchopnosti(__user_cap_data_struct (&data)[2])
    {
        __user_cap_header_struct hlavicka {_LINUX_CAPABILITY_VERSION_3, 0};
        return ::syscall(SYS_capset, &hlavicka, data) == 0;
    }

    std::filesystem::path slozka_;
    __user_cap_data_struct puvodni_[2] {};
    bool vraceni_ = false;
    bool platne_ = false;
};
