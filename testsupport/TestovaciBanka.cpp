#include "testsupport/TestovaciBanka.h"

#include "storage/Definice.h"
#include "storage/Tabulka.h"

#include <QColor>
#include <QDir>
#include <QImage>

#include <algorithm>

Otazka JednoduchaOtazka(int cislo, const std::string& spravne, const std::string& skupina)
{
    Otazka o;
    o.cislo = cislo;
    o.otazka = "Otázka " + std::to_string(cislo) + "?";
    o.a = "Odpověď a " + std::to_string(cislo) + ".";
    o.b = "Odpověď b " + std::to_string(cislo) + ".";
    o.c = "Odpověď c " + std::to_string(cislo) + ".";
    o.spravne = spravne;
    o.skupina = skupina;
    o.poznamka = "Poznámka k otázce " + std::to_string(cislo) + ".";
    return o;
}

std::vector<Otazka> UmelaBanka(const std::function<std::string(int)>& skupina,
                               const std::vector<int>& vyrazena)
{
    std::vector<Otazka> otazky;
    for (int c = 1; c <= 757; ++c) {
        if (std::find(vyrazena.begin(), vyrazena.end(), c) != vyrazena.end())
            continue;
        Otazka o;
        o.cislo = c;
        o.otazka = "Otázka";
        o.a = "a";
        o.b = "b";
        o.spravne = "A";
        o.skupina = skupina(c);
        otazky.push_back(std::move(o));
    }
    return otazky;
}

std::vector<Otazka> VzorovaBanka()
{
    std::vector<Otazka> banka;
    for (int n = 1; n <= 12; ++n) {
        if (n == 5)
            continue;
        banka.push_back(JednoduchaOtazka(n, n % 3 == 0 ? "AC" : "B",
                                         n == 3       ? "A"
                                             : n == 4 ? "CD"
                                                      : "ABCD"));
    }
    for (int n : {421, 423, 424, 425, 501, 502, 503, 600, 620})
        banka.push_back(JednoduchaOtazka(n, "C"));
    Otazka s621 = JednoduchaOtazka(621, "A");
    s621.obrazek = "grafika/621.jpg";
    banka.push_back(s621);
    Otazka s625 = JednoduchaOtazka(625, "B");
    s625.obrazek = "grafika\\625.jpg";
    banka.push_back(s625);
    Otazka s721 = JednoduchaOtazka(721, "A");
    s721.obrazek = "grafika/721.jpg";
    banka.push_back(s721);
    return banka;
}

void ZapisObrazkyVzoroveBanky(const std::filesystem::path& adresar)
{
    const QString grafika = QString::fromStdString((adresar / "grafika").string());
    QDir().mkpath(grafika);
    auto obrazek = [&](const QString& jmeno, int w, int h, QColor barva) {
        QImage i(w, h, QImage::Format_RGB32);
        i.fill(barva);
        i.save(grafika + QLatin1Char('/') + jmeno, "JPEG", 95);
    };
    obrazek(QStringLiteral("621.jpg"), 40, 30, Qt::darkCyan);
    obrazek(QStringLiteral("625.jpg"), 40, 30, Qt::darkMagenta);
    obrazek(QStringLiteral("721.jpg"), 50, 20, Qt::darkYellow);
    obrazek(QStringLiteral("yes.jpg"), 18, 18, Qt::green);
    obrazek(QStringLiteral("no.jpg"), 18, 18, Qt::red);
    obrazek(QStringLiteral("mistake.jpg"), 18, 18, Qt::blue);
}

void ZapisVysledky(const std::filesystem::path& adresar,
                   const std::vector<TestovaciVysledek>& zaznamy)
{
    Tabulka t;
    t.Svaz(adresar, "Vysledky");
    if (!t.Existuje())
        t.Vytvor(DefiniceVysledky());
    t.Otevri();
    t.ZacniDavku();
    for (const TestovaciVysledek& z : zaznamy) {
        t.Vloz();
        t.PoleJmenem("TypTestu").NastavText(z.typ);
        t.PoleJmenem("Profil").NastavText(z.profil);
        t.PoleJmenem("Datum").NastavDatumCas(z.datum);
        t.PoleJmenem("Cas").NastavDatumCas(z.cas);
        t.PoleJmenem("Skupina").NastavText(z.skupina);
        t.PoleJmenem("Kategorie").NastavText(z.kategorie);
        t.PoleJmenem("PocetOtazek").NastavCele(z.pocet);
        t.PoleJmenem("Spatne").NastavCele(z.spatne);
        t.PoleJmenem("SpatneCisla").NastavText(z.spatneCisla);
        t.PoleJmenem("SNapovedou").NastavCele(z.napovedy);
        t.PoleJmenem("SNapovedouCisla").NastavText(z.napovedyCisla);
        t.PoleJmenem("Uspesnost").NastavCele(z.uspesnost);
        t.Uloz();
    }
    t.DokonciDavku();
    t.Zavri();
}
