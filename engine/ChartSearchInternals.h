#pragma once

#include "engine/ChartSearch.h"

#include <array>
#include <cstdint>
#include <vector>

// The chart search, shared by its two source files: the moves and their
// gains, and the sweeps that make them.
namespace vel::chartsearch {

inline constexpr int MaxSweeps = 100;
// Smallest gain, in weighted credits per credit bet, worth a move: far above
// the rounding of the sums, far below a millionth of a percent of return.
inline constexpr double MinGain = 1e-6;
// Holds this close to a deal's best return count as its best.
inline constexpr double BestTolerance = 1e-12;
// A chart is printed for players: every line must earn its place. A line
// costs this share of the return at first, twice as much each time the
// chart still comes out longer than MaxLines.
inline constexpr double FirstLineCost = 1e-6;
inline constexpr std::size_t MaxLines = 40;
// How many deals ahead of its use a deal is fetched.
inline constexpr std::size_t PrefetchAhead = 16;

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

} // namespace vel::chartsearch
