#pragma once

#include "base/Clock.h"

class FixedClock : public Clock
{
public:
    explicit FixedClock(QDateTime moment) : m_now(std::move(moment)) {}
    QDateTime now() const override { return m_now; }
    void set(const QDateTime &moment) { m_now = moment; }

private:
    QDateTime m_now;
};
