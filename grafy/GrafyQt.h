#pragma once

// The chart and print library over Qt Charts and Qt PrintSupport, loaded by the program when a
// window first shows a chart or prints (ui/Grafy.h). It uses nothing of the program but that
// interface, so that loading it brings no second copy of the program's own state.
#include "ui/Grafy.h"

#include <QObject>

class GrafyQt : public QObject, public KnihovnaGrafu {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ZK_KNIHOVNA_GRAFU_IID)
    Q_INTERFACES(KnihovnaGrafu)

public:
    QWidget* NovyGraf(QWidget* rodic) override;
    void UkazGraf(QWidget* graf, const PopisGrafu& popis) override;
    Tisk Vytiskni(QWidget* rodic, const QString& dokument, const QStringList& radky,
                  const QFont& pismo, QString& nazevTiskarny) override;
    bool VytiskniRadky(QPrinter& tiskarna, const QStringList& radky, QFont pismo) override;
};
