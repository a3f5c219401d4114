#include "qtservices.h"

#include <QGuiApplication>

void identifyApplication() {
    QGuiApplication::setOrganizationName(QStringLiteral("Tapmeter"));
    QGuiApplication::setApplicationName(QStringLiteral("Tapmeter"));
    QGuiApplication::setApplicationVersion(QStringLiteral("4.1"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tapmeter.Tapmeter"));
}
