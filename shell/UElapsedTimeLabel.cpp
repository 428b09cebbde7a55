#include "shell/UElapsedTimeLabel.h"

#include "shell/GameClock.h"

#include <QMouseEvent>

TElapsedTimeLabel::TElapsedTimeLabel(QWidget* parent)
    : QLabel(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void TElapsedTimeLabel::Follow(const vel::GameClock& clock)
{
    connect(&clock, &vel::GameClock::moved, this, [this, &clock] { Show(clock); });
    Show(clock);
}

QString TElapsedTimeLabel::CaptionFor(std::int64_t milliseconds)
{
    const auto hours = static_cast<unsigned long long>(milliseconds / 3'600'000);
    const auto minutes = static_cast<unsigned>(milliseconds / 60'000 % 60);
    const auto seconds = static_cast<unsigned>(milliseconds / 1000 % 60);
    QString time = QString::asprintf("%3llu:%2u:%2u", hours, minutes, seconds);
    for (qsizetype i = qMax<qsizetype>(0, time.size() - 6); i < time.size(); ++i) {
        if (time[i] == QLatin1Char(' '))
            time[i] = QLatin1Char('0');
    }
    return tr("Elapsed Time %1").arg(time);
}

void TElapsedTimeLabel::Show(const vel::GameClock& clock)
{
    setText(CaptionFor(clock.TotalMilliseconds()));
    setEnabled(!clock.Greyed());
}

void TElapsedTimeLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
