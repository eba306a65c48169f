#include "ui/TlacitkoOdpovedi.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>

namespace {

QFont Pismo(int pixelu, bool tucne = false)
{
    QFont f;
    f.setPixelSize(pixelu);
    f.setBold(tucne);
    return f;
}

}  // namespace

TlacitkoOdpovedi::TlacitkoOdpovedi(int misto, Rozmery rozmery, QWidget* rodic) : QPushButton(rodic)
{
    const QString pismeno = QString(QChar(u'A' + misto));
    setObjectName(QStringLiteral("btnOdpoved") + pismeno);
    setProperty("odpoved", QStringLiteral("1"));
    setAutoDefault(false);
    auto* radek = new QHBoxLayout(this);
    radek->setContentsMargins(rozmery.okraj, rozmery.okraj - 4, rozmery.okraj, rozmery.okraj - 4);
    radek->setSpacing(rozmery.mezera);
    auto* lbPismeno = new QLabel(pismeno, this);
    lbPismeno->setFont(Pismo(rozmery.pismo + 2, true));
    lbPismeno->setAlignment(Qt::AlignTop);
    lbPismeno->setAttribute(Qt::WA_TransparentForMouseEvents);
    text_ = new QLabel(this);
    text_->setObjectName(QStringLiteral("lbOdpoved") + pismeno);
    text_->setWordWrap(true);
    text_->setFont(Pismo(rozmery.pismo));
    text_->setAttribute(Qt::WA_TransparentForMouseEvents);
    radek->addWidget(lbPismeno);
    radek->addWidget(text_, 1);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Minimum);
}

void TlacitkoOdpovedi::NastavText(const QString& text)
{
    text_->setText(text);
    setAccessibleName(QStringLiteral("Odpověď ") + objectName().back() + QStringLiteral(": ")
                      + text);
    updateGeometry();
}

QString TlacitkoOdpovedi::Text() const { return text_->text(); }

QSize TlacitkoOdpovedi::sizeHint() const { return layout()->sizeHint(); }

QSize TlacitkoOdpovedi::minimumSizeHint() const { return layout()->minimumSize(); }

int TlacitkoOdpovedi::heightForWidth(int w) const { return layout()->totalHeightForWidth(w); }
