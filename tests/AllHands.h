#pragma once

#include "engine/Cards.h"

// Calls `visit` once for each of the 2,598,960 five-card hands, cards in
// ascending order.
template <typename Visit>
void ForEachHand(Visit&& visit)
{
    vel::Hand hand{};
    for (hand[0] = 1; hand[0] <= 48; ++hand[0])
        for (hand[1] = hand[0] + 1; hand[1] <= 49; ++hand[1])
            for (hand[2] = hand[1] + 1; hand[2] <= 50; ++hand[2])
                for (hand[3] = hand[2] + 1; hand[3] <= 51; ++hand[3])
                    for (hand[4] = hand[3] + 1; hand[4] <= 52; ++hand[4])
                        visit(static_cast<const vel::Hand&>(hand));
}
