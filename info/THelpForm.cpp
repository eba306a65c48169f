#include "info/THelpForm.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

THelpForm::THelpForm(QWidget* rodic, const QString& adresarProgramu) : QDialog(rodic)
{
    setObjectName(QStringLiteral("THelpForm"));
    setWindowTitle(QStringLiteral("Nápověda programu Zebrovka 2003 (2004)"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setSizeGripEnabled(true);
    resize(700, 550);

    wbHelp = new QTextBrowser(this);
    wbHelp->setObjectName(QStringLiteral("wbHelp"));
    // Pages of the help stay in the window; anything on the web goes to the user's browser.
    wbHelp->setOpenExternalLinks(true);
    auto* rozlozeni = new QVBoxLayout(this);
    rozlozeni->setContentsMargins(0, 0, 0, 0);
    rozlozeni->addWidget(wbHelp);

    const QString cesta = CestaNapovedy(adresarProgramu.isEmpty() ? QCoreApplication::applicationDirPath()
                                                                  : adresarProgramu);
    if (QFileInfo(cesta).isFile()) {
        wbHelp->setSource(QUrl::fromLocalFile(cesta));
        return;
    }
    wbHelp->setHtml(
        QStringLiteral("<html><body><h2>Nápověda nebyla nalezena</h2>"
                       "<p>Soubor nápovědy měl být v umístění</p><p><b>%1</b></p>"
                       "<p>Nápověda se dodává ve složce <b>Help</b> vedle souboru programu. "
                       "Nainstalujte program znovu, nebo tam složku nápovědy zkopírujte.</p>"
                       "</body></html>")
            .arg(QDir::toNativeSeparators(cesta).toHtmlEscaped()));
}

QString THelpForm::CestaNapovedy(const QString& adresarProgramu)
{
    const QDir program(adresarProgramu);
    const QString vedle = program.filePath(QStringLiteral("Help/index.htm"));
    const QString nainstalovana =
        QDir::cleanPath(program.filePath(QStringLiteral(ZK_DATA_RELATIVNE "/Help/index.htm")));
    if (!QFileInfo(vedle).isFile() && QFileInfo(nainstalovana).isFile())
        return nainstalovana;
    return vedle;
}
