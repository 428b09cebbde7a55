// Pausing, minimising and closing the table.
#include "game/Unit1.h"

#include "shell/Startup.h"
#include "shell/UElapsedTimeLabel.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace {

enum PauseBits { DrawWasEnabled = 1, BetWasEnabled = 2, BetListWasEnabled = 4, CouldHold = 8 };

} // namespace

void TForm1::PauseGame1Execute()
{
    if (!state_.Busy)
        TogglePause();
    PauseGame1Update(); // a refused press leaves the toggle button as it was
}

void TForm1::TogglePause()
{
    if (state_.Busy || !PauseGame1->isEnabled())
        return;
    PauseGame1->setChecked(!PauseGame1->isChecked());
    SpeedButton1->setChecked(PauseGame1->isChecked());
    Pause1->setChecked(PauseGame1->isChecked());
    if (PauseGame1->isChecked()) {
        ElapsedTimeLabel1->PauseClock();
        ElapsedTimeLabel1->RefreshClock();
        Label15->setText(QStringLiteral("Game Paused"));
        pauseTag_ = (BitBtn1->isEnabled() ? DrawWasEnabled : 0) | (BitBtn2->isEnabled() ? BetWasEnabled : 0)
                    | (ComboBox2->isEnabled() ? BetListWasEnabled : 0) | (state_.CanHold ? CouldHold : 0);
        for (QWidget* control : {static_cast<QWidget*>(BitBtn1), static_cast<QWidget*>(BitBtn2),
                                 static_cast<QWidget*>(ComboBox2), static_cast<QWidget*>(Label8)})
            control->setEnabled(false);
        state_.CanHold = false;
        return;
    }
    Label15->clear();
    ElapsedTimeLabel1->ResumeClock();
    BitBtn1->setEnabled(pauseTag_ & DrawWasEnabled);
    BitBtn2->setEnabled(pauseTag_ & BetWasEnabled);
    ComboBox2->setEnabled(pauseTag_ & BetListWasEnabled);
    state_.CanHold = pauseTag_ & CouldHold;
    Label8->setEnabled(ComboBox2->isEnabled());
    if (BitBtn1->isEnabled())
        BitBtn1->setFocus();
    else
        BitBtn2->setFocus();
}

// Pause is offered while the clock runs and never while cards move.
void TForm1::PauseGame1Update()
{
    if (state_.Busy) {
        SpeedButton1->setEnabled(false);
        Pause1->setEnabled(false);
        return;
    }
    const bool started = ElapsedTimeLabel1->ClockStarted();
    PauseGame1->setEnabled(started);
    SpeedButton1->setEnabled(started);
    Pause1->setEnabled(started);
    SpeedButton1->setChecked(PauseGame1->isChecked());
    Pause1->setChecked(PauseGame1->isChecked());
    if (!PauseGame1->isChecked())
        Label15->clear();
}

void TForm1::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        FocusLiveButton();
    } else if (event->type() == QEvent::WindowStateChange) {
        const auto previous = static_cast<QWindowStateChangeEvent*>(event)->oldState();
        const bool minimized = windowState().testFlag(Qt::WindowMinimized);
        if (minimized && !previous.testFlag(Qt::WindowMinimized))
            AppMinimize();
        else if (!minimized && previous.testFlag(Qt::WindowMinimized))
            AppRestore();
    }
}

// While minimised the title carries the credit.
void TForm1::AppMinimize()
{
    savedTitle_ = vel::ApplicationTitle();
    vel::SetApplicationTitle(savedTitle_ + QStringLiteral(" - Credit ") + QString::number(state_.Credit));
    setWindowTitle(vel::ApplicationTitle());
}

void TForm1::AppRestore()
{
    vel::SetApplicationTitle(savedTitle_);
    setWindowTitle(savedTitle_);
}

bool TForm1::FormCloseQuery()
{
    if (state_.Credit <= 0 || !state_.GameInProgress)
        return true;
    return AskConfirm(vel::ApplicationTitle() + QStringLiteral(" Game in Progress.  Close Program?"),
                      QMessageBox::Yes | QMessageBox::No, 10);
}

// Writes the settings once, and only when the player changed one; false
// when the file could not be written.
bool TForm1::SaveChangedSettings()
{
    if (!settingsFile_->SettingsChanged)
        return true;
    settings_.Payout = ComboBox1->currentIndex();
    if (settingsFile_->SaveSettings(settings_) != vel::SettingsFile::SaveResult::Failed)
        return true;
    QMessageBox::critical(this, vel::ApplicationTitle(),
                          QStringLiteral("Unable to write to %1").arg(settingsFile_->Path()));
    return false;
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (state_.Busy) {
        pendingClose_ = true; // closes once the cards have stopped moving
        event->ignore();
        return;
    }
    if (!FormCloseQuery() || !SaveChangedSettings()) {
        event->ignore();
        return;
    }
    event->accept();
}

bool TForm1::CommitSession(bool mayAskPlayer)
{
    if (mayAskPlayer && !state_.Busy && !FormCloseQuery())
        return false;
    SaveChangedSettings();
    return true;
}
