#include "profiles/gui/AkceProfilu.h"

#include "base/Utf8.h"
#include "profiles/gui/PravidlaProfilu.h"
#include "profiles/gui/TDZmenaHesla.h"
#include "profiles/gui/TManazerUzivatelu.h"
#include "profiles/gui/TNastaveni.h"
#include "profiles/ProfilovySklad.h"
#include "ui/Centrovani.h"
#include "ui/Dialogy.h"
#include "ui/Zpravy.h"

#include <QInputDialog>
#include <QLineEdit>

bool SpustitManazerProfilu(QWidget* hlavni, ProfilovySklad& sklad, Nastaveni& n,
                           const std::vector<std::string>* precteneProfily)
{
    TManazerUzivatelu manazer(sklad, n.aktivniProfil, hlavni, precteneProfily);
    VycentrujNad(&manazer, hlavni);
    return manazer.exec() == QDialog::Accepted;
}

bool PrejmenovatAktivniProfil(QWidget* hlavni, ProfilovySklad& sklad, Nastaveni& n)
{
    const QString stare = QString::fromStdString(n.aktivniProfil);
    QString nove;
    // A name that breaks a rule is reported and offered again for correction.
    for (;;) {
        QInputDialog dotaz(hlavni);
        dotaz.setObjectName(QStringLiteral("dlgPrejmenovat"));
        dotaz.setInputMode(QInputDialog::TextInput);
        dotaz.setWindowTitle(QStringLiteral("Přejmenovat profil \"") + stare
                             + QStringLiteral("\" na..."));
        dotaz.setLabelText(QStringLiteral("Název nového profilu: "));
        dotaz.setTextValue(nove);
        dotaz.setOkButtonText(QStringLiteral("&OK"));
        dotaz.setCancelButtonText(QStringLiteral("&Storno"));
        if (auto* vstup = dotaz.findChild<QLineEdit*>()) {
            vstup->setObjectName(QStringLiteral("eNovyNazev"));
            vstup->setMaxLength(PravidlaProfilu::kMaxJmeno);
        }
        VycentrujNad(&dotaz, hlavni);
        if (dotaz.exec() != QDialog::Accepted)
            return false;
        nove = dotaz.textValue();
        if (nove == stare)
            return false;

        bool prejmenovano = false;
        bool znovu = false;
        ChraneneTabulky(hlavni, [&] {
            QStringList jine;
            for (const std::string& jmeno : sklad.SeznamProfilu())
                if (jmeno != n.aktivniProfil)
                    jine << QString::fromStdString(jmeno);
            if (const QString chyba = PravidlaProfilu::ChybaJmena(nove, jine); !chyba.isEmpty()) {
                Zpravy::Chyba(hlavni, chyba);
                znovu = true;
                return;
            }
            sklad.PrejmenovatProfil(n.aktivniProfil, nove.toStdString());
            n.aktivniProfil = OriznoutZnaky(nove.toStdString(), ProfilovySklad::kDelkaJmena);
            sklad.NacistProfil(n);
            prejmenovano = true;
        });
        if (!znovu)
            return prejmenovano;
    }
}

void ZmenitHesloAktivnihoProfilu(QWidget* hlavni, ProfilovySklad& sklad, const Nastaveni& n)
{
    TDZmenaHesla dialog(QString::fromStdString(n.aktivniProfil), hlavni);
    VycentrujNad(&dialog, hlavni);
    if (dialog.exec() != QDialog::Accepted)
        return;
    ChraneneTabulky(hlavni, [&] {
        sklad.ZmenitHesloProfilu(n.aktivniProfil, dialog.ZadaneHeslo().toStdString());
    });
}

bool OtevritNastaveni(QWidget* hlavni, Nastaveni& n)
{
    TNastaveni dialog(n, hlavni);
    VycentrujNad(&dialog, hlavni);
    return dialog.exec() == QDialog::Accepted;
}
