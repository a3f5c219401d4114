#include "platform/qtservices.h"

#include "platform/programinfo.h"

#include <QGuiApplication>

void identifyApplication() {
    QGuiApplication::setOrganizationName(QString::fromLatin1(ProgramName));
    QGuiApplication::setApplicationName(QString::fromLatin1(ProgramName));
    QGuiApplication::setApplicationVersion(QString::fromLatin1(ProgramVersion));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(DesktopId));
}
