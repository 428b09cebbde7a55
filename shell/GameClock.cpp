#include "shell/GameClock.h"

namespace vel {

void GameClock::Reset()
{
    totalMilliseconds_ = 0;
    state_ = State::Idle;
    emit moved(ClockMove::Reset);
}

void GameClock::Start()
{
    if (!Started())
        stopWatch_.StartTiming();
    state_ = State::Running;
    emit moved(ClockMove::Start);
}

void GameClock::Stop()
{
    state_ = State::Stopped;
    stopWatch_.StopTiming();
    emit moved(ClockMove::Stop);
}

void GameClock::Pause()
{
    if (state_ != State::Running)
        return;
    AddLap();
    state_ = State::Paused;
    emit moved(ClockMove::Pause);
}

void GameClock::Resume()
{
    if (state_ != State::Paused)
        return;
    state_ = State::Running;
    stopWatch_.StartTiming(); // the paused interval is never counted
    emit moved(ClockMove::Resume);
}

void GameClock::Refresh()
{
    if (!Started())
        return;
    if (state_ == State::Running) {
        AddLap();
        stopWatch_.StartTiming();
    }
    emit moved(ClockMove::Refresh);
}

void GameClock::AddLap()
{
    stopWatch_.StopTiming();
    totalMilliseconds_ += stopWatch_.ElapsedMilliseconds();
}

} // namespace vel
