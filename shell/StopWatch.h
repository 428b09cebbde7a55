#pragma once

#include <cstdint>
#include <functional>

// Measures one lap on a monotonic counter. The counter can be replaced so
// that a test decides how much time passes.
class TStopWatch {
public:
    using Counter = std::function<std::int64_t()>;

    TStopWatch();
    TStopWatch(Counter counter, std::int64_t frequency);

    void StartTiming();
    void StopTiming();
    // Milliseconds between the last start and the last stop.
    std::int64_t ElapsedMilliseconds() const;

private:
    Counter counter_;
    std::int64_t frequency_;
    std::int64_t startCount_ = 0;
    std::int64_t stopCount_ = 0;
};
