#pragma once

#include <QDialog>

#include <filesystem>
#include <memory>

class Banka;
class ModelTabulky;
class Tabulka;
class QPushButton;
class QTableView;
struct Relace;
struct VybranyVysledek;

// The list of the active profile's stored practice (or exam) runs in Vysledky of `adresar`, with
// delete, delete all and the details of a record. exec() answers Opakovat when a record retry
// was prepared in the session from the details (the caller starts the mode), Zavrit otherwise.
// The table must exist; a storage error while opening propagates as ChybaTabulky.
class TProtocol : public QDialog {
    Q_OBJECT

public:
    enum Odpoved { Zavrit = 1, Opakovat = 2 };

    TProtocol(std::filesystem::path adresar, bool zkouska, const Banka& banka, Relace& relace,
              QWidget* rodic = nullptr);
    ~TProtocol() override;

    // The list's cursor over Vysledky.
    Tabulka& Table1() { return *table1_; }

    ModelTabulky& Model() { return *model_; }
    // The record chosen last for the details.
    const VybranyVysledek& Vybrany() const { return *vybrany_; }

    static void Table1CalcFields(Tabulka& t);

private:
    void btnPodrobnostiClick();
    void btnVymazatClick();
    void btnVymazatVseClick();

    QTableView* DBGrid1 = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnPodrobnosti = nullptr;
    QPushButton* btnVymazat = nullptr;
    QPushButton* btnVymazatVse = nullptr;

    void VytvorOvladaci();
    void PovolTlacitka();
    void UkazAktualni();

    bool zkouska_;
    const Banka& banka_;
    Relace& relace_;
    std::unique_ptr<Tabulka> table1_;
    std::unique_ptr<ModelTabulky> model_;
    std::unique_ptr<VybranyVysledek> vybrany_;
};
