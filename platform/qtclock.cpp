#include "platform/qtclock.h"

#include "platform/datetext.h"

QString QtClock::nowText() const {
    return generalDateTimeText(QDateTime::currentDateTime(), QLocale::system());
}

QDateTime QtClock::nowDateTime() const {
    return QDateTime::currentDateTime();
}

qint64 QtClock::steadyMilliseconds() const {
    return m_steady.elapsed();
}
