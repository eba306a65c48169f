#include "profiles/gui/TNastaveni.h"

#include "base/Nastaveni.h"
#include "questions/Kategorie.h"
#include "ui/Vzhled.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

struct Skupina {
    const char* jmeno;
    const char* popisek;
    int radek;
    int sloupec;
};

// The radio buttons are named "rb" + group code; confirming reads the code back from the name.
constexpr Skupina kSkupiny[] = {
    {"rbA", "A", 0, 0},
    {"rbA1", "A1", 0, 1},
    {"rbAM", "AM", 0, 2},
    {"rbB", "B (B+E) *", 1, 0},
    {"rbB1", "B1", 1, 1},
    {"rbT", "T", 1, 2},
    {"rbC", "C (C1, C+E, C1+E) *", 2, 0},
    {"rbD", "D (D1, D+E, D1+E) *", 3, 0},
};

constexpr const char* kJmenaKategorii[] = {"cbPravidla",   "cbOpravneni", "cbZakonDoprava",
                                           "cbZdravoveda", "cbPodminky",  "cbZnacky",
                                           "cbKrizovatky"};

}  // namespace

TNastaveni::TNastaveni(Nastaveni& nastaveni, QWidget* rodic)
    : QDialog(rodic,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                  | Qt::WindowCloseButtonHint),
      nastaveni_(nastaveni)
{
    setObjectName(QStringLiteral("TNastaveni"));
    setWindowTitle(QStringLiteral("Nastavení programu Zebrovka 2003 (2004)"));

    auto* btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    auto* btnStormo = new QPushButton(QStringLiteral("Storno"), this);
    btnStormo->setObjectName(QStringLiteral("btnStormo"));

    auto* gbZK = new QGroupBox(QStringLiteral("Procvičovat/zkoušet otázky z kategorie:"), this);
    gbZK->setObjectName(QStringLiteral("gbZK"));
    auto* zk = new QVBoxLayout(gbZK);
    for (std::size_t k = 0; k < kategorie_.size(); ++k) {
        const std::string_view nazev = NazvyKategorii()[k];
        auto* cb = new QCheckBox(QString::fromUtf8(nazev.data(), qsizetype(nazev.size())), gbZK);
        cb->setObjectName(QString::fromLatin1(kJmenaKategorii[k]));
        cb->setProperty("tag", int(k + 1));
        cb->setChecked(nastaveni_.kategorie[k]);
        zk->addWidget(cb);
        kategorie_[k] = cb;
    }

    auto* gbSkupina = new QGroupBox(QStringLiteral("Skupina řidičského oprávnění:"), this);
    gbSkupina->setObjectName(QStringLiteral("gbSkupina"));
    auto* mrizka = new QGridLayout(gbSkupina);
    skupiny_ = new QButtonGroup(this);
    for (const Skupina& s : kSkupiny) {
        auto* rb = new QRadioButton(QString::fromUtf8(s.popisek), gbSkupina);
        rb->setObjectName(QString::fromLatin1(s.jmeno));
        skupiny_->addButton(rb);
        mrizka->addWidget(rb, s.radek, s.sloupec, 1, s.sloupec == 0 && s.radek >= 2 ? 3 : 1);
    }
    const QString vybrana = QStringLiteral("rb") + QString::fromStdString(nastaveni_.skupina);
    for (QAbstractButton* rb : skupiny_->buttons())
        if (rb->objectName() == vybrana)
            rb->setChecked(true);

    auto* lbHvezda = new QLabel(QStringLiteral("*"), this);
    lbHvezda->setObjectName(QStringLiteral("lbHvezda"));
    auto* stPozn = new QLabel(
        QStringLiteral("skupiny v závorce se od skupiny před závorkou liší pouze omezením v rámci "
                       "skupiny (otázky pro ně i počet bodů je všude stejný)"),
        this);
    stPozn->setObjectName(QStringLiteral("stPozn"));
    stPozn->setWordWrap(true);
    auto* poznamka = new QHBoxLayout;
    poznamka->addWidget(lbHvezda, 0, Qt::AlignTop);
    poznamka->addWidget(stPozn, 1);

    auto* gbProtokol = new QGroupBox(QStringLiteral("Vytvářet protokol u:"), this);
    gbProtokol->setObjectName(QStringLiteral("gbProtokol"));
    auto* protokol = new QVBoxLayout(gbProtokol);
    const std::array<std::pair<const char*, QString>, 3> kProtokoly {{
        {"cbProcvicovani",
         QStringLiteral("Procvičování testových otázek (z určitých či všech kategorií)")},
        {"cbZkouseni", QStringLiteral("Zkoušení testových otázek (z určitých či všech kategorií)")},
        {"cbTest", QStringLiteral("Testu z pravidel silničního provozu")},
    }};
    for (std::size_t j = 0; j < protokoly_.size(); ++j) {
        auto* cb = new QCheckBox(kProtokoly[j].second, gbProtokol);
        cb->setObjectName(QString::fromLatin1(kProtokoly[j].first));
        cb->setProperty("tag", int(j + 8));
        cb->setChecked(nastaveni_.protokoly[j]);
        protokol->addWidget(cb);
        protokoly_[j] = cb;
    }

    auto* stPozor = new QLabel(QStringLiteral("!"), this);
    stPozor->setObjectName(QStringLiteral("stPozor"));
    stPozor->setFont(PismoOkna(48));
    QPalette cervena = stPozor->palette();
    cervena.setColor(QPalette::WindowText, Qt::red);
    stPozor->setPalette(cervena);
    auto* stUpozorneni = new QLabel(
        QStringLiteral("Pro celkové uložení nastavení, které by bylo použito i při dalším spuštění "
                       "programu, je nutné stisknout položku \"Uložit nastavení\" v sekci "
                       "\"Nastavení\" hlavního menu, jinak se při opětovném spuštění programu "
                       "nahraje poslední uložená konfigurace."),
        this);
    stUpozorneni->setObjectName(QStringLiteral("stUpozorneni"));
    stUpozorneni->setWordWrap(true);
    for (QLabel* l : {stPozor, stUpozorneni, lbHvezda, stPozn}) {
        l->setFocusPolicy(Qt::NoFocus);
        l->setTextInteractionFlags(Qt::NoTextInteraction);
    }

    auto* dole = new QHBoxLayout;
    dole->addWidget(stPozor, 0, Qt::AlignTop);
    dole->addWidget(stUpozorneni, 1);
    auto* tlacitka = new QVBoxLayout;
    tlacitka->addWidget(btnOK);
    tlacitka->addWidget(btnStormo);
    tlacitka->addStretch();
    dole->addLayout(tlacitka);

    auto* vpravo = new QVBoxLayout;
    vpravo->addWidget(gbSkupina);
    vpravo->addLayout(poznamka);
    vpravo->addWidget(gbProtokol);
    vpravo->addStretch();
    auto* nahore = new QHBoxLayout;
    nahore->addWidget(gbZK);
    nahore->addLayout(vpravo);

    auto* rozvrzeni = new QVBoxLayout(this);
    rozvrzeni->addLayout(nahore);
    rozvrzeni->addLayout(dole);
    rozvrzeni->setSizeConstraint(QLayout::SetFixedSize);

    // OK comes first in the tab order, so it holds the focus when the dialog opens.
    QWidget* predchozi = btnOK;
    auto dalsi = [&predchozi](QWidget* w) {
        QWidget::setTabOrder(predchozi, w);
        predchozi = w;
    };
    dalsi(btnStormo);
    for (QCheckBox* cb : kategorie_)
        dalsi(cb);
    for (QAbstractButton* rb : skupiny_->buttons())
        dalsi(rb);
    for (QCheckBox* cb : protokoly_)
        dalsi(cb);
    btnOK->setDefault(true);
    btnOK->setFocus();

    connect(btnOK, &QPushButton::clicked, this, &TNastaveni::btnOKClick);
    connect(btnStormo, &QPushButton::clicked, this, &QDialog::reject);
}

void TNastaveni::PouzitNastaveni()
{
    for (std::size_t k = 0; k < kategorie_.size(); ++k)
        nastaveni_.kategorie[k] = kategorie_[k]->isChecked();
    if (QAbstractButton* rb = skupiny_->checkedButton())
        nastaveni_.skupina = rb->objectName().mid(2).toStdString();
    for (std::size_t j = 0; j < protokoly_.size(); ++j)
        nastaveni_.protokoly[j] = protokoly_[j]->isChecked();
}

void TNastaveni::btnOKClick()
{
    PouzitNastaveni();
    accept();
}
