#include "questions/gui/TDotazPZ.h"

#include "testsupport/GuiTest.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace {

template <typename T> T* Najdi(QWidget& okno, const char* jmeno)
{
    T* w = okno.findChild<T*>(QLatin1String(jmeno));
    EXPECT_NE(w, nullptr) << jmeno;
    return w;
}

TEST(TDotazPZ, VychoziStavPodlePoctuDostupnych)
{
    TDotazPZ malo(12, false, false);
    auto* sbPocet = Najdi<QScrollBar>(malo, "sbPocet");
    auto* sbOtazka = Najdi<QScrollBar>(malo, "sbOtazka");
    EXPECT_EQ(sbPocet->value(), 12);
    EXPECT_EQ(sbPocet->maximum(), 12);
    EXPECT_EQ(sbPocet->minimum(), 1);
    EXPECT_EQ(sbOtazka->value(), 1);
    EXPECT_EQ(Najdi<QLabel>(malo, "lbPocet")->text(), QStringLiteral("Počet otázek: 12"));
    EXPECT_EQ(Najdi<QLabel>(malo, "lbOtazka")->text(), QStringLiteral("Začít otázkou: 1*"));
    EXPECT_EQ(Najdi<QLabel>(malo, "lbNadpis")->text(), QStringLiteral("Procvičování otázek"));
    EXPECT_EQ(Najdi<QPushButton>(malo, "btnPotvrdit")->text(),
              QStringLiteral("Start Procvičování"));
    EXPECT_EQ(malo.windowTitle(), QStringLiteral("Dotaz programu Zebrovka 2003 (2004)"));
    EXPECT_EQ(malo.size(), QSize(294, 160));
    EXPECT_FALSE(malo.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(sbOtazka->isEnabled());

    TDotazPZ mnoho(300, true, false);
    EXPECT_EQ(Najdi<QScrollBar>(mnoho, "sbPocet")->value(), 20);
    EXPECT_EQ(Najdi<QScrollBar>(mnoho, "sbPocet")->maximum(), 300);
    EXPECT_EQ(Najdi<QScrollBar>(mnoho, "sbOtazka")->maximum(), 300);
    EXPECT_EQ(Najdi<QLabel>(mnoho, "lbPocet")->text(), QStringLiteral("Počet otázek: 20"));
    EXPECT_EQ(Najdi<QLabel>(mnoho, "lbNadpis")->text(), QStringLiteral("Zkoušení otázek"));
    EXPECT_EQ(Najdi<QPushButton>(mnoho, "btnPotvrdit")->text(), QStringLiteral("Start Zkoušení"));
}

TEST(TDotazPZ, NahodneVyberZasediStartovniOvladaci)
{
    TDotazPZ d(50, false, true);
    for (const char* jmeno : {"sbOtazka", "lbOtazka", "lbHvezda", "stHvezda"})
        EXPECT_FALSE(Najdi<QWidget>(d, jmeno)->isEnabled()) << jmeno;
    EXPECT_TRUE(Najdi<QScrollBar>(d, "sbPocet")->isEnabled());
}

TEST(TDotazPZ, PosuvnikyDrziKonecBehuVRozsahu)
{
    TDotazPZ d(30, false, false);
    auto* sbPocet = Najdi<QScrollBar>(d, "sbPocet");
    auto* sbOtazka = Najdi<QScrollBar>(d, "sbOtazka");
    d.show();

    // Start to the end: the length shrinks to the one remaining question.
    sbOtazka->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(sbOtazka->value(), 30);
    EXPECT_EQ(sbPocet->value(), 1);
    EXPECT_EQ(Najdi<QLabel>(d, "lbPocet")->text(), QStringLiteral("Počet otázek: 1"));

    // Length to 25: the start moves back to 6 so that 6..30 fit.
    for (int i = 0; i < 24; ++i)
        QTest::mouseClick(sbPocet, Qt::LeftButton, {},
                          QPoint(sbPocet->width() - 4, sbPocet->height() / 2));
    EXPECT_EQ(sbPocet->value(), 25);
    EXPECT_EQ(sbOtazka->value(), 6);
    EXPECT_EQ(Najdi<QLabel>(d, "lbOtazka")->text(), QStringLiteral("Začít otázkou: 6*"));

    // Start one step forward: the length gives way by one.
    sbOtazka->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(sbOtazka->value(), 7);
    EXPECT_EQ(sbPocet->value(), 24);

    // Moves that stay within the count leave the other bar alone.
    sbOtazka->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(sbPocet->value(), 24);
    sbPocet->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(sbPocet->value(), 30);
    EXPECT_EQ(sbOtazka->value(), 1);

    EXPECT_EQ(d.Pocet(), 30);
    EXPECT_EQ(d.Start(), 1);
}

TEST(TDotazPZ, ZavreniVzdyPotvrdi)
{
    TDotazPZ d(40, false, false);
    auto* sbPocet = Najdi<QScrollBar>(d, "sbPocet");
    auto odpoved = OdpovedzModalnimu([](QWidget* w) {
        auto* sb = w->findChild<QScrollBar*>(QStringLiteral("sbPocet"));
        sb->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QTest::keyClick(w, Qt::Key_Escape);
    });
    EXPECT_EQ(d.exec(), QDialog::Accepted);
    EXPECT_TRUE(odpoved->probehlo);
    EXPECT_EQ(sbPocet->value(), 19);
    EXPECT_EQ(d.Pocet(), 19);

    TDotazPZ tlacitkem(40, false, false);
    OdpovedzModalnimu([](QWidget* w) {
        QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("btnPotvrdit")),
                          Qt::LeftButton);
    });
    EXPECT_EQ(tlacitkem.exec(), QDialog::Accepted);
}

}  // namespace

namespace {

// Tab walks the two bars and the button; the arrows move the bar that has the focus; Enter starts.
TEST(TDotazPZ, KlavesnicePosuvnikyAEnter)
{
    for (bool nahodne : {false, true}) {
        SCOPED_TRACE(nahodne);
        TDotazPZ d(300, false, nahodne);
        d.show();
        auto* sbPocet = Najdi<QScrollBar>(d, "sbPocet");
        auto* sbOtazka = Najdi<QScrollBar>(d, "sbOtazka");
        auto* btn = Najdi<QPushButton>(d, "btnPotvrdit");
        auto klavesa = [&](Qt::Key k) { QTest::keyClick(d.focusWidget(), k); };
        EXPECT_EQ(d.focusWidget(), sbPocet);
        klavesa(Qt::Key_Right);
        klavesa(Qt::Key_Right);
        klavesa(Qt::Key_Left);
        klavesa(Qt::Key_Down);
        klavesa(Qt::Key_Up);
        EXPECT_EQ(sbPocet->value(), 21);
        EXPECT_EQ(Najdi<QLabel>(d, "lbPocet")->text(), QStringLiteral("Počet otázek: 21"));
        klavesa(Qt::Key_Tab);
        // The start bar is greyed in random order, and Tab passes it by.
        EXPECT_EQ(d.focusWidget(), nahodne ? static_cast<QWidget*>(btn) : sbOtazka);
        if (!nahodne) {
            klavesa(Qt::Key_PageDown);
            EXPECT_EQ(sbOtazka->value(), 11);
            EXPECT_EQ(Najdi<QLabel>(d, "lbOtazka")->text(), QStringLiteral("Začít otázkou: 11*"));
        }
        klavesa(Qt::Key_Return);
        EXPECT_EQ(d.result(), QDialog::Accepted);
        EXPECT_FALSE(d.isVisible());
        EXPECT_EQ(d.Pocet(), 21);
        EXPECT_EQ(d.Start(), nahodne ? 1 : 11);
        EXPECT_EQ(sbPocet->accessibleName(), QStringLiteral("Počet otázek"));
        EXPECT_EQ(sbOtazka->accessibleName(), QStringLiteral("Začít otázkou"));
    }
}

}  // namespace
