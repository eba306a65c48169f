#include "testsupport/GuiTest.h"

#include "ui/Aplikace.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLibraryInfo>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

#include <atomic>

namespace {

std::atomic<int> cisloTestu{0};

class PojistkaModalnichOken : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override
    {
        const int moje = ++cisloTestu;
        QTimer::singleShot(20000, qApp, [moje] {
            if (moje != cisloTestu.load())
                return;
            bool nejake = false;
            while (QWidget* w = QApplication::activeModalWidget()) {
                nejake = true;
                w->close();
                if (QApplication::activeModalWidget() == w)
                    w->deleteLater();
                QCoreApplication::processEvents();
                if (QApplication::activeModalWidget() == w)
                    break;
            }
            if (nejake)
                ADD_FAILURE() << "a modal window stayed unanswered for 20 s";
        });
    }
    void OnTestEnd(const testing::TestInfo&) override { ++cisloTestu; }
};

}  // namespace

std::shared_ptr<ZachycenyDialog> OdpovedzModalnimu(std::function<void(QWidget*)> akce, QWidget* krome)
{
    auto zaznam = std::make_shared<ZachycenyDialog>();
    auto casovac = new QTimer(qApp);
    casovac->setInterval(5);
    QPointer<QWidget> vyjimka(krome);
    auto hodiny = std::make_shared<QElapsedTimer>();
    hodiny->start();
    QObject::connect(casovac, &QTimer::timeout, qApp, [=] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || w == vyjimka.data() || !w->isVisible()) {
            if (hodiny->elapsed() > 15000)
                casovac->deleteLater();
            return;
        }
        casovac->stop();
        casovac->deleteLater();
        zaznam->probehlo = true;
        zaznam->titulek = w->windowTitle();
        zaznam->objectName = w->objectName();
        zaznam->trida = QString::fromLatin1(w->metaObject()->className());
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            zaznam->text = box->text();
            zaznam->ikona = box->icon();
            zaznam->tlacitka = box->standardButtons();
        }
        akce(w);
    });
    casovac->start();
    return zaznam;
}

std::shared_ptr<ZachycenyDialog> StiskniVeZprave(QMessageBox::StandardButton tlacitko, QWidget* krome)
{
    return OdpovedzModalnimu(
        [tlacitko](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (!box) {
                ADD_FAILURE() << "expected a message box, got "
                              << w->metaObject()->className() << " " << w->windowTitle().toStdString();
                w->close();
                return;
            }
            if (QAbstractButton* b = box->button(tlacitko))
                b->click();
            else {
                ADD_FAILURE() << "the message box has no such button: " << box->text().toStdString();
                box->close();
            }
        },
        krome);
}

bool CekejNa(const std::function<bool()>& podminka, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!podminka()) {
        if (t.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

DocasnyAdresar::DocasnyAdresar()
{
    QTemporaryDir docasny(QDir::tempPath() + QStringLiteral("/zebrovka-XXXXXX"));
    docasny.setAutoRemove(false);
    cesta_ = docasny.path();
}

DocasnyAdresar::~DocasnyAdresar() { QDir(cesta_).removeRecursively(); }

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                     : qgetenv("QT_QPA_PLATFORM"));
    Aplikace app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new PojistkaModalnichOken);
    return RUN_ALL_TESTS();
}
