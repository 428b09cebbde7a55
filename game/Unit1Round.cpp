// The handlers of the round: bet, draw, game over and a new game. Each
// passes the command to the round, which runs the deal or draw to its end
// on the table's timers.
#include "game/Unit1.h"

#include "game/AdvisorSession.h"
#include "game/Celebration.h"
#include "game/TableWidgets.h"
#include "shell/Startup.h"
#include "views/pointerform.h"

#include <QPushButton>
#include <QTimer>

void TForm1::ResetGame()
{
    round_->ResetGame();
}

void TForm1::ResetTable(bool ShowSetupInfo)
{
    round_->ResetTable(ShowSetupInfo);
    BitBtn1->setAccessibleDescription(QString());
    BitBtn2->setAccessibleDescription(QString());
    if (isVisible())
        BitBtn2->setFocus();
}

void TForm1::BitBtn2Click()
{
    round_->Deal();
}

void TForm1::BitBtn1Click()
{
    if (round_->DrawOffered() && ConfirmCostlyDraw())
        round_->Draw();
}

// The advisor's question before a draw that gives up credits, when the
// player asked for it; false when the player keeps the hand to think again.
bool TForm1::ConfirmCostlyDraw()
{
    if (!settings_.WarnCostlyDraw)
        return true;
    const std::optional<QString> warning = advice_->CostlyDrawWarning();
    return !warning || AskConfirm(*warning, QMessageBox::Yes | QMessageBox::No, 50, nullptr, QMessageBox::No);
}

// The round has ended the game; a table closed meanwhile asks nothing.
void TForm1::GameOver()
{
    if (!isVisible())
        return;
    celebration_->PlaySoundFile(chimesSound_);
    QMessageBox::StandardButton answer = QMessageBox::Cancel;
    AskConfirm(tr("Game Over.  Play Again?"), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
               50, &answer);
    if (answer == QMessageBox::Yes)
        New1Click();
    else if (answer == QMessageBox::No)
        close();
    else
        round_->LetGameOverStand();
}

void TForm1::New1Click()
{
    if (round_->Busy())
        round_->Defer(vel::DeferredNewGame);
    else
        StartNewGame();
}

// Asks first when a game with completed hands and credit left would be lost.
bool TForm1::StartNewGame()
{
    if (round_->NewGameNeedsQuestion() && !AskConfirm(tr("%1 Game in Progress.  New Game?").arg(vel::ApplicationTitle()),
                           QMessageBox::Yes | QMessageBox::No, 50))
        return false;
    ResetGame();
    ResetTable(false);
    return true;
}

// The bet list offers the highest bet first.
void TForm1::ComboBox2Change(int index)
{
    round_->ChooseBet(vel::MaxBet - index);
}

// Commands asked for while cards were moving run now, in the order a
// player would expect; a new game or a closed table ends the list.
void TForm1::RunDeferredCommands()
{
    const unsigned deferred = round_->TakeDeferred();
    if (deferred & vel::DeferredOptions)
        Options1Click();
    if ((deferred & vel::DeferredNewGame) && StartNewGame())
        return;
    if (deferred & vel::DeferredClose)
        close();
}

bool TForm1::AskConfirm(const QString& text, QMessageBox::StandardButtons buttons, int leftOffset,
                        QMessageBox::StandardButton* answer, QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(QMessageBox::Question, tr("Confirm"), text, buttons, this);
    box.setObjectName(QStringLiteral("ConfirmBox"));
    box.setDefaultButton(defaultButton);
    box.setEscapeButton(buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::No);
    // Its outer corner, by the table's outer corner and the second card place.
    (new OuterFrame(&box))->PlaceAt([this, leftOffset] {
        const QWidget* panel2 = cardPanels_[1];
        return OuterFrame::Geometry(this).topLeft() + panel2->pos() + QPoint(leftOffset, 85);
    });
    const auto result = static_cast<QMessageBox::StandardButton>(box.exec());
    if (answer)
        *answer = result;
    return result == QMessageBox::Yes;
}

void TForm1::Later(int milliseconds, vel::TableRound::Next next)
{
    const int wait = qRound(milliseconds * animationScale_);
    if (wait <= 0)
        next();
    else
        QTimer::singleShot(wait, this, std::move(next));
}
