#pragma once

#include <QDateTime>
#include <QString>

class Clock {
public:
    virtual ~Clock() = default;
    // The current local date and time in the user's general date-and-time form.
    virtual QString nowText() const = 0;
    // The current local date and time.
    virtual QDateTime nowDateTime() const = 0;
    // Milliseconds on a clock that is never set back, from a start of its
    // own: only the difference of two readings means anything.
    virtual qint64 steadyMilliseconds() const = 0;
};
