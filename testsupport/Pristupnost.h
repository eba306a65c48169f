#pragma once

#include "ui/MereniTextu.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QSizeGrip>
#include <QLabel>
#include <QRegularExpression>
#include <QStringList>
#include <QWidget>

#include <algorithm>
#include <map>

// What a screen reader misses in a window, one line per fault: a visible control without an
// accessible name or with a program identifier for one ("SpatneCisla"), a text shown to the eye
// that no accessible text of its control carries, a grid column titled by an identifier, and two
// push buttons of one name. Plain containers (a frame, a page, a group box without a title) and
// the parts Qt builds into its views (viewports, scroll bars, headers) are not controls.
inline QStringList NedostupneVOkne(QWidget* okno)
{
    static const QRegularExpression identifikator(
        QStringLiteral("^[A-Za-z]+[a-z][A-Z][A-Za-z0-9]*$|_"));
    auto normalni = [](QString t) { return t.remove(QLatin1Char('&')).simplified(); };
    QStringList chyby;
    std::map<QString, QString> tlacitka;
    QList<QWidget*> vse = okno->findChildren<QWidget*>();
    vse.prepend(okno);
    for (QWidget* w : vse) {
        if (w != okno && (!w->isVisibleTo(okno) || w->window() != okno))
            continue;
        const QString trida = QLatin1String(w->metaObject()->className());
        const auto* ramecek = qobject_cast<QGroupBox*>(w);
        if (w->objectName().startsWith(QLatin1String("qt_")) || qobject_cast<QScrollBar*>(w)
            || qobject_cast<QSizeGrip*>(w) || qobject_cast<QHeaderView*>(w)
            || trida == QLatin1String("QWidget") || trida == QLatin1String("QFrame")
            || trida == QLatin1String("QStackedWidget") || (ramecek && ramecek->title().isEmpty()))
            continue;
        if (auto* p = w->parentWidget();
            p && p != okno && qobject_cast<QAbstractScrollArea*>(p->parentWidget()))
            continue;  // a part of a view's viewport
        const QString kdo =
            w->objectName() + QLatin1Char('/') + QLatin1String(w->metaObject()->className());
        QAccessibleInterface* rozhrani = QAccessible::queryAccessibleInterface(w);
        const QString jmeno = rozhrani ? normalni(rozhrani->text(QAccessible::Name)) : QString();
        if (jmeno.isEmpty() || identifikator.match(jmeno).hasMatch()) {
            chyby << kdo + QStringLiteral(": jméno „") + jmeno + QStringLiteral("“");
            continue;
        }
        const QString cteno = jmeno + QLatin1Char(' ')
            + normalni(rozhrani->text(QAccessible::Description)) + QLatin1Char(' ')
            + normalni(rozhrani->text(QAccessible::Value));
        QString videno;
        if (const auto* l = qobject_cast<QLabel*>(w);
            l && l->pixmap().isNull() && l->textFormat() != Qt::RichText)
            videno = l->text();
        else if (const auto* t = dynamic_cast<StatickyText*>(w))
            videno = t->text();
        else if (const auto* b = qobject_cast<QAbstractButton*>(w))
            videno = b->text();
        else if (const auto* g = qobject_cast<QGroupBox*>(w))
            videno = g->title();
        // A cut text ("Žaneta Čížk…") is read whole; a mark without letters ("*") by its name.
        const bool slova =
            std::any_of(videno.begin(), videno.end(), [](QChar z) { return z.isLetterOrNumber(); });
        if (slova && !cteno.contains(normalni(videno).remove(QChar(0x2026)), Qt::CaseInsensitive))
            chyby << kdo + QStringLiteral(": text „") + normalni(videno)
                    + QStringLiteral("“ není čten");
        if (qobject_cast<QPushButton*>(w)) {
            const auto [it, nove] = tlacitka.emplace(jmeno, kdo);
            if (!nove)
                chyby << kdo + QStringLiteral(" a ") + it->second
                        + QStringLiteral(": stejné jméno „") + jmeno + QStringLiteral("“");
        }
        if (const auto* mrizka = qobject_cast<QAbstractItemView*>(w); mrizka && mrizka->model())
            for (int c = 0; c < mrizka->model()->columnCount(); ++c) {
                const QString titulek = mrizka->model()->headerData(c, Qt::Horizontal).toString();
                if (titulek.isEmpty() || identifikator.match(titulek).hasMatch())
                    chyby << kdo + QStringLiteral(": sloupec „") + titulek + QStringLiteral("“");
            }
    }
    return chyby;
}
