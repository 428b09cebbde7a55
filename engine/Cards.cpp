#include "engine/Cards.h"

#include <chrono>
#include <numeric>
#include <utility>

namespace vel {

std::uint32_t UtcMillisecondsOfDay()
{
    using namespace std::chrono;
    const auto now = system_clock::now().time_since_epoch();
    const auto sinceMidnight = duration_cast<milliseconds>(now) % days(1);
    return static_cast<std::uint32_t>(sinceMidnight.count());
}

Deck::Deck(int size, TimeOfDay timeOfDay)
    : cards_(static_cast<std::size_t>(size)), timeOfDay_(std::move(timeOfDay))
{
    std::iota(cards_.begin(), cards_.end(), 1);
}

void Deck::SeedRandom()
{
    seed_ = timeOfDay_();
}

std::int32_t Deck::RandomBelow(std::int32_t n)
{
    seed_ = seed_ * 134775813u + 1u;
    const std::uint64_t product = std::uint64_t{seed_} * static_cast<std::uint32_t>(n);
    return static_cast<std::int32_t>(product >> 32);
}

void Deck::ResetDeck()
{
    std::iota(cards_.begin(), cards_.end(), 1);
    SeedRandom();
    deckPos_ = RandomBelow(DeckSize()) + 1;
    SeedRandom();
}

// Fisher-Yates: position i takes a card chosen uniformly from positions i..size,
// so every order of the deck is equally likely. One draw per position.
void Deck::ShuffleDeck()
{
    const int size = DeckSize();
    for (int i = 1; i <= size; ++i) {
        const int j = i + RandomBelow(size - i + 1);
        std::swap(cards_[i - 1], cards_[j - 1]);
    }
}

Card Deck::NextCard()
{
    const Card card = cards_[deckPos_ - 1];
    if (++deckPos_ > DeckSize())
        deckPos_ = 1;
    return card;
}

} // namespace vel
