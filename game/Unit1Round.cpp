// The round of play: bet, deal, holds, draw, settlement and the bankroll.
#include "game/Unit1.h"

#include "game/Celebration.h"
#include "game/TableWidgets.h"
#include "game/UAdvisor.h"
#include "shell/Startup.h"
#include "shell/UElapsedTimeLabel.h"
#include "views/SBPro.h"
#include "views/Unit2.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <utility>

namespace {

constexpr int StartingCredit = 100;
constexpr int AnimationStep = 250;

QString Number(int value)
{
    return QLocale().toString(value);
}

} // namespace

void TForm1::ResetGame()
{
    state_.Credit = StartingCredit;
    state_.GameInProgress = false;
    ElapsedTimeLabel1->ResetClock();
    state_.Busy = false;
    PauseGame1->setEnabled(false);
    PauseGame1->setChecked(false);
    PauseGame1Update();
    deck_.ResetDeck();
    state_.Held.fill(false);
    state_.WinCard.fill(false);
    state_.CanHold = false;
    state_.HandsPlayed = 0;
    state_.HiWin = 0;
    state_.TotalWon = 0;
    state_.HiScore = state_.LoScore = state_.Credit;
    emit gameReset();
}

void TForm1::ResetTable(bool ShowSetupInfo)
{
    for (QLabel* title : {Label12, Label14}) {
        QPalette palette = title->palette();
        palette.setColor(QPalette::WindowText, vel::ToQColor(vel::clHighlight));
        title->setPalette(palette);
    }
    for (int place = 1; place <= 5; ++place) {
        HighlightStatusPanel(place - 1, false);
        SetPlaceColor(place, settings_.PanelColor);
        ClearPlace(place);
        SetHoldMarker(place, false);
    }
    ShowCredit();
    SetCaption(Label10, QString());
    SetCaption(Label11, QString());
    WriteIdentityPanels(ShowSetupInfo);
    BitBtn1->setEnabled(false);
    BitBtn2->setEnabled(true);
    MakeDefault(BitBtn2);
    for (QWidget* control : {static_cast<QWidget*>(ComboBox2), static_cast<QWidget*>(Label8),
                             static_cast<QWidget*>(ComboBox1), static_cast<QWidget*>(Label13)})
        control->setEnabled(true);
    if (isVisible())
        BitBtn2->setFocus();
    SetHintsShown(false);
}

void TForm1::BitBtn2Click()
{
    if (state_.Busy || !BitBtn2->isEnabled())
        return;
    BeginBusy();
    state_.GameInProgress = true;
    for (QWidget* control : {static_cast<QWidget*>(BitBtn2), static_cast<QWidget*>(ComboBox2),
                             static_cast<QWidget*>(Label8), static_cast<QWidget*>(ComboBox1),
                             static_cast<QWidget*>(Label13)})
        control->setEnabled(false);
    state_.Held.fill(false);
    state_.WinCard.fill(false);
    for (int place = 1; place <= 5; ++place)
        SetHoldMarker(place, false);
    SetCaption(Label10, QString());
    SetCaption(Label11, QString());
    state_.CurrentBet = qMin(ComboBox2->currentText().toInt(), state_.Credit);
    state_.Credit -= state_.CurrentBet;
    ShowCredit();
    SetCaption(Label9, QStringLiteral("Current Bet  %1").arg(state_.CurrentBet));
    deck_.ShuffleDeck();
    Deal();
    ElapsedTimeLabel1->StartClock();
    EndBusy();
    state_.CanHold = true;
    BitBtn1->setEnabled(true);
    MakeDefault(BitBtn1);
    BitBtn1->setFocus();
    emit handDealt();
    RunDeferredCommands();
}

// Blanks the five places, then turns up five cards one step apart.
void TForm1::Deal()
{
    for (int place = 1; place <= 5; ++place) {
        SetPlaceColor(place, settings_.PanelColor);
        ClearPlace(place);
    }
    Delay(AnimationStep);
    for (int place = 1; place <= 5; ++place) {
        state_.Hand[place - 1] = deck_.NextCard();
        ShowCard(place, state_.Hand[place - 1]);
        if (place < 5)
            Delay(AnimationStep);
    }
}

void TForm1::BitBtn1Click()
{
    if (state_.Busy || !state_.CanHold || !BitBtn1->isEnabled())
        return;
    if (!advisor_->ConfirmDraw())
        return;
    emit drawStarted();
    BeginBusy();
    BitBtn1->setEnabled(false);
    state_.CanHold = false;
    Draw();
    const int payout = SettleHand();
    ElapsedTimeLabel1->RefreshClock();
    RecordStatistics(payout);
    QCoreApplication::processEvents();
    emit handSettled(payout);
    if (state_.Celebrate)
        celebration_->Run(tadaSound_);
    EndBusy();
    if (RunDeferredCommands())
        return;
    if (state_.Credit <= 0) {
        GameOver();
        return;
    }
    BitBtn2->setEnabled(true);
    BitBtn2->setFocus();
    MakeDefault(BitBtn2);
    ComboBox2->setEnabled(true);
    Label8->setEnabled(true);
}

// Replaces the cards not held, one step apart; held places never flicker.
void TForm1::Draw()
{
    for (int place = 1; place <= 5; ++place) {
        if (!state_.Held[place - 1])
            ClearPlace(place);
    }
    Delay(AnimationStep);
    for (int place = 1; place <= 5; ++place) {
        if (state_.Held[place - 1])
            continue;
        state_.Hand[place - 1] = deck_.NextCard();
        ShowCard(place, state_.Hand[place - 1]);
        if (place < 5)
            Delay(AnimationStep);
    }
    for (int place = 1; place <= 5; ++place)
        SetHoldMarker(place, false);
    QCoreApplication::processEvents();
}

int TForm1::SettleHand()
{
    std::string ranks, suits;
    for (vel::Card card : state_.Hand) {
        ranks += vel::RankLetter(card);
        suits += vel::SuitLetter(card);
    }
    const int evaluation = vel::EvaluateHand(ranks, suits, state_.WinCard);
    const int code = vel::CategoryOf(evaluation);
    const int payout = payTable_.PayoutFor(code, state_.CurrentBet);
    state_.Celebrate = code >= settings_.CelebrateLevel;
    state_.Credit += payout;
    if (payout > 0)
        SetCaption(Label11, QStringLiteral("Win ") + Number(payout));
    ShowCredit();
    SetCaption(Label10, QString::fromStdString(vel::HandName(evaluation)));
    for (int place = 1; place <= 5; ++place) {
        const bool winning = code > 0 && state_.WinCard[place - 1];
        SetPlaceColor(place, winning ? settings_.WinColor : settings_.PanelColor);
    }
    return payout;
}

// Counts the hand and marks the records it set, each compared strictly.
void TForm1::RecordStatistics(int payout)
{
    ++state_.HandsPlayed;
    state_.TotalWon += payout;
    const float average = static_cast<float>(state_.TotalWon) / static_cast<float>(state_.HandsPlayed);
    const bool newHiWin = payout > state_.HiWin;
    const bool newHiScore = state_.Credit > state_.HiScore;
    const bool newLoScore = state_.Credit < state_.LoScore;
    if (newHiWin)
        state_.HiWin = payout;
    if (newHiScore)
        state_.HiScore = state_.Credit;
    if (newLoScore)
        state_.LoScore = state_.Credit;
    HighlightStatusPanel(2, newHiWin);
    HighlightStatusPanel(3, newHiScore);
    HighlightStatusPanel(4, newLoScore);
    StatusBarPro1->Panel(0).SetText(QStringLiteral("Hands= ") + Number(state_.HandsPlayed));
    StatusBarPro1->Panel(1).SetText(QStringLiteral("AVG Win= ") + QLocale().toString(average, 'f', 2));
    StatusBarPro1->Panel(2).SetText(QStringLiteral("Hi Win= ") + Number(state_.HiWin));
    StatusBarPro1->Panel(3).SetText(QStringLiteral("Hi Score= ") + Number(state_.HiScore));
    StatusBarPro1->Panel(4).SetText(QStringLiteral("Lo Score= ") + Number(state_.LoScore));
    QCoreApplication::processEvents();
}

void TForm1::GameOver()
{
    state_.GameInProgress = false;
    for (QWidget* control : {static_cast<QWidget*>(BitBtn1), static_cast<QWidget*>(BitBtn2),
                             static_cast<QWidget*>(ComboBox2), static_cast<QWidget*>(Label8)})
        control->setEnabled(false);
    QCoreApplication::processEvents();
    celebration_->PlaySoundFile(chimesSound_);
    QMessageBox::StandardButton answer = QMessageBox::Cancel;
    AskConfirm(QStringLiteral("Game Over.  Play Again?"), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
               50, &answer);
    if (answer == QMessageBox::Yes) {
        New1Click();
    } else if (answer == QMessageBox::No) {
        close();
    } else {
        ElapsedTimeLabel1->StopClock();
        state_.Busy = false;
        PauseGame1->setEnabled(false);
        PauseGame1Update();
        SetHintsShown(true);
        HighlightStatusPanel(4, false);
    }
}

void TForm1::New1Click()
{
    if (state_.Busy)
        pendingNew_ = true;
    else
        StartNewGame();
}

// Asks first when a game with completed hands and credit left would be lost.
bool TForm1::StartNewGame()
{
    const bool ask = state_.Credit > 0 && state_.HandsPlayed > 0;
    if (ask && !AskConfirm(vel::ApplicationTitle() + QStringLiteral(" Game in Progress.  New Game?"),
                           QMessageBox::Yes | QMessageBox::No, 50))
        return false;
    ResetGame();
    ResetTable(false);
    return true;
}

// The status bar's texts before the first hand of a game.
void TForm1::WriteIdentityPanels(bool ShowSetupInfo)
{
    StatusBarPro1->Panel(0).SetText(QStringLiteral("Copyright 2026"));
    StatusBarPro1->Panel(1).SetText(QStringLiteral("Arlo Fenwick"));
    StatusBarPro1->Panel(2).SetText(QStringLiteral("vel Zezuv V1.0"));
    const bool largeFonts = logicalDpiX() > 96;
    StatusBarPro1->Panel(3).SetText(!ShowSetupInfo ? QString()
                                   : installedMode_ ? QStringLiteral("Installed") : QStringLiteral("Portable"));
    StatusBarPro1->Panel(4).SetText(!ShowSetupInfo ? QString()
                                   : largeFonts ? QStringLiteral("Large Fonts") : QStringLiteral("Small Fonts"));
}

void TForm1::ComboBox2Change()
{
    state_.CurrentBet = ComboBox2->currentText().toInt();
    SetCaption(Label9, QStringLiteral("Current Bet  %1").arg(state_.CurrentBet));
}

void TForm1::BeginBusy()
{
    state_.Busy = true;
    PauseGame1->setEnabled(false);
    PauseGame1Update();
}

void TForm1::EndBusy()
{
    state_.Busy = false;
    PauseGame1->setEnabled(true);
    PauseGame1Update();
}

// Commands asked for while cards were moving run now, in the order a
// player would expect; true when the round was replaced or the table closed.
bool TForm1::RunDeferredCommands()
{
    const bool options = std::exchange(pendingOptions_, false);
    const bool newGame = std::exchange(pendingNew_, false);
    const bool closing = std::exchange(pendingClose_, false);
    if (options)
        Options1Click();
    if (newGame && StartNewGame())
        return true;
    if (closing && close())
        return true;
    return false;
}

bool TForm1::AskConfirm(const QString& text, QMessageBox::StandardButtons buttons, int leftOffset,
                        QMessageBox::StandardButton* answer)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), text, buttons, this);
    box.setObjectName(QStringLiteral("ConfirmBox"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::No);
    const QWidget* panel2 = cardPanels_[1];
    box.move(frameGeometry().left() + panel2->x() + leftOffset, frameGeometry().top() + panel2->y() + 85);
    const auto result = static_cast<QMessageBox::StandardButton>(box.exec());
    if (answer)
        *answer = result;
    return result == QMessageBox::Yes;
}

// Lets the window repaint and take input, then waits without freezing it.
void TForm1::Delay(int milliseconds)
{
    QCoreApplication::processEvents();
    const int wait = qRound(milliseconds * animationScale_);
    if (wait <= 0)
        return;
    QEventLoop loop;
    QTimer::singleShot(wait, &loop, &QEventLoop::quit);
    loop.exec();
}

void TForm1::ShowCard(int place, vel::Card card)
{
    TCardPanel* panel = cardPanels_[place - 1];
    panel->Image()->SetPicture(form2_->CardPicture(card, devicePixelRatio()));
    panel->SetCard(card);
}

void TForm1::ClearPlace(int place)
{
    TCardPanel* panel = cardPanels_[place - 1];
    panel->Image()->SetPicture(form2_->CardPicture(TForm2::BlankSlot, devicePixelRatio()));
    panel->SetCard(0);
}

void TForm1::SetPlaceColor(int place, vel::TColor color)
{
    cardPanels_[place - 1]->SetColor(vel::ToQColor(color));
}

void TForm1::SetHoldMarker(int place, bool held)
{
    SetCaption(holdMarkers_[place - 1], held ? QStringLiteral("HOLD") : QString());
    cardPanels_[place - 1]->SetHeld(held);
}

void TForm1::ShowCredit()
{
    SetCaption(Label7, Number(state_.Credit));
}

void TForm1::MakeDefault(QPushButton* button)
{
    for (QPushButton* candidate : {BitBtn1, BitBtn2})
        candidate->setDefault(candidate == button);
    defaultButton_ = button;
}
