#pragma once

#include "engine/Cards.h"
#include "engine/Evaluator.h"
#include "engine/PaySchedule.h"
#include "shell/SettingsFile.h"

#include <QMainWindow>
#include <QMessageBox>

#include <array>
#include <memory>
#include <optional>

class QAction;
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
class TablePrinter;
}
class Celebration;

// One game's bankroll and round. Places and statistics as the player sees
// them; only the table's named operations change it.
struct RoundState {
    int Credit = 100;
    int CurrentBet = 5;
    vel::Hand Hand{};
    std::array<bool, 5> Held{};
    vel::WinCards WinCard{};
    bool CanHold = false;
    bool Busy = false;
    bool GameInProgress = false;
    bool Celebrate = false;
    int HandsPlayed = 0;
    int TotalWon = 0;
    int HiWin = 0;
    int HiScore = 100;
    int LoScore = 100;
};

// The game table: the main window with its card places, buttons, lists,
// menus, clock and status bar, and the round of play behind them.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QString programPath, QWidget* parent = nullptr);
    ~TForm1() override;

    void InitializeMainWindow();
    void ResetGame();
    void ResetTable(bool ShowSetupInfo);
    int SettleHand();
    void ToggleHold(int place);
    void TogglePause();
    void ApplyPaySchedule();

    // Commands of the buttons and menus.
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void New1Click();
    void Options1Click();
    void ComboBox1Change();
    void ComboBox2Change();
    void PauseGame1Execute();
    void PauseGame1Update();
    void Print1Click();
    void PrinterSetup1Click();

    const RoundState& State() const { return state_; }
    const vel::Settings& CurrentSettings() const { return settings_; }
    const vel::PayTable& PayTable() const { return payTable_; }
    vel::SettingsFile& SettingsStore() { return *settingsFile_; }
    bool InstalledMode() const { return installedMode_; }
    vel::Deck& GameDeck() { return deck_; }
    TForm5* PayoutWindow() const { return form5_; }
    TForm6* OptionsDialog() const { return form6_; }
    QString TadaSound() const { return tadaSound_; }
    QString ChimesSound() const { return chimesSound_; }
    // Scales every animation pause; tests use 0 to play at full speed.
    void SetAnimationScale(double scale) { animationScale_ = scale; }
    // Saves changed settings for a session manager; false when the player
    // refused to end a game in progress.
    bool CommitSession(bool mayAskPlayer);
    // The advisor's warning before a costly draw; a change marks the settings.
    void SetWarnCostlyDraw(bool warn);

signals:
    void handDealt();
    void handSettled(int payout);
    void gameReset();
    void drawStarted();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Designing the table (Unit1.cpp).
    void CreateTable();
    void CreateCardPlaces(QWidget* client);
    void CreateLabels(QWidget* client);
    void CreateControls(QWidget* client);
    void CreateMenus();
    void CreateSecondaryWindows();
    QLabel* AddLabel(QWidget* client, const char* name, int left, int top, int pixelHeight, const QString& text);
    void SetCaption(QLabel* label, const QString& text);
    int Scaled(int designed) const;
    QFont DesignFont(int pixelHeight, bool bold = false) const;

    // The round (Unit1Round.cpp).
    void Deal();
    void Draw();
    void RecordStatistics(int payout);
    void GameOver();
    bool StartNewGame();
    void WriteIdentityPanels(bool ShowSetupInfo);
    void BeginBusy();
    void EndBusy();
    bool AskConfirm(const QString& text, QMessageBox::StandardButtons buttons, int leftOffset,
                    QMessageBox::StandardButton* answer = nullptr);
    void Delay(int milliseconds);
    void ShowCard(int place, vel::Card card);
    void ClearPlace(int place);
    void SetPlaceColor(int place, vel::TColor color);
    void SetHoldMarker(int place, bool held);
    void ShowCredit();
    void MakeDefault(QPushButton* button);
    bool RunDeferredCommands();

    // Commands, focus and windows (Unit1Commands.cpp).
    void FocusLiveButton();
    void FitCardPictures();
    void RepaintCardPanels();
    void LayoutStatusPanels();
    void HighlightStatusPanel(int index, bool on);
    void SetHintsShown(bool shown);
    void ShowModeless(QWidget* window);
    bool FormCloseQuery();
    bool SaveChangedSettings();
    void AppMinimize();
    void AppRestore();

    QString programPath_;
    vel::Deck deck_;
    vel::PayTable payTable_;
    RoundState state_;
    vel::Settings settings_;
    std::unique_ptr<vel::SettingsFile> settingsFile_;
    bool installedMode_ = true;
    QString tadaSound_;
    QString chimesSound_;
    QString savedTitle_;
    int pauseTag_ = 0;
    double animationScale_ = 1.0;
    qreal designScale_ = 1.0;
    bool picturesFitted_ = false;
    bool pendingNew_ = false;
    bool pendingClose_ = false;
    bool pendingOptions_ = false;

    std::array<TCardPanel*, 5> cardPanels_{};
    std::array<TClickLabel*, 5> holdMarkers_{};
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn3 = nullptr;
    QPushButton* defaultButton_ = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* Label14 = nullptr;
    QLabel* Label15 = nullptr;
    TClickLabel* Image6 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    TElapsedTimeLabel* ElapsedTimeLabel1 = nullptr;
    TStatusBarPro* StatusBarPro1 = nullptr;
    QAction* PauseGame1 = nullptr;
    QAction* Pause1 = nullptr;

    TForm2* form2_ = nullptr;
    TForm3* form3_ = nullptr;
    TForm4* form4_ = nullptr;
    TForm5* form5_ = nullptr;
    TForm6* form6_ = nullptr;
    TForm7* form7_ = nullptr;
    TForm8* form8_ = nullptr;
    TAdvisorForm* advisor_ = nullptr;
    std::unique_ptr<vel::TablePrinter> printer_;
    Celebration* celebration_ = nullptr;
};
