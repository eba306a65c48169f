#include "ui/StylProgramu.h"

#include "testsupport/GuiTest.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QStyleFactory>
#include <QVBoxLayout>

#include <functional>
#include <memory>
#include <vector>

namespace {

int VlaknaProcesu()
{
    return static_cast<int>(QDir(QStringLiteral("/proc/self/task"))
                                .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
                                .size());
}

// Whether an image format plugin of Qt's is loaded into this process.
bool NactenModulObrazku()
{
    QFile mapy(QStringLiteral("/proc/self/maps"));
    return mapy.open(QIODevice::ReadOnly) && mapy.readAll().contains("/imageformats/");
}

struct Pripad {
    const char* nazev;
    std::function<void(QGroupBox&)> priprav;
    QSize velikost;
};

// The window as it is painted on screen (its own system clip, opaque children left out) and,
// for a scaling screen, rendered at twice the pixels.
std::vector<QImage> Vykresli(const Pripad& p)
{
    QWidget okno;
    auto* rozlozeni = new QVBoxLayout(&okno);
    auto* box = new QGroupBox(&okno);
    rozlozeni->addWidget(box);
    p.priprav(*box);
    okno.resize(p.velikost);
    okno.show();
    QImage dvojnasobne(okno.size() * 2, QImage::Format_ARGB32_Premultiplied);
    dvojnasobne.setDevicePixelRatio(2);
    dvojnasobne.fill(Qt::white);
    okno.render(&dvojnasobne);
    return {okno.grab().toImage(), dvojnasobne};
}

}  // namespace

// Under Fusion a group box frame looks exactly as Fusion draws it, titled or not, with a check
// box, over an opaque list (a clip of many rectangles) or small, on a plain and on a scaling
// screen; and drawing it starts no thread, where Fusion's own drawing starts the paint engine's
// thread pool (the control that shows the count can see threads).
TEST(StylProgramu, RamecekSkupinyJakoFusionBezVlaken)
{
    const Pripad pripady[] = {
        {"s titulkem nad seznamem",
         [](QGroupBox& b) {
             b.setTitle(QStringLiteral(" Profil uživatele "));
             auto* l = new QVBoxLayout(&b);
             l->addWidget(new QListWidget);
             l->addWidget(new QPushButton(QStringLiteral("Nový")));
         },
         {420, 330}},
        {"bez titulku", [](QGroupBox&) {}, {300, 260}},
        {"se zaškrtnutím",
         [](QGroupBox& b) {
             b.setTitle(QStringLiteral("Vytvářet protokol u:"));
             b.setCheckable(true);
             auto* l = new QVBoxLayout(&b);
             l->addWidget(new QCheckBox(QStringLiteral("testu")));
         },
         {320, 400}},
        {"nízký", [](QGroupBox& b) { b.setTitle(QStringLiteral("Heslo")); }, {200, 60}},
    };

    QApplication::setStyle(new StylProgramu(QStyleFactory::create(QStringLiteral("Fusion"))));
    const int vlaknaPred = VlaknaProcesu();
    std::vector<std::vector<QImage>> nase;
    for (const Pripad& p : pripady)
        nase.push_back(Vykresli(p));
    EXPECT_EQ(VlaknaProcesu(), vlaknaPred) << "our frame started threads";

    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    for (std::size_t i = 0; i < std::size(pripady); ++i) {
        const std::vector<QImage> fusion = Vykresli(pripady[i]);
        for (std::size_t j = 0; j < fusion.size(); ++j)
            EXPECT_TRUE(nase[i][j] == fusion[j]) << pripady[i].nazev << ", obraz " << j;
    }
    EXPECT_GT(VlaknaProcesu(), vlaknaPred) << "Fusion's frame no longer starts threads";
}

// The extension buttons' icons are the platform style's, pixel for pixel, but read when first
// used: a main window with a menu bar and a group box, made and painted under the program's style,
// loads no image format plugin, where reading the icons does (so the check can see a plugin).
TEST(StylProgramu, IkonyRozsireniCteAzPriPouziti)
{
    if (NactenModulObrazku())
        GTEST_SKIP() << "an earlier test in this process has read a picture";
    QApplication::setStyle(new StylProgramu(QStyleFactory::create(QStringLiteral("Fusion"))));
    {
        QMainWindow okno;
        okno.menuBar()->addMenu(QStringLiteral("&Program"));
        okno.setCentralWidget(new QGroupBox(QStringLiteral(" Profil uživatele ")));
        okno.resize(320, 200);
        okno.show();
        okno.grab();
    }
    EXPECT_FALSE(NactenModulObrazku()) << "the window read a picture";

    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    for (const QStyle::StandardPixmap co :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        const QIcon nase = QApplication::style()->standardIcon(co);
        const QIcon jeho = fusion->standardIcon(co);
        EXPECT_EQ(nase.availableSizes(), jeho.availableSizes()) << co;
        for (const int strana : {12, 13, 16, 32})
            for (const qreal meritko : {1.0, 1.5, 2.0})
                EXPECT_TRUE(nase.pixmap(QSize(strana, strana), meritko).toImage()
                            == jeho.pixmap(QSize(strana, strana), meritko).toImage())
                    << co << ", " << strana << " px, " << meritko << "x";
    }
    EXPECT_TRUE(NactenModulObrazku()) << "reading an icon no longer loads image format plugins";
}
