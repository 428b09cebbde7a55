#include "engine/StrategyChartPatterns.h"

#include "engine/FastEvaluator.h"
#include "engine/Translatable.h"

#include <algorithm>
#include <bit>
#include <initializer_list>
#include <iterator>

namespace vel {

namespace {

constexpr int Ranks = 13;
constexpr int Ace = 12;
constexpr int Jack = 9;
constexpr unsigned TenToAce = 0x1F00;
constexpr int HandSize = 5;

// Ranks as bits for the high-card patterns.
namespace rankbit {
constexpr unsigned T = 1u << 8, J = 1u << 9, Q = 1u << 10, K = 1u << 11, A = 1u << 12;
}

// Runs of five ranks are counted with the ace both high and low. A 3-card
// straight-flush draw has 3 - runs "gaps": missing ranks, and edges that
// block a run (the ace of A-2-3, the two of 2-3-4) count as gaps too.
constexpr HoldPattern SimplePatterns[] = {
    {VEL_TRANSLATABLE("Chart", "Royal flush"), PatternKind::MadeHand, 5, RoyalFlush, -1, Suits::Any, 0},
    {VEL_TRANSLATABLE("Chart", "Straight flush"), PatternKind::MadeHand, 5, StraightFlush, -1, Suits::Any, 0},
    {VEL_TRANSLATABLE("Chart", "Four of a kind"), PatternKind::SameRank, 4, 0, -1, Suits::Any, 0},
    {VEL_TRANSLATABLE("Chart", "Full house"), PatternKind::MadeHand, 5, FullHouse, -1, Suits::Any, 0},
    {VEL_TRANSLATABLE("Chart", "Flush"), PatternKind::MadeHand, 5, Flush, -1, Suits::Any, 0},
    {VEL_TRANSLATABLE("Chart", "Straight"), PatternKind::MadeHand, 5, Straight, -1, Suits::Any, 0},
    {VEL_TRANSLATABLE("Chart", "Three of a kind"), PatternKind::SameRank, 3, 0, -1, Suits::Any, 0},
    {VEL_TRANSLATABLE("Chart", "Two pair"), PatternKind::TwoPair, 4, 0, -1, Suits::Any, 0},
    {VEL_TRANSLATABLE("Chart", "High pair (jacks or better)"), PatternKind::SameRank, 2, 0, 2, Suits::Any, 0},
    {VEL_TRANSLATABLE("Chart", "Low pair (twos to tens)"), PatternKind::SameRank, 2, 0, 0, Suits::Any, 0},
    {VEL_TRANSLATABLE("Chart", "4 to a royal flush"), PatternKind::RoyalDraw, 4, 0, -1, Suits::OneSuit, 0},
    {VEL_TRANSLATABLE("Chart", "3 to a royal flush"), PatternKind::RoyalDraw, 3, 0, -1, Suits::OneSuit, 0},
    {VEL_TRANSLATABLE("Chart", "4 to a straight flush"), PatternKind::StraightFlushDraw, 4, 0, -1, Suits::OneSuit, 0},
    {VEL_TRANSLATABLE("Chart", "4 to an outside straight flush"), PatternKind::StraightFlushDraw, 4, 2, -1, Suits::OneSuit, 0},
    {VEL_TRANSLATABLE("Chart", "4 to an inside straight flush"), PatternKind::StraightFlushDraw, 4, 1, -1, Suits::OneSuit, 0},
    {VEL_TRANSLATABLE("Chart", "3 to a straight flush, no high card, no gap"), PatternKind::StraightFlushDraw, 3, 3, 0, Suits::OneSuit, 0},
    {VEL_TRANSLATABLE("Chart", "3 to a straight flush, no high card, 1 gap"), PatternKind::StraightFlushDraw, 3, 2, 0, Suits::OneSuit, 0},
    {VEL_TRANSLATABLE("Chart", "3 to a straight flush, no high card, 2 gaps"), PatternKind::StraightFlushDraw, 3, 1, 0, Suits::OneSuit, 0},
    {VEL_TRANSLATABLE("Chart", "3 to a straight flush, 1 high card, no gap"), PatternKind::StraightFlushDraw, 3, 3, 1, Suits::OneSuit, 0},
    {VEL_TRANSLATABLE("Chart", "3 to a straight flush, 1 high card, 1 gap"), PatternKind::StraightFlushDraw, 3, 2, 1, Suits::OneSuit, 0},
    {VEL_TRANSLATABLE("Chart", "3 to a straight flush, 1 high card, 2 gaps"), PatternKind::StraightFlushDraw, 3, 1, 1, Suits::OneSuit, 0},
    {VEL_TRANSLATABLE("Chart", "3 to a straight flush, 2 high cards, 1 gap"), PatternKind::StraightFlushDraw, 3, 2, 2, Suits::OneSuit, 0},
    {VEL_TRANSLATABLE("Chart", "3 to a straight flush, 2 high cards, 2 gaps"), PatternKind::StraightFlushDraw, 3, 1, 2, Suits::OneSuit, 0},
    {VEL_TRANSLATABLE("Chart", "4 to a flush"), PatternKind::FlushDraw, 4, 0, -1, Suits::OneSuit, 0},
    {VEL_TRANSLATABLE("Chart", "4 to a flush, no high card"), PatternKind::FlushDraw, 4, 0, 0, Suits::OneSuit, 0},
    {VEL_TRANSLATABLE("Chart", "4 to a flush, 1 high card"), PatternKind::FlushDraw, 4, 0, 1, Suits::OneSuit, 0},
    {VEL_TRANSLATABLE("Chart", "4 to a flush, 2 high cards"), PatternKind::FlushDraw, 4, 0, 2, Suits::OneSuit, 0},
    {VEL_TRANSLATABLE("Chart", "4 to a flush, 3 high cards"), PatternKind::FlushDraw, 4, 0, 3, Suits::OneSuit, 0},
    {VEL_TRANSLATABLE("Chart", "4 to an outside straight"), PatternKind::StraightDraw, 4, 2, -1, Suits::Any, 0},
    {VEL_TRANSLATABLE("Chart", "4 to an outside straight, no high card"), PatternKind::StraightDraw, 4, 2, 0, Suits::Any, 0},
    {VEL_TRANSLATABLE("Chart", "4 to an outside straight, 1 high card"), PatternKind::StraightDraw, 4, 2, 1, Suits::Any, 0},
    {VEL_TRANSLATABLE("Chart", "4 to an outside straight, 2 high cards"), PatternKind::StraightDraw, 4, 2, 2, Suits::Any, 0},
    {VEL_TRANSLATABLE("Chart", "4 to an outside straight, 3 high cards (TJQK)"), PatternKind::StraightDraw, 4, 2, 3, Suits::Any, 0},
    {VEL_TRANSLATABLE("Chart", "4 to an inside straight"), PatternKind::StraightDraw, 4, 1, -1, Suits::Any, 0},
    {VEL_TRANSLATABLE("Chart", "4 to an inside straight, no high card"), PatternKind::StraightDraw, 4, 1, 0, Suits::Any, 0},
    {VEL_TRANSLATABLE("Chart", "4 to an inside straight, 1 high card"), PatternKind::StraightDraw, 4, 1, 1, Suits::Any, 0},
    {VEL_TRANSLATABLE("Chart", "4 to an inside straight, 2 high cards"), PatternKind::StraightDraw, 4, 1, 2, Suits::Any, 0},
    {VEL_TRANSLATABLE("Chart", "4 to an inside straight, 3 high cards"), PatternKind::StraightDraw, 4, 1, 3, Suits::Any, 0},
    {VEL_TRANSLATABLE("Chart", "4 to an inside straight, 4 high cards (AKQJ)"), PatternKind::StraightDraw, 4, 1, 4, Suits::Any, 0},
    {VEL_TRANSLATABLE("Chart", "AK suited"), PatternKind::HighCards, 2, 0, -1, Suits::OneSuit, rankbit::A | rankbit::K},
    {VEL_TRANSLATABLE("Chart", "AQ suited"), PatternKind::HighCards, 2, 0, -1, Suits::OneSuit, rankbit::A | rankbit::Q},
    {VEL_TRANSLATABLE("Chart", "AJ suited"), PatternKind::HighCards, 2, 0, -1, Suits::OneSuit, rankbit::A | rankbit::J},
    {VEL_TRANSLATABLE("Chart", "KQ suited"), PatternKind::HighCards, 2, 0, -1, Suits::OneSuit, rankbit::K | rankbit::Q},
    {VEL_TRANSLATABLE("Chart", "KJ suited"), PatternKind::HighCards, 2, 0, -1, Suits::OneSuit, rankbit::K | rankbit::J},
    {VEL_TRANSLATABLE("Chart", "QJ suited"), PatternKind::HighCards, 2, 0, -1, Suits::OneSuit, rankbit::Q | rankbit::J},
    {VEL_TRANSLATABLE("Chart", "AT suited"), PatternKind::HighCards, 2, 0, -1, Suits::OneSuit, rankbit::A | rankbit::T},
    {VEL_TRANSLATABLE("Chart", "KT suited"), PatternKind::HighCards, 2, 0, -1, Suits::OneSuit, rankbit::K | rankbit::T},
    {VEL_TRANSLATABLE("Chart", "QT suited"), PatternKind::HighCards, 2, 0, -1, Suits::OneSuit, rankbit::Q | rankbit::T},
    {VEL_TRANSLATABLE("Chart", "JT suited"), PatternKind::HighCards, 2, 0, -1, Suits::OneSuit, rankbit::J | rankbit::T},
    {VEL_TRANSLATABLE("Chart", "AKQ unsuited"), PatternKind::HighCards, 3, 0, -1, Suits::Mixed, rankbit::A | rankbit::K | rankbit::Q},
    {VEL_TRANSLATABLE("Chart", "AKJ unsuited"), PatternKind::HighCards, 3, 0, -1, Suits::Mixed, rankbit::A | rankbit::K | rankbit::J},
    {VEL_TRANSLATABLE("Chart", "AQJ unsuited"), PatternKind::HighCards, 3, 0, -1, Suits::Mixed, rankbit::A | rankbit::Q | rankbit::J},
    {VEL_TRANSLATABLE("Chart", "KQJ unsuited"), PatternKind::HighCards, 3, 0, -1, Suits::Mixed, rankbit::K | rankbit::Q | rankbit::J},
    {VEL_TRANSLATABLE("Chart", "QJ unsuited"), PatternKind::HighCards, 2, 0, -1, Suits::Mixed, rankbit::Q | rankbit::J},
    {VEL_TRANSLATABLE("Chart", "KJ unsuited"), PatternKind::HighCards, 2, 0, -1, Suits::Mixed, rankbit::K | rankbit::J},
    {VEL_TRANSLATABLE("Chart", "KQ unsuited"), PatternKind::HighCards, 2, 0, -1, Suits::Mixed, rankbit::K | rankbit::Q},
    {VEL_TRANSLATABLE("Chart", "AJ unsuited"), PatternKind::HighCards, 2, 0, -1, Suits::Mixed, rankbit::A | rankbit::J},
    {VEL_TRANSLATABLE("Chart", "AQ unsuited"), PatternKind::HighCards, 2, 0, -1, Suits::Mixed, rankbit::A | rankbit::Q},
    {VEL_TRANSLATABLE("Chart", "AK unsuited"), PatternKind::HighCards, 2, 0, -1, Suits::Mixed, rankbit::A | rankbit::K},
    {VEL_TRANSLATABLE("Chart", "J only"), PatternKind::HighCards, 1, 0, -1, Suits::Any, rankbit::J},
    {VEL_TRANSLATABLE("Chart", "Q only"), PatternKind::HighCards, 1, 0, -1, Suits::Any, rankbit::Q},
    {VEL_TRANSLATABLE("Chart", "K only"), PatternKind::HighCards, 1, 0, -1, Suits::Any, rankbit::K},
    {VEL_TRANSLATABLE("Chart", "A only"), PatternKind::HighCards, 1, 0, -1, Suits::Any, rankbit::A},
    {VEL_TRANSLATABLE("Chart", "3 to a flush"), PatternKind::FlushDraw, 3, 0, -1, Suits::OneSuit, 0},
    {VEL_TRANSLATABLE("Chart", "3 to a flush, 1 high card"), PatternKind::FlushDraw, 3, 0, 1, Suits::OneSuit, 0},
    {VEL_TRANSLATABLE("Chart", "3 to a flush, 2 high cards"), PatternKind::FlushDraw, 3, 0, 2, Suits::OneSuit, 0},
};

// The simple patterns with these names, in this order.
constexpr PatternMembers Named(std::initializer_list<std::string_view> names)
{
    PatternMembers members;
    for (std::string_view name : names) {
        std::size_t id = 0;
        while (SimplePatterns[id].name != name)
            ++id; // an unknown name reads past the table: not a constant expression
        members.ids.at(members.count++) = static_cast<PatternId>(id);
    }
    return members;
}

// Lines that stand for several simple ones; when a hand shows more than one,
// the first named holds (the full house before its three of a kind, the
// lowest high cards first).
constexpr HoldPattern CombinedPatterns[] = {
    {VEL_TRANSLATABLE("Chart", "Royal flush, straight flush or four of a kind"), PatternKind::AnyOf, 0, 0, -1, Suits::Any, 0,
     Named({"Royal flush", "Straight flush", "Four of a kind"})},
    {VEL_TRANSLATABLE("Chart", "Full house, flush, straight or three of a kind"), PatternKind::AnyOf, 0, 0, -1, Suits::Any, 0,
     Named({"Full house", "Flush", "Straight", "Three of a kind"})},
    {VEL_TRANSLATABLE("Chart", "3 to a straight flush, as many high cards as gaps or more"), PatternKind::AnyOf, 0, 0, -1, Suits::Any, 0,
     Named({"3 to a straight flush, no high card, no gap", "3 to a straight flush, 1 high card, no gap",
            "3 to a straight flush, 1 high card, 1 gap", "3 to a straight flush, 2 high cards, 1 gap",
            "3 to a straight flush, 2 high cards, 2 gaps"})},
    {VEL_TRANSLATABLE("Chart", "3 to a straight flush, one gap more than high cards"), PatternKind::AnyOf, 0, 0, -1, Suits::Any, 0,
     Named({"3 to a straight flush, no high card, 1 gap", "3 to a straight flush, 1 high card, 2 gaps"})},
    {VEL_TRANSLATABLE("Chart", "KQ or KJ suited"), PatternKind::AnyOf, 0, 0, -1, Suits::Any, 0, Named({"KQ suited", "KJ suited"})},
    {VEL_TRANSLATABLE("Chart", "AK, AQ or AJ suited"), PatternKind::AnyOf, 0, 0, -1, Suits::Any, 0,
     Named({"AK suited", "AQ suited", "AJ suited"})},
    {VEL_TRANSLATABLE("Chart", "KQ or KJ unsuited"), PatternKind::AnyOf, 0, 0, -1, Suits::Any, 0, Named({"KJ unsuited", "KQ unsuited"})},
    {VEL_TRANSLATABLE("Chart", "AK, AQ or AJ unsuited"), PatternKind::AnyOf, 0, 0, -1, Suits::Any, 0,
     Named({"AJ unsuited", "AQ unsuited", "AK unsuited"})},
    {VEL_TRANSLATABLE("Chart", "Two unsuited high cards, the lowest two"), PatternKind::AnyOf, 0, 0, -1, Suits::Any, 0,
     Named({"QJ unsuited", "KJ unsuited", "KQ unsuited", "AJ unsuited", "AQ unsuited", "AK unsuited"})},
    {VEL_TRANSLATABLE("Chart", "One high card, the lowest"), PatternKind::AnyOf, 0, 0, -1, Suits::Any, 0,
     Named({"J only", "Q only", "K only", "A only"})},
};

constexpr HoldPattern DrawFivePattern{VEL_TRANSLATABLE("Chart", "Draw five (hold nothing)"), PatternKind::DrawFive, 0, 0, -1, Suits::Any, 0};

constexpr std::size_t SimpleCount = std::size(SimplePatterns);
static_assert(SimpleCount + std::size(CombinedPatterns) + 1 == PatternCount, "PatternCount counts the table");

constexpr auto Table = [] {
    std::array<HoldPattern, PatternCount> table{};
    std::copy(std::begin(SimplePatterns), std::end(SimplePatterns), table.begin());
    std::copy(std::begin(CombinedPatterns), std::end(CombinedPatterns), table.begin() + SimpleCount);
    table.back() = DrawFivePattern;
    return table;
}();

// How many runs of five ranks hold every rank of the set, the ace counting
// high or low; sets of distinct ranks only.
constexpr auto RunsHolding = [] {
    constexpr unsigned AceEnds = 1u | (1u << Ranks); // ace low and ace high
    std::array<std::uint8_t, 1u << Ranks> runs{};
    for (unsigned ranks = 0; ranks < runs.size(); ++ranks) {
        const unsigned others = (ranks & ~(1u << Ace)) << 1; // bit r + 1: rank r
        const bool ace = ranks & (1u << Ace);
        for (int start = 0; start + 5 <= Ranks + 1; ++start) {
            const unsigned run = 0x1Fu << start;
            if ((others & ~run) == 0 && (!ace || (run & AceEnds)))
                ++runs[ranks];
        }
    }
    return runs;
}();

// What a player sees in a set of held cards.
struct HoldShape {
    int cards = 0;
    unsigned ranks = 0; // bit r set: rank r held
    int distinctRanks = 0;
    int mostOfARank = 0;
    int highCards = 0;
    bool oneSuit = true;
    int suit = 0; // of the last card added
    int category = Nothing; // of the five cards, when all are held
    HandKey key = 0;
};

// The shape of `held` with one more card.
HoldShape WithCard(HoldShape shape, Card card)
{
    const int rank = RankOf(card);
    shape.oneSuit = shape.cards == 0 || (shape.oneSuit && SuitOf(card) == shape.suit);
    shape.suit = SuitOf(card);
    ++shape.cards;
    shape.key += CardKey(card);
    const int ofRank = static_cast<int>((shape.key >> (4 * rank)) & 0xF);
    shape.ranks |= 1u << rank;
    shape.highCards += rank >= Jack;
    shape.distinctRanks += ofRank == 1;
    shape.mostOfARank = std::max(shape.mostOfARank, ofRank);
    if (shape.cards == HandSize)
        shape.category = CategoryOfKey(shape.key);
    return shape;
}

// Whether the ranks lie in the runs a draw pattern asks for (0: any number).
bool InRuns(unsigned ranks, int runs)
{
    return runs == 0 ? RunsHolding[ranks] > 0 : RunsHolding[ranks] == runs;
}

bool KindFits(const HoldPattern& pattern, const HoldShape& shape)
{
    const bool distinct = shape.distinctRanks == shape.cards;
    switch (pattern.kind) {
    case PatternKind::MadeHand:
        return shape.category == pattern.detail;
    case PatternKind::SameRank:
        return shape.distinctRanks == 1;
    case PatternKind::TwoPair:
        return shape.distinctRanks == 2 && shape.mostOfARank == 2;
    case PatternKind::RoyalDraw:
        return (shape.ranks & ~TenToAce) == 0;
    case PatternKind::StraightFlushDraw:
        return (shape.ranks & ~TenToAce) != 0 && InRuns(shape.ranks, pattern.detail);
    case PatternKind::StraightDraw:
        return distinct && InRuns(shape.ranks, pattern.detail);
    case PatternKind::HighCards:
        return distinct && shape.ranks == pattern.ranks;
    case PatternKind::FlushDraw:
    case PatternKind::DrawFive:
        return true;
    case PatternKind::AnyOf:
        return false; // matched from its members' holds
    }
    return false;
}

bool Fits(const HoldPattern& pattern, const HoldShape& shape)
{
    if (pattern.highCards >= 0 && pattern.highCards != shape.highCards)
        return false;
    if (pattern.suits == Suits::OneSuit && !shape.oneSuit)
        return false;
    if (pattern.suits == Suits::Mixed && shape.oneSuit)
        return false;
    return KindFits(pattern, shape);
}

// Whether a pattern can fit holds of this size and suit and rank make-up;
// the holds of a hand are only tried against the patterns they can fit.
constexpr bool CanFit(const HoldPattern& pattern, int cards, bool oneSuit, bool distinct)
{
    if (pattern.kind == PatternKind::AnyOf || pattern.cards != cards)
        return false;
    if ((pattern.suits == Suits::OneSuit && !oneSuit) || (pattern.suits == Suits::Mixed && oneSuit))
        return false;
    switch (pattern.kind) {
    case PatternKind::SameRank:
    case PatternKind::TwoPair:
        return !distinct;
    case PatternKind::MadeHand:
    case PatternKind::DrawFive:
        return true;
    default:
        return distinct;
    }
}

struct Candidates {
    std::array<PatternId, PatternCount> ids{};
    int count = 0;
};

// By cards held, all of one suit, all ranks distinct.
using CandidateTable = std::array<std::array<std::array<Candidates, 2>, 2>, HandSize + 1>;

constexpr CandidateTable CandidatesByMakeUp = [] {
    CandidateTable table{};
    for (int cards = 0; cards <= HandSize; ++cards) {
        for (int oneSuit = 0; oneSuit < 2; ++oneSuit) {
            for (int distinct = 0; distinct < 2; ++distinct) {
                Candidates& candidates = table[cards][oneSuit][distinct];
                for (int id = 0; id < PatternCount; ++id) {
                    if (CanFit(Table[id], cards, oneSuit, distinct))
                        candidates.ids[candidates.count++] = static_cast<PatternId>(id);
                }
            }
        }
    }
    return table;
}();

// Each combined line holds as its first member the hand shows.
void MatchCombined(PatternHolds& holds)
{
    for (std::size_t id = SimpleCount; id < SimpleCount + std::size(CombinedPatterns); ++id) {
        const PatternMembers& members = Table[id].members;
        for (int i = 0; i < members.count; ++i) {
            const PatternId member = members.ids[i];
            if (holds[member] != NoHold) {
                holds[id] = holds[member];
                break;
            }
        }
    }
}

} // namespace

std::span<const HoldPattern, PatternCount> HoldPatterns()
{
    return Table;
}

PatternHolds MatchPatterns(const Hand& dealt)
{
    PatternHolds holds;
    holds.fill(NoHold);
    std::array<HandKey, PatternCount> heldRanks{};
    std::array<HoldShape, 1u << HandSize> shapes{};
    for (unsigned mask = 0; mask < shapes.size(); ++mask) {
        if (mask != 0)
            shapes[mask] = WithCard(shapes[mask & (mask - 1)], dealt[std::countr_zero(mask)]);
        const HoldShape& shape = shapes[mask];
        // rank counts from the ace down: a larger value holds higher ranks
        const HandKey ranks = shape.key & handkey::RankCounts;
        const Candidates& candidates
            = CandidatesByMakeUp[shape.cards][shape.oneSuit][shape.distinctRanks == shape.cards];
        for (int i = 0; i < candidates.count; ++i) {
            const PatternId id = candidates.ids[i];
            if (!Fits(Table[id], shape) || (holds[id] != NoHold && ranks <= heldRanks[id]))
                continue;
            holds[id] = static_cast<std::int8_t>(mask);
            heldRanks[id] = ranks;
        }
    }
    MatchCombined(holds);
    return holds;
}

} // namespace vel
