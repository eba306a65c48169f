#include "info/TOpravyAktualizace.h"

#include <QFont>
#include <QPlainTextEdit>

TOpravyAktualizace::TOpravyAktualizace(QWidget* rodic) : QDialog(rodic)
{
    setObjectName(QStringLiteral("TOpravyAktualizace"));
    setWindowTitle(QStringLiteral("Historie oprav a aktualizací"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(601, 348);

    mHistorie = new QPlainTextEdit(this);
    mHistorie->setObjectName(QStringLiteral("mHistorie"));
    mHistorie->setAccessibleName(QStringLiteral("Historie oprav a aktualizací"));
    mHistorie->setGeometry(0, 0, 601, 348);
    mHistorie->setReadOnly(true);
    mHistorie->setLineWrapMode(QPlainTextEdit::NoWrap);
    mHistorie->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont pismo(QStringLiteral("Courier New"));
    pismo.setStyleHint(QFont::Monospace);
    pismo.setFixedPitch(true);
    pismo.setPixelSize(13);
    mHistorie->setFont(pismo);
    mHistorie->setPlainText(TextHistorie());
}

const QString& TOpravyAktualizace::TextHistorie()
{
    static const QString text =
        QStringLiteral("17.9.2004 - Upgrade\n"
                       "-------------------\n"
                       " - verze 1.21\n"
                       " - přepracována správa uživatelských profilů\n"
                       " - profily lze nově chránit heslem\n"
                       " - aktualizována databáze otázek\n"
                       "\n\n"
                       "26.6.2004 - Upgrade\n"
                       "-------------------\n"
                       " - verze 1.20\n"
                       " - lepší zpracování databáze otázek\n"
                       " - aktualizována databáze otázek\n"
                       "\n\n"
                       "20.12.2003 - Update\n"
                       "-------------------\n"
                       " - aktualizována databáze otázek\n"
                       "\n\n"
                       "19.8.2003 - Upgrade\n"
                       "-------------------\n"
                       " - verze 1.18\n"
                       " - vytvořen tento seznam oprav a aktualizací\n"
                       " - program je napojen na opravenou databázi otázek\n"
                       " - upgrade lze nově provést pouhým stažením aktuální databáze\n"
                       "   otázek, bez nové instalace programu\n"
                       "\n\n"
                       "31.7.2003 - Upgrade\n"
                       "-------------------\n"
                       " - beta verze s opravenou databází otázek\n"
                       "\n\n"
                       "29.7.2003 - Oprava\n"
                       "------------------\n"
                       " - opraveno znění nebo správné odpovědi otázek č. 75, 88, 114,\n"
                       "   137, 145, 146, 262, 266, 392, 446 a 477\n"
                       " - z okruhu zdravotnické přípravy byly natrvalo vyřazeny otázky\n"
                       "   č. 502, 523, 544, 545, 547, 550, 552, 553, 554, 555, 558, 559,\n"
                       "   560, 561, 563, 565, 566, 568, 569, 570, 573, 575, 577 a 579\n"
                       " - vyřazeny chybně zařazené otázky č. 181, 274, 355 a 388\n"
                       " - znovu zařazeny chybně vyřazené otázky č. 148, 448 a 449\n"
                       "\n\n"
                       "2.4.2003 - Oprava\n"
                       "-----------------\n"
                       " - verze 1.02\n"
                       " - pravopisné opravy v textech programu\n"
                       "\n\n"
                       "31.3.2003\n"
                       "---------\n"
                       " - verze 1.01\n"
                       " - vytvoření programu\n");
    return text;
}
