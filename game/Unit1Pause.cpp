// Pausing, minimising and closing the table.
#include "game/Unit1.h"

#include "shell/Startup.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

void TForm1::PauseGame1Execute()
{
    TogglePause();
    PauseGame1Update(); // a refused press leaves the toggle button as it was
}

void TForm1::TogglePause()
{
    round_->TogglePause();
}

// Pause is offered while the clock runs and never while cards move; the
// command and its two controls show the paused state.
void TForm1::PauseGame1Update()
{
    const bool offered = round_->PauseOffered();
    const bool paused = round_->Paused();
    for (QAction* action : {PauseGame1, Pause1}) {
        action->setEnabled(offered);
        action->setChecked(paused);
    }
    SpeedButton1->setEnabled(offered);
    SpeedButton1->setChecked(paused);
    Label15->setText(paused ? tr("Game Paused") : QString());
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
    vel::SetApplicationTitle(tr("%1 - Credit %2").arg(savedTitle_).arg(round_->State().Credit));
    setWindowTitle(vel::ApplicationTitle());
}

void TForm1::AppRestore()
{
    vel::SetApplicationTitle(savedTitle_);
    setWindowTitle(savedTitle_);
}

bool TForm1::FormCloseQuery()
{
    if (!round_->CloseNeedsQuestion())
        return true;
    return AskConfirm(tr("%1 Game in Progress.  Close Program?").arg(vel::ApplicationTitle()),
                      QMessageBox::Yes | QMessageBox::No, 10);
}

// Writes the settings once, and only when the player changed one; false
// when the file could not be written.
bool TForm1::SaveChangedSettings()
{
    if (!settingsFile_->SettingsChanged)
        return true;
    if (settingsFile_->SaveSettings(CurrentSettings()) != vel::SettingsFile::SaveResult::Failed)
        return true;
    QMessageBox::critical(this, vel::ApplicationTitle(),
                          tr("Unable to write to %1").arg(settingsFile_->Path()));
    return false;
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (round_->Busy()) {
        round_->Defer(vel::DeferredClose); // closes once the cards have stopped moving
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
    if (mayAskPlayer && !round_->Busy() && !FormCloseQuery())
        return false;
    SaveChangedSettings();
    return true;
}
