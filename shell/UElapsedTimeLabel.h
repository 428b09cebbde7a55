#pragma once

#include "shell/StopWatch.h"

#include <QLabel>

#include <cstdint>

// The game clock: play time summed over laps, shown on demand. Enabled
// means running; greyed means reset, not yet started or paused.
class TElapsedTimeLabel : public QLabel {
    Q_OBJECT
public:
    explicit TElapsedTimeLabel(QWidget* parent = nullptr);

    void ResetClock();
    void StartClock();
    void StopClock();
    void PauseClock();
    void ResumeClock();
    void RefreshClock();

    bool ClockStarted() const { return clockStarted_; }
    std::int64_t TotalMilliseconds() const { return totalMilliseconds_; }
    // Lets a test decide how time passes.
    void SetStopWatch(const TStopWatch& stopWatch) { stopWatch_ = stopWatch; }

    // "Elapsed Time " and the hours:minutes:seconds of `milliseconds`.
    static QString CaptionFor(std::int64_t milliseconds);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void AddLap();

    TStopWatch stopWatch_;
    std::int64_t totalMilliseconds_ = 0;
    bool clockStarted_ = false;
};
