#include "test/gui/TTestForm.h"

#include "base/Hodiny.h"
#include "questions/Banka.h"
#include "questions/PametProfilu.h"
#include "questions/Statistika.h"
#include "questions/Vysvetleni.h"
#include "storage/Tabulka.h"
#include "testsupport/GuiTest.h"
#include "testsupport/RucniHodiny.h"
#include "testsupport/TestovaciBanka.h"
#include "testsupport/ListTestu.h"
#include "testsupport/Najdi.h"
#include "ui/MereniTextu.h"
#include "ui/Zpravy.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <fstream>
#include <functional>
#include <iterator>
#include <map>

namespace {

constexpr std::uint32_t kSeed = 36000123u;  // 10:00:00.123 UTC

QFont Pismo13()
{
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(13);
    return f;
}

std::string DlouhyText(int slov)
{
    std::string t;
    for (int i = 0; i < slov; ++i)
        t += "Řidič přizpůsobí rychlost jízdy stavu vozovky ";
    return t + "a dohlednosti.";
}

// A complete bank for group B with four answers everywhere, every correct set "AC", pictures for
// categories 6 and 7; single questions are changed per test before the bank is written.
class TestovaciList : public testing::Test {
protected:
    void SetUp() override
    {
        for (int n = 1; n <= 757; ++n) {
            Otazka o = JednoduchaOtazka(n, "AC", "ABCD");
            o.d = "Odpověď d " + std::to_string(n) + ".";
            if (n > 620)
                o.obrazek = n % 2 ? "grafika\\maly.jpg" : "grafika/maly.jpg";
            otazky_[n] = o;
        }
        nastaveni_.aktivniProfil = "Jana";
        nastaveni_.skupina = "B";
        nastaveni_.protokoly = {true, true, false};
        hodiny_.msUtc = kSeed;
        hodiny_.mistni = DatumCas {2026, 3, 14, 10, 0, 0, 0};
        Banka banka;
        banka.NactiZ(Vse());
        const SlozenyTest t = ComposeTest(banka, "B", kSeed);
        ASSERT_TRUE(t.uplny);
        for (const TestPosition& p : t.pozice)
            cisla_.push_back(p.cislo);
    }

    std::vector<Otazka> Vse() const
    {
        std::vector<Otazka> v;
        for (const auto& [n, o] : otazky_)
            v.push_back(o);
        return v;
    }

    // The question that the fixed seed puts at position k (texts may change, the draw does not).
    Otazka& NaPozici(int k) { return otazky_[cisla_[static_cast<std::size_t>(k - 1)]]; }

    void ZapisObrazek(const QString& jmeno, int w, int h)
    {
        QDir().mkpath(adresar_.Cesta() + QStringLiteral("/grafika"));
        QImage i(w, h, QImage::Format_RGB32);
        i.fill(Qt::darkCyan);
        i.save(adresar_.Cesta() + QStringLiteral("/grafika/") + jmeno, "JPEG", 95);
    }

    // Writes the bank and the pictures, opens the test and confirms the information box.
    std::unique_ptr<TTestForm> Otevri()
    {
        ZapisTestovaciBanku(adresar_.CestaStd(), Vse());
        ZapisObrazkyVzoroveBanky(adresar_.CestaStd());
        ZapisObrazek(QStringLiteral("maly.jpg"), 40, 30);
        banka_.Nacti(adresar_.CestaStd());
        auto test = std::make_unique<TTestForm>(banka_, nastaveni_, adresar_.CestaStd(), hodiny_);
        info_ = StiskniVeZprave(QMessageBox::Ok);
        EXPECT_TRUE(test->FormCreate());
        EXPECT_TRUE(info_->probehlo);
        // The countdown is driven by the test: Timer1 must not tick on its own meanwhile.
        EXPECT_EQ(Najdi<QTimer>(test, "Timer1")->interval(), 1000);
        EXPECT_TRUE(Najdi<QTimer>(test, "Timer1")->isActive());
        Najdi<QTimer>(test, "Timer1")->setInterval(24 * 3600 * 1000);
        test->show();
        test->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(test.get()));
        return test;
    }

    // Evaluates by the button and returns the summary message.
    std::shared_ptr<ZachycenyDialog> Vyhodnot(TTestForm& t)
    {
        auto souhrn = StiskniVeZprave(QMessageBox::Ok);
        QTest::mouseClick(Najdi<QPushButton>(&t, "btnVyhodnotit"), Qt::LeftButton);
        EXPECT_TRUE(souhrn->probehlo);
        return souhrn;
    }

    static void Zaskrtni(TTestForm& t, int k, const std::string& sada)
    {
        for (char c : sada)
            CbOdpoved(&t, static_cast<std::size_t>(k - 1), static_cast<std::size_t>(c - 'A'))
                ->setChecked(true);
    }

    static QRect Misto(const QWidget* w) { return w->geometry(); }

    DocasnyAdresar adresar_;
    std::map<int, Otazka> otazky_;
    std::vector<int> cisla_;
    Nastaveni nastaveni_;
    RucniHodiny hodiny_;
    Banka banka_;
    std::shared_ptr<ZachycenyDialog> info_;
};

}  // namespace

TEST_F(TestovaciList, OknoOvladaceAStavovyRadek)
{
    bool potvrzeno = false;
    auto t = std::make_unique<TTestForm>(banka_, nastaveni_, adresar_.CestaStd(), hodiny_);
    ZapisTestovaciBanku(adresar_.CestaStd(), Vse());
    banka_.Nacti(adresar_.CestaStd());
    auto info = OdpovedzModalnimu([&](QWidget* w) {
        // The countdown starts and the start time is taken only once the box is confirmed.
        EXPECT_FALSE(Najdi<QTimer>(t, "Timer1")->isActive());
        hodiny_.mistni = DatumCas {2026, 3, 14, 10, 0, 7, 0};
        potvrzeno = true;
        qobject_cast<QMessageBox*>(w)->button(QMessageBox::Ok)->click();
    });
    ASSERT_TRUE(t->FormCreate());
    ASSERT_TRUE(potvrzeno);
    EXPECT_EQ(info->titulek, Zpravy::kInformace);
    EXPECT_EQ(info->ikona, QMessageBox::Information);
    EXPECT_EQ(
        info->text,
        QStringLiteral("Po stisknutí tlačítka OK začne plynout doba 30 minut, která je dostatečně "
                       "dlouhá pro vyřešení testu.\nV případě, že budete hotovi dřív, stiskněte "
                       "tlačítko \"Vyhodnotit test\"!"));
    EXPECT_EQ(t->Zacatek(), (DatumCas {2026, 3, 14, 10, 0, 7, 0}));
    EXPECT_EQ(t->ZbyvaSekund(), 1800);
    EXPECT_EQ(t->windowTitle(),
              QStringLiteral("Test z předpisů o provozu na pozemních komunikacích"));
    // Four picture boxes of the designed 115 pixels overflow page 5 by a pixel or two: the
    // window then grows by exactly that.
    auto* pc = t->findChild<QTabWidget*>(QStringLiteral("pcTest"));
    ASSERT_NE(pc, nullptr);
    t->show();
    pc->setCurrentIndex(4);
    QCoreApplication::processEvents();
    const int narust = t->height() - 546;
    EXPECT_EQ(t->width(), 772);
    EXPECT_GE(narust, 0);
    EXPECT_LE(narust, 4);
    const int konec5 = Gb(t, 19)->y() + Gb(t, 19)->height() + 4;
    if (narust > 0)
        EXPECT_EQ(Strana(t, 4)->height(), konec5);
    else
        EXPECT_LE(konec5, Strana(t, 4)->height());
    EXPECT_EQ(pc->geometry(), QRect(0, 0, 772, 497 + narust));
    EXPECT_EQ(Najdi<QPushButton>(t, "btnVyhodnotit")->geometry().top(), 505 + narust);
    pc->setCurrentIndex(0);
    const std::array<int, 8> prvni {1, 5, 9, 13, 17, 21, 24, 26};
    for (int l = 0; l < 7; ++l) {
        EXPECT_EQ(pc->tabText(l), QStringLiteral("List%1").arg(l + 1));
        auto* list = pc->widget(l);
        EXPECT_EQ(list->objectName(), QStringLiteral("List%1").arg(l + 1));
        for (int k = prvni[l]; k < prvni[l + 1]; ++k)
            EXPECT_EQ(list->findChild<QGroupBox*>(QStringLiteral("gb%1").arg(k))->parentWidget(),
                      list)
                << k;
    }
    for (int k = 1; k <= 25; ++k) {
        auto* box = t->findChild<QGroupBox*>(QStringLiteral("gb%1").arg(k));
        ASSERT_NE(box, nullptr) << k;
        EXPECT_EQ(box->title(), QString::fromStdString(TitulekPozice(k)));
        EXPECT_EQ(box->width(), 750);
        auto* otazka = box->findChild<StatickyText*>(QStringLiteral("st%1O").arg(k));
        ASSERT_NE(otazka, nullptr);
        EXPECT_EQ(otazka->y(), 14);
        EXPECT_EQ(otazka->text(), QString::fromStdString(otazky_[cisla_[k - 1]].otazka));
        const bool maly = k >= 17 && k <= 21, velky = k >= 23;
        EXPECT_EQ(otazka->width(), maly ? 635 : velky ? 430 : 735) << k;
        for (QChar p : QStringLiteral("ABCD")) {
            auto* text = box->findChild<StatickyText*>(QStringLiteral("st%1").arg(k) + p);
            auto* cb = box->findChild<QCheckBox*>(
                (k == 1 && p == QLatin1Char('D') ? QStringLiteral("cd") : QStringLiteral("cb"))
                + QString::number(k) + p);
            ASSERT_NE(text, nullptr);
            ASSERT_NE(cb, nullptr) << k << p.toLatin1();
            EXPECT_EQ(text->x(), 40);
            EXPECT_EQ(text->width(), maly ? 605 : velky ? 400 : 705);
            EXPECT_EQ(cb->text(), QString(p.toLower()) + QLatin1Char(')'));
            EXPECT_EQ(cb->geometry().left(), 8);
            EXPECT_EQ(cb->width(), 32);
        }
        auto* obr = box->findChild<QLabel*>(QStringLiteral("img%1").arg(k));
        EXPECT_EQ(obr != nullptr, maly || velky) << k;
        if (maly)
            EXPECT_EQ(obr->geometry(), QRect(646, 10, 96, 96));
        if (velky)
            EXPECT_EQ(obr->geometry(), QRect(442, 10, 300, 175));
    }
    EXPECT_EQ(t->findChild<QCheckBox*>(QStringLiteral("cb1D")), nullptr);
    auto* stav = t->findChild<QStatusBar*>(QStringLiteral("StavRadek"));
    ASSERT_NE(stav, nullptr);
    const std::array<QString, 4> panely {
        QStringLiteral("Uživatel: Jana"), QStringLiteral("Skupina: B"),
        QStringLiteral("Minimální potřeba bodů: 56"), QStringLiteral("Čas do konce: 30:00")};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Panel(t, i)->text(), panely[i]);
        EXPECT_EQ(Panel(t, i)->geometry(), QRect(193 * i, 0, 193, Panel(t, i)->height()));
        EXPECT_TRUE(Panel(t, i)->alignment() & Qt::AlignHCenter);
    }
    for (const char* jmeno :
         {"btnVyhodnotit", "btnZrusit", "pVyhodnoceni", "Timer1", "Tabulka", "SpatnaOtazka"})
        EXPECT_NE(t->findChild<QObject*>(QLatin1String(jmeno)), nullptr) << jmeno;
    EXPECT_FALSE(Najdi<QWidget>(t, "pVyhodnoceni")->isVisibleTo(t.get()));
    Najdi<QTimer>(t, "Timer1")->stop();
}

TEST_F(TestovaciList, DlouheTextyPosouvajiOstatniAZvetsujiOkno)
{
    NaPozici(2).otazka = DlouhyText(12);
    NaPozici(2).b = DlouhyText(6);
    NaPozici(3).c = DlouhyText(30);
    auto t = Otevri();
    const QFont f = Pismo13();
    auto vyska = [&](const std::string& text, int sirka) {
        return 16 * PocetRadku(QString::fromStdString(text), f, sirka + 2);
    };
    // Texts, boxes and check boxes of position 2 stack on the measured heights.
    EXPECT_EQ(StO(t, 1)->height(), vyska(NaPozici(2).otazka, 735));
    EXPECT_GT(StO(t, 1)->height(), 32);
    EXPECT_EQ(StO(t, 0)->height(), 16);
    const std::array<const std::string*, 4> odp {&NaPozici(2).a, &NaPozici(2).b, &NaPozici(2).c,
                                                 &NaPozici(2).d};
    const StatickyText* nad = StO(t, 1);
    for (std::size_t j = 0; j < 4; ++j) {
        const StatickyText* text = StOdpoved(t, 1, j);
        EXPECT_EQ(text->height(), vyska(*odp[j], 705));
        EXPECT_EQ(text->y(), nad->y() + nad->height());
        EXPECT_EQ(CbOdpoved(t, 1, j)->y(), text->y() + 1);
        nad = text;
    }
    EXPECT_EQ(Gb(t, 1)->height(), nad->y() + nad->height() + 6);
    EXPECT_EQ(Gb(t, 0)->y(), 1);
    for (int k : {2, 3, 4, 6, 19, 25})
        EXPECT_EQ(Gb(t, k - 1)->y(), Gb(t, k - 2)->y() + Gb(t, k - 2)->height() + 2) << k;
    for (int k : {5, 9, 13, 17, 21, 24})
        EXPECT_EQ(Gb(t, k - 1)->y(), 1) << k;
    // Pictures keep their room: a short question with a picture keeps the designed height.
    EXPECT_EQ(Gb(t, 16)->height(), 115);
    EXPECT_EQ(Gb(t, 22)->height(), 200);
    // Page 1 overflows: the window grows once so that its last box ends 4 pixels above the page's
    // end.
    Najdi<QTabWidget>(t, "pcTest")->setCurrentIndex(0);
    QCoreApplication::processEvents();
    const int narust = t->height() - 546;
    EXPECT_GT(narust, 0);
    EXPECT_EQ(Strana(t, 0)->height(), Gb(t, 3)->y() + Gb(t, 3)->height() + 4);
    EXPECT_EQ(Najdi<QTabWidget>(t, "pcTest")->height(), 497 + narust);
    EXPECT_EQ(Najdi<QPushButton>(t, "btnVyhodnotit")->y(), 505 + narust);
    EXPECT_EQ(Najdi<QPushButton>(t, "btnZrusit")->y(), 505 + narust);
    EXPECT_EQ(Najdi<QStatusBar>(t, "StavRadek")->geometry().bottom(), t->height() - 1);
    Najdi<QTimer>(t, "Timer1")->stop();
}

TEST_F(TestovaciList, PozdejsiStrankaPresahujiciViceZvetsiOknoZnovu)
{
    NaPozici(3).c = DlouhyText(30);
    NaPozici(18).otazka = DlouhyText(40);
    NaPozici(20).a = DlouhyText(25);
    auto t = Otevri();
    Najdi<QTabWidget>(t, "pcTest")->setCurrentIndex(4);
    QCoreApplication::processEvents();
    const int narust = t->height() - 546;
    const int konec1 = Gb(t, 3)->y() + Gb(t, 3)->height() + 4;
    const int konec5 = Gb(t, 19)->y() + Gb(t, 19)->height() + 4;
    ASSERT_GT(konec5, konec1);
    // Page 5 fits exactly; page 1 with room to spare.
    EXPECT_EQ(Strana(t, 4)->height(), konec5);
    EXPECT_EQ(Najdi<QTabWidget>(t, "pcTest")->height(), 497 + narust);
    EXPECT_EQ(Najdi<QPushButton>(t, "btnVyhodnotit")->y(), 505 + narust);
    // The picture box grows past its designed height when its texts need it.
    EXPECT_GT(Gb(t, 17)->height(), 115);
    Najdi<QTimer>(t, "Timer1")->stop();
}

TEST_F(TestovaciList, KlikNaTextOdpovediZaskrtneJakoPolicko)
{
    auto t = Otevri();
    QCheckBox* cb = CbOdpoved(t, 0, 1);
    QTest::mouseClick(StOdpoved(t, 0, 1), Qt::LeftButton);
    EXPECT_TRUE(cb->isChecked());
    EXPECT_TRUE(Najdi<QTabWidget>(t, "pcTest")->hasFocus());
    QTest::mouseClick(StOdpoved(t, 0, 1), Qt::LeftButton);
    EXPECT_FALSE(cb->isChecked());
    QTest::mouseClick(CbOdpoved(t, 0, 3), Qt::LeftButton);
    EXPECT_TRUE(CbOdpoved(t, 0, 3)->isChecked());
    EXPECT_TRUE(Najdi<QTabWidget>(t, "pcTest")->hasFocus());
    // The question text toggles nothing.
    QTest::mouseClick(StO(t, 0), Qt::LeftButton);
    for (std::size_t j = 0; j < 4; ++j)
        EXPECT_EQ(CbOdpoved(t, 0, j)->isChecked(), j == 3);
    Najdi<QTimer>(t, "Timer1")->stop();
}

// Enter on the abandon question answers "Ne": the test and its countdown go on.
TEST_F(TestovaciList, EnterNaUkonceniTestPonecha)
{
    auto t = Otevri();
    Vyprs(t, "Timer1");
    auto box = OdpovedzModalnimu([](QWidget* w) {
        QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, Qt::Key_Return);
    });
    QTest::mouseClick(Najdi<QPushButton>(t, "btnZrusit"), Qt::LeftButton);
    ASSERT_TRUE(box->probehlo);
    EXPECT_EQ(box->text, QStringLiteral("Opravdu chcete ukončit tento test?"));
    EXPECT_TRUE(t->isVisible());
    EXPECT_TRUE(Najdi<QTimer>(t, "Timer1")->isActive());
    EXPECT_EQ(Panel(t, 3)->text(), QStringLiteral("Čas do konce: 29:59"));
    Najdi<QTimer>(t, "Timer1")->stop();
}

TEST_F(TestovaciList, UkonceniSeZepta)
{
    auto t = Otevri();
    for (int i = 0; i < 5; ++i)
        Vyprs(t, "Timer1");
    EXPECT_EQ(Panel(t, 3)->text(), QStringLiteral("Čas do konce: 29:55"));
    auto ne = StiskniVeZprave(QMessageBox::No);
    QTest::mouseClick(Najdi<QPushButton>(t, "btnZrusit"), Qt::LeftButton);
    ASSERT_TRUE(ne->probehlo);
    EXPECT_EQ(ne->titulek, Zpravy::kOtazka);
    EXPECT_EQ(ne->text, QStringLiteral("Opravdu chcete ukončit tento test?"));
    EXPECT_TRUE(t->isVisible());
    EXPECT_TRUE(Najdi<QTimer>(t, "Timer1")->isActive());
    Vyprs(t, "Timer1");
    EXPECT_EQ(t->ZbyvaSekund(), 1794);
    auto ano = StiskniVeZprave(QMessageBox::Yes);
    t->close();
    ASSERT_TRUE(ano->probehlo);
    EXPECT_FALSE(t->isVisible());
    EXPECT_FALSE(Najdi<QTimer>(t, "Timer1")->isActive());
    EXPECT_FALSE(t->Vyhodnoceno());
    EXPECT_EQ(t->result(), QDialog::Rejected);
}

TEST_F(TestovaciList, OdpocetDoNulyVyhodnoti)
{
    nastaveni_.protokoly = {false, false, true};
    auto t = Otevri();
    Zaskrtni(*t, 1, "AC");
    auto souhrn = StiskniVeZprave(QMessageBox::Ok);
    for (int i = 0; i < 1800 && !t->Vyhodnoceno(); ++i) {
        EXPECT_TRUE(Najdi<QTimer>(t, "Timer1")->isActive()) << i;
        Vyprs(t, "Timer1");
    }
    ASSERT_TRUE(souhrn->probehlo);
    EXPECT_EQ(t->ZbyvaSekund(), 0);
    EXPECT_EQ(Panel(t, 3)->text(), QStringLiteral("Čas do konce: 00:00"));
    EXPECT_TRUE(souhrn->text.startsWith(
        QStringLiteral("Čas vymezený pro test uplynul! - Test nebyl úspěšně vyřešen!")));
    EXPECT_TRUE(souhrn->text.contains(QStringLiteral("Dosáhli jste 3 bodů z 65")));
    EXPECT_EQ(Najdi<QLabel>(t, "lbCas")->text(),
              QStringLiteral("Celková doba trvání testu: 30 minut"));
    EXPECT_FALSE(Najdi<QTimer>(t, "Timer1")->isActive());
    Tabulka p;
    p.Svaz(adresar_.CestaStd(), "Protokoly");
    p.Otevri();
    EXPECT_EQ(p.PoleJmenem("DelkaTestu").JakoText(), "30:00");
    p.Zavri();
    // Evaluated: the window closes without a question.
    t->close();
    EXPECT_FALSE(t->isVisible());
    EXPECT_EQ(t->result(), QDialog::Accepted);
}

TEST_F(TestovaciList, CasVyprsiBehemOtazkyNaUkonceni)
{
    auto t = Otevri();
    std::shared_ptr<ZachycenyDialog> souhrn;
    auto otazka = OdpovedzModalnimu([&](QWidget* w) {
        souhrn = StiskniVeZprave(QMessageBox::Ok, w);
        // The countdown runs out while the question is open.
        while (t->ZbyvaSekund() > 0)
            Vyprs(t, "Timer1");
    });
    t->close();
    ASSERT_TRUE(otazka->probehlo);
    EXPECT_EQ(otazka->text, QStringLiteral("Opravdu chcete ukončit tento test?"));
    ASSERT_TRUE(souhrn && souhrn->probehlo);
    EXPECT_TRUE(souhrn->text.startsWith(QStringLiteral("Čas vymezený pro test uplynul! - ")));
    EXPECT_TRUE(t->Vyhodnoceno());
    EXPECT_TRUE(t->isVisible());
    EXPECT_TRUE(Najdi<QWidget>(t, "pVyhodnoceni")->isVisible());
    EXPECT_EQ(Najdi<QLabel>(t, "lbCas")->text(),
              QStringLiteral("Celková doba trvání testu: 30 minut"));
    // Exactly one evaluation: no further box comes.
    EXPECT_FALSE(CekejNa([] { return QApplication::activeModalWidget() != nullptr; }, 200));
    Vyprs(t, "Timer1");
    Najdi<QPushButton>(t, "btnVyhodnotit")->click();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(TestovaciList, VysledkovyPanel)
{
    auto t = Otevri();
    for (int k = 1; k <= 25; ++k)
        if (k != 3 && k != 17 && k != 25)
            Zaskrtni(*t, k, "AC");
    Zaskrtni(*t, 3, "A");  // a subset of the correct set
    Zaskrtni(*t, 17, "ABCD");  // a superset
    auto souhrn = Vyhodnot(*t);
    EXPECT_EQ(
        souhrn->text,
        QStringLiteral("Test byl úspěšně vyřešen!\n - Dosáhli jste 56 bodů z 65 možných, minimem "
                       "pro složení testu bylo 56 bodů\n - Počet špatných odpovědí byl: 3, jejich "
                       "čísla jsou 3, 17, 25\nVíce se dozvíte z protokolu po stisku klávesy OK"));
    EXPECT_EQ(t->windowTitle(),
              QStringLiteral("Vyhodnocení testu z předpisů o provozu na pozemních komunikacích"));
    EXPECT_EQ(t->size(), QSize(772, 580));
    EXPECT_FALSE(Najdi<QTabWidget>(t, "pcTest")->isVisible());
    EXPECT_FALSE(Najdi<QStatusBar>(t, "StavRadek")->isVisible());
    EXPECT_FALSE(Najdi<QPushButton>(t, "btnVyhodnotit")->isEnabled());
    EXPECT_FALSE(Najdi<QPushButton>(t, "btnZrusit")->isEnabled());
    EXPECT_EQ(Najdi<QWidget>(t, "pVyhodnoceni")->geometry(), QRect(0, 0, 772, 580));
    // The message box has just closed; the window's focus is on btnOK once it is active again.
    EXPECT_EQ(t->focusWidget(), Najdi<QPushButton>(t, "btnOK"));
    t->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(t.get()));
    EXPECT_TRUE(Najdi<QPushButton>(t, "btnOK")->hasFocus());
    const std::vector<std::pair<QLabel*, QString>> texty {
        {Najdi<QLabel>(t, "lbProfil"), QStringLiteral("Řešitel testu: Jana")},
        {Najdi<QLabel>(t, "lbSkupina"), QStringLiteral("Skupina: B")},
        {Najdi<QLabel>(t, "lbMaxPocBod"), QStringLiteral("Maximální možný počet bodů: 65")},
        {Najdi<QLabel>(t, "lbMinPocBod"), QStringLiteral("Minimální potřeba počtu bodů: 56")},
        {Najdi<QLabel>(t, "lbMaxCas"), QStringLiteral("Maximální délka trvání testu: 30 minut")},
        {Najdi<QLabel>(t, "lbCas"), QStringLiteral("Celková doba trvání testu: 0 ")},
        {Najdi<QLabel>(t, "lbOdpovedi"), QStringLiteral("Počet správných/špatných odpovědí: 22/3")},
        {Najdi<QLabel>(t, "lbDosBod"), QStringLiteral("Celkový počet dosažených bodů: 56")},
        {Najdi<QLabel>(t, "lbUspech"), QStringLiteral("Test byl úspěšně složen!")},
        {Najdi<QLabel>(t, "lbProtokol"),
         QStringLiteral("Nebyl vytvořen protokol - chcete-li ho vytvářet, změňte nastavení!")},
    };
    for (const auto& [popisek, text] : texty) {
        SCOPED_TRACE(popisek->objectName().toStdString());
        EXPECT_EQ(popisek->text(), text);
        // The whole text is seen: it fits the label, and the label its box.
        const QRect potreba = QFontMetrics(popisek->font())
                                  .boundingRect(QRect(0, 0, popisek->width(), 1000),
                                                popisek->wordWrap() ? Qt::TextWordWrap : 0, text);
        EXPECT_LE(potreba.width(), popisek->width());
        EXPECT_LE(potreba.height(), popisek->height());
        EXPECT_TRUE(popisek->parentWidget()->rect().contains(popisek->geometry()));
    }
    EXPECT_EQ(Najdi<QLabel>(t, "lbUspech")->palette().color(QPalette::WindowText),
              QColor(0, 128, 0));
    EXPECT_EQ(Najdi<QGroupBox>(t, "sgbProfil")->title(), QStringLiteral("Vstupní parametry:"));
    EXPECT_EQ(Najdi<QGroupBox>(t, "sgbTest")->title(), QStringLiteral("Vyhodnocení testu:"));
    EXPECT_EQ(Najdi<QGroupBox>(t, "sgbProfil")->size(), QSize(360, 137));
    EXPECT_EQ(Najdi<QGroupBox>(t, "SpatnaOtazka")->size(), QSize(741, 257));
    // The grid: 1..25 row by row, three empty cells, the first one current.
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 7; ++c) {
            const int n = r * 7 + c + 1;
            const QTableWidgetItem* bunka = Najdi<QTableWidget>(t, "Tabulka")->item(r, c);
            EXPECT_EQ(bunka ? bunka->text() : QString(), n <= 25 ? QString::number(n) : QString())
                << n;
            EXPECT_EQ(Najdi<QTableWidget>(t, "Tabulka")->columnWidth(c), 70);
            EXPECT_EQ(Najdi<QTableWidget>(t, "Tabulka")->rowHeight(r), 20);
        }
    EXPECT_EQ(Najdi<QTableWidget>(t, "Tabulka")->currentRow(), 0);
    EXPECT_EQ(Najdi<QTableWidget>(t, "Tabulka")->currentColumn(), 0);
    EXPECT_EQ(t->VybranaPozice(), 1);
    EXPECT_EQ(Najdi<QGroupBox>(t, "SpatnaOtazka")->title(),
              QStringLiteral(" 1. otázka (3 body); Skutečné číslo otázky: %1 ").arg(cisla_[0]));
    EXPECT_EQ(t->Pozice()[2].oznacene, "A");
    EXPECT_TRUE(t->Pozice()[2].spatne);
    EXPECT_EQ(t->Pozice()[24].oznacene, "");
    EXPECT_FALSE(std::filesystem::exists(adresar_.CestaStd() + "/Protokoly.DB"));
}

// Every position of an evaluated test goes into the learner's history, protocol or not.
TEST_F(TestovaciList, VyhodnoceniPripiseKazdouPoziciDoStatistiky)
{
    ZapisPokusy(adresar_.CestaStd(), "Jana", {{cisla_[0], VysledekPokusu::Spravne}},
                {2026, 3, 1, 8, 0, 0, 0});
    auto t = Otevri();
    for (int k = 1; k <= 25; ++k)
        Zaskrtni(*t, k, k == 1 || k == 25 ? "B" : "AC");  // position 1 and 25 wrong
    Vyhodnot(*t);
    const StatistikaProfilu s = NactiStatistiku(adresar_.CestaStd(), "Jana");
    ASSERT_EQ(s.size(), 25u);
    for (int k = 1; k <= 25; ++k) {
        SCOPED_TRACE(k);
        const ZaznamStatistiky& z = s.at(cisla_[static_cast<std::size_t>(k - 1)]);
        const bool spatne = k == 1 || k == 25;
        EXPECT_EQ(z.polozeno, k == 1 ? 2 : 1);
        EXPECT_EQ(z.spatne, spatne ? 1 : 0);
        EXPECT_EQ(z.spravne, k == 1 ? 1 : spatne ? 0 : 1);
        EXPECT_EQ(z.radaSpravnych, spatne ? 0 : 1);
        EXPECT_EQ(z.posledni, (DatumCas {2026, 3, 14, 10, 0, 0, 0}));
    }
    // The answer log holds each position with the letters ticked, as a points-test answer.
    const std::vector<Odpoved> log = NactiOdpovedi(adresar_.CestaStd(), "Jana");
    ASSERT_EQ(log.size(), 25u);
    for (std::size_t i = 0; i < 25; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(log[i].cislo, cisla_[i]);
        EXPECT_EQ(log[i].rezim, RezimOdpovedi::TestNaBody);
        EXPECT_EQ(log[i].zvolene, i == 0 || i == 24 ? "B" : "AC");
    }
}

TEST_F(TestovaciList, PorovnaniPodleVybranePozice)
{
    NaPozici(1).otazka = DlouhyText(8);
    NaPozici(23).obrazek = "grafika/velky.jpg";
    NaPozici(24).obrazek = "grafika/chybi.jpg";
    ZapisObrazek(QStringLiteral("velky.jpg"), 500, 300);
    auto t = Otevri();
    Zaskrtni(*t, 3, "A");
    Zaskrtni(*t, 17, "ABCD");
    Vyhodnot(*t);

    const QFont f = Pismo13();
    auto zkontrolujRozvrzeni = [&](int k, int sirkaOtazky, int sirkaOdpovedi) {
        const Otazka& o = NaPozici(k);
        EXPECT_EQ(Najdi<StatickyText>(t, "Otazka")->text(), QString::fromStdString(o.otazka)) << k;
        EXPECT_EQ(Najdi<StatickyText>(t, "Otazka")->width(), sirkaOtazky) << k;
        EXPECT_EQ(Najdi<StatickyText>(t, "Otazka")->height(),
                  16 * PocetRadku(QString::fromStdString(o.otazka), f, sirkaOtazky + 6))
            << k;
        const StatickyText* nad = Najdi<StatickyText>(t, "Otazka");
        for (std::size_t j = 0; j < 4; ++j) {
            EXPECT_EQ(Porovnani(t, j)->width(), sirkaOdpovedi) << k;
            EXPECT_EQ(Porovnani(t, j)->y(), nad->y() + nad->height() + 2) << k;
            EXPECT_EQ(PismenoPorovnani(t, j)->y(), Porovnani(t, j)->y());
            EXPECT_EQ(ZnackaPorovnani(t, j)->y(), Porovnani(t, j)->y() - 1);
            nad = Porovnani(t, j);
        }
    };
    zkontrolujRozvrzeni(1, 721, 681);
    EXPECT_GT(Najdi<StatickyText>(t, "Otazka")->height(), 16);
    EXPECT_FALSE(Najdi<QLabel>(t, "Obrazek")->isVisible());

    auto vyber = [&](int k) {
        Najdi<QTableWidget>(t, "Tabulka")->setCurrentCell((k - 1) / 7, (k - 1) % 7);
    };
    struct Pripad {
        int pozice;
        const char* slovo;
        QRect obrazek;  // empty: hidden
        QSize nacteny;
    };
    const std::vector<Pripad> pripady {
        {17, "body", QRect(636, 18, 96, 96), QSize(40, 30)},
        {15, "bod", QRect(), QSize()},
        {23, "body", QRect(432, 18, 300, 175), QSize(500, 300)},  // clipped to its place
        {16, "bod", QRect(), QSize()},
        {21, "body", QRect(636, 18, 96, 96), QSize(40, 30)},
        {22, "body", QRect(), QSize()},
        {24, "body", QRect(432, 18, 300, 175), QSize()},  // missing file: an empty place
        {2, "body", QRect(), QSize()},
    };
    for (const Pripad& p : pripady) {
        vyber(p.pozice);
        EXPECT_EQ(t->VybranaPozice(), p.pozice);
        EXPECT_EQ(Najdi<QGroupBox>(t, "SpatnaOtazka")->title(),
                  QStringLiteral(" %1. otázka (%2 %3); Skutečné číslo otázky: %4 ")
                      .arg(p.pozice)
                      .arg(PositionPoints[p.pozice - 1])
                      .arg(QLatin1String(p.slovo))
                      .arg(cisla_[p.pozice - 1]));
        EXPECT_EQ(Najdi<QLabel>(t, "Obrazek")->isVisible(), !p.obrazek.isNull()) << p.pozice;
        const int uzsi = p.obrazek.isNull() ? 0 : p.obrazek.width();
        if (!p.obrazek.isNull()) {
            EXPECT_EQ(Najdi<QLabel>(t, "Obrazek")->geometry(), p.obrazek);
            if (p.nacteny.isValid())
                EXPECT_EQ(Najdi<QLabel>(t, "Obrazek")->pixmap().size(), p.nacteny) << p.pozice;
            else
                EXPECT_TRUE(Najdi<QLabel>(t, "Obrazek")->pixmap().isNull()) << p.pozice;
        }
        zkontrolujRozvrzeni(p.pozice, 721 - uzsi, 681 - uzsi);
    }
    // On the sheet, the large picture was clipped to its place and the missing one left it empty.
    EXPECT_EQ(Img(t, 22)->size(), QSize(300, 175));
    EXPECT_EQ(Img(t, 22)->pixmap().size(), QSize(500, 300));
    EXPECT_TRUE(Img(t, 23)->pixmap().isNull());

    // An empty cell, and the position already shown, change nothing.
    const QString titulek = Najdi<QGroupBox>(t, "SpatnaOtazka")->title();
    Najdi<StatickyText>(t, "Otazka")->resize(100, Najdi<StatickyText>(t, "Otazka")->height());
    Najdi<QTableWidget>(t, "Tabulka")->setCurrentCell(3, 5);
    Najdi<QTableWidget>(t, "Tabulka")->setCurrentCell(0, 1);
    EXPECT_EQ(t->VybranaPozice(), 2);
    EXPECT_EQ(Najdi<QGroupBox>(t, "SpatnaOtazka")->title(), titulek);
    EXPECT_EQ(Najdi<StatickyText>(t, "Otazka")->width(), 100);

    // Markers: a subset answer shows yes and mistake, a superset yes and no.
    auto znacky = [&] {
        std::vector<QString> z;
        for (QLabel* img : NajdiRadu<QLabel>(t, "img")) {
            z.push_back(img->isVisibleTo(t.get()) ? img->property("znacka").toString() : QString());
            if (img->isVisibleTo(t.get()))
                EXPECT_FALSE(img->pixmap().isNull());
        }
        return z;
    };
    vyber(3);
    EXPECT_EQ(znacky(), (std::vector<QString> {"yes.jpg", "", "mistake.jpg", ""}));
    vyber(17);
    EXPECT_EQ(znacky(), (std::vector<QString> {"yes.jpg", "no.jpg", "yes.jpg", "no.jpg"}));
    vyber(25);
    EXPECT_EQ(znacky(), (std::vector<QString> {"mistake.jpg", "", "mistake.jpg", ""}));
}

TEST_F(TestovaciList, ProtokolSeZapiseJenKdyzJeZapnuty)
{
    nastaveni_.protokoly = {false, false, true};
    auto t = Otevri();
    hodiny_.mistni = DatumCas {2026, 5, 1, 8, 30, 0, 0};  // later than the confirmation: not taken
    for (int k = 2; k <= 24; ++k)
        Zaskrtni(*t, k, "AC");
    Zaskrtni(*t, 1, "A");
    for (int i = 0; i < 67; ++i)
        Vyprs(t, "Timer1");
    Vyhodnot(*t);
    EXPECT_EQ(Najdi<QLabel>(t, "lbProtokol")->text(),
              QStringLiteral("Byl vytvořen protokol z testu - přístupný je z hlavního menu"));
    Tabulka p;
    p.Svaz(adresar_.CestaStd(), "Protokoly");
    p.Otevri();
    ASSERT_EQ(p.PocetZaznamu(), 1);
    EXPECT_EQ(p.PoleJmenem("Profil").JakoText(), "Jana");
    EXPECT_EQ(p.PoleJmenem("DatumACas").JakoDatumCas(), (DatumCas {2026, 3, 14, 10, 0, 0, 0}));
    EXPECT_EQ(p.PoleJmenem("Skupina").JakoText(), "B");
    EXPECT_EQ(p.PoleJmenem("DelkaTestu").JakoText(), "01:07");
    EXPECT_EQ(p.PoleJmenem("Spravne").JakoCele(), 23);
    EXPECT_EQ(p.PoleJmenem("PocetBodu").JakoCele(), 58);
    EXPECT_EQ(p.PoleJmenem("MinPocetBodu").JakoCele(), 56);
    EXPECT_EQ(p.PoleJmenem("Verdikt").JakoText(), "Prošel");
    std::string odpoved = "A", cisla;
    for (int k = 2; k <= 24; ++k)
        odpoved += " AC";
    for (int c : cisla_)
        cisla += (cisla.empty() ? "" : " ") + std::to_string(c);
    EXPECT_EQ(p.PoleJmenem("Odpoved").JakoText(), odpoved + " ");
    EXPECT_EQ(p.PoleJmenem("SkutCis").JakoText(), cisla);
    EXPECT_EQ(p.PoleJmenem("Body").JakoText(), "3 3 3 3 3 3 3 3 3 3 2 2 2 2 1 1 2 2 2 2 2 3 4 4 4");
    p.Zavri();
}

TEST_F(TestovaciList, NezdarenyZapisProtokoluSeOhlasiAPanelHoNetvrdi)
{
    nastaveni_.protokoly = {true, true, true};
    auto t = Otevri();
    const std::string poskozeny = "toto není tabulka\n";
    {
        std::ofstream f(adresar_.CestaStd() + "/Protokoly.DB", std::ios::binary);
        f << poskozeny;
    }
    std::shared_ptr<ZachycenyDialog> chyba;
    auto souhrn = OdpovedzModalnimu([&](QWidget* w) {
        chyba = StiskniVeZprave(QMessageBox::Ok, w);
        qobject_cast<QMessageBox*>(w)->button(QMessageBox::Ok)->click();
    });
    QTest::mouseClick(Najdi<QPushButton>(t, "btnVyhodnotit"), Qt::LeftButton);
    ASSERT_TRUE(souhrn->probehlo);
    EXPECT_TRUE(souhrn->text.startsWith(QStringLiteral("Test nebyl úspěšně vyřešen!")));
    ASSERT_TRUE(chyba && chyba->probehlo);
    EXPECT_EQ(chyba->titulek, Zpravy::kChyba);
    EXPECT_EQ(Najdi<QLabel>(t, "lbProtokol")->text(),
              QStringLiteral("Protokol z testu se nepodařilo vytvořit!"));
    std::ifstream f(adresar_.CestaStd() + "/Protokoly.DB", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(f), {}), poskozeny);
}

TEST_F(TestovaciList, PorovnaniUkazePoznamkuVPrazdnemPasmu)
{
    NaPozici(2).poznamka = DlouhyText(2);
    NaPozici(23).obrazek = "grafika/velky.jpg";
    NaPozici(23).poznamka = DlouhyText(4);
    ZapisObrazek(QStringLiteral("velky.jpg"), 300, 175);
    for (const bool vysvetleni : {true, false}) {
        UlozVysvetleni(adresar_.CestaStd(), "Jana", vysvetleni);
        for (const char* pripona : {".DB", ".MB"})
            std::filesystem::remove(std::filesystem::path(adresar_.CestaStd())
                                    / (std::string("otazky") + pripona));
        auto t = Otevri();
        Vyhodnot(*t);
        for (const int k : {2, 17, 23}) {
            Najdi<QTableWidget>(t, "Tabulka")->setCurrentCell((k - 1) / 7, (k - 1) % 7);
            const StatickyText* p = Najdi<StatickyText>(t, "Poznamka");
            ASSERT_EQ(p->isVisible(), vysvetleni) << k;
            if (!vysvetleni)
                continue;
            EXPECT_EQ(p->text(), QString::fromStdString(NaPozici(k).poznamka)) << k;
            EXPECT_EQ(p->accessibleDescription(), p->text()) << k;
            // Below the answers, inside the frame, clear of the picture.
            const StatickyText* d = Porovnani(t, 3);
            EXPECT_GE(p->y(), d->y() + d->height()) << k;
            EXPECT_LE(p->y() + p->height(), Najdi<QGroupBox>(t, "SpatnaOtazka")->height() - 6) << k;
            EXPECT_GT(p->height(), 0) << k;
            if (Najdi<QLabel>(t, "Obrazek")->isVisible())
                EXPECT_FALSE(p->geometry().intersects(Najdi<QLabel>(t, "Obrazek")->geometry()))
                    << k;
        }
        Najdi<QTimer>(t, "Timer1")->stop();
        t->close();
    }
}

TEST_F(TestovaciList, DlouheJmenoVeStavovemRadkuSeZkratiACeleJeVNapovede)
{
    nastaveni_.aktivniProfil = "Žaneta Čížková-Dvořáčková z Horní Dolní";
    auto t = Otevri();
    const QLabel* panel = Panel(t, 0);
    EXPECT_LE(panel->fontMetrics().horizontalAdvance(panel->text()), panel->contentsRect().width());
    EXPECT_TRUE(panel->text().endsWith(QChar(0x2026))) << panel->text().toStdString();
    EXPECT_EQ(panel->toolTip(),
              QStringLiteral("Uživatel: Žaneta Čížková-Dvořáčková z Horní Dolní"));
    Najdi<QTimer>(t, "Timer1")->stop();
}
