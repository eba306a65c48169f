#pragma once

#include "storage/IndexTextu.h"

#include <string_view>
#include <vector>

class Banka;

// Search of the bank by words: each word of the query must start a word of the question, one of
// its answers or its note, regardless of case and diacritics. The index is built once, from the
// bank in memory, when the object is made.
class HledaniOtazek {
public:
    explicit HledaniOtazek(const Banka& banka);

    // The numbers of the matching questions, ascending; none for a query without words.
    std::vector<int> Hledej(std::string_view dotaz);

private:
    IndexTextu index_;
};
