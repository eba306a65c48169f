#pragma once

#include <QDialog>
#include <QLocale>

#include <filesystem>
#include <memory>
#include <string>

class ModelTabulky;
class Tabulka;
class QPushButton;
class QTableView;

// The list of the active profile's points-test protocols: each row a record of Protokoly in
// `adresar`, which must exist. The learner deletes records or opens the report of one.
class TSeznamTestu : public QDialog {
    Q_OBJECT

public:
    TSeznamTestu(std::filesystem::path adresar, const std::string& profil, QWidget* rodic = nullptr,
                 QLocale jazyk = QLocale(QLocale::Czech, QLocale::Czechia));
    ~TSeznamTestu() override;

    // The filter text that selects one profile's records: its name in single quotes, inner
    // quotes doubled.
    static std::string FiltrProfilu(const std::string& profil);

private:
    void btnDetailClick();
    void btnVymazClick();
    void btnVymazVseClick();

    QTableView* DBGrid1 = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnDetail = nullptr;
    QPushButton* btnVymaz = nullptr;
    QPushButton* btnVymazVse = nullptr;

    void ZobrazAktualni();
    void PovolTlacitka();

    std::filesystem::path adresar_;
    std::unique_ptr<Tabulka> protokoly_;
    ModelTabulky* model_ = nullptr;
};
