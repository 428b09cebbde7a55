#pragma once

#include <QLabel>

#include <cstdint>

namespace vel {
class GameClock;
}

// Shows the game clock: the play time it last brought up to date, greyed
// while the clock is reset or paused.
class TElapsedTimeLabel : public QLabel {
    Q_OBJECT
public:
    explicit TElapsedTimeLabel(QWidget* parent = nullptr);

    // Shows `clock` from now on, at each of its moves.
    void Follow(const vel::GameClock& clock);

    // "Elapsed Time " and the hours:minutes:seconds of `milliseconds`.
    static QString CaptionFor(std::int64_t milliseconds);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void Show(const vel::GameClock& clock);
};
