// Showing the round: captions, card places, enabled states and the status
// bar, all read from the round and never from the widgets.
#include "game/Unit1.h"

#include "game/TableWidgets.h"
#include "shell/UElapsedTimeLabel.h"
#include "views/DesignFont.h"
#include "views/EngineText.h"
#include "views/SBPro.h"
#include "views/Unit2.h"
#include "views/VersionInfo.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace {

QString Number(int value)
{
    return QLocale().toString(value);
}

// "King of Clubs", "King of Clubs and Six of Hearts", "A, B and C".
QString Spoken(const QStringList& names)
{
    if (names.size() < 2)
        return names.value(0);
    return TForm1::tr("%1 and %2").arg(names.mid(0, names.size() - 1).join(QStringLiteral(", ")), names.last());
}

QStringList CardNames(const vel::Hand& hand, const std::array<bool, 5>& which)
{
    QStringList names;
    for (std::size_t place = 0; place < hand.size(); ++place) {
        if (which[place])
            names << CardName(hand[place]);
    }
    return names;
}

constexpr std::array<bool, 5> AllPlaces{true, true, true, true, true};

} // namespace

void TForm1::RefreshTable()
{
    const vel::RoundState& state = round_->State();
    SetCaption(Label7, Number(state.Credit));
    SetCaption(Label9, tr("Current Bet  %1").arg(state.CurrentBet));
    SetCaption(Label10, state.Evaluation ? vel::HandNameText(*state.Evaluation) : QString());
    SetCaption(Label11, state.Payout > 0 ? tr("Win %1").arg(Number(state.Payout)) : QString());
    RefreshPlaces();
    RefreshControls();
    RefreshStatusPanels();
    centralWidget()->setToolTip(state.HintsShown ? tr("Click Game - New to play a new game") : QString());
}

void TForm1::RefreshPlaces()
{
    const vel::RoundState& state = round_->State();
    for (int place = 1; place <= 5; ++place) {
        TCardPanel* panel = cardPanels_[place - 1];
        const vel::Card card = state.Shown[place - 1];
        if (panel->Card() != card || panel->Image()->Picture().isNull()) {
            panel->Image()->SetPicture(form2_->CardPicture(card > 0 ? card : TForm2::BlankSlot, devicePixelRatio()));
            panel->SetCard(card);
        }
        const vel::PlaceColor color = state.Colors[place - 1];
        panel->SetColor(vel::ToQColor(color == vel::PlaceColor::Win    ? settings_.WinColor
                                      : color == vel::PlaceColor::Hold ? settings_.HoldColor
                                                                       : settings_.PanelColor));
        SetHoldMarker(place, state.HoldShown[place - 1]);
    }
}

void TForm1::SetHoldMarker(int place, bool held)
{
    SetCaption(holdMarkers_[place - 1], held ? tr("HOLD") : QString());
    cardPanels_[place - 1]->SetHeld(held);
}

// Enter presses whichever of Draw and Bet is the default button.
void TForm1::RefreshControls()
{
    const vel::RoundState& state = round_->State();
    BitBtn1->setEnabled(state.DrawOffered);
    BitBtn2->setEnabled(state.BetOffered);
    BitBtn1->setDefault(state.DrawIsDefault);
    BitBtn2->setDefault(!state.DrawIsDefault);
    for (QWidget* control : {static_cast<QWidget*>(ComboBox2), static_cast<QWidget*>(Label8)})
        control->setEnabled(state.BetListOffered);
    for (QWidget* control : {static_cast<QWidget*>(ComboBox1), static_cast<QWidget*>(Label13)})
        control->setEnabled(state.ScheduleListOffered);
    ComboBox1->setCurrentIndex(state.Schedule);
    ComboBox2->setCurrentIndex(vel::MaxBet - state.ChosenBet);
    PauseGame1Update();
}

// Until the first hand of a game the panels say who made the game; after
// it they keep the statistics, with the records of the last hand marked.
void TForm1::RefreshStatusPanels()
{
    const vel::RoundState& state = round_->State();
    for (int panel = 0; panel < vel::StatusPanelCount; ++panel)
        StatusBarPro1->HighlightStatusPanel(panel, state.Highlighted[panel]);
    if (state.HandsPlayed == 0) {
        WriteIdentityPanels();
        return;
    }
    StatusBarPro1->Panel(vel::HandsPanel).SetText(tr("Hands= %1").arg(Number(state.HandsPlayed)));
    StatusBarPro1->Panel(vel::AverageWinPanel)
        .SetText(tr("AVG Win= %1").arg(QLocale().toString(round_->AverageWin(), 'f', 2)));
    StatusBarPro1->Panel(vel::HiWinPanel).SetText(tr("Hi Win= %1").arg(Number(state.HiWin)));
    StatusBarPro1->Panel(vel::HiScorePanel).SetText(tr("Hi Score= %1").arg(Number(state.HiScore)));
    StatusBarPro1->Panel(vel::LoScorePanel).SetText(tr("Lo Score= %1").arg(Number(state.LoScore)));
}

// The set-up panels show only at start-up.
void TForm1::WriteIdentityPanels()
{
    const bool setup = round_->State().ShowSetupInfo;
    StatusBarPro1->Panel(vel::HandsPanel).SetText(tr("Copyright %1").arg(QLatin1String(vel::version::CopyrightYear)));
    StatusBarPro1->Panel(vel::AverageWinPanel).SetText(QLatin1String(vel::version::CompanyName));
    StatusBarPro1->Panel(vel::HiWinPanel)
        .SetText(QStringLiteral("%1 V%2").arg(QLatin1String(vel::version::ProductName),
                                             QLatin1String(vel::version::ShortVersion)));
    StatusBarPro1->Panel(vel::HiScorePanel)
        .SetText(!setup ? QString() : installedMode_ ? tr("Installed") : tr("Portable"));
    StatusBarPro1->Panel(vel::LoScorePanel)
        .SetText(!setup                        ? QString()
                 : vel::IsLargeFonts(*this)    ? tr("Large Fonts")
                                               : tr("Small Fonts"));
}

void TForm1::MoveClock(vel::ClockMove move)
{
    switch (move) {
    case vel::ClockMove::Reset:
        ElapsedTimeLabel1->ResetClock();
        break;
    case vel::ClockMove::Start:
        ElapsedTimeLabel1->StartClock();
        break;
    case vel::ClockMove::Refresh:
        ElapsedTimeLabel1->RefreshClock();
        break;
    case vel::ClockMove::Stop:
        ElapsedTimeLabel1->StopClock();
        break;
    case vel::ClockMove::Pause:
        ElapsedTimeLabel1->PauseClock();
        ElapsedTimeLabel1->RefreshClock();
        break;
    case vel::ClockMove::Resume:
        ElapsedTimeLabel1->ResumeClock();
        break;
    }
}

void TForm1::AnnounceDeal()
{
    BitBtn1->setAccessibleDescription(
        tr("Dealt: %1").arg(CardNames(round_->State().Hand, AllPlaces).join(QStringLiteral(", "))));
}

void TForm1::AnnounceHolds()
{
    const QStringList held = CardNames(round_->State().Hand, round_->State().Held);
    BitBtn1->setAccessibleDescription(tr("Held: %1").arg(held.isEmpty() ? tr("nothing") : Spoken(held)));
}

void TForm1::AnnounceResult()
{
    const vel::RoundState& state = round_->State();
    QString result = tr("%1. %2").arg(CardNames(state.Hand, AllPlaces).join(QStringLiteral(", ")),
                                      vel::HandNameText(state.Evaluation.value_or(vel::Nothing)));
    if (state.Payout > 0)
        result = tr("%1, win %2").arg(result, Number(state.Payout));
    BitBtn2->setAccessibleDescription(tr("%1, credit %2").arg(result, Number(state.Credit)));
}
