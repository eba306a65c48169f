#pragma once

#include <QDialog>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class Banka;

// "Výsledky testů podle platných pravidel": the profile's tests in today's exam format (date,
// time, points, verdict, time used), a line chart of the points over time with the pass line at
// 43, the review of a chosen test, and deleting one or all. Reading Testy may raise
// ChybaTabulky from the constructor. Its controls are private; tests reach them by object name.
class TVysledkyPlatny : public QDialog {
    Q_OBJECT
public:
    TVysledkyPlatny(const Banka& banka, const std::vector<int>& oblasti,
                    std::filesystem::path adresar, std::string profil, QWidget* rodic = nullptr);
    ~TVysledkyPlatny() override;

private:
    struct Stav;
    std::unique_ptr<Stav> s_;
};
