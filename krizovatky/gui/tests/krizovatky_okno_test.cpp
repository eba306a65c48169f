#include "krizovatky/gui/TKrizovatky.h"

#include "krizovatky/Generator.h"
#include "krizovatky/ZaznamKrizovatky.h"
#include "testsupport/GuiTest.h"
#include "testsupport/Najdi.h"
#include "testsupport/RucniHodiny.h"
#include "testsupport/SlozkaJenProCteni.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <memory>
#include <vector>

namespace {

// The seeds the window is given, one after another (then 0, 1, 2, ...).
TKrizovatky::ZdrojSeedu Seedy(std::vector<std::uint32_t> seedy)
{
    auto i = std::make_shared<size_t>(0);
    return [seedy, i] {
        return *i < seedy.size() ? seedy[(*i)++]
                                 : static_cast<std::uint32_t>((*i)++ - seedy.size());
    };
}

class OknoKrizovatek : public testing::Test {
protected:
    std::filesystem::path Adresar() const { return adresar.CestaStd(); }

    std::unique_ptr<TKrizovatky> Otevri(std::vector<std::uint32_t> seedy,
                                        const std::string& profil = "Jana")
    {
        auto okno =
            std::make_unique<TKrizovatky>(Adresar(), profil, hodiny, Seedy(std::move(seedy)));
        okno->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(okno.get()));
        return okno;
    }

    QString Text(const TKrizovatky& okno, const char* jmeno)
    {
        return Najdi<QLabel>(&okno, jmeno)->text();
    }

    DocasnyAdresar adresar;
    RucniHodiny hodiny;
};

const char* const kKlavesy = "ABC123";

}  // namespace

// Each key chooses its place; the verdict follows the generator's right answer; the answer is
// final; Enter moves on only after it and shows the next seed of the source.
TEST_F(OknoKrizovatek, KlavesyVoliAEnterPokracuje)
{
    for (int k = 0; k < 6; ++k) {
        const std::uint32_t seed = 100 + k;
        const GenerovanaSituace g = GenerujSituaci(seed);
        auto okno = Otevri({seed, 7});
        EXPECT_EQ(Text(*okno, "lbSeed"), QStringLiteral("Situace číslo %1").arg(seed));
        EXPECT_EQ(Text(*okno, "lbOtazka"), QString::fromStdString(g.otazka));
        QTest::keyClick(okno.get(), Qt::Key_Return);  // not answered yet: stays
        EXPECT_EQ(Text(*okno, "lbSeed"), QStringLiteral("Situace číslo %1").arg(seed));

        const int misto = k % 3;
        QTest::keyClick(okno.get(), static_cast<Qt::Key>(kKlavesy[k]));
        const bool dobre = misto == g.spravna;
        EXPECT_EQ(
            Text(*okno, "lbVerdikt"),
            dobre ? QStringLiteral("Správně!")
                  : QStringLiteral("Špatně. Správná odpověď je %1.").arg(QChar('A' + g.spravna)))
            << "key " << kKlavesy[k];
        for (int i = 0; i < 3; ++i) {
            const QString stav =
                Najdi<QPushButton>(okno.get(), QStringLiteral("btnOdpoved") + QChar('A' + i))
                    ->property("stav")
                    .toString();
            EXPECT_EQ(stav,
                      i == g.spravna   ? QStringLiteral("spravna")
                          : i == misto ? QStringLiteral("spatna")
                                       : QString());
        }
        // each participant of a step on a line of its own
        const QString prvni =
            QString::fromStdString(g.reseni.kroky.front().pravidlo).toHtmlEscaped();
        EXPECT_TRUE(
            Text(*okno, "lbVysvetleni")
                .contains(QString(prvni).replace(QLatin1Char('\n'), QStringLiteral("<br>"))))
            << prvni.toStdString();
        EXPECT_FALSE(Text(*okno, "lbVysvetleni").contains(QLatin1Char('|')));
        QTest::keyClick(
            okno.get(),
            static_cast<Qt::Key>(kKlavesy[(k + 1) % 6]));  // a second choice changes nothing
        EXPECT_EQ(Text(*okno, "lbSkore"),
                  QStringLiteral("Skóre: %1 z 1 (%2 %)").arg(dobre ? 1 : 0).arg(dobre ? 100 : 0));

        QTest::keyClick(okno.get(), k % 2 ? Qt::Key_Enter : Qt::Key_Return);
        EXPECT_EQ(Text(*okno, "lbSeed"), QStringLiteral("Situace číslo 7"));
        EXPECT_TRUE(Text(*okno, "lbVerdikt").isEmpty());
        EXPECT_TRUE(Text(*okno, "lbVysvetleni").isEmpty());
    }
}

// The score counts every answer since the window opened, right ones by the generator's key; the
// answers are stored for the profile with the clock's time, the seed and both letters.
TEST_F(OknoKrizovatek, SkoreAUlozeneOdpovedi)
{
    const std::vector<std::uint32_t> seedy = {11, 12, 13, 14, 15};
    const std::vector<bool> spravne = {true, false, true, true, false};
    auto okno = Otevri(seedy);
    std::vector<ZaznamKrizovatky> ocekavane;
    for (size_t i = 0; i < seedy.size(); ++i) {
        const GenerovanaSituace g = GenerujSituaci(seedy[i]);
        const int misto = spravne[i] ? g.spravna : (g.spravna + 1) % 3;
        hodiny.mistni.minuta = static_cast<int>(i);
        QTest::mouseClick(
            Najdi<QPushButton>(okno.get(), QStringLiteral("btnOdpoved") + QChar('A' + misto)),
            Qt::LeftButton);
        ocekavane.push_back({"Jana", hodiny.mistni, seedy[i],
                             g.druh == DruhOtazky::Prvni ? 'P' : 'O', char('A' + misto),
                             char('A' + g.spravna)});
        QTest::mouseClick(Najdi<QPushButton>(okno.get(), "btnDalsi"), Qt::LeftButton);
    }
    EXPECT_EQ(Text(*okno, "lbSkore"), QStringLiteral("Skóre: 3 z 5 (60 %)"));
    EXPECT_EQ(NactiKrizovatky(Adresar(), "Jana"), ocekavane);
    EXPECT_TRUE(NactiKrizovatky(Adresar(), "Eva").empty());

    // A window opened anew counts from zero; without a profile nothing is stored.
    std::filesystem::remove(Adresar() / "Krizovatky.DB");
    auto bezProfilu = Otevri({11}, "");
    EXPECT_EQ(Text(*bezProfilu, "lbSkore"), QStringLiteral("Skóre: 0 z 0"));
    QTest::keyClick(bezProfilu.get(), Qt::Key_A);
    EXPECT_FALSE(std::filesystem::exists(Adresar() / "Krizovatky.DB"));
}

// A seed typed in shows that situation, the same as when the source gives it, picture included;
// after the answer the picture carries the numbers of the order.
TEST_F(OknoKrizovatek, SeedZobraziTutezSituaci)
{
    auto prvni = Otevri({4321});
    auto druhe = Otevri({5});
    druhe->resize(prvni->size());
    QTest::keyClicks(Najdi<QLineEdit>(druhe.get(), "edSeed"), QStringLiteral("4321"));
    QTest::keyClick(Najdi<QLineEdit>(druhe.get(), "edSeed"), Qt::Key_Return);
    for (const char* jmeno : {"lbSeed", "lbOtazka"})
        EXPECT_EQ(Text(*druhe, jmeno), Text(*prvni, jmeno)) << jmeno;
    const GenerovanaSituace g = GenerujSituaci(4321);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Text(*druhe, ("lbOdpoved" + std::string(1, char('A' + i))).c_str()),
                  QString::fromStdString(g.odpovedi[size_t(i)]));
    auto obraz = [](const TKrizovatky& o) {
        return Najdi<QLabel>(&o, "lbObrazek")->pixmap().toImage();
    };
    ASSERT_FALSE(obraz(*prvni).isNull());
    EXPECT_EQ(obraz(*druhe), obraz(*prvni));
    EXPECT_GE(obraz(*prvni).width(), 300);

    const QImage pred = obraz(*prvni);
    QTest::keyClick(prvni.get(), Qt::Key_1);
    EXPECT_NE(obraz(*prvni), pred) << "the numbers of the order are drawn";
    EXPECT_EQ(obraz(*prvni).size(), pred.size());
}

// A table that cannot be written: the error is shown, the answer still counts, and the failed
// record is not written later with the next one.
TEST_F(OknoKrizovatek, ChybaUlozeniSeUkazeANicNezapise)
{
    auto okno = Otevri({21, 22});
    std::shared_ptr<ZachycenyDialog> chyba;
    {
        SlozkaJenProCteni jenProCteni(Adresar());
        ASSERT_TRUE(jenProCteni.Platne()) << "the folder could not be made read-only";
        chyba = StiskniVeZprave(QMessageBox::Ok, okno.get());
        QTest::keyClick(okno.get(), Qt::Key_B);
        EXPECT_TRUE(CekejNa([&] { return chyba->probehlo; }));
    }
    EXPECT_TRUE(chyba->text.contains(QStringLiteral("Krizovatky.DB"))) << chyba->text.toStdString();
    EXPECT_EQ(Text(*okno, "lbSkore").left(12),
              QStringLiteral("Skóre: ") + QString::number(GenerujSituaci(21).spravna == 1 ? 1 : 0)
                  + QStringLiteral(" z 1"));
    QTest::keyClick(okno.get(), Qt::Key_Return);
    QTest::keyClick(okno.get(), Qt::Key_C);
    const auto ulozene = NactiKrizovatky(Adresar(), "Jana");
    ASSERT_EQ(ulozene.size(), 1u);
    EXPECT_EQ(ulozene[0].seed, 22u);
}
