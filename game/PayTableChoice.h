#pragma once

#include "engine/BreakEven.h"
#include "shell/SettingsFile.h"

#include <QWidget>

#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class TPayTableEditor;

// Which pay table, at which bet, the advisor works out its figures for: the
// one in force on the table (following it), one of the six schedules, a
// table of the player's own typed into the editor ("Custom"), or one kept
// under a name. The editor opens for a table of the player's own, filled
// from the table in force, with the break-even royal below it.
class TPayTableChoice : public QWidget {
    Q_OBJECT
public:
    explicit TPayTableChoice(QWidget* parent = nullptr);

    // The table's schedule, its pays and its bet, which "In force" follows.
    void SetInForce(int schedule, const vel::PayTable& pays, int bet);
    void SetKeptTables(std::vector<vel::KeptPayTable> tables);
    const std::vector<vel::KeptPayTable>& KeptTables() const { return kept_; }

    vel::PayTable Pays() const;
    int Bet() const;
    // The chosen table as a heading names it.
    QString Name() const;
    // Whether the table is the player's own, typed or kept.
    bool OwnTable() const;
    // Whether the editor shows when the table is the player's own; a page
    // short of room hides it.
    void SetEditorShown(bool shown);
    // None while it is being worked out.
    void ShowBreakEven(const std::optional<std::optional<vel::BreakEvenRoyal>>& breakEven);

signals:
    // The table or the bet chosen changed.
    void chosen(const vel::PayTable& pays, int bet);
    void keptTablesChanged(const std::vector<vel::KeptPayTable>& tables);

private:
    QWidget* CreateOwnTablePanel();
    void FillList();
    void ListChosen(int item);
    void PaysEdited();
    void KeepTable();
    void DeleteTable();
    void ShowOwnControls();
    void EmitChosen();
    int KeptIndex() const; // -1 unless a kept table is chosen

    QComboBox* list_;
    QSpinBox* betBox_;
    QWidget* ownPanel_ = nullptr;
    TPayTableEditor* editor_ = nullptr;
    QLineEdit* nameBox_ = nullptr;
    QPushButton* keepButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QLabel* breakEvenLabel_ = nullptr;
    bool editorShown_ = true;
    int inForceSchedule_ = vel::DefaultPaySchedule;
    vel::PayTable inForcePays_;
    int inForceBet_ = vel::MaxBet;
    std::vector<vel::KeptPayTable> kept_;
};
