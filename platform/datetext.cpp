#include "datetext.h"

QString generalDateTimeText(const QDateTime& moment, const QLocale& locale) {
    const QString date = locale.toString(moment.date(), QLocale::ShortFormat);
    if (moment.time() == QTime(0, 0, 0))
        return date;
    // Qt's long time format names the time zone; the general form does not.
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QLatin1Char('t'));
    timeFormat = timeFormat.trimmed();
    return date + QLatin1Char(' ') + locale.toString(moment.time(), timeFormat);
}
