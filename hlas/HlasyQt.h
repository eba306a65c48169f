#pragma once

// The speech module over Qt TextToSpeech, loaded by the program on the first question asked of
// the system's voice (ui/Hlas.h), so that Qt TextToSpeech is not loaded at start.
#include "ui/Hlas.h"

#include <QObject>

class HlasyQt : public QObject, public KnihovnaHlasu {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ZK_KNIHOVNA_HLASU_IID)
    Q_INTERFACES(KnihovnaHlasu)

public:
    std::unique_ptr<Hlas> NovyHlas(QObject* rodic) override;
};
