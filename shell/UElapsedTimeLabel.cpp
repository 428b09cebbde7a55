#include "shell/UElapsedTimeLabel.h"

#include <QMouseEvent>

TElapsedTimeLabel::TElapsedTimeLabel(QWidget* parent)
    : QLabel(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ResetClock();
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

void TElapsedTimeLabel::ResetClock()
{
    totalMilliseconds_ = 0;
    setText(CaptionFor(0));
    setEnabled(false);
    clockStarted_ = false;
}

void TElapsedTimeLabel::StartClock()
{
    setEnabled(true);
    if (!clockStarted_) {
        clockStarted_ = true;
        stopWatch_.StartTiming();
    }
}

void TElapsedTimeLabel::StopClock()
{
    clockStarted_ = false;
    stopWatch_.StopTiming();
}

void TElapsedTimeLabel::PauseClock()
{
    if (!clockStarted_)
        return;
    AddLap();
    setEnabled(false);
}

void TElapsedTimeLabel::ResumeClock()
{
    if (!clockStarted_)
        return;
    setEnabled(true);
    stopWatch_.StartTiming();
}

void TElapsedTimeLabel::RefreshClock()
{
    if (!clockStarted_)
        return;
    if (isEnabled()) {
        AddLap();
        stopWatch_.StartTiming();
    }
    setText(CaptionFor(totalMilliseconds_));
}

void TElapsedTimeLabel::AddLap()
{
    stopWatch_.StopTiming();
    totalMilliseconds_ += stopWatch_.ElapsedMilliseconds();
}

void TElapsedTimeLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
