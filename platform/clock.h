#pragma once

#include <QString>

class Clock {
public:
    virtual ~Clock() = default;
    // The current local date and time in the user's general date-and-time form.
    virtual QString nowText() const = 0;
};
