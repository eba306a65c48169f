#pragma once

// Charts and printing live in a window library of their own (zebrovka-grafy), loaded when a
// window first needs one: Qt Charts and Qt PrintSupport are not loaded at start. The windows
// describe a chart in plain values and ask for it through here.
#include <QFont>
#include <QList>
#include <QPen>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QtPlugin>

#include <optional>

class QPrinter;
class QWidget;

struct OsaGrafu {
    QString titulek;
    QString format;  // the labels of a value axis, the dates of a date axis
    double od = 0, po = 0;  // a date axis counts milliseconds since the epoch
    int znacek = 0;  // how many ticks; 0 leaves the chart's own
    bool datum = false;  // a date axis
    QStringList kategorie;  // a category axis under bars
};

struct RadaGrafu {
    QString nazev;  // in the legend
    QList<QPointF> body;  // a line
    QList<qreal> sloupce;  // a set of bars
    bool bodyViditelne = false;
    std::optional<QPen> pero;  // the chart's own colour when unset
};

struct PopisGrafu {
    QString titulek;
    bool sloupce = false;  // every series is a set of bars in one bar series
    QList<RadaGrafu> rady;
    OsaGrafu osaX, osaY;
};

// What the window library offers.
class KnihovnaGrafu {
public:
    virtual ~KnihovnaGrafu() = default;
    // An empty chart view, antialiased.
    virtual QWidget* NovyGraf(QWidget* rodic) = 0;
    // Replaces what the chart view `graf` shows; the legend sits below the chart.
    virtual void UkazGraf(QWidget* graf, const PopisGrafu& popis) = 0;

    enum class Tisk { Zruseno, Vytisteno, Selhalo };
    // Asks for a printer in the print dialog (object name "PrintDialog1") and prints the lines
    // there as the document `dokument`; `tiskarna` receives the printer's name or output file.
    virtual Tisk Vytiskni(QWidget* rodic, const QString& dokument, const QStringList& radky,
                          const QFont& pismo, QString& tiskarna) = 0;
    // Prints the lines in order on `tiskarna` in the font `pismo` (shrunk when the widest line
    // would not fit) within margins of 20 mm, starting a new page when a line would not fit.
    virtual bool VytiskniRadky(QPrinter& tiskarna, const QStringList& radky, QFont pismo) = 0;
};

#define ZK_KNIHOVNA_GRAFU_IID "cz.zebrovka.KnihovnaGrafu/1"
Q_DECLARE_INTERFACE(KnihovnaGrafu, ZK_KNIHOVNA_GRAFU_IID)

// The library: one linked into the program (as the tests link it), else the file
// "zebrovka-grafy.so" beside the program or in the installed library folder. Null when none can
// be loaded; `chyba` then receives why.
KnihovnaGrafu* NactiKnihovnuGrafu(QString* chyba = nullptr);

// A chart view from the library, or a label saying why charts cannot be shown.
QWidget* NovyGraf(QWidget* rodic);
// Shows `popis` in a view made by NovyGraf (nothing when it is the label).
void UkazGraf(QWidget* graf, const PopisGrafu& popis);
