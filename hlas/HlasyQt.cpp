#include "hlas/HlasyQt.h"

#include <QLocale>
#include <QPointer>
#include <QTextToSpeech>

namespace {

// Made on the first question asked of the system's voice (ui/Hlas.cpp), so the engine starts
// here at once.
class HlasQt : public Hlas {
public:
    explicit HlasQt(QObject* rodic) : stroj_(new QTextToSpeech(rodic))
    {
        if (stroj_->state() == QTextToSpeech::Error)
            return;
        for (const QLocale& jazyk : stroj_->availableLocales())
            if (jazyk.language() == QLocale::Czech) {
                stroj_->setLocale(jazyk);
                cesky_ = !stroj_->availableVoices().isEmpty();
                break;
            }
    }
    ~HlasQt() override { delete stroj_; }

    bool CeskyHlas() override { return cesky_ && stroj_; }

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
    QPointer<QTextToSpeech> stroj_;  // its parent may delete it first
    bool cesky_ = false;
};

}  // namespace

std::unique_ptr<Hlas> HlasyQt::NovyHlas(QObject* rodic) { return std::make_unique<HlasQt>(rodic); }
