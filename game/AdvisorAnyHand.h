#pragma once

#include "engine/Cards.h"
#include "engine/HandParser.h"

#include <QWidget>

#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class TCardGrid;
class THoldsTable;
namespace vel {
class ChosenTableFigures;
} // namespace vel

// The advisor's page for any hand the player brings: five cards typed or
// picked on a grid of the 52, and for the chosen pay table and bet all 32
// ways to hold them, best first, with the line of the chart they match. A
// fault in the typing is named beside the box; the last hand typed whole
// stays analysed.
class TAnyHandPage : public QWidget {
    Q_OBJECT
public:
    TAnyHandPage(const vel::ChosenTableFigures& figures, QWidget* parent = nullptr);

    // Writes `hand` into the box, as though the player had typed it.
    void ShowHand(const vel::Hand& hand);
    QLineEdit* HandBox() const { return handBox_; }
    const TCardGrid* Grid() const { return grid_; }

private:
    void ReadHand();
    void CardToggled(vel::Card card, bool picked);
    void ShowFault(const vel::ParsedHand& parsed);
    void ShowFigures();

    const vel::ChosenTableFigures& figures_;
    QLineEdit* handBox_;
    QLabel* faultLabel_;
    TCardGrid* grid_;
    THoldsTable* holdsTable_;
    QLabel* chartLabel_;
    std::vector<vel::Card> picked_; // in the order typed or picked
    std::optional<vel::Hand> hand_; // the last five cards typed whole
};
