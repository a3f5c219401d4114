#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// The general date-and-time form: the locale's short date, a blank and its
// long time; the time is left out when it is exactly midnight.
QString generalDateTimeText(const QDateTime& moment, const QLocale& locale);
