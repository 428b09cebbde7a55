#pragma once

#include "game/TableRound.h"
#include "shell/SettingsFile.h"

#include <QMainWindow>
#include <QMessageBox>

#include <array>
#include <memory>

class QAction;
class QKeyEvent;
class QComboBox;
class QLabel;
class QPushButton;
class QToolButton;
class TCardPanel;
class TClickLabel;
class TElapsedTimeLabel;
class TStatusBarPro;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TAdvisorForm;
namespace vel {
class AdvisorSession;
class TablePrinter;
} // namespace vel
class Celebration;

// The game table: the main window with its card places, buttons, lists,
// menus, clock and status bar. The round itself is a `vel::TableRound`,
// which decides its own course: the handlers pass commands to its verbs,
// and each of its signals goes to what shows it. The window turns the
// cards up on its timers; nothing blocks while they move.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QString programPath, QWidget* parent = nullptr);
    ~TForm1() override;

    // Start-up, schedule, holds and the Options dialog (Unit1Commands.cpp).
    void InitializeMainWindow();
    void ToggleHold(int place);
    void ComboBox1Change(int index);
    void Options1Click();

    // The round (Unit1Round.cpp).
    void ResetGame();
    void ResetTable(bool ShowSetupInfo);
    void BitBtn1Click();
    void BitBtn2Click();
    void New1Click();
    void ComboBox2Change(int index);

    // Pause and closing (Unit1Pause.cpp).
    void TogglePause();
    void PauseGame1Execute();
    void PauseGame1Update();

    // The other windows (Unit1Commands.cpp).
    void BitBtn3Click();
    void Print1Click();
    void PrinterSetup1Click();

    const vel::RoundState& State() const { return round_->State(); }
    const vel::TableRound& Round() const { return *round_; }
    // The player's settings, with the schedule and celebration level in force.
    vel::Settings CurrentSettings() const;
    const vel::PayTable& PayTable() const { return round_->Pays(); }
    vel::SettingsFile& SettingsStore() { return *settingsFile_; }
    bool InstalledMode() const { return installedMode_; }
    vel::Deck& GameDeck() { return round_->GameDeck(); }
    TForm5* PayoutWindow() const { return form5_; }
    TForm6* OptionsDialog() const { return form6_; }
    QString TadaSound() const { return tadaSound_; }
    QString ChimesSound() const { return chimesSound_; }
    // Scales every pause of the animations; at 0 they run to their end at
    // once, as tests play.
    void SetAnimationScale(double scale) { animationScale_ = scale; }
    // Saves changed settings for a session manager; false when the player
    // refused to end a game in progress.
    bool CommitSession(bool mayAskPlayer);
    // The advisor's warning before a costly draw; a change marks the settings.
    void SetWarnCostlyDraw(bool warn);
    // The pay tables kept in the advisor; a change marks the settings.
    void SetKeptPayTables(const std::vector<vel::KeptPayTable>& tables);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Designing the table (Unit1.cpp, Unit1Layout.cpp).
    void CreateTable();
    void CreateCardPlaces(QWidget* client);
    void CreateLabels(QWidget* client);
    void CreateButtons(QWidget* client);
    void CreateLists(QWidget* client);
    void CreateClock(QWidget* client);
    void CreateMenus();
    void CreateGameMenu();
    void CreateHelpMenu();
    void CreateSecondaryWindows();
    QLabel* AddLabel(QWidget* client, const char* name, QPoint designed, int pixelHeight, const QString& text);
    void SetCaption(QLabel* label, const QString& text);
    int Scaled(int designed) const;
    QFont DesignFont(int pixelHeight, bool bold = false) const;

    // Showing the round (Unit1View.cpp): each part follows its signal.
    void ConnectRound();
    void RefreshTable();
    void ShowPhase();
    void ShowCredit();
    void ShowBet();
    void ShowSchedule();
    void ShowResult();
    void RefreshPlaces();
    void RefreshControls();
    void RefreshStatusPanels();
    void WriteIdentityPanels();
    void SetHoldMarker(int place, bool held);
    // What a screen reader says when it matters: the focused button's
    // description carries the dealt hand, the holds, the result.
    void AnnounceDeal();
    void AnnounceHolds();
    void AnnounceResult();

    // The round (Unit1Round.cpp).
    bool ConfirmCostlyDraw();
    void GameOver();
    bool StartNewGame();
    bool AskConfirm(const QString& text, QMessageBox::StandardButtons buttons, int leftOffset,
                    QMessageBox::StandardButton* answer = nullptr,
                    QMessageBox::StandardButton defaultButton = QMessageBox::Yes);
    // Goes on with `next` after a scaled pause, on a timer.
    void Later(int milliseconds, vel::TableRound::Next next);
    void RunDeferredCommands();

    // Focus, keys and windows (Unit1Commands.cpp).
    bool TableKey(const QKeyEvent& key, bool fromAdvisor);
    void FocusLiveButton();
    void FitCardPictures();
    void ShowModeless(QWidget* window);

    // Minimising and closing (Unit1Pause.cpp).
    bool FormCloseQuery();
    bool SaveChangedSettings();
    void AppMinimize();
    void AppRestore();

    QString programPath_;
    vel::TableRound* round_;
    vel::AdvisorSession* advice_ = nullptr;
    // As loaded and changed; the schedule and the celebration level in force
    // are the round's, and CurrentSettings() gathers them in.
    vel::Settings settings_;
    std::unique_ptr<vel::SettingsFile> settingsFile_;
    bool installedMode_ = true;
    QString tadaSound_;
    QString chimesSound_;
    QString savedTitle_;
    double animationScale_ = 1.0;
    int designDpi_ = 0; // the screen's, taken as the window is made
    bool picturesFitted_ = false;

    // The card places: Panel1..Panel5 with their pictures, and the "HOLD"
    // markers Label1..Label5 below them.
    std::array<TCardPanel*, 5> cardPanels_{};
    std::array<TClickLabel*, 5> holdMarkers_{};
    QPushButton* BitBtn1 = nullptr; // Draw
    QPushButton* BitBtn2 = nullptr; // Bet
    QPushButton* BitBtn3 = nullptr; // Payout Table
    QComboBox* ComboBox1 = nullptr; // the pay schedule
    QComboBox* ComboBox2 = nullptr; // the bet, highest first
    QLabel* Label6 = nullptr;       // "Credit"
    QLabel* Label7 = nullptr;       // the credit
    QLabel* Label8 = nullptr;       // "Bet", the bet list's caption
    QLabel* Label9 = nullptr;       // the current bet
    QLabel* Label10 = nullptr;      // the name of the final hand
    QLabel* Label11 = nullptr;      // the win
    QLabel* Label12 = nullptr;      // the title, "Draw Zezuv"
    QLabel* Label13 = nullptr;      // "Payout", the schedule list's caption
    QLabel* Label14 = nullptr;      // "Jacks or Better"
    QLabel* Label15 = nullptr;      // "Game Paused"
    TClickLabel* Image6 = nullptr;  // the spade that opens Donate
    QToolButton* SpeedButton1 = nullptr; // pause and resume
    TElapsedTimeLabel* ElapsedTimeLabel1 = nullptr; // the game clock
    TStatusBarPro* StatusBarPro1 = nullptr;         // statistics, or who made the game
    QAction* PauseGame1 = nullptr;  // checked while paused
    QAction* Pause1 = nullptr;      // its menu entry

    TForm2* form2_ = nullptr; // card pictures
    TForm3* form3_ = nullptr; // Help
    TForm4* form4_ = nullptr; // About
    TForm5* form5_ = nullptr; // the payout table
    TForm6* form6_ = nullptr; // Options
    TForm7* form7_ = nullptr; // Strategy
    TForm8* form8_ = nullptr; // Donate
    TAdvisorForm* advisor_ = nullptr;
    std::unique_ptr<vel::TablePrinter> printer_;
    Celebration* celebration_ = nullptr;
};
