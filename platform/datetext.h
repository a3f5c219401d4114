#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// The general date-and-time form: the locale's short date, a blank and its
// long time without its time zone; the time is left out at midnight (in whole
// seconds).
QString generalDateTimeText(const QDateTime& moment, const QLocale& locale);
