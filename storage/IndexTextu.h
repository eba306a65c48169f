#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A word index of short texts, kept in memory (an SQLite FTS5 table with the unicode61 tokenizer
// that drops diacritics): a word of the query matches a word of the text that starts with it,
// regardless of case and diacritics, so "krizovatk" finds "Křižovatka". Errors throw ChybaTabulky.
class IndexTextu {
public:
    IndexTextu();
    ~IndexTextu();
    IndexTextu(const IndexTextu&) = delete;
    IndexTextu& operator=(const IndexTextu&) = delete;

    // Adds the texts of `klic` (a positive number, once each) as one document.
    void Pridej(int klic, const std::vector<std::string_view>& texty);
    void Dokonci();  // ends the additions; searching before it also ends them

    // The keys whose texts hold every word of `dotaz`, ascending; none for a query without words.
    std::vector<int> Hledej(std::string_view dotaz);

private:
    struct Stav;
    std::unique_ptr<Stav> s_;
};

// The FTS5 query of a learner's words: each word a quoted prefix term, all of them required; empty
// when the text holds no letter or digit.
std::string DotazFts(std::string_view slova);
