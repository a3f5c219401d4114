#pragma once

#include "qtappendfiles.h"
#include "qtclock.h"
#include "qtdialogs.h"
#include "qtsettingsstore.h"
#include "qtsound.h"
#include "qttextfiles.h"
#include "services.h"

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
