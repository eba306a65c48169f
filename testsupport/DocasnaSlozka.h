#pragma once

#include <stdlib.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <system_error>

// A fresh folder for a core test or a benchmark, under the system's temporary folder or under
// `koren`, removed with its contents when the object goes (window tests have DocasnyAdresar in
// GuiTest.h). A folder that cannot be made throws, failing the test.
class DocasnaSlozka {
public:
    explicit DocasnaSlozka(
        const std::filesystem::path& koren = std::filesystem::temp_directory_path())
    {
        std::string vzor = (koren / "zebrovka-XXXXXX").string();
        if (!::mkdtemp(vzor.data()))
            throw std::system_error(errno, std::generic_category(), "mkdtemp " + vzor);
        cesta_ = vzor;
    }
    ~DocasnaSlozka()
    {
        std::error_code ec;
        std::filesystem::remove_all(cesta_, ec);
    }
    DocasnaSlozka(const DocasnaSlozka&) = delete;
    DocasnaSlozka& operator=(const DocasnaSlozka&) = delete;

    const std::filesystem::path& Cesta() const { return cesta_; }

private:
    std::filesystem::path cesta_;
};
