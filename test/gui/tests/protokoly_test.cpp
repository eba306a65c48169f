#include "storage/Tabulka.h"
#include "test/Protokol.h"
#include "test/gui/TSeznamTestu.h"
#include "test/gui/TTestDetailForm.h"
#include "testsupport/SlozkaJenProCteni.h"
#include "testsupport/VzorovyProtokol.h"
#include "testsupport/GuiTest.h"
#include "testsupport/Najdi.h"
#include "ui/ModelTabulky.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

#include <set>

namespace {

namespace fs = std::filesystem;

const QLocale kCesky(QLocale::Czech, QLocale::CzechRepublic);

std::string CtiSoubor(const fs::path& p)
{
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

class Protokoly : public testing::Test {
protected:
    fs::path Adresar() const { return adresar.CestaStd(); }

    // Writes a record of `profil` whose test started at minute `minuta` and gained `body` points.
    void Zapis(const std::string& profil, int minuta, int body = 51)
    {
        ZaznamProtokolu z = VzorovyProtokol();
        z.profil = profil;
        z.datumACas.minuta = minuta;
        z.pocetBodu = body;
        ZapisProtokol(Adresar(), z);
    }

    // The Profil field of every record in the table, in table order.
    std::vector<std::string> ProfilyVTabulce()
    {
        Tabulka t;
        t.Svaz(Adresar(), "Protokoly");
        t.Otevri();
        std::vector<std::string> profily;
        for (t.Prvni(); !t.Konec(); t.Dalsi())
            profily.push_back(t.PoleJmenem("Profil").JakoText());
        return profily;
    }

    // The shown texts of the grid's rows.
    static std::vector<QStringList> Radky(const TSeznamTestu& seznam)
    {
        std::vector<QStringList> radky;
        const auto* m = Najdi<QTableView>(&seznam, "DBGrid1")->model();
        for (int r = 0; r < m->rowCount(); ++r) {
            QStringList radek;
            for (int c = 0; c < m->columnCount(); ++c)
                radek << m->index(r, c).data().toString();
            radky.push_back(radek);
        }
        return radky;
    }

    static void OcekavejTlacitka(const TSeznamTestu& seznam, bool povolena)
    {
        EXPECT_TRUE(Najdi<QPushButton>(&seznam, "btnOK")->isEnabled());
        EXPECT_EQ(Najdi<QPushButton>(&seznam, "btnDetail")->isEnabled(), povolena);
        EXPECT_EQ(Najdi<QPushButton>(&seznam, "btnVymaz")->isEnabled(), povolena);
        EXPECT_EQ(Najdi<QPushButton>(&seznam, "btnVymazVse")->isEnabled(), povolena);
    }

    DocasnyAdresar adresar;
};

TEST_F(Protokoly, PrvniProtokolZalozíTabulkuDruhyJiPouzije)
{
    Zapis("Jana Nováková", 26);
    {
        TSeznamTestu seznam(Adresar(), "Jana Nováková", nullptr, kCesky);
        ASSERT_EQ(Radky(seznam).size(), 1u);
        EXPECT_EQ(Radky(seznam)[0], (QStringList {"14.03.26 9:26:53", "B", "51", "Neprošel"}));
    }
    Zapis("Jana Nováková", 40, 60);
    TSeznamTestu seznam(Adresar(), "Jana Nováková", nullptr, kCesky);
    ASSERT_EQ(Radky(seznam).size(), 2u);
    EXPECT_EQ(Radky(seznam)[1], (QStringList {"14.03.26 9:40:53", "B", "60", "Neprošel"}));
    EXPECT_EQ(ProfilyVTabulce().size(), 2u);
}

TEST_F(Protokoly, OknoSeznamu)
{
    Zapis("Jana", 1);
    Zapis("Jana", 2);
    TSeznamTestu seznam(Adresar(), "Jana", nullptr, kCesky);
    seznam.show();
    EXPECT_EQ(seznam.windowTitle(), QStringLiteral("Seznam testů,   Uživatel: Jana"));
    EXPECT_EQ(seznam.size(), QSize(392, 296));
    EXPECT_EQ(seznam.minimumSize(), seznam.maximumSize());
    EXPECT_TRUE(seznam.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(seznam.windowFlags() & Qt::WindowMaximizeButtonHint);

    const QStringList titulky {"Datum a čas", "Skupina", "Počet bodů", "Verdikt"};
    const int sirky[] = {118, 80, 90, 80};
    const auto* m = Najdi<QTableView>(&seznam, "DBGrid1")->model();
    ASSERT_EQ(m->columnCount(), 4);
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(m->headerData(c, Qt::Horizontal).toString(), titulky[c]);
        EXPECT_EQ(Najdi<QTableView>(&seznam, "DBGrid1")->columnWidth(c), sirky[c]);
        EXPECT_EQ(m->index(0, c).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
                  Qt::AlignCenter);
        EXPECT_EQ(m->headerData(c, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>(),
                  Qt::AlignCenter);
    }
    EXPECT_EQ(Najdi<QTableView>(&seznam, "DBGrid1")->selectionBehavior(),
              QAbstractItemView::SelectRows);
    EXPECT_EQ(Najdi<QTableView>(&seznam, "DBGrid1")->editTriggers(),
              QAbstractItemView::NoEditTriggers);
    EXPECT_TRUE(Najdi<QTableView>(&seznam, "DBGrid1")->showGrid());
    EXPECT_EQ(Najdi<QTableView>(&seznam, "DBGrid1")->horizontalHeader()->sectionResizeMode(0),
              QHeaderView::Interactive);
    EXPECT_EQ(Najdi<QTableView>(&seznam, "DBGrid1")->currentIndex().row(), 0);

    const std::pair<QPushButton*, QString> tlacitka[] = {
        {Najdi<QPushButton>(&seznam, "btnOK"), "&OK"},
        {Najdi<QPushButton>(&seznam, "btnDetail"), "&Protokol"},
        {Najdi<QPushButton>(&seznam, "btnVymaz"), "Vymaž &záznam"},
        {Najdi<QPushButton>(&seznam, "btnVymazVse"), "&Vymaž vše"}};
    int vpravo = 0;
    for (const auto& [b, text] : tlacitka) {
        EXPECT_EQ(b->text(), text);
        EXPECT_GE(b->y(), Najdi<QTableView>(&seznam, "DBGrid1")->geometry().bottom());
        EXPECT_LE(b->geometry().bottom(), 296);
        EXPECT_GE(b->x(), vpravo);  // in a row, left to right, none overlapping
        vpravo = b->geometry().right();
        EXPECT_LE(vpravo, 392);
    }
    OcekavejTlacitka(seznam, true);

    // A click selects the whole second row; OK closes.
    QTest::mouseClick(Najdi<QTableView>(&seznam, "DBGrid1")->viewport(), Qt::LeftButton, {},
                      Najdi<QTableView>(&seznam, "DBGrid1")->visualRect(m->index(1, 2)).center());
    EXPECT_EQ(Najdi<QTableView>(&seznam, "DBGrid1")->selectionModel()->selectedIndexes().size(), 4);
    EXPECT_TRUE(Najdi<QTableView>(&seznam, "DBGrid1")->selectionModel()->isRowSelected(1, {}));
    Najdi<QPushButton>(&seznam, "btnOK")->click();
    EXPECT_FALSE(seznam.isVisible());
}

TEST_F(Protokoly, ProfilSApostrofemVidiJenSveZaznamy)
{
    for (const char* profil : {"O'Neill", "ONeill", "O''Neill", "O'Neill ", "o'neill", "O'Neill"})
        Zapis(profil, 10);
    EXPECT_EQ(TSeznamTestu::FiltrProfilu("O'Neill"), "Profil = 'O''Neill'");
    EXPECT_EQ(TSeznamTestu::FiltrProfilu("'"), "Profil = ''''");

    TSeznamTestu seznam(Adresar(), "O'Neill", nullptr, kCesky);
    EXPECT_EQ(Radky(seznam).size(), 2u);
    TSeznamTestu zdvojeny(Adresar(), "O''Neill", nullptr, kCesky);
    EXPECT_EQ(Radky(zdvojeny).size(), 1u);
    TSeznamTestu zadny(Adresar(), "Neill", nullptr, kCesky);
    EXPECT_EQ(Radky(zadny).size(), 0u);
    OcekavejTlacitka(zadny, false);
}

TEST_F(Protokoly, MazaniPoJednomVypneTlacitkaPoPoslednim)
{
    Zapis("Jana", 1);
    Zapis("Karel", 2);
    Zapis("Jana", 3);
    Zapis("Jana", 4);
    TSeznamTestu seznam(Adresar(), "Jana", nullptr, kCesky);
    seznam.show();
    // The middle row goes first; the next one becomes current.
    Najdi<QTableView>(&seznam, "DBGrid1")
        ->setCurrentIndex(Najdi<QTableView>(&seznam, "DBGrid1")->model()->index(1, 0));
    Najdi<QPushButton>(&seznam, "btnVymaz")->click();
    ASSERT_EQ(Radky(seznam).size(), 2u);
    EXPECT_EQ(Radky(seznam)[0][0], QStringLiteral("14.03.26 9:01:53"));
    EXPECT_EQ(Radky(seznam)[1][0], QStringLiteral("14.03.26 9:04:53"));
    EXPECT_EQ(Najdi<QTableView>(&seznam, "DBGrid1")->currentIndex().row(), 1);
    OcekavejTlacitka(seznam, true);
    Najdi<QPushButton>(&seznam, "btnVymaz")->click();
    EXPECT_EQ(Najdi<QTableView>(&seznam, "DBGrid1")->currentIndex().row(), 0);
    OcekavejTlacitka(seznam, true);
    Najdi<QPushButton>(&seznam, "btnVymaz")->click();
    EXPECT_TRUE(Radky(seznam).empty());
    OcekavejTlacitka(seznam, false);
    EXPECT_EQ(ProfilyVTabulce(), std::vector<std::string> {"Karel"});
}

TEST_F(Protokoly, VymazVseSeZeptaAOdstraniJenTentoProfil)
{
    Zapis("Jana", 1);
    Zapis("Karel", 2);
    Zapis("Jana", 3);
    TSeznamTestu seznam(Adresar(), "Jana", nullptr, kCesky);
    seznam.show();

    auto ne = StiskniVeZprave(QMessageBox::No);
    Najdi<QPushButton>(&seznam, "btnVymazVse")->click();
    ASSERT_TRUE(ne->probehlo);
    EXPECT_EQ(ne->titulek, QStringLiteral("Otázka programu Zebrovka 2003 (2004)"));
    EXPECT_EQ(ne->text, QStringLiteral("Opravdu chcete smazat všechny záznamy?"));
    EXPECT_EQ(ne->ikona, QMessageBox::Question);
    EXPECT_EQ(ne->tlacitka, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(Radky(seznam).size(), 2u);
    EXPECT_EQ(ProfilyVTabulce().size(), 3u);

    auto ano = StiskniVeZprave(QMessageBox::Yes);
    Najdi<QPushButton>(&seznam, "btnVymazVse")->click();
    ASSERT_TRUE(ano->probehlo);
    EXPECT_TRUE(Radky(seznam).empty());
    OcekavejTlacitka(seznam, false);
    EXPECT_EQ(ProfilyVTabulce(), std::vector<std::string> {"Karel"});
    EXPECT_TRUE(fs::exists(Adresar() / "Protokoly.DB"));
}

// Opens the report of the list's current record and hands it to `akce` while it is shown.
void SProtokolem(TSeznamTestu& seznam, const std::function<void(TTestDetailForm&)>& akce)
{
    auto zachyceno = OdpovedzModalnimu(
        [&](QWidget* w) {
            auto* zprava = qobject_cast<TTestDetailForm*>(w);
            ASSERT_NE(zprava, nullptr) << w->metaObject()->className();
            akce(*zprava);
            if (zprava->isVisible())
                Najdi<QPushButton>(zprava, "btnOK")->click();
        },
        &seznam);
    Najdi<QPushButton>(&seznam, "btnDetail")->click();
    EXPECT_TRUE(zachyceno->probehlo);
}

TEST_F(Protokoly, OknoProtokolu)
{
    Zapis("Jana Nováková", 26);
    TSeznamTestu seznam(Adresar(), "Jana Nováková", nullptr, kCesky);
    seznam.move(300, 200);
    seznam.show();
    SProtokolem(seznam, [&](TTestDetailForm& z) {
        EXPECT_EQ(z.windowTitle(),
                  QStringLiteral("Test z 14.03.26 9:26:53; Uživatel: Jana Nováková"));
        EXPECT_EQ(z.size(), QSize(392, 466));
        EXPECT_EQ(z.minimumSize(), z.maximumSize());
        // Centred over the list, frames included.
        const QRect nad = seznam.frameGeometry(), vlastni = z.frameGeometry();
        EXPECT_EQ(vlastni.left(), nad.left() + (nad.width() - vlastni.width()) / 2);
        EXPECT_EQ(vlastni.top(), nad.top() + (nad.height() - vlastni.height()) / 2);
        EXPECT_EQ(Najdi<QPlainTextEdit>(&z, "mProtokol")->geometry(), QRect(0, 0, 392, 425));
        EXPECT_TRUE(Najdi<QPlainTextEdit>(&z, "mProtokol")->isReadOnly());
        EXPECT_EQ(Najdi<QPlainTextEdit>(&z, "mProtokol")->font().family(),
                  QStringLiteral("Courier New"));
        EXPECT_EQ(Najdi<QPlainTextEdit>(&z, "mProtokol")->font().pixelSize(), 11);
        EXPECT_TRUE(QFontInfo(Najdi<QPlainTextEdit>(&z, "mProtokol")->font()).fixedPitch());
        EXPECT_EQ(Najdi<QPlainTextEdit>(&z, "mProtokol")->verticalScrollBarPolicy(),
                  Qt::ScrollBarAlwaysOn);
        EXPECT_EQ(Najdi<QPlainTextEdit>(&z, "mProtokol")->textCursor().position(), 0);
        EXPECT_EQ(Najdi<QPlainTextEdit>(&z, "mProtokol")->toPlainText() + QLatin1Char('\n'),
                  QString::fromStdString(ZlatySoubor("protokol_zprava.txt")));
        for (auto [b, text] :
             {std::pair {Najdi<QPushButton>(&z, "btnOK"), "&OK"},
              std::pair {Najdi<QPushButton>(&z, "btnTisk"), "&Vytisknout"},
              std::pair {Najdi<QPushButton>(&z, "btnUloz"), "&Uložit do souboru"}}) {
            EXPECT_EQ(b->text(), QString::fromUtf8(text));
            EXPECT_GE(b->y(), 425);
            EXPECT_LE(b->geometry().bottom(), 466);
            EXPECT_GE(b->x(), 0);
            EXPECT_LE(b->geometry().right(), 392);
        }
        EXPECT_LT(Najdi<QPushButton>(&z, "btnOK")->geometry().right(),
                  Najdi<QPushButton>(&z, "btnTisk")->x());
        EXPECT_LT(Najdi<QPushButton>(&z, "btnTisk")->geometry().right(),
                  Najdi<QPushButton>(&z, "btnUloz")->x());
    });
}

// A record with memo fields of too few and too many items still opens its 40-line report.
TEST_F(Protokoly, PoskozenyZaznamDaZpravu)
{
    Zapis("Jana", 26);
    {
        Tabulka t;
        t.Svaz(Adresar(), "Protokoly");
        t.Otevri();
        t.Uprav();
        t.PoleJmenem("Body").NastavText("3 3");
        t.PoleJmenem("Odpoved").NastavText("");
        t.PoleJmenem("SkutCis").NastavText(
            std::string(40, '9').replace(1, 38, std::string(38, ' ')));
        t.Uloz();
    }
    TSeznamTestu seznam(Adresar(), "Jana", nullptr, kCesky);
    seznam.show();
    SProtokolem(seznam, [&](TTestDetailForm& z) {
        const QStringList radky =
            Najdi<QPlainTextEdit>(&z, "mProtokol")->toPlainText().split(QLatin1Char('\n'));
        ASSERT_EQ(radky.size(), kPocetRadkuZpravy);
        EXPECT_EQ(radky[11], QStringLiteral("   x   1         9                   A        0"));
        EXPECT_EQ(radky[12], QStringLiteral("   x   2                             B        0"));
        // The 25th item is what remains after the 24th space: 14 spaces and the last 9, wider
        // than its column and so appended whole.
        EXPECT_EQ(radky[35],
                  QStringLiteral("   x  25") + QString(14, QLatin1Char(' ')) + QStringLiteral("9")
                      + QString(19, QLatin1Char(' ')) + QStringLiteral("A        0"));
    });
}

// Answers the save dialog by typing `nazev` into its name field and pressing its save button.
// `potom` runs once the dialog has been answered, before the save goes on.
std::shared_ptr<ZachycenyDialog> UlozJako(const QString& nazev, TTestDetailForm& zprava,
                                          QString* filtr = nullptr,
                                          std::function<void()> potom = {})
{
    return OdpovedzModalnimu(
        [=](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            ASSERT_NE(dialog, nullptr) << w->metaObject()->className();
            EXPECT_EQ(dialog->objectName(), QStringLiteral("SaveDialog1"));
            EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
            if (filtr)
                *filtr = dialog->nameFilters().join(QLatin1Char(';'));
            auto* jmeno = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(jmeno, nullptr);
            jmeno->setText(nazev);
            auto* tlacitka = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
            ASSERT_NE(tlacitka, nullptr);
            tlacitka->button(QDialogButtonBox::Save)->click();
            EXPECT_FALSE(dialog->isVisible()) << "the dialog did not take the name";
            if (potom)
                potom();
        },
        &zprava);
}

TEST_F(Protokoly, UlozeniSPriponouIBezNi)
{
    Zapis("Jana Nováková", 26);
    TSeznamTestu seznam(Adresar(), "Jana Nováková", nullptr, kCesky);
    seznam.show();
    const std::string zlaty = ZlatySoubor("protokol_zprava_cp1250.txt");
    ASSERT_FALSE(zlaty.empty());
    SProtokolem(seznam, [&](TTestDetailForm& z) {
        QString filtr;
        auto prvni = UlozJako(adresar.Cesta() + QStringLiteral("/protokol"), z, &filtr);
        Najdi<QPushButton>(&z, "btnUloz")->click();
        ASSERT_TRUE(prvni->probehlo);
        EXPECT_EQ(filtr, QStringLiteral("Textové soubory (*.txt)"));
        EXPECT_EQ(CtiSoubor(Adresar() / "protokol.txt"), zlaty);
        EXPECT_FALSE(fs::exists(Adresar() / "protokol"));

        fs::create_directory(Adresar() / "jiny");
        auto druhy = UlozJako(adresar.Cesta() + QStringLiteral("/jiny/protokol.txt"), z);
        Najdi<QPushButton>(&z, "btnUloz")->click();
        ASSERT_TRUE(druhy->probehlo);
        EXPECT_EQ(CtiSoubor(Adresar() / "jiny" / "protokol.txt"), zlaty);
        EXPECT_FALSE(fs::exists(Adresar() / "jiny" / "protokol.txt.txt"));
        std::set<std::string> soubory;
        for (const auto& s : fs::directory_iterator(Adresar() / "jiny"))
            soubory.insert(s.path().filename().string());
        EXPECT_EQ(soubory, std::set<std::string> {"protokol.txt"});

        // Cancelling writes nothing.
        auto storno =
            OdpovedzModalnimu([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); }, &z);
        Najdi<QPushButton>(&z, "btnUloz")->click();
        EXPECT_TRUE(storno->probehlo);
    });
}

// The name typed lacks ".txt"; the file written has it. When that file exists, the question is
// asked about it before anything is written, Enter answers No, and only Yes replaces it.
TEST_F(Protokoly, UlozeniSeZeptaNaZapisovanySoubor)
{
    Zapis("Jana Nováková", 26);
    {
        std::ofstream(Adresar() / "protokol.txt", std::ios::binary) << "starsi";
    }
    TSeznamTestu seznam(Adresar(), "Jana Nováková", nullptr, kCesky);
    seznam.show();
    const std::string zlaty = ZlatySoubor("protokol_zprava_cp1250.txt");
    ASSERT_FALSE(zlaty.empty());
    SProtokolem(seznam, [&](TTestDetailForm& z) {
        auto* uloz = Najdi<QPushButton>(&z, QStringLiteral("btnUloz"));
        ASSERT_NE(uloz, nullptr);
        const struct {
            const char* odpoved;
            std::function<void(QMessageBox*)> odpovez;
            std::string potom;
        } pripady[] = {
            {"Ne", [](QMessageBox* box) { box->button(QMessageBox::No)->click(); }, "starsi"},
            {"Enter", [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); }, "starsi"},
            {"Ano", [](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); }, zlaty},
        };
        for (const auto& p : pripady) {
            SCOPED_TRACE(p.odpoved);
            std::shared_ptr<ZachycenyDialog> dotaz;
            std::string behemDotazu;
            bool vychoziNe = false;
            auto ulozeni = UlozJako(adresar.Cesta() + QStringLiteral("/protokol"), z, nullptr, [&] {
                dotaz = OdpovedzModalnimu(
                    [&](QWidget* w) {
                        auto* box = qobject_cast<QMessageBox*>(w);
                        ASSERT_NE(box, nullptr) << w->metaObject()->className();
                        behemDotazu = CtiSoubor(Adresar() / "protokol.txt");
                        vychoziNe = box->defaultButton()
                            && box->defaultButton() == box->button(QMessageBox::No);
                        p.odpovez(box);
                    },
                    &z);
            });
            uloz->click();
            ASSERT_TRUE(ulozeni->probehlo);
            ASSERT_TRUE(dotaz && dotaz->probehlo)
                << "nothing asked before protokol.txt was replaced";
            EXPECT_EQ(dotaz->titulek, QStringLiteral("Otázka programu Zebrovka 2003 (2004)"));
            EXPECT_EQ(dotaz->text,
                      QStringLiteral("Soubor „protokol.txt“ již existuje. Chcete jej nahradit?"));
            EXPECT_EQ(dotaz->tlacitka, QMessageBox::Yes | QMessageBox::No);
            EXPECT_EQ(dotaz->ikona, QMessageBox::Question);
            EXPECT_TRUE(vychoziNe);
            EXPECT_EQ(behemDotazu, "starsi");
            EXPECT_EQ(CtiSoubor(Adresar() / "protokol.txt"), p.potom);
        }
    });
    std::set<std::string> soubory;
    for (const auto& s : fs::directory_iterator(Adresar()))
        if (s.path().extension() == ".txt" || s.path().extension().empty())
            soubory.insert(s.path().filename().string());
    EXPECT_EQ(soubory, std::set<std::string> {"protokol.txt"});
}

TEST_F(Protokoly, UlozeniDoSlozkyJenProCteniOhlasiChybu)
{
    Zapis("Jana", 26);
    const fs::path slozka = Adresar() / "zamceno";
    fs::create_directory(slozka);
    {
        std::ofstream(slozka / "protokol.txt", std::ios::binary) << "starsi";
    }
    TSeznamTestu seznam(Adresar(), "Jana", nullptr, kCesky);
    seznam.show();
    SProtokolem(seznam, [&](TTestDetailForm& z) {
        SlozkaJenProCteni jenProCteni(slozka);
        if (!jenProCteni.Platne()) {
            ADD_FAILURE() << "the folder could not be made read-only";
            return;
        }
        std::shared_ptr<ZachycenyDialog> chyba;
        // The file exists: the question about replacing it comes first, then the error.
        std::shared_ptr<ZachycenyDialog> dotaz;
        auto ulozeni =
            UlozJako(QString::fromStdString((slozka / "protokol").string()), z, nullptr, [&] {
                dotaz = OdpovedzModalnimu(
                    [&](QWidget* w) {
                        chyba = StiskniVeZprave(QMessageBox::Ok, &z);
                        qobject_cast<QMessageBox*>(w)->button(QMessageBox::Yes)->click();
                    },
                    &z);
            });
        Najdi<QPushButton>(&z, "btnUloz")->click();
        ASSERT_TRUE(ulozeni->probehlo);
        ASSERT_TRUE(dotaz && dotaz->probehlo);
        ASSERT_TRUE(chyba && chyba->probehlo);
        EXPECT_EQ(chyba->titulek, QStringLiteral("Chybové hlášení programu Zebrovka 2003 (2004)"));
        EXPECT_EQ(chyba->ikona, QMessageBox::Critical);
        EXPECT_EQ(chyba->text,
                  QStringLiteral("Soubor „%1“ se nepodařilo uložit: přístup odepřen "
                                 "(do složky nelze zapisovat).")
                      .arg(QString::fromStdString((slozka / "protokol.txt").string())));
    });
    EXPECT_EQ(CtiSoubor(slozka / "protokol.txt"), "starsi");
    EXPECT_EQ(std::distance(fs::directory_iterator(slozka), {}), 1);
}

// Runs a poppler tool on `pdf` and returns what it wrote.
QString Poppler(const QString& nastroj, const QStringList& argumenty)
{
    QProcess proces;
    proces.start(nastroj, argumenty);
    EXPECT_TRUE(proces.waitForFinished(30000))
        << nastroj.toStdString() << " (poppler-utils) did not run";
    EXPECT_EQ(proces.exitCode(), 0) << proces.readAllStandardError().toStdString();
    return QString::fromUtf8(proces.readAllStandardOutput());
}

// The non-empty lines of the PDF's text with runs of spaces collapsed.
QStringList TextPdf(const QString& pdf)
{
    QStringList radky;
    for (const QString& r :
         Poppler("pdftotext", {"-layout", "-enc", "UTF-8", pdf, "-"}).split('\n'))
        if (!r.simplified().isEmpty())
            radky << r.simplified();
    return radky;
}

QStringList NeprazdneZjednodusene(const QStringList& radky)
{
    QStringList vysledek;
    for (const QString& r : radky)
        if (!r.simplified().isEmpty())
            vysledek << r.simplified();
    return vysledek;
}

int PocetStran(const QString& pdf)
{
    for (const QString& r : Poppler("pdfinfo", {pdf}).split('\n'))
        if (r.startsWith("Pages:"))
            return r.mid(6).trimmed().toInt();
    return -1;
}

TEST_F(Protokoly, TiskPresDialogDoPdf)
{
    Zapis("Jana Nováková", 26);
    TSeznamTestu seznam(Adresar(), "Jana Nováková", nullptr, kCesky);
    seznam.show();
    const QString pdf = adresar.Cesta() + QStringLiteral("/protokol.pdf");
    QStringList radky;
    QString titulek;
    SProtokolem(seznam, [&](TTestDetailForm& z) {
        radky = z.Radky();
        titulek = z.windowTitle();
        // Cancelling prints nothing.
        auto storno =
            OdpovedzModalnimu([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); }, &z);
        Najdi<QPushButton>(&z, "btnTisk")->click();
        ASSERT_TRUE(storno->probehlo);
        EXPECT_EQ(storno->objectName, QStringLiteral("PrintDialog1"));

        auto tisk = OdpovedzModalnimu(
            [&](QWidget* w) {
                ASSERT_NE(qobject_cast<QPrintDialog*>(w), nullptr) << w->metaObject()->className();
                auto* tiskarny = w->findChild<QComboBox*>(QStringLiteral("printers"));
                auto* soubor = w->findChild<QLineEdit*>(QStringLiteral("filename"));
                auto* tlacitka = w->findChild<QDialogButtonBox*>();
                ASSERT_TRUE(tiskarny && soubor && tlacitka);
                const int doPdf = tiskarny->findText(QStringLiteral("PDF"), Qt::MatchContains);
                ASSERT_GE(doPdf, 0);
                tiskarny->setCurrentIndex(doPdf);
                soubor->setText(pdf);
                tlacitka->button(QDialogButtonBox::Ok)->click();
            },
            &z);
        Najdi<QPushButton>(&z, "btnTisk")->click();
        ASSERT_TRUE(tisk->probehlo);
    });
    EXPECT_FALSE(fs::exists(Adresar() / "print.pdf"));
    ASSERT_TRUE(QFile::exists(pdf));
    ASSERT_EQ(radky.size(), kPocetRadkuZpravy);
    EXPECT_EQ(TextPdf(pdf).join('\n').toStdString(),
              NeprazdneZjednodusene(radky).join('\n').toStdString());
    EXPECT_EQ(PocetStran(pdf), 1);
    QString titulekPdf;
    for (const QString& r : Poppler("pdfinfo", {pdf}).split('\n'))
        if (r.startsWith("Title:"))
            titulekPdf = r.mid(6).trimmed();
    EXPECT_EQ(titulekPdf.toStdString(), titulek.toStdString());
}

// A short page makes the report run over three pages, a narrow one makes the font smaller;
// either way every line is on paper once and in order.
TEST_F(Protokoly, TiskZalomiStranyAVejdeSeNaSirku)
{
    QStringList radky;
    for (const std::string& r : RadkyZpravy(VstupZpravy {}))
        radky << QString::fromStdString(r);
    const std::pair<QSizeF, int> pripady[] = {{{150, 100}, 3}, {{90, 297}, 1}};
    for (const auto& [rozmer, stran] : pripady) {
        QPrinter tiskarna(QPrinter::HighResolution);
        tiskarna.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = adresar.Cesta() + QStringLiteral("/%1.pdf").arg(rozmer.width());
        tiskarna.setOutputFileName(pdf);
        tiskarna.setPageSize(QPageSize(rozmer, QPageSize::Millimeter));
        ASSERT_TRUE(VytiskniRadky(tiskarna, radky));
        EXPECT_EQ(PocetStran(pdf), stran) << rozmer.width();
        EXPECT_EQ(TextPdf(pdf).join('\n').toStdString(),
                  NeprazdneZjednodusene(radky).join('\n').toStdString());
    }
}

// Enter on the delete-all question answers "Ne": every record stays.
TEST_F(Protokoly, EnterNaVymazVseNicNesmaze)
{
    Zapis("Jana", 1);
    Zapis("Jana", 2);
    TSeznamTestu seznam(Adresar(), "Jana", nullptr, kCesky);
    seznam.show();
    auto box = OdpovedzModalnimu([](QWidget* w) {
        QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, Qt::Key_Return);
    });
    Najdi<QPushButton>(&seznam, "btnVymazVse")->click();
    ASSERT_TRUE(box->probehlo);
    EXPECT_EQ(box->text, QStringLiteral("Opravdu chcete smazat všechny záznamy?"));
    EXPECT_EQ(Radky(seznam).size(), 2u);
    EXPECT_EQ(ProfilyVTabulce().size(), 2u);
}

}  // namespace
