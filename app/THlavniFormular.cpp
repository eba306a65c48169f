#include "app/THlavniFormular.h"

#include "app/CyklusBehu.h"
#include "app/InformacniPruh.h"
#include "base/Hodiny.h"
#include "base/Nahoda.h"
#include "info/TAbout.h"
#include "info/THelpForm.h"
#include "info/TOpravyAktualizace.h"
#include "krizovatky/gui/TKrizovatky.h"
#include "profiles/gui/AkceProfilu.h"
#include "profiles/gui/PravidlaProfilu.h"
#include "profiles/ProfilovySklad.h"
#include "questions/Banka.h"
#include "questions/Oznacene.h"
#include "questions/TextNahlas.h"
#include "questions/Kategorie.h"
#include "questions/PametProfilu.h"
#include "questions/Statistika.h"
#include "questions/Vysvetleni.h"
#include "questions/gui/PanelOtazek.h"
#include "questions/gui/TDotazPZ.h"
#include "results/gui/TProtocol.h"
#include "storage/Tabulka.h"
#include "test/gui/TSeznamTestu.h"
#include "test/gui/TStatistikaUceni.h"
#include "test/gui/TTestForm.h"
#include "test/gui/TTestPlatny.h"
#include "test/gui/TVysledkyPlatny.h"
#include "test/TestPlatny.h"
#include "ui/Centrovani.h"
#include "ui/Dialogy.h"
#include "ui/Hlas.h"
#include "ui/Jazyk.h"
#include "ui/MereniTextu.h"
#include "ui/Obrazky.h"
#include "ui/TextUtf8.h"
#include "ui/VestavenyObrazek.h"
#include "ui/Vzhled.h"
#include "ui/Zpravy.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QVBoxLayout>

#include <set>

namespace {

constexpr int kSirkaKlienta = 632;
constexpr int kVyskaKlienta = 386;
constexpr int kOdsazeniPanelu = 2;  // the status-bar panels' distance from the bar's top edge

QString Cesta(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

}  // namespace

extern const VestavenyObrazek kPozadiOkna;  // data/grafika/pozadi.jpg, built in

// The picture beside the menu. At the plain scale it is the copy built into the program, drawn
// without decoding a file; a sharper screen takes its sharper twins from the pictures'
// folder when they are there.
QPixmap THlavniFormular::ObrazekPozadi(const std::filesystem::path& adresar, qreal pomer)
{
    if (pomer > 1.0) {
        int nasobek = 1;
        const QString ostrejsi =
            SouborProMeritko(Cesta(adresar / "grafika" / "pozadi.jpg"), pomer, &nasobek);
        QPixmap obrazek;
        if (nasobek > 1 && obrazek.load(ostrejsi)) {
            obrazek.setDevicePixelRatio(nasobek);
            return obrazek;
        }
    }
    return Pixmapa(kPozadiOkna);
}

THlavniFormular::THlavniFormular(std::filesystem::path adresar, QWidget* rodic)
    : QMainWindow(rodic), adresar_(std::move(adresar)), banka_(std::make_unique<Banka>()),
      sklad_(std::make_unique<ProfilovySklad>(adresar_))
{
    setObjectName(QStringLiteral("HlavniFormular"));
    setWindowTitle(QStringLiteral("Zebrovka 2003 (2004)"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(PismoOkna());
    ObarviPozadi(this, Plocha::Okno);

    klient = new QWidget(this);
    klient->setObjectName(QStringLiteral("klient"));
    klient->setStatusTip(QStringLiteral("     Zebrovka 2003"));
    setCentralWidget(klient);
    klient->setAccessibleName(QStringLiteral("Zebrovka 2003 (2004)"));

    imgPozadi = new QLabel(klient);
    imgPozadi->setObjectName(QStringLiteral("imgPozadi"));
    imgPozadi->setGeometry(85, 70, 453, 227);
    imgPozadi->setPixmap(ObrazekPozadi(adresar_, devicePixelRatioF()));
    imgPozadi->setAccessibleName(QStringLiteral("Zebrovka 2003 (2004)"));

    VytvorMenu();
    VytvorStavovyRadek();

    // The client area is 632 x 386 below the menu; the status bar lies inside it.
    const int vyskaMenu = menuKontejner_->sizeHint().height();
    setFixedSize(kSirkaKlienta, kVyskaKlienta + vyskaMenu);
    RozmistiPanely();

    relace.opakovaniZaznamu.priznak = false;
    relace.nastaveni.aktivniProfil.clear();
}

THlavniFormular::~THlavniFormular() = default;

// A menu titled `popis` whose item shows `napoveda` in the status bar, kept in `cil`.
QMenu* THlavniFormular::Podnabidka(QMenu*& cil, const char* jmeno, const QString& popis,
                                   const QString& napoveda)
{
    cil = new QMenu(popis, this);
    cil->setObjectName(QString::fromLatin1(jmeno));
    cil->menuAction()->setObjectName(QString::fromLatin1(jmeno) + QStringLiteral("Akce"));
    cil->menuAction()->setStatusTip(napoveda);
    return cil;
}

void THlavniFormular::VytvorMenu()
{
    Menu1 = new QMenuBar;
    Menu1->setObjectName(QStringLiteral("Menu1"));
    Menu1->setNativeMenuBar(false);
    Menu1->addMenu(
        Podnabidka(Program1, "Program1", QStringLiteral("&Program"), QStringLiteral("Program...")));
    Menu1->addMenu(Podnabidka(Profil1, "Profil1", QStringLiteral("P&rofil"),
                              QStringLiteral("Správa profilu...")));
    Menu1->addMenu(Podnabidka(Konfigurace1, "Konfigurace1", QStringLiteral("&Konfigurace"),
                              QStringLiteral("Konfigurace...")));
    Menu1->addMenu(
        Podnabidka(Start1, "Start1", QStringLiteral("&Start"), QStringLiteral("Start...")));
    Menu1->addMenu(Podnabidka(Vysledky1, "Vysledky1", QStringLiteral("&Výsledky"),
                              QStringLiteral("Výsledky...")));
    Menu1->addMenu(Podnabidka(Informace1, "Informace1", QStringLiteral("&Informace"),
                              QStringLiteral("Informace...")));

    menuKontejner_ = new QWidget(this);
    menuKontejner_->setObjectName(QStringLiteral("menuKontejner"));
    auto* rozlozeni = new QVBoxLayout(menuKontejner_);
    rozlozeni->setContentsMargins(0, 0, 0, 0);
    rozlozeni->setSpacing(0);
    rozlozeni->addWidget(Menu1);
    setMenuWidget(menuKontejner_);
    ObarviPozadi(Menu1, Plocha::Okno);
    menuKontejner_->setAccessibleName(QStringLiteral("Nabídka"));
    Menu1->setAccessibleName(QStringLiteral("Hlavní nabídka"));
}

// The items of the menus, the mode's menu and what they do (PripravPoPrihlaseni).
void THlavniFormular::DoplnNabidky()
{
    auto akce = [this](QAction*& cil, const char* jmeno, const QString& popis,
                       const QString& napoveda) {
        cil = new QAction(popis, this);
        cil->setObjectName(QString::fromLatin1(jmeno));
        cil->setStatusTip(napoveda);
        return cil;
    };

    Program1->addAction(akce(M1Ukoncit, "M1Ukoncit", QStringLiteral("&Ukončit"),
                             QStringLiteral("Ukončí program Zebrovka 2003")));

    Profil1->addAction(akce(M1Prejmenovat, "M1Prejmenovat", QStringLiteral("Př&ejmenovat"),
                            QStringLiteral("Spustí formulář pro změnu jména profilu")));
    Profil1->addAction(akce(M1ZmenitHeslo, "M1ZmenitHeslo", QStringLiteral("&Změnit heslo"),
                            QStringLiteral("Spustí formulář pro změnu hesla")));
    Profil1->addSeparator();
    Profil1->addAction(
        akce(M1Odhlasit, "M1Odhlasit", QStringLiteral("&Odhlásit se"),
             QStringLiteral("Odhlásí aktuálního uživatele a spustí manažér profilů")));

    Konfigurace1->addAction(
        akce(M1Skupina, "M1Skupina", QStringLiteral("Zvolená skupina: B"),
             QStringLiteral("Zobrazuje zvolenou skupinu řidičského oprávnění")));
    Konfigurace1->addSeparator();
    Konfigurace1->addAction(akce(M1Nastaveni, "M1Nastaveni", QStringLiteral("&Nastavení..."),
                                 QStringLiteral("Spustí okno nastavení programu")));
    Konfigurace1->addAction(akce(M1StavovyRadek, "M1StavovyRadek",
                                 QStringLiteral("&Zobrazit stavový řádek"),
                                 QStringLiteral("Zobrazí/skryje stavový řádek")));
    Konfigurace1->addSeparator();
    Konfigurace1->addAction(
        akce(M1PostupnyVyber, "M1PostupnyVyber", QStringLiteral("Pos&tupný výběr otázek"),
             QStringLiteral("Nastaví postupný výběr otázek podle čísla otázky")));
    Konfigurace1->addAction(akce(M1NahodnyVyber, "M1NahodnyVyber",
                                 QStringLiteral("Ná&hodný výběr otázek"),
                                 QStringLiteral("Nastaví náhodný výběr otázek")));
    Konfigurace1->addSeparator();
    Konfigurace1->addAction(
        akce(M1UkladatHistorii, "M1UkladatHistorii", QStringLiteral("Ukládat h&istorii učení"),
             QStringLiteral("Zapne/vypne ukládání odpovědí, statistiky a paměti otázek")));
    M1UkladatHistorii->setCheckable(true);
    M1UkladatHistorii->setChecked(true);
    Konfigurace1->addAction(
        akce(M1LimitNovych, "M1LimitNovych", QStringLiteral("Nových otázek &denně..."),
             QStringLiteral("Nastaví, kolik nových otázek přidá opakování na dnes")));
    Konfigurace1->addAction(
        akce(M1SmazatHistorii, "M1SmazatHistorii", QStringLiteral("S&mazat historii učení"),
             QStringLiteral("Smaže odpovědi, statistiku a paměť otázek tohoto profilu")));
    Konfigurace1->addSeparator();
    Konfigurace1->addAction(akce(M1UlozitNastaveni, "M1UlozitNastaveni",
                                 QStringLiteral("&Uložit nastavení"),
                                 QStringLiteral("Uloží nastavení programu")));

    Start1->addAction(
        akce(M1Prohlizet, "M1Prohlizet", QStringLiteral("&Prohlížet otázky"),
             QStringLiteral("Spustí režim prohlížení všech 757 otázek (mimo vyřazených)")));
    Start1->addSeparator();
    Start1->addAction(akce(M1Procvicovat, "M1Procvicovat", QStringLiteral("Pro&cvičovat otázky"),
                           QStringLiteral("Spustí režim procvičování otázek")));
    Start1->addAction(akce(M1Zkouset, "M1Zkouset", QStringLiteral("&Zkoušet otázky"),
                           QStringLiteral("Spustí režim zkoušení otázek")));
    Start1->addAction(
        akce(M1ProcvicovatChyby, "M1ProcvicovatChyby", QStringLiteral("Procvičovat c&hyby"),
             QStringLiteral("Spustí procvičování otázek, ve kterých jste naposledy chybovali, "
                            "a otázek, které ještě neumíte")));
    Start1->addAction(akce(
        M1OpakovaniNaDnes, "M1OpakovaniNaDnes", QStringLiteral("&Opakování na dnes"),
        QStringLiteral("Spustí opakování otázek, které jsou dnes na řadě, a několika nových")));
    Start1->addAction(
        akce(M1OznaceneOtazky, "M1OznaceneOtazky", QStringLiteral("Oz&načené otázky"),
             QStringLiteral("Spustí procvičování otázek, které jste si označili (Ctrl+M)")));
    Start1->addSeparator();
    Start1->addAction(
        akce(M1Test, "M1Test", QStringLiteral("&Test na body"),
             QStringLiteral("Vytvoří test z předpisů o provozu na pozemních komunikacích")));
    Start1->addAction(akce(M1TestPlatny, "M1TestPlatny",
                           QStringLiteral("Test podle platných p&ravidel"),
                           QStringLiteral("Vytvoří test ve formátu dnešní zkoušky")));
    M1TestPlatny->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    Start1->addAction(
        akce(M1Krizovatky, "M1Krizovatky", QStringLiteral("&Křižovatky – trénink"),
             QStringLiteral("Nové situace na křižovatkách jedna za druhou, s vysvětlením pořadí")));

    Vysledky1->addMenu(Podnabidka(M1Protokol, "M1Protokol", QStringLiteral("Výsledk&y z"),
                                  QStringLiteral("Zobrazí výsledky z...")));
    M1Protokol->addAction(akce(smProc, "smProc", QStringLiteral("P&rocvičování"),
                               QStringLiteral("Zobrazí výsledky z procvičování otázek")));
    M1Protokol->addAction(akce(smZkou, "smZkou", QStringLiteral("&Zkoušení"),
                               QStringLiteral("Zobrazí výsledky ze zkoušení otázek")));
    Vysledky1->addSeparator();
    Vysledky1->addAction(
        akce(M1VysledekTestu, "M1VysledekTestu", QStringLiteral("Výsledky &testu na body"),
             QStringLiteral("Zobrazí výsledky testů z pravidel silničního provozu")));
    Vysledky1->addAction(akce(M1VysledkyPlatny, "M1VysledkyPlatny",
                              QStringLiteral("Výsledky testů podle p&latných pravidel"),
                              QStringLiteral("Zobrazí výsledky testů ve formátu dnešní zkoušky")));
    Vysledky1->addAction(
        akce(M1StatistikaUceni, "M1StatistikaUceni", QStringLiteral("Statistika &učení"),
             QStringLiteral("Zobrazí, které otázky umíte, ve kterých chybujete, a odhad šance "
                            "na složení testu")));

    Informace1->addAction(akce(M1OProgramu, "M1OProgramu", QStringLiteral("Informace o p&rogramu"),
                               QStringLiteral("Zobrazí základní informace o programu")));
    Informace1->addAction(akce(M1Seznam, "M1Seznam",
                               QStringLiteral("&Historie oprav a aktualizací"),
                               QStringLiteral("Zobrazí historii oprav a aktualizací")));
    Informace1->addSeparator();
    Informace1->addAction(akce(M1Napoveda, "M1Napoveda", QStringLiteral("&Nápověda"),
                               QStringLiteral("Spustí nápovědu programu Zebrovka 2003")));

    for (QAction* a :
         {M1StavovyRadek, M1PostupnyVyber, M1NahodnyVyber, M1Prohlizet, M1Procvicovat, M1Zkouset})
        a->setCheckable(true);
    auto* poradi = new QActionGroup(this);
    poradi->setObjectName(QStringLiteral("poradiOtazek"));
    poradi->setExclusive(true);
    poradi->addAction(M1PostupnyVyber);
    poradi->addAction(M1NahodnyVyber);
    M1StavovyRadek->setChecked(true);
    M1PostupnyVyber->setChecked(true);

    Menu2 = new QMenuBar;
    Menu2->setObjectName(QStringLiteral("Menu2"));
    Menu2->setNativeMenuBar(false);
    M2KonecRezimu = Menu2->addAction(QStringLiteral("  &Konec režimu  "));
    M2KonecRezimu->setObjectName(QStringLiteral("M2KonecRezimu"));
    M2OznacSpravne = Menu2->addAction(QStringLiteral("  Označ správnou odpověď  "));
    M2OznacSpravne->setObjectName(QStringLiteral("M2OznacSpravne"));
    M2OznacSpravne->setVisible(false);
    // The hint from the keyboard; the caption stays as it is (a menu bar shows no shortcut).
    M2OznacSpravne->setShortcut(QKeySequence(Qt::Key_F2));
    Otazka2 = new QMenu(QStringLiteral("  Otá&zka  "), this);
    Otazka2->setObjectName(QStringLiteral("Otazka2"));
    Otazka2->menuAction()->setObjectName(QStringLiteral("Otazka2Akce"));
    Menu2->addMenu(Otazka2);
    Otazka2->addAction(
        akce(M2PrecistNahlas, "M2PrecistNahlas", QStringLiteral("Přečíst &nahlas"),
             QStringLiteral("Přečte otázku a odpovědi nahlas; další stisk čtení zastaví")));
    M2PrecistNahlas->setShortcut(QKeySequence(Qt::Key_F4));
    Otazka2->addAction(
        akce(M2Oznacit, "M2Oznacit", QStringLiteral("&Označit otázku"),
             QStringLiteral("Označí otázku, ke které se chcete vrátit, nebo označení zruší")));
    M2Oznacit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    M2Oznacit->setCheckable(true);
    Otazka2->addAction(akce(M2Hledat, "M2Hledat", QStringLiteral("&Hledat..."),
                            QStringLiteral("Hledá slova v otázkách, odpovědích a poznámkách")));
    M2Hledat->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    Otazka2->addAction(akce(M2Zvetsit, "M2Zvetsit", QStringLiteral("&Zvětšit obrázek\tZ"),
                            QStringLiteral("Otevře obrázek k otázce zvětšený v samostatném okně")));
    M2oProgramu = Menu2->addAction(QStringLiteral("  &O programu  "));
    M2oProgramu->setObjectName(QStringLiteral("M2oProgramu"));

    // The mode's menu goes below the main one in their container; exactly one of them is shown,
    // so only its shortcuts work.
    Menu2->hide();
    menuKontejner_->layout()->addWidget(Menu2);
    ObarviPozadi(Menu2, Plocha::Okno);
    Menu2->setAccessibleName(QStringLiteral("Nabídka režimu"));

    connect(M1Ukoncit, &QAction::triggered, this, &QWidget::close);
    connect(M1Prejmenovat, &QAction::triggered, this, &THlavniFormular::M1PrejmenovatClick);
    connect(M1ZmenitHeslo, &QAction::triggered, this, &THlavniFormular::M1ZmenitHesloClick);
    connect(M1Odhlasit, &QAction::triggered, this, &THlavniFormular::M1OdhlasitClick);
    connect(M1Nastaveni, &QAction::triggered, this, &THlavniFormular::M1NastaveniClick);
    connect(M1StavovyRadek, &QAction::triggered, this, &THlavniFormular::M1StavovyRadekClick);
    connect(M1PostupnyVyber, &QAction::triggered, this, &THlavniFormular::M1PostupnyVyberClick);
    connect(M1NahodnyVyber, &QAction::triggered, this, &THlavniFormular::M1NahodnyVyberClick);
    connect(M1UlozitNastaveni, &QAction::triggered, this, &THlavniFormular::M1UlozitNastaveniClick);
    connect(M1Prohlizet, &QAction::triggered, this, &THlavniFormular::M1ProhlizetClick);
    connect(M1Procvicovat, &QAction::triggered, this, &THlavniFormular::M1ProcvicovatClick);
    connect(M1Zkouset, &QAction::triggered, this, &THlavniFormular::M1ZkousetClick);
    connect(M1ProcvicovatChyby, &QAction::triggered, this,
            &THlavniFormular::M1ProcvicovatChybyClick);
    connect(M1OpakovaniNaDnes, &QAction::triggered, this, &THlavniFormular::M1OpakovaniNaDnesClick);
    connect(M1UkladatHistorii, &QAction::triggered, this, &THlavniFormular::M1UkladatHistoriiClick);
    connect(M1LimitNovych, &QAction::triggered, this, &THlavniFormular::M1LimitNovychClick);
    connect(M1SmazatHistorii, &QAction::triggered, this, &THlavniFormular::M1SmazatHistoriiClick);
    connect(M1Test, &QAction::triggered, this, &THlavniFormular::M1TestClick);
    connect(M1TestPlatny, &QAction::triggered, this, &THlavniFormular::M1TestPlatnyClick);
    connect(M1Krizovatky, &QAction::triggered, this, &THlavniFormular::M1KrizovatkyClick);
    connect(M1VysledkyPlatny, &QAction::triggered, this, &THlavniFormular::M1VysledkyPlatnyClick);
    connect(smProc, &QAction::triggered, this, &THlavniFormular::smProcClick);
    connect(smZkou, &QAction::triggered, this, &THlavniFormular::smZkouClick);
    connect(M1StatistikaUceni, &QAction::triggered, this, &THlavniFormular::M1StatistikaUceniClick);
    connect(M1VysledekTestu, &QAction::triggered, this, &THlavniFormular::M1VysledekTestuClick);
    connect(M2KonecRezimu, &QAction::triggered, this, &THlavniFormular::M2KonecRezimuClick);
    connect(M2OznacSpravne, &QAction::triggered, this, &THlavniFormular::M2OznacSpravneClick);
    connect(M1OProgramu, &QAction::triggered, this, &THlavniFormular::M1OProgramuClick);
    connect(M2oProgramu, &QAction::triggered, this, &THlavniFormular::M2oProgramuClick);
    connect(M2PrecistNahlas, &QAction::triggered, this, &THlavniFormular::M2PrecistNahlasClick);
    connect(M2Oznacit, &QAction::triggered, this, &THlavniFormular::M2OznacitClick);
    connect(M2Hledat, &QAction::triggered, this, &THlavniFormular::M2HledatClick);
    connect(M2Zvetsit, &QAction::triggered, pOtazky, &PanelOtazek::ZvetsiObrazek);
    connect(M1OznaceneOtazky, &QAction::triggered, this, &THlavniFormular::M1OznaceneOtazkyClick);
    // The check of "Označit otázku" follows the question shown when the menu opens.
    connect(Otazka2, &QMenu::aboutToShow, this, [this] {
        M2Oznacit->setChecked(pOtazky->Oznacena());
        M2Hledat->setEnabled(relace.rezim == RezimBehu::Prohlizeni);
    });
    connect(M1Seznam, &QAction::triggered, this, &THlavniFormular::M1SeznamClick);
    connect(M1Napoveda, &QAction::triggered, this, &THlavniFormular::M1NapovedaClick);
    VytvorNabidkuPohodli();
}

void THlavniFormular::VytvorNabidkuPohodli()
{
    Konfigurace1->addSeparator();
    M1Vysvetleni = new QAction(QStringLiteral("&Vysvětlení po odpovědi"), this);
    M1Vysvetleni->setObjectName(QStringLiteral("M1Vysvetleni"));
    M1Vysvetleni->setStatusTip(
        QStringLiteral("Po vyhodnocení odpovědi při procvičování zobrazí vysvětlení otázky"));
    M1Vysvetleni->setCheckable(true);
    M1Vysvetleni->setChecked(true);
    Konfigurace1->addAction(M1Vysvetleni);
    connect(M1Vysvetleni, &QAction::triggered, this, &THlavniFormular::M1VysvetleniClick);

    M1Vzhled = Konfigurace1->addMenu(QStringLiteral("Vzh&led"));
    M1Vzhled->setObjectName(QStringLiteral("M1Vzhled"));
    M1Vzhled->menuAction()->setObjectName(QStringLiteral("M1VzhledAkce"));
    M1Vzhled->menuAction()->setStatusTip(QStringLiteral("Barvy programu"));
    auto* skupina = new QActionGroup(this);
    skupina->setObjectName(QStringLiteral("vzhledy"));
    skupina->setExclusive(true);
    auto volba = [&](QAction*& cil, const char* jmeno, const QString& popis,
                     const QString& napoveda, Vzhled vzhled) {
        cil = M1Vzhled->addAction(popis);
        cil->setObjectName(QString::fromLatin1(jmeno));
        cil->setStatusTip(napoveda);
        cil->setCheckable(true);
        cil->setData(static_cast<int>(vzhled));
        skupina->addAction(cil);
    };
    volba(M1VzhledKlasicky, "M1VzhledKlasicky", QStringLiteral("&Klasický"),
          QStringLiteral("Barvy programu na barvách systému"), Vzhled::Klasicky);
    volba(M1VzhledTmavy, "M1VzhledTmavy", QStringLiteral("&Tmavý"),
          QStringLiteral("Světlé texty na tmavém podkladu"), Vzhled::Tmavy);
    volba(M1VzhledKontrast, "M1VzhledKontrast", QStringLiteral("&Vysoký kontrast"),
          QStringLiteral("Nejvýraznější texty na černém podkladu"), Vzhled::VysokyKontrast);
    M1VzhledKlasicky->setChecked(true);
    connect(skupina, &QActionGroup::triggered, this, &THlavniFormular::M1VzhledClick);
}

void THlavniFormular::NactiPohodli()
{
    bool vysvetleni = true;
    Vzhled vzhled = Vzhled::Klasicky;
    ChraneneTabulky(this, [&] {
        vysvetleni = NactiVysvetleni(adresar_, relace.nastaveni.aktivniProfil);
        vzhled = NactiVzhled(adresar_, relace.nastaveni.aktivniProfil);
    });
    M1Vysvetleni->setChecked(vysvetleni);
    cyklus_->NastavVysvetleni(vysvetleni);
    for (QAction* a : M1Vzhled->actions())
        a->setChecked(a->data().toInt() == static_cast<int>(vzhled));
    PouzijVzhled(vzhled);
}

void THlavniFormular::M1VysvetleniClick()
{
    const bool zapnuto = M1Vysvetleni->isChecked();
    cyklus_->NastavVysvetleni(zapnuto);
    ChraneneTabulky(this,
                    [&] { UlozVysvetleni(adresar_, relace.nastaveni.aktivniProfil, zapnuto); });
}

void THlavniFormular::M1VzhledClick(QAction* volba)
{
    const auto vzhled = static_cast<Vzhled>(volba->data().toInt());
    PouzijVzhled(vzhled);
    ChraneneTabulky(this, [&] { UlozVzhled(adresar_, relace.nastaveni.aktivniProfil, vzhled); });
}

void THlavniFormular::VytvorStavovyRadek()
{
    StavovyRadek1 = new QStatusBar(this);
    StavovyRadek1->setObjectName(QStringLiteral("StavovyRadek1"));
    StavovyRadek1->setSizeGripEnabled(false);
    ObarviPozadi(StavovyRadek1, Plocha::Okno);
    // The panels stand at the widths the window gives them, each but the last 2 px short of the
    // next; the last runs to the bar's right edge. They are placed by hand: the bar's own layout
    // would add its margins and spacing and push the last panel out of the window.
    const std::array<int, 3> sirky {340, 75, 75};
    int x = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        auto* panel = new QLabel(StavovyRadek1);
        panel->setObjectName(QStringLiteral("panel%1").arg(i));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        const int vyska = panel->sizeHint().height();
        const int sirka = i < 3 ? sirky[i] - 2 : kSirkaKlienta - x;
        panel->setGeometry(x, kOdsazeniPanelu, sirka, vyska);
        StavovyRadek1->setFixedHeight(vyska + kOdsazeniPanelu);
        panely[i] = panel;
        if (i < 3)
            x += sirky[i];
    }
    panely[1]->setText(QStringLiteral("Default"));
    panely[2]->setText(QStringLiteral("Skupina: B"));
    panely[3]->setAlignment(Qt::AlignCenter);
    panely[3]->setText(QStringLiteral("Šťastnou cestu!"));
    // A panel is read by its text and described by what it holds; the hint panel, often empty,
    // is named by its role and describes the current hint.
    StavovyRadek1->setAccessibleName(QStringLiteral("Stavový řádek"));
    panely[0]->setAccessibleName(QStringLiteral("Nápověda"));
    const char* role[] = {"Aktivní profil", "Skupina", "Stav"};
    for (std::size_t i = 1; i < 4; ++i)
        panely[i]->setAccessibleDescription(QString::fromUtf8(role[i - 1]));
    setStatusBar(StavovyRadek1);
}

// The question panel, the information strip below it, the run over both and the menus' items are
// made at the first sign-in: the window the program starts with (the profile manager, modal over
// the main window's picture and menu titles) shows none of them. The panel and the strip lie over
// the picture, which they hide while shown; the menus come last, as some items act on the panel.
void THlavniFormular::PripravPoPrihlaseni()
{
    if (pOtazky)
        return;
    pOtazky = new PanelOtazek(*banka_, adresar_, klient);
    pOtazky->hide();
    connect(pOtazky, &PanelOtazek::pravyKlik, this, &THlavniFormular::pOtazkyMouseDown);
    connect(pOtazky, &PanelOtazek::vybranaOtazka, this, [this](int n) {
        NastavAktualni(relace.beh, *banka_, n);
        pOtazky->ZobrazOtazku(n);
    });
    pruh_ = std::make_unique<InformacniPruh>(klient, adresar_);
    cyklus_ = new CyklusBehu(relace, *banka_, *pOtazky, *pruh_, adresar_, this,
                             [this](RezimBehu rezim) { NastavRezim(rezim, false); });
    RozmistiPanely();
    DoplnNabidky();
}

void THlavniFormular::RozmistiPanely()
{
    const int vyska = kVyskaKlienta;
    if (!pOtazky)
        return;
    pOtazky->setGeometry(0, 0, kSirkaKlienta, vyska - InformacniPruh::kVyska);
    pruh_->Umisti({0, vyska - InformacniPruh::kVyska, kSirkaKlienta, InformacniPruh::kVyska});
}

bool THlavniFormular::event(QEvent* udalost)
{
    // Every hint of a menu item or control goes to the first status-bar panel.
    if (udalost->type() == QEvent::StatusTip) {
        panely[0]->setText(static_cast<QStatusTipEvent*>(udalost)->tip());
        panely[0]->setAccessibleDescription(panely[0]->text());
        return true;
    }
    return QMainWindow::event(udalost);
}

THlavniFormular::Start THlavniFormular::Spust()
{
    UklidDocasneTabulky(adresar_);  // half-made tables of a program killed while creating them
    // The bank's file is checked now; its records are read once the manager has closed, since
    // the first window shows none of them.
    if (!NactiBanku(&Banka::Over))
        return Start::Chyba;
    VycentrujNad(this, nullptr);
    std::vector<std::string> profily;
    try {
        sklad_->ZalozitTabulkuProfilu();
        profily = sklad_->SeznamProfilu();  // a damaged file stops us here
    } catch (const std::exception& chyba) {
        Zpravy::Chyba(nullptr, QString::fromStdString(chyba.what()));
        return Start::Chyba;
    }
    relace.opakovaniZaznamu.priznak = false;
    relace.nastaveni.aktivniProfil.clear();
    show();
    if (!SpustitManazerProfilu(this, *sklad_, relace.nastaveni, &profily))
        return Start::Ukoncen;
    if (!NactiBanku([this](const std::filesystem::path& a) { banka_->Nacti(a); })) {
        hide();
        return Start::Chyba;
    }
    PripravPoPrihlaseni();
    NacistProfil();
    return Start::Prihlasen;
}

bool THlavniFormular::NactiBanku(const std::function<void(const std::filesystem::path&)>& krok)
{
    try {
        krok(adresar_);
        return true;
    } catch (const std::exception& chyba) {
        Zpravy::Chyba(
            nullptr,
            QStringLiteral("Databázi otázek „otazky.DB“ nelze otevřít v pracovním adresáři %1.\n%2")
                .arg(Cesta(adresar_), QString::fromStdString(chyba.what())));
        return false;
    }
}

void THlavniFormular::NacistProfil()
{
    bool nacteno = false;
    ChraneneTabulky(this, [&] { nacteno = sklad_->NacistProfil(relace.nastaveni); });
    if (!nacteno)
        return;
    ObnovPrepinace();
    ObnovUkazatele();
    std::set<int> oznacene;
    ChraneneTabulky(this,
                    [&] { oznacene = NactiOznacene(adresar_, relace.nastaveni.aktivniProfil); });
    pOtazky->NastavOznacene(std::move(oznacene));
    NactiPohodli();
    ChraneneTabulky(this, [&] {
        M1UkladatHistorii->setChecked(UkladatHistorii(adresar_, relace.nastaveni.aktivniProfil));
    });
}

void THlavniFormular::ObnovUkazatele()
{
    const QString skupina = QString::fromStdString(relace.nastaveni.skupina);
    ZkracenyText(panely[1], QString::fromStdString(relace.nastaveni.aktivniProfil),
                 panely[1]->contentsRect().width() - 2 * panely[1]->margin() - 4);
    panely[2]->setText(QStringLiteral("Skupina: ") + skupina);
    M1Skupina->setText(QStringLiteral("Zvolená skupina: ") + skupina);
    const bool nejaka = relace.nastaveni.NejakaKategorie();
    M1Procvicovat->setEnabled(nejaka);
    M1Zkouset->setEnabled(nejaka);
    M1ProcvicovatChyby->setEnabled(nejaka);
    M1OpakovaniNaDnes->setEnabled(nejaka);
}

bool THlavniFormular::SouborExistuje(const QString& jmeno) const
{
    QFile soubor(Cesta(adresar_ / jmeno.toStdString()));
    if (!soubor.open(QIODevice::ReadOnly))
        return false;
    soubor.close();
    return true;
}

QString THlavniFormular::Rezim() const { return TextUtf8(relace.PravidlaBehu().nazev); }

void THlavniFormular::NastavRezim(const QString& rezim, bool zapnout)
{
    NastavRezim(RezimPodleNazvu(rezim.toStdString()), zapnout);
}

void THlavniFormular::NastavRezim(RezimBehu rezim, bool zapnout)
{
    if (rezim == RezimBehu::Zadny)
        return;
    relace.rezim = zapnout ? rezim : RezimBehu::Zadny;
    if (zapnout) {
        Menu1->hide();
        Menu2->show();
        StavovyRadek1->hide();
        RozmistiPanely();
        pOtazky->NactiZnacku(-1, QStringLiteral("yes.jpg"));
    } else {
        Menu2->hide();
        Menu1->show();
        StavovyRadek1->setVisible(relace.nastaveni.stavovyRadek);
    }
    pOtazky->setVisible(zapnout);
    imgPozadi->setVisible(!zapnout);
    pruh_->NastavRezim(rezim, zapnout, relace.nastaveni);
    M2OznacSpravne->setVisible(Pravidla(rezim).napoveda && zapnout);

    M2Hledat->setEnabled(rezim == RezimBehu::Prohlizeni && zapnout);
    if (!zapnout && hlas_)
        hlas_->Zastav();
    if (rezim == RezimBehu::Prohlizeni) {
        M1Prohlizet->setChecked(zapnout);
        if (!zapnout)
            pOtazky->ZavriHledani();
        pOtazky->NastavProhlizeni(zapnout);
        if (zapnout) {
            ProhlizejOtazku(1, true);
            pOtazky->PripravHledani();
        }
        return;
    }

    // Practice and exam.
    pOtazky->NastavProhlizeni(false);
    (rezim == RezimBehu::Zkouseni ? M1Zkouset : M1Procvicovat)->setChecked(zapnout);
    pOtazky->SkryjZnacky();
    if (zapnout) {
        // The answer keys go to the question panel.
        pOtazky->setFocus();
        cyklus_->Zacni();
    } else
        cyklus_->Ukonci();
}

void THlavniFormular::closeEvent(QCloseEvent* udalost)
{
    if (relace.rezim != RezimBehu::Zadny
        && !Zpravy::Otazka(
            this,
            QStringLiteral(
                "Opravdu chcete vypnout program, i když spuštěný režim je stále aktivní?"))) {
        udalost->ignore();
        return;
    }
    udalost->accept();
}

void THlavniFormular::M1OdhlasitClick()
{
    if (!SpustitManazerProfilu(this, *sklad_, relace.nastaveni)) {
        close();
        return;
    }
    NacistProfil();
}

void THlavniFormular::M1PrejmenovatClick()
{
    if (PrejmenovatAktivniProfil(this, *sklad_, relace.nastaveni))
        NacistProfil();
}

void THlavniFormular::M1ZmenitHesloClick()
{
    ZmenitHesloAktivnihoProfilu(this, *sklad_, relace.nastaveni);
}

void THlavniFormular::M1NastaveniClick()
{
    if (OtevritNastaveni(this, relace.nastaveni))
        ObnovUkazatele();
}

void THlavniFormular::M1StavovyRadekClick()
{
    relace.nastaveni.stavovyRadek = !relace.nastaveni.stavovyRadek;
    ObnovPrepinace();
}

void THlavniFormular::M1PostupnyVyberClick()
{
    relace.nastaveni.postupnyVyber = true;
    ObnovPrepinace();
}

void THlavniFormular::M1NahodnyVyberClick()
{
    relace.nastaveni.postupnyVyber = false;
    ObnovPrepinace();
}

void THlavniFormular::ObnovPrepinace()
{
    const Nastaveni& n = relace.nastaveni;
    StavovyRadek1->setVisible(n.stavovyRadek && relace.rezim == RezimBehu::Zadny);
    M1StavovyRadek->setChecked(n.stavovyRadek);
    // The two order items are one exclusive group: checking one clears the other.
    (n.postupnyVyber ? M1PostupnyVyber : M1NahodnyVyber)->setChecked(true);
}

void THlavniFormular::M1UlozitNastaveniClick()
{
    ChraneneTabulky(this, [this] { sklad_->UlozitNastaveniProfilu(relace.nastaveni); });
}

void THlavniFormular::M1ProhlizetClick() { NastavRezim(RezimBehu::Prohlizeni, true); }

void THlavniFormular::M1ProcvicovatClick()
{
    M1Procvicovat->setChecked(false);
    if (PripravBeh(false))
        NastavRezim(RezimBehu::Procvicovani, true);
}

void THlavniFormular::M1ZkousetClick()
{
    M1Zkouset->setChecked(false);
    if (PripravBeh(true))
        NastavRezim(RezimBehu::Zkouseni, true);
}

void THlavniFormular::M1ProcvicovatChybyClick()
{
    ProcvicovaniChyb chyby;
    bool precteno = false;
    ChraneneTabulky(this, [&] {
        const std::string& profil = relace.nastaveni.aktivniProfil;
        const DatumCas dnes = AktualniHodiny().Mistni();
        const StatistikaProfilu statistika = NactiStatistiku(adresar_, profil);
        chyby = PripravProcvicovaniChyb(*banka_, relace.nastaveni, statistika,
                                        NactiPametProfilu(adresar_, profil, statistika), dnes,
                                        SeedDne(dnes));
        precteno = true;
    });
    if (!precteno)
        return;
    if (chyby.poradi.empty()) {
        Zpravy::Informace(
            this,
            QStringLiteral("Pro zvolenou skupinu řidičského oprávnění a zapnuté kategorie "
                           "nejsou k dispozici žádné otázky. Změňte nastavení programu."));
        return;
    }
    Zpravy::Informace(
        this,
        QStringLiteral("Nalezené chyby: %1. Doplní je otázky k opakování a nové otázky.")
            .arg(chyby.chyb));
    // The order is fixed, so the start-question bar has nothing to choose.
    TDotazPZ dotaz(static_cast<int>(chyby.poradi.size()), false, true, this);
    VycentrujNad(&dotaz, this);
    dotaz.exec();
    PripravBehZPoradi(relace.beh, std::move(chyby.poradi), dotaz.Pocet());
    pruh_->Celkem(relace.beh.celkem);
    NastavRezim(RezimBehu::Procvicovani, true);
}

void THlavniFormular::M1OpakovaniNaDnesClick()
{
    OpakovaniDne opakovani;
    bool ukladat = true;
    bool precteno = false;
    ChraneneTabulky(this, [&] {
        const std::string& profil = relace.nastaveni.aktivniProfil;
        const DatumCas dnes = AktualniHodiny().Mistni();
        ukladat = UkladatHistorii(adresar_, profil);
        const int novych =
            std::max(0, LimitNovych(adresar_, profil) - NovychDne(adresar_, profil, dnes));
        const StatistikaProfilu statistika = NactiStatistiku(adresar_, profil);
        opakovani = PripravOpakovaniDne(*banka_, relace.nastaveni,
                                        NactiPametProfilu(adresar_, profil, statistika), statistika,
                                        dnes, novych, SeedDne(dnes));
        precteno = true;
    });
    if (!precteno)
        return;
    QString text = QString::fromStdString(TextOpakovani(opakovani));
    if (!ukladat)
        text += QStringLiteral(
            "\nUkládání historie učení je vypnuto: odpovědi se nezapíšou a opakování "
            "se neposune.");
    std::vector<int> poradi = opakovani.Poradi();
    if (poradi.empty()) {
        Zpravy::Informace(this, text + QStringLiteral("\nNa dnes nemáte nic k opakování."));
        return;
    }
    if (!Zpravy::Otazka(this, text + QStringLiteral("\nZačít opakování?"), Zpravy::Vychozi::Ano))
        return;
    const int delka = static_cast<int>(poradi.size());
    PripravBehZPoradi(relace.beh, std::move(poradi), delka);
    cyklus_->OznacOpakovaniDne();
    pruh_->Celkem(relace.beh.celkem);
    NastavRezim(RezimBehu::Procvicovani, true);
}

void THlavniFormular::M1UkladatHistoriiClick()
{
    const bool zapnout = M1UkladatHistorii->isChecked();
    bool ulozeno = false;
    ChraneneTabulky(this, [&] {
        NastavUkladaniHistorie(adresar_, relace.nastaveni.aktivniProfil, zapnout);
        ulozeno = true;
    });
    if (!ulozeno)
        M1UkladatHistorii->setChecked(!zapnout);
}

void THlavniFormular::M1LimitNovychClick()
{
    int limit = kVychoziLimitNovych;
    ChraneneTabulky(this, [&] { limit = LimitNovych(adresar_, relace.nastaveni.aktivniProfil); });
    bool ok = false;
    QInputDialog dialog(this);
    dialog.setObjectName(QStringLiteral("dlgLimitNovych"));
    dialog.setWindowTitle(QStringLiteral("Opakování na dnes"));
    dialog.setLabelText(QStringLiteral("Nových otázek denně:"));
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setIntRange(0, kNejvyssiCislo);
    dialog.setIntValue(limit);
    ok = dialog.exec() == QDialog::Accepted;
    if (!ok)
        return;
    ChraneneTabulky(this, [&] {
        NastavLimitNovych(adresar_, relace.nastaveni.aktivniProfil, dialog.intValue());
    });
}

void THlavniFormular::M1SmazatHistoriiClick()
{
    if (!Zpravy::Otazka(
            this,
            QStringLiteral("Opravdu chcete smazat historii učení profilu %1 (odpovědi, statistiku, "
                           "paměť otázek a testy podle platných pravidel)?")
                .arg(QString::fromStdString(relace.nastaveni.aktivniProfil))))
        return;
    ChraneneTabulky(this, [&] { SmazHistorii(adresar_, relace.nastaveni.aktivniProfil); });
}

void THlavniFormular::smProcClick() { OtevritSeznamVysledku(false); }

void THlavniFormular::smZkouClick() { OtevritSeznamVysledku(true); }

void THlavniFormular::OtevritSeznamVysledku(bool zkouska)
{
    if (!SouborExistuje(QStringLiteral("Vysledky.DB"))) {
        Zpravy::Informace(this,
                          zkouska ? QStringLiteral("Protokol zkoušení zatím nebyl vytvořen!")
                                  : QStringLiteral("Protokol procvičování zatím nebyl vytvořen!"));
        return;
    }
    std::unique_ptr<TProtocol> seznam;
    ChraneneTabulky(this, [&] {
        seznam = std::make_unique<TProtocol>(adresar_, zkouska, *banka_, relace, this);
    });
    if (!seznam)
        return;
    VycentrujNad(seznam.get(), this);
    if (seznam->exec() != TProtocol::Opakovat)
        return;
    seznam.reset();
    // A record retry: the run list is filled and the group is the record's.
    pruh_->Celkem(relace.beh.celkem);
    NastavRezim(RezimBehuZ(zkouska), true);
}

void THlavniFormular::M1TestClick()
{
    // The test reads the bank this window holds in memory and never changes it.
    TTestForm test(*banka_, relace.nastaveni, adresar_, AktualniHodiny(), this);
    if (test.FormCreate())
        test.exec();
}

void THlavniFormular::M1TestPlatnyClick()
{
    std::vector<int> oblasti;
    bool nacteno = false;
    ChraneneTabulky(this, [&] {
        oblasti = NactiOblasti(adresar_);
        nacteno = true;
    });
    if (!nacteno)
        return;
    const Hodiny& hodiny = AktualniHodiny();
    TTestPlatny test(*banka_, oblasti, relace.nastaveni, adresar_, hodiny, hodiny.MsOdPulnociUtc(),
                     this);
    if (test.Zahaj()) {
        VycentrujNad(&test, this);
        test.exec();
    }
}

void THlavniFormular::M1KrizovatkyClick()
{
    // Situations numbered below a million, so that a number is easy to note and type again.
    auto nahoda = std::make_shared<Nahoda>(AktualniHodiny().MsOdPulnociUtc());
    TKrizovatky trenink(
        adresar_, relace.nastaveni.aktivniProfil, AktualniHodiny(),
        [nahoda] { return nahoda->Pod(1000000); }, this);
    VycentrujNad(&trenink, this);
    trenink.exec();
}

void THlavniFormular::M1VysledkyPlatnyClick()
{
    std::vector<int> oblasti;
    try {
        oblasti = NactiOblasti(adresar_);
    } catch (const std::exception&) {
        // Without the section table the list still shows; the review lacks the section points.
    }
    ChraneneTabulky(this, [&] {
        TVysledkyPlatny seznam(*banka_, oblasti, adresar_, relace.nastaveni.aktivniProfil, this);
        VycentrujNad(&seznam, this);
        seznam.exec();
    });
}

void THlavniFormular::M1VysledekTestuClick()
{
    if (!SouborExistuje(QStringLiteral("Protokoly.DB"))) {
        Zpravy::Informace(this, QStringLiteral("Dosud nebyly vytvořeny žádné protokoly z testu!"));
        return;
    }
    ChraneneTabulky(this, [this] {
        TSeznamTestu seznam(adresar_, relace.nastaveni.aktivniProfil, this);
        VycentrujNad(&seznam, this);
        seznam.exec();
    });
}

void THlavniFormular::M1StatistikaUceniClick()
{
    int prohlizet = 0;
    ChraneneTabulky(this, [&] {
        const std::string& profil = relace.nastaveni.aktivniProfil;
        const StatistikaProfilu statistika = NactiStatistiku(adresar_, profil);
        const DatumCas ted = AktualniHodiny().Mistni();
        const std::vector<Odpoved> odpovedi = NactiOdpovedi(adresar_, profil);
        UcebniPamet ucebni;
        ucebni.pamet = NactiPametProfilu(adresar_, profil, statistika);
        ucebni.dnes = ted;
        ucebni.zameny = NejcastejsiZameny(odpovedi, *banka_);
        ucebni.ukladani = UkladatHistorii(adresar_, profil);
        std::vector<int> oblasti;
        try {
            oblasti = NactiOblasti(adresar_);
        } catch (const std::exception&) {
            // The window then says that today's format cannot be estimated.
        }
        // The readiness estimate and the plan start from the memory (stored, or derived from
        // Statistika for questions answered before it was kept) and the answer log.
        VstupPripravenosti pripravenost {adresar_, profil, ucebni.pamet, {}, ted};
        pripravenost.odpovedi.reserve(odpovedi.size());
        for (const Odpoved& o : odpovedi)
            pripravenost.odpovedi.push_back({o.cislo, o.kdy, o.vysledek, o.casMs});
        TStatistikaUceni okno(
            *banka_, relace.nastaveni, statistika, AktualniHodiny().MsOdPulnociUtc(),
            [&](int cislo) { prohlizet = cislo; }, this, oblasti, ucebni, &pripravenost);
        VycentrujNad(&okno, this);
        okno.exec();
    });
    if (prohlizet == 0)
        return;
    NastavRezim(RezimBehu::Prohlizeni, true);
    ProhlizejOtazku(prohlizet, false);
}

void THlavniFormular::M2KonecRezimuClick()
{
    const RezimBehu rezim = relace.rezim;
    if (rezim == RezimBehu::Zadny)
        return;
    if (rezim != RezimBehu::Prohlizeni) {
        if (!Zpravy::Otazka(
                this, QStringLiteral("Opravdu chcete skončit, i když úlohy nejsou dokončeny?")))
            return;
        cyklus_->Prerus();
    }
    NastavRezim(rezim, false);
}

bool THlavniFormular::PripravBeh(bool zkouska)
{
    const int dostupnych = PocetDostupnych(*banka_, relace.nastaveni);
    if (dostupnych == 0) {
        Zpravy::Informace(
            this,
            QStringLiteral("Pro zvolenou skupinu řidičského oprávnění a zapnuté kategorie "
                           "nejsou k dispozici žádné otázky. Změňte nastavení programu."));
        return false;
    }
    TDotazPZ dotaz(dostupnych, zkouska, !relace.nastaveni.postupnyVyber, this);
    VycentrujNad(&dotaz, this);
    dotaz.exec();
    ::PripravBeh(relace.beh, *banka_, relace.nastaveni, dotaz.Pocet(), dotaz.Start());
    pruh_->Celkem(relace.beh.celkem);
    return true;
}

void THlavniFormular::pOtazkyMouseDown() { cyklus_->PravyKlik(); }

void THlavniFormular::ProhlizejOtazku(int n, bool zamerit)
{
    NastavAktualni(relace.beh, *banka_, n);
    pOtazky->ProhlizejOtazku(n, zamerit);
}

void THlavniFormular::M2OznacSpravneClick() { cyklus_->Napoveda(); }

void THlavniFormular::M1OProgramuClick()
{
    TAbout okno(adresar_, this);
    VycentrujNad(&okno, this);
    okno.exec();
}

void THlavniFormular::M2oProgramuClick() { M1OProgramuClick(); }

void THlavniFormular::M1SeznamClick()
{
    TOpravyAktualizace okno(this);
    VycentrujNad(&okno, this);
    okno.exec();
}

void THlavniFormular::M1NapovedaClick()
{
    THelpForm okno(this);
    VycentrujNad(&okno, this);
    okno.exec();
}

void THlavniFormular::NastavHlas(std::unique_ptr<Hlas> hlas) { hlas_ = std::move(hlas); }

void THlavniFormular::M2PrecistNahlasClick()
{
    if (hlas_ && hlas_->Mluvi()) {
        hlas_->Zastav();
        return;
    }
    const Otazka* otazka =
        relace.rezim == RezimBehu::Zadny ? nullptr : banka_->Najdi(relace.beh.cisloOtazky);
    if (!otazka)
        return;
    if (!hlas_)
        hlas_ = SystemovyHlas(this);
    if (!hlas_->CeskyHlas()) {
        Zpravy::Informace(this, ZpravaBezCeskehoHlasu());
        return;
    }
    hlas_->Rekni(QString::fromStdString(TextNahlas(*otazka)));
}

void THlavniFormular::M2OznacitClick()
{
    const int cislo = relace.beh.cisloOtazky;
    if (relace.rezim == RezimBehu::Zadny || !banka_->Najdi(cislo))
        return;
    ChraneneTabulky(this, [&] {
        PrepniOznaceni(adresar_, relace.nastaveni.aktivniProfil, cislo);
        pOtazky->NastavOznacene(NactiOznacene(adresar_, relace.nastaveni.aktivniProfil));
    });
    M2Oznacit->setChecked(pOtazky->Oznacena());
}

void THlavniFormular::M2HledatClick() { pOtazky->Hledat(); }

void THlavniFormular::M1OznaceneOtazkyClick()
{
    std::set<int> oznacene;
    bool precteno = false;
    ChraneneTabulky(this, [&] {
        oznacene = NactiOznacene(adresar_, relace.nastaveni.aktivniProfil);
        precteno = true;
    });
    if (!precteno)
        return;
    pOtazky->NastavOznacene(oznacene);
    std::vector<int> poradi;
    for (int cislo : oznacene)
        if (banka_->Najdi(cislo))
            poradi.push_back(cislo);
    if (poradi.empty()) {
        Zpravy::Informace(
            this,
            QStringLiteral("Nemáte označené žádné otázky. Otázku označíte v kterémkoli "
                           "režimu klávesami Ctrl+M nebo v nabídce Otázka."));
        return;
    }
    TDotazPZ dotaz(static_cast<int>(poradi.size()), false, true, this);
    VycentrujNad(&dotaz, this);
    dotaz.exec();
    PripravBehZPoradi(relace.beh, std::move(poradi), dotaz.Pocet());
    pruh_->Celkem(relace.beh.celkem);
    NastavRezim(RezimBehu::Procvicovani, true);
}
