#include "app/THlavniFormular.h"

#include "app/Aplikace.h"
#include "app/Hodiny.h"
#include "app/MereniTextu.h"
#include "app/Zpravy.h"
#include "profiles/AkceProfilu.h"
#include "profiles/PravidlaProfilu.h"
#include "profiles/ProfilovySklad.h"
#include "questions/PanelOtazek.h"
#include "questions/TDotazPZ.h"
#include "results/TResult.h"
#include "results/gui/TProtocol.h"
#include "storage/Tabulka.h"

#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
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

namespace {

constexpr int kSirkaKlienta = 632;
constexpr int kVyskaKlienta = 386;
constexpr int kVyskaPomoci = 70;

const QString kProhlizeni = QStringLiteral("Prohlizeni");
const QString kProcvicovani = QStringLiteral("Procvicovani");
const QString kZkouseni = QStringLiteral("Zkouseni");

const QString kKonecProhlizeni =
    QStringLiteral("Pro ukončení režimu prohlížení stiskněte \"Konec režimu\"");
const QString kKonecProcvicovani =
    QStringLiteral("Pro ukončení režimu procvičování stiskněte \"Konec režimu\"");
const QString kKonecZkouseni =
    QStringLiteral("Pro ukončení režimu zkoušení stiskněte \"Konec režimu\"");

QString Cesta(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

void ObarviPozadi(QWidget* w, const QColor& barva)
{
    QPalette paleta = w->palette();
    paleta.setColor(QPalette::Window, barva);
    w->setPalette(paleta);
    w->setAutoFillBackground(true);
}

}  // namespace

THlavniFormular::THlavniFormular(std::filesystem::path adresar, QWidget* rodic)
    : QMainWindow(rodic), adresar_(std::move(adresar)),
      sklad_(std::make_unique<ProfilovySklad>(adresar_))
{
    setObjectName(QStringLiteral("HlavniFormular"));
    setWindowTitle(QStringLiteral("Zebrovka 2003 (2004)"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(PismoOkna());
    ObarviPozadi(this, kBarvaOkna);

    klient = new QWidget(this);
    klient->setObjectName(QStringLiteral("klient"));
    klient->setStatusTip(QStringLiteral("     Zebrovka 2003"));
    setCentralWidget(klient);

    imgPozadi = new QLabel(klient);
    imgPozadi->setObjectName(QStringLiteral("imgPozadi"));
    imgPozadi->setGeometry(85, 70, 453, 227);
    imgPozadi->setPixmap(QPixmap(Cesta(adresar_ / "grafika" / "pozadi.jpg")));

    pOtazky = new PanelOtazek(banka_, beh, adresar_, klient);
    pOtazky->hide();
    connect(pOtazky, &PanelOtazek::pravyKlik, this, &THlavniFormular::pOtazkyMouseDown);

    VytvorPomoc();
    VytvorMenu();
    VytvorStavovyRadek();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(false);
    connect(Timer1, &QTimer::timeout, this, &THlavniFormular::Timer1Timer);

    // The client area is 632 x 386 below the menu; the status bar lies inside it.
    const int vyskaMenu = menuKontejner_->sizeHint().height();
    setFixedSize(kSirkaKlienta, kVyskaKlienta + vyskaMenu);
    RozmistiPanely();

    opakovaniZaznamu.priznak = false;
    nastaveni.aktivniProfil.clear();
}

THlavniFormular::~THlavniFormular() = default;

void THlavniFormular::VytvorMenu()
{
    auto akce = [this](QAction*& cil, const char* jmeno, const QString& popis, const QString& napoveda) {
        cil = new QAction(popis, this);
        cil->setObjectName(QString::fromLatin1(jmeno));
        cil->setStatusTip(napoveda);
        return cil;
    };
    auto podmenu = [this](QMenu*& cil, const char* jmeno, const QString& popis, const QString& napoveda) {
        cil = new QMenu(popis, this);
        cil->setObjectName(QString::fromLatin1(jmeno));
        cil->menuAction()->setObjectName(QString::fromLatin1(jmeno) + QStringLiteral("Akce"));
        cil->menuAction()->setStatusTip(napoveda);
        return cil;
    };

    Menu1 = new QMenuBar;
    Menu1->setObjectName(QStringLiteral("Menu1"));
    Menu1->setNativeMenuBar(false);

    Menu1->addMenu(podmenu(Program1, "Program1", QStringLiteral("&Program"), QStringLiteral("Program...")));
    Program1->addAction(akce(M1Ukoncit, "M1Ukoncit", QStringLiteral("&Ukončit"),
                             QStringLiteral("Ukončí program Zebrovka 2003")));

    Menu1->addMenu(podmenu(Profil1, "Profil1", QStringLiteral("P&rofil"), QStringLiteral("Správa profilu...")));
    Profil1->addAction(akce(M1Prejmenovat, "M1Prejmenovat", QStringLiteral("Př&ejmenovat"),
                            QStringLiteral("Spustí formulář pro změnu jména profilu")));
    Profil1->addAction(akce(M1ZmenitHeslo, "M1ZmenitHeslo", QStringLiteral("&Změnit heslo"),
                            QStringLiteral("Spustí formulář pro změnu hesla")));
    Profil1->addSeparator();
    Profil1->addAction(akce(M1Odhlasit, "M1Odhlasit", QStringLiteral("&Odhlásit se"),
                            QStringLiteral("Odhlásí aktuálního uživatele a spustí manažér profilů")));

    Menu1->addMenu(podmenu(Konfigurace1, "Konfigurace1", QStringLiteral("&Konfigurace"),
                           QStringLiteral("Konfigurace...")));
    Konfigurace1->addAction(akce(M1Skupina, "M1Skupina", QStringLiteral("Zvolená skupina: B"),
                                 QStringLiteral("Zobrazuje zvolenou skupinu řidičského oprávnění")));
    Konfigurace1->addSeparator();
    Konfigurace1->addAction(akce(M1Nastaveni, "M1Nastaveni", QStringLiteral("&Nastavení..."),
                                 QStringLiteral("Spustí okno nastavení programu")));
    Konfigurace1->addAction(akce(M1StavovyRadek, "M1StavovyRadek", QStringLiteral("&Zobrazit stavový řádek"),
                                 QStringLiteral("Zobrazí/skryje stavový řádek")));
    Konfigurace1->addSeparator();
    Konfigurace1->addAction(akce(M1PostupnyVyber, "M1PostupnyVyber", QStringLiteral("Pos&tupný výběr otázek"),
                                 QStringLiteral("Nastaví postupný výběr otázek podle čísla otázky")));
    Konfigurace1->addAction(akce(M1NahodnyVyber, "M1NahodnyVyber", QStringLiteral("Ná&hodný výběr otázek"),
                                 QStringLiteral("Nastaví náhodný výběr otázek")));
    Konfigurace1->addSeparator();
    Konfigurace1->addAction(akce(M1UlozitNastaveni, "M1UlozitNastaveni", QStringLiteral("&Uložit nastavení"),
                                 QStringLiteral("Uloží nastavení programu")));

    Menu1->addMenu(podmenu(Start1, "Start1", QStringLiteral("&Start"), QStringLiteral("Start...")));
    Start1->addAction(akce(M1Prohlizet, "M1Prohlizet", QStringLiteral("&Prohlížet otázky"),
                           QStringLiteral("Spustí režim prohlížení všech 757 otázek (mimo vyřazených)")));
    Start1->addSeparator();
    Start1->addAction(akce(M1Procvicovat, "M1Procvicovat", QStringLiteral("Pro&cvičovat otázky"),
                           QStringLiteral("Spustí režim procvičování otázek")));
    Start1->addAction(akce(M1Zkouset, "M1Zkouset", QStringLiteral("&Zkoušet otázky"),
                           QStringLiteral("Spustí režim zkoušení otázek")));
    Start1->addSeparator();
    Start1->addAction(akce(M1Test, "M1Test", QStringLiteral("&Test na body"),
                           QStringLiteral("Vytvoří test z předpisů o provozu na pozemních komunikacích")));

    Menu1->addMenu(podmenu(Vysledky1, "Vysledky1", QStringLiteral("&Výsledky"), QStringLiteral("Výsledky...")));
    Vysledky1->addMenu(podmenu(M1Protokol, "M1Protokol", QStringLiteral("Výsledk&y z"),
                               QStringLiteral("Zobrazí výsledky z...")));
    M1Protokol->addAction(akce(smProc, "smProc", QStringLiteral("P&rocvičování"),
                               QStringLiteral("Zobrazí výsledky z procvičování otázek")));
    M1Protokol->addAction(akce(smZkou, "smZkou", QStringLiteral("&Zkoušení"),
                               QStringLiteral("Zobrazí výsledky ze zkoušení otázek")));
    Vysledky1->addSeparator();
    Vysledky1->addAction(akce(M1VysledekTestu, "M1VysledekTestu", QStringLiteral("Výsledky &testu na body"),
                              QStringLiteral("Zobrazí výsledky testů z pravidel silničního provozu")));

    Menu1->addMenu(podmenu(Informace1, "Informace1", QStringLiteral("&Informace"), QStringLiteral("Informace...")));
    Informace1->addAction(akce(M1OProgramu, "M1OProgramu", QStringLiteral("Informace o p&rogramu"),
                               QStringLiteral("Zobrazí základní informace o programu")));
    Informace1->addAction(akce(M1Seznam, "M1Seznam", QStringLiteral("&Historie oprav a aktualizací"),
                               QStringLiteral("Zobrazí historii oprav a aktualizací")));
    Informace1->addSeparator();
    Informace1->addAction(akce(M1Napoveda, "M1Napoveda", QStringLiteral("&Nápověda"),
                               QStringLiteral("Spustí nápovědu programu Zebrovka 2003")));

    for (QAction* a : {M1StavovyRadek, M1PostupnyVyber, M1NahodnyVyber, M1Prohlizet, M1Procvicovat, M1Zkouset})
        a->setCheckable(true);
    M1StavovyRadek->setChecked(true);
    M1PostupnyVyber->setChecked(true);

    // The points test, the results lists and the information windows come with later versions;
    // until then their items stay greyed instead of pretending to work. A results item is usable
    // while its table is missing: it then says that nothing has been stored yet.
    for (QAction* a : {M1Test, M1OProgramu, M1Seznam, M1Napoveda})
        a->setEnabled(false);
    connect(Vysledky1, &QMenu::aboutToShow, this, &THlavniFormular::ObnovPolozkyVysledku);

    Menu2 = new QMenuBar;
    Menu2->setObjectName(QStringLiteral("Menu2"));
    Menu2->setNativeMenuBar(false);
    M2KonecRezimu = Menu2->addAction(QStringLiteral("  &Konec režimu  "));
    M2KonecRezimu->setObjectName(QStringLiteral("M2KonecRezimu"));
    M2OznacSpravne = Menu2->addAction(QStringLiteral("  Označ správnou odpověď  "));
    M2OznacSpravne->setObjectName(QStringLiteral("M2OznacSpravne"));
    M2OznacSpravne->setVisible(false);
    M2oProgramu = Menu2->addAction(QStringLiteral("  &O programu  "));
    M2oProgramu->setObjectName(QStringLiteral("M2oProgramu"));
    M2oProgramu->setEnabled(false);

    // Both menus live in one container; exactly one of them is shown, so only its shortcuts work.
    menuKontejner_ = new QWidget(this);
    menuKontejner_->setObjectName(QStringLiteral("menuKontejner"));
    auto* rozlozeni = new QVBoxLayout(menuKontejner_);
    rozlozeni->setContentsMargins(0, 0, 0, 0);
    rozlozeni->setSpacing(0);
    rozlozeni->addWidget(Menu1);
    rozlozeni->addWidget(Menu2);
    Menu2->hide();
    setMenuWidget(menuKontejner_);

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
    connect(smProc, &QAction::triggered, this, &THlavniFormular::smProcClick);
    connect(smZkou, &QAction::triggered, this, &THlavniFormular::smZkouClick);
    connect(M1VysledekTestu, &QAction::triggered, this, &THlavniFormular::M1VysledekTestuClick);
    connect(M2KonecRezimu, &QAction::triggered, this, &THlavniFormular::M2KonecRezimuClick);
    connect(M2OznacSpravne, &QAction::triggered, this, &THlavniFormular::M2OznacSpravneClick);
}

void THlavniFormular::VytvorStavovyRadek()
{
    StavovyRadek1 = new QStatusBar(this);
    StavovyRadek1->setObjectName(QStringLiteral("StavovyRadek1"));
    StavovyRadek1->setSizeGripEnabled(false);
    ObarviPozadi(StavovyRadek1, kBarvaOkna);
    const std::array<int, 4> sirky{340, 75, 75, 150};
    for (int i = 0; i < 4; ++i) {
        auto* panel = new QLabel(StavovyRadek1);
        panel->setObjectName(QStringLiteral("panel%1").arg(i));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setFixedWidth(sirky[static_cast<std::size_t>(i)] - (i == 3 ? 0 : 2));
        StavovyRadek1->addWidget(panel);
        panely[static_cast<std::size_t>(i)] = panel;
    }
    panely[1]->setText(QStringLiteral("Default"));
    panely[2]->setText(QStringLiteral("Skupina: B"));
    panely[3]->setAlignment(Qt::AlignCenter);
    panely[3]->setText(QStringLiteral("Šťastnou cestu!"));
    setStatusBar(StavovyRadek1);
}

void THlavniFormular::VytvorPomoc()
{
    pPomoc = new QFrame(klient);
    pPomoc->setObjectName(QStringLiteral("pPomoc"));
    pPomoc->setFrameShape(QFrame::Panel);
    pPomoc->setFrameShadow(QFrame::Raised);
    ObarviPozadi(pPomoc, kBarvaOkna);
    pPomoc->hide();

    auto popisek = [this](QLabel*& cil, const char* jmeno, const QString& text, int x, int y) {
        cil = new QLabel(text, pPomoc);
        cil->setObjectName(QString::fromLatin1(jmeno));
        cil->move(x, y);
        cil->adjustSize();
    };
    auto ikona = [this](QLabel*& cil, const char* jmeno, const char* soubor, int y) {
        cil = new QLabel(pPomoc);
        cil->setObjectName(QString::fromLatin1(jmeno));
        cil->setGeometry(40, y, 18, 18);
        cil->setPixmap(QPixmap(Cesta(adresar_ / "grafika" / soubor)));
    };

    popisek(lbInfo, "lbInfo", QStringLiteral("Info:"), 10, 8);
    ikona(imgInfoYes, "imgInfoYes", "yes.jpg", 6);
    ikona(imgInfoNo, "imgInfoNo", "no.jpg", 26);
    ikona(imgInfoNic, "imgInfoNic", "mistake.jpg", 46);
    popisek(lbAno, "lbAno", QStringLiteral("Správná odpověď"), 60, 8);
    popisek(lbNe, "lbNe", QStringLiteral("Špatná odpověď"), 60, 28);
    popisek(lbNic, "lbNic", QStringLiteral("Ignorovaná správná odpověď"), 60, 48);
    popisek(lbJakNaTo, "lbJakNaTo", QStringLiteral("Levým tlačítkem vyberte správné odpovědi a pravým potvrďte"), 212, 4);
    popisek(lbKonecRezimu, "lbKonecRezimu", kKonecProhlizeni, 212, 19);
    popisek(lbNapoveda, "lbNapoveda",
            QStringLiteral("Pro pomoc stiskněte \"Označ správnou odpověď\""), 212, 35);
    popisek(lbUzivatel, "lbUzivatel", QStringLiteral("Aktivní profil uživatele: "), 212, 52);
    popisek(lbSkupina, "lbSkupina", QStringLiteral("Skupina:"), 384, 52);
    popisek(lbCelkemOtazek, "lbCelkemOtazek", QStringLiteral("Celkem otázek:"), 520, 8);
    popisek(lbZbyvaOtazek, "lbZbyvaOtazek", QStringLiteral("Zbývá:"), 559, 28);
    popisek(lbUspesnost, "lbUspesnost", QStringLiteral("Úspěšnost: 0%"), 539, 48);

    auto cara = [this](QFrame*& cil, const char* jmeno, int x) {
        cil = new QFrame(pPomoc);
        cil->setObjectName(QString::fromLatin1(jmeno));
        cil->setFrameShape(QFrame::VLine);
        cil->setFrameShadow(QFrame::Sunken);
        cil->setGeometry(x, 4, 2, kVyskaPomoci - 8);
    };
    cara(Cara1, "Cara1", 205);
    cara(Cara2, "Cara2", 514);
}

void THlavniFormular::RozmistiPanely()
{
    const int vyska = kVyskaKlienta;
    pOtazky->setGeometry(0, 0, kSirkaKlienta, vyska - kVyskaPomoci);
    pPomoc->setGeometry(0, vyska - kVyskaPomoci, kSirkaKlienta, kVyskaPomoci);
}

void THlavniFormular::NastavTextPopisku(QLabel* popisek, const QString& text)
{
    popisek->setText(text);
    popisek->adjustSize();
}

bool THlavniFormular::event(QEvent* udalost)
{
    // Every hint of a menu item or control goes to the first status-bar panel.
    if (udalost->type() == QEvent::StatusTip) {
        panely[0]->setText(static_cast<QStatusTipEvent*>(udalost)->tip());
        return true;
    }
    return QMainWindow::event(udalost);
}

THlavniFormular::Start THlavniFormular::Spust()
{
    try {
        banka_.Nacti(adresar_);
    } catch (const std::exception& chyba) {
        Zpravy::Chyba(nullptr, QStringLiteral("Databázi otázek „otazky.DB“ nelze otevřít v pracovním adresáři %1.\n%2")
                                   .arg(Cesta(adresar_), QString::fromStdString(chyba.what())));
        return Start::Chyba;
    }
    VycentrujNad(this, nullptr);
    try {
        sklad_->ZalozitTabulkuProfilu();
        sklad_->SeznamProfilu();  // reads the table once, so that a damaged file stops us here
    } catch (const std::exception& chyba) {
        Zpravy::Chyba(nullptr, QString::fromStdString(chyba.what()));
        return Start::Chyba;
    }
    opakovaniZaznamu.priznak = false;
    nastaveni.aktivniProfil.clear();
    show();
    if (!SpustitManazerProfilu(this, *sklad_, nastaveni))
        return Start::Ukoncen;
    NacistProfil();
    return Start::Prihlasen;
}

void THlavniFormular::NacistProfil()
{
    bool nacteno = false;
    ChraneneTabulky(this, [&] { nacteno = sklad_->NacistProfil(nastaveni); });
    if (!nacteno)
        return;
    M1StavovyRadek->setChecked(nastaveni.stavovyRadek);
    StavovyRadek1->setVisible(nastaveni.stavovyRadek);
    if (nastaveni.postupnyVyber)
        M1PostupnyVyberClick();
    else
        M1NahodnyVyberClick();
    ObnovUkazatele();
}

void THlavniFormular::ObnovUkazatele()
{
    const QString skupina = QString::fromStdString(nastaveni.skupina);
    panely[1]->setText(QString::fromStdString(nastaveni.aktivniProfil));
    panely[2]->setText(QStringLiteral("Skupina: ") + skupina);
    M1Skupina->setText(QStringLiteral("Zvolená skupina: ") + skupina);
    const bool nejaka = nastaveni.NejakaKategorie();
    M1Procvicovat->setEnabled(nejaka);
    M1Zkouset->setEnabled(nejaka);
}

bool THlavniFormular::SouborExistuje(const QString& jmeno) const
{
    QFile soubor(Cesta(adresar_ / jmeno.toStdString()));
    if (!soubor.open(QIODevice::ReadOnly))
        return false;
    soubor.close();
    return true;
}

QString THlavniFormular::Rezim() const
{
    if (!pOtazky->isVisibleTo(this))
        return {};
    if (M1Prohlizet->isChecked())
        return kProhlizeni;
    if (M1Procvicovat->isChecked())
        return kProcvicovani;
    if (M1Zkouset->isChecked())
        return kZkouseni;
    return {};
}

void THlavniFormular::NastavRezim(const QString& rezim, bool zapnout)
{
    if (zapnout) {
        Menu1->hide();
        Menu2->show();
        StavovyRadek1->hide();
        RozmistiPanely();
        pOtazky->NactiZnacku(-1, QStringLiteral("yes.jpg"));
    } else {
        Menu2->hide();
        Menu1->show();
        StavovyRadek1->setVisible(M1StavovyRadek->isChecked());
    }
    pPomoc->setVisible(zapnout);
    pOtazky->setVisible(zapnout);
    imgPozadi->setVisible(!zapnout);
    M2OznacSpravne->setVisible(false);

    NastavTextPopisku(lbUzivatel, QStringLiteral("Aktivní profil uživatele: ")
                                      + QString::fromStdString(nastaveni.aktivniProfil));
    NastavTextPopisku(lbSkupina, QStringLiteral("Skupina: ") + QString::fromStdString(nastaveni.skupina));

    if (rezim == kProhlizeni) {
        M1Prohlizet->setChecked(zapnout);
        pOtazky->pProhlizeni->setVisible(zapnout);
        pOtazky->stPoznamka->setVisible(zapnout);
        NastavTextPopisku(lbKonecRezimu, kKonecProhlizeni);
        lbNe->setEnabled(!zapnout);
        lbNic->setEnabled(!zapnout);
        for (QWidget* w : std::initializer_list<QWidget*>{Cara1, Cara2, lbCelkemOtazek, lbZbyvaOtazek, lbUspesnost,
                                                         lbJakNaTo, lbSkupina, lbNapoveda})
            w->setVisible(!zapnout);
        if (zapnout) {
            lbKonecRezimu->move(284, 17);
            lbUzivatel->move(lbKonecRezimu->x() + (lbKonecRezimu->width() - lbUzivatel->width()) / 2, 40);
            pOtazky->eCisloO->setText(QStringLiteral("1"));
            pOtazky->ZobrazOtazku(1);
        } else {
            lbKonecRezimu->move(212, 19);
            lbUzivatel->move(212, 52);
        }
        return;
    }

    // Practice and exam.
    pOtazky->pProhlizeni->setVisible(false);
    pOtazky->stPoznamka->setVisible(false);
    lbNe->setEnabled(true);
    lbNic->setEnabled(true);
    for (QWidget* w : std::initializer_list<QWidget*>{Cara1, Cara2, lbCelkemOtazek, lbZbyvaOtazek, lbUspesnost,
                                                     lbJakNaTo, lbSkupina})
        w->setVisible(zapnout);
    if (rezim == kZkouseni) {
        NastavTextPopisku(lbKonecRezimu, kKonecZkouseni);
        M1Zkouset->setChecked(zapnout);
        lbNapoveda->setVisible(false);
    } else {
        M1Procvicovat->setChecked(zapnout);
        NastavTextPopisku(lbKonecRezimu, kKonecProcvicovani);
        M2OznacSpravne->setVisible(zapnout);
        lbNapoveda->setVisible(zapnout);
    }
    // A running exam spreads its three lines over the space of the missing hint line.
    const bool zkouska = rezim == kZkouseni && zapnout;
    lbKonecRezimu->move(212, zkouska ? 28 : 19);
    lbUzivatel->move(212, zkouska ? 48 : 52);
    lbSkupina->move(384, zkouska ? 48 : 52);
    lbJakNaTo->move(212, zkouska ? 8 : 4);
    pOtazky->SkryjZnacky();
    if (zapnout) {
        ZacniBeh(beh, opakovaniZaznamu);
        NastavTextPopisku(lbUspesnost, QStringLiteral("Úspěšnost: 0%"));
        DalsiOtazka();
        beh.spatne.clear();
        beh.napovedy.clear();
    } else {
        UkonciBeh(beh, opakovaniZaznamu);
    }
}

void THlavniFormular::closeEvent(QCloseEvent* udalost)
{
    if (pOtazky->isVisibleTo(this)
        && !Zpravy::Otazka(this, QStringLiteral("Opravdu chcete vypnout program, i když spuštěný režim je stále aktivní?"))) {
        udalost->ignore();
        return;
    }
    udalost->accept();
}

void THlavniFormular::M1OdhlasitClick()
{
    if (!SpustitManazerProfilu(this, *sklad_, nastaveni)) {
        close();
        return;
    }
    NacistProfil();
}

void THlavniFormular::M1PrejmenovatClick()
{
    if (PrejmenovatAktivniProfil(this, *sklad_, nastaveni))
        NacistProfil();
}

void THlavniFormular::M1ZmenitHesloClick() { ZmenitHesloAktivnihoProfilu(this, *sklad_, nastaveni); }

void THlavniFormular::M1NastaveniClick()
{
    if (OtevritNastaveni(this, nastaveni))
        ObnovUkazatele();
}

void THlavniFormular::M1StavovyRadekClick()
{
    const bool zobrazit = StavovyRadek1->isHidden();
    StavovyRadek1->setVisible(zobrazit);
    M1StavovyRadek->setChecked(zobrazit);
}

void THlavniFormular::M1PostupnyVyberClick()
{
    M1PostupnyVyber->setChecked(true);
    M1NahodnyVyber->setChecked(false);
}

void THlavniFormular::M1NahodnyVyberClick()
{
    M1NahodnyVyber->setChecked(true);
    M1PostupnyVyber->setChecked(false);
}

void THlavniFormular::M1UlozitNastaveniClick()
{
    nastaveni.stavovyRadek = M1StavovyRadek->isChecked();
    nastaveni.postupnyVyber = M1PostupnyVyber->isChecked();
    ChraneneTabulky(this, [this] { sklad_->UlozitNastaveniProfilu(nastaveni); });
}

void THlavniFormular::M1ProhlizetClick() { NastavRezim(kProhlizeni, true); }

void THlavniFormular::M1ProcvicovatClick()
{
    M1Procvicovat->setChecked(false);
    if (PripravBeh(false))
        NastavRezim(kProcvicovani, true);
}

void THlavniFormular::M1ZkousetClick()
{
    M1Zkouset->setChecked(false);
    if (PripravBeh(true))
        NastavRezim(kZkouseni, true);
}

void THlavniFormular::ObnovPolozkyVysledku()
{
    smProc->setEnabled(true);
    smZkou->setEnabled(true);
    M1VysledekTestu->setEnabled(!SouborExistuje(QStringLiteral("Protokoly.DB")));
}

void THlavniFormular::smProcClick() { OtevritSeznamVysledku(false); }

void THlavniFormular::smZkouClick() { OtevritSeznamVysledku(true); }

void THlavniFormular::OtevritSeznamVysledku(bool zkouska)
{
    if (!SouborExistuje(QStringLiteral("Vysledky.DB"))) {
        Zpravy::Informace(this, zkouska ? QStringLiteral("Protokol zkoušení zatím nebyl vytvořen!")
                                        : QStringLiteral("Protokol procvičování zatím nebyl vytvořen!"));
        return;
    }
    std::unique_ptr<TProtocol> seznam;
    ChraneneTabulky(this, [&] {
        seznam = std::make_unique<TProtocol>(adresar_, zkouska, banka_, beh, nastaveni, opakovaniZaznamu, this);
    });
    if (!seznam)
        return;
    VycentrujNad(seznam.get(), this);
    if (seznam->exec() != TProtocol::Opakovat)
        return;
    seznam.reset();
    // A record retry: the run list is filled and the group is the record's.
    NastavTextPopisku(lbCelkemOtazek, QStringLiteral("Celkem otázek: %1").arg(beh.celkem));
    NastavRezim(zkouska ? kZkouseni : kProcvicovani, true);
}

void THlavniFormular::M1VysledekTestuClick()
{
    if (!SouborExistuje(QStringLiteral("Protokoly.DB")))
        Zpravy::Informace(this, QStringLiteral("Dosud nebyly vytvořeny žádné protokoly z testu!"));
}

void THlavniFormular::M2KonecRezimuClick()
{
    const QString rezim = Rezim();
    if (rezim.isEmpty())
        return;
    if (rezim != kProhlizeni) {
        if (!Zpravy::Otazka(this, QStringLiteral("Opravdu chcete skončit, i když úlohy nejsou dokončeny?")))
            return;
        Timer1->stop();
        pOtazky->pSpravne->hide();
        ZrusOpakovaniZaznamu(nastaveni, opakovaniZaznamu);
    }
    NastavRezim(rezim, false);
}

bool THlavniFormular::PripravBeh(bool zkouska)
{
    const int dostupnych = PocetDostupnych(banka_, nastaveni);
    if (dostupnych == 0) {
        Zpravy::Informace(this, QStringLiteral("Pro zvolenou skupinu řidičského oprávnění a zapnuté kategorie "
                                               "nejsou k dispozici žádné otázky. Změňte nastavení programu."));
        return false;
    }
    TDotazPZ dotaz(dostupnych, zkouska, M1NahodnyVyber->isChecked(), this);
    VycentrujNad(&dotaz, this);
    dotaz.exec();
    nastaveni.postupnyVyber = M1PostupnyVyber->isChecked();
    ::PripravBeh(beh, banka_, nastaveni, dotaz.Pocet(), dotaz.Start());
    NastavTextPopisku(lbCelkemOtazek, QStringLiteral("Celkem otázek: %1").arg(beh.celkem));
    return true;
}

void THlavniFormular::DalsiOtazka()
{
    nastaveni.postupnyVyber = M1PostupnyVyber->isChecked();
    const int cislo = ::DalsiOtazka(beh, banka_, nastaveni, AktualniHodiny());
    // Both counters are written after the choice: a retry drops withdrawn numbers and a walk that
    // runs out shortens the run, and either lowers the total and the remaining count.
    NastavTextPopisku(lbCelkemOtazek, QStringLiteral("Celkem otázek: %1").arg(beh.celkem));
    if (cislo == 0) {
        // The run ends with what was asked.
        beh.cekaNaOdpoved = false;
        NastavTextPopisku(lbZbyvaOtazek, QStringLiteral("Zbývá: %1").arg(beh.zbyva));
        QTimer::singleShot(0, this, &THlavniFormular::KonecBehu);
        return;
    }
    // The count shown still includes the question about to be shown.
    NastavTextPopisku(lbZbyvaOtazek, QStringLiteral("Zbývá: %1").arg(beh.zbyva + 1));
    pOtazky->ZobrazOtazku(cislo);
}

void THlavniFormular::pOtazkyMouseDown()
{
    const QString rezim = Rezim();
    if (pOtazky->pSpravne->isVisibleTo(pOtazky) || rezim.isEmpty() || rezim == kProhlizeni)
        return;
    if (beh.cekaNaOdpoved) {
        const std::array<bool, 4> oznaceno = pOtazky->OznaceneOdpovedi();
        if (oznaceno[0] || oznaceno[1] || oznaceno[2] || oznaceno[3])
            ZobrazVysledekOdpovedi(VyhodnotOdpoved(beh, oznaceno));
        return;
    }
    if (beh.zbyva > 0) {
        UkazDalsiOtazku();
        return;
    }
    KonecBehu();
}

void THlavniFormular::UkazDalsiOtazku()
{
    // Marks go back to the unmarked yes picture; the next question then awaits its answer.
    pOtazky->NactiZnacku(-1, QStringLiteral("yes.jpg"));
    pOtazky->SkryjZnacky();
    DalsiOtazka();
}

void THlavniFormular::KonecBehu()
{
    const QString rezim = Rezim();
    if (rezim != kProcvicovani && rezim != kZkouseni)
        return;
    if (beh.celkem == 0) {
        ZrusOpakovaniZaznamu(nastaveni, opakovaniZaznamu);
        NastavRezim(rezim, false);
        return;
    }
    const bool zkouska = rezim == kZkouseni;
    TResult vysledek(beh, nastaveni, opakovaniZaznamu, zkouska, adresar_, AktualniHodiny(), this);
    VycentrujNad(&vysledek, this);
    if (vysledek.exec() == TResult::Opakovat) {
        NastavTextPopisku(lbUspesnost, QStringLiteral("Úspěšnost: 0%"));
        NastavTextPopisku(lbCelkemOtazek, QStringLiteral("Celkem otázek: %1").arg(beh.celkem));
        UkazDalsiOtazku();
    } else {
        NastavRezim(M1Procvicovat->isChecked() ? kProcvicovani : kZkouseni, false);
    }
}

void THlavniFormular::ZobrazVysledekOdpovedi(const VysledekOdpovedi& vysledek)
{
    for (int i = 0; i < 4; ++i) {
        switch (vysledek.znacky[static_cast<std::size_t>(i)]) {
        case Znacka::Ne:
            pOtazky->NactiZnacku(i, QStringLiteral("no.jpg"));
            pOtazky->imgZnacky[static_cast<std::size_t>(i)]->show();
            break;
        case Znacka::Chyba:
            pOtazky->NactiZnacku(i, QStringLiteral("mistake.jpg"));
            pOtazky->imgZnacky[static_cast<std::size_t>(i)]->show();
            break;
        case Znacka::Ano:
        case Znacka::Skryta:
            break;
        }
    }
    QPalette paleta = pOtazky->pSpravne->palette();
    if (vysledek.spravne) {
        pOtazky->pSpravne->setText(QStringLiteral("Správně"));
        paleta.setColor(QPalette::WindowText, QColor(0, 128, 0));
    } else {
        pOtazky->pSpravne->setText(QStringLiteral("Špatně"));
        paleta.setColor(QPalette::WindowText, QColor(255, 0, 0));
    }
    pOtazky->pSpravne->setPalette(paleta);
    NastavTextPopisku(lbUspesnost, QStringLiteral("Úspěšnost: %1%").arg(beh.uspesnost));
    pOtazky->pSpravne->show();
    pOtazky->pSpravne->raise();
    Timer1->start(1500);
}

void THlavniFormular::Timer1Timer()
{
    pOtazky->pSpravne->hide();
    Timer1->stop();
}

void THlavniFormular::M2OznacSpravneClick()
{
    if (Rezim() != kProcvicovani || !PouzijNapovedu(beh))
        return;
    pOtazky->NactiZnacku(-1, QStringLiteral("yes.jpg"));
    pOtazky->ZobrazSpravne(beh.spravneOdpovedi);
}
