#pragma once

#include <QDialog>
#include <QString>

#include <string>
#include <vector>

class ProfilovySklad;
class QListWidget;
class QPushButton;

// The sign-in window: lists the visible profiles, creates and deletes profiles and signs in,
// asking for the password of a protected profile. exec() gives Accepted when a profile was
// chosen (the active profile then holds its name) and Rejected when the learner chose to end
// the program.
class TManazerUzivatelu : public QDialog {
    Q_OBJECT
public:
    // `precteneProfily`: the list just read from sklad, shown instead of reading it again.
    TManazerUzivatelu(ProfilovySklad& sklad, std::string& aktivniProfil, QWidget* rodic = nullptr,
                      const std::vector<std::string>* precteneProfily = nullptr);

    // Every way of closing without a chosen profile asks whether to end the program.
    void reject() override;

protected:
    bool eventFilter(QObject* objekt, QEvent* udalost) override;

private:
    void NaplnitSeznam(const std::vector<std::string>* precteneProfily = nullptr);
    void VlozitSerazene(const QString& jmeno);
    QString VybranyProfil() const;
    // Runs the password prompt for a protected profile; true when the profile may be used.
    bool OveritHeslo(const QString& jmeno);

    void lbProfilClick();
    void lbProfilDblClick();
    void btnOKClick();
    void btnNewClick();
    void btnDeleteClick();
    void btnCancelClick();

    ProfilovySklad& sklad_;
    std::string& aktivniProfil_;
    bool profilZvolen_ = false;
    QListWidget* lbProfil_;
    QPushButton* btnNew_;
    QPushButton* btnDelete_;
    QPushButton* btnCancel_;
    QPushButton* btnOK_;
};
