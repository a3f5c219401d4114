#pragma once

#include "platform/clock.h"

#include <QElapsedTimer>

class QtClock final : public Clock {
public:
    QtClock() { m_steady.start(); }
    QString nowText() const override;
    QDateTime nowDateTime() const override;
    qint64 steadyMilliseconds() const override;

private:
    QElapsedTimer m_steady;
};
