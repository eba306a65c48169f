#pragma once

#include "questions/Relace.h"

#include <QMainWindow>
#include <QPixmap>
#include <QString>

#include <array>
#include <filesystem>
#include <functional>
#include <memory>

class Banka;
class CyklusBehu;
class Hlas;
class InformacniPruh;
class PanelOtazek;
class ProfilovySklad;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QMenuBar;
class QStatusBar;

// The main window: owns the program-wide values (the session), the two menus, the status bar, and
// the switch between browse, practice and exam on the question panel.
class THlavniFormular : public QMainWindow {
    Q_OBJECT

public:
    enum class Start { Prihlasen, Ukoncen, Chyba };

    // `adresar` is the working directory: every table and picture is resolved against it.
    explicit THlavniFormular(std::filesystem::path adresar, QWidget* rodic = nullptr);
    ~THlavniFormular() override;

    // Start-up after construction: opens the question bank, makes sure Profily exists, shows the
    // window and signs a learner in through the profile manager, then reads the bank's records.
    // Prihlasen: the event loop may run; Ukoncen: the learner ended the program; Chyba: a table
    // could not be read (reported).
    Start Spust();

    // Switches a mode on or off; the name is "Prohlizeni", "Procvicovani" or "Zkouseni".
    void NastavRezim(const QString& rezim, bool zapnout);
    void NastavRezim(RezimBehu rezim, bool zapnout);
    void ObnovUkazatele();
    bool SouborExistuje(const QString& jmeno) const;
    void NacistProfil();
    // "Prohlizeni", "Procvicovani", "Zkouseni", or empty while no mode runs.
    QString Rezim() const;

    // The program-wide values; the other windows get the part they need.
    Relace relace;

    const std::filesystem::path& Adresar() const { return adresar_; }
    const Banka& banka() const { return *banka_; }
    ProfilovySklad& Sklad() { return *sklad_; }

    // The picture beside the menu for a screen of device pixel ratio `pomer`: the one built into
    // the program at the plain scale, its sharper twins from `adresar`/grafika where wanted.
    static QPixmap ObrazekPozadi(const std::filesystem::path& adresar, qreal pomer);

    // The voice that reads aloud; the system's engine unless a test put another in its place.
    void NastavHlas(std::unique_ptr<Hlas> hlas);

protected:
    bool event(QEvent* udalost) override;
    void closeEvent(QCloseEvent* udalost) override;

private slots:
    // Menu and mouse handlers, connected to their actions and to the panel's right click.
    void M1OdhlasitClick();
    void M1PrejmenovatClick();
    void M1ZmenitHesloClick();
    void M1NastaveniClick();
    void M1StavovyRadekClick();
    void M1PostupnyVyberClick();
    void M1NahodnyVyberClick();
    void M1UlozitNastaveniClick();
    void M1ProhlizetClick();
    void M1ProcvicovatClick();
    void M1ZkousetClick();
    void M1ProcvicovatChybyClick();
    void M1OpakovaniNaDnesClick();
    void M1UkladatHistoriiClick();
    void M1LimitNovychClick();
    void M1SmazatHistoriiClick();
    void M1StatistikaUceniClick();
    void smProcClick();
    void smZkouClick();
    void M1TestClick();
    void M1TestPlatnyClick();
    void M1KrizovatkyClick();
    void M1VysledkyPlatnyClick();
    void M1VysledekTestuClick();
    void M2KonecRezimuClick();
    void M2OznacSpravneClick();
    void M1OProgramuClick();
    void M2oProgramuClick();
    void M1SeznamClick();
    void M1NapovedaClick();
    void M2PrecistNahlasClick();
    void M2OznacitClick();
    void M2HledatClick();
    void M1OznaceneOtazkyClick();
    void M1VysvetleniClick();
    void M1VzhledClick(QAction* volba);
    void pOtazkyMouseDown();

private:
    // Runs a step on the question bank; a failure is reported naming the working directory.
    bool NactiBanku(const std::function<void(const std::filesystem::path&)>& krok);
    // Practice and exam: counts the available questions and asks length and start; false when
    // the run cannot start.
    bool PripravBeh(bool zkouska);
    QMenu* Podnabidka(QMenu*& cil, const char* jmeno, const QString& popis,
                      const QString& napoveda);
    void VytvorMenu();
    void DoplnNabidky();
    void VytvorStavovyRadek();
    void PripravPoPrihlaseni();
    void RozmistiPanely();
    // The status bar and the check marks of the Konfigurace menu as the settings have them.
    void ObnovPrepinace();
    void VytvorNabidkuPohodli();
    // Reads the signed-in profile's explanation and look preferences and applies them.
    void NactiPohodli();
    void OtevritSeznamVysledku(bool zkouska);
    // Browse mode: question n becomes the run's current question, then the panel shows it with
    // its number in the entry (focused if `zamerit`). The panel's own browse steps come back as
    // vybranaOtazka and go the same way.
    void ProhlizejOtazku(int n, bool zamerit);

    std::filesystem::path adresar_;
    std::unique_ptr<Banka> banka_;
    std::unique_ptr<ProfilovySklad> sklad_;
    std::unique_ptr<InformacniPruh> pruh_;
    CyklusBehu* cyklus_ = nullptr;
    QWidget* menuKontejner_ = nullptr;
    std::unique_ptr<Hlas> hlas_;

    // Controls, named as the program knows them (also their object names); the information
    // strip's controls and Timer1 belong to pruh_ and cyklus_.
    QWidget* klient = nullptr;
    QMenuBar* Menu1 = nullptr;
    QMenuBar* Menu2 = nullptr;
    QStatusBar* StavovyRadek1 = nullptr;
    std::array<QLabel*, 4> panely {};
    QLabel* imgPozadi = nullptr;
    PanelOtazek* pOtazky = nullptr;

    QMenu *Program1 = nullptr, *Profil1 = nullptr, *Konfigurace1 = nullptr, *Start1 = nullptr,
          *Vysledky1 = nullptr, *M1Protokol = nullptr, *Informace1 = nullptr;
    QAction *M1Ukoncit = nullptr, *M1Prejmenovat = nullptr, *M1ZmenitHeslo = nullptr,
            *M1Odhlasit = nullptr, *M1Skupina = nullptr, *M1Nastaveni = nullptr,
            *M1StavovyRadek = nullptr, *M1PostupnyVyber = nullptr, *M1NahodnyVyber = nullptr,
            *M1UlozitNastaveni = nullptr, *M1Prohlizet = nullptr, *M1Procvicovat = nullptr,
            *M1Zkouset = nullptr, *M1ProcvicovatChyby = nullptr, *M1StatistikaUceni = nullptr,
            *M1Test = nullptr, *M1TestPlatny = nullptr, *smProc = nullptr, *smZkou = nullptr,
            *M1VysledekTestu = nullptr, *M1VysledkyPlatny = nullptr, *M1OProgramu = nullptr,
            *M1Seznam = nullptr, *M1Napoveda = nullptr, *M2KonecRezimu = nullptr,
            *M2OznacSpravne = nullptr, *M2oProgramu = nullptr, *M1OpakovaniNaDnes = nullptr,
            *M1UkladatHistorii = nullptr, *M1LimitNovych = nullptr, *M1SmazatHistorii = nullptr;
    QAction* M1Krizovatky = nullptr;
    // The question's own commands, in every mode: read aloud, flag, search, a closer look.
    QMenu* Otazka2 = nullptr;
    QAction *M2PrecistNahlas = nullptr, *M2Oznacit = nullptr, *M2Hledat = nullptr,
            *M2Zvetsit = nullptr, *M1OznaceneOtazky = nullptr;
    // Konfigurace: "Vysvětlení po odpovědi" and the "Vzhled" choice, both remembered per profile.
    QAction* M1Vysvetleni = nullptr;
    QMenu* M1Vzhled = nullptr;
    QAction *M1VzhledKlasicky = nullptr, *M1VzhledTmavy = nullptr, *M1VzhledKontrast = nullptr;
};
