#include "commandline.h"
#include "form1.h"
#include "qtservices.h"
#include "workingfolder.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    if (const std::optional<int> exitCode = answerCommandLine(argc, argv))
        return *exitCode;
    QApplication app(argc, argv);
    identifyApplication();
    QtServices platform;
    if (!enterWorkingFolder(platform.dialogs))
        return 1;
    Form1 window(platform.services);
    window.show();
    return app.exec();
}
