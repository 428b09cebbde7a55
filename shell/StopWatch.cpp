#include "shell/StopWatch.h"

#include <chrono>
#include <utility>

namespace {

std::int64_t SteadyNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

TStopWatch::TStopWatch()
    : counter_(SteadyNanoseconds), frequency_(1'000'000'000)
{
}

TStopWatch::TStopWatch(Counter counter, std::int64_t frequency)
    : counter_(std::move(counter)), frequency_(frequency)
{
}

void TStopWatch::StartTiming()
{
    startCount_ = counter_();
}

void TStopWatch::StopTiming()
{
    stopCount_ = counter_();
}

std::int64_t TStopWatch::ElapsedMilliseconds() const
{
    // Split the division so that a nanosecond counter cannot overflow.
    const std::int64_t counts = stopCount_ - startCount_;
    return counts / frequency_ * 1000 + counts % frequency_ * 1000 / frequency_;
}
