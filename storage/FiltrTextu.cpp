#include "storage/FiltrTextu.h"

std::string FiltrRovnosti(const std::string& pole, const std::string& hodnota)
{
    std::string s = pole + " = '";
    for (char z : hodnota) {
        s += z;
        if (z == '\'')
            s += '\'';
    }
    return s + "'";
}

std::string FiltrProfilu(const std::string& profil) { return FiltrRovnosti("Profil", profil); }

std::optional<FiltrTextu> RozeberFiltr(const std::string& text)
{
    auto mezera = [](char z) { return z == ' ' || z == '\t'; };
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && mezera(text[i]))
        ++i;
    const std::size_t zacatekPole = i;
    while (i < n && !mezera(text[i]) && text[i] != '=')
        ++i;
    FiltrTextu f;
    f.pole = text.substr(zacatekPole, i - zacatekPole);
    while (i < n && mezera(text[i]))
        ++i;
    if (f.pole.empty() || i >= n || text[i] != '=')
        return std::nullopt;
    ++i;
    while (i < n && mezera(text[i]))
        ++i;
    if (i < n && text[i] == '\'') {
        ++i;
        bool uzavreno = false;
        while (i < n) {
            if (text[i] == '\'') {
                if (i + 1 < n && text[i + 1] == '\'') {
                    f.hodnota += '\'';
                    i += 2;
                    continue;
                }
                ++i;
                uzavreno = true;
                break;
            }
            f.hodnota += text[i++];
        }
        if (!uzavreno)
            return std::nullopt;
    } else {
        while (i < n && !mezera(text[i]))
            f.hodnota += text[i++];
        if (f.hodnota.empty())
            return std::nullopt;
    }
    while (i < n && mezera(text[i]))
        ++i;
    if (i != n)
        return std::nullopt;
    return f;
}

std::optional<std::vector<FiltrTextu>> RozeberFiltry(const std::string& text)
{
    // Split at " AND " outside quoted values.
    std::vector<FiltrTextu> podminky;
    std::size_t zacatek = 0;
    bool vUvozovkach = false;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] == '\'') {
            vUvozovkach = !vUvozovkach;  // a doubled quote toggles twice
            continue;
        }
        const bool konec = i == text.size();
        if (!konec && (vUvozovkach || text.compare(i, 5, " AND ") != 0))
            continue;
        auto f = RozeberFiltr(text.substr(zacatek, i - zacatek));
        if (!f)
            return std::nullopt;
        podminky.push_back(std::move(*f));
        if (konec)
            break;
        i += 4;
        zacatek = i + 1;
    }
    return podminky;
}
