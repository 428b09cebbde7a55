#pragma once

#include "engine/Cards.h"

#include <string>
#include <string_view>

namespace vel {

// A typed hand: five cards written as rank and suit, "Kh", "K♥", "10h" or
// "Th" in any case, apart by blanks or commas ("Kh Kd 9c 8d 3d", "KhKd9c").
// Ranks 2..10, T, J, Q, K, A; suits c, d, h, s or their symbols.
struct ParsedHand {
    enum class Fault { None, NotACard, Twice, TooFew, TooMany };

    Fault fault = Fault::None;
    Hand cards{};      // in the order typed, when there is no fault
    std::string word;  // NotACard: the word that is no card, as typed
    Card repeated = 0; // Twice: the card typed twice
    int count = 0;     // the cards read, when the text holds no other fault
};

// The first fault found, reading from the left: a word that is no card, a
// card typed twice, then the number of cards.
ParsedHand ParseHand(std::string_view text);

} // namespace vel
