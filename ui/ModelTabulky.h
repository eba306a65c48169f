#pragma once

#include <QAbstractTableModel>
#include <QLocale>
#include <QString>
#include <QVariant>

#include <functional>
#include <vector>

class Pole;
class QTableView;
class Tabulka;
struct DatumCas;

// A read-only grid over the visible records of a table cursor, with one current row. The grid
// has the rows the cursor has found so far and asks for more (fetchMore) as the view scrolls
// towards its end; a row's texts are read only when the view shows it, a block at a time. So
// opening a list over a large table costs no more than the rows on screen. Dates and times are
// shown in the system's short date and long time format.
class ModelTabulky : public QAbstractTableModel {
    Q_OBJECT

public:
    // The shown text of a calculated column, from the record under the cursor.
    using Vypocet = std::function<QString(Tabulka&)>;

    struct Sloupec {
        QString pole;  // field name (a stored or a calculated field of the cursor)
        Vypocet vypocet;  // when set, the column shows this instead of a field
        QString titulek;
        int sirka = 64;
        Qt::Alignment zarovnani = Qt::AlignLeft | Qt::AlignVCenter;
        bool skryty = false;
    };

    // The cursor must outlive the model; it is opened by its owner, before or after.
    ModelTabulky(Tabulka& kurzor, std::vector<Sloupec> sloupce, QObject* rodic = nullptr,
                 QLocale jazyk = QLocale(QLocale::Czech, QLocale::Czechia));

    int rowCount(const QModelIndex& rodic = {}) const override;
    int columnCount(const QModelIndex& rodic = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int sekce, Qt::Orientation smer, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex& rodic) const override;
    void fetchMore(const QModelIndex& rodic) override;
    bool eventFilter(QObject* objekt, QEvent* udalost) override;

    const std::vector<Sloupec>& Sloupce() const { return sloupce_; }
    // Widths and hidden columns for a view showing this model. The view's End key (with or
    // without Ctrl) then reaches the last record: the records not yet found are found first.
    void NastavSloupcePohledu(QTableView& pohled);

    // The current row, -1 while no record is visible.
    int Aktualni() const;
    void NastavAktualni(int radek);
    // The cursor standing on the current record, for reading its fields.
    Tabulka& KurzorNaAktualnim();

    // Deletes the current record through the cursor; the next one becomes current (the new last
    // one after deleting the last).
    void SmazAktualni();
    // Deletes every visible record in one write; on failure nothing is deleted and the error
    // propagates.
    void SmazVse();
    // Recomputes the visible records (the cursor's filter applies anew) and rereads the rows.
    void Obnov();

    // A value as the grid shows it: dates short, times long (without a time zone), both for a
    // date with time, integers in decimal, texts as they are.
    static QString TextPole(const Pole& pole, const QLocale& jazyk);
    static QString TextData(const DatumCas& datum, const QLocale& jazyk);
    static QString TextCasu(const DatumCas& cas, const QLocale& jazyk);
    const QLocale& Jazyk() const { return jazyk_; }

signals:
    // A row could not be read; it shows empty. Connected queued, so that the message is shown
    // outside the view's painting.
    void ChybaCteni(const QString& zprava) const;

private:
    void NactiBlok(int od) const;
    void ZahodRadky();
    // Adds the rows the cursor has found beyond the grid's.
    void PridejNalezene();

    Tabulka& kurzor_;
    std::vector<Sloupec> sloupce_;
    QLocale jazyk_;
    int aktualni_ = -1;
    mutable std::vector<std::vector<QString>> radky_;  // shown texts, empty until read
    mutable std::vector<bool> nacteno_;
};
