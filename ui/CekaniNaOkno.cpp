#include "ui/CekaniNaOkno.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

#include <memory>

void PriDalsimModalnim(QObject* rodic, std::function<void(QWidget*)> akce, QWidget* krome,
                       int intervalMs, int limitMs, std::function<void()> naVyprseni)
{
    auto* casovac = new QTimer(rodic);
    casovac->setInterval(intervalMs);
    QPointer<QWidget> vyjimka(krome);
    auto hodiny = std::make_shared<QElapsedTimer>();
    hodiny->start();
    QObject::connect(casovac, &QTimer::timeout, qApp, [=] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || w == vyjimka.data() || !w->isVisible()) {
            if (hodiny->elapsed() > limitMs) {
                casovac->stop();
                casovac->deleteLater();
                if (naVyprseni)
                    naVyprseni();
            }
            return;
        }
        casovac->stop();
        casovac->deleteLater();
        akce(w);
    });
    casovac->start();
}
