#include "questions/TextNahlas.h"

#include "questions/Banka.h"

#include <array>

std::string TextNahlas(const Otazka& otazka)
{
    std::string text = "Otázka. " + otazka.otazka;
    const std::array<const std::string*, 4> odpovedi {&otazka.a, &otazka.b, &otazka.c, &otazka.d};
    for (std::size_t i = 0; i < odpovedi.size(); ++i)
        if (!odpovedi[i]->empty())
            text += std::string("\nOdpověď ") + static_cast<char>('a' + i) + ". " + *odpovedi[i];
    return text;
}
