#include "ui/Aplikace.h"

#include "base/DocasneSoubory.h"
#include "ui/StylProgramu.h"
#include "ui/Vzhled.h"
#include "ui/Zpravy.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <exception>

Aplikace::Aplikace(int& argc, char** argv) : QApplication(argc, argv)
{
    // The name gives the per-user data folder (~/.local/share/zebrovka); the desktop file name
    // ties the windows to the menu entry and its icon.
    setApplicationName(QStringLiteral("zebrovka"));
    setDesktopFileName(QStringLiteral("cz.zebrovka.Zebrovka"));
    // A file-size limit makes a save fail with a message instead of ending the program.
    VelikostniLimitJakoChyba();
    setStyle(new StylProgramu);
    setFont(PismoOkna());
    NactiCeskePreklady(*this);
}

bool Aplikace::notify(QObject* prijemce, QEvent* udalost)
{
    try {
        return QApplication::notify(prijemce, udalost);
    } catch (const std::exception& chyba) {
        Zpravy::Chyba(activeWindow(), QString::fromStdString(chyba.what()));
    } catch (...) {
        Zpravy::Chyba(activeWindow(), QStringLiteral("Neznámá chyba programu."));
    }
    return false;
}

void NactiCeskePreklady(QApplication& aplikace)
{
    auto* preklad = new QTranslator(&aplikace);
    if (preklad->load(QLocale(QLocale::Czech), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(preklad);
    else
        delete preklad;
}
