#include "engine/ChartSearch.h"

#include "engine/Combinations.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace vel {

namespace {

constexpr int MaxSweeps = 100;
// Smallest gain, in weighted credits per credit bet, worth a move: far above
// the rounding of the sums, far below a millionth of a percent of return.
constexpr double MinGain = 1e-6;
// Holds this close to a deal's best return count as its best.
constexpr double BestTolerance = 1e-12;
// A chart is printed for players: every line must earn its place. A line
// costs this share of the return at first, twice as much each time the
// chart still comes out longer than MaxLines.
constexpr double FirstLineCost = 1e-6;
constexpr std::size_t MaxLines = 40;
// How many deals ahead of its use a deal is fetched.
constexpr std::size_t PrefetchAhead = 16;

// Orders every pattern, those after draw five unused, then moves one pattern
// at a time to the place that raises the chart's exact return, less the cost
// of its lines, most, and splits lines where that pays, until nothing pays.
// Every deal keeps the match of its first line, so a move is priced by the
// deals it hands from line to line alone.
class ChartSearch {
public:
    ChartSearch(const ChartDeals& deals, const DealPrices& prices, unsigned threads);

    std::vector<PatternId> Run();

private:
    // By the line a move passes: the return it gains and the deals it moves.
    // Slots past the lines take what passes no line, unread; there are a few,
    // taken in turn, so that the additions into them do not wait on each other.
    static constexpr std::size_t Unread = PatternCount;
    static constexpr std::size_t UnreadSlots = 4;
    struct Gains {
        std::array<double, PatternCount + UnreadSlots> up{}, down{};
        std::array<int, PatternCount + UnreadSlots> upDeals{}, downDeals{};
        std::vector<std::uint32_t> held; // occurrences that are their deal's first line
    };
    struct Move {
        std::size_t to; // index of the pattern in the order after the move
        double gain;    // in return less the cost of the lines it adds
    };

    void Sweep();
    bool MoveEach();
    bool SplitEach();
    bool TrySplit(PatternId coarse, PatternId fine);

    void OrderByBestReturns();
    void FindFirstLines();
    std::size_t LineOf(std::uint32_t match) const { return position_[deals_.MatchPattern(match)]; }

    std::uint32_t FirstBelow(std::uint32_t deal, std::size_t line) const;
    void GatherGains(PatternId pattern);
    void GatherRaises(PatternId pattern, int half);
    void GatherLowerings(PatternId pattern, int half);
    Move BestRaise(PatternId pattern) const;
    Move BestLowering(PatternId pattern) const;
    Move BestMove(PatternId pattern);
    void Reassign(std::uint32_t deal, std::uint32_t match);
    void Apply(PatternId pattern, Move move);
    std::array<bool, PatternCount> Used() const;
    void DropUnusedLines();
    std::vector<PatternId> UsedLines() const;

    const ChartDeals& deals_;
    const DealPrices& prices_;
    const MatchValues values_;
    const std::vector<double>& value_; // per match: deal weight x return of its hold
    // per deal, its first line: the match, its pattern and its value
    std::vector<std::uint32_t> first_;
    std::vector<PatternId> firstPattern_;
    std::vector<double> firstValue_;
    std::vector<PatternId> order_;
    std::array<std::size_t, PatternCount> position_{};
    std::array<int, PatternCount> firstCount_{}; // deals whose first line a pattern is
    double lineCost_;
    Gains gains_;
    std::array<Gains, 4> quarterGains_;
    PairedWork halves_;
};

ChartSearch::ChartSearch(const ChartDeals& deals, const DealPrices& prices, unsigned threads)
    : deals_(deals)
    , prices_(prices)
    , values_(deals.ValueMatches(prices, threads))
    , value_(values_.byMatch)
    , first_(deals.DealCount())
    , firstPattern_(deals.DealCount())
    , firstValue_(deals.DealCount())
    , lineCost_(FirstLineCost * FiveCardHands)
    , halves_(threads)
{
    OrderByBestReturns();
    FindFirstLines();
}

// A first order: each pattern by the mean return of the deals it holds best;
// patterns that hold no deal best go after draw five.
void ChartSearch::OrderByBestReturns()
{
    std::array<double, PatternCount> sum{}, weight{};
    for (std::uint32_t deal = 0; deal < deals_.DealCount(); ++deal) {
        const double best = prices_.best[deal];
        for (std::uint32_t m = deals_.MatchBegin(deal); m < deals_.MatchBegin(deal + 1); ++m) {
            const ChartDeals::Match& match = deals_.MatchAt(m);
            if (prices_.holdReturns[match.hold] >= best - BestTolerance) {
                sum[match.pattern] += value_[m];
                weight[match.pattern] += deals_.Weight(deal);
            }
        }
    }
    std::array<double, PatternCount> score;
    for (int id = 0; id < PatternCount; ++id)
        score[id] = weight[id] > 0 ? sum[id] / weight[id] : -std::numeric_limits<double>::infinity();
    order_.resize(PatternCount);
    std::iota(order_.begin(), order_.end(), PatternId{0});
    std::stable_sort(order_.begin(), order_.end(), [&](PatternId a, PatternId b) { return score[a] > score[b]; });
    for (std::size_t i = 0; i < order_.size(); ++i)
        position_[order_[i]] = i;
}

void ChartSearch::FindFirstLines()
{
    const auto deals = static_cast<std::uint32_t>(deals_.DealCount());
    halves_.Run([&](int half) {
        for (std::uint32_t deal = half ? deals / 2 : 0; deal < (half ? deals : deals / 2); ++deal) {
            std::uint32_t first = deals_.MatchBegin(deal);
            for (std::uint32_t m = first + 1; m < deals_.MatchBegin(deal + 1); ++m) {
                if (LineOf(m) < LineOf(first))
                    first = m;
            }
            first_[deal] = first;
            firstPattern_[deal] = deals_.MatchPattern(first);
            firstValue_[deal] = value_[first];
        }
    });
    for (PatternId pattern : firstPattern_)
        ++firstCount_[pattern];
}

// The deal's match on the highest line below `line`; draw five always matches.
std::uint32_t ChartSearch::FirstBelow(std::uint32_t deal, std::size_t line) const
{
    std::uint32_t found = std::numeric_limits<std::uint32_t>::max();
    std::size_t foundLine = order_.size();
    for (std::uint32_t m = deals_.MatchBegin(deal); m < deals_.MatchBegin(deal + 1); ++m) {
        const std::size_t at = LineOf(m);
        if (at > line && at < foundLine) {
            found = m;
            foundLine = at;
        }
    }
    return found;
}

// Raising a pattern above line k gives it the deals it matches whose first
// line lies between; lowering it below line k hands the deals it holds to
// their next matching line, when that lies above k. Both are gathered by
// line in quarters, two halves at once, each half two quarters side by side,
// so that the chains of additions overlap; the quarters are added in a fixed
// order, so that the sums do not depend on the threads.
void ChartSearch::GatherGains(PatternId pattern)
{
    halves_.Run([&](int half) {
        GatherRaises(pattern, half);
        GatherLowerings(pattern, half);
    });
    const auto sum = [this](auto member, int slot) {
        const auto& q = quarterGains_;
        return ((q[0].*member)[slot] + (q[1].*member)[slot]) + ((q[2].*member)[slot] + (q[3].*member)[slot]);
    };
    for (int slot = 0; slot < PatternCount; ++slot) {
        gains_.up[slot] = sum(&Gains::up, slot);
        gains_.down[slot] = sum(&Gains::down, slot);
        gains_.upDeals[slot] = sum(&Gains::upDeals, slot);
        gains_.downDeals[slot] = sum(&Gains::downDeals, slot);
    }
}

// Branch-free: each occurrence's gain, were the pattern raised past its
// deal's first line; the deals the pattern holds are noted to be handed on
// after. Deals lie scattered over megabytes: each is fetched a few ahead.
void ChartSearch::GatherRaises(PatternId pattern, int half)
{
    const std::span<const ChartDeals::Occurrence> occurrences = deals_.Occurrences(pattern);
    const std::span<const double> values = deals_.OccurrenceValues(values_, pattern);
    const std::size_t line = position_[pattern];
    const auto bound = [&](int quarter) { return occurrences.size() * quarter / 4; };
    const auto take = [&](std::size_t i, std::size_t end, Gains& gains, std::size_t& held) {
        if (i + PrefetchAhead < end) {
            const std::uint32_t later = occurrences[i + PrefetchAhead].deal;
            __builtin_prefetch(&firstPattern_[later]);
            __builtin_prefetch(&firstValue_[later]);
        }
        const std::uint32_t deal = occurrences[i].deal;
        const std::size_t firstLine = position_[firstPattern_[deal]];
        const std::size_t slot = firstLine < line ? firstLine : Unread + i % UnreadSlots;
        gains.up[slot] += values[i] - firstValue_[deal];
        ++gains.upDeals[slot];
        gains.held[held] = static_cast<std::uint32_t>(i);
        held += firstLine == line;
    };
    Gains& first = quarterGains_[2 * half];
    Gains& second = quarterGains_[2 * half + 1];
    const std::size_t begin = bound(2 * half), mid = bound(2 * half + 1), end = bound(2 * half + 2);
    for (Gains* gains : {&first, &second}) {
        gains->up.fill(0);
        gains->upDeals.fill(0);
        gains->held.resize(end - mid);
    }
    std::size_t firstHeld = 0, secondHeld = 0;
    for (std::size_t i = 0; mid + i < end; ++i) {
        if (begin + i < mid)
            take(begin + i, mid, first, firstHeld);
        take(mid + i, end, second, secondHeld);
    }
    first.held.resize(firstHeld);
    second.held.resize(secondHeld);
}

// Each deal the pattern holds, handed to its next matching line.
void ChartSearch::GatherLowerings(PatternId pattern, int half)
{
    const std::span<const ChartDeals::Occurrence> occurrences = deals_.Occurrences(pattern);
    const std::span<const double> values = deals_.OccurrenceValues(values_, pattern);
    const std::size_t line = position_[pattern];
    const auto take = [&](std::size_t k, Gains& gains) {
        if (k + PrefetchAhead < gains.held.size()) {
            const std::uint32_t later = deals_.MatchBegin(occurrences[gains.held[k + PrefetchAhead]].deal);
            __builtin_prefetch(&value_[later]);
            deals_.PrefetchMatch(later);
        }
        const std::uint32_t i = gains.held[k];
        const std::uint32_t next = FirstBelow(occurrences[i].deal, line);
        gains.down[LineOf(next)] += value_[next] - values[i];
        ++gains.downDeals[LineOf(next)];
    };
    Gains& first = quarterGains_[2 * half];
    Gains& second = quarterGains_[2 * half + 1];
    first.down.fill(0);
    first.downDeals.fill(0);
    second.down.fill(0);
    second.downDeals.fill(0);
    for (std::size_t k = 0; k < std::max(first.held.size(), second.held.size()); ++k) {
        if (k < first.held.size())
            take(k, first);
        if (k < second.held.size())
            take(k, second);
    }
}

// Lines emptied by a raise leave the chart; the raised pattern joins it.
ChartSearch::Move ChartSearch::BestRaise(PatternId pattern) const
{
    const std::size_t from = position_[pattern];
    const bool used = firstCount_[pattern] > 0;
    Move best{from, 0};
    double gain = 0;
    int taken = 0, emptied = 0;
    for (std::size_t k = from; k-- > 0;) {
        gain += gains_.up[k];
        taken += gains_.upDeals[k];
        emptied += gains_.upDeals[k] > 0 && gains_.upDeals[k] == firstCount_[order_[k]];
        const int addedLines = (!used && taken > 0) - emptied;
        if (gain - addedLines * lineCost_ > best.gain)
            best = {k, gain - addedLines * lineCost_};
    }
    return best;
}

// Unused lines handed deals join the chart; the lowered pattern leaves it
// when it hands on all its deals. Below draw five nothing changes.
ChartSearch::Move ChartSearch::BestLowering(PatternId pattern) const
{
    const std::size_t from = position_[pattern];
    const bool used = firstCount_[pattern] > 0;
    Move best{from, 0};
    double gain = 0;
    int handed = 0, filled = 0;
    for (std::size_t k = from + 1; k <= position_[DrawFive]; ++k) {
        gain += gains_.down[k];
        handed += gains_.downDeals[k];
        filled += gains_.downDeals[k] > 0 && firstCount_[order_[k]] == 0;
        const int addedLines = filled - (used && handed == firstCount_[pattern]);
        if (gain - addedLines * lineCost_ > best.gain)
            best = {k, gain - addedLines * lineCost_};
    }
    return best;
}

ChartSearch::Move ChartSearch::BestMove(PatternId pattern)
{
    GatherGains(pattern);
    const Move raise = BestRaise(pattern);
    const Move lowering = BestLowering(pattern);
    return lowering.gain > raise.gain ? lowering : raise;
}

void ChartSearch::Reassign(std::uint32_t deal, std::uint32_t match)
{
    --firstCount_[firstPattern_[deal]];
    first_[deal] = match;
    firstPattern_[deal] = deals_.MatchPattern(match);
    firstValue_[deal] = value_[match];
    ++firstCount_[firstPattern_[deal]];
}

void ChartSearch::Apply(PatternId pattern, Move move)
{
    const std::size_t from = position_[pattern];
    for (const ChartDeals::Occurrence& occurrence : deals_.Occurrences(pattern)) {
        const std::uint32_t deal = occurrence.deal;
        if (move.to < from) {
            const std::size_t firstLine = position_[firstPattern_[deal]];
            if (firstLine >= move.to && firstLine < from)
                Reassign(deal, occurrence.match);
        } else if (first_[deal] == occurrence.match) {
            const std::uint32_t next = FirstBelow(deal, from);
            if (LineOf(next) <= move.to)
                Reassign(deal, next);
        }
    }
    order_.erase(order_.begin() + static_cast<std::ptrdiff_t>(from));
    order_.insert(order_.begin() + static_cast<std::ptrdiff_t>(move.to), pattern);
    for (std::size_t i = 0; i < order_.size(); ++i)
        position_[order_[i]] = i;
}

// Patterns that are some deal's first line.
std::array<bool, PatternCount> ChartSearch::Used() const
{
    std::array<bool, PatternCount> used{};
    for (PatternId pattern : firstPattern_)
        used[pattern] = true;
    return used;
}

// Moves the lines no deal reaches below draw five. The return stays, and a
// line that would lose its deals to an unused twin below can now be lowered.
void ChartSearch::DropUnusedLines()
{
    const std::array<bool, PatternCount> used = Used();
    std::stable_partition(order_.begin(), order_.end(),
                          [&](PatternId pattern) { return used[pattern] || pattern == DrawFive; });
    for (std::size_t i = 0; i < order_.size(); ++i)
        position_[order_[i]] = i;
}

std::vector<PatternId> ChartSearch::UsedLines() const
{
    const std::array<bool, PatternCount> used = Used();
    std::vector<PatternId> lines;
    for (PatternId pattern : order_) {
        if (used[pattern] && pattern != DrawFive)
            lines.push_back(pattern);
        if (pattern == DrawFive)
            break;
    }
    lines.push_back(DrawFive);
    return lines;
}

// Each pattern in turn to its best place; whether any moved.
bool ChartSearch::MoveEach()
{
    bool moved = false;
    for (int id = 0; id < PatternCount; ++id) {
        const auto pattern = static_cast<PatternId>(id);
        if (pattern == DrawFive)
            continue;
        const Move move = BestMove(pattern);
        if (move.gain > MinGain) {
            Apply(pattern, move);
            moved = true;
        }
    }
    return moved;
}

// A finer pattern goes right above its line, taking the deals it shows with
// the same holds; then it, or the line it came from, moves where it gains
// most. Kept when that pays for the added line, else undone.
bool ChartSearch::TrySplit(PatternId coarse, PatternId fine)
{
    const std::size_t from = position_[fine];
    Apply(fine, {position_[coarse], 0});
    const Move fineMove = BestMove(fine);
    const Move coarseMove = BestMove(coarse);
    const bool fineBetter = fineMove.gain >= coarseMove.gain;
    const Move move = fineBetter ? fineMove : coarseMove;
    if (move.gain - lineCost_ > MinGain) {
        Apply(fineBetter ? fine : coarse, move);
        return true;
    }
    Apply(fine, {from, 0});
    return false;
}

bool ChartSearch::SplitEach()
{
    bool split = false;
    for (int id = 0; id < PatternCount; ++id) {
        const auto coarse = static_cast<PatternId>(id);
        for (PatternId fine : deals_.FinerPatterns(coarse)) {
            if (firstCount_[coarse] > 0 && firstCount_[fine] == 0 && position_[fine] > position_[coarse])
                split = TrySplit(coarse, fine) || split;
        }
    }
    return split;
}

void ChartSearch::Sweep()
{
    for (int sweep = 0; sweep < MaxSweeps; ++sweep) {
        DropUnusedLines();
        const bool moved = MoveEach();
        if (!SplitEach() && !moved)
            return;
    }
}

std::vector<PatternId> ChartSearch::Run()
{
    Sweep();
    std::vector<PatternId> lines = UsedLines();
    while (lines.size() > MaxLines) {
        lineCost_ *= 2;
        Sweep();
        lines = UsedLines();
    }
    return lines;
}

} // namespace

std::vector<PatternId> SearchChartLines(const ChartDeals& deals, const DealPrices& prices, unsigned threads)
{
    return ChartSearch(deals, prices, threads).Run();
}

} // namespace vel
