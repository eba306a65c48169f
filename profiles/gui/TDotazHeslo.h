#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;

// Asks for the password of a protected profile. Accepted only through btnOK.
class TDotazHeslo : public QDialog {
    Q_OBJECT
public:
    explicit TDotazHeslo(QWidget* rodic = nullptr);

    const QString& ZadaneHeslo() const { return zadaneHeslo_; }

private:
    void btnOKClick();

    QLineEdit* eHeslo_;
    QPushButton* btnOK_;
    QPushButton* btnStorno_;
    QString zadaneHeslo_;
};
