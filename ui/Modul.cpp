#include "ui/Modul.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>
#include <QStringList>

QObject* NactiModul(const QString& soubor, const std::function<bool(QObject*)>& pasuje,
                    QString& chyba)
{
    for (QObject* o : QPluginLoader::staticInstances())
        if (pasuje(o))
            return o;
    const QDir program(QCoreApplication::applicationDirPath());
    QStringList duvody;
    for (const QString& cesta :
         {program.filePath(soubor),
          QDir::cleanPath(program.filePath(QStringLiteral(ZK_KNIHOVNY_RELATIVNE "/") + soubor))}) {
        if (!QFileInfo::exists(cesta))
            continue;
        QPluginLoader zavadec(cesta);
        if (QObject* o = zavadec.instance(); o && pasuje(o))
            return o;
        duvody << (zavadec.errorString().isEmpty()
                       ? QStringLiteral("Knihovna „%1“ není modulem programu.").arg(cesta)
                       : zavadec.errorString());
    }
    chyba = duvody.isEmpty() ? QStringLiteral("Knihovna „%1“ nebyla nalezena.").arg(soubor)
                             : duvody.join(QLatin1Char('\n'));
    return nullptr;
}
