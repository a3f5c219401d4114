#include "app/commandline.h"
#include "app/translations.h"
#include "app/workingfolder.h"
#include "platform/folderlock.h"
#include "platform/qtservices.h"
#include "platform/sessionend.h"
#include "trainer/form1.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char* argv[]) {
    ignoreBrokenPipes();
    if (const std::optional<int> exitCode = answerCommandLine(argc, argv))
        return *exitCode;
    QApplication app(argc, argv);
    identifyApplication();
    installDesktopLanguage();
    QtServices platform;
    if (!enterWorkingFolder(platform.dialogs))
        return 1;
    const SessionEnd sessionEnd;
    const FolderLock lock(QDir::currentPath());
    if (lock.heldElsewhere()) {
        // Also on standard error, for whoever started it from a terminal.
        std::fprintf(stderr, "tapmeter: %s\n", qPrintable(alreadyRunningMessage()));
        platform.dialogs.message(nullptr, alreadyRunningMessage());
        return 1;
    }
    Form1 window(platform.services);
    QObject::connect(&sessionEnd, &SessionEnd::requested, &window, &Form1::endSession);
    window.show();
    return app.exec();
}
