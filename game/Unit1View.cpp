// Showing the round: captions, card places, enabled states and the status
// bar, all read from the round and never from the widgets, each refreshed
// by the round's signal for it.
#include "game/Unit1.h"

#include "game/AdvisorSession.h"
#include "game/TableWidgets.h"
#include "shell/UElapsedTimeLabel.h"
#include "views/DesignFont.h"
#include "views/EngineText.h"
#include "views/SBPro.h"
#include "views/Unit2.h"
#include "views/Unit5.h"
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

QString AllCardNames(const vel::Hand& hand)
{
    return vel::CardTexts(hand, vel::AllPlaces, CardName).join(QStringLiteral(", "));
}

} // namespace

void TForm1::ConnectRound()
{
    using vel::TableRound;
    connect(round_, &TableRound::phaseChanged, this, &TForm1::ShowPhase);
    connect(round_, &TableRound::creditChanged, this, &TForm1::ShowCredit);
    connect(round_, &TableRound::betChanged, this, &TForm1::ShowBet);
    connect(round_, &TableRound::scheduleChanged, this, &TForm1::ShowSchedule);
    connect(round_, &TableRound::scheduleChanged, form5_, &TForm5::ShowPayTable);
    connect(round_, &TableRound::placesChanged, this, &TForm1::RefreshPlaces);
    connect(round_, &TableRound::resultChanged, this, &TForm1::ShowResult);
    connect(round_, &TableRound::statisticsChanged, this, &TForm1::RefreshStatusPanels);
    connect(round_, &TableRound::handDealt, this, &TForm1::AnnounceDeal);
    connect(round_, &TableRound::holdsChanged, this, &TForm1::AnnounceHolds);
    connect(round_, &TableRound::handSettled, this, &TForm1::AnnounceResult);
    connect(round_, &TableRound::cardsStill, this, &TForm1::RunDeferredCommands);
    connect(round_, &TableRound::gameOver, this, &TForm1::GameOver);
    connect(ElapsedTimeLabel1, &TElapsedTimeLabel::clicked, round_, &TableRound::RefreshClock);
    ElapsedTimeLabel1->Follow(round_->Clock());
}

// All of it, once, as the table is made.
void TForm1::RefreshTable()
{
    ShowCredit();
    ShowBet();
    ShowSchedule();
    form5_->ShowPayTable(round_->Pays());
    ShowResult();
    RefreshPlaces();
    RefreshControls();
    RefreshStatusPanels();
}

// The focus goes to whichever of Draw and Bet the new phase offers.
void TForm1::ShowPhase()
{
    RefreshControls();
    FocusLiveButton();
}

void TForm1::ShowCredit()
{
    SetCaption(Label7, Number(round_->State().Credit));
}

void TForm1::ShowBet()
{
    SetCaption(Label9, tr("Current Bet  %1").arg(round_->State().CurrentBet));
    ComboBox2->setCurrentIndex(vel::MaxBet - round_->State().ChosenBet);
}

void TForm1::ShowSchedule()
{
    ComboBox1->setCurrentIndex(round_->State().Schedule);
}

void TForm1::ShowResult()
{
    const vel::RoundState& state = round_->State();
    SetCaption(Label10, state.Evaluation ? vel::HandNameText(*state.Evaluation) : QString());
    SetCaption(Label11, state.Payout > 0 ? tr("Win %1").arg(Number(state.Payout)) : QString());
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

// Enter presses whichever of Draw and Bet is the default button. After a
// game over that the player let stand, the table hints at a new game.
void TForm1::RefreshControls()
{
    BitBtn1->setEnabled(round_->DrawOffered());
    BitBtn2->setEnabled(round_->BetOffered());
    BitBtn1->setDefault(round_->DrawIsDefault());
    BitBtn2->setDefault(!round_->DrawIsDefault());
    for (QWidget* control : {static_cast<QWidget*>(ComboBox2), static_cast<QWidget*>(Label8)})
        control->setEnabled(round_->BetListOffered());
    for (QWidget* control : {static_cast<QWidget*>(ComboBox1), static_cast<QWidget*>(Label13)})
        control->setEnabled(round_->ScheduleListOffered());
    PauseGame1Update();
    centralWidget()->setToolTip(round_->HintsShown() ? tr("Click Game - New to play a new game") : QString());
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

void TForm1::AnnounceDeal()
{
    BitBtn1->setAccessibleDescription(tr("Dealt: %1").arg(AllCardNames(round_->State().Hand)));
}

// Every way to hold announces the same: the keys, a click, the advisor.
void TForm1::AnnounceHolds()
{
    const QStringList held = vel::CardTexts(round_->State().Hand, round_->HeldMask(), CardName);
    BitBtn1->setAccessibleDescription(tr("Held: %1").arg(held.isEmpty() ? tr("nothing") : Spoken(held)));
}

void TForm1::AnnounceResult()
{
    const vel::RoundState& state = round_->State();
    QString result = tr("%1. %2").arg(AllCardNames(state.Hand), vel::HandNameText(state.Evaluation.value_or(vel::Nothing)));
    if (state.Payout > 0)
        result = tr("%1, win %2").arg(result, Number(state.Payout));
    BitBtn2->setAccessibleDescription(tr("%1, credit %2").arg(result, Number(state.Credit)));
}
