#include "ui/Centrovani.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>

namespace {

const QString kJmenoCekani = QStringLiteral("zk_centrovaniPriUkazani");

void Umisti(QWidget* okno, const QWidget* otevirac)
{
    const QSize vlastni = okno->frameGeometry().size();
    QRect nad;
    if (otevirac)
        nad = otevirac->frameGeometry();
    else if (const QScreen* obrazovka = QGuiApplication::primaryScreen())
        nad = obrazovka->geometry();
    else
        return;
    // Integer division truncates toward zero, as the rule wants for negative differences too.
    okno->move(nad.left() + (nad.width() - vlastni.width()) / 2,
               nad.top() + (nad.height() - vlastni.height()) / 2);
}

// A window gets its frame only when it is first shown; until then its frame size is its own size.
// This waits for that show (the frame is known, nothing is on screen yet) and centres it again.
class CentrovaniPriUkazani : public QObject {
public:
    CentrovaniPriUkazani(QWidget* okno, const QWidget* otevirac) : QObject(okno)
    {
        setObjectName(kJmenoCekani);
        NastavOtevirac(otevirac);
        okno->installEventFilter(this);
    }

    void NastavOtevirac(const QWidget* otevirac)
    {
        otevirac_ = otevirac;
        naObrazovce_ = otevirac == nullptr;
    }

protected:
    bool eventFilter(QObject* objekt, QEvent* udalost) override
    {
        if (objekt == parent() && udalost->type() == QEvent::Show) {
            auto* okno = static_cast<QWidget*>(parent());
            okno->removeEventFilter(this);
            setObjectName(QString());
            // An opener gone in the meantime leaves the window where it was placed.
            if (naObrazovce_ || otevirac_)
                Umisti(okno, otevirac_.data());
            deleteLater();
        }
        return false;
    }

private:
    QPointer<const QWidget> otevirac_;
    bool naObrazovce_ = true;
};

}  // namespace

void VycentrujNad(QWidget* okno, const QWidget* otevirac)
{
    // A window given its size by hand keeps it; only the others are fitted to their contents
    // (which would also shrink a large window to two thirds of the screen).
    if (!okno->testAttribute(Qt::WA_Resized))
        okno->adjustSize();
    Umisti(okno, otevirac);
    if (okno->isVisible())
        return;
    const auto cekajici = okno->findChildren<QObject*>(kJmenoCekani, Qt::FindDirectChildrenOnly);
    if (!cekajici.isEmpty())
        static_cast<CentrovaniPriUkazani*>(cekajici.constFirst())->NastavOtevirac(otevirac);
    else
        new CentrovaniPriUkazani(okno, otevirac);
}
