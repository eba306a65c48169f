#include "info/TAbout.h"

#include "ui/Jazyk.h"
#include "ui/Vzhled.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>

namespace {

constexpr int kSirka = 420;
constexpr int kVyska = 352;

const QString kPopis = QStringLiteral(
    "Zebrovka je trenažér k teoretické části zkoušky z odborné způsobilosti k řízení motorových "
    "vozidel. Obsahuje všech 757 otázek v sedmi kategoriích: pravidla provozu, řidičské "
    "oprávnění, silniční zákon a pojištění, první pomoc, podmínky provozu, dopravní značky a "
    "řešení dopravních situací na křižovatkách.\r\n\r\n"
    "Hlavní přednosti:\r\n"
    " - otázky si můžete prohlížet, procvičovat s nápovědou nebo se z nich nechat zkoušet,\r\n"
    " - test na body je sestaven a hodnocen stejně jako při skutečné zkoušce,\r\n"
    " - výsledky se ukládají do protokolů, chybné odpovědi lze kdykoli zopakovat,\r\n"
    " - každý uživatel má vlastní profil se svým nastavením, chráněný heslem.");

QLabel* Popisek(QWidget* rodic, const char* jmeno, const QString& text, int x, int y,
                bool tucne = false)
{
    auto* l = new QLabel(text, rodic);
    l->setObjectName(QLatin1String(jmeno));
    l->setFont(PismoOkna(11, tucne));
    l->move(x, y);
    l->adjustSize();
    return l;
}

}  // namespace

TAbout::TAbout(const std::filesystem::path& adresar, QWidget* rodic) : QDialog(rodic)
{
    setObjectName(QStringLiteral("TAbout"));
    setWindowTitle(QStringLiteral("O programu"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(PismoOkna());
    setFixedSize(kSirka, kVyska);

    // Created first, so that it is first in the tab order and has the focus when the box opens.
    btnOK = new QPushButton(QStringLiteral("&OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(kSirka - 83, 12, 75, 25);
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);

    gbOkraj = new QGroupBox(this);
    gbOkraj->setObjectName(QStringLiteral("gbOkraj"));
    gbOkraj->setGeometry(8, 6, kSirka - 100, kVyska - 14);

    Image1 = new QLabel(gbOkraj);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAccessibleName(QStringLiteral("Obrázek programu"));
    Image1->setGeometry(12, 14, 32, 32);
    Image1->setPixmap(
        QPixmap(QString::fromStdString((adresar / "grafika" / "ikona.png").string())));

    lbNazev = Popisek(gbOkraj, "lbNazev", QStringLiteral("Zebrovka 2003 (2004)"), 56, 12, true);
    lbNazev->setFont(PismoOkna(13, true));
    lbNazev->adjustSize();
    lbVerze =
        Popisek(gbOkraj, "lbVerze", QStringLiteral("verze produktu: " ZEBROVKA_VERZE), 56, 34);
    lbUprava = Popisek(gbOkraj, "lbUprava", QStringLiteral("poslední úprava: 17.9.2004"), 56, 50);
    lbDatab = Popisek(gbOkraj, "lbDatab", QStringLiteral("databáze otázek z:"), 56, 66);
    lb = Popisek(gbOkraj, "lb", DatumDatabaze(adresar), 56 + lbDatab->width() + 4, 66);

    lbInet = Popisek(gbOkraj, "lbInet", kOdkaz, 12, 90, true);
    lbInet->setCursor(Qt::PointingHandCursor);
    lbInet->setMouseTracking(true);
    lbInet->installEventFilter(this);
    ObarviOdkaz(Qt::blue);

    mText = new QPlainTextEdit(kPopis, gbOkraj);
    mText->setObjectName(QStringLiteral("mText"));
    mText->setAccessibleName(QStringLiteral("Popis programu"));
    mText->setGeometry(12, 112, gbOkraj->width() - 24, 156);
    mText->setReadOnly(true);
    mText->setFocusPolicy(Qt::NoFocus);
    QPalette zluta = mText->palette();
    zluta.setColor(QPalette::Base, QColor(255, 255, 225));
    zluta.setColor(QPalette::Text, Qt::black);  // the light box keeps dark text under any palette
    mText->setPalette(zluta);

    stAtestace = new QLabel(QStringLiteral("Program byl konzultován s příslušníky dopravní policie "
                                           "a s instruktory autoškol."),
                            gbOkraj);
    stAtestace->setObjectName(QStringLiteral("stAtestace"));
    stAtestace->setFont(PismoOkna(11, true));
    stAtestace->setWordWrap(true);
    stAtestace->setGeometry(12, 276, gbOkraj->width() - 24, 48);
    stAtestace->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

QString TAbout::DatumDatabaze(const std::filesystem::path& adresar)
{
    const QFileInfo memo(QString::fromStdString((adresar / "otazky.MB").string()));
    if (!memo.isFile())
        return QStringLiteral("neznámé");
    return CeskeProstredi().toString(memo.lastModified().date(), QLocale::ShortFormat);
}

void TAbout::ObarviOdkaz(const QColor& barva)
{
    QPalette p = lbInet->palette();
    p.setColor(QPalette::WindowText, barva);
    lbInet->setPalette(p);
}

void TAbout::lbInetMouseMove() { ObarviOdkaz(Qt::red); }

void TAbout::lbInetMouseLeave() { ObarviOdkaz(Qt::blue); }

void TAbout::lbInetClick() { QDesktopServices::openUrl(QUrl(lbInet->text())); }

bool TAbout::eventFilter(QObject* objekt, QEvent* udalost)
{
    if (objekt == lbInet) {
        switch (udalost->type()) {
        case QEvent::Enter:
        case QEvent::MouseMove:
            lbInetMouseMove();
            break;
        case QEvent::Leave:
            lbInetMouseLeave();
            break;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(udalost)->button() == Qt::LeftButton)
                lbInetClick();
            break;
        default:
            break;
        }
    }
    return QDialog::eventFilter(objekt, udalost);
}
