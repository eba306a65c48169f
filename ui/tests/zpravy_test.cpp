#include "ui/Zpravy.h"

#include "testsupport/GuiTest.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <functional>

TEST(Zpravy, PredemZodpovezenaZpravaSeNeukazeAPlatiJenProJednu)
{
    Zpravy::Zachycena zachycena;
    Zpravy::ZodpovezPristi(true, &zachycena);
    EXPECT_TRUE(Zpravy::Varovani(nullptr, QStringLiteral("Smazat profil?")));
    EXPECT_EQ(zachycena.titulek, Zpravy::kVarovani);
    EXPECT_EQ(zachycena.text, QStringLiteral("Smazat profil?"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    Zpravy::ZodpovezPristi(false);
    EXPECT_FALSE(Zpravy::Otazka(nullptr, QStringLiteral("Opravdu?")));

    // The answer is used up: the next box is shown and answered on screen.
    auto box = StiskniVeZprave(QMessageBox::Yes);
    EXPECT_TRUE(Zpravy::Otazka(nullptr, QStringLiteral("Znovu?")));
    ASSERT_TRUE(box->probehlo);
    EXPECT_EQ(box->titulek, Zpravy::kOtazka);
    EXPECT_EQ(box->ikona, QMessageBox::Question);
}

TEST(Zpravy, ZpravaStojiUprostredNadOtviracemVeSveKonecneVelikosti)
{
    QWidget otevirac;
    otevirac.setGeometry(100, 80, 632, 420);
    otevirac.show();
    for (const QString& text :
         {QStringLiteral("Hotovo."), QStringLiteral("Zadaný profil již existuje!"),
          QStringLiteral("Potvrzení hesla se nezdařilo!\nZadejte heslo znovu!\n"
                         "Heslo musí mít nejméně pět znaků, jinak jej nelze uložit.")}) {
        QRect box;
        auto zaznam = OdpovedzModalnimu([&](QWidget* w) {
            box = w->frameGeometry();
            qobject_cast<QMessageBox*>(w)->button(QMessageBox::Ok)->click();
        });
        Zpravy::Informace(&otevirac, text);
        ASSERT_TRUE(zaznam->probehlo) << text.toStdString();
        const QRect nad = otevirac.frameGeometry();
        EXPECT_EQ(box.left(), nad.left() + (nad.width() - box.width()) / 2) << text.toStdString();
        EXPECT_EQ(box.top(), nad.top() + (nad.height() - box.height()) / 2) << text.toStdString();
    }
}

// Enter presses the default button: "Ne" on every Yes/No box unless the caller asks for "Ano".
TEST(Zpravy, EnterStisknePrednastaveneTlacitko)
{
    QWidget otevirac;
    otevirac.show();
    struct Pripad {
        const char* nazev;
        std::function<bool()> ukaz;
        bool ocekavano;
    };
    const Pripad pripady[] = {
        {"otazka", [&] { return Zpravy::Otazka(&otevirac, QStringLiteral("Opravdu?")); }, false},
        {"otazka s Ano",
         [&] { return Zpravy::Otazka(&otevirac, QStringLiteral("Uložit?"), Zpravy::Vychozi::Ano); },
         true},
        {"varovani", [&] { return Zpravy::Varovani(&otevirac, QStringLiteral("Ukončit?")); },
         false},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.nazev);
        QString vychozi;
        auto box = OdpovedzModalnimu([&](QWidget* w) {
            auto* zprava = qobject_cast<QMessageBox*>(w);
            ASSERT_NE(zprava, nullptr);
            vychozi = zprava->defaultButton() ? zprava->defaultButton()->text() : QString();
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w,
                            Qt::Key_Return);
        });
        EXPECT_EQ(p.ukaz(), p.ocekavano);
        ASSERT_TRUE(box->probehlo);
        EXPECT_EQ(vychozi, p.ocekavano ? QStringLiteral("&Ano") : QStringLiteral("&Ne"));
    }
}
