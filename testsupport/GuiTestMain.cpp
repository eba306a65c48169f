#include "testsupport/GuiTest.h"

#include "storage/Tabulka.h"
#include "ui/Aplikace.h"
#include "ui/CekaniNaOkno.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLibraryInfo>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

#include <atomic>

namespace {

std::atomic<int> cisloTestu {0};

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

std::shared_ptr<ZachycenyDialog> OdpovedzModalnimu(std::function<void(QWidget*)> akce,
                                                   QWidget* krome)
{
    auto zaznam = std::make_shared<ZachycenyDialog>();
    PriDalsimModalnim(
        qApp,
        [zaznam, akce = std::move(akce)](QWidget* w) {
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
        },
        krome, 5, 15000);
    return zaznam;
}

std::shared_ptr<ZachycenyDialog> StiskniVeZprave(QMessageBox::StandardButton tlacitko,
                                                 QWidget* krome)
{
    return OdpovedzModalnimu(
        [tlacitko](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (!box) {
                ADD_FAILURE() << "expected a message box, got " << w->metaObject()->className()
                              << " " << w->windowTitle().toStdString();
                w->close();
                return;
            }
            if (QAbstractButton* b = box->button(tlacitko))
                b->click();
            else {
                ADD_FAILURE() << "the message box has no such button: "
                              << box->text().toStdString();
                box->close();
            }
        },
        krome);
}

std::shared_ptr<ZachycenyDialog> PrihlasVManazeru(const QString& jmeno,
                                                  std::function<void(QWidget*)> predtim)
{
    return OdpovedzModalnimu([jmeno, predtim = std::move(predtim)](QWidget* w) {
        if (predtim)
            predtim(w);
        auto* seznam = w->findChild<QListWidget*>(QStringLiteral("lbProfil"));
        ASSERT_NE(seznam, nullptr);
        const auto nalezene = seznam->findItems(jmeno, Qt::MatchExactly);
        ASSERT_EQ(nalezene.size(), 1) << jmeno.toStdString();
        seznam->setCurrentItem(nalezene.front());
        seznam->itemClicked(nalezene.front());
        w->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
    });
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
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                 : qgetenv("QT_QPA_PLATFORM"));
    Aplikace app(argc, argv);
    // A table another connection holds fails at once; nothing in the tests waits for a lock.
    NastavCekaniNaZamek(std::chrono::milliseconds(50));
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new PojistkaModalnichOken);
    return RUN_ALL_TESTS();
}
