#include "ui/MereniTextu.h"
#include "questions/Banka.h"
#include "questions/gui/PanelOtazek.h"
#include "testsupport/GuiTest.h"
#include "testsupport/TestovaciBanka.h"
#include "testsupport/Najdi.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <QApplication>
#include <QWheelEvent>

#include <filesystem>
#include <functional>

namespace {

const QString kVyrazena =
    QStringLiteral("Otázka vyřazena v srpnu 2001 či po novele zákona 247/00 Sb. v lednu 2002");

class Zobrazeni : public testing::Test {
protected:
    void SetUp() override
    {
        ZapisObrazkyVzoroveBanky(adresar.CestaStd());
        otazky = VzorovaBanka();
        banka.NactiZ(otazky);
        panel = std::make_unique<PanelOtazek>(banka, adresar.CestaStd(), nullptr);
        // The owner's part, as the run cycle and the main window play it: the run's state
        // changes first, then the panel shows it.
        QObject::connect(panel.get(), &PanelOtazek::klikNaOdpoved, [this](int i) {
            if (PrepniOdpoved(stav, i))
                panel->ZobrazOznaceni(stav.oznaceno);
        });
        QObject::connect(panel.get(), &PanelOtazek::vybranaOtazka, [this](int n) { Zobraz(n); });
        panel->resize(632, 316);
        panel->show();
    }

    // A question text of exactly `radku` lines at the question's full width.
    static std::string TextNaRadky(int radku)
    {
        QFont pismo(QStringLiteral("Arial"));
        pismo.setPixelSize(16);
        QString text;
        while (PocetRadku(text, pismo, 617) < radku)
            text += QStringLiteral("Řidič musí dbát zvýšené opatrnosti. ");
        return text.trimmed().toStdString();
    }

    // The run state names question n, then the panel draws it, as in a run.
    void Zobraz(int n)
    {
        NastavAktualni(stav, banka, n);
        panel->ZobrazOtazku(n);
    }

    // The marks the panel shows; while an answer is pending they are the run state's marks.
    std::array<bool, 4> Oznaceno() const
    {
        std::array<bool, 4> videt {};
        const auto znacky = NajdiRadu<QLabel>(panel, "img");
        for (std::size_t i = 0; i < 4; ++i)
            videt[i] = znacky[i]->isVisibleTo(panel.get());
        if (stav.cekaNaOdpoved)
            EXPECT_EQ(stav.oznaceno, videt);
        return videt;
    }

    void Zadej(const QString& text)
    {
        Najdi<QLineEdit>(panel, "eCisloO")->setText(text);
        QTest::keyClick(Najdi<QLineEdit>(panel, "eCisloO"), Qt::Key_Return);
    }

    DocasnyAdresar adresar;
    std::vector<Otazka> otazky;
    Banka banka;
    StavBehu stav;
    std::unique_ptr<PanelOtazek> panel;
};

TEST_F(Zobrazeni, TextNaTriRadkyPosuneOdpovedAna88)
{
    otazky[0].otazka = TextNaRadky(3);
    otazky[0].a = TextNaRadky(2);
    banka.NactiZ(otazky);
    Zobraz(1);
    EXPECT_EQ(Najdi<QLabel>(panel, "lbCisloOtazky")->text(), QStringLiteral("Otázka číslo 1"));
    EXPECT_EQ(Najdi<StatickyText>(panel, "stOtazka")->geometry(), QRect(8, 24, 617, 54));
    EXPECT_EQ(Najdi<StatickyText>(panel, "stA")->y(), 88);
    EXPECT_EQ(Najdi<QLabel>(panel, "imgA")->y(), 88);
    EXPECT_EQ(Najdi<QLabel>(panel, "lbA")->y(), 88);
    // b) follows a) directly; the note comes 10 px under d).
    EXPECT_EQ(Najdi<StatickyText>(panel, "stA")->height(), 36);
    EXPECT_EQ(Najdi<StatickyText>(panel, "stB")->y(), 124);
    EXPECT_EQ(Najdi<StatickyText>(panel, "stC")->y(), 142);
    EXPECT_EQ(Najdi<StatickyText>(panel, "stD")->y(), 160);
    EXPECT_EQ(Najdi<StatickyText>(panel, "stD")->height(), 0);  // no answer d)
    EXPECT_FALSE(Najdi<QLabel>(panel, "lbD")->isVisible());
    EXPECT_EQ(Najdi<StatickyText>(panel, "stPoznamka")->y(), 170);
    EXPECT_EQ(stav.spravneOdpovedi, "B");
    EXPECT_EQ(stav.skupinaOtazky, "ABCD");
}

TEST_F(Zobrazeni, PocetRadkuNepocitaPrazdnyKonec)
{
    QFont pismo(QStringLiteral("Arial"));
    pismo.setPixelSize(16);
    EXPECT_EQ(PocetRadku(QString(), pismo, 580), 0);
    EXPECT_EQ(PocetRadku(QStringLiteral("Krátká odpověď."), pismo, 580), 1);
    EXPECT_EQ(PocetRadku(QStringLiteral("Krátká odpověď.\n"), pismo, 580), 1);
    EXPECT_EQ(PocetRadku(QStringLiteral("první\r\ndruhá"), pismo, 580), 2);
}

TEST_F(Zobrazeni, ObrazekPodleCislaAZuzeniTextu)
{
    Zobraz(620);
    EXPECT_FALSE(Najdi<QLabel>(panel, "imgObrazek")->isVisible());
    EXPECT_EQ(Najdi<StatickyText>(panel, "stOtazka")->width(), 617);
    EXPECT_EQ(Najdi<StatickyText>(panel, "stA")->width(), 580);

    Zobraz(621);
    ASSERT_TRUE(Najdi<QLabel>(panel, "imgObrazek")->isVisible());
    EXPECT_EQ(Najdi<QLabel>(panel, "imgObrazek")->geometry(), QRect(530, 8, 40, 30));
    EXPECT_EQ(Najdi<StatickyText>(panel, "stOtazka")->width(), 617 - 40);
    for (auto* odpoved : NajdiRadu<StatickyText>(panel, "st"))
        EXPECT_EQ(odpoved->width(), 580 - 40);
    EXPECT_EQ(Najdi<StatickyText>(panel, "stPoznamka")->width(), 597);

    Zobraz(625);  // a path written with a backslash
    EXPECT_TRUE(Najdi<QLabel>(panel, "imgObrazek")->isVisible());

    Zobraz(721);
    EXPECT_EQ(Najdi<QLabel>(panel, "imgObrazek")->geometry(), QRect(326, 8, 50, 20));
    EXPECT_EQ(Najdi<StatickyText>(panel, "stB")->width(), 530);

    Zobraz(3);
    EXPECT_FALSE(Najdi<QLabel>(panel, "imgObrazek")->isVisible());
    EXPECT_EQ(Najdi<StatickyText>(panel, "stOtazka")->width(), 617);
}

TEST_F(Zobrazeni, PoznamkaZacinaPodObrazkem)
{
    // A short situation question: the note must not start behind its 300 x 175 picture.
    QImage velky(300, 175, QImage::Format_RGB32);
    velky.fill(Qt::darkYellow);
    ASSERT_TRUE(velky.save(QString::fromStdString(adresar.CestaStd() + "/grafika/721.jpg")));
    Zobraz(721);
    ASSERT_EQ(Najdi<QLabel>(panel, "imgObrazek")->geometry(), QRect(326, 8, 300, 175));
    EXPECT_LT(Najdi<StatickyText>(panel, "stD")->y() + Najdi<StatickyText>(panel, "stD")->height()
                  + 10,
              193);
    EXPECT_EQ(Najdi<StatickyText>(panel, "stPoznamka")->y(), 193);

    Zobraz(3);  // without a picture the note follows the answers again
    EXPECT_EQ(Najdi<StatickyText>(panel, "stPoznamka")->y(),
              Najdi<StatickyText>(panel, "stD")->y() + Najdi<StatickyText>(panel, "stD")->height()
                  + 10);
}

TEST_F(Zobrazeni, ChybejiciObrazekNicNezuzi)
{
    std::filesystem::remove(adresar.CestaStd() + "/grafika/621.jpg");
    Zobraz(621);
    EXPECT_FALSE(Najdi<QLabel>(panel, "imgObrazek")->isVisible());
    EXPECT_EQ(Najdi<StatickyText>(panel, "stOtazka")->width(), 617);
    EXPECT_EQ(Najdi<StatickyText>(panel, "stC")->width(), 580);
}

TEST_F(Zobrazeni, VyrazenaOtazkaANavratKNormalni)
{
    Zobraz(3);
    panel->ZobrazOtazku(5);
    EXPECT_EQ(panel->Titulek(), kVyrazena);
    EXPECT_EQ(Najdi<QLabel>(panel, "lbCisloOtazky")->text(), QStringLiteral("Otázka číslo 5"));
    EXPECT_FALSE(Najdi<StatickyText>(panel, "stOtazka")->isVisible());
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(
            Najdi<QLabel>(panel, Pismenem("lb", static_cast<std::size_t>(i)))->isVisible());
        EXPECT_FALSE(
            Najdi<QLabel>(panel, Pismenem("img", static_cast<std::size_t>(i)))->isVisible());
    }
    // Drawing leaves the run's state alone: the previous question's letters stay.
    EXPECT_EQ(stav.spravneOdpovedi, "AC");
    EXPECT_TRUE(Najdi<StatickyText>(panel, "stPoznamka")->text().isEmpty());

    Zobraz(6);
    EXPECT_TRUE(panel->Titulek().isEmpty());
    EXPECT_TRUE(Najdi<StatickyText>(panel, "stOtazka")->isVisible());
    EXPECT_EQ(Najdi<StatickyText>(panel, "stOtazka")->text(), QStringLiteral("Otázka 6?"));
    EXPECT_TRUE(Najdi<QLabel>(panel, "lbA")->isVisible());
    EXPECT_TRUE(Najdi<StatickyText>(panel, "stC")->isVisible());
    EXPECT_EQ(stav.spravneOdpovedi, "AC");
}

TEST_F(Zobrazeni, LevyKlikPrepinaZnackuJenPriCekajiciOdpovedi)
{
    Zobraz(2);
    stav.cekaNaOdpoved = false;
    QTest::mouseClick(Najdi<StatickyText>(panel, "stB"), Qt::LeftButton);
    QTest::mouseClick(Najdi<QLabel>(panel, "lbA"), Qt::LeftButton);
    EXPECT_EQ(Oznaceno(), (std::array<bool, 4> {false, false, false, false}));

    stav.cekaNaOdpoved = true;
    QTest::mouseClick(Najdi<StatickyText>(panel, "stB"), Qt::LeftButton);
    QTest::mouseClick(Najdi<QLabel>(panel, "lbC"), Qt::LeftButton);
    EXPECT_EQ(Oznaceno(), (std::array<bool, 4> {false, true, true, false}));
    QTest::mouseClick(Najdi<StatickyText>(panel, "stB"), Qt::LeftButton);
    EXPECT_EQ(Oznaceno(), (std::array<bool, 4> {false, false, true, false}));
    // Clicking a mark itself does nothing with the left button.
    QTest::mouseClick(Najdi<QLabel>(panel, "imgC"), Qt::LeftButton);
    EXPECT_EQ(Oznaceno(), (std::array<bool, 4> {false, false, true, false}));
}

// The answer keys toggle as a left click does (only while an answer is pending, and only for an
// answer the question has); Enter and Space act as the right button.
TEST_F(Zobrazeni, KlavesyOdpovediAPotvrzeni)
{
    Zobraz(2);  // answers a..c, no d
    QSignalSpy kliky(panel.get(), &PanelOtazek::pravyKlik);
    stav.cekaNaOdpoved = false;
    QTest::keyClick(panel.get(), Qt::Key_A);
    EXPECT_EQ(Oznaceno(), (std::array<bool, 4> {false, false, false, false}));

    stav.cekaNaOdpoved = true;
    const struct {
        const char* klavesy;
        std::array<bool, 4> oznaceno;
    } pripady[] = {
        {"a", {true, false, false, false}},
        {"B", {true, true, false, false}},
        {"3", {true, true, true, false}},
        {"1", {false, true, true, false}},
        {"d4", {false, true, true, false}},  // no answer d: nothing
        {"+\xc5\xa1", {true, true, false, false}},  // "+" and "š", the unshifted 1 and 3 of a Czech
                                                    // keyboard
        {"x9", {true, true, false, false}},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.klavesy);
        // Qt's key code of a character is its upper-case code point, as a keyboard reports it.
        for (QChar znak : QString::fromUtf8(p.klavesy))
            QTest::sendKeyEvent(QTest::Click, panel.get(),
                                static_cast<Qt::Key>(znak.toUpper().unicode()), QString(znak),
                                Qt::NoModifier);
        EXPECT_EQ(Oznaceno(), p.oznaceno);
    }
    EXPECT_EQ(Najdi<QLabel>(panel, "imgA")->accessibleName(), QStringLiteral("Značka odpovědi a)"));
    EXPECT_EQ(Najdi<StatickyText>(panel, "stA")->accessibleDescription(),
              QStringLiteral("zvolená"));
    EXPECT_EQ(Najdi<StatickyText>(panel, "stC")->accessibleDescription(),
              QStringLiteral("nezvolená"));
    EXPECT_EQ(Najdi<StatickyText>(panel, "stB")->accessibleName(),
              QStringLiteral("Odpověď b) Odpověď b 2."));
    EXPECT_EQ(kliky.count(), 0);

    QTest::keyClick(panel.get(), Qt::Key_Return);
    QTest::keyClick(panel.get(), Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(panel.get(), Qt::Key_Space);
    EXPECT_EQ(kliky.count(), 3);
    // Evaluated marks say what they mean.
    stav.cekaNaOdpoved = false;
    panel->ZobrazVyhodnoceni({Znacka::Ne, Znacka::Ano, Znacka::Chyba, Znacka::Skryta});
    EXPECT_EQ(Najdi<StatickyText>(panel, "stA")->accessibleDescription(),
              QStringLiteral("špatně zvolená"));
    EXPECT_EQ(Najdi<StatickyText>(panel, "stB")->accessibleDescription(),
              QStringLiteral("správná odpověď"));
    EXPECT_EQ(Najdi<QLabel>(panel, "imgC")->accessibleDescription(),
              QStringLiteral("vynechaná správná odpověď"));
}

TEST_F(Zobrazeni, PravyKlikPredavajiJenOtazkoveOvladace)
{
    Zobraz(2);
    QSignalSpy kliky(panel.get(), &PanelOtazek::pravyKlik);
    QTest::mouseClick(Najdi<StatickyText>(panel, "stA"), Qt::RightButton);
    QTest::mouseClick(Najdi<StatickyText>(panel, "stOtazka"), Qt::RightButton);
    QTest::mouseClick(Najdi<QLabel>(panel, "lbCisloOtazky"), Qt::RightButton);
    QTest::mouseClick(panel.get(), Qt::RightButton, {}, QPoint(300, 300));
    EXPECT_EQ(kliky.count(), 4);
    Najdi<StatickyText>(panel, "stPoznamka")->show();
    QTest::mouseClick(Najdi<StatickyText>(panel, "stPoznamka"), Qt::RightButton, {}, QPoint(2, 2));
    Najdi<QFrame>(panel, "pProhlizeni")->show();
    QTest::mouseClick(Najdi<QFrame>(panel, "pProhlizeni"), Qt::RightButton, {}, QPoint(2, 2));
    QTest::mouseClick(Najdi<StatickyText>(panel, "stA"), Qt::LeftButton);
    EXPECT_EQ(kliky.count(), 4);
}

// The panel changes nothing by itself: with no owner listening, a click, a key or a browse step
// only reports which answer or question, and the run and the drawing stay as they were.
TEST_F(Zobrazeni, VstupJenOhlasiVlastnikovi)
{
    Zobraz(1);
    stav.cekaNaOdpoved = true;
    QObject::disconnect(panel.get(), &PanelOtazek::klikNaOdpoved, nullptr, nullptr);
    QObject::disconnect(panel.get(), &PanelOtazek::vybranaOtazka, nullptr, nullptr);
    QSignalSpy odpovedi(panel.get(), &PanelOtazek::klikNaOdpoved);
    QSignalSpy otazky(panel.get(), &PanelOtazek::vybranaOtazka);
    Najdi<QFrame>(panel, "pProhlizeni")->show();
    QLineEdit* e = Najdi<QLineEdit>(panel, "eCisloO");
    const struct {
        const char* nazev;
        std::function<void()> vstup;
        QSignalSpy* signal;
        int hodnota;
    } pripady[] = {
        {"klik na b)",
         [&] { QTest::mouseClick(Najdi<StatickyText>(panel, "stB"), Qt::LeftButton); }, &odpovedi,
         1},
        {"klik na pismeno a",
         [&] { QTest::mouseClick(Najdi<QLabel>(panel, "lbA"), Qt::LeftButton); }, &odpovedi, 0},
        {"klavesa C", [&] { QTest::keyClick(panel.get(), Qt::Key_C); }, &odpovedi, 2},
        {"Enter v cisle", [&] { Zadej(QStringLiteral("45")); }, &otazky, 45},
        {"sipka nahoru", [&] { QTest::keyClick(e, Qt::Key_Up); }, &otazky, 46},
        {"stranka dolu", [&] { QTest::keyClick(e, Qt::Key_PageDown); }, &otazky, 36},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.nazev);
        odpovedi.clear();
        otazky.clear();
        p.vstup();
        ASSERT_EQ(p.signal->count(), 1);
        EXPECT_EQ(p.signal->at(0).at(0).toInt(), p.hodnota);
        EXPECT_EQ(odpovedi.count() + otazky.count(), 1);
        EXPECT_EQ(stav.oznaceno, (std::array<bool, 4> {}));
        EXPECT_EQ(Oznaceno(), (std::array<bool, 4> {}));
        EXPECT_EQ(stav.cisloOtazky, 1);
        EXPECT_EQ(Najdi<QLabel>(panel, "lbCisloOtazky")->text(), QStringLiteral("Otázka číslo 1"));
    }
}

class Prohlizeni : public Zobrazeni {
protected:
    void SetUp() override
    {
        Zobrazeni::SetUp();
        Najdi<QFrame>(panel, "pProhlizeni")->show();
        Najdi<StatickyText>(panel, "stPoznamka")->show();
        panel->NactiZnacku(-1, QStringLiteral("yes.jpg"));
        Najdi<QLineEdit>(panel, "eCisloO")->setText(QStringLiteral("1"));
        Zobraz(1);
    }
};

TEST_F(Prohlizeni, ZnackyPraveSpravnychOdpovedi)
{
    EXPECT_EQ(Oznaceno(), (std::array<bool, 4> {false, true, false, false}));
    Zadej(QStringLiteral("3"));
    EXPECT_EQ(Oznaceno(), (std::array<bool, 4> {true, false, true, false}));
    EXPECT_EQ(Najdi<StatickyText>(panel, "stPoznamka")->text(),
              QStringLiteral("Poznámka k otázce 3."));
    EXPECT_FALSE(Najdi<QLabel>(panel, "imgA")->pixmap().isNull());
}

TEST_F(Prohlizeni, MysVPoliCislaUmistiKurzorAVybiraJakoVKazdemPoli)
{
    QLineEdit* e = Najdi<QLineEdit>(panel, "eCisloO");
    e->setText(QStringLiteral("123"));
    e->setCursorPosition(3);
    const int stred = e->height() / 2;
    QTest::mouseClick(e, Qt::LeftButton, {}, QPoint(2, stred));
    EXPECT_EQ(e->cursorPosition(), 0);
    QTest::mouseDClick(e, Qt::LeftButton, {}, QPoint(e->width() / 2, stred));
    EXPECT_EQ(e->selectedText(), QStringLiteral("123"));
    // Typing replaces the selection; only Enter shows a question.
    QTest::keyClicks(e, QStringLiteral("45"));
    EXPECT_EQ(e->text(), QStringLiteral("45"));
    EXPECT_EQ(stav.cisloOtazky, 1);
    QTest::keyClick(e, Qt::Key_Return);
    EXPECT_EQ(stav.cisloOtazky, 45);
}

TEST_F(Prohlizeni, EnterOmeziCisloNa1Az757)
{
    Zadej(QStringLiteral("0"));
    EXPECT_EQ(Najdi<QLineEdit>(panel, "eCisloO")->text(), QStringLiteral("1"));
    EXPECT_EQ(stav.cisloOtazky, 1);
    Zadej(QStringLiteral("900"));
    EXPECT_EQ(Najdi<QLineEdit>(panel, "eCisloO")->text(), QStringLiteral("757"));
    EXPECT_EQ(stav.cisloOtazky, 757);
    EXPECT_EQ(panel->Titulek(), kVyrazena);
}

TEST_F(Prohlizeni, NeplatneZadaniHlasiChybuANemeniOtazku)
{
    Zadej(QStringLiteral("7"));
    const std::pair<QString, QString> pripady[] = {
        {QStringLiteral("-5"), QStringLiteral("\"-5\" není platná integer hodnota!")},
        {QStringLiteral("+5"), QStringLiteral("\"+5\" není platná integer hodnota!")},
        {QStringLiteral("1 2"), QStringLiteral("\"1 2\" není platná integer hodnota!")},
        {QString(), QStringLiteral("Zadejte číslo otázky od 1 do 757.")},
        {QStringLiteral("99999999999"),
         QStringLiteral(
             "\"99999999999\" je příliš velké číslo. Zadejte číslo otázky od 1 do 757.")},
    };
    for (const auto& [text, zprava] : pripady) {
        auto chyba = StiskniVeZprave(QMessageBox::Ok);
        Zadej(text);
        ASSERT_TRUE(chyba->probehlo) << text.toStdString();
        EXPECT_EQ(chyba->text, zprava);
        EXPECT_EQ(chyba->titulek, QStringLiteral("Chybové hlášení programu Zebrovka 2003 (2004)"));
        EXPECT_EQ(chyba->ikona, QMessageBox::Critical);
        EXPECT_EQ(stav.cisloOtazky, 7);
        EXPECT_EQ(Najdi<QLineEdit>(panel, "eCisloO")->text(), text);
    }
    auto chyba = StiskniVeZprave(QMessageBox::Ok);
    Najdi<QLineEdit>(panel, "eCisloO")->setText(QStringLiteral("x"));
    Najdi<QToolButton>(panel, "sb1Nahoru")->click();
    EXPECT_TRUE(chyba->probehlo);
    EXPECT_EQ(stav.cisloOtazky, 7);
}

TEST_F(Prohlizeni, SipkyNeomezujiANepreskakuji)
{
    Najdi<QToolButton>(panel, "sb1Dolu")->click();  // at 1: nothing
    EXPECT_EQ(Najdi<QLineEdit>(panel, "eCisloO")->text(), QStringLiteral("1"));
    EXPECT_EQ(stav.cisloOtazky, 1);

    Najdi<QLineEdit>(panel, "eCisloO")->setText(QStringLiteral("757"));
    Najdi<QToolButton>(panel, "sb1Nahoru")->click();
    EXPECT_EQ(Najdi<QLineEdit>(panel, "eCisloO")->text(), QStringLiteral("757"));
    EXPECT_EQ(stav.cisloOtazky, 1);

    Najdi<QLineEdit>(panel, "eCisloO")->setText(QStringLiteral("900"));  // typed without Enter
    Najdi<QToolButton>(panel, "sb1Dolu")->click();
    EXPECT_EQ(Najdi<QLineEdit>(panel, "eCisloO")->text(), QStringLiteral("899"));
    EXPECT_EQ(stav.cisloOtazky, 899);
    EXPECT_EQ(panel->Titulek(), kVyrazena);

    Najdi<QLineEdit>(panel, "eCisloO")->setText(QStringLiteral("0"));
    Najdi<QToolButton>(panel, "sb1Nahoru")->click();
    EXPECT_EQ(stav.cisloOtazky, 1);

    // A withdrawn number shows the notice; the next step shows its neighbour normally.
    Najdi<QLineEdit>(panel, "eCisloO")->setText(QStringLiteral("4"));
    Najdi<QToolButton>(panel, "sb1Nahoru")->click();
    EXPECT_EQ(stav.cisloOtazky, 5);
    EXPECT_EQ(panel->Titulek(), kVyrazena);
    EXPECT_EQ(Oznaceno(), (std::array<bool, 4> {false, false, false, false}));
    Najdi<QToolButton>(panel, "sb1Nahoru")->click();
    EXPECT_EQ(stav.cisloOtazky, 6);
    EXPECT_TRUE(panel->Titulek().isEmpty());
    EXPECT_EQ(Oznaceno(), (std::array<bool, 4> {true, false, true, false}));
}

// Up and Down (and the wheel) are the spin arrows, PageUp and PageDown ten steps under the same
// rules; all of them stop at both ends of the bank.
TEST_F(Prohlizeni, SipkyStrankyAKoleckoNaObouKoncich)
{
    QLineEdit* e = Najdi<QLineEdit>(panel, "eCisloO");
    auto kolecko = [&](int delta) {
        QWheelEvent u(QPointF(5, 5), e->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(e, &u);
    };
    const struct {
        const char* nazev;
        QString od;
        std::function<void()> krok;
        int cislo;  // the question shown afterwards; 0: the entry and the question stay
    } pripady[] = {
        {"dolu na 1", QStringLiteral("1"), [&] { QTest::keyClick(e, Qt::Key_Down); }, 0},
        {"dolu", QStringLiteral("7"), [&] { QTest::keyClick(e, Qt::Key_Down); }, 6},
        {"nahoru", QStringLiteral("7"), [&] { QTest::keyClick(e, Qt::Key_Up); }, 8},
        {"nahoru na 757", QStringLiteral("757"), [&] { QTest::keyClick(e, Qt::Key_Up); }, 0},
        {"stranka nahoru", QStringLiteral("2"), [&] { QTest::keyClick(e, Qt::Key_PageUp); }, 12},
        {"stranka nahoru ke konci", QStringLiteral("750"),
         [&] { QTest::keyClick(e, Qt::Key_PageUp); }, 757},
        {"stranka nahoru na 757", QStringLiteral("757"),
         [&] { QTest::keyClick(e, Qt::Key_PageUp); }, 0},
        {"stranka dolu", QStringLiteral("12"), [&] { QTest::keyClick(e, Qt::Key_PageDown); }, 2},
        {"stranka dolu k zacatku", QStringLiteral("4"),
         [&] { QTest::keyClick(e, Qt::Key_PageDown); }, 1},
        {"stranka dolu na 1", QStringLiteral("1"), [&] { QTest::keyClick(e, Qt::Key_PageDown); },
         0},
        {"kolecko nahoru", QStringLiteral("7"), [&] { kolecko(120); }, 8},
        {"kolecko dolu", QStringLiteral("7"), [&] { kolecko(-120); }, 6},
        {"jemne kolecko do zubu", QStringLiteral("7"),
         [&] {
             kolecko(60);
             kolecko(60);
         },
         8},
        {"jemne kolecko pod zub", QStringLiteral("7"), [&] { kolecko(-60); }, 0},
        {"opacny smer zahodi zbytek", QStringLiteral("7"),
         [&] {
             kolecko(60);
             kolecko(-120);
         },
         6},
        {"kolecko na 757", QStringLiteral("757"), [&] { kolecko(120); }, 0},
        {"kolecko na 1", QStringLiteral("1"), [&] { kolecko(-120); }, 0},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.nazev);
        Zadej(p.od);
        const int predtim = stav.cisloOtazky;
        p.krok();
        EXPECT_EQ(stav.cisloOtazky, p.cislo == 0 ? predtim : p.cislo);
        EXPECT_EQ(e->text(), p.cislo == 0 ? p.od : QString::number(p.cislo));
    }
    // A text that is no number is reported by the keys as by the arrows.
    Zadej(QStringLiteral("7"));
    e->setText(QStringLiteral("x"));
    auto chyba = StiskniVeZprave(QMessageBox::Ok);
    QTest::keyClick(e, Qt::Key_PageUp);
    ASSERT_TRUE(chyba->probehlo);
    EXPECT_EQ(chyba->text, QStringLiteral("\"x\" není platná integer hodnota!"));
    EXPECT_EQ(stav.cisloOtazky, 7);
}

}  // namespace
