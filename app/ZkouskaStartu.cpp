#include "app/ZkouskaStartu.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <cstdio>
#include <vector>

namespace {

void Vypis(const char* co, const QString& text)
{
    std::printf("%s: %s\n", co, text.toUtf8().constData());
}

}  // namespace

void HlidatModalniOkna()
{
    if (!qEnvironmentVariableIsSet("ZEBROVKA_ZKOUSKA_STARTU"))
        return;
    auto* hlidka = new QTimer(qApp);
    hlidka->setInterval(20);
    QObject::connect(
        hlidka, &QTimer::timeout, hlidka, [hotova = std::vector<QPointer<QDialog>>()]() mutable {
            auto* okno = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (okno == nullptr || !okno->isVisible())
                return;
            for (const QPointer<QDialog>& h : hotova)
                if (h == okno)
                    return;
            hotova.emplace_back(okno);
            Vypis("okno", okno->objectName());
            for (const QListWidget* seznam : okno->findChildren<QListWidget*>())
                for (int i = 0; i < seznam->count(); ++i)
                    Vypis("polozka", seznam->item(i)->text());
            auto* zprava = qobject_cast<QMessageBox*>(okno);
            if (zprava != nullptr)
                Vypis("text", zprava->text());
            std::fflush(stdout);
            QAbstractButton* ano = nullptr;
            if (zprava != nullptr)
                ano = zprava->button(QMessageBox::Yes) ? zprava->button(QMessageBox::Yes)
                                                       : zprava->button(QMessageBox::Ok);
            // Answered outside this slot: a window that opens another (the manager asks before it
            // ends the program) runs that one's loop there, and this timer must keep firing.
            QTimer::singleShot(0, okno, [okno, ano] {
                if (ano != nullptr)
                    ano->click();
                else
                    okno->reject();
            });
        });
    hlidka->start();
}
