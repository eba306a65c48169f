#pragma once

#include <QDialog>

#include <array>

struct Nastaveni;
class QButtonGroup;
class QCheckBox;

// Edits the licence group, category switches and protocol switches of the current settings.
// OK applies them to the settings it was given (nothing reaches the profile record);
// Storno and the close box change nothing.
class TNastaveni : public QDialog {
    Q_OBJECT
public:
    explicit TNastaveni(Nastaveni& nastaveni, QWidget* rodic = nullptr);

    void PouzitNastaveni();

private:
    void btnOKClick();

    Nastaveni& nastaveni_;
    std::array<QCheckBox*, 7> kategorie_ {};
    std::array<QCheckBox*, 3> protokoly_ {};
    QButtonGroup* skupiny_;
};
