#include "test/gui/TTestDetailForm.h"

#include "ui/Grafy.h"
#include "ui/Zpravy.h"

#include <QFileDialog>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {

constexpr int kSirka = 392;
constexpr int kVyska = 466;
constexpr int kVyskaTextu = 425;

QPushButton* Tlacitko(QWidget* rodic, const char* jmeno, const QString& text, int levy, int sirka)
{
    auto* b = new QPushButton(text, rodic);
    b->setObjectName(QLatin1String(jmeno));
    sirka = std::max(sirka,
                     b->fontMetrics().horizontalAdvance(b->text().remove(QLatin1Char('&'))) + 16);
    b->setGeometry(levy, kVyskaTextu + 8, sirka, 25);
    return b;
}

QFont PismoZpravy(int pixely, qreal body = 0)
{
    QFont pismo(QStringLiteral("Courier New"));
    pismo.setStyleHint(QFont::TypeWriter);
    pismo.setFixedPitch(true);
    if (pixely > 0)
        pismo.setPixelSize(pixely);
    else
        pismo.setPointSizeF(body);
    return pismo;
}

}  // namespace

TTestDetailForm::TTestDetailForm(const VstupZpravy& vstup, std::filesystem::path adresar,
                                 QWidget* rodic)
    : QDialog(rodic,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      radky_(RadkyZpravy(vstup)), adresar_(std::move(adresar))
{
    setObjectName(QStringLiteral("TTestDetailForm"));
    setWindowTitle(QStringLiteral("Test z ") + QString::fromStdString(vstup.datumACas)
                   + QStringLiteral("; Uživatel: ") + QString::fromStdString(vstup.profil));
    setFixedSize(kSirka, kVyska);

    mProtokol = new QPlainTextEdit(this);
    mProtokol->setObjectName(QStringLiteral("mProtokol"));
    mProtokol->setAccessibleName(QStringLiteral("Protokol testu"));
    mProtokol->setGeometry(0, 0, kSirka, kVyskaTextu);
    mProtokol->setReadOnly(true);
    mProtokol->setFont(PismoZpravy(11));
    mProtokol->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mProtokol->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mProtokol->setPlainText(Radky().join(QLatin1Char('\n')));
    mProtokol->moveCursor(QTextCursor::Start);

    btnOK = Tlacitko(this, "btnOK", QStringLiteral("&OK"), 8, 75);
    btnTisk = Tlacitko(this, "btnTisk", QStringLiteral("&Vytisknout"),
                       btnOK->geometry().right() + 9, 100);
    btnUloz = Tlacitko(this, "btnUloz", QStringLiteral("&Uložit do souboru"), 0, 140);
    btnUloz->move(kSirka - 8 - btnUloz->width(), btnUloz->y());
    btnOK->setDefault(true);

    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnTisk, &QPushButton::clicked, this, &TTestDetailForm::btnTiskClick);
    connect(btnUloz, &QPushButton::clicked, this, &TTestDetailForm::btnUlozClick);
}

QStringList TTestDetailForm::Radky() const
{
    QStringList radky;
    for (const std::string& r : radky_)
        radky << QString::fromStdString(r);
    return radky;
}

void TTestDetailForm::btnTiskClick()
{
    QString chyba;
    KnihovnaGrafu* knihovna = NactiKnihovnuGrafu(&chyba);
    if (!knihovna) {
        Zpravy::Chyba(this, QStringLiteral("Tisk není k dispozici.\n") + chyba);
        return;
    }
    QString tiskarna;
    if (knihovna->Vytiskni(this, windowTitle(), Radky(), PismoZpravy(0, 10), tiskarna)
        == KnihovnaGrafu::Tisk::Selhalo)
        Zpravy::Chyba(
            this,
            QStringLiteral("Protokol se nepodařilo vytisknout na tiskárně „%1“.").arg(tiskarna));
}

void TTestDetailForm::btnUlozClick()
{
    QFileDialog dialog(this, QString(), QString::fromStdString(adresar_.string()),
                       QStringLiteral("Textové soubory (*.txt)"));
    dialog.setObjectName(QStringLiteral("SaveDialog1"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The dialog would ask about the name typed; the file written carries ".txt" more, so the
    // question about replacing it is asked below, about that file.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const std::filesystem::path soubor = NazevSouboruZpravy(
        std::filesystem::path(dialog.selectedFiles().constFirst().toStdString()));
    std::error_code chybaDotazu;
    if (std::filesystem::exists(soubor, chybaDotazu)
        && !Zpravy::Otazka(this,
                           QStringLiteral("Soubor „%1“ již existuje. Chcete jej nahradit?")
                               .arg(QString::fromStdString(soubor.filename().string()))))
        return;
    try {
        UlozSouborAtomicky(soubor, ObsahSouboruZpravy(radky_));
    } catch (const ChybaUlozeni& chyba) {
        Zpravy::Chyba(this, QString::fromStdString(chyba.what()));
    }
}

bool VytiskniRadky(QPrinter& tiskarna, const QStringList& radky)
{
    KnihovnaGrafu* knihovna = NactiKnihovnuGrafu();
    return knihovna && knihovna->VytiskniRadky(tiskarna, radky, PismoZpravy(0, 10));
}
