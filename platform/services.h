#pragma once

#include "platform/appendfiles.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/settingsstore.h"
#include "platform/sound.h"
#include "platform/textfiles.h"

// The platform services a window works with, handed in by whoever creates it.
struct Services {
    Sound& sound;
    Dialogs& dialogs;
    SettingsStore& settings;
    Clock& clock;
    TextFiles& files;
    AppendFiles& appendFiles;
};
