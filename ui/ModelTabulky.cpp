#include "ui/ModelTabulky.h"

#include "storage/Tabulka.h"

#include <QDate>
#include <QKeyEvent>
#include <QTableView>
#include <QTime>

#include <algorithm>
#include <exception>

namespace {

constexpr int kBlok = 64;
constexpr int kStranka = 256;  // records the cursor finds per fetchMore

// The long time format of some locales ends in a time zone ("t"); a stored time of day has none.
QString BezCasoveZony(const QString& format)
{
    QString vysledek;
    bool vUvozovkach = false;
    for (QChar z : format) {
        if (z == QLatin1Char('\''))
            vUvozovkach = !vUvozovkach;
        else if (!vUvozovkach && z == QLatin1Char('t'))
            continue;
        vysledek += z;
    }
    return vysledek.trimmed();
}

}  // namespace

ModelTabulky::ModelTabulky(Tabulka& kurzor, std::vector<Sloupec> sloupce, QObject* rodic,
                           QLocale jazyk)
    : QAbstractTableModel(rodic), kurzor_(kurzor), sloupce_(std::move(sloupce)),
      jazyk_(std::move(jazyk))
{
    ZahodRadky();
}

int ModelTabulky::rowCount(const QModelIndex& rodic) const
{
    return rodic.isValid() ? 0 : static_cast<int>(radky_.size());
}

int ModelTabulky::columnCount(const QModelIndex& rodic) const
{
    return rodic.isValid() ? 0 : static_cast<int>(sloupce_.size());
}

QVariant ModelTabulky::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const auto radek = static_cast<std::size_t>(index.row());
    const auto sloupec = static_cast<std::size_t>(index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(sloupce_[sloupec].zarovnani);
    if (role != Qt::DisplayRole)
        return {};
    if (!nacteno_[radek])
        NactiBlok(index.row());
    return radky_[radek][sloupec];
}

QVariant ModelTabulky::headerData(int sekce, Qt::Orientation smer, int role) const
{
    if (smer != Qt::Horizontal || sekce < 0 || sekce >= columnCount())
        return {};
    const Sloupec& s = sloupce_[static_cast<std::size_t>(sekce)];
    if (role == Qt::DisplayRole)
        return s.titulek;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(s.zarovnani);
    return {};
}

bool ModelTabulky::canFetchMore(const QModelIndex& rodic) const
{
    if (rodic.isValid() || !kurzor_.JeOtevrena())
        return false;
    return rowCount() < kurzor_.PocetNalezenych() || !kurzor_.VseNalezeno();
}

void ModelTabulky::fetchMore(const QModelIndex& rodic)
{
    if (!canFetchMore(rodic))
        return;
    if (rowCount() >= kurzor_.PocetNalezenych()) {
        try {
            kurzor_.NajdiDalsi(kStranka);
        } catch (const std::exception& chyba) {
            emit ChybaCteni(QString::fromStdString(chyba.what()));
            return;
        }
    }
    PridejNalezene();
}

void ModelTabulky::PridejNalezene()
{
    const int od = rowCount();
    const int pocet = kurzor_.JeOtevrena() ? kurzor_.PocetNalezenych() : 0;
    if (pocet <= od)
        return;
    beginInsertRows({}, od, pocet - 1);
    radky_.resize(static_cast<std::size_t>(pocet));
    nacteno_.resize(static_cast<std::size_t>(pocet), false);
    endInsertRows();
}

bool ModelTabulky::eventFilter(QObject* objekt, QEvent* udalost)
{
    if (udalost->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(udalost)->key() == Qt::Key_End && canFetchMore({})) {
        try {
            kurzor_.PocetZaznamu();  // finds the rest in one query
        } catch (const std::exception& chyba) {
            emit ChybaCteni(QString::fromStdString(chyba.what()));
        }
        PridejNalezene();
    }
    return QAbstractTableModel::eventFilter(objekt, udalost);
}

void ModelTabulky::NastavSloupcePohledu(QTableView& pohled)
{
    pohled.installEventFilter(this);
    for (std::size_t i = 0; i < sloupce_.size(); ++i) {
        pohled.setColumnWidth(static_cast<int>(i), sloupce_[i].sirka);
        pohled.setColumnHidden(static_cast<int>(i), sloupce_[i].skryty);
    }
}

int ModelTabulky::Aktualni() const { return aktualni_; }

void ModelTabulky::NastavAktualni(int radek)
{
    if (radek >= 0 && radek < rowCount())
        aktualni_ = radek;
}

Tabulka& ModelTabulky::KurzorNaAktualnim()
{
    if (aktualni_ >= 0 && kurzor_.JeOtevrena())
        kurzor_.Posun(aktualni_ - kurzor_.Poradi());
    return kurzor_;
}

void ModelTabulky::SmazAktualni()
{
    if (aktualni_ < 0)
        return;
    const int radek = aktualni_;
    KurzorNaAktualnim().Smaz();
    beginRemoveRows({}, radek, radek);
    radky_.erase(radky_.begin() + radek);
    nacteno_.erase(nacteno_.begin() + radek);
    endRemoveRows();
    // The cursor has moved to the next record, found in a further page when it was the last found.
    PridejNalezene();
    aktualni_ = rowCount() == 0 ? -1 : std::min(radek, rowCount() - 1);
}

void ModelTabulky::SmazVse()
{
    if (rowCount() == 0)
        return;
    const int pocet = kurzor_.PocetZaznamu();
    beginResetModel();
    try {
        kurzor_.ZacniDavku();
        kurzor_.Prvni();
        for (int i = 0; i < pocet; ++i)
            kurzor_.Smaz();
        kurzor_.DokonciDavku();
    } catch (...) {
        // Closing drops the batch: every record stays. The cursor is opened again to show them.
        const std::exception_ptr chyba = std::current_exception();
        kurzor_.Zavri();
        try {
            kurzor_.Otevri();
        } catch (...) {
        }
        ZahodRadky();
        endResetModel();
        std::rethrow_exception(chyba);
    }
    ZahodRadky();
    endResetModel();
}

void ModelTabulky::Obnov()
{
    beginResetModel();
    try {
        if (kurzor_.JeOtevrena())
            kurzor_.Otevri();
    } catch (...) {
        ZahodRadky();
        endResetModel();
        throw;
    }
    ZahodRadky();
    endResetModel();
}

void ModelTabulky::ZahodRadky()
{
    const int pocet = kurzor_.JeOtevrena() ? kurzor_.PocetNalezenych() : 0;
    radky_.assign(static_cast<std::size_t>(pocet), {});
    nacteno_.assign(static_cast<std::size_t>(pocet), false);
    aktualni_ = pocet == 0 ? -1 : std::clamp(aktualni_, 0, pocet - 1);
}

void ModelTabulky::NactiBlok(int od) const
{
    const int konec = std::min(od + kBlok, rowCount());
    try {
        kurzor_.Posun(od - kurzor_.Poradi());
        for (int r = od; r < konec && !kurzor_.Konec(); ++r, kurzor_.Dalsi()) {
            const auto i = static_cast<std::size_t>(r);
            if (nacteno_[i])
                continue;
            std::vector<QString> texty;
            texty.reserve(sloupce_.size());
            for (const Sloupec& s : sloupce_) {
                if (s.vypocet) {
                    texty.push_back(s.vypocet(kurzor_));
                } else {
                    texty.push_back(TextPole(kurzor_.PoleJmenem(s.pole.toStdString()), jazyk_));
                }
            }
            radky_[i] = std::move(texty);
            nacteno_[i] = true;
        }
    } catch (const std::exception& chyba) {
        for (int r = od; r < konec; ++r) {
            const auto i = static_cast<std::size_t>(r);
            if (!nacteno_[i]) {
                radky_[i].assign(sloupce_.size(), QString());
                nacteno_[i] = true;
            }
        }
        emit ChybaCteni(QString::fromStdString(chyba.what()));
    }
    // Rows the cursor could not reach (removed meanwhile by another cursor) show empty.
    if (!nacteno_[static_cast<std::size_t>(od)]) {
        radky_[static_cast<std::size_t>(od)].assign(sloupce_.size(), QString());
        nacteno_[static_cast<std::size_t>(od)] = true;
    }
}

QString ModelTabulky::TextPole(const Pole& pole, const QLocale& jazyk)
{
    const HodnotaPole hodnota = pole.Hodnota();
    if (const auto* text = std::get_if<std::string>(&hodnota))
        return QString::fromStdString(*text);
    if (const auto* cislo = std::get_if<std::int32_t>(&hodnota))
        return QString::number(*cislo);
    if (const auto* datum = std::get_if<DatumCas>(&hodnota)) {
        switch (pole.Typ()) {
        case TypPole::Datum:
            return TextData(*datum, jazyk);
        case TypPole::Cas:
            return TextCasu(*datum, jazyk);
        default:
            return TextData(*datum, jazyk) + QLatin1Char(' ') + TextCasu(*datum, jazyk);
        }
    }
    return {};
}

QString ModelTabulky::TextData(const DatumCas& datum, const QLocale& jazyk)
{
    const QDate d(datum.rok, datum.mesic, datum.den);
    return d.isValid() ? jazyk.toString(d, QLocale::ShortFormat) : QString();
}

QString ModelTabulky::TextCasu(const DatumCas& cas, const QLocale& jazyk)
{
    const QTime t(cas.hodina, cas.minuta, cas.sekunda);
    return t.isValid() ? jazyk.toString(t, BezCasoveZony(jazyk.timeFormat(QLocale::LongFormat)))
                       : QString();
}
