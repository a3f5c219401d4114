#pragma once

#include "platform/sound.h"

#include <QThread>

class SoundWorker;

// Plays through QSoundEffect on a thread of its own, so that a waiting play
// can block the window thread while the clip still gets the event loop it
// needs.
class QtSound final : public Sound {
public:
    QtSound();
    ~QtSound() override;

    void play(const QString& fileName, bool wait) override;

private:
    QThread m_thread;
    SoundWorker* m_worker;
};
