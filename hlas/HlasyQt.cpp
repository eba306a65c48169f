#include "hlas/HlasyQt.h"

#include <QLocale>
#include <QPointer>
#include <QTextToSpeech>

namespace {

class HlasQt : public Hlas {
public:
    explicit HlasQt(QObject* rodic) : rodic_(rodic) { }
    ~HlasQt() override { delete stroj_; }

    bool CeskyHlas() override
    {
        Spust();
        return cesky_;
    }

    void Rekni(const QString& text) override
    {
        if (CeskyHlas())
            stroj_->say(text);
    }

    void Zastav() override
    {
        if (stroj_)
            stroj_->stop();
    }

    bool Mluvi() const override { return stroj_ && stroj_->state() == QTextToSpeech::Speaking; }

private:
    void Spust()
    {
        if (stroj_)
            return;
        stroj_ = new QTextToSpeech(rodic_);
        if (stroj_->state() == QTextToSpeech::Error)
            return;
        for (const QLocale& jazyk : stroj_->availableLocales())
            if (jazyk.language() == QLocale::Czech) {
                stroj_->setLocale(jazyk);
                cesky_ = !stroj_->availableVoices().isEmpty();
                break;
            }
    }

    QObject* rodic_;
    QPointer<QTextToSpeech> stroj_;
    bool cesky_ = false;
};

}  // namespace

std::unique_ptr<Hlas> HlasyQt::NovyHlas(QObject* rodic) { return std::make_unique<HlasQt>(rodic); }
