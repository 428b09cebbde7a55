#pragma once

#include "shell/StopWatch.h"

#include <QObject>

#include <cstdint>

namespace vel {

// What the game clock was told to do.
enum class ClockMove { Reset, Start, Refresh, Stop, Pause, Resume };

// The play time of one game: summed over laps from the first deal, standing
// still while the game is paused, and brought up to date only when asked.
// The clock label shows it.
class GameClock : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    void Reset();
    // Starts the first lap of a game; a started clock runs on unchanged.
    void Start();
    // No time is added: the total keeps what was last brought up to date.
    void Stop();
    // Adds the lap so far, so that the total shows the time up to the pause.
    void Pause();
    void Resume();
    // Adds the lap so far while running; nothing while paused or idle.
    void Refresh();

    // Running or paused in this game.
    bool Started() const { return state_ == State::Running || state_ == State::Paused; }
    // Reset, not yet started or paused; a stopped clock keeps its look.
    bool Greyed() const { return state_ == State::Idle || state_ == State::Paused; }
    std::int64_t TotalMilliseconds() const { return totalMilliseconds_; }
    // Lets a test decide how time passes.
    void SetStopWatch(const TStopWatch& stopWatch) { stopWatch_ = stopWatch; }

signals:
    void moved(vel::ClockMove move);

private:
    enum class State { Idle, Running, Paused, Stopped };

    void AddLap();

    TStopWatch stopWatch_;
    std::int64_t totalMilliseconds_ = 0;
    State state_ = State::Idle;
};

} // namespace vel
