#include "ui/Zpravy.h"

#include "ui/Centrovani.h"

#include <QMessageBox>
#include <QWidget>

#include <optional>

namespace {

struct PredemZodpovezena {
    bool ano = false;
    Zpravy::Zachycena* zachycena = nullptr;
};
std::optional<PredemZodpovezena> pristi;

// A message box takes its final size only while it is being shown, so it is centred then.
class ZpravaNadOtviracem : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* udalost) override
    {
        QMessageBox::showEvent(udalost);
        if (parentWidget())
            VycentrujNad(this, parentWidget()->window());
    }
};

QMessageBox::StandardButton Ukaz(QWidget* rodic, QMessageBox::Icon ikona, const QString& titulek,
                                 const QString& text, QMessageBox::StandardButtons tlacitka,
                                 QMessageBox::StandardButton vychozi = QMessageBox::NoButton)
{
    if (pristi) {
        const PredemZodpovezena odpoved = *pristi;
        pristi.reset();
        if (odpoved.zachycena)
            *odpoved.zachycena = Zpravy::Zachycena {titulek, text};
        if (!odpoved.ano)
            return QMessageBox::No;
        return tlacitka.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok;
    }
    ZpravaNadOtviracem box(ikona, titulek, text, tlacitka, rodic);
    box.setObjectName(QStringLiteral("zprava"));
    if (vychozi != QMessageBox::NoButton)
        box.setDefaultButton(vychozi);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

namespace Zpravy {

bool Otazka(QWidget* rodic, const QString& text, Vychozi vychozi)
{
    return Ukaz(rodic, QMessageBox::Question, kOtazka, text, QMessageBox::Yes | QMessageBox::No,
                vychozi == Vychozi::Ano ? QMessageBox::Yes : QMessageBox::No)
        == QMessageBox::Yes;
}

void Informace(QWidget* rodic, const QString& text)
{
    Ukaz(rodic, QMessageBox::Information, kInformace, text, QMessageBox::Ok);
}

void Chyba(QWidget* rodic, const QString& text)
{
    Ukaz(rodic, QMessageBox::Critical, kChyba, text, QMessageBox::Ok);
}

bool Varovani(QWidget* rodic, const QString& text)
{
    return Ukaz(rodic, QMessageBox::Warning, kVarovani, text, QMessageBox::Yes | QMessageBox::No,
                QMessageBox::No)
        == QMessageBox::Yes;
}

void ZodpovezPristi(bool ano, Zachycena* zachycena) { pristi = PredemZodpovezena {ano, zachycena}; }

}  // namespace Zpravy
