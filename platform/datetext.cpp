#include "platform/datetext.h"

#include <QRegularExpression>

namespace {

// Qt's long time format names the time zone ("t"); the general form does not.
// The zone goes together with what sets it off from the time: a blank, a comma
// or the brackets around it ("H:mm:ss (t)", "Bh:mm:ss [t]", "HH:mm:ss, t",
// "t HH:mm:ss"). Some locales mark the part of the day with "B", which Qt
// would print as a letter B; "AP" is the mark it knows. Quoted text is
// literal and stays as it is.
QString generalTimeFormat(const QString& format) {
    static const QRegularExpression zone(QStringLiteral(R"([\s,]*[(\[]?t+[)\]]?[\s,]*)"));
    QStringList parts = format.split(QLatin1Char('\''));
    for (qsizetype i = 0; i < parts.size(); i += 2)
        parts[i].replace(zone, QStringLiteral(" ")).replace(QLatin1Char('B'), QStringLiteral("AP"));
    return parts.join(QLatin1Char('\'')).trimmed();
}

} // namespace

QString generalDateTimeText(const QDateTime& moment, const QLocale& locale) {
    QString date = locale.toString(moment.date(), QLocale::ShortFormat);
    const QTime time = moment.time();
    // Midnight in whole seconds: the milliseconds are not shown either.
    if (time.hour() == 0 && time.minute() == 0 && time.second() == 0)
        return date;
    return date + QLatin1Char(' ') + locale.toString(time, generalTimeFormat(locale.timeFormat(QLocale::LongFormat)));
}
