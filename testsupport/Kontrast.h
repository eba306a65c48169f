#pragma once

#include <QColor>

#include <algorithm>
#include <cmath>

// WCAG 2 contrast ratio of two colours, from 1 (same) to 21 (black on white).
inline double KontrastBarev(const QColor& a, const QColor& b)
{
    auto jas = [](const QColor& c) {
        auto slozka = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * slozka(c.redF()) + 0.7152 * slozka(c.greenF()) + 0.0722 * slozka(c.blueF());
    };
    const double la = jas(a), lb = jas(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
