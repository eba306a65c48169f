#include "info/THelpForm.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>
#include <QVBoxLayout>
#include <QtMath>

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
    wbHelp->setAccessibleName(QStringLiteral("Text nápovědy"));
    // Pages of the help stay in the window; anything on the web goes to the user's browser.
    wbHelp->setOpenExternalLinks(true);
    auto* rozlozeni = new QVBoxLayout(this);
    rozlozeni->setContentsMargins(0, 0, 0, 0);
    rozlozeni->addWidget(wbHelp);
    // Pictures are fitted by editing the shown page, which must not pile up as undo steps.
    wbHelp->document()->setUndoRedoEnabled(false);
    connect(wbHelp, &QTextBrowser::sourceChanged, this, &THelpForm::PrizpusobObrazky);
    wbHelp->viewport()->installEventFilter(this);

    const QString cesta = CestaNapovedy(
        adresarProgramu.isEmpty() ? QCoreApplication::applicationDirPath() : adresarProgramu);
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

bool THelpForm::eventFilter(QObject* objekt, QEvent* udalost)
{
    if (objekt == wbHelp->viewport() && udalost->type() == QEvent::Resize)
        PrizpusobObrazky();
    return QDialog::eventFilter(objekt, udalost);
}

void THelpForm::PrizpusobObrazky()
{
    QTextDocument* dokument = wbHelp->document();
    const qreal misto = wbHelp->viewport()->width() - 2 * dokument->documentMargin();
    if (misto < 1)
        return;
    struct Zmena {
        int pozice;
        int delka;
        QTextImageFormat format;
    };
    QList<Zmena> zmeny;
    for (QTextBlock blok = dokument->begin(); blok.isValid(); blok = blok.next()) {
        const QTextBlockFormat odstavec = blok.blockFormat();
        const int sirka = qFloor(misto - odstavec.leftMargin() - odstavec.rightMargin()
                                 - odstavec.indent() * dokument->indentWidth());
        for (auto it = blok.begin(); !it.atEnd(); ++it) {
            const QTextFragment usek = it.fragment();
            if (!usek.charFormat().isImageFormat() || sirka < 1)
                continue;
            QTextImageFormat format = usek.charFormat().toImageFormat();
            const QString soubor = wbHelp->source().resolved(QUrl(format.name())).toLocalFile();
            auto nalezeny = puvodni_.find(soubor);
            if (nalezeny == puvodni_.end())
                nalezeny = puvodni_.insert(soubor, QImage(soubor));
            const QImage& obrazek = *nalezeny;
            if (obrazek.isNull())
                continue;
            const QSize cil = obrazek.width() <= sirka
                ? obrazek.size()
                : QSize(sirka, qMax(1, qRound(qreal(obrazek.height()) * sirka / obrazek.width())));
            if (format.width() == cil.width() && format.height() == cil.height())
                continue;
            // The document draws its resource as it is, so the picture goes in already scaled.
            dokument->addResource(QTextDocument::ImageResource,
                                  dokument->baseUrl().resolved(QUrl(format.name())),
                                  cil == obrazek.size() ? obrazek
                                                        : obrazek.scaled(cil, Qt::IgnoreAspectRatio,
                                                                         Qt::SmoothTransformation));
            format.setWidth(cil.width());
            format.setHeight(cil.height());
            zmeny.append({usek.position(), usek.length(), format});
        }
    }
    for (const Zmena& z : zmeny) {
        QTextCursor kurzor(dokument);
        kurzor.setPosition(z.pozice);
        kurzor.setPosition(z.pozice + z.delka, QTextCursor::KeepAnchor);
        kurzor.setCharFormat(z.format);
    }
}
