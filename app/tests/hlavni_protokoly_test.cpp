#include "app/THlavniFormular.h"
#include "profiles/ProfilovySklad.h"
#include "test/Protokol.h"
#include "test/gui/TSeznamTestu.h"
#include "testsupport/VzorovyProtokol.h"
#include "testsupport/GuiTest.h"
#include "testsupport/TestovaciBanka.h"
#include "testsupport/Najdi.h"

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTableView>

#include <fstream>

namespace {

// A main window signed in as `jmeno` through the profile manager.
std::unique_ptr<THlavniFormular> Prihlaseny(const DocasnyAdresar& adresar, const std::string& jmeno)
{
    ZapisTestovaciBanku(adresar.CestaStd(), VzorovaBanka());
    ZapisObrazkyVzoroveBanky(adresar.CestaStd());
    ProfilovySklad sklad(adresar.CestaStd());
    sklad.ZalozitTabulkuProfilu();
    sklad.PridatProfil(jmeno, "1111111", "B", "111", "11", "1", "");
    auto hlavni = std::make_unique<THlavniFormular>(adresar.CestaStd());
    auto prihlaseni = PrihlasVManazeru(QString::fromStdString(jmeno));
    EXPECT_EQ(hlavni->Spust(), THlavniFormular::Start::Prihlasen);
    EXPECT_TRUE(prihlaseni->probehlo);
    return hlavni;
}

TEST(HlavniOknoProtokoly, PolozkaOtevreSeznamPrihlasenehoProfilu)
{
    DocasnyAdresar adresar;
    auto hlavni = Prihlaseny(adresar, "Jana");
    auto* polozka = hlavni->findChild<QAction*>(QStringLiteral("M1VysledekTestu"));
    ASSERT_NE(polozka, nullptr);
    EXPECT_EQ(polozka->text(), QStringLiteral("Výsledky &testu na body"));

    // Without the table the item says so instead of opening an empty list.
    emit Najdi<QMenu>(hlavni, "Vysledky1")->aboutToShow();
    EXPECT_TRUE(polozka->isEnabled());
    auto zprava = StiskniVeZprave(QMessageBox::Ok);
    polozka->trigger();
    ASSERT_TRUE(zprava->probehlo);
    EXPECT_EQ(zprava->text, QStringLiteral("Dosud nebyly vytvořeny žádné protokoly z testu!"));
    EXPECT_EQ(zprava->titulek, QStringLiteral("Informace programu Zebrovka 2003 (2004)"));

    for (const char* profil : {"Jana", "Karel", "Jana"}) {
        ZaznamProtokolu z = VzorovyProtokol();
        z.profil = profil;
        ZapisProtokol(adresar.CestaStd(), z);
    }
    emit Najdi<QMenu>(hlavni, "Vysledky1")->aboutToShow();
    EXPECT_TRUE(polozka->isEnabled());
    QString titulek;
    int radku = -1;
    QPoint posun;
    auto seznam = OdpovedzModalnimu(
        [&](QWidget* w) {
            auto* s = qobject_cast<TSeznamTestu*>(w);
            ASSERT_NE(s, nullptr) << w->metaObject()->className();
            titulek = s->windowTitle();
            radku = Najdi<QTableView>(s, "DBGrid1")->model()->rowCount();
            posun = s->geometry().center() - hlavni->geometry().center();
            Najdi<QPushButton>(s, "btnOK")->click();
        },
        hlavni.get());
    polozka->trigger();
    ASSERT_TRUE(seznam->probehlo);
    EXPECT_EQ(titulek, QStringLiteral("Seznam testů,   Uživatel: Jana"));
    EXPECT_EQ(radku, 2);
    EXPECT_LE(std::abs(posun.x()), 2);
    EXPECT_LE(std::abs(posun.y()), 2);
}

// A Protokoly.DB that is not a table ends the opening with its error shown; no list opens.
TEST(HlavniOknoProtokoly, PoskozenaTabulkaOhlasiChybu)
{
    DocasnyAdresar adresar;
    auto hlavni = Prihlaseny(adresar, "Jana");
    std::ofstream(adresar.CestaStd() + "/Protokoly.DB", std::ios::binary) << "toto není tabulka";
    auto chyba = StiskniVeZprave(QMessageBox::Ok);
    hlavni->findChild<QAction*>(QStringLiteral("M1VysledekTestu"))->trigger();
    ASSERT_TRUE(chyba->probehlo);
    EXPECT_EQ(chyba->titulek, QStringLiteral("Chybové hlášení programu Zebrovka 2003 (2004)"));
    EXPECT_TRUE(chyba->text.contains(QStringLiteral("Protokoly.DB"))) << chyba->text.toStdString();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
