// Makes the pictures of the help from the real windows, offscreen, over the shipped question bank
// in a fresh working directory:  zk_snimky <data dir> <dir with otazky.DB> <help dir>
// Windows that this tree does not have yet are skipped and named; a rerun fills them in.
#include "app/THlavniFormular.h"
#include "base/Hodiny.h"
#include "info/THelpForm.h"
#include "profiles/ProfilovySklad.h"
#include "questions/Kategorie.h"
#include "storage/Definice.h"
#include "storage/Tabulka.h"
#include "tools/snimky/Snimkovani.h"
#include "ui/Aplikace.h"
#include "ui/MereniTextu.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFrame>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <cstdio>

namespace {

bool KopirujStrom(const QString& z, const QString& kam)
{
    QDir().mkpath(kam);
    QDirIterator it(z, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString soubor = it.next();
        const QString cil = kam + QLatin1Char('/') + QDir(z).relativeFilePath(soubor);
        QDir().mkpath(QFileInfo(cil).path());
        if (!QFile::copy(soubor, cil))
            return false;
    }
    return true;
}

QString posledniZprava;

// One fixed moment for every run, so that the drawn test, the stored dates and the bank's date
// come out the same each time and a rerun changes only what the windows changed.
class PevneHodiny : public Hodiny {
public:
    static constexpr DatumCas kChvile {2026, 3, 14, 10, 30, 0, 0};
    DatumCas Mistni() const override { return kChvile; }
    std::uint32_t MsOdPulnociUtc() const override { return 34'200'000; }
};

// Presses Yes (or OK) in a message box and keeps its text; true when `w` was one.
bool PotvrdZpravu(QWidget* w)
{
    auto* box = qobject_cast<QMessageBox*>(w);
    if (!box)
        return false;
    posledniZprava = box->text().simplified();
    for (auto tlacitko : {QMessageBox::Yes, QMessageBox::Ok})
        if (QAbstractButton* b = box->button(tlacitko)) {
            b->click();
            return true;
        }
    box->close();
    return true;
}

void Klikni(QWidget* w, const char* jmeno)
{
    if (auto* b = w->findChild<QAbstractButton*>(QLatin1String(jmeno)))
        b->click();
    else
        w->close();
}

class Scenar {
public:
    Scenar(const QString& data, const QString& napoveda, THlavniFormular& h)
        : data_(data), h_(h), snimky_(napoveda)
    {
    }

    void Prihlaseni();
    void Nastaveni();
    void Prohlizeni();
    void Procvicovani();
    void TestNaBody();
    void TestPlatny();
    void Krizovatky();
    void Seznam(QAction* akce, const char* seznam, const char* tlacitko, const char* detail,
                const QString& proc);
    void Statistika();
    void InformacniOkna();
    void Napoveda();
    Snimkovani& Snimky() { return snimky_; }

private:
    void Oznac(char pismeno)
    {
        QTest::mouseClick(h_.findChild<StatickyText*>(QStringLiteral("st") + QLatin1Char(pismeno)),
                          Qt::LeftButton);
    }
    void PravyKlik()
    {
        QTest::mouseClick(h_.findChild<QLabel*>(QStringLiteral("lbCisloOtazky")), Qt::RightButton);
    }
    // An answer letter of a shown answer that is not correct, or 0 when every one is.
    char SpatnePismeno() const;

    QString data_;
    THlavniFormular& h_;
    Snimkovani snimky_;
};

void Scenar::Prihlaseni()
{
    PriOtevreni([this](QWidget* manazer) {
        auto* seznam = manazer->findChild<QListWidget*>(QStringLiteral("lbProfil"));
        const auto jana = seznam->findItems(QStringLiteral("Jana"), Qt::MatchExactly);
        seznam->setCurrentItem(jana.front());
        seznam->itemClicked(jana.front());
        snimky_.Uloz(manazer, QStringLiteral("manazer"));
        PriOtevreni(
            [this](QWidget* novy) {
                if (auto* jmeno = novy->findChild<QLineEdit*>(QStringLiteral("eProfil")))
                    jmeno->setText(QStringLiteral("Petr"));
                if (auto* heslo = novy->findChild<QCheckBox*>(QStringLiteral("cbHeslo")))
                    heslo->click();
                snimky_.Uloz(novy, QStringLiteral("novy-profil"));
                novy->close();
            },
            manazer);
        Klikni(manazer, "btnNew");
        Klikni(manazer, "btnOK");
    });
}

void Scenar::Nastaveni()
{
    snimky_.Uloz(&h_, QStringLiteral("hlavni-okno"));
    PriOtevreni([this](QWidget* okno) {
        snimky_.Uloz(okno, QStringLiteral("nastaveni"));
        okno->close();
    });
    h_.findChild<QAction*>(QStringLiteral("M1Nastaveni"))->trigger();
}

void Scenar::Prohlizeni()
{
    h_.findChild<QAction*>(QStringLiteral("M1Prohlizet"))->trigger();
    auto* cislo = h_.findChild<QLineEdit*>(QStringLiteral("eCisloO"));
    cislo->setText(QStringLiteral("12"));
    QTest::keyClick(cislo, Qt::Key_Return);
    snimky_.Uloz(&h_, QStringLiteral("prohlizeni"));
    h_.findChild<QAction*>(QStringLiteral("M2KonecRezimu"))->trigger();
}

char Scenar::SpatnePismeno() const
{
    for (char p : {'A', 'B', 'C', 'D'})
        if (h_.relace.beh.spravneOdpovedi.find(p) == std::string::npos
            && h_.findChild<StatickyText*>(QStringLiteral("st") + QLatin1Char(p))->isVisible())
            return p;
    return 0;
}

void Scenar::Procvicovani()
{
    PriOtevreni([this](QWidget* dotaz) {
        if (auto* pocet = dotaz->findChild<QScrollBar*>(QStringLiteral("sbPocet")))
            pocet->setValue(3);
        snimky_.Uloz(dotaz, QStringLiteral("dotaz-procvicovani"));
        Klikni(dotaz, "btnPotvrdit");
    });
    h_.findChild<QAction*>(QStringLiteral("M1Procvicovat"))->trigger();
    if (h_.relace.rezim != RezimBehu::Procvicovani) {
        snimky_.Preskoc(QStringLiteral("procvicovani"),
                        QStringLiteral("procvičování se nespustilo"));
        return;
    }
    PriOtevreni([this](QWidget* vysledek) {
        if (vysledek->objectName() != QLatin1String("TResult")) {
            std::fprintf(stderr, "místo vyhodnocení běhu se otevřelo %s\n",
                         qPrintable(vysledek->windowTitle()));
            if (!PotvrdZpravu(vysledek))
                vysledek->close();
            return;
        }
        snimky_.Uloz(vysledek, QStringLiteral("vysledek-behu"));
        Klikni(vysledek, "btnOK");
    });
    // The first question answered wrongly, the second with the hint, the third right; after each
    // a right click moves on (after the last one it opens the evaluation).
    for (int krok = 0; krok < 3 && h_.relace.rezim == RezimBehu::Procvicovani; ++krok) {
        if (krok == 0) {
            if (const char p = SpatnePismeno())
                Oznac(p);
            snimky_.Uloz(&h_, QStringLiteral("procvicovani"));
            PravyKlik();
            snimky_.Uloz(&h_, QStringLiteral("procvicovani-hodnoceni"));
            snimky_.Uloz(h_.findChild<QFrame*>(QStringLiteral("pPomoc")),
                         QStringLiteral("informacni-pruh"));
            QMetaObject::invokeMethod(h_.findChild<QTimer*>(QStringLiteral("Timer1")), "timeout");
        } else if (krok == 1) {
            h_.findChild<QAction*>(QStringLiteral("M2OznacSpravne"))->trigger();
            snimky_.Uloz(&h_, QStringLiteral("procvicovani-napoveda"));
        } else {
            for (char p : h_.relace.beh.spravneOdpovedi)
                Oznac(p);
            PravyKlik();
            QMetaObject::invokeMethod(h_.findChild<QTimer*>(QStringLiteral("Timer1")), "timeout");
        }
        PravyKlik();
        Pockej();
    }
    // The evaluation window opens from the event loop after the last answer.
    for (int i = 0; i < 100 && h_.relace.rezim == RezimBehu::Procvicovani; ++i)
        Pockej(50);
}

void Scenar::TestNaBody()
{
    if (!h_.findChild<QAction*>(QStringLiteral("M1Test"))->isEnabled()) {
        for (const char* jmeno : {"test-arch", "test-vyhodnoceni"})
            snimky_.Preskoc(QString::fromLatin1(jmeno),
                            QStringLiteral("test na body v tomto stromu ještě není"));
        return;
    }
    // Message boxes (the information before the countdown, the summary) are confirmed; the
    // sheet is taken, evaluated, taken again and closed.
    auto obsluha = std::make_shared<std::function<void(QWidget*)>>();
    auto otevren = std::make_shared<bool>(false);
    posledniZprava.clear();
    *obsluha = [this, obsluha, otevren](QWidget* w) {
        if (PotvrdZpravu(w)) {
            PriOtevreni(*obsluha, nullptr, false);
            return;
        }
        *otevren = true;
        // A few answers ticked on the first page, as a learner would have them.
        for (const char* jmeno : {"cb1A", "cb2B", "cb3A", "cb3C"})
            if (auto* pole = w->findChild<QAbstractButton*>(QLatin1String(jmeno)))
                pole->click();
        snimky_.Uloz(w, QStringLiteral("test-arch"));
        if (auto* vyhodnotit = w->findChild<QAbstractButton*>(QStringLiteral("btnVyhodnotit"))) {
            PriOtevreni([](QWidget* zprava) { PotvrdZpravu(zprava); }, w, false);
            vyhodnotit->click();
            Pockej(300);
            snimky_.Uloz(w, QStringLiteral("test-vyhodnoceni"));
        } else
            snimky_.Preskoc(QStringLiteral("test-vyhodnoceni"),
                            QStringLiteral("okno testu nemá btnVyhodnotit"));
        PriOtevreni([](QWidget* dotaz) { PotvrdZpravu(dotaz); }, w, false);
        Klikni(w, "btnOK");
        if (w->isVisible())
            w->close();
    };
    PriOtevreni(*obsluha);
    h_.findChild<QAction*>(QStringLiteral("M1Test"))->trigger();
    ZrusCekani();
    if (!*otevren)
        for (const char* jmeno : {"test-arch", "test-vyhodnoceni"})
            snimky_.Preskoc(QString::fromLatin1(jmeno),
                            QStringLiteral("test se neotevřel: ") + posledniZprava);
}

void Scenar::TestPlatny()
{
    // The rules box is confirmed; in the test a few questions are answered and flagged, a
    // situation with its picture is taken, then the test is evaluated and its review taken.
    const QStringList jmena {QStringLiteral("platny-otazka"), QStringLiteral("platny-pas"),
                             QStringLiteral("platny-verdikt"), QStringLiteral("platny-revize")};
    auto otevren = std::make_shared<bool>(false);
    posledniZprava.clear();
    PriOtevreni([this, otevren](QWidget* pravidla) {
        if (PotvrdZpravu(pravidla))
            return;
        PriOtevreni([this, otevren](QWidget* w) {
            *otevren = true;
            w->resize(1180, 760);
            w->activateWindow();
            if (!QTest::qWaitForWindowActive(w))
                std::printf("okno testu se nestalo aktivním, klávesy nemusí zabrat\n");
            const auto klavesa = [w](Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
                QTest::keyClick(w, k, m);
            };
            const Qt::Key volby[] = {Qt::Key_B, Qt::Key_A, Qt::Key_C, Qt::Key_A,
                                     Qt::Key_B, Qt::Key_B, Qt::Key_C};
            for (int i = 0; i < 7; ++i) {
                klavesa(volby[i]);
                if (i == 2 || i == 5)
                    klavesa(Qt::Key_M, Qt::ControlModifier);
                klavesa(Qt::Key_Right);
            }
            Klikni(w, "btnCislo18");
            klavesa(Qt::Key_B);
            klavesa(Qt::Key_M, Qt::ControlModifier);
            Pockej(100);
            snimky_.Uloz(w, QStringLiteral("platny-otazka"));
            Klikni(w, "btnCislo9");
            Pockej(100);
            snimky_.Uloz(w, QStringLiteral("platny-pas"));
            PriOtevreni([](QWidget* dotaz) { PotvrdZpravu(dotaz); }, w, false);
            Klikni(w, "btnVyhodnotit");
            Pockej(300);
            snimky_.Uloz(w, QStringLiteral("platny-verdikt"));
            if (auto* jenChyby = w->findChild<QAbstractButton*>(QStringLiteral("cbJenChyby")))
                jenChyby->click();
            if (auto* seznam = w->findChild<QListWidget*>(QStringLiteral("lstOtazky"));
                seznam && seznam->count() > 1)
                seznam->setCurrentRow(1);
            Pockej(100);
            snimky_.Uloz(w, QStringLiteral("platny-revize"));
            Klikni(w, "btnZavrit");
        });
        Klikni(pravidla, "btnOK");
    });
    h_.findChild<QAction*>(QStringLiteral("M1TestPlatny"))->trigger();
    ZrusCekani();
    if (!*otevren)
        for (const QString& jmeno : jmena)
            snimky_.Preskoc(jmeno, QStringLiteral("test se neotevřel: ") + posledniZprava);
}

void Scenar::Krizovatky()
{
    // The drill as it opens with the fixed clock: the first situation answered with A.
    auto otevren = std::make_shared<bool>(false);
    PriOtevreni([this, otevren](QWidget* w) {
        *otevren = true;
        w->resize(1000, 620);
        Pockej(100);
        QTest::keyClick(w, Qt::Key_A);
        Pockej(100);
        snimky_.Uloz(w, QStringLiteral("krizovatky-trenink"));
        w->close();
    });
    h_.findChild<QAction*>(QStringLiteral("M1Krizovatky"))->trigger();
    ZrusCekani();
    if (!*otevren)
        snimky_.Preskoc(QStringLiteral("krizovatky-trenink"), QStringLiteral("okno se neotevřelo"));
}

void Scenar::Seznam(QAction* akce, const char* seznam, const char* tlacitko, const char* detail,
                    const QString& proc)
{
    const QString jmeno = QString::fromLatin1(seznam);
    if (!akce->isEnabled()) {
        snimky_.Preskoc(jmeno, proc);
        return;
    }
    PriOtevreni([=, this](QWidget* okno) {
        if (PotvrdZpravu(okno)) {
            snimky_.Preskoc(jmeno, posledniZprava);
            return;
        }
        snimky_.Uloz(okno, jmeno);
        PriOtevreni(
            [=, this](QWidget* podrobnosti) {
                if (!PotvrdZpravu(podrobnosti)) {
                    snimky_.Uloz(podrobnosti, QString::fromLatin1(detail));
                    podrobnosti->close();
                }
            },
            okno);
        Klikni(okno, tlacitko);
        okno->close();
    });
    akce->trigger();
    ZrusCekani();
}

void Scenar::Statistika()
{
    PriOtevreni([this](QWidget* okno) {
        snimky_.Uloz(okno, QStringLiteral("statistika"));
        okno->close();
    });
    h_.findChild<QAction*>(QStringLiteral("M1StatistikaUceni"))->trigger();
    ZrusCekani();
}

void Scenar::InformacniOkna()
{
    const std::pair<QAction*, const char*> okna[] = {
        {h_.findChild<QAction*>(QStringLiteral("M1OProgramu")), "o-programu"},
        {h_.findChild<QAction*>(QStringLiteral("M1Seznam")), "historie"}};
    for (const auto& [akce, jmeno] : okna) {
        PriOtevreni([this, jmeno](QWidget* okno) {
            snimky_.Uloz(okno, QString::fromLatin1(jmeno));
            okno->close();
        });
        akce->trigger();
        ZrusCekani();
    }
}

void Scenar::Napoveda()
{
    snimky_.DoplnStranky();
    // The help as shipped in the source tree, two pages of it.
    THelpForm okno(nullptr, data_);
    okno.show();
    snimky_.Uloz(&okno, QStringLiteral("napoveda-start"));
    okno.findChild<QTextBrowser*>(QStringLiteral("wbHelp"))
        ->setSource(QUrl::fromLocalFile(data_ + QStringLiteral("/Help/procvicovani.htm")));
    snimky_.Uloz(&okno, QStringLiteral("napoveda-procvicovani"));
}

}  // namespace

int main(int argc, char** argv)
{
    Aplikace aplikace(argc, argv);
    if (argc != 4) {
        std::fprintf(
            stderr, "použití: zk_snimky <adresář data> <adresář s otazky.DB> <adresář nápovědy>\n");
        return 2;
    }
    const QString data = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const QString banka = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
    const QString napoveda = QDir(QString::fromLocal8Bit(argv[3])).absolutePath();

    QTemporaryDir pracovni;
    for (const char* soubor : {"otazky.DB", "otazky.MB"})
        if (!QFile::copy(banka + QLatin1Char('/') + QLatin1String(soubor),
                         pracovni.filePath(QLatin1String(soubor)))) {
            std::fprintf(stderr, "v %s chybí %s (sestavte cíl zk_banka)\n", qPrintable(banka),
                         soubor);
            return 1;
        }
    const DatumCas& chvile = PevneHodiny::kChvile;
    QFile memo(pracovni.filePath(QStringLiteral("otazky.MB")));
    if (!memo.open(QIODevice::ReadWrite)
        || !memo.setFileTime(QDateTime(QDate(chvile.rok, chvile.mesic, chvile.den),
                                       QTime(chvile.hodina, chvile.minuta)),
                             QFileDevice::FileModificationTime))
        return 1;
    memo.close();
    PevneHodiny hodiny;
    NastavHodiny(&hodiny);
    if (!KopirujStrom(data + QStringLiteral("/grafika"),
                      pracovni.filePath(QStringLiteral("grafika"))))
        return 1;
    {
        ProfilovySklad sklad(pracovni.path().toStdString());
        sklad.ZalozitTabulkuProfilu();
        sklad.PridatProfil("Jana", "1111111", "B", "111", "11", "1", "");
        sklad.PridatProfil("Tomáš", "1111111", "C", "111", "11", "1", "");
    }

    // The section table comes with the bank; for a bank built without it the sections follow the
    // categories' subjects (the safe-driving section takes every fourth rule of category 1).
    if (!QFile::copy(banka + QStringLiteral("/oblasti.DB"),
                     pracovni.filePath(QStringLiteral("oblasti.DB")))) {
        Tabulka otazky, oblasti;
        otazky.Svaz(pracovni.path().toStdString(), "otazky");
        otazky.Otevri();
        oblasti.Svaz(pracovni.path().toStdString(), "oblasti");
        oblasti.Vytvor(DefiniceOblasti());
        oblasti.Otevri();
        oblasti.ZacniDavku();
        for (otazky.Prvni(); !otazky.Konec(); otazky.Dalsi()) {
            const int cislo = otazky.PoleNaPozici(0).JakoCele();
            oblasti.Vloz();
            oblasti.PoleNaPozici(0).NastavCele(cislo);
            static constexpr int kOblastKategorie[8] = {0, 1, 6, 6, 7, 5, 2, 4};
            const int k = KategorieCisla(cislo);
            oblasti.PoleNaPozici(1).NastavCele(k == 1 && cislo % 4 == 0 ? 3 : kOblastKategorie[k]);
            oblasti.Uloz();
        }
        oblasti.DokonciDavku();
    }
    THlavniFormular hlavni(pracovni.path().toStdString());
    Scenar scenar(data, napoveda, hlavni);
    const std::pair<const char*, const char*> znacky[] = {
        {"yes.jpg", "znacka-ano"}, {"no.jpg", "znacka-ne"}, {"mistake.jpg", "znacka-chyba"}};
    for (const auto& [soubor, jmeno] : znacky)
        scenar.Snimky().Uloz(data + QStringLiteral("/grafika/") + QLatin1String(soubor),
                             QString::fromLatin1(jmeno));
    scenar.Prihlaseni();
    if (hlavni.Spust() != THlavniFormular::Start::Prihlasen)
        return 1;
    scenar.Nastaveni();
    scenar.Prohlizeni();
    scenar.Procvicovani();
    scenar.TestNaBody();
    scenar.TestPlatny();
    scenar.Krizovatky();
    scenar.Seznam(hlavni.findChild<QAction*>(QStringLiteral("smProc")), "vysledky-seznam",
                  "btnPodrobnosti", "vysledky-podrobnosti",
                  QStringLiteral("seznam výsledků v tomto stromu ještě není"));
    scenar.Seznam(hlavni.findChild<QAction*>(QStringLiteral("M1VysledekTestu")), "protokoly-seznam",
                  "btnDetail", "protokol-testu",
                  QStringLiteral("seznam protokolů testů v tomto stromu ještě není"));
    scenar.Statistika();
    scenar.InformacniOkna();
    scenar.Napoveda();
    const QStringList chybi = scenar.Snimky().DoplnStranky();
    for (const QString& obrazek : chybi)
        std::printf("stránky čekají na %s\n", qPrintable(obrazek));
    hlavni.hide();
    NastavHodiny(nullptr);
    return 0;
}
