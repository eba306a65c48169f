#include "tools/importotazek/ImportOtazek.h"

#include <filesystem>
#include <iostream>
#include <string_view>

namespace fs = std::filesystem;

namespace {

void Pouziti(std::ostream& vystup)
{
    vystup
        << "usage: zk_import_otazek DATA_DIR OUTPUT_DIR\n"
           "Checks DATA_DIR/otazky/kategorie1.yaml .. kategorie7.yaml (pictures are resolved\n"
           "against DATA_DIR) and writes OUTPUT_DIR/otazky.DB, OUTPUT_DIR/oblasti.DB (the section\n"
           "of the exam of each question) and OUTPUT_DIR/otazky.MB.\n"
           "On the first fault it prints file:line: question N: what is wrong and exits\n"
           "with 1, leaving any earlier otazky.DB, oblasti.DB and otazky.MB in OUTPUT_DIR as they\n"
           "were.\n";
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
        Pouziti(std::cout);
        return 0;
    }
    if (argc != 3) {
        Pouziti(std::cerr);
        return 2;
    }
    const fs::path data = argv[1];
    const fs::path cil = argv[2];
    try {
        const ZdrojBanky zdroj = NactiZdroj(data);
        ZapisBanku(zdroj, cil);
        std::cout << (cil / "otazky.DB").string() << ": " << zdroj.otazky.size()
                  << " questions from " << zdroj.soubory.size() << " files\n";
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "zk_import_otazek: error: " << e.what() << "\n";
    }
    // The new bank is moved into place only once it has passed, so the earlier one still stands.
    return 1;
}
