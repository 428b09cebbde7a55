#pragma once

#include <cstdint>
#include <functional>

// Measures one lap on a monotonic counter. The counter can be replaced so
// that a test decides how much time passes.
class TStopWatch {
public:
    using Counter = std::function<std::int64_t()>;

    explicit TStopWatch(bool startNow = false);
    TStopWatch(Counter counter, std::int64_t frequency);

    void StartTiming();
    void StopTiming();
    // Milliseconds between the last start and the last stop.
    std::int64_t ElapsedMilliseconds() const;

    std::int64_t Frequency() const { return frequency_; }
    bool HighResolution() const { return highResolution_; }

private:
    Counter counter_;
    std::int64_t frequency_;
    bool highResolution_;
    std::int64_t startCount_ = 0;
    std::int64_t stopCount_ = 0;
};
