#pragma once

#include <QString>
#include <QtPlugin>

#include <memory>

class QObject;

// What reads a text aloud. The program speaks through Qt TextToSpeech; tests put a recording
// fake in its place, so that no test needs a speech engine.
class Hlas {
public:
    virtual ~Hlas() = default;
    // Whether a Czech voice is at hand; the engine then speaks Czech.
    virtual bool CeskyHlas() = 0;
    virtual void Rekni(const QString& text) = 0;
    virtual void Zastav() = 0;
    virtual bool Mluvi() const = 0;
};

// The engine of the system (Qt TextToSpeech), set to Czech. It starts on the first question
// asked of it, not when it is made: Qt TextToSpeech lives in the module zebrovka-hlas
// (ui/Modul.h), loaded then. Without the module there is no Czech voice.
std::unique_ptr<Hlas> SystemovyHlas(QObject* rodic);

// What the speech module offers.
class KnihovnaHlasu {
public:
    virtual ~KnihovnaHlasu() = default;
    // The engine of the system, started now and set to Czech.
    virtual std::unique_ptr<Hlas> NovyHlas(QObject* rodic) = 0;
};

#define ZK_KNIHOVNA_HLASU_IID "cz.zebrovka.KnihovnaHlasu/1"
Q_DECLARE_INTERFACE(KnihovnaHlasu, ZK_KNIHOVNA_HLASU_IID)

// The box shown when no Czech voice is installed: which packages provide one.
QString ZpravaBezCeskehoHlasu();
