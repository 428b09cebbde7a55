#include "engine/Evaluator.h"

#include "engine/Cards.h"
#include "engine/Translatable.h"

#include <algorithm>

namespace vel {

namespace {

constexpr std::string_view Ranks{RankLetters};

bool IsFlush(std::string_view suits)
{
    for (std::string_view same : {"SSSSS", "DDDDD", "HHHHH", "CCCCC"}) {
        if (suits == same)
            return true;
    }
    return false;
}

// Start (1..10) of the first run of five marks, the ace marked at both ends;
// 0 when the hand holds no straight.
int StraightStart(std::string_view ranks)
{
    std::string marks(14, ' ');
    for (char letter : ranks) {
        const auto k = Ranks.find(letter);
        if (k != std::string_view::npos)
            marks[k + 1] = 'X';
    }
    marks[0] = marks[13];
    const auto start = marks.find("XXXXX");
    return start == std::string::npos ? 0 : static_cast<int>(start) + 1;
}

// The letters of every rank held two or more times, lowest rank first.
std::string RepeatedRanks(std::string_view ranks)
{
    std::string repeated;
    for (char letter : Ranks) {
        const auto count = std::count(ranks.begin(), ranks.end(), letter);
        if (count >= 2)
            repeated.append(static_cast<std::size_t>(count), letter);
    }
    return repeated;
}

int PairBitOf(char letter)
{
    switch (letter) {
    case 'J': return PairOfJacks;
    case 'Q': return PairOfQueens;
    case 'K': return PairOfKings;
    case 'A': return PairOfAces;
    default: return 0;
    }
}

int CodeFromRepeated(std::string_view repeated)
{
    switch (repeated.size()) {
    case 2: return JacksOrBetter;
    case 3: return ThreeOfAKind;
    case 4: return repeated[0] != repeated[3] ? TwoPair : FourOfAKind;
    case 5: return FullHouse;
    default: return Nothing;
    }
}

} // namespace

int EvaluateHand(std::string_view ranks, std::string_view suits, WinCards& winCard)
{
    const bool flush = IsFlush(suits);
    const int straightStart = StraightStart(ranks);
    const bool straight = straightStart > 0;

    std::string repeated = RepeatedRanks(ranks);
    int pairBit = 0;
    if (repeated.size() == 2) {
        pairBit = PairBitOf(repeated[0]);
        if (pairBit == 0)
            repeated.clear(); // a pair of twos to tens pays nothing
    }
    if (repeated.size() >= 2) {
        for (std::size_t i = 0; i < winCard.size() && i < ranks.size(); ++i) {
            if (repeated.find(ranks[i]) != std::string::npos)
                winCard[i] = true;
        }
    }
    if (flush || straight)
        winCard.fill(true);

    int code = CodeFromRepeated(repeated);
    if (straight)
        code = Straight;
    if (flush)
        code = Flush;
    if (straight && flush)
        code = straightStart == 10 ? RoyalFlush : StraightFlush;
    return code | pairBit;
}

std::string HandName(int evaluation)
{
    switch (CategoryOf(evaluation)) {
    case Nothing: return VEL_TRANSLATABLE("Hand", "Nothing");
    case JacksOrBetter:
        switch (evaluation & 0xF00) {
        case PairOfJacks: return VEL_TRANSLATABLE("Hand", "Pair of Jacks");
        case PairOfQueens: return VEL_TRANSLATABLE("Hand", "Pair of Queens");
        case PairOfKings: return VEL_TRANSLATABLE("Hand", "Pair of Kings");
        case PairOfAces: return VEL_TRANSLATABLE("Hand", "Pair of Aces");
        default: return {};
        }
    case TwoPair: return VEL_TRANSLATABLE("Hand", "Two Pair");
    case ThreeOfAKind: return VEL_TRANSLATABLE("Hand", "Three of a Kind");
    case Straight: return VEL_TRANSLATABLE("Hand", "Straight");
    case Flush: return VEL_TRANSLATABLE("Hand", "Flush");
    case FullHouse: return VEL_TRANSLATABLE("Hand", "Full House");
    case FourOfAKind: return VEL_TRANSLATABLE("Hand", "Four of a Kind");
    case StraightFlush: return VEL_TRANSLATABLE("Hand", "Straight Flush");
    case RoyalFlush: return VEL_TRANSLATABLE("Hand", "Royal Flush");
    default: return {};
    }
}

} // namespace vel
