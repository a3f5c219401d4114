#pragma once

#include "platform/qtappendfiles.h"
#include "platform/qtclock.h"
#include "platform/qtdialogs.h"
#include "platform/qtsettingsstore.h"
#include "platform/qtsound.h"
#include "platform/qttextfiles.h"
#include "platform/services.h"

// The program's platform services as the desktop provides them.
struct QtServices {
    QtSound sound;
    QtDialogs dialogs;
    QtSettingsStore settings;
    QtClock clock;
    QtTextFiles files;
    QtAppendFiles appendFiles;
    Services services{sound, dialogs, settings, clock, files, appendFiles};
};

// The names the desktop and the settings store know the program by.
void identifyApplication();
