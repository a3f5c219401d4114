#include "form1.h"
#include "qtclock.h"
#include "qtdialogs.h"
#include "qtsettingsstore.h"
#include "qtsound.h"
#include "qttextfiles.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tapmeter"));
    QApplication::setApplicationName(QStringLiteral("Tapmeter"));
    QApplication::setApplicationVersion(QStringLiteral("4.1"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.tapmeter.Tapmeter"));

    QtSound sound;
    QtDialogs dialogs;
    QtSettingsStore settings;
    QtClock clock;
    QtTextFiles files;
    Services services{sound, dialogs, settings, clock, files};

    Form1 window(services);
    window.show();
    return app.exec();
}
