#include "engine/ChartSearchInternals.h"

#include <algorithm>
#include <limits>

namespace vel::chartsearch {

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

} // namespace vel::chartsearch
