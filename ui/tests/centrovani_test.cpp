#include "ui/Centrovani.h"

#include "testsupport/GuiTest.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include <functional>

// A dialog is centred before it is shown, when it has no frame yet; where it stands on screen,
// frame included, is what counts: exactly centred over its opener's frame, to the pixel.
TEST(Centrovani, DialogStojiUprostredSeSvymRameckem)
{
    QWidget otevirac;
    otevirac.setGeometry(100, 80, 632, 404);
    otevirac.show();
    const QRect obrazovka = QGuiApplication::primaryScreen()->geometry();

    struct Pripad {
        const char* nazev;
        std::function<void(QDialog&)> priprav;  // sizes the dialog
        const QWidget* nad;
    };
    const Pripad pripady[] = {
        {"pevná velikost", [](QDialog& d) { d.setFixedSize(420, 257); }, &otevirac},
        {"velikost podle obsahu",
         [](QDialog& d) {
             auto* rozlozeni = new QVBoxLayout(&d);
             rozlozeni->addWidget(
                 new QLabel(QStringLiteral("Kategorie, z nichž se skládal test:"), &d));
         },
         &otevirac},
        {"větší než otevírač", [](QDialog& d) { d.resize(772, 547); }, &otevirac},
        {"na obrazovce", [](QDialog& d) { d.resize(700, 550); }, nullptr},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.nazev);
        QDialog dialog(&otevirac);
        p.priprav(dialog);
        VycentrujNad(&dialog, p.nad);
        QRect ramecek, vnitrek;
        auto videno = OdpovedzModalnimu([&](QWidget* w) {
            ramecek = w->frameGeometry();
            vnitrek = w->geometry();
            w->close();
        });
        dialog.exec();
        ASSERT_TRUE(videno->probehlo);
        // The platform draws a frame, so a centring by the bare size would stand off centre.
        ASSERT_GT(ramecek.width(), vnitrek.width());
        ASSERT_GT(ramecek.height(), vnitrek.height());
        const QRect nad = p.nad ? otevirac.frameGeometry() : obrazovka;
        EXPECT_EQ(ramecek.left(), nad.left() + (nad.width() - ramecek.width()) / 2);
        EXPECT_EQ(ramecek.top(), nad.top() + (nad.height() - ramecek.height()) / 2);
    }
}
