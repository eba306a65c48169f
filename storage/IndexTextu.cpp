#include "storage/IndexTextu.h"

#include "storage/Tabulka.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

#include <algorithm>
#include <cctype>
#include <optional>

struct IndexTextu::Stav {
    SQLite::Database db {":memory:", SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE};
    std::optional<SQLite::Transaction> davka;
    std::optional<SQLite::Statement> vloz;
    std::optional<SQLite::Statement> hledej;
};

IndexTextu::IndexTextu() : s_(std::make_unique<Stav>())
{
    try {
        s_->db.exec("CREATE VIRTUAL TABLE texty USING fts5(text, tokenize = 'unicode61 "
                    "remove_diacritics 2')");
        s_->vloz.emplace(s_->db, "INSERT INTO texty(rowid, text) VALUES (?1, ?2)");
        s_->hledej.emplace(s_->db, "SELECT rowid FROM texty WHERE texty MATCH ?1 ORDER BY rowid");
        s_->davka.emplace(s_->db);
    } catch (const SQLite::Exception& e) {
        throw ChybaTabulky(std::string("Rejstřík hledání nelze vytvořit: ") + e.what());
    }
}

IndexTextu::~IndexTextu() = default;

void IndexTextu::Pridej(int klic, const std::vector<std::string_view>& texty)
{
    std::string text;
    for (std::string_view t : texty) {
        text += t;
        text += '\n';
    }
    try {
        auto& vloz = *s_->vloz;
        vloz.bind(1, klic);
        vloz.bind(2, text);
        vloz.exec();
        vloz.reset();
    } catch (const SQLite::Exception& e) {
        s_->vloz->reset();
        throw ChybaTabulky(std::string("Rejstřík hledání nelze doplnit: ") + e.what());
    }
}

void IndexTextu::Dokonci()
{
    if (!s_->davka)
        return;
    s_->davka->commit();
    s_->davka.reset();
}

std::vector<int> IndexTextu::Hledej(std::string_view dotaz)
{
    Dokonci();
    const std::string fts = DotazFts(dotaz);
    std::vector<int> klice;
    if (fts.empty())
        return klice;
    auto& hledej = *s_->hledej;
    try {
        hledej.bind(1, fts);
        while (hledej.executeStep())
            klice.push_back(hledej.getColumn(0).getInt());
        hledej.reset();
    } catch (const SQLite::Exception& e) {
        hledej.reset();
        throw ChybaTabulky(std::string("Hledání selhalo: ") + e.what());
    }
    return klice;
}

namespace {

// Whether the UTF-8 character at `i` is one the tokenizer keeps in a word: ASCII letters and
// digits, Latin letters with diacritics and the scripts above them, but not the punctuation and
// symbols (dashes, quotation marks, the section sign) that only separate words.
bool ZnakSlova(std::string_view text, std::size_t i, std::size_t& delka)
{
    const auto b = static_cast<unsigned char>(text[i]);
    delka = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
    if (b < 0x80)
        return std::isalnum(b) != 0;
    char32_t kod = b & (delka == 2 ? 0x1F : delka == 3 ? 0x0F : 0x07);
    for (std::size_t j = 1; j < delka && i + j < text.size(); ++j)
        kod = (kod << 6) | (static_cast<unsigned char>(text[i + j]) & 0x3F);
    if (kod < 0xC0 || kod == 0xD7 || kod == 0xF7)
        return false;
    return kod < 0x2000 || kod >= 0x2C00;
}

}  // namespace

std::string DotazFts(std::string_view slova)
{
    std::string dotaz;
    std::size_t i = 0;
    while (i < slova.size()) {
        // A word runs to the next space; the tokenizer splits it further at punctuation. A word
        // without a letter or digit would be an empty term that matches nothing, so it is left out.
        while (i < slova.size() && std::isspace(static_cast<unsigned char>(slova[i])))
            ++i;
        const std::size_t zacatek = i;
        bool pismeno = false;
        while (i < slova.size() && !std::isspace(static_cast<unsigned char>(slova[i]))) {
            std::size_t delka = 1;
            pismeno = ZnakSlova(slova, i, delka) || pismeno;
            i += delka;
        }
        i = std::min(i, slova.size());
        if (!pismeno)
            continue;
        std::string slovo;
        for (char znak : slova.substr(zacatek, i - zacatek)) {
            slovo += znak;
            if (znak == '"')
                slovo += '"';
        }
        if (!dotaz.empty())
            dotaz += ' ';
        dotaz += '"' + slovo + "\"*";
    }
    return dotaz;
}
