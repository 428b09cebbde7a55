#pragma once

#include "engine/Cards.h"

#include <QWidget>

#include <array>
#include <span>

class QToolButton;

// The 52 cards to pick from, a row for each suit, a column for each rank;
// each card a button that stays pressed while the card is picked, named for
// a screen reader by its full name. The grid is one stop of the Tab key:
// the arrow keys move between its cards and Space picks one.
class TCardGrid : public QWidget {
    Q_OBJECT
public:
    explicit TCardGrid(QWidget* parent = nullptr);

    // Presses the buttons of `cards` and releases the others; no signal.
    void ShowPicked(std::span<const vel::Card> cards);
    QToolButton* Button(vel::Card card) const { return buttons_[static_cast<std::size_t>(card - 1)]; }

signals:
    void toggled(vel::Card card, bool picked);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void MoveFocusTo(int index);

    std::array<QToolButton*, vel::StandardDeckSize> buttons_{};
    int focusIndex_ = 0; // the one card the Tab key stops at
};
