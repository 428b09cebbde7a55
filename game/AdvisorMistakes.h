#pragma once

#include "game/MistakeLog.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

// The advisor's page of mistakes: the game's or the practice's, costliest
// first or in order of play, with the grade line of all hands graded. The
// chosen mistake can be shown again with every way to hold it.
class TMistakesPage : public QWidget {
    Q_OBJECT
public:
    TMistakesPage(const vel::MistakeLog& game, const vel::MistakeLog& practice, QWidget* parent = nullptr);

    // Shows the logs as they stand; while the page is hidden, not until shown.
    void ShowLogs();

signals:
    // The player asked to see this mistake's hand with all its holds.
    void handChosen(const vel::GradedHand& hand);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void LayOutControls();
    const vel::MistakeLog& ChosenLog() const;
    void ShowDetail();
    void ChooseCurrent();

    const vel::MistakeLog& game_;
    const vel::MistakeLog& practice_;
    QComboBox* logChoice_;
    QComboBox* orderChoice_;
    QLabel* gradeLabel_;
    QTableWidget* mistakesTable_; // each row's first cell holds its index in order of play
    QLabel* detailLabel_;
    QPushButton* showButton_; // all holds of the chosen mistake
};
