#include "engine/HandParser.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <vector>

namespace vel {

namespace {

constexpr int Ranks = 13;

// The suit symbols in UTF-8, black and white, in the order of the suits.
constexpr std::array<std::array<std::string_view, 2>, 4> SuitSymbols{{
    {"\u2663", "\u2667"}, // clubs
    {"\u2666", "\u2662"}, // diamonds
    {"\u2665", "\u2661"}, // hearts
    {"\u2660", "\u2664"}, // spades
}};
constexpr std::string_view EmojiStyle = "\uFE0F"; // may follow a symbol

bool IsSeparator(char c)
{
    return c == ',' || std::isspace(static_cast<unsigned char>(c));
}

std::optional<int> ReadRank(std::string_view& text)
{
    if (text.size() >= 2 && text.substr(0, 2) == "10") {
        text.remove_prefix(2);
        return 8;
    }
    if (text.empty())
        return std::nullopt;
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(text.front())));
    const char* found = std::find(RankLetters, RankLetters + Ranks, letter);
    if (found == RankLetters + Ranks)
        return std::nullopt;
    text.remove_prefix(1);
    return static_cast<int>(found - RankLetters);
}

std::optional<int> ReadSuit(std::string_view& text)
{
    if (text.empty())
        return std::nullopt;
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(text.front())));
    for (int suit = 0; suit < 4; ++suit) {
        if (letter == SuitLetters[suit]) {
            text.remove_prefix(1);
            return suit;
        }
        for (std::string_view symbol : SuitSymbols[suit]) {
            if (text.starts_with(symbol)) {
                text.remove_prefix(symbol.size());
                if (text.starts_with(EmojiStyle))
                    text.remove_prefix(EmojiStyle.size());
                return suit;
            }
        }
    }
    return std::nullopt;
}

// The cards a word spells one after another; none when any part is no card.
std::optional<std::vector<Card>> ReadWord(std::string_view word)
{
    std::vector<Card> cards;
    while (!word.empty()) {
        const std::optional<int> rank = ReadRank(word);
        const std::optional<int> suit = rank ? ReadSuit(word) : std::nullopt;
        if (!suit)
            return std::nullopt;
        cards.push_back(*suit * Ranks + *rank + 1);
    }
    return cards;
}

} // namespace

ParsedHand ParseHand(std::string_view text)
{
    ParsedHand parsed;
    std::vector<Card> cards;
    while (!text.empty()) {
        if (IsSeparator(text.front())) {
            text.remove_prefix(1);
            continue;
        }
        const auto end = std::find_if(text.begin(), text.end(), IsSeparator);
        const std::string_view word(text.begin(), end);
        text.remove_prefix(word.size());
        const std::optional<std::vector<Card>> read = ReadWord(word);
        if (!read) {
            parsed.fault = ParsedHand::Fault::NotACard;
            parsed.word = word;
            return parsed;
        }
        for (Card card : *read) {
            if (std::find(cards.begin(), cards.end(), card) != cards.end()) {
                parsed.fault = ParsedHand::Fault::Twice;
                parsed.repeated = card;
                return parsed;
            }
            cards.push_back(card);
        }
    }
    parsed.count = static_cast<int>(cards.size());
    if (cards.size() != parsed.cards.size()) {
        parsed.fault = cards.size() < parsed.cards.size() ? ParsedHand::Fault::TooFew : ParsedHand::Fault::TooMany;
        return parsed;
    }
    std::copy(cards.begin(), cards.end(), parsed.cards.begin());
    return parsed;
}

} // namespace vel
