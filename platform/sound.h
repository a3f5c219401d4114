#pragma once

#include <QString>

// Plays the program's short wave files. A new sound cuts off one still
// playing. With wait set, the call returns only when the clip has ended, and
// the window thread handles nothing meanwhile. A missing file or a machine
// without an audio device is silent.
class Sound {
public:
    virtual ~Sound() = default;
    virtual void play(const QString& fileName, bool wait) = 0;
};
