#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;

// Asks twice for a new password of the named profile. Accepted only through btnOK with both
// entries equal and at least five characters long.
class TDZmenaHesla : public QDialog {
    Q_OBJECT
public:
    explicit TDZmenaHesla(const QString& profil, QWidget* rodic = nullptr);

    const QString& ZadaneHeslo() const { return zadaneHeslo_; }

private:
    void btnOKClick();

    QLineEdit* eHeslo1_;
    QLineEdit* eHeslo2_;
    QString zadaneHeslo_;
};
