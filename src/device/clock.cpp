#include "device/clock.h"

#include <numeric>
#include <thread>

namespace bexlan {

void SystemClock::sleepFor(Duration wait)
{
    if (wait > Duration::zero())
        std::this_thread::sleep_for(wait);
}

Clock::TimePoint SystemClock::now() const
{
    return std::chrono::steady_clock::now();
}

void FakeClock::sleepFor(Duration wait)
{
    m_waits.push_back(wait);
    if (wait > Duration::zero())
        m_now += wait;
}

Clock::Duration FakeClock::totalWaited() const
{
    return std::accumulate(m_waits.begin(), m_waits.end(), Duration::zero());
}

} // namespace bexlan
