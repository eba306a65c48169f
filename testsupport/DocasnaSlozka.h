#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>
#include <system_error>

// A fresh folder under the system's temporary folder for a core test, removed with its contents
// when the object goes (window tests have DocasnyAdresar in GuiTest.h).
class DocasnaSlozka {
public:
    DocasnaSlozka()
    {
        std::string vzor = (std::filesystem::temp_directory_path() / "zebrovka-XXXXXX").string();
        if (::mkdtemp(vzor.data()))
            cesta_ = vzor;
    }
    ~DocasnaSlozka()
    {
        std::error_code ec;
        if (!cesta_.empty())
            std::filesystem::remove_all(cesta_, ec);
    }
    DocasnaSlozka(const DocasnaSlozka&) = delete;
    DocasnaSlozka& operator=(const DocasnaSlozka&) = delete;

    const std::filesystem::path& Cesta() const { return cesta_; }

private:
    std::filesystem::path cesta_;
};
