// The help, about and history windows on their own, with the help pages shipped beside the test
// executable (copied there by the build, as beside the program).
#include "info/TAbout.h"
#include "info/THelpForm.h"
#include "info/TOpravyAktualizace.h"
#include "testsupport/GuiTest.h"
#include "testsupport/ZachytceOdkazu.h"
#include "testsupport/Najdi.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QEnterEvent>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextTable>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QImage>

namespace {

QString NapovedaVedleProgramu()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Help/index.htm");
}

// Clicks the first link of the shown page whose target ends with `cil`; false when there is none.
bool KlikniNaOdkaz(QTextBrowser* prohlizec, const QString& cil)
{
    for (QTextBlock blok = prohlizec->document()->begin(); blok.isValid(); blok = blok.next()) {
        for (auto it = blok.begin(); !it.atEnd(); ++it) {
            const QTextFragment usek = it.fragment();
            if (!usek.charFormat().isAnchor() || !usek.charFormat().anchorHref().endsWith(cil))
                continue;
            QTextCursor kurzor(prohlizec->document());
            kurzor.setPosition(usek.position() + usek.length() / 2);
            prohlizec->setTextCursor(kurzor);
            prohlizec->ensureCursorVisible();
            const QPoint misto = prohlizec->cursorRect(kurzor).center();
            QTest::mouseClick(prohlizec->viewport(), Qt::LeftButton, {}, misto);
            return true;
        }
    }
    return false;
}

class PracovniAdresar {
public:
    explicit PracovniAdresar(const QString& novy) : puvodni_(QDir::currentPath())
    {
        QDir::setCurrent(novy);
    }
    ~PracovniAdresar() { QDir::setCurrent(puvodni_); }

private:
    QString puvodni_;
};

}  // namespace

TEST(Napoveda, OtevreStejnouStrankuZKazdehoPracovnihoAdresareAVyplniOkno)
{
    ASSERT_TRUE(QFile::exists(NapovedaVedleProgramu()));
    DocasnyAdresar prvni, druhy;
    for (const QString& adresar : {prvni.Cesta(), druhy.Cesta()}) {
        PracovniAdresar tady(adresar);
        THelpForm okno;
        EXPECT_EQ(okno.windowTitle(), QStringLiteral("Nápověda programu Zebrovka 2003 (2004)"));
        EXPECT_EQ(okno.size(), QSize(700, 550));
        EXPECT_EQ(Najdi<QTextBrowser>(&okno, "wbHelp")->source(),
                  QUrl::fromLocalFile(NapovedaVedleProgramu()));
        EXPECT_EQ(Najdi<QTextBrowser>(&okno, "wbHelp")->documentTitle(),
                  QStringLiteral("Nápověda programu Zebrovka 2003 (2004)"));
        okno.show();
        EXPECT_EQ(Najdi<QTextBrowser>(&okno, "wbHelp")->geometry(), okno.rect());
        okno.resize(900, 640);
        EXPECT_TRUE(CekejNa(
            [&] { return Najdi<QTextBrowser>(&okno, "wbHelp")->geometry() == okno.rect(); }));
        EXPECT_EQ(Najdi<QTextBrowser>(&okno, "wbHelp")->size(), QSize(900, 640));
    }
}

TEST(Napoveda, ChybejiciSouborUkazeCeskouStrankuAOknoSeOtevre)
{
    DocasnyAdresar prazdny;
    THelpForm okno(nullptr, prazdny.Cesta());
    const QString text = Najdi<QTextBrowser>(&okno, "wbHelp")->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("Nápověda nebyla nalezena")));
    EXPECT_TRUE(text.contains(
        QDir::toNativeSeparators(prazdny.Cesta() + QStringLiteral("/Help/index.htm"))));
    auto zavreni = OdpovedzModalnimu([](QWidget* w) { w->close(); });
    okno.exec();
    EXPECT_TRUE(zavreni->probehlo);
    EXPECT_EQ(zavreni->titulek, QStringLiteral("Nápověda programu Zebrovka 2003 (2004)"));
}

TEST(Napoveda, BezNapovedyVedleProgramuSeOtevreNainstalovana)
{
    // An installed program: bin/zebrovka and the help in the data folder beside bin/.
    DocasnyAdresar koren;
    const QDir k(koren.Cesta());
    ASSERT_TRUE(k.mkpath(QStringLiteral("bin")));
    const QString program = k.filePath(QStringLiteral("bin"));
    const QString nainstalovana =
        QDir::cleanPath(program + QStringLiteral("/" ZK_DATA_RELATIVNE "/Help/index.htm"));
    const QString vedle = program + QStringLiteral("/Help/index.htm");
    EXPECT_EQ(THelpForm::CestaNapovedy(program),
              vedle);  // neither: the message names the one beside
    for (const QString& stranka : {nainstalovana, vedle}) {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(stranka).path()));
        QFile soubor(stranka);
        ASSERT_TRUE(soubor.open(QIODevice::WriteOnly));
        soubor.write("<html><head><title>Nápověda</title></head><body>" + stranka.toUtf8()
                     + "</body></html>");
        soubor.close();
        // The installed help once it exists; the one beside the program wins when both do.
        THelpForm okno(nullptr, program);
        EXPECT_EQ(Najdi<QTextBrowser>(&okno, "wbHelp")->source(), QUrl::fromLocalFile(stranka));
        EXPECT_TRUE(Najdi<QTextBrowser>(&okno, "wbHelp")->toPlainText().contains(stranka));
    }
}

TEST(Napoveda, OdkazyNapovedySeSleduji_WebSeOteviraVProhlizeci)
{
    ZachytceOdkazu web;
    THelpForm okno;
    okno.show();
    const QUrl start = Najdi<QTextBrowser>(&okno, "wbHelp")->source();
    const QDir help = QFileInfo(NapovedaVedleProgramu()).dir();

    ASSERT_TRUE(KlikniNaOdkaz(Najdi<QTextBrowser>(&okno, "wbHelp"), QStringLiteral("profily.htm")));
    EXPECT_TRUE(CekejNa([&] {
        return Najdi<QTextBrowser>(&okno, "wbHelp")->source()
            == QUrl::fromLocalFile(help.filePath(QStringLiteral("profily.htm")));
    }));
    EXPECT_TRUE(Najdi<QTextBrowser>(&okno, "wbHelp")
                    ->documentTitle()
                    .startsWith(QStringLiteral("Profily")));
    ASSERT_TRUE(KlikniNaOdkaz(Najdi<QTextBrowser>(&okno, "wbHelp"), QStringLiteral("index.htm")));
    EXPECT_TRUE(CekejNa([&] { return Najdi<QTextBrowser>(&okno, "wbHelp")->source() == start; }));

    ASSERT_TRUE(KlikniNaOdkaz(Najdi<QTextBrowser>(&okno, "wbHelp"),
                              QStringLiteral("e-sbirka.cz/sb/2000/361")));
    EXPECT_TRUE(CekejNa([&] { return !web.otevrene.isEmpty(); }));
    EXPECT_EQ(web.otevrene,
              QList<QUrl> {QUrl(QStringLiteral("https://www.e-sbirka.cz/sb/2000/361"))});
    EXPECT_EQ(Najdi<QTextBrowser>(&okno, "wbHelp")->source(), start);
}

// Every page the help ships declares UTF-8, every picture it shows exists, and every page can be
// reached from the start page by following its links.
TEST(Napoveda, ObrazkyExistujiAKazdaStrankaJeDosazitelna)
{
    const QDir help(QStringLiteral(ZK_HELP_DIR));
    const QStringList stranky = help.entryList({QStringLiteral("*.htm")}, QDir::Files);
    ASSERT_GE(stranky.size(), 8);
    const QRegularExpression obrazek(QStringLiteral("<img[^>]*\\ssrc=\"([^\"]+)\""));
    const QRegularExpression odkaz(QStringLiteral("<a[^>]*\\shref=\"([^\"#]+)[^\"]*\""));

    QSet<QString> dosazene {QStringLiteral("index.htm")};
    QStringList fronta {QStringLiteral("index.htm")};
    int obrazku = 0;
    while (!fronta.isEmpty()) {
        const QString stranka = fronta.takeFirst();
        QFile soubor(help.filePath(stranka));
        ASSERT_TRUE(soubor.open(QIODevice::ReadOnly)) << stranka.toStdString();
        const QString html = QString::fromUtf8(soubor.readAll());
        EXPECT_TRUE(html.contains(QStringLiteral("<meta charset=\"utf-8\">")))
            << stranka.toStdString();
        for (const auto& m : obrazek.globalMatch(html)) {
            ++obrazku;
            EXPECT_TRUE(QFileInfo(help.filePath(m.captured(1))).isFile())
                << stranka.toStdString() << " shows the missing " << m.captured(1).toStdString();
        }
        for (const auto& m : odkaz.globalMatch(html)) {
            const QString cil = m.captured(1);
            if (cil.contains(QStringLiteral("://")))
                continue;
            EXPECT_TRUE(QFileInfo(help.filePath(cil)).isFile())
                << stranka.toStdString() << " links the missing " << cil.toStdString();
            if (cil.endsWith(QStringLiteral(".htm")) && !dosazene.contains(cil)) {
                dosazene.insert(cil);
                fronta.append(cil);
            }
        }
    }
    EXPECT_GE(obrazku, 8);
    for (const QString& stranka : stranky)
        EXPECT_TRUE(dosazene.contains(stranka))
            << stranka.toStdString() << " cannot be reached from index.htm";
}

// At the size the help opens at, every page fits the window's width: a picture wider than the
// room is drawn scaled down to it, in its proportions, and no scroll bar across is needed. Every
// page ends with the link back to the contents.
TEST(Napoveda, ObrazkySeVejdouDoOknaAKazdaStrankaVedeZpet)
{
    THelpForm okno;
    okno.show();
    ASSERT_EQ(okno.size(), QSize(700, 550));
    const QDir help = QFileInfo(NapovedaVedleProgramu()).dir();
    int zmensenych = 0;
    for (const QString& stranka : help.entryList({QStringLiteral("*.htm")}, QDir::Files)) {
        SCOPED_TRACE(stranka.toStdString());
        Najdi<QTextBrowser>(&okno, "wbHelp")
            ->setSource(QUrl::fromLocalFile(help.filePath(stranka)));
        QCoreApplication::processEvents();
        QTextDocument* dokument = Najdi<QTextBrowser>(&okno, "wbHelp")->document();
        const qreal misto = Najdi<QTextBrowser>(&okno, "wbHelp")->viewport()->width()
            - 2 * dokument->documentMargin();
        QString posledniOdkaz, posledniText;
        for (QTextBlock blok = dokument->begin(); blok.isValid(); blok = blok.next()) {
            for (auto it = blok.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                if (format.isAnchor() && !format.anchorHref().isEmpty()) {
                    posledniOdkaz = format.anchorHref();
                    posledniText = it.fragment().text();
                }
                if (!format.isImageFormat())
                    continue;
                const QTextImageFormat obrazek = format.toImageFormat();
                // A screenshot stands in a paragraph of its own, never inside a sentence.
                if (!QTextCursor(blok).currentTable())
                    EXPECT_TRUE(
                        blok.text().remove(QChar::ObjectReplacementCharacter).trimmed().isEmpty())
                        << obrazek.name().toStdString() << " inside: " << blok.text().toStdString();
                const QImage soubor(help.filePath(obrazek.name()));
                ASSERT_FALSE(soubor.isNull()) << obrazek.name().toStdString();
                const QSizeF kresleno(obrazek.width() > 0 ? obrazek.width() : soubor.width(),
                                      obrazek.height() > 0 ? obrazek.height() : soubor.height());
                EXPECT_LE(kresleno.width(), misto) << obrazek.name().toStdString();
                if (soubor.width() <= misto) {
                    EXPECT_EQ(kresleno, QSizeF(soubor.size())) << obrazek.name().toStdString();
                    continue;
                }
                ++zmensenych;
                EXPECT_NEAR(kresleno.height() / kresleno.width(),
                            qreal(soubor.height()) / soubor.width(), 0.01)
                    << obrazek.name().toStdString();
            }
        }
        EXPECT_EQ(Najdi<QTextBrowser>(&okno, "wbHelp")->horizontalScrollBar()->maximum(), 0);
        EXPECT_EQ(posledniOdkaz, QStringLiteral("index.htm"));
        EXPECT_EQ(posledniText, QStringLiteral("Zpět na obsah nápovědy"));
    }
    EXPECT_GE(zmensenych, 3);  // the points-test sheet, its evaluation and the settings are wider

    // A window made wider shows the pictures whole again.
    Najdi<QTextBrowser>(&okno, "wbHelp")
        ->setSource(QUrl::fromLocalFile(help.filePath(QStringLiteral("test.htm"))));
    okno.resize(1000, 700);
    EXPECT_TRUE(CekejNa([&] {
        for (QTextBlock blok = Najdi<QTextBrowser>(&okno, "wbHelp")->document()->begin();
             blok.isValid(); blok = blok.next())
            for (auto it = blok.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().isImageFormat()
                    && it.fragment().charFormat().toImageFormat().width() == 772)
                    return true;
        return false;
    }));
}

// What the pages say of the windows they describe.
TEST(Napoveda, StrankyPopisujiOknaJakJsou)
{
    const QDir help(QStringLiteral(ZK_HELP_DIR));
    const struct {
        const char* stranka;
        const char* obsahuje;
        const char* neobsahuje;
    } pripady[] = {
        {"statistika.htm", "v nabídce <b>Výsledky → Statistika učení</b>", nullptr},
        {"statistika.htm", "<img src=\"obrazky/statistika.png\"", nullptr},
        {"statistika.htm", "<img src=\"obrazky/statistika-plan.png\"", nullptr},
        {"statistika.htm", "Do pole <b>Datum zkoušky</b> zadejte den", nullptr},
        {"vysledky.htm", "<b>špatně zodpovězené otázky</b> i otázky, u nichž jste použili nápovědu",
         nullptr},
        {"procvicovani.htm", "uprostřed plochy s otázkou", "dole se na"},
        {"znacky.htm", "Panel uprostřed plochy s otázkou", "Panel dole"},
        {"znacky.htm", "<h2>Značky, hlášení a úspěšnost</h2>", "Barvy textu a čísla"},
        {"profily.htm", "<b>Ukončit program</b> Zebrovku zavřete", "program</b> program"},
    };
    for (const auto& p : pripady) {
        QFile soubor(help.filePath(QString::fromLatin1(p.stranka)));
        ASSERT_TRUE(soubor.open(QIODevice::ReadOnly)) << p.stranka;
        const QString html = QString::fromUtf8(soubor.readAll()).simplified();
        EXPECT_TRUE(html.contains(QString::fromUtf8(p.obsahuje)))
            << p.stranka << ": " << p.obsahuje;
        if (p.neobsahuje)
            EXPECT_FALSE(html.contains(QString::fromUtf8(p.neobsahuje)))
                << p.stranka << ": " << p.neobsahuje;
    }
}

class OProgramu : public testing::Test {
protected:
    std::filesystem::path Adresar() const { return adresar.CestaStd(); }
    QString Memo() const { return adresar.Cesta() + QStringLiteral("/otazky.MB"); }

    void NastavDatumBanky(const QDateTime& kdy)
    {
        QFile memo(Memo());
        ASSERT_TRUE(memo.open(QIODevice::WriteOnly));
        memo.write("x");
        ASSERT_TRUE(memo.flush());
        ASSERT_TRUE(memo.setFileTime(kdy, QFileDevice::FileModificationTime));
    }

    DocasnyAdresar adresar;
};

TEST_F(OProgramu, OknoASvePopisky)
{
    QDir().mkpath(adresar.Cesta() + QStringLiteral("/grafika"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(ZK_IKONA),
                            adresar.Cesta() + QStringLiteral("/grafika/ikona.png")));
    TAbout okno(Adresar());
    EXPECT_EQ(okno.windowTitle(), QStringLiteral("O programu"));
    EXPECT_EQ(okno.minimumSize(), okno.maximumSize());
    EXPECT_TRUE(Najdi<QGroupBox>(&okno, "gbOkraj")->title().isEmpty());
    EXPECT_EQ(Najdi<QLabel>(&okno, "Image1")->size(), QSize(32, 32));
    EXPECT_EQ(Najdi<QLabel>(&okno, "Image1")->pixmap().size(), QSize(32, 32));
    EXPECT_EQ(Najdi<QLabel>(&okno, "lbNazev")->text(), QStringLiteral("Zebrovka 2003 (2004)"));
    EXPECT_TRUE(Najdi<QLabel>(&okno, "lbNazev")->font().bold());
    EXPECT_EQ(Najdi<QLabel>(&okno, "lbVerze")->text(), QStringLiteral("verze produktu: 1.21"));
    EXPECT_EQ(Najdi<QLabel>(&okno, "lbUprava")->text(),
              QStringLiteral("poslední úprava: 17.9.2004"));
    EXPECT_EQ(Najdi<QLabel>(&okno, "lbDatab")->text(), QStringLiteral("databáze otázek z:"));
    EXPECT_EQ(Najdi<QLabel>(&okno, "lbInet")->text(),
              QStringLiteral("https://www.e-sbirka.cz/sb/2000/361"));
    EXPECT_TRUE(Najdi<QLabel>(&okno, "lbInet")->font().bold());
    EXPECT_EQ(Najdi<QLabel>(&okno, "lbInet")->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(Najdi<QPlainTextEdit>(&okno, "mText")->isReadOnly());
    EXPECT_EQ(Najdi<QPlainTextEdit>(&okno, "mText")->palette().color(QPalette::Base),
              QColor(255, 255, 225));
    EXPECT_TRUE(Najdi<QPlainTextEdit>(&okno, "mText")
                    ->toPlainText()
                    .contains(QStringLiteral("757 otázek")));
    EXPECT_TRUE(Najdi<QLabel>(&okno, "stAtestace")->font().bold());
    EXPECT_TRUE(
        Najdi<QLabel>(&okno, "stAtestace")->text().contains(QStringLiteral("dopravní policie")));
    for (QWidget* w : {static_cast<QWidget*>(Najdi<QLabel>(&okno, "Image1")),
                       static_cast<QWidget*>(Najdi<QLabel>(&okno, "lbNazev")),
                       static_cast<QWidget*>(Najdi<QLabel>(&okno, "lbInet")),
                       static_cast<QWidget*>(Najdi<QPlainTextEdit>(&okno, "mText")),
                       static_cast<QWidget*>(Najdi<QLabel>(&okno, "stAtestace"))})
        EXPECT_TRUE(Najdi<QGroupBox>(&okno, "gbOkraj")->rect().contains(w->geometry()))
            << w->objectName().toStdString();
    // The OK button stands top right, beside the frame.
    EXPECT_GT(Najdi<QPushButton>(&okno, "btnOK")->x(),
              Najdi<QGroupBox>(&okno, "gbOkraj")->geometry().right());
    EXPECT_LT(Najdi<QPushButton>(&okno, "btnOK")->y(), 20);
}

TEST_F(OProgramu, DatumDatabazePodleZmenySouboruNeboNezname)
{
    const QDate dny[] = {QDate(2004, 9, 17), QDate(2003, 12, 20), QDate(2026, 1, 2)};
    for (const QDate& den : dny) {
        NastavDatumBanky(QDateTime(den, QTime(12, 0)));
        TAbout okno(Adresar());
        EXPECT_EQ(Najdi<QLabel>(&okno, "lb")->text(),
                  QLocale(QLocale::Czech, QLocale::Czechia).toString(den, QLocale::ShortFormat));
        // It stands right of its caption, on the same line.
        EXPECT_GT(Najdi<QLabel>(&okno, "lb")->x(),
                  Najdi<QLabel>(&okno, "lbDatab")->geometry().right());
        EXPECT_EQ(Najdi<QLabel>(&okno, "lb")->y(), Najdi<QLabel>(&okno, "lbDatab")->y());
    }
    ASSERT_TRUE(QFile::remove(Memo()));
    const TAbout bezMema(Adresar());
    EXPECT_EQ(Najdi<QLabel>(&bezMema, "lb")->text(), QStringLiteral("neznámé"));
}

TEST_F(OProgramu, OdkazZcervenaPodMysiAOtevreStranku)
{
    ZachytceOdkazu web;
    TAbout okno(Adresar());
    okno.show();
    auto barva = [&] {
        return Najdi<QLabel>(&okno, "lbInet")->palette().color(QPalette::WindowText);
    };
    EXPECT_EQ(barva(), QColor(Qt::blue));
    QEnterEvent vstup(QPointF(3, 3), QPointF(3, 3),
                      Najdi<QLabel>(&okno, "lbInet")->mapToGlobal(QPointF(3, 3)));
    QCoreApplication::sendEvent(Najdi<QLabel>(&okno, "lbInet"), &vstup);
    EXPECT_EQ(barva(), QColor(Qt::red));
    QEvent odchod(QEvent::Leave);
    QCoreApplication::sendEvent(Najdi<QLabel>(&okno, "lbInet"), &odchod);
    EXPECT_EQ(barva(), QColor(Qt::blue));
    QTest::mouseMove(Najdi<QLabel>(&okno, "lbInet"), QPoint(5, 5));
    EXPECT_TRUE(CekejNa([&] { return barva() == QColor(Qt::red); }));
    QCoreApplication::sendEvent(Najdi<QLabel>(&okno, "lbInet"), &odchod);
    EXPECT_EQ(barva(), QColor(Qt::blue));

    EXPECT_TRUE(web.otevrene.isEmpty());
    QTest::mouseClick(Najdi<QLabel>(&okno, "lbInet"), Qt::LeftButton);
    EXPECT_EQ(web.otevrene, QList<QUrl> {QUrl(TAbout::kOdkaz)});
}

TEST_F(OProgramu, TlacitkoOKMaFokus_EscapeZavira)
{
    for (const bool escape : {true, false}) {
        TAbout okno(Adresar());
        bool fokus = false;
        auto odpoved = OdpovedzModalnimu([&](QWidget* w) {
            fokus = CekejNa(
                [&] { return QApplication::focusWidget() == Najdi<QPushButton>(&okno, "btnOK"); },
                2000);
            if (escape)
                QTest::keyClick(w, Qt::Key_Escape);
            else
                QTest::keyClick(Najdi<QPushButton>(&okno, "btnOK"), Qt::Key_Space);
        });
        const int vysledek = okno.exec();
        EXPECT_TRUE(odpoved->probehlo);
        EXPECT_TRUE(fokus);
        EXPECT_EQ(vysledek, escape ? QDialog::Rejected : QDialog::Accepted);
        EXPECT_FALSE(okno.isVisible());
    }
}

TEST(Historie, OknoAZaznamyOdNejnovejsiho)
{
    TOpravyAktualizace okno;
    EXPECT_EQ(okno.windowTitle(), QStringLiteral("Historie oprav a aktualizací"));
    EXPECT_EQ(okno.minimumSize(), QSize(601, 348));
    EXPECT_EQ(okno.maximumSize(), QSize(601, 348));
    EXPECT_EQ(Najdi<QPlainTextEdit>(&okno, "mHistorie")->geometry(), QRect(0, 0, 601, 348));
    EXPECT_TRUE(Najdi<QPlainTextEdit>(&okno, "mHistorie")->isReadOnly());
    EXPECT_EQ(Najdi<QPlainTextEdit>(&okno, "mHistorie")->verticalScrollBarPolicy(),
              Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(Najdi<QPlainTextEdit>(&okno, "mHistorie")->font().family(),
              QStringLiteral("Courier New"));
    EXPECT_TRUE(Najdi<QPlainTextEdit>(&okno, "mHistorie")->font().fixedPitch());

    struct Zaznam {
        const char* hlavicka;
        const char* verze;
        std::vector<int> otazky;
    };
    const std::vector<Zaznam> ocekavane = {
        {"17.9.2004 - Upgrade", "1.21", {}},
        {"26.6.2004 - Upgrade", "1.20", {}},
        {"20.12.2003 - Update", nullptr, {}},
        {"19.8.2003 - Upgrade", "1.18", {}},
        {"31.7.2003 - Upgrade", nullptr, {}},
        {"29.7.2003 - Oprava", nullptr, {75,  88,  114, 137, 145, 146, 262, 266, 392, 446, 477,
                                         502, 523, 544, 545, 547, 550, 552, 553, 554, 555, 558,
                                         559, 560, 561, 563, 565, 566, 568, 569, 570, 573, 575,
                                         577, 579, 181, 274, 355, 388, 148, 448, 449}},
        {"2.4.2003 - Oprava", "1.02", {}},
        {"31.3.2003", "1.01", {}},
    };
    const QString text = Najdi<QPlainTextEdit>(&okno, "mHistorie")->toPlainText();
    const QStringList zaznamy = text.trimmed().split(QStringLiteral("\n\n\n"));
    ASSERT_EQ(zaznamy.size(), static_cast<qsizetype>(ocekavane.size())) << text.toStdString();
    const QRegularExpression verze(QStringLiteral("verze (\\d+\\.\\d+)"));
    const QRegularExpression cislo(QStringLiteral("\\b\\d{2,3}\\b"));
    for (std::size_t i = 0; i < ocekavane.size(); ++i) {
        const QStringList radky = zaznamy[static_cast<qsizetype>(i)].split(QLatin1Char('\n'));
        ASSERT_GE(radky.size(), 3);
        EXPECT_EQ(radky[0], QString::fromUtf8(ocekavane[i].hlavicka));
        EXPECT_EQ(radky[1], QString(radky[0].size(), QLatin1Char('-')));
        for (qsizetype r = 2; r < radky.size(); ++r) {
            EXPECT_TRUE(radky[r].startsWith(QStringLiteral(" - "))
                        || radky[r].startsWith(QStringLiteral("   ")))
                << radky[r].toStdString();
            EXPECT_LE(radky[r].size(), 70) << "wider than the window: " << radky[r].toStdString();
        }
        const QString telo = radky.mid(2).join(QLatin1Char('\n'));
        const auto nalezena = verze.match(telo);
        EXPECT_EQ(nalezena.hasMatch() ? nalezena.captured(1) : QString(),
                  QString::fromLatin1(ocekavane[i].verze));
        // The question numbers of the entry, in the order listed, and no others.
        std::vector<int> cisla;
        for (const auto& m : cislo.globalMatch(QString(telo).remove(verze)))
            cisla.push_back(m.captured().toInt());
        EXPECT_EQ(cisla, ocekavane[i].otazky) << radky[0].toStdString();
    }
}
