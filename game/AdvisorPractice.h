#pragma once

#include "game/PracticeSession.h"

#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class QToolButton;

// The advisor's practice page: a hand from the practice deck, held with
// the keys 1 to 5 or by clicking the cards, graded with Enter, the next
// hand with Enter again; the running score and the costliest mistakes.
class TPracticePage : public QWidget {
    Q_OBJECT
public:
    TPracticePage(vel::PracticeSession& practice, QWidget* parent = nullptr);

    // The pay table and bet the holds are graded on, and the table's name.
    void SetPayTable(const vel::PayTable& pays, int bet, const QString& name);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateCards();
    void CreateShortcuts();
    void LayOutControls();
    // Enter: grades a waiting hand, else deals the next.
    void GradeOrDeal();
    void ShowHand();
    void ShowHolds();
    void ShowGrade();
    void ShowScore();
    // Tells a screen reader through the focused control, as the table does.
    void Announce(const QString& text);

    vel::PracticeSession& practice_;
    std::array<QToolButton*, 5> cards_{};
    std::array<QLabel*, 5> holdMarkers_{};
    QComboBox* dealKind_;
    QLabel* payTableLabel_;
    QPushButton* gradeButton_; // grades, then deals the next hand
    QLabel* gradeLabel_;
    QLabel* scoreLabel_;
};
