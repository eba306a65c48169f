#include "krizovatky/gui/TKrizovatky.h"

#include "base/Hodiny.h"
#include "base/Procenta.h"
#include "krizovatky/Generator.h"
#include "krizovatky/ZaznamKrizovatky.h"
#include "tools/situace/KnihovnaScen.h"
#include "tools/situace/Situace.h"
#include "ui/Dialogy.h"
#include "ui/Modul.h"
#include "ui/TlacitkoOdpovedi.h"

#include <QFont>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QVBoxLayout>

#include <array>
#include <cmath>
#include <functional>
#include <map>

namespace {

const QString kPismena = QStringLiteral("ABC");

QString Q(const std::string& s) { return QString::fromStdString(s); }

QFont Pismo(int pixelu, bool tucne = false)
{
    QFont f;
    f.setPixelSize(pixelu);
    f.setBold(tucne);
    return f;
}

// Answers by state: chosen, right, wrong; the verdict by outcome.
const QString kStyl = QStringLiteral(
    "QDialog#TKrizovatky { background: #f4f6f8; }"
    "QPushButton[odpoved=\"1\"] { background: white; border: 2px solid #c3ccd6; border-radius: 8px;"
    "  text-align: left; padding: 8px 12px; color: #17202a; }"
    "QPushButton[odpoved=\"1\"]:focus { border-color: #6c8ebf; }"
    "QPushButton[odpoved=\"1\"][stav=\"spravna\"] { background: #d8f3dc; border: 3px solid "
    "#2d8a4e; }"
    "QPushButton[odpoved=\"1\"][stav=\"spatna\"] { background: #fde2e1; border: 3px solid #c0392b; "
    "}"
    "QLabel#lbVerdikt[vysledek=\"spravne\"] { color: #2d8a4e; }"
    "QLabel#lbVerdikt[vysledek=\"spatne\"] { color: #c0392b; }");

void Prestyluj(QWidget* w)
{
    w->style()->unpolish(w);
    w->style()->polish(w);
}

// The picture's place: its size never follows the picture, and a change of size redraws it.
class MistoObrazku : public QLabel {
public:
    explicit MistoObrazku(QWidget* rodic) : QLabel(rodic) { }
    std::function<void()> naZmenu;
    QSize sizeHint() const override { return {600, 350}; }
    QSize minimumSizeHint() const override { return {300, 175}; }

protected:
    void resizeEvent(QResizeEvent* e) override
    {
        QLabel::resizeEvent(e);
        if (naZmenu)
            naZmenu();
    }
};

}  // namespace

struct TKrizovatky::Stav {
    TKrizovatky* okno;
    std::filesystem::path adresar;
    std::string profil;
    const Hodiny& hodiny;
    ZdrojSeedu zdroj;

    GenerovanaSituace situace;
    Scena scena;  // the situation as the drawing reads it
    bool nakreslena = false;
    int zvolena = -1;  // -1 until answered
    int spravne = 0, celkem = 0;

    QLabel* lbObrazek = nullptr;
    QLabel* lbOtazka = nullptr;
    std::array<TlacitkoOdpovedi*, 3> odpovedi {};
    QLabel* lbVerdikt = nullptr;
    QLabel* lbVysvetleni = nullptr;
    QLabel* lbSkore = nullptr;
    QLabel* lbSeed = nullptr;
    QLineEdit* edSeed = nullptr;
    QPushButton* btnSeed = nullptr;
    QPushButton* btnDalsi = nullptr;

    Stav(TKrizovatky* o, std::filesystem::path a, std::string p, const Hodiny& h, ZdrojSeedu z)
        : okno(o), adresar(std::move(a)), profil(std::move(p)), hodiny(h), zdroj(std::move(z))
    {
    }

    void Postav()
    {
        okno->setObjectName(QStringLiteral("TKrizovatky"));
        okno->setWindowTitle(QStringLiteral("Křižovatky – trénink"));
        okno->setStyleSheet(kStyl);
        okno->resize(1000, 620);

        auto* misto = new MistoObrazku(okno);
        misto->naZmenu = [this] { Kresli(); };
        lbObrazek = misto;
        lbObrazek->setObjectName(QStringLiteral("lbObrazek"));
        lbObrazek->setAccessibleName(QStringLiteral("Obrázek křižovatky"));
        lbObrazek->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        lbObrazek->setAlignment(Qt::AlignCenter);

        lbVysvetleni = new QLabel(okno);
        lbVysvetleni->setObjectName(QStringLiteral("lbVysvetleni"));
        lbVysvetleni->setAccessibleName(QStringLiteral("Vysvětlení"));
        lbVysvetleni->setTextFormat(Qt::RichText);
        lbVysvetleni->setWordWrap(true);
        lbVysvetleni->setFont(Pismo(14));
        lbVysvetleni->setAlignment(Qt::AlignTop | Qt::AlignLeft);
        lbVysvetleni->setTextInteractionFlags(Qt::TextSelectableByMouse);
        lbVysvetleni->setMinimumHeight(120);

        auto* vlevo = new QVBoxLayout;
        vlevo->addWidget(lbObrazek, 3);
        vlevo->addWidget(lbVysvetleni, 1);

        lbOtazka = new QLabel(okno);
        lbOtazka->setObjectName(QStringLiteral("lbOtazka"));
        lbOtazka->setWordWrap(true);
        lbOtazka->setFont(Pismo(19, true));

        auto* vpravo = new QVBoxLayout;
        vpravo->addWidget(lbOtazka);
        for (int i = 0; i < 3; ++i) {
            auto* b = new TlacitkoOdpovedi(i, {16, 12, 12}, okno);
            QObject::connect(b, &QPushButton::clicked, okno, [this, i] { Odpovez(i); });
            odpovedi[static_cast<size_t>(i)] = b;
            vpravo->addWidget(b);
        }
        lbVerdikt = new QLabel(okno);
        lbVerdikt->setObjectName(QStringLiteral("lbVerdikt"));
        lbVerdikt->setAccessibleName(QStringLiteral("Hodnocení odpovědi"));
        lbVerdikt->setFont(Pismo(18, true));
        lbVerdikt->setWordWrap(true);
        vpravo->addWidget(lbVerdikt);

        btnDalsi = new QPushButton(QStringLiteral("&Další situace (Enter)"), okno);
        btnDalsi->setObjectName(QStringLiteral("btnDalsi"));
        btnDalsi->setAutoDefault(false);
        QObject::connect(btnDalsi, &QPushButton::clicked, okno, [this] { Dalsi(); });
        vpravo->addWidget(btnDalsi);
        vpravo->addStretch(1);

        lbSkore = new QLabel(okno);
        lbSkore->setObjectName(QStringLiteral("lbSkore"));
        lbSkore->setFont(Pismo(15, true));
        vpravo->addWidget(lbSkore);

        lbSeed = new QLabel(okno);
        lbSeed->setObjectName(QStringLiteral("lbSeed"));
        lbSeed->setTextInteractionFlags(Qt::TextSelectableByMouse);
        vpravo->addWidget(lbSeed);

        auto* radekSeed = new QHBoxLayout;
        auto* popisek = new QLabel(QStringLiteral("&Situace číslo:"), okno);
        edSeed = new QLineEdit(okno);
        edSeed->setObjectName(QStringLiteral("edSeed"));
        edSeed->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("[0-9]{1,10}")), edSeed));
        popisek->setBuddy(edSeed);
        btnSeed = new QPushButton(QStringLiteral("&Zobrazit"), okno);
        btnSeed->setObjectName(QStringLiteral("btnSeed"));
        btnSeed->setAutoDefault(false);
        QObject::connect(btnSeed, &QPushButton::clicked, okno, [this] { UkazZadanou(); });
        QObject::connect(edSeed, &QLineEdit::returnPressed, okno, [this] { UkazZadanou(); });
        radekSeed->addWidget(popisek);
        radekSeed->addWidget(edSeed, 1);
        radekSeed->addWidget(btnSeed);
        vpravo->addLayout(radekSeed);

        auto* hlavni = new QHBoxLayout(okno);
        hlavni->addLayout(vlevo, 3);
        auto* sloupec = new QWidget(okno);
        sloupec->setLayout(vpravo);
        sloupec->setFixedWidth(380);
        vpravo->setContentsMargins(0, 0, 0, 0);
        hlavni->addWidget(sloupec);
    }

    void UkazZadanou()
    {
        bool ok = false;
        const qulonglong seed = edSeed->text().toULongLong(&ok);
        if (!ok || seed > 0xffffffffull) {
            edSeed->selectAll();
            return;
        }
        Ukaz(static_cast<std::uint32_t>(seed));
        edSeed->clear();
        okno->setFocus();
    }

    void Ukaz(std::uint32_t seed)
    {
        situace = GenerujSituaci(seed);
        QString chyba;
        KnihovnaScen* cteni = Modul<KnihovnaScen>(QStringLiteral("zebrovka-sceny.so"), &chyba);
        nakreslena = cteni
            && cteni->CtiScenu(ScenaDoYaml(situace.scena), QStringLiteral("situace %1").arg(seed),
                               &scena, &chyba);
        zvolena = -1;
        lbOtazka->setText(Q(situace.otazka));
        for (int i = 0; i < 3; ++i) {
            TlacitkoOdpovedi* b = odpovedi[static_cast<size_t>(i)];
            b->NastavText(Q(situace.odpovedi[static_cast<size_t>(i)]));
            b->setProperty("stav", QString());
            b->setEnabled(true);
            Prestyluj(b);
        }
        lbVerdikt->clear();
        lbVerdikt->setAccessibleDescription(QString());
        lbVerdikt->setProperty("vysledek", QString());
        lbVysvetleni->setText(nakreslena ? QString() : chyba.toHtmlEscaped());
        lbVysvetleni->setAccessibleDescription(nakreslena ? QString() : chyba);
        lbSeed->setText(QStringLiteral("Situace číslo %1").arg(seed));
        btnDalsi->setEnabled(false);
        Kresli();
    }

    void Dalsi()
    {
        if (zvolena >= 0)
            Ukaz(zdroj());
    }

    void Odpovez(int i)
    {
        if (zvolena >= 0)
            return;
        zvolena = i;
        const bool dobre = i == situace.spravna;
        ++celkem;
        spravne += dobre ? 1 : 0;
        for (int k = 0; k < 3; ++k) {
            QPushButton* b = odpovedi[static_cast<size_t>(k)];
            b->setProperty("stav",
                           k == situace.spravna ? QStringLiteral("spravna")
                               : k == i         ? QStringLiteral("spatna")
                                                : QString());
            Prestyluj(b);
        }
        lbVerdikt->setText(
            dobre
                ? QStringLiteral("Správně!")
                : QStringLiteral("Špatně. Správná odpověď je %1.").arg(kPismena[situace.spravna]));
        lbVerdikt->setAccessibleDescription(lbVerdikt->text());
        lbVerdikt->setProperty("vysledek",
                               dobre ? QStringLiteral("spravne") : QStringLiteral("spatne"));
        Prestyluj(lbVerdikt);
        QString v, nahlas;
        int n = 0;
        for (const Krok& k : situace.reseni.kroky) {
            v += QStringLiteral("<p style=\"margin:2px 0\"><b>%1.</b> %2</p>")
                     .arg(++n)
                     .arg(Q(k.pravidlo)
                              .toHtmlEscaped()
                              .replace(QLatin1Char('\n'), QStringLiteral("<br>")));  // a line each
            nahlas += QStringLiteral("%1. %2 ").arg(n).arg(
                Q(k.pravidlo).replace(QLatin1Char('\n'), QLatin1Char(' ')));
        }
        lbVysvetleni->setText(v);
        lbVysvetleni->setAccessibleDescription(nahlas.trimmed());
        lbSkore->setText(QStringLiteral("Skóre: %1 z %2 (%3 %)")
                             .arg(spravne)
                             .arg(celkem)
                             .arg(ProcentoZaokrouhlene(spravne, celkem)));
        btnDalsi->setEnabled(true);
        Kresli();
        if (!profil.empty()) {
            ZaznamKrizovatky z;
            z.profil = profil;
            z.kdy = hodiny.Mistni();
            z.seed = situace.seed;
            z.otazka = situace.druh == DruhOtazky::Prvni ? 'P' : 'O';
            z.zvolena = static_cast<char>('A' + i);
            z.spravna = static_cast<char>('A' + situace.spravna);
            ChraneneTabulky(okno, [&] { ZapisKrizovatku(adresar, z); });
        }
    }

    // The picture at the label's size; after the answer each vehicle carries the number of the
    // step in which it passes (the steps of the explanation).
    void Kresli()
    {
        if (!nakreslena) {
            lbObrazek->clear();
            return;
        }
        const QSize velikost =
            lbObrazek->size().boundedTo(QSize(4000, 4000)).expandedTo(QSize(300, 175));
        QImage obraz = KresliScenu(scena, velikost);
        if (zvolena >= 0) {
            const std::vector<QPointF> polohy = PolohyVozidel(scena, velikost);
            std::map<QString, int> krokVozidla;
            int n = 0;
            for (const Krok& k : situace.reseni.kroky) {
                ++n;
                for (const std::string& s : k.stitky)
                    krokVozidla[Q(s)] = n;
            }
            // The badge stands behind the vehicle, away from the middle of the junction, so that
            // it covers neither the vehicle nor the badge of a vehicle beside it.
            const double k = std::min(velikost.width() / 300.0, velikost.height() / 175.0);
            const double r = std::max(8.0, k * 6);
            const QPointF stred(velikost.width() / 2.0, velikost.height() / 2.0);
            QPainter p(&obraz);
            p.setRenderHint(QPainter::Antialiasing);
            p.setFont(Pismo(int(r * 1.25), true));
            for (size_t i = 0; i < scena.vozidla.size() && i < polohy.size(); ++i) {
                const auto it = krokVozidla.find(scena.vozidla[i].stitek);
                if (it == krokVozidla.end())
                    continue;
                QPointF ven = polohy[i] - stred;
                const double delka = std::hypot(ven.x(), ven.y());
                ven = delka < 1 ? QPointF(0.7, -0.7) : ven / delka;
                const QPointF c = polohy[i] + ven * (k * 11 + r);
                p.setPen(QPen(Qt::white, 2));
                p.setBrush(QColor(31, 78, 140));
                p.drawEllipse(c, r, r);
                p.setPen(Qt::white);
                p.drawText(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), Qt::AlignCenter,
                           QString::number(it->second));
            }
        }
        lbObrazek->setPixmap(QPixmap::fromImage(obraz));
    }
};

TKrizovatky::TKrizovatky(std::filesystem::path adresar, std::string profil, const Hodiny& hodiny,
                         ZdrojSeedu zdroj, QWidget* rodic)
    : QDialog(rodic), s_(std::make_unique<Stav>(this, std::move(adresar), std::move(profil), hodiny,
                                                std::move(zdroj)))
{
    s_->Postav();
    s_->lbSkore->setText(QStringLiteral("Skóre: 0 z 0"));
    s_->Ukaz(s_->zdroj());
}

TKrizovatky::~TKrizovatky() = default;

void TKrizovatky::keyPressEvent(QKeyEvent* udalost)
{
    static const std::map<int, int> volby = {{Qt::Key_A, 0}, {Qt::Key_B, 1}, {Qt::Key_C, 2},
                                             {Qt::Key_1, 0}, {Qt::Key_2, 1}, {Qt::Key_3, 2}};
    const auto it = volby.find(udalost->key());
    if (it != volby.end() && !(udalost->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        s_->Odpovez(it->second);
        return;
    }
    if (udalost->key() == Qt::Key_Return || udalost->key() == Qt::Key_Enter) {
        s_->Dalsi();
        return;
    }
    QDialog::keyPressEvent(udalost);
}
