#pragma once

#include <QDateTime>

// Source of "now", so that new card dates and the daily update rule can be fixed in tests.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};
