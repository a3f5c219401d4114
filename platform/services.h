#pragma once

#include "appendfiles.h"
#include "clock.h"
#include "dialogs.h"
#include "settingsstore.h"
#include "sound.h"
#include "textfiles.h"

// The platform services a window works with, handed in by whoever creates it.
struct Services {
    Sound& sound;
    Dialogs& dialogs;
    SettingsStore& settings;
    Clock& clock;
    TextFiles& files;
    AppendFiles& appendFiles;
};
