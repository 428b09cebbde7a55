#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace vel {

// A card is a number 1..52: suit (n - 1) / 13 in the order clubs, diamonds,
// hearts, spades; rank (n - 1) % 13 from two to ace.
using Card = int;

inline constexpr char RankLetters[] = "23456789TJQKA";
inline constexpr char SuitLetters[] = "CDHS";
inline constexpr int StandardDeckSize = 52;

constexpr int SuitOf(Card card) { return (card - 1) / 13; }
constexpr int RankOf(Card card) { return (card - 1) % 13; }
constexpr char RankLetter(Card card) { return RankLetters[RankOf(card)]; }
constexpr char SuitLetter(Card card) { return SuitLetters[SuitOf(card)]; }

// The five cards on the table; place p (1..5) is element p - 1.
using Hand = std::array<Card, 5>;

// Milliseconds since midnight UTC, the seed source of the generator.
std::uint32_t UtcMillisecondsOfDay();

// The game's one deck with its next-card position and its random generator.
// Positions are counted from 1, as the player would count them.
class Deck {
public:
    using TimeOfDay = std::function<std::uint32_t()>;

    explicit Deck(int size = StandardDeckSize, TimeOfDay timeOfDay = UtcMillisecondsOfDay);

    void SeedRandom();
    std::int32_t RandomBelow(std::int32_t n);
    void ResetDeck();
    void ShuffleDeck();
    Card NextCard();

    int DeckSize() const { return static_cast<int>(cards_.size()); }
    int DeckPos() const { return deckPos_; }
    Card At(int position) const { return cards_.at(position - 1); }
    std::uint32_t Seed() const { return seed_; }

private:
    std::vector<Card> cards_;
    int deckPos_ = 1;
    std::uint32_t seed_ = 0;
    TimeOfDay timeOfDay_;
};

} // namespace vel
