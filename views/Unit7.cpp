#include "views/Unit7.h"

#include <QCoreApplication>

namespace {

QString StrategyText()
{
    return QCoreApplication::translate("TForm7", R"(Video Zezuv Strategy

 1. Four of a kind, straight flush, royal flush
 2. 4 to a royal flush
 3. Three of a kind, straight, flush, full house
 4. 4 to a straight flush
 5. Two pair
 6. High pair
 7. 3 to a royal flush
 8. 4 to a flush
 9. Low pair
10. 4 to an outside straight
11. 2 suited high cards
12. 3 to a straight flush
13. 2 unsuited high cards (if more than 2 then pick the lowest 2)
14. Suited 10/J, 10/Q, or 10/K
15. One high card
16. Discard everything

Start at the top of the list and stop when you find a match.

This is a simple strategy. There are more complex strategies that return a little more.
==================================================
Terms:

High card: a Jack, Queen, King or Ace. These are worth keeping because a pair of them returns your bet.

Outside straight: four cards in sequence that are open at both ends, so the straight can be completed at either end, such as 7, 8, 9, 10.

Inside straight: four cards to a straight with a card missing inside, such as 6, 7, 9, 10. A, 2, 3, 4 and J, Q, K, A are inside straights too, because they sit at an extreme end and can be completed only one way.
)");
}

} // namespace

TForm7::TForm7(QWidget* mainWindow)
    : TTextWindow(mainWindow,
                  {tr("vel Zezuv - Strategy"), QSize(509, 453), QSize(200, 150), QSize(662, 424), false, tr("Strategy")},
                  StrategyText())
{
}
