#include "form1.h"
#include "qtservices.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    identifyApplication();
    QtServices platform;
    Form1 window(platform.services);
    window.show();
    return app.exec();
}
