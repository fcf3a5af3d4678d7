#pragma once

#include <chrono>
#include <vector>

namespace bexlan {

// Waits of the transfers go through a clock so tests can check them without sleeping.
class Clock {
public:
    using Duration = std::chrono::milliseconds;
    using TimePoint = std::chrono::steady_clock::time_point;

    virtual ~Clock() = default;
    virtual void sleepFor(Duration wait) = 0;
    virtual TimePoint now() const = 0;
};

class SystemClock : public Clock {
public:
    void sleepFor(Duration wait) override;
    TimePoint now() const override;
};

// Never sleeps: each wait is recorded and moves the clock forward by that much.
class FakeClock : public Clock {
public:
    void sleepFor(Duration wait) override;
    TimePoint now() const override { return m_now; }

    void advance(Duration step) { m_now += step; }
    const std::vector<Duration>& waits() const { return m_waits; }
    Duration totalWaited() const;
    void clearWaits() { m_waits.clear(); }

private:
    TimePoint m_now{};
    std::vector<Duration> m_waits;
};

} // namespace bexlan
