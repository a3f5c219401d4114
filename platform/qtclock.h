#pragma once

#include "platform/clock.h"

class QtClock final : public Clock {
public:
    QString nowText() const override;
    QDateTime nowDateTime() const override;
};
