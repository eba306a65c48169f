// The question's own commands in the main window: search in browse mode (Ctrl+F), flags kept per
// profile (Ctrl+M, "Označené otázky"), reading aloud (F4) through a recording voice, and the
// closer look at a picture (click or Z).
#include "app/THlavniFormular.h"
#include "profiles/ProfilovySklad.h"
#include "questions/gui/OknoObrazku.h"
#include "questions/gui/PanelOtazek.h"
#include "questions/gui/TDotazPZ.h"
#include "testsupport/GuiTest.h"
#include "testsupport/Pristupnost.h"
#include "testsupport/Najdi.h"
#include "testsupport/TestovaciBanka.h"
#include "ui/Hlas.h"
#include "ui/MereniTextu.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <filesystem>
#include <set>

namespace {

namespace fs = std::filesystem;

Otazka S(int cislo, std::string otazka, std::string a, std::string b, std::string poznamka = {})
{
    Otazka o = JednoduchaOtazka(cislo);
    o.otazka = std::move(otazka);
    o.a = std::move(a);
    o.b = std::move(b);
    o.c.clear();
    o.poznamka = std::move(poznamka);
    return o;
}

std::vector<Otazka> Banka_()
{
    std::vector<Otazka> otazky {
        S(1, "Řidič smí na křižovatce otáčet", "Jen když neohrozí ostatní.", "Vždy."),
        S(2, "Chodec na přechodu", "Má přednost před tramvají.", "Nemá přednost.",
          "Viz pravidla pro KŘIŽOVATKY."),
        S(3, "Vozidlo zastaví", "Na dálnici ne.", "Kdekoli."),
        S(4, "Světla za mlhy", "Potkávací.", "Dálková."),
    };
    Otazka obrazek = S(621, "Co znamená značka na obrázku?", "Zákaz vjezdu.",
                       "Křižovatka s vedlejší pozemní komunikací.");
    obrazek.obrazek = "grafika/621.jpg";
    otazky.push_back(obrazek);
    return otazky;
}

// The voice of the tests: records what it was told to say and to stop.
class NahravaciHlas : public Hlas {
public:
    struct Zaznam {
        QStringList reci;
        int zastaveni = 0;
        bool mluvi = false;
        bool cesky = true;
    };
    explicit NahravaciHlas(std::shared_ptr<Zaznam> z) : z_(std::move(z)) { }
    bool CeskyHlas() override { return z_->cesky; }
    void Rekni(const QString& text) override
    {
        z_->reci << text;
        z_->mluvi = true;
    }
    void Zastav() override
    {
        ++z_->zastaveni;
        z_->mluvi = false;
    }
    bool Mluvi() const override { return z_->mluvi; }

private:
    std::shared_ptr<Zaznam> z_;
};

class OtazkaNavic : public testing::Test {
protected:
    void SetUp() override
    {
        ZapisObrazkyVzoroveBanky(Adresar());
        ZapisTestovaciBanku(Adresar(), Banka_());
        ProfilovySklad sklad(Adresar());
        sklad.ZalozitTabulkuProfilu();
        sklad.PridatProfil("Jana", "1111111", "B", "111", "11", "1", "");
        sklad.PridatProfil("Eva", "1111111", "B", "111", "11", "1", "");
        hlavni = std::make_unique<THlavniFormular>(Adresar());
        auto prihlaseni = PrihlasVManazeru(QStringLiteral("Jana"));
        ASSERT_EQ(hlavni->Spust(), THlavniFormular::Start::Prihlasen);
        Aktivuj();
    }

    fs::path Adresar() const { return adresar.CestaStd(); }

    // A shortcut needs its window active; offscreen, a closed dialog leaves none.
    void Aktivuj()
    {
        hlavni->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(hlavni.get()));
    }

    void Klavesa(Qt::Key klavesa, Qt::KeyboardModifiers s = Qt::NoModifier)
    {
        QWidget* cil = QApplication::focusWidget() ? QApplication::focusWidget() : hlavni.get();
        QTest::keyClick(cil, klavesa, s);
    }

    void Prohlizet(int cislo)
    {
        if (hlavni->Rezim().isEmpty())
            Vyvolej(hlavni, "M1Prohlizet");
        Najdi<QLineEdit>(hlavni, "eCisloO")->setText(QString::number(cislo));
        QTest::keyClick(Najdi<QLineEdit>(hlavni, "eCisloO"), Qt::Key_Return);
    }

    QString Cislo() const { return Najdi<QLabel>(hlavni, "lbCisloOtazky")->text(); }

    DocasnyAdresar adresar;
    std::unique_ptr<THlavniFormular> hlavni;
};

// Types the text key by key; QTest::keyClicks knows ASCII only.
void Napis(QWidget* cil, const QString& text)
{
    for (QChar znak : text)
        QTest::sendKeyEvent(QTest::Click, cil, Qt::Key_unknown, QString(znak), Qt::NoModifier);
}

QStringList Radky(QListWidget* seznam)
{
    QStringList radky;
    for (int i = 0; i < seznam->count(); ++i)
        radky << seznam->item(i)->text();
    return radky;
}

}  // namespace

// Ctrl+F in browse mode: words with or without diacritics list the questions by number and text,
// the arrows choose, Enter shows the choice; a number typed into the field jumps to it.
TEST_F(OtazkaNavic, HledaniVProhlizeni)
{
    Prohlizet(1);
    Klavesa(Qt::Key_F, Qt::ControlModifier);
    auto* panel = Najdi<QWidget>(hlavni.get(), QStringLiteral("pHledani"));
    auto* pole = Najdi<QLineEdit>(hlavni.get(), QStringLiteral("eHledani"));
    auto* seznam = Najdi<QListWidget>(hlavni.get(), QStringLiteral("lwVysledky"));
    ASSERT_TRUE(panel && pole && seznam);
    ASSERT_TRUE(panel->isVisible());
    ASSERT_EQ(QApplication::focusWidget(), pole);
    EXPECT_EQ(NedostupneVOkne(hlavni.get()), QStringList()) << "what a screen reader misses";

    const struct {
        const char* slova;
        QStringList radky;
    } pripady[] = {
        {"křižovatce", {"  1  Řidič smí na křižovatce otáčet"}},
        {"KRIZOVAT",
         {"  1  Řidič smí na křižovatce otáčet", "  2  Chodec na přechodu",
          "621  Co znamená značka na obrázku?"}},  // question, note, answer
        {"prednost tramvaji", {"  2  Chodec na přechodu"}},
        {"dálnic", {"  3  Vozidlo zastaví"}},
        {"letadlo", {}},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.slova);
        pole->clear();
        Napis(pole, QString::fromUtf8(p.slova));
        EXPECT_EQ(Radky(seznam), p.radky);
        EXPECT_EQ(Najdi<QLabel>(panel, QStringLiteral("lbNalezeno"))->text(),
                  QStringLiteral("Nalezeno otázek: %1").arg(p.radky.size()));
    }

    pole->clear();
    QTest::keyClicks(pole, QStringLiteral("krizovat"));
    Klavesa(Qt::Key_Down);
    Klavesa(Qt::Key_Down);
    Klavesa(Qt::Key_Return);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(Cislo(), QStringLiteral("Otázka číslo 621"));
    EXPECT_EQ(Najdi<QLineEdit>(hlavni, "eCisloO")->text(), QStringLiteral("621"));
    EXPECT_EQ(QApplication::focusWidget(), Najdi<QLineEdit>(hlavni, "eCisloO"));

    // Reopened, it keeps its words; a number jumps as the browse entry does (clamped to the bank).
    Klavesa(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(pole->text(), QStringLiteral("krizovat"));
    pole->clear();
    QTest::keyClicks(pole, QStringLiteral("3"));
    Klavesa(Qt::Key_Return);
    EXPECT_EQ(Cislo(), QStringLiteral("Otázka číslo 3"));
    Klavesa(Qt::Key_F, Qt::ControlModifier);
    Klavesa(Qt::Key_Escape);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(Cislo(), QStringLiteral("Otázka číslo 3"));

    // Outside browse mode Ctrl+F opens nothing.
    Vyvolej(hlavni, "M2KonecRezimu");
    auto dotaz =
        OdpovedzModalnimu([](QWidget* w) { Najdi<QPushButton>(w, "btnPotvrdit")->click(); });
    Vyvolej(hlavni, "M1Procvicovat");
    ASSERT_TRUE(dotaz->probehlo);
    Aktivuj();
    EXPECT_FALSE(Najdi<QAction>(hlavni, "M2Hledat")->isEnabled());
    Klavesa(Qt::Key_F, Qt::ControlModifier);
    EXPECT_FALSE(panel->isVisible());
}

// Ctrl+M flags the shown question in any mode, per profile; the flags outlive a sign-out, the
// browse box shows the mark, and "Označené otázky" practises exactly the flagged questions.
TEST_F(OtazkaNavic, OznaceniPoProfilechAProcvicovani)
{
    auto* znacka = Najdi<QLabel>(hlavni, "lbOznacena");
    Prohlizet(2);
    EXPECT_FALSE(znacka->isVisible());
    Klavesa(Qt::Key_M, Qt::ControlModifier);
    EXPECT_TRUE(znacka->isVisible());
    Prohlizet(3);
    EXPECT_FALSE(znacka->isVisible());
    Klavesa(Qt::Key_M, Qt::ControlModifier);
    Prohlizet(4);
    Vyvolej(hlavni, "M2Oznacit");  // the menu item does the same
    Klavesa(Qt::Key_M, Qt::ControlModifier);  // and a second press takes the flag away
    EXPECT_FALSE(znacka->isVisible());
    Vyvolej(hlavni, "M2KonecRezimu");

    // Eva has flags of her own; Jana's come back with her.
    const struct {
        const char* profil;
        int cislo;
        bool oznacena;
    } pripady[] = {{"Eva", 2, false},
                   {"Eva", 3, false},
                   {"Jana", 2, true},
                   {"Jana", 3, true},
                   {"Jana", 4, false}};
    for (const auto& p : pripady) {
        SCOPED_TRACE(std::string(p.profil) + " " + std::to_string(p.cislo));
        if (QString::fromUtf8(p.profil) != Najdi<QLabel>(hlavni, "panel1")->text()) {
            auto prihlaseni = PrihlasVManazeru(QString::fromUtf8(p.profil));
            Vyvolej(hlavni, "M1Odhlasit");
            ASSERT_TRUE(prihlaseni->probehlo);
            Aktivuj();
        }
        Prohlizet(p.cislo);
        EXPECT_EQ(znacka->isVisible(), p.oznacena);
        Vyvolej(hlavni, "M2KonecRezimu");
    }

    // The practice of flagged questions: 2 and 3 in order, flagged and unflagged there too.
    auto dotaz = OdpovedzModalnimu([](QWidget* w) {
        auto* d = qobject_cast<TDotazPZ*>(w);
        EXPECT_EQ(Najdi<QScrollBar>(d, "sbPocet")->maximum(), 2);
        Najdi<QPushButton>(d, "btnPotvrdit")->click();
    });
    Vyvolej(hlavni, "M1OznaceneOtazky");
    ASSERT_TRUE(dotaz->probehlo);
    EXPECT_EQ(hlavni->Rezim(), QStringLiteral("Procvicovani"));
    EXPECT_EQ(Cislo(), QStringLiteral("Otázka číslo 2"));
    EXPECT_TRUE(Najdi<QLabel>(hlavni, "lbOznaceni")->isVisible());
    Aktivuj();
    Klavesa(Qt::Key_M, Qt::ControlModifier);
    EXPECT_FALSE(Najdi<QLabel>(hlavni, "lbOznaceni")->isVisible());

    // Ended early, the run leaves 3 flagged alone; with that flag taken away too the practice
    // says there is nothing to practise instead of starting.
    auto konec = StiskniVeZprave(QMessageBox::Yes);
    Vyvolej(hlavni, "M2KonecRezimu");
    ASSERT_TRUE(konec->probehlo);
    Aktivuj();
    Prohlizet(3);
    EXPECT_TRUE(znacka->isVisible());
    Klavesa(Qt::Key_M, Qt::ControlModifier);
    Vyvolej(hlavni, "M2KonecRezimu");
    auto nic = StiskniVeZprave(QMessageBox::Ok);
    Vyvolej(hlavni, "M1OznaceneOtazky");
    ASSERT_TRUE(nic->probehlo);
    EXPECT_TRUE(nic->text.startsWith(QStringLiteral("Nemáte označené žádné otázky")))
        << nic->text.toStdString();
    EXPECT_TRUE(hlavni->Rezim().isEmpty());
}

// F4 reads the shown question and its answers in Czech; a second press stops; with no Czech
// voice a box names the package that brings one.
TEST_F(OtazkaNavic, PrecteniNahlas)
{
    auto zaznam = std::make_shared<NahravaciHlas::Zaznam>();
    hlavni->NastavHlas(std::make_unique<NahravaciHlas>(zaznam));
    Prohlizet(2);
    Klavesa(Qt::Key_F4);
    ASSERT_EQ(zaznam->reci.size(), 1);
    EXPECT_EQ(zaznam->reci[0],
              QStringLiteral("Otázka. Chodec na přechodu\n"
                             "Odpověď a. Má přednost před tramvají.\n"
                             "Odpověď b. Nemá přednost."));
    Klavesa(Qt::Key_F4);
    EXPECT_EQ(zaznam->zastaveni, 1);
    EXPECT_EQ(zaznam->reci.size(), 1);
    Vyvolej(hlavni, "M2PrecistNahlas");  // the menu item, on the next question
    Prohlizet(3);
    Vyvolej(hlavni, "M2PrecistNahlas");
    EXPECT_EQ(zaznam->zastaveni, 2) << "a second press stops, whatever is shown";
    Vyvolej(hlavni, "M2PrecistNahlas");
    ASSERT_EQ(zaznam->reci.size(), 3);
    EXPECT_TRUE(zaznam->reci[2].startsWith(
        QStringLiteral("Otázka. Vozidlo zastaví\nOdpověď a. Na dálnici ne.")));
    Vyvolej(hlavni, "M2KonecRezimu");
    EXPECT_EQ(zaznam->zastaveni, 3) << "ending the mode stops the voice";

    zaznam->cesky = false;
    zaznam->mluvi = false;
    Prohlizet(1);
    auto box = StiskniVeZprave(QMessageBox::Ok);
    Vyvolej(hlavni, "M2PrecistNahlas");
    ASSERT_TRUE(box->probehlo);
    EXPECT_TRUE(box->text.contains(QStringLiteral("speech-dispatcher-espeak-ng")))
        << box->text.toStdString();
    EXPECT_EQ(zaznam->reci.size(), 3);
}

// A click on the picture, Z, or "Zvětšit obrázek" in the menu opens it large in a window of its
// own, from its sharpest twin.
TEST_F(OtazkaNavic, ZvetsenyObrazek)
{
    const QString grafika = adresar.Cesta() + QStringLiteral("/grafika/");
    QImage dvojnasobny(80, 60, QImage::Format_RGB32);
    dvojnasobny.fill(Qt::darkGreen);
    ASSERT_TRUE(dvojnasobny.save(grafika + QStringLiteral("621@2x.jpg")));
    QImage ctyrnasobny(160, 120, QImage::Format_RGB32);
    ctyrnasobny.fill(Qt::darkRed);
    enum class Jak { Klik, Klavesa, Nabidka };
    const struct {
        bool ctyrnasobny;
        Jak jak;
        const char* soubor;
    } pripady[] = {{false, Jak::Klik, "621@2x.jpg"},
                   {true, Jak::Klavesa, "621@4x.jpg"},
                   {true, Jak::Klik, "621@4x.jpg"},
                   {true, Jak::Nabidka, "621@4x.jpg"}};
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.soubor);
        if (p.ctyrnasobny)
            ASSERT_TRUE(ctyrnasobny.save(grafika + QStringLiteral("621@4x.jpg")));
        Prohlizet(621);
        ASSERT_TRUE(Najdi<QLabel>(hlavni, "imgObrazek")->isVisible());
        EXPECT_EQ(Najdi<QLabel>(hlavni, "imgObrazek")->size(), QSize(40, 30))
            << "the plain picture's size";
        if (p.jak == Jak::Klavesa)
            Klavesa(Qt::Key_Z);
        else if (p.jak == Jak::Nabidka)
            Vyvolej(hlavni, "M2Zvetsit");
        else
            QTest::mouseClick(Najdi<QLabel>(hlavni, "imgObrazek"), Qt::LeftButton);
        auto* okno = hlavni->findChild<OknoObrazku*>(QStringLiteral("OknoObrazku"));
        ASSERT_NE(okno, nullptr);
        EXPECT_TRUE(okno->isVisible());
        EXPECT_EQ(okno->Soubor(), grafika + QLatin1String(p.soubor));
        EXPECT_EQ(okno->windowTitle(), QStringLiteral("Obrázek k otázce číslo 621"));
        EXPECT_EQ(okno->size(), QSize(160, 120)) << "four times the plain size";
        EXPECT_EQ(NedostupneVOkne(okno), QStringList()) << "what a screen reader misses";
        const QImage ukazany =
            Najdi<QLabel>(okno, QStringLiteral("imgZvetseny"))->pixmap().toImage();
        EXPECT_EQ(ukazany.pixelColor(80, 60).red() > 100, p.ctyrnasobny);
        okno->close();
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Vyvolej(hlavni, "M2KonecRezimu");
        Aktivuj();
    }

    // A question without a picture opens nothing.
    Prohlizet(1);
    Klavesa(Qt::Key_Z);
    EXPECT_EQ(hlavni->findChild<OknoObrazku*>(QStringLiteral("OknoObrazku")), nullptr);
}
