#include "base/Nastaveni.h"
#include "ui/Zpravy.h"
#include "profiles/gui/AkceProfilu.h"
#include "profiles/PoradiProfilu.h"
#include "profiles/ProfilovySklad.h"
#include "profiles/gui/TDotazHeslo.h"
#include "profiles/gui/TManazerUzivatelu.h"
#include "profiles/gui/TNastaveni.h"
#include "profiles/gui/TVytvorUziv.h"
#include "storage/Definice.h"
#include "storage/Tabulka.h"
#include "testsupport/GuiTest.h"
#include "testsupport/Soubory.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

template <typename T> T* Prvek(QWidget* okno, const char* jmeno)
{
    T* w = okno->findChild<T*>(QString::fromLatin1(jmeno));
    if (!w)
        throw std::runtime_error(std::string("no control named ") + jmeno + " in "
                                 + okno->objectName().toStdString());
    return w;
}

void Klikni(QWidget* okno, const char* tlacitko)
{
    auto* b = Prvek<QAbstractButton>(okno, tlacitko);
    // A check or radio box reacts only on its mark and caption, not on the rest of its row.
    const bool prepinac = qobject_cast<QCheckBox*>(b) || qobject_cast<QRadioButton*>(b);
    QTest::mouseClick(b, Qt::LeftButton, {}, prepinac ? QPoint(6, b->height() / 2) : QPoint());
}

// Types like the keyboard does; QTest::keyClicks takes ASCII only, and the names are Czech.
void Napis(QWidget* okno, const char* vstup, const QString& text)
{
    auto* e = Prvek<QLineEdit>(okno, vstup);
    e->clear();
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(e, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, e, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

QStringList Polozky(QWidget* manazer)
{
    auto* lb = Prvek<QListWidget>(manazer, "lbProfil");
    QStringList s;
    for (int i = 0; i < lb->count(); ++i)
        s << lb->item(i)->text();
    return s;
}

void Vyber(QWidget* manazer, const QString& jmeno)
{
    auto* lb = Prvek<QListWidget>(manazer, "lbProfil");
    const auto nalezene = lb->findItems(jmeno, Qt::MatchExactly);
    if (nalezene.isEmpty())
        throw std::runtime_error("profile not listed: " + jmeno.toStdString());
    const QRect r = lb->visualItemRect(nalezene.first());
    QTest::mouseClick(lb->viewport(), Qt::LeftButton, {}, r.center());
}

void ExpectChyba(const std::shared_ptr<ZachycenyDialog>& z, const QString& text)
{
    EXPECT_TRUE(z->probehlo);
    EXPECT_EQ(z->text, text);
    EXPECT_EQ(z->titulek, Zpravy::kChyba);
    EXPECT_EQ(z->ikona, QMessageBox::Critical);
}

int PocetZaznamu(const std::string& adresar, const std::string& tabulka, const std::string& profil)
{
    Tabulka t;
    t.Svaz(adresar, tabulka);
    t.Otevri();
    int n = 0;
    for (t.Prvni(); !t.Konec(); t.Dalsi())
        n += t.PoleJmenem("Profil").JakoText() == profil;
    return n;
}

class ProfilyGui : public testing::Test {
protected:
    ProfilyGui() : sklad(adresar.CestaStd(), NarocnostHesla::Nejnizsi())
    {
        sklad.ZalozitTabulkuProfilu();
    }

    void Pridat(const std::string& jmeno, const std::string& heslo = "")
    {
        sklad.PridatProfil(jmeno, "1111111", "B", "111", "11", "1", heslo);
    }

    void VysledkyAProtokoly(const std::vector<std::string>& profily)
    {
        for (const auto& [nazev, definice] : {std::pair {"Vysledky", DefiniceVysledky()},
                                              std::pair {"Protokoly", DefiniceProtokoly()}}) {
            Tabulka t;
            t.Svaz(adresar.CestaStd(), nazev);
            t.Vytvor(definice);
            t.Otevri();
            for (const std::string& p : profily) {
                t.Vloz();
                t.PoleJmenem("Profil").NastavText(p);
                t.Uloz();
            }
        }
    }

    int Zaznamu(const std::string& tabulka, const std::string& profil)
    {
        return PocetZaznamu(adresar.CestaStd(), tabulka, profil);
    }

    DocasnyAdresar adresar;
    ProfilovySklad sklad;
    std::string aktivni;
};

TEST_F(ProfilyGui, ManazerNaCisteTabulce)
{
    TManazerUzivatelu m(sklad, aktivni);
    m.show();
    EXPECT_EQ(m.windowTitle(), QStringLiteral("Správce uživatelských účtů"));
    EXPECT_TRUE(Polozky(&m).isEmpty()) << "the built-in profile is never listed";
    EXPECT_FALSE(Prvek<QPushButton>(&m, "btnOK")->isEnabled());
    EXPECT_FALSE(Prvek<QPushButton>(&m, "btnDelete")->isEnabled());
    EXPECT_TRUE(Prvek<QPushButton>(&m, "btnNew")->isEnabled());
    EXPECT_TRUE(Prvek<QPushButton>(&m, "btnCancel")->isEnabled());
    EXPECT_EQ(Prvek<QPushButton>(&m, "btnOK")->text(), QStringLiteral("&Vybrat profil"));
    EXPECT_EQ(Prvek<QPushButton>(&m, "btnDelete")->text(), QStringLiteral("&Smazat profil"));
    m.hide();
}

TEST_F(ProfilyGui, PravidlaJmenaVytvareni)
{
    TVytvorUziv d(QStringList {"Petr", "Čeněk"});
    d.show();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Vytvoření nového profilu"));
    const struct {
        QString jmeno;
        QString zprava;
    } pripady[] = {
        {"", QStringLiteral("Zadaný profil musí mít minimálně 1 znak!")},
        {"DEFAULT", QStringLiteral("Název Default je vyhrayený -> použíjte jiný název")},
        {"default", QStringLiteral("Název Default je vyhrayený -> použíjte jiný název")},
        {"dEfAuLt", QStringLiteral("Název Default je vyhrayený -> použíjte jiný název")},
        {"pETR", QStringLiteral("Zadaný profil již existuje!")},
        {QStringLiteral("ČENĚK"), QStringLiteral("Zadaný profil již existuje!")},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.jmeno.toStdString());
        Napis(&d, "eProfil", p.jmeno);
        Prvek<QCheckBox>(&d, "cbHeslo")->setFocus();
        auto z = StiskniVeZprave(QMessageBox::Ok);
        Klikni(&d, "btnOK");
        ExpectChyba(z, p.zprava);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.focusWidget(), Prvek<QLineEdit>(&d, "eProfil"));
        EXPECT_EQ(Prvek<QLineEdit>(&d, "eProfil")->text(), p.jmeno) << "the entry is kept";
    }
    EXPECT_TRUE(d.NovyNazev().isEmpty());

    // A name longer than the stored width cannot be typed.
    Napis(&d, "eProfil", QStringLiteral("Příliš dlouhé jméno profilu, víc než třicet znaků"));
    EXPECT_EQ(Prvek<QLineEdit>(&d, "eProfil")->text(),
              QStringLiteral("Příliš dlouhé jméno profilu, v"));

    Napis(&d, "eProfil", QStringLiteral(" Default "));
    QTest::keyClick(Prvek<QLineEdit>(&d, "eProfil"), Qt::Key_Return);
    EXPECT_EQ(d.result(), QDialog::Accepted) << "Enter in the name entry confirms";
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.NovyNazev(), QStringLiteral(" Default ")) << "blanks count as characters";
    EXPECT_TRUE(d.NoveHeslo().isEmpty());
}

TEST_F(ProfilyGui, PravidlaHeslaVytvareni)
{
    TVytvorUziv d(QStringList {});
    d.show();
    auto* eHeslo1 = Prvek<QLineEdit>(&d, "eHeslo1");
    EXPECT_FALSE(eHeslo1->isEnabled());
    EXPECT_FALSE(Prvek<QLabel>(&d, "lbHeslo2")->isEnabled());
    Napis(&d, "eProfil", QStringLiteral("Jana"));
    Klikni(&d, "cbHeslo");
    EXPECT_TRUE(eHeslo1->isEnabled());
    EXPECT_TRUE(Prvek<QLineEdit>(&d, "eHeslo2")->isEnabled());
    EXPECT_EQ(eHeslo1->echoMode(), QLineEdit::Password);

    const struct {
        QString heslo1, heslo2, zprava;
    } pripady[] = {
        {"abcde", "abcdE", QStringLiteral("Potvrzení hesla se nezdařilo!\nZadejte heslo znovu!")},
        {"abcd", "abcd", QStringLiteral("Minimální délka hesla je 5 znaků!\nZadejte heslo znovu!")},
        {"", "", QStringLiteral("Minimální délka hesla je 5 znaků!\nZadejte heslo znovu!")},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.heslo1.toStdString());
        Napis(&d, "eHeslo1", p.heslo1);
        Napis(&d, "eHeslo2", p.heslo2);
        Prvek<QLineEdit>(&d, "eHeslo2")->setFocus();
        auto z = StiskniVeZprave(QMessageBox::Ok);
        QTest::keyClick(Prvek<QLineEdit>(&d, "eHeslo2"), Qt::Key_Return);
        ExpectChyba(z, p.zprava);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.focusWidget(), eHeslo1);
    }

    Napis(&d, "eHeslo1", QString(60, QLatin1Char('x')));
    EXPECT_EQ(eHeslo1->text().size(), 50) << "a password longer than stored cannot be typed";

    Napis(&d, "eHeslo1", QStringLiteral("žluťa"));
    Napis(&d, "eHeslo2", QStringLiteral("žluťa"));
    Klikni(&d, "btnOK");
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.NovyNazev(), QStringLiteral("Jana"));
    EXPECT_EQ(d.NoveHeslo(), QStringLiteral("žluťa"));
}

// The list is in Czech order ("ch" after "h", case aside). The order is kept beside the profiles
// for the next start, which lists the same names in the kept order without sorting them (seen
// here by a kept order changed by hand); once the names change, they are sorted afresh and the
// new order is kept.
TEST_F(ProfilyGui, ManazerRadiCeskyAPamatujeSiPoradi)
{
    for (const char* jmeno : {"Zdeněk", "Chrudoš", "Čeněk", "adam", "Hana"})
        Pridat(jmeno);
    const std::filesystem::path soubor = adresar.CestaStd() + "/" + kSouborPoradiProfilu;
    const QStringList cesky {"adam", "Čeněk", "Hana", "Chrudoš", "Zdeněk"};
    {
        TManazerUzivatelu m(sklad, aktivni);
        EXPECT_EQ(Polozky(&m), cesky);
    }
    std::string ulozene = ObsahSouboru(soubor);
    ASSERT_NE(ulozene.find("\nadam\nČeněk\nHana\nChrudoš\nZdeněk\n"), std::string::npos);

    const std::string puvodne = "adam\nČeněk";
    ulozene.replace(ulozene.find(puvodne), puvodne.size(), "Čeněk\nadam");
    ZapisSoubor(soubor, ulozene);
    {
        TManazerUzivatelu m(sklad, aktivni);
        EXPECT_EQ(Polozky(&m), (QStringList {"Čeněk", "adam", "Hana", "Chrudoš", "Zdeněk"}));
    }

    Pridat("Eva");
    {
        TManazerUzivatelu m(sklad, aktivni);
        EXPECT_EQ(Polozky(&m), (QStringList {"adam", "Čeněk", "Eva", "Hana", "Chrudoš", "Zdeněk"}));
    }
    EXPECT_NE(ObsahSouboru(soubor).find("\nadam\nČeněk\nEva\nHana\nChrudoš\nZdeněk\n"),
              std::string::npos);
}

TEST_F(ProfilyGui, VytvoreniProfiluZManazeru)
{
    for (const char* jmeno : {"Zdeněk", "Čeněk", "adam", "Bára"})
        Pridat(jmeno);
    TManazerUzivatelu m(sklad, aktivni);
    m.show();
    EXPECT_EQ(Polozky(&m), (QStringList {"adam", "Bára", "Čeněk", "Zdeněk"}));
    Vyber(&m, QStringLiteral("Zdeněk"));
    EXPECT_TRUE(Prvek<QPushButton>(&m, "btnOK")->isEnabled());
    EXPECT_TRUE(Prvek<QPushButton>(&m, "btnDelete")->isEnabled());

    // Storno creates nothing.
    OdpovedzModalnimu([](QWidget* d) {
        Napis(d, "eProfil", QStringLiteral("Karel"));
        Klikni(d, "btnStorno");
    });
    Klikni(&m, "btnNew");
    EXPECT_EQ(Polozky(&m).size(), 4);
    EXPECT_FALSE(sklad.NajitProfil("Karel"));

    // Ticked, typed and unticked again: the profile gets no password.
    auto z = OdpovedzModalnimu([](QWidget* d) {
        Napis(d, "eProfil", QStringLiteral("Cyril"));
        Klikni(d, "cbHeslo");
        Napis(d, "eHeslo1", QStringLiteral("tajne1"));
        Napis(d, "eHeslo2", QStringLiteral("jine22"));
        Klikni(d, "cbHeslo");
        EXPECT_FALSE(Prvek<QLineEdit>(d, "eHeslo1")->isEnabled());
        EXPECT_EQ(Prvek<QLineEdit>(d, "eHeslo1")->text(), QStringLiteral("tajne1"));
        Klikni(d, "btnOK");
    });
    Klikni(&m, "btnNew");
    ASSERT_TRUE(z->probehlo);
    EXPECT_EQ(z->trida, QStringLiteral("TVytvorUziv"));
    EXPECT_EQ(Polozky(&m), (QStringList {"adam", "Bára", "Cyril", "Čeněk", "Zdeněk"}));
    EXPECT_TRUE(sklad.NajitProfil("Cyril"));
    EXPECT_FALSE(sklad.MaHeslo("Cyril"));
    // The selection stays where it was.
    ASSERT_EQ(Prvek<QListWidget>(&m, "lbProfil")->selectedItems().size(), 1);
    EXPECT_EQ(Prvek<QListWidget>(&m, "lbProfil")->selectedItems().first()->text(),
              QStringLiteral("Zdeněk"));
    m.hide();
}

TEST_F(ProfilyGui, ProfilBezHeslaSePrihlasiDvojklikem)
{
    Pridat("Eva");
    TManazerUzivatelu m(sklad, aktivni);
    m.show();
    Vyber(&m, QStringLiteral("Eva"));
    auto* lb = Prvek<QListWidget>(&m, "lbProfil");
    const QRect r = lb->visualItemRect(lb->item(0));
    QTest::mouseDClick(lb->viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(m.result(), QDialog::Accepted);
    EXPECT_FALSE(m.isVisible());
    EXPECT_EQ(aktivni, "Eva");
}

// From the keyboard: Down selects in the list, Enter there signs in as "&Vybrat profil" does; Enter
// on the delete question and on the end question answers No and keeps everything.
TEST_F(ProfilyGui, KlavesniceVSeznamuAVychoziNe)
{
    Pridat("Eva");
    Pridat("Pavel");
    TManazerUzivatelu m(sklad, aktivni);
    m.show();
    auto* lb = Prvek<QListWidget>(&m, "lbProfil");
    lb->setFocus();
    QTest::keyClick(lb, Qt::Key_Return);  // nothing selected: nothing to choose
    EXPECT_TRUE(m.isVisible());
    QTest::keyClick(lb, Qt::Key_Down);
    if (lb->selectedItems().isEmpty())  // the first Down may only set the current item
        QTest::keyClick(lb, Qt::Key_Space);
    ASSERT_EQ(lb->selectedItems().size(), 1);
    EXPECT_EQ(lb->selectedItems().front()->text(), QStringLiteral("Eva"));
    EXPECT_TRUE(Prvek<QPushButton>(&m, "btnDelete")->isEnabled());

    auto enter = [](QWidget* box) {
        QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, Qt::Key_Return);
    };
    auto otazka = OdpovedzModalnimu(enter);
    Klikni(&m, "btnDelete");
    ASSERT_TRUE(otazka->probehlo);
    EXPECT_EQ(otazka->text, QStringLiteral("Opravdu chcete profil \"Eva\" smazat?"));
    EXPECT_EQ(Polozky(&m), (QStringList {"Eva", "Pavel"}));
    EXPECT_TRUE(sklad.NajitProfil("Eva"));

    auto konec = OdpovedzModalnimu(enter);
    m.reject();
    ASSERT_TRUE(konec->probehlo);
    EXPECT_EQ(konec->text, QStringLiteral("Opravdu chcete ukončit program Zebrovka 2003 (2004)?"));
    EXPECT_TRUE(m.isVisible());

    lb->setFocus();
    QTest::keyClick(lb, Qt::Key_Return);
    EXPECT_EQ(m.result(), QDialog::Accepted);
    EXPECT_FALSE(m.isVisible());
    EXPECT_EQ(aktivni, "Eva");
    EXPECT_EQ(lb->accessibleName(), QStringLiteral("Profil uživatele"));
}

TEST_F(ProfilyGui, ChranenyProfilOdmitneHesloVJineVelikostiPismen)
{
    Pridat("Jana", "Heslo1");
    TManazerUzivatelu m(sklad, aktivni);
    m.show();
    Vyber(&m, QStringLiteral("Jana"));

    std::shared_ptr<ZachycenyDialog> chyba;
    auto dotaz = OdpovedzModalnimu([&chyba](QWidget* d) {
        EXPECT_EQ(Prvek<QLabel>(d, "stNadpis")->text(),
                  QStringLiteral("Vámi vybraný profil je chráněn heslem!"));
        Napis(d, "eHeslo", QStringLiteral("heslo1"));
        chyba = StiskniVeZprave(QMessageBox::Ok, d);
        QTest::keyClick(Prvek<QLineEdit>(d, "eHeslo"), Qt::Key_Return);
    });
    Klikni(&m, "btnOK");
    ASSERT_TRUE(dotaz->probehlo);
    EXPECT_EQ(dotaz->titulek, QStringLiteral("Dotaz programu Zebrovka 2003 (2004)"));
    ASSERT_TRUE(chyba);
    ExpectChyba(chyba, QStringLiteral("Zadané heslo není korektní!"));
    EXPECT_TRUE(m.isVisible());
    EXPECT_TRUE(aktivni.empty());

    // Storno in the prompt returns to the manager without a message.
    dotaz = OdpovedzModalnimu([](QWidget* d) {
        Napis(d, "eHeslo", QStringLiteral("Heslo1"));
        Klikni(d, "btnStorno");
    });
    Klikni(&m, "btnOK");
    ASSERT_TRUE(dotaz->probehlo);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(m.isVisible());
    EXPECT_TRUE(aktivni.empty());

    dotaz = OdpovedzModalnimu([](QWidget* d) {
        Napis(d, "eHeslo", QStringLiteral("Heslo1"));
        Klikni(d, "btnOK");
    });
    Klikni(&m, "btnOK");
    EXPECT_TRUE(dotaz->probehlo);
    EXPECT_EQ(m.result(), QDialog::Accepted);
    EXPECT_EQ(aktivni, "Jana");
}

TEST_F(ProfilyGui, SmazaniSeZeptaOveriHesloAOdstraniZaznamy)
{
    Pridat("Pavel", "tajne5");
    Pridat("Eva");
    VysledkyAProtokoly({"Pavel", "Eva", "Pavel"});
    TManazerUzivatelu m(sklad, aktivni);
    m.show();
    Vyber(&m, QStringLiteral("Pavel"));

    // No to the question keeps everything.
    auto otazka = StiskniVeZprave(QMessageBox::No);
    Klikni(&m, "btnDelete");
    EXPECT_EQ(otazka->text, QStringLiteral("Opravdu chcete profil \"Pavel\" smazat?"));
    EXPECT_EQ(otazka->titulek, Zpravy::kOtazka);
    EXPECT_EQ(otazka->ikona, QMessageBox::Question);
    EXPECT_EQ(Polozky(&m).size(), 2);

    // A wrong password deletes nothing either.
    std::shared_ptr<ZachycenyDialog> dotaz, chyba;
    otazka = OdpovedzModalnimu([&](QWidget* box) {
        dotaz = OdpovedzModalnimu(
            [&chyba](QWidget* d) {
                Napis(d, "eHeslo", QStringLiteral("TAJNE5"));
                chyba = StiskniVeZprave(QMessageBox::Ok, d);
                Klikni(d, "btnOK");
            },
            box);
        qobject_cast<QMessageBox*>(box)->button(QMessageBox::Yes)->click();
    });
    Klikni(&m, "btnDelete");
    ASSERT_TRUE(dotaz && dotaz->probehlo);
    ASSERT_TRUE(chyba);
    ExpectChyba(chyba, QStringLiteral("Zadané heslo není korektní!"));
    EXPECT_EQ(Zaznamu("Vysledky", "Pavel"), 2);

    otazka = OdpovedzModalnimu([&](QWidget* box) {
        dotaz = OdpovedzModalnimu(
            [](QWidget* d) {
                Napis(d, "eHeslo", QStringLiteral("tajne5"));
                Klikni(d, "btnOK");
            },
            box);
        qobject_cast<QMessageBox*>(box)->button(QMessageBox::Yes)->click();
    });
    Klikni(&m, "btnDelete");
    ASSERT_TRUE(dotaz->probehlo);
    EXPECT_EQ(Polozky(&m), QStringList {"Eva"});
    EXPECT_FALSE(Prvek<QPushButton>(&m, "btnOK")->isEnabled());
    EXPECT_FALSE(Prvek<QPushButton>(&m, "btnDelete")->isEnabled());
    EXPECT_FALSE(sklad.NajitProfil("Pavel"));
    EXPECT_EQ(Zaznamu("Vysledky", "Pavel"), 0);
    EXPECT_EQ(Zaznamu("Protokoly", "Pavel"), 0);
    EXPECT_EQ(Zaznamu("Vysledky", "Eva"), 1);
    EXPECT_EQ(Zaznamu("Protokoly", "Eva"), 1);
    m.hide();
}

TEST_F(ProfilyGui, ZaviraciPolickoSeZeptaNaKonecProgramu)
{
    Nastaveni n;
    bool vysledek = true;
    std::shared_ptr<ZachycenyDialog> ne, ano;
    auto manazer = OdpovedzModalnimu([&](QWidget* m) {
        ne = StiskniVeZprave(QMessageBox::No, m);
        m->close();
        EXPECT_TRUE(m->isVisible()) << "No keeps the manager open";
        ano = StiskniVeZprave(QMessageBox::Yes, m);
        Klikni(m, "btnCancel");
    });
    vysledek = SpustitManazerProfilu(nullptr, sklad, n);
    ASSERT_TRUE(manazer->probehlo);
    EXPECT_EQ(manazer->titulek, QStringLiteral("Správce uživatelských účtů"));
    EXPECT_FALSE(vysledek);
    for (const auto& z : {ne, ano}) {
        ASSERT_TRUE(z && z->probehlo);
        EXPECT_EQ(z->text, QStringLiteral("Opravdu chcete ukončit program Zebrovka 2003 (2004)?"));
        EXPECT_EQ(z->titulek, Zpravy::kVarovani);
        EXPECT_EQ(z->ikona, QMessageBox::Warning);
    }
    EXPECT_TRUE(n.aktivniProfil.empty());
}

TEST_F(ProfilyGui, SpustitManazerVratiZvolenyProfil)
{
    Pridat("Eva");
    Nastaveni n;
    OdpovedzModalnimu([](QWidget* m) {
        Vyber(m, QStringLiteral("Eva"));
        Klikni(m, "btnOK");
    });
    EXPECT_TRUE(SpustitManazerProfilu(nullptr, sklad, n));
    EXPECT_EQ(n.aktivniProfil, "Eva");
}

TEST_F(ProfilyGui, NastaveniCerstvehoProfiluAPotvrzeni)
{
    Pridat("Eva");
    Nastaveni n;
    n.aktivniProfil = "Eva";
    ASSERT_TRUE(sklad.NacistProfil(n));
    OdpovedzModalnimu([](QWidget* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Nastavení programu Zebrovka 2003 (2004)"));
        const std::pair<const char*, QString> kategorie[] = {
            {"cbPravidla", QStringLiteral("Pravidla provozu na pozemních komunikacích")},
            {"cbOpravneni", QStringLiteral("Řidičské oprávnění a řidičský průkaz")},
            {"cbZakonDoprava",
             QStringLiteral("Silniční zákon, silniční doprava a pojištění odpovědnosti")},
            {"cbZdravoveda", QStringLiteral("První pomoc - Zdravověda")},
            {"cbPodminky", QStringLiteral("Podmínky provozu na pozemních komunikacích")},
            {"cbZnacky", QStringLiteral("Dopravní značky a zařízení")},
            {"cbKrizovatky", QStringLiteral("Řešení dopravních situací na křižovatkách")},
        };
        for (const auto& [jmeno, popisek] : kategorie) {
            auto* cb = Prvek<QCheckBox>(d, jmeno);
            EXPECT_EQ(cb->text(), popisek);
            EXPECT_TRUE(cb->isChecked()) << jmeno;
        }
        for (const char* jmeno : {"cbProcvicovani", "cbZkouseni", "cbTest"})
            EXPECT_TRUE(Prvek<QCheckBox>(d, jmeno)->isChecked()) << jmeno;
        auto* rbB = Prvek<QRadioButton>(d, "rbB");
        EXPECT_TRUE(rbB->isChecked());
        EXPECT_EQ(rbB->text(), QStringLiteral("B (B+E) *"));
        EXPECT_EQ(d->focusWidget(), Prvek<QPushButton>(d, "btnOK"));

        Klikni(d, "rbC");
        EXPECT_FALSE(rbB->isChecked());
        Klikni(d, "cbPravidla");
        Klikni(d, "cbZnacky");
        Klikni(d, "cbZkouseni");
        Klikni(d, "btnOK");
    });
    EXPECT_TRUE(OtevritNastaveni(nullptr, n));
    EXPECT_EQ(n.skupina, "C");
    EXPECT_EQ(n.kategorie, (std::array<bool, 7> {false, true, true, true, true, false, true}));
    EXPECT_EQ(n.protokoly, (std::array<bool, 3> {true, false, true}));
    // Nothing reaches the record before the learner saves.
    Nastaveni ulozene;
    ulozene.aktivniProfil = "Eva";
    ASSERT_TRUE(sklad.NacistProfil(ulozene));
    EXPECT_EQ(ulozene.skupina, "B");
}

TEST_F(ProfilyGui, StornoNastaveniNicNemeni)
{
    Nastaveni n;
    n.skupina = "T";
    n.kategorie = {true, false, true, false, true, false, true};
    const Nastaveni puvodni = n;
    for (const char* zavrit : {"btnStormo", ""}) {
        SCOPED_TRACE(zavrit);
        OdpovedzModalnimu([zavrit](QWidget* d) {
            EXPECT_TRUE(Prvek<QRadioButton>(d, "rbT")->isChecked());
            EXPECT_FALSE(Prvek<QCheckBox>(d, "cbOpravneni")->isChecked());
            Klikni(d, "rbD");
            Klikni(d, "cbPravidla");
            Klikni(d, "cbTest");
            if (*zavrit)
                Klikni(d, zavrit);
            else
                d->close();
        });
        EXPECT_FALSE(OtevritNastaveni(nullptr, n));
        EXPECT_EQ(n.skupina, puvodni.skupina);
        EXPECT_EQ(n.kategorie, puvodni.kategorie);
        EXPECT_EQ(n.protokoly, puvodni.protokoly);
    }
}

TEST_F(ProfilyGui, NeznamaSkupinaNevybereZadnyPrepinacAZustane)
{
    Nastaveni n;
    n.skupina = "X";
    OdpovedzModalnimu([](QWidget* d) {
        for (QRadioButton* rb : d->findChildren<QRadioButton*>())
            EXPECT_FALSE(rb->isChecked()) << rb->objectName().toStdString();
        Klikni(d, "btnOK");
    });
    EXPECT_TRUE(OtevritNastaveni(nullptr, n));
    EXPECT_EQ(n.skupina, "X");
}

class Prejmenovani : public ProfilyGui {
protected:
    Prejmenovani()
    {
        Pridat("Jan O'Neil", "tajne5");
        Pridat("Eva");
        VysledkyAProtokoly({"Jan O'Neil", "Eva", "Jan O'Neil"});
        n.aktivniProfil = "Jan O'Neil";
        sklad.NacistProfil(n);
    }

    // Types `jmeno` into the rename window and confirms; returns what the window showed.
    std::shared_ptr<ZachycenyDialog> Zadat(const QString& jmeno, bool ok = true)
    {
        return OdpovedzModalnimu([jmeno, ok](QWidget* d) {
            Napis(d, "eNovyNazev", jmeno);
            auto* dotaz = qobject_cast<QInputDialog*>(d);
            ASSERT_TRUE(dotaz);
            EXPECT_EQ(dotaz->labelText(), QStringLiteral("Název nového profilu: "));
            if (ok)
                dotaz->accept();
            else
                dotaz->reject();
        });
    }

    Nastaveni n;
};

TEST_F(Prejmenovani, PravidlaJmenaNicNezmeni)
{
    const struct {
        QString jmeno;
        QString zprava;
    } pripady[] = {
        {"", QStringLiteral("Zadaný profil musí mít minimálně 1 znak!")},
        {"DEFAULT", QStringLiteral("Název Default je vyhrayený -> použíjte jiný název")},
        {"EVA", QStringLiteral("Zadaný profil již existuje!")},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.jmeno.toStdString());
        std::shared_ptr<ZachycenyDialog> chyba;
        std::shared_ptr<ZachycenyDialog> znovu;
        QString znovuNabidnuto;
        auto okno = OdpovedzModalnimu([&](QWidget* d) {
            Napis(d, "eNovyNazev", p.jmeno);
            chyba = OdpovedzModalnimu(
                [&](QWidget* box) {
                    // The window opens again with the typed name; Storno then ends the rename.
                    znovu = OdpovedzModalnimu(
                        [&](QWidget* d2) {
                            znovuNabidnuto = qobject_cast<QInputDialog*>(d2)->textValue();
                            qobject_cast<QInputDialog*>(d2)->reject();
                        },
                        box);
                    qobject_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
                },
                d);
            qobject_cast<QInputDialog*>(d)->accept();
        });
        EXPECT_FALSE(PrejmenovatAktivniProfil(nullptr, sklad, n));
        EXPECT_EQ(okno->titulek, QStringLiteral("Přejmenovat profil \"Jan O'Neil\" na..."));
        ASSERT_TRUE(chyba);
        ExpectChyba(chyba, p.zprava);
        ASSERT_TRUE(znovu && znovu->probehlo);
        EXPECT_EQ(znovu->titulek, okno->titulek);
        EXPECT_EQ(znovuNabidnuto, p.jmeno);
        EXPECT_EQ(n.aktivniProfil, "Jan O'Neil");
        EXPECT_EQ(sklad.SeznamProfilu(), (std::vector<std::string> {"Jan O'Neil", "Eva"}));
        EXPECT_EQ(Zaznamu("Vysledky", "Jan O'Neil"), 2);
    }

    // The unchanged name and a cancelled window end silently.
    Zadat(QStringLiteral("Jan O'Neil"));
    EXPECT_FALSE(PrejmenovatAktivniProfil(nullptr, sklad, n));
    Zadat(QStringLiteral("Karel"), false);
    EXPECT_FALSE(PrejmenovatAktivniProfil(nullptr, sklad, n));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(sklad.SeznamProfilu(), (std::vector<std::string> {"Jan O'Neil", "Eva"}));
}

TEST_F(Prejmenovani, OdmitnuteJmenoLzeOpravitVeZnovuOtevrenemOkne)
{
    std::shared_ptr<ZachycenyDialog> chyba;
    QString nabidnuto;
    OdpovedzModalnimu([&](QWidget* d) {
        Napis(d, "eNovyNazev", QStringLiteral("eva"));
        chyba = OdpovedzModalnimu(
            [&](QWidget* box) {
                OdpovedzModalnimu(
                    [&](QWidget* d2) {
                        nabidnuto = qobject_cast<QInputDialog*>(d2)->textValue();
                        Napis(d2, "eNovyNazev", QStringLiteral("Evička"));
                        qobject_cast<QInputDialog*>(d2)->accept();
                    },
                    box);
                qobject_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
            },
            d);
        qobject_cast<QInputDialog*>(d)->accept();
    });
    EXPECT_TRUE(PrejmenovatAktivniProfil(nullptr, sklad, n));
    ASSERT_TRUE(chyba);
    ExpectChyba(chyba, QStringLiteral("Zadaný profil již existuje!"));
    EXPECT_EQ(nabidnuto, QStringLiteral("eva"));
    EXPECT_EQ(n.aktivniProfil, "Evička");
    EXPECT_EQ(sklad.SeznamProfilu(), (std::vector<std::string> {"Evička", "Eva"}));
    EXPECT_EQ(Zaznamu("Vysledky", "Evička"), 2);
}

TEST_F(Prejmenovani, PrejmenujeProfilIJehoZaznamy)
{
    n.skupina = "C";  // unsaved change, dropped by the reload after the rename
    Zadat(QStringLiteral("Honza Novák, přejmenovaný na dlouhé jméno"));
    EXPECT_TRUE(PrejmenovatAktivniProfil(nullptr, sklad, n));
    const std::string nove = "Honza Novák, přejmenovaný na d";
    EXPECT_EQ(n.aktivniProfil, nove) << "the entry takes at most 30 characters";
    EXPECT_EQ(n.skupina, "B");
    EXPECT_EQ(sklad.SeznamProfilu(), (std::vector<std::string> {nove, "Eva"}));
    EXPECT_TRUE(sklad.OverHeslo(nove, "tajne5"));
    EXPECT_EQ(Zaznamu("Vysledky", "Jan O'Neil"), 0);
    EXPECT_EQ(Zaznamu("Protokoly", "Jan O'Neil"), 0);
    EXPECT_EQ(Zaznamu("Vysledky", nove), 2);
    EXPECT_EQ(Zaznamu("Protokoly", nove), 2);
    EXPECT_EQ(Zaznamu("Vysledky", "Eva"), 1);

    // Another case of its own name is not another profile's name.
    Zadat(QString::fromStdString(nove).toUpper());
    EXPECT_TRUE(PrejmenovatAktivniProfil(nullptr, sklad, n));
    EXPECT_EQ(n.aktivniProfil, QString::fromStdString(nove).toUpper().toStdString());
}

TEST_F(Prejmenovani, ZmenaHeslaAOvereniNoveho)
{
    const auto zmena = [](std::vector<std::pair<QString, QString>> pokusy, const char* konec) {
        return OdpovedzModalnimu([pokusy, konec](QWidget* d) {
            for (const auto& [heslo1, heslo2] : pokusy) {
                Napis(d, "eHeslo1", heslo1);
                Napis(d, "eHeslo2", heslo2);
                auto z = StiskniVeZprave(QMessageBox::Ok, d);
                Klikni(d, "btnOK");
                EXPECT_TRUE(z->probehlo);
                EXPECT_EQ(z->titulek, Zpravy::kChyba);
                EXPECT_TRUE(z->text.endsWith(QStringLiteral("\nZadejte heslo znovu!")));
                EXPECT_TRUE(d->isVisible());
            }
            Napis(d, "eHeslo1", QStringLiteral("Nové heslo"));
            Napis(d, "eHeslo2", QStringLiteral("Nové heslo"));
            Klikni(d, konec);
        });
    };

    auto okno = zmena({}, "btnStorno");
    ZmenitHesloAktivnihoProfilu(nullptr, sklad, n);
    EXPECT_EQ(okno->titulek, QStringLiteral("Změnit heslo profilu Jan O'Neil na..."));
    EXPECT_TRUE(sklad.OverHeslo("Jan O'Neil", "tajne5"));

    okno = zmena({{"abcde", "abcdf"}, {"abcd", "abcd"}}, "btnOK");
    ZmenitHesloAktivnihoProfilu(nullptr, sklad, n);
    EXPECT_TRUE(okno->probehlo);
    EXPECT_FALSE(sklad.OverHeslo("Jan O'Neil", "tajne5"));
    EXPECT_TRUE(sklad.OverHeslo("Jan O'Neil", "Nové heslo"));
}

}  // namespace
