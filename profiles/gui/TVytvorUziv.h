#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Asks for the name of a new profile and, optionally, its password. Accepted only with a name
// that passes every rule; the caller adds the record.
class TVytvorUziv : public QDialog {
    Q_OBJECT
public:
    // `seznam`: the names the profile manager lists, which a new name must not repeat.
    explicit TVytvorUziv(QStringList seznam, QWidget* rodic = nullptr);

    const QString& NovyNazev() const { return novyNazev_; }
    const QString& NoveHeslo() const { return noveHeslo_; }  // empty when not protected

private:
    void cbHesloClick();
    void btnOKClick();
    void NastavHeslaPovolena(bool povolena);

    QStringList seznam_;
    QLineEdit* eProfil_;
    QCheckBox* cbHeslo_;
    QLabel* lbHeslo1_;
    QLabel* lbHeslo2_;
    QLineEdit* eHeslo1_;
    QLineEdit* eHeslo2_;
    QString novyNazev_;
    QString noveHeslo_;
};
