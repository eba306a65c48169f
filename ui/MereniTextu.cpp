#include "ui/MereniTextu.h"

#include <QEvent>
#include <QPainter>
#include <QtMath>
#include <QTextLayout>

namespace {

// Line breaks of any form become the layout's own line separator; trailing ones are dropped.
QString PripravText(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    while (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    return text;
}

int Rozloz(QTextLayout& rozlozeni, int sirka, int vyskaRadku = StatickyText::kVyskaRadku)
{
    QTextOption volby;
    volby.setWrapMode(QTextOption::WordWrap);
    rozlozeni.setTextOption(volby);
    rozlozeni.beginLayout();
    int radku = 0;
    for (;;) {
        QTextLine radek = rozlozeni.createLine();
        if (!radek.isValid())
            break;
        radek.setLineWidth(sirka);
        radek.setPosition(QPointF(0, radku * vyskaRadku));
        ++radku;
    }
    rozlozeni.endLayout();
    return radku;
}

}  // namespace

int PocetRadku(const QString& text, const QFont& pismo, int sirka)
{
    const QString pripraveny = PripravText(text);
    if (pripraveny.isEmpty())
        return 0;
    QTextLayout rozlozeni(pripraveny, pismo);
    return Rozloz(rozlozeni, sirka);
}

StatickyText::StatickyText(QWidget* rodic) : QWidget(rodic) { }

StatickyText::~StatickyText() = default;

void StatickyText::setText(const QString& text)
{
    text_ = text;
    Rozloz(width());
}

int StatickyText::PocetRadku() const { return rozlozeni_ ? rozlozeni_->lineCount() : 0; }

void StatickyText::Rozloz(int sirka)
{
    const QString pripraveny = PripravText(text_);
    rozlozeni_.reset();
    int radku = 0;
    if (!pripraveny.isEmpty()) {
        rozlozeni_ = std::make_unique<QTextLayout>(pripraveny, font());
        radku = ::Rozloz(*rozlozeni_, sirka + pridavekZalomeni_, vyskaRadku_);
    }
    resize(sirka, radku * vyskaRadku_);
    update();
}

QList<QRect> StatickyText::RadkyTextu() const
{
    QList<QRect> radky;
    for (int i = 0; rozlozeni_ && i < rozlozeni_->lineCount(); ++i) {
        const QRectF r = rozlozeni_->lineAt(i).naturalTextRect();
        radky.append(QRect(QPoint(qFloor(r.left()), i * vyskaRadku_),
                           QPoint(qCeil(r.right()), (i + 1) * vyskaRadku_ - 1)));
    }
    return radky;
}

void StatickyText::NastavRadkovani(int vyskaRadku, int pridavekZalomeni)
{
    vyskaRadku_ = vyskaRadku;
    pridavekZalomeni_ = pridavekZalomeni;
    Rozloz(width());
}

void StatickyText::paintEvent(QPaintEvent*)
{
    if (!rozlozeni_)
        return;
    QPainter malir(this);
    malir.setPen(palette().color(QPalette::WindowText));
    // The layout's own ascent sits each line on its row.
    rozlozeni_->draw(&malir, QPointF(0, 0));
}

void StatickyText::changeEvent(QEvent* udalost)
{
    if (udalost->type() == QEvent::FontChange)
        Rozloz(width());
    QWidget::changeEvent(udalost);
}
