// The looks under a dark desktop palette: every text the learner reads in practice (with the note
// after a mistake), on the points-test sheet and in its comparison keeps its contrast, measured
// from the colour each control draws its text with and the pixel behind it on the screen.
#include "app/THlavniFormular.h"
#include "profiles/ProfilovySklad.h"
#include "questions/gui/PanelOtazek.h"
#include "questions/gui/TDotazPZ.h"
#include "questions/Banka.h"
#include "test/gui/TTestForm.h"
#include "testsupport/GuiTest.h"
#include "testsupport/Kontrast.h"
#include "testsupport/RucniHodiny.h"
#include "testsupport/TestovaciBanka.h"
#include "testsupport/Najdi.h"
#include "ui/MereniTextu.h"
#include "ui/Vzhled.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <string>
#include <vector>

namespace {

// A dark desktop: light texts on dark surfaces everywhere the program does not fix its colours.
QPalette TmavaPlocha()
{
    QPalette p(QColor(0x35, 0x35, 0x35));
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(g, QPalette::WindowText, Qt::white);
        p.setColor(g, QPalette::Text, Qt::white);
        p.setColor(g, QPalette::ButtonText, Qt::white);
        p.setColor(g, QPalette::Base, QColor(0x20, 0x20, 0x20));
    }
    return p;
}

struct NejhorsiText {
    double pomer = 99;
    QString kde;
};

// The lowest contrast over the visible texts of `okno`: the colour a control draws its text
// with against the pixel at the inner corner of its contents on the rendered window.
NejhorsiText NejnizsiKontrast(QWidget* okno)
{
    const QImage obraz = okno->grab().toImage();
    const qreal dpr = obraz.devicePixelRatio();
    NejhorsiText nejhorsi;
    for (QWidget* w : okno->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->window() != okno)
            continue;
        const auto* popisek = qobject_cast<QLabel*>(w);
        const auto* text = dynamic_cast<StatickyText*>(w);
        const auto* policko = qobject_cast<QCheckBox*>(w);
        const auto* nabidka = qobject_cast<QMenuBar*>(w);
        const bool maText =
            (popisek && !popisek->text().trimmed().isEmpty() && popisek->pixmap().isNull())
            || (text && !text->text().isEmpty()) || (policko && !policko->text().isEmpty())
            || nabidka;
        if (!maText)
            continue;
        const QPalette::ColorGroup skupina = w->isEnabled() ? QPalette::Active : QPalette::Disabled;
        // A menu bar draws its captions in the button text colour.
        const QColor popredi =
            w->palette().color(skupina, nabidka ? QPalette::ButtonText : w->foregroundRole());
        const QPoint roh = w->mapTo(okno, w->contentsRect().bottomRight());
        const QColor pozadi =
            obraz.pixelColor(QPoint(qRound(roh.x() * dpr), qRound(roh.y() * dpr)));
        const double pomer = KontrastBarev(popredi, pozadi);
        if (pomer < nejhorsi.pomer)
            nejhorsi = {pomer,
                        w->objectName() + QStringLiteral(" ") + popredi.name() + QStringLiteral("/")
                            + pozadi.name()};
    }
    return nejhorsi;
}

// With ZK_SNIMKY set, the window as drawn goes to that folder (the looks' screenshots).
void Snimek(QWidget* okno, const QString& nazev)
{
    const QString slozka = qEnvironmentVariable("ZK_SNIMKY");
    if (!slozka.isEmpty())
        okno->grab().save(slozka + QLatin1Char('/') + nazev + QStringLiteral(".png"));
}

class Vzhledy : public testing::Test {
protected:
    void SetUp() override
    {
        QApplication::setPalette(TmavaPlocha());
        std::vector<Otazka> otazky = UmelaBanka([](int) { return std::string("ABCD"); });
        for (Otazka& o : otazky)
            o.poznamka = "Vysvětlení k otázce " + std::to_string(o.cislo)
                + ": řidič dbá zvýšené opatrnosti.";
        ZapisTestovaciBanku(adresar.CestaStd(), otazky);
        ZapisObrazkyVzoroveBanky(adresar.CestaStd());
        ProfilovySklad sklad(adresar.CestaStd());
        sklad.ZalozitTabulkuProfilu();
        sklad.PridatProfil("Jana", "1111111", "B", "000", "11", "1", "");
    }

    DocasnyAdresar adresar;
};

}  // namespace

TEST_F(Vzhledy, KazdyTextMaSvujKontrastIPodTmavouPlochou)
{
    THlavniFormular hlavni(adresar.CestaStd());
    auto prihlaseni = PrihlasVManazeru(QStringLiteral("Jana"));
    ASSERT_EQ(hlavni.Spust(), THlavniFormular::Start::Prihlasen);
    RucniHodiny hodiny;
    hodiny.msUtc = 12345;
    hodiny.mistni = DatumCas {2026, 3, 14, 10, 0, 0, 0};

    struct Pripad {
        QAction* volba;
        Vzhled vzhled;
        double minimum;  // the classic look keeps the program's own colours, "Správně" at 3:1 the
                         // lowest
    };
    for (const Pripad& p :
         {Pripad {Najdi<QAction>(&hlavni, "M1VzhledKlasicky"), Vzhled::Klasicky, 2.9},
          Pripad {Najdi<QAction>(&hlavni, "M1VzhledTmavy"), Vzhled::Tmavy, 4.5},
          Pripad {Najdi<QAction>(&hlavni, "M1VzhledKontrast"), Vzhled::VysokyKontrast, 7.0}}) {
        SCOPED_TRACE(p.volba->objectName().toStdString());
        if (p.vzhled != AktualniVzhled())
            p.volba->trigger();
        ASSERT_EQ(AktualniVzhled(), p.vzhled);
        EXPECT_TRUE(p.volba->isChecked());

        // Practice: a wrong answer, the verdict panel and the note below the answers.
        OdpovedzModalnimu([](QWidget* w) { Najdi<QPushButton>(w, "btnPotvrdit")->click(); });
        Vyvolej(&hlavni, "M1Procvicovat");
        ASSERT_EQ(hlavni.Rezim(), QStringLiteral("Procvicovani"));
        // The hidden status bar gives its height back to the strip once the layout has run.
        ASSERT_TRUE(CekejNa([&] { return hlavni.centralWidget()->height() == 386; }, 2000));
        QTest::mouseClick(Najdi<StatickyText>(&hlavni, "stB"), Qt::LeftButton);
        QTest::mouseClick(Najdi<QLabel>(&hlavni, "lbCisloOtazky"), Qt::RightButton);
        ASSERT_TRUE(Najdi<QLabel>(&hlavni, "pSpravne")->isVisible());
        ASSERT_TRUE(Najdi<StatickyText>(&hlavni, "stPoznamka")->isVisible());
        const NejhorsiText procvicovani = NejnizsiKontrast(&hlavni);
        Snimek(&hlavni, QStringLiteral("procvicovani-") + p.volba->objectName());
        EXPECT_GE(procvicovani.pomer, p.minimum) << procvicovani.kde.toStdString();
        Vyprs(&hlavni, "Timer1");
        auto konec = StiskniVeZprave(QMessageBox::Yes);
        Vyvolej(&hlavni, "M2KonecRezimu");
        ASSERT_TRUE(konec->probehlo);

        // The points test: its sheet, then the comparison with the compared question's note.
        Banka banka;
        banka.Nacti(adresar.CestaStd());
        TTestForm test(banka, hlavni.relace.nastaveni, adresar.CestaStd(), hodiny, &hlavni);
        auto info = StiskniVeZprave(QMessageBox::Ok);
        ASSERT_TRUE(test.FormCreate());
        Najdi<QTimer>(&test, "Timer1")->stop();
        test.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&test));
        const NejhorsiText list = NejnizsiKontrast(&test);
        EXPECT_GE(list.pomer, p.minimum) << list.kde.toStdString();
        auto souhrn = StiskniVeZprave(QMessageBox::Ok);
        Najdi<QPushButton>(&test, "btnVyhodnotit")->click();
        ASSERT_TRUE(souhrn->probehlo);
        Najdi<QTableWidget>(&test, "Tabulka")->setCurrentCell(0, 1);
        ASSERT_TRUE(Najdi<StatickyText>(&test, "Poznamka")->isVisible());
        const NejhorsiText porovnani = NejnizsiKontrast(&test);
        Snimek(&test, QStringLiteral("porovnani-") + p.volba->objectName());
        EXPECT_GE(porovnani.pomer, p.minimum) << porovnani.kde.toStdString();
        test.close();
    }
    // The choice is the profile's.
    EXPECT_EQ(NactiVzhled(adresar.CestaStd(), "Jana"), Vzhled::VysokyKontrast);
    Vyvolej(&hlavni, "M1VzhledKlasicky");
    EXPECT_EQ(QApplication::palette().color(QPalette::Window),
              TmavaPlocha().color(QPalette::Window));
    EXPECT_EQ(NactiVzhled(adresar.CestaStd(), "Jana"), Vzhled::Klasicky);
}
