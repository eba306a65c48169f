#include "app/THlavniFormular.h"
#include "profiles/ProfilovySklad.h"
#include "questions/gui/PanelOtazek.h"
#include "storage/Tabulka.h"
#include "testsupport/GuiTest.h"
#include "testsupport/TestovaciBanka.h"
#include "testsupport/Najdi.h"
#include "testsupport/Soubory.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include <fstream>
#include <iterator>

namespace {

class HlavniOkno : public testing::Test {
protected:
    void SetUp() override
    {
        ZapisTestovaciBanku(adresar.CestaStd(), VzorovaBanka());
        ZapisObrazkyVzoroveBanky(adresar.CestaStd());
    }

    // A signed-in main window under profile "Jana" without going through the manager.
    std::unique_ptr<THlavniFormular> PrihlasenyFormular(const std::string& jmeno = "Jana")
    {
        auto hlavni = std::make_unique<THlavniFormular>(adresar.CestaStd());
        Prihlas(*hlavni, jmeno);
        return hlavni;
    }

    // Adds the profile `jmeno` and signs `hlavni` in under it through the manager.
    void Prihlas(THlavniFormular& hlavni, const std::string& jmeno = "Jana")
    {
        ProfilovySklad sklad(adresar.CestaStd());
        sklad.ZalozitTabulkuProfilu();
        sklad.PridatProfil(jmeno, "1111111", "B", "111", "11", "1", "");
        auto prihlaseni = PrihlasVManazeru(QString::fromStdString(jmeno));
        EXPECT_EQ(hlavni.Spust(), THlavniFormular::Start::Prihlasen);
        EXPECT_TRUE(prihlaseni->probehlo);
    }

    QAction* Akce(THlavniFormular& h, const char* jmeno)
    {
        auto* a = h.findChild<QAction*>(QString::fromLatin1(jmeno));
        EXPECT_NE(a, nullptr) << jmeno;
        return a;
    }

    DocasnyAdresar adresar;
};

TEST_F(HlavniOkno, PrvniStartZalozi_Default_APrazdnySeznam)
{
    THlavniFormular hlavni(adresar.CestaStd());
    bool zkontrolovano = false;
    auto manazer = OdpovedzModalnimu([&](QWidget* w) {
        // The table exists with only the hidden built-in profile before the manager is shown.
        Tabulka t;
        t.Svaz(adresar.CestaStd(), "Profily");
        t.Otevri();
        EXPECT_EQ(t.PocetZaznamu(), 1);
        EXPECT_EQ(t.PoleJmenem("Profil").JakoText(), "Default");
        EXPECT_EQ(t.PoleJmenem("Viditelny").JakoText(), "0");
        EXPECT_EQ(t.PoleJmenem("Kategorie").JakoText(), "1111111");
        EXPECT_EQ(t.PoleJmenem("Skupina").JakoText(), "B");
        EXPECT_EQ(t.PoleJmenem("Protokoly").JakoText(), "111");
        EXPECT_EQ(t.PoleJmenem("Konfigurace").JakoText(), "11");
        EXPECT_EQ(t.PoleJmenem("Heslo").JakoText(), "");
        t.Zavri();
        EXPECT_TRUE(hlavni.isVisible());
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Správce uživatelských účtů"));
        EXPECT_EQ(w->findChild<QListWidget*>(QStringLiteral("lbProfil"))->count(), 0);
        EXPECT_FALSE(w->findChild<QPushButton*>(QStringLiteral("btnOK"))->isEnabled());
        EXPECT_FALSE(w->findChild<QPushButton*>(QStringLiteral("btnDelete"))->isEnabled());
        zkontrolovano = true;
        StiskniVeZprave(QMessageBox::Yes, w);
        w->findChild<QPushButton*>(QStringLiteral("btnCancel"))->click();
    });
    EXPECT_EQ(hlavni.Spust(), THlavniFormular::Start::Ukoncen);
    EXPECT_TRUE(manazer->probehlo);
    EXPECT_TRUE(zkontrolovano);
}

TEST_F(HlavniOkno, PoskozenaTabulkaProfiluSeOhlasiANezmeni)
{
    const auto profily = adresar.CestaStd() + "/Profily.DB";
    for (const std::string& obsah : {std::string("toto není tabulka, jen text\n"), std::string()}) {
        {
            std::ofstream f(profily, std::ios::binary | std::ios::trunc);
            f << obsah;
        }
        THlavniFormular hlavni(adresar.CestaStd());
        auto chyba = StiskniVeZprave(QMessageBox::Ok);
        EXPECT_EQ(hlavni.Spust(), THlavniFormular::Start::Chyba);
        ASSERT_TRUE(chyba->probehlo);
        EXPECT_EQ(chyba->titulek, QStringLiteral("Chybové hlášení programu Zebrovka 2003 (2004)"));
        EXPECT_EQ(chyba->ikona, QMessageBox::Critical);
        EXPECT_TRUE(chyba->text.contains(QStringLiteral("Profily.DB")))
            << chyba->text.toStdString();
        EXPECT_EQ(ObsahSouboru(profily), obsah);
    }
}

TEST_F(HlavniOkno, ChybejiciBankaSeOhlasiSPracovnimAdresarem)
{
    DocasnyAdresar prazdny;
    THlavniFormular hlavni(prazdny.CestaStd());
    auto chyba = StiskniVeZprave(QMessageBox::Ok);
    EXPECT_EQ(hlavni.Spust(), THlavniFormular::Start::Chyba);
    ASSERT_TRUE(chyba->probehlo);
    EXPECT_TRUE(chyba->text.contains(QStringLiteral("otazky.DB")));
    EXPECT_TRUE(chyba->text.contains(prazdny.Cesta())) << chyba->text.toStdString();
    EXPECT_FALSE(QFile::exists(prazdny.Cesta() + QStringLiteral("/Profily.DB")));
}

// The profile manager comes up before the bank's records are read: its file is checked first,
// its records after the sign-in, and a bad record ends the start there with the same report.
TEST_F(HlavniOkno, ZaznamyBankyAzPoPrihlaseni)
{
    for (const bool vadna : {false, true}) {
        DocasnyAdresar dalsi;
        std::vector<Otazka> banka = VzorovaBanka();
        if (vadna)
            banka[1].otazka.clear();
        ZapisTestovaciBanku(dalsi.CestaStd(), banka);
        ProfilovySklad sklad(dalsi.CestaStd());
        sklad.ZalozitTabulkuProfilu();
        sklad.PridatProfil("Jana", "1111111", "B", "111", "11", "1", "");
        THlavniFormular hlavni(dalsi.CestaStd());
        bool prazdnaVManazeru = false;
        std::shared_ptr<ZachycenyDialog> chyba;
        auto prihlaseni = PrihlasVManazeru(QStringLiteral("Jana"), [&](QWidget* manazer) {
            prazdnaVManazeru = hlavni.banka().Vse().empty();
            if (vadna)
                chyba = StiskniVeZprave(QMessageBox::Ok, manazer);
        });
        EXPECT_EQ(hlavni.Spust(),
                  vadna ? THlavniFormular::Start::Chyba : THlavniFormular::Start::Prihlasen);
        ASSERT_TRUE(prihlaseni->probehlo);
        EXPECT_TRUE(prazdnaVManazeru);
        if (vadna) {
            ASSERT_TRUE(chyba && chyba->probehlo);
            EXPECT_TRUE(chyba->text.contains(QStringLiteral("otazky.DB")));
            EXPECT_TRUE(chyba->text.contains(
                QStringLiteral("otázka %1: chybí text otázky").arg(banka[1].cislo)))
                << chyba->text.toStdString();
            EXPECT_FALSE(hlavni.isVisible());
        } else {
            EXPECT_EQ(hlavni.banka().Vse().size(), banka.size());
        }
    }
}

TEST_F(HlavniOkno, MenuMajiPopiskyNapovedyOddelovaceAZatrzeni)
{
    THlavniFormular hlavni(adresar.CestaStd());
    EXPECT_EQ(hlavni.windowTitle(), QStringLiteral("Zebrovka 2003 (2004)"));
    QStringList hlavniPolozky;
    for (QAction* a : Najdi<QMenuBar>(&hlavni, "Menu1")->actions())
        hlavniPolozky << a->text();
    EXPECT_EQ(
        hlavniPolozky,
        (QStringList {"&Program", "P&rofil", "&Konfigurace", "&Start", "&Výsledky", "&Informace"}));
    // The start shows the titles only, under the modal profile manager; the items come with the
    // sign-in.
    EXPECT_TRUE(Najdi<QMenu>(&hlavni, "Start1")->actions().isEmpty());
    Prihlas(hlavni);

    // Each submenu: captions in order, with "-" for a separator.
    auto polozky = [](QMenu* m) {
        QStringList s;
        for (QAction* a : m->actions())
            s << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return s;
    };
    EXPECT_EQ(polozky(Najdi<QMenu>(&hlavni, "Profil1")),
              (QStringList {"Př&ejmenovat", "&Změnit heslo", "-", "&Odhlásit se"}));
    EXPECT_EQ(polozky(Najdi<QMenu>(&hlavni, "Konfigurace1")),
              (QStringList {"Zvolená skupina: B", "-", "&Nastavení...", "&Zobrazit stavový řádek",
                            "-", "Pos&tupný výběr otázek", "Ná&hodný výběr otázek", "-",
                            "Ukládat h&istorii učení", "Nových otázek &denně...",
                            "S&mazat historii učení", "-", "&Uložit nastavení", "-",
                            "&Vysvětlení po odpovědi", "Vzh&led"}));
    EXPECT_EQ(polozky(Najdi<QMenu>(&hlavni, "M1Vzhled")),
              (QStringList {"&Klasický", "&Tmavý", "&Vysoký kontrast"}));
    EXPECT_TRUE(Najdi<QAction>(&hlavni, "M1Vysvetleni")->isChecked());
    EXPECT_TRUE(Najdi<QAction>(&hlavni, "M1VzhledKlasicky")->isChecked());
    EXPECT_EQ(
        polozky(Najdi<QMenu>(&hlavni, "Start1")),
        (QStringList {"&Prohlížet otázky", "-", "Pro&cvičovat otázky", "&Zkoušet otázky",
                      "Procvičovat c&hyby", "&Opakování na dnes", "Oz&načené otázky", "-",
                      "&Test na body", "Test podle platných p&ravidel", "&Křižovatky – trénink"}));
    EXPECT_EQ(polozky(Najdi<QMenu>(&hlavni, "Vysledky1")),
              (QStringList {"Výsledk&y z", "-", "Výsledky &testu na body",
                            "Výsledky testů podle p&latných pravidel", "Statistika &učení"}));
    EXPECT_EQ(polozky(Najdi<QMenu>(&hlavni, "M1Protokol")),
              (QStringList {"P&rocvičování", "&Zkoušení"}));
    EXPECT_EQ(
        polozky(Najdi<QMenu>(&hlavni, "Informace1")),
        (QStringList {"Informace o p&rogramu", "&Historie oprav a aktualizací", "-", "&Nápověda"}));
    EXPECT_TRUE(Najdi<QAction>(&hlavni, "M1StavovyRadek")->isChecked());
    EXPECT_TRUE(Najdi<QAction>(&hlavni, "M1PostupnyVyber")->isChecked());
    EXPECT_FALSE(Najdi<QAction>(&hlavni, "M1NahodnyVyber")->isChecked());

    QStringList druhe;
    for (QAction* a : Najdi<QMenuBar>(&hlavni, "Menu2")->actions())
        druhe << a->text();
    EXPECT_EQ(druhe,
              (QStringList {"  &Konec režimu  ", "  Označ správnou odpověď  ", "  Otá&zka  ",
                            "  &O programu  "}));
    EXPECT_EQ(
        polozky(Najdi<QMenu>(&hlavni, "Otazka2")),
        (QStringList {"Přečíst &nahlas", "&Označit otázku", "&Hledat...", "&Zvětšit obrázek\tZ"}));
    const struct {
        QAction* polozka;
        const char* zkratka;
    } zkratky[] = {{Najdi<QAction>(&hlavni, "M2PrecistNahlas"), "F4"},
                   {Najdi<QAction>(&hlavni, "M2Oznacit"), "Ctrl+M"},
                   {Najdi<QAction>(&hlavni, "M2Hledat"), "Ctrl+F"}};
    for (const auto& z : zkratky)
        EXPECT_EQ(z.polozka->shortcut(), QKeySequence(QString::fromLatin1(z.zkratka))) << z.zkratka;

    // Hints go to the first status-bar panel.
    Najdi<QAction>(&hlavni, "M1Prohlizet")->showStatusText(&hlavni);
    EXPECT_EQ(Najdi<QLabel>(&hlavni, "panel0")->text(),
              QStringLiteral("Spustí režim prohlížení všech 757 otázek (mimo vyřazených)"));
    Najdi<QMenu>(&hlavni, "Konfigurace1")->menuAction()->showStatusText(&hlavni);
    EXPECT_EQ(Najdi<QLabel>(&hlavni, "panel0")->text(), QStringLiteral("Konfigurace..."));
    EXPECT_EQ(Najdi<QLabel>(&hlavni, "panel1")->text(), QStringLiteral("Jana"));
    EXPECT_EQ(Najdi<QLabel>(&hlavni, "panel2")->text(), QStringLiteral("Skupina: B"));
}

TEST_F(HlavniOkno, RozmeryABarvy)
{
    auto hlavni = PrihlasenyFormular();
    // Client area 632 x 386 under the menu, the status bar inside it.
    EXPECT_EQ(hlavni->width(), 632);
    EXPECT_EQ(hlavni->centralWidget()->height()
                  + Najdi<QStatusBar>(hlavni, "StavovyRadek1")->height(),
              386);
    EXPECT_EQ(Najdi<QLabel>(hlavni, "imgPozadi")->geometry(), QRect(85, 70, 453, 227));
    EXPECT_EQ(hlavni->palette().color(QPalette::Window), QColor(224, 223, 227));
    EXPECT_EQ(Najdi<QLabel>(hlavni, "panel0")->width() + 2, 340);
    Vyvolej(hlavni, "M1Prohlizet");
    EXPECT_TRUE(CekejNa([&] { return hlavni->centralWidget()->height() == 386; }, 2000));
    EXPECT_EQ(Najdi<QFrame>(hlavni, "pPomoc")->geometry(), QRect(0, 316, 632, 70));
    EXPECT_EQ(Najdi<PanelOtazek>(hlavni, "pOtazky")->geometry(), QRect(0, 0, 632, 316));
}

TEST_F(HlavniOkno, PrihlaseniNactePrepinaceAUkazatele)
{
    ProfilovySklad sklad(adresar.CestaStd());
    sklad.ZalozitTabulkuProfilu();
    sklad.PridatProfil("Petr", "0000000", "C", "101", "00", "1", "");
    THlavniFormular hlavni(adresar.CestaStd());
    auto prihlaseni = PrihlasVManazeru(QStringLiteral("Petr"));
    ASSERT_EQ(hlavni.Spust(), THlavniFormular::Start::Prihlasen);
    EXPECT_EQ(Najdi<QLabel>(&hlavni, "panel1")->text(), QStringLiteral("Petr"));
    EXPECT_EQ(Najdi<QLabel>(&hlavni, "panel2")->text(), QStringLiteral("Skupina: C"));
    EXPECT_EQ(Najdi<QAction>(&hlavni, "M1Skupina")->text(), QStringLiteral("Zvolená skupina: C"));
    EXPECT_FALSE(Najdi<QAction>(&hlavni, "M1StavovyRadek")->isChecked());
    EXPECT_FALSE(Najdi<QStatusBar>(&hlavni, "StavovyRadek1")->isVisible());
    EXPECT_TRUE(Najdi<QAction>(&hlavni, "M1NahodnyVyber")->isChecked());
    EXPECT_FALSE(Najdi<QAction>(&hlavni, "M1PostupnyVyber")->isChecked());
    // No category: practice and exam greyed, browse still available.
    EXPECT_FALSE(Najdi<QAction>(&hlavni, "M1Procvicovat")->isEnabled());
    EXPECT_FALSE(Najdi<QAction>(&hlavni, "M1Zkouset")->isEnabled());
    EXPECT_FALSE(Najdi<QAction>(&hlavni, "M1ProcvicovatChyby")->isEnabled());
    EXPECT_TRUE(Najdi<QAction>(&hlavni, "M1Prohlizet")->isEnabled());
    EXPECT_EQ(hlavni.relace.nastaveni.protokoly, (std::array<bool, 3> {true, false, true}));
}

TEST_F(HlavniOkno, UlozeniOdhlaseniAPrihlaseniObnoviUlozeneNastaveni)
{
    auto hlavni = PrihlasenyFormular();
    hlavni->relace.nastaveni.skupina = "D";
    hlavni->relace.nastaveni.kategorie = {false, true, false, true, false, false, false};
    Vyvolej(hlavni, "M1StavovyRadek");
    Vyvolej(hlavni, "M1NahodnyVyber");
    Vyvolej(hlavni, "M1UlozitNastaveni");
    // Changed again but not saved: dropped at sign-out.
    hlavni->relace.nastaveni.skupina = "A";
    Vyvolej(hlavni, "M1PostupnyVyber");

    auto prihlaseni = PrihlasVManazeru(QStringLiteral("Jana"));
    Vyvolej(hlavni, "M1Odhlasit");
    ASSERT_TRUE(prihlaseni->probehlo);
    EXPECT_EQ(hlavni->relace.nastaveni.skupina, "D");
    EXPECT_EQ(hlavni->relace.nastaveni.kategorie,
              (std::array<bool, 7> {false, true, false, true, false, false, false}));
    EXPECT_FALSE(Najdi<QAction>(hlavni, "M1StavovyRadek")->isChecked());
    EXPECT_FALSE(Najdi<QStatusBar>(hlavni, "StavovyRadek1")->isVisible());
    EXPECT_TRUE(Najdi<QAction>(hlavni, "M1NahodnyVyber")->isChecked());
    EXPECT_EQ(Najdi<QLabel>(hlavni, "panel2")->text(), QStringLiteral("Skupina: D"));
}

TEST_F(HlavniOkno, OdhlaseniSUkoncenimZavreOkno)
{
    auto hlavni = PrihlasenyFormular();
    ASSERT_TRUE(hlavni->isVisible());
    auto manazer = OdpovedzModalnimu([](QWidget* w) {
        StiskniVeZprave(QMessageBox::Yes, w);
        w->findChild<QPushButton*>(QStringLiteral("btnCancel"))->click();
    });
    Vyvolej(hlavni, "M1Odhlasit");
    EXPECT_TRUE(manazer->probehlo);
    EXPECT_FALSE(hlavni->isVisible());
}

TEST_F(HlavniOkno, ProhlizeniPrepinaMenuStavovyRadekAPomoc)
{
    auto hlavni = PrihlasenyFormular();
    Vyvolej(hlavni, "M1Prohlizet");
    EXPECT_EQ(hlavni->Rezim(), QStringLiteral("Prohlizeni"));
    EXPECT_FALSE(Najdi<QMenuBar>(hlavni, "Menu1")->isVisible());
    EXPECT_TRUE(Najdi<QMenuBar>(hlavni, "Menu2")->isVisible());
    EXPECT_FALSE(Najdi<QAction>(hlavni, "M2OznacSpravne")->isVisible());
    EXPECT_FALSE(Najdi<QStatusBar>(hlavni, "StavovyRadek1")->isVisible());
    EXPECT_TRUE(Najdi<PanelOtazek>(hlavni, "pOtazky")->isVisible());
    EXPECT_TRUE(Najdi<QFrame>(hlavni, "pPomoc")->isVisible());
    EXPECT_FALSE(Najdi<QLabel>(hlavni, "imgPozadi")->isVisible());
    EXPECT_FALSE(Najdi<QLabel>(hlavni, "lbNe")->isEnabled());
    EXPECT_FALSE(Najdi<QLabel>(hlavni, "lbNic")->isEnabled());
    EXPECT_FALSE(Najdi<QLabel>(hlavni, "lbUspesnost")->isVisible());
    EXPECT_EQ(Najdi<QLabel>(hlavni, "lbKonecRezimu")->text(),
              QStringLiteral("Pro ukončení režimu prohlížení stiskněte \"Konec režimu\""));
    EXPECT_EQ(Najdi<QLabel>(hlavni, "lbKonecRezimu")->pos(), QPoint(284, 17));
    EXPECT_EQ(Najdi<QLabel>(hlavni, "lbUzivatel")->text(),
              QStringLiteral("Aktivní profil uživatele: Jana"));
    EXPECT_EQ(Najdi<QLabel>(hlavni, "lbUzivatel")->y(), 40);
    EXPECT_EQ(Najdi<QLabel>(hlavni, "lbUzivatel")->x(),
              284
                  + (Najdi<QLabel>(hlavni, "lbKonecRezimu")->width()
                     - Najdi<QLabel>(hlavni, "lbUzivatel")->width())
                      / 2);

    // Ends without a question.
    Vyvolej(hlavni, "M2KonecRezimu");
    EXPECT_TRUE(hlavni->Rezim().isEmpty());
    EXPECT_TRUE(Najdi<QMenuBar>(hlavni, "Menu1")->isVisible());
    EXPECT_TRUE(Najdi<QStatusBar>(hlavni, "StavovyRadek1")->isVisible());
    EXPECT_TRUE(Najdi<QLabel>(hlavni, "imgPozadi")->isVisible());
    EXPECT_EQ(Najdi<QLabel>(hlavni, "lbKonecRezimu")->pos(), QPoint(212, 19));
    EXPECT_EQ(Najdi<QLabel>(hlavni, "lbUzivatel")->pos(), QPoint(212, 52));
}

TEST_F(HlavniOkno, SkrytyStavovyRadekZustaneSkrytyPoRezimu)
{
    auto hlavni = PrihlasenyFormular();
    Vyvolej(hlavni, "M1StavovyRadek");
    EXPECT_FALSE(Najdi<QStatusBar>(hlavni, "StavovyRadek1")->isVisible());
    EXPECT_FALSE(Najdi<QAction>(hlavni, "M1StavovyRadek")->isChecked());
    Vyvolej(hlavni, "M1Prohlizet");
    Vyvolej(hlavni, "M2KonecRezimu");
    EXPECT_FALSE(Najdi<QStatusBar>(hlavni, "StavovyRadek1")->isVisible());
    Vyvolej(hlavni, "M1StavovyRadek");
    EXPECT_TRUE(Najdi<QStatusBar>(hlavni, "StavovyRadek1")->isVisible());
    EXPECT_TRUE(Najdi<QAction>(hlavni, "M1StavovyRadek")->isChecked());
}

TEST_F(HlavniOkno, ZavreniBehemRezimuSePtaJenVRezimu)
{
    auto hlavni = PrihlasenyFormular();
    Vyvolej(hlavni, "M1Prohlizet");
    auto ne = StiskniVeZprave(QMessageBox::No);
    EXPECT_FALSE(hlavni->close());
    ASSERT_TRUE(ne->probehlo);
    EXPECT_EQ(ne->titulek, QStringLiteral("Otázka programu Zebrovka 2003 (2004)"));
    EXPECT_EQ(
        ne->text,
        QStringLiteral("Opravdu chcete vypnout program, i když spuštěný režim je stále aktivní?"));
    EXPECT_EQ(ne->ikona, QMessageBox::Question);
    EXPECT_TRUE(hlavni->isVisible());
    EXPECT_EQ(hlavni->Rezim(), QStringLiteral("Prohlizeni"));
    auto ano = StiskniVeZprave(QMessageBox::Yes);
    EXPECT_TRUE(hlavni->close());
    EXPECT_TRUE(ano->probehlo);

    auto bezRezimu = PrihlasenyFormular("Karel");
    EXPECT_TRUE(bezRezimu->close());
}

TEST_F(HlavniOkno, ZpravyOChybejicichVysledcich)
{
    auto hlavni = PrihlasenyFormular();
    const std::pair<QAction*, QString> pripady[] = {
        {Najdi<QAction>(hlavni, "smProc"),
         QStringLiteral("Protokol procvičování zatím nebyl vytvořen!")},
        {Najdi<QAction>(hlavni, "smZkou"),
         QStringLiteral("Protokol zkoušení zatím nebyl vytvořen!")},
        {Najdi<QAction>(hlavni, "M1VysledekTestu"),
         QStringLiteral("Dosud nebyly vytvořeny žádné protokoly z testu!")},
    };
    for (const auto& [akce, text] : pripady) {
        auto zprava = StiskniVeZprave(QMessageBox::Ok);
        if (akce == Najdi<QAction>(hlavni, "smProc"))
            Vyvolej(hlavni, "smProc");
        else if (akce == Najdi<QAction>(hlavni, "smZkou"))
            Vyvolej(hlavni, "smZkou");
        else
            Vyvolej(hlavni, "M1VysledekTestu");
        ASSERT_TRUE(zprava->probehlo);
        EXPECT_EQ(zprava->text, text);
        EXPECT_EQ(zprava->titulek, QStringLiteral("Informace programu Zebrovka 2003 (2004)"));
        EXPECT_EQ(zprava->ikona, QMessageBox::Information);
    }
    EXPECT_TRUE(hlavni->SouborExistuje(QStringLiteral("otazky.DB")));
    EXPECT_FALSE(hlavni->SouborExistuje(QStringLiteral("Vysledky.DB")));

    // The practice and exam items are offered with and without the table: without it they
    // show their message, with it their list.
    emit Najdi<QMenu>(hlavni, "Vysledky1")->aboutToShow();
    EXPECT_TRUE(Najdi<QAction>(hlavni, "smProc")->isEnabled());
    EXPECT_TRUE(Najdi<QAction>(hlavni, "M1VysledekTestu")->isEnabled());
    Tabulka vysledky;
    vysledky.Svaz(adresar.CestaStd(), "Vysledky");
    vysledky.Vytvor({{"Profil", TypPole::Text, 30}});
    emit Najdi<QMenu>(hlavni, "Vysledky1")->aboutToShow();
    EXPECT_TRUE(Najdi<QAction>(hlavni, "smProc")->isEnabled());
    EXPECT_TRUE(Najdi<QAction>(hlavni, "smZkou")->isEnabled());
    EXPECT_TRUE(Najdi<QAction>(hlavni, "M1VysledekTestu")->isEnabled());
}

}  // namespace

TEST_F(HlavniOkno, NezaskrtnutaPolozkaNemaZnackuAPoradiJeJednaSkupina)
{
    auto hlavni = PrihlasenyFormular();
    QActionGroup* poradi = Najdi<QAction>(hlavni, "M1PostupnyVyber")->actionGroup();
    ASSERT_NE(poradi, nullptr);
    EXPECT_EQ(Najdi<QAction>(hlavni, "M1NahodnyVyber")->actionGroup(), poradi);
    EXPECT_TRUE(poradi->isExclusive());
    // Choosing the checked order again keeps it; the other one clears it.
    Vyvolej(hlavni, "M1PostupnyVyber");
    EXPECT_TRUE(Najdi<QAction>(hlavni, "M1PostupnyVyber")->isChecked());
    EXPECT_TRUE(hlavni->relace.nastaveni.postupnyVyber);
    Vyvolej(hlavni, "M1NahodnyVyber");
    EXPECT_TRUE(Najdi<QAction>(hlavni, "M1NahodnyVyber")->isChecked());
    EXPECT_FALSE(Najdi<QAction>(hlavni, "M1PostupnyVyber")->isChecked());
    EXPECT_FALSE(hlavni->relace.nastaveni.postupnyVyber);

    // Drawn menu: the check column of an unchecked item is as empty as that of a plain item.
    Vyvolej(hlavni, "M1StavovyRadek");
    ASSERT_FALSE(Najdi<QAction>(hlavni, "M1StavovyRadek")->isChecked());
    QMenu* menu = Najdi<QMenu>(hlavni, "Konfigurace1");
    menu->popup(hlavni->mapToGlobal(QPoint(0, 0)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    const QImage obraz = menu->grab().toImage();
    menu->hide();
    auto inkoust = [&](QAction* a) {
        const QRect r = menu->actionGeometry(a);
        const QRgb pozadi = obraz.pixel(r.left() + 1, r.center().y());
        int jine = 0;
        for (int x = r.left() + 2; x < r.left() + 22; ++x)
            for (int y = r.top() + 1; y < r.bottom(); ++y)
                jine += obraz.pixel(x, y) != pozadi;
        return jine;
    };
    EXPECT_EQ(inkoust(Najdi<QAction>(hlavni, "M1Nastaveni")), 0);
    EXPECT_EQ(inkoust(Najdi<QAction>(hlavni, "M1PostupnyVyber")), 0);
    EXPECT_EQ(inkoust(Najdi<QAction>(hlavni, "M1StavovyRadek")), 0);
    EXPECT_GT(inkoust(Najdi<QAction>(hlavni, "M1NahodnyVyber")), 0);
}

TEST_F(HlavniOkno, PanelyStavovehoRadkuStojiNaSvychSirkachAPosledniSeVejde)
{
    auto hlavni = PrihlasenyFormular();
    ASSERT_TRUE(Najdi<QStatusBar>(hlavni, "StavovyRadek1")->isVisible());
    const std::array<int, 4> levy {0, 340, 415, 490};
    const std::array<int, 4> sirka {338, 73, 73, 142};
    for (std::size_t i = 0; i < 4; ++i) {
        const QRect r = Najdi<QLabel>(hlavni, QStringLiteral("panel%1").arg(i))->geometry();
        EXPECT_EQ(r.left(), levy[i]) << i;
        EXPECT_EQ(r.width(), sirka[i]) << i;
        EXPECT_GE(r.top(), 0) << i;
        EXPECT_LE(r.bottom(), Najdi<QStatusBar>(hlavni, "StavovyRadek1")->height() - 1) << i;
    }
    EXPECT_EQ(Najdi<QLabel>(hlavni, "panel3")->geometry().right(),
              Najdi<QStatusBar>(hlavni, "StavovyRadek1")->width() - 1);
    EXPECT_EQ(Najdi<QStatusBar>(hlavni, "StavovyRadek1")->width(), 632);
    const QLabel* posledni = Najdi<QLabel>(hlavni, "panel3");
    EXPECT_LE(posledni->fontMetrics().horizontalAdvance(posledni->text()),
              posledni->contentsRect().width());
}

// The three items of "Informace" open their windows modally, centred over the main window.
TEST_F(HlavniOkno, InformacniOknaZNabidkyVystredenaNadOknem)
{
    auto hlavni = PrihlasenyFormular();
    const struct {
        const char* akce;
        const char* trida;
        const char* titulek;
    } okna[] = {
        {"M1OProgramu", "TAbout", "O programu"},
        {"M1Seznam", "TOpravyAktualizace", "Historie oprav a aktualizací"},
        {"M1Napoveda", "THelpForm", "Nápověda programu Zebrovka 2003 (2004)"},
    };
    for (const auto& o : okna) {
        QAction* akce = Akce(*hlavni, o.akce);
        ASSERT_NE(akce, nullptr);
        EXPECT_TRUE(akce->isEnabled()) << o.akce;
        // Centred by the size it opens at, frames included.
        QRect ramecek;
        QSize velikost;
        QRect nad;
        bool modalni = false;
        auto okno = OdpovedzModalnimu([&](QWidget* w) {
            ramecek = w->frameGeometry();
            velikost = w->size();
            nad = hlavni->frameGeometry();
            modalni = w->isModal() && w->parentWidget() == hlavni.get();
            w->close();
        });
        akce->trigger();
        ASSERT_TRUE(okno->probehlo) << o.akce;
        EXPECT_EQ(okno->trida, QString::fromLatin1(o.trida));
        EXPECT_EQ(okno->titulek, QString::fromUtf8(o.titulek));
        EXPECT_TRUE(modalni) << o.akce;
        EXPECT_EQ(ramecek.left(), nad.left() + (nad.width() - ramecek.width()) / 2) << o.akce;
        EXPECT_EQ(ramecek.top(), nad.top() + (nad.height() - ramecek.height()) / 2) << o.akce;
        if (QLatin1String(o.trida) == QLatin1String("THelpForm"))
            EXPECT_EQ(velikost, QSize(700, 550));
    }
    // Each window is gone once it has closed.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const char* trida : {"TAbout", "TOpravyAktualizace", "THelpForm"})
        EXPECT_EQ(hlavni->findChild<QWidget*>(QString::fromLatin1(trida)), nullptr) << trida;
}

TEST_F(HlavniOkno, DlouheJmenoSeZkratiACeleJeVNapovede)
{
    for (const std::string jmeno : {"Eva", "Žaneta Čížková-Dvořáčková"}) {
        SCOPED_TRACE(jmeno);
        auto hlavni = PrihlasenyFormular(jmeno);
        const QString cele = QString::fromStdString(jmeno);
        const bool dlouhe = jmeno.size() > 3;
        // The status bar: cut to its panel with the whole name in the tooltip.
        const QLabel* panel = Najdi<QLabel>(hlavni, "panel1");
        EXPECT_LE(panel->fontMetrics().horizontalAdvance(panel->text()),
                  panel->contentsRect().width());
        EXPECT_EQ(panel->text() == cele, !dlouhe);
        EXPECT_EQ(panel->toolTip(), dlouhe ? cele : QString());
        // The strip: in practice the name stops before the group.
        hlavni->relace.beh = {};
        auto dotaz = OdpovedzModalnimu([](QWidget* w) { static_cast<QDialog*>(w)->accept(); });
        Vyvolej(hlavni, "M1Procvicovat");
        ASSERT_TRUE(dotaz->probehlo);
        EXPECT_LT(Najdi<QLabel>(hlavni, "lbUzivatel")->geometry().right(),
                  Najdi<QLabel>(hlavni, "lbSkupina")->x());
        EXPECT_EQ(Najdi<QLabel>(hlavni, "lbUzivatel")->toolTip(),
                  dlouhe ? QStringLiteral("Aktivní profil uživatele: ") + cele : QString());
        auto konec = StiskniVeZprave(QMessageBox::Yes);
        Vyvolej(hlavni, "M2KonecRezimu");
        Vyvolej(hlavni, "M1Prohlizet");
        EXPECT_LE(Najdi<QLabel>(hlavni, "lbUzivatel")->geometry().right(),
                  Najdi<QFrame>(hlavni, "pPomoc")->width());
        Vyvolej(hlavni, "M2KonecRezimu");
    }
}

// The picture beside the menu: at the plain scale the copy built into the program, pixel for pixel
// the shipped picture; a sharper screen takes a sharper twin from the pictures' folder when there
// is one, else the built-in copy.
TEST(ObrazekPozadi, VestavenyAOstrejsiDvojce)
{
    const QImage dodany = QImage(QStringLiteral(ZK_ZDROJE "/data/grafika/pozadi.jpg"))
                              .convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(dodany.size(), QSize(453, 227));
    const struct {
        bool dvojce;  // pozadi@2x.jpg lies in the pictures' folder
        qreal pomer;
        int nasobek;  // 0: the built-in copy
    } pripady[] = {
        {false, 1.0, 0}, {true, 1.0, 0}, {false, 2.0, 0}, {true, 2.0, 2}, {true, 1.5, 2}};
    for (const auto& p : pripady) {
        SCOPED_TRACE(std::to_string(p.dvojce) + " @ " + std::to_string(p.pomer));
        DocasnyAdresar adresar;
        QDir().mkpath(adresar.Cesta() + QStringLiteral("/grafika"));
        if (p.dvojce) {
            QImage ostrejsi(906, 454, QImage::Format_RGB32);
            ostrejsi.fill(Qt::darkBlue);
            ASSERT_TRUE(ostrejsi.save(adresar.Cesta() + QStringLiteral("/grafika/pozadi@2x.jpg")));
        }
        const QPixmap obrazek = THlavniFormular::ObrazekPozadi(adresar.CestaStd(), p.pomer);
        EXPECT_EQ(obrazek.deviceIndependentSize().toSize(), QSize(453, 227));
        if (p.nasobek == 0) {
            EXPECT_EQ(obrazek.devicePixelRatio(), 1.0);
            EXPECT_EQ(obrazek.toImage().convertToFormat(QImage::Format_RGB32), dodany);
        } else {
            EXPECT_EQ(obrazek.devicePixelRatio(), p.nasobek);
            const QColor barva = obrazek.toImage().pixelColor(900, 450);
            EXPECT_TRUE(barva.blue() > 120 && barva.red() < 10) << barva.name().toStdString();
        }
    }
}
