#include "ui/Hlas.h"

#include "ui/Modul.h"

namespace {

// Loads the speech module on the first question asked of the voice.
class HlasZModulu : public Hlas {
public:
    explicit HlasZModulu(QObject* rodic) : rodic_(rodic) { }

    bool CeskyHlas() override
    {
        Spust();
        return stroj_ && stroj_->CeskyHlas();
    }

    void Rekni(const QString& text) override
    {
        Spust();
        if (stroj_)
            stroj_->Rekni(text);
    }

    void Zastav() override
    {
        if (stroj_)
            stroj_->Zastav();
    }

    bool Mluvi() const override { return stroj_ && stroj_->Mluvi(); }

private:
    void Spust()
    {
        if (stroj_ || zkouseno_)
            return;
        zkouseno_ = true;
        if (KnihovnaHlasu* k = Modul<KnihovnaHlasu>(QStringLiteral("zebrovka-hlas.so")))
            stroj_ = k->NovyHlas(rodic_);
    }

    QObject* rodic_;
    std::unique_ptr<Hlas> stroj_;
    bool zkouseno_ = false;
};

}  // namespace

std::unique_ptr<Hlas> SystemovyHlas(QObject* rodic) { return std::make_unique<HlasZModulu>(rodic); }

QString ZpravaBezCeskehoHlasu()
{
    return QStringLiteral(
        "Pro čtení nahlas chybí český hlas. Nainstalujte balíček "
        "speech-dispatcher-espeak-ng (s balíčkem qt6-speech-speechd-plugin), "
        "například příkazem:\n"
        "sudo apt-get install speech-dispatcher-espeak-ng qt6-speech-speechd-plugin");
}
