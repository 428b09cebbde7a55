#include "engine/BankrollWalks.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numeric>

namespace vel::bankroll {

namespace {

// The heart of every walk: `count` consecutive levels moved by one gain.
// Written four levels at a time, which the compiler turns into vector
// instructions at any optimisation level that vectorises blocks.
void AddScaled(double* __restrict to, const double* __restrict from, std::ptrdiff_t count, double factor)
{
    std::ptrdiff_t i = 0;
    for (; i + 4 <= count; i += 4) {
        to[i] += factor * from[i];
        to[i + 1] += factor * from[i + 1];
        to[i + 2] += factor * from[i + 2];
        to[i + 3] += factor * from[i + 3];
    }
    for (; i < count; ++i)
        to[i] += factor * from[i];
}

struct Window {
    int low;
    int high; // empty when below `low`
    bool Empty() const { return high < low; }
};

// The chances of the levels base..top.
class Chances {
public:
    Chances(int base, int top)
        : base_(base)
        , values_(static_cast<std::size_t>(top - base + 1))
    {
    }

    double* At(int level) { return values_.data() + (level - base_); }
    const double* At(int level) const { return values_.data() + (level - base_); }

    void Clear(Window window)
    {
        if (!window.Empty())
            std::fill(At(window.low), At(window.high) + 1, 0.0);
    }

    double Sum(int low, int high) const
    {
        return low > high ? 0.0 : std::accumulate(At(low), At(high) + 1, 0.0);
    }

    // Lets go of the levels at the window's ends whose chance is at most `negligible`.
    void Trim(Window& window, double negligible) const
    {
        while (!window.Empty() && *At(window.low) <= negligible)
            ++window.low;
        while (!window.Empty() && *At(window.high) <= negligible)
            --window.high;
    }

private:
    int base_;
    std::vector<double> values_;
};

struct HandPlayed {
    double ruined = 0;
    double rose = 0; // the chance that rose above the ceiling and left the walk
};

// One hand from `from` over `window` into `to`; the window becomes the next.
HandPlayed WalkOneHand(const Moves& moves, const Chances& from, Window& window, Chances& to, int ceiling)
{
    const int reach = moves.empty() ? -1 : moves.back().gain;
    const Window next{std::max(1, window.low - 1), std::min(window.high + reach, ceiling)};
    to.Clear(next);
    HandPlayed played;
    for (const Move& move : moves) {
        const int first = std::max(window.low, 1 - move.gain);
        const int last = std::min(window.high, ceiling - move.gain);
        if (first <= last)
            AddScaled(to.At(first + move.gain), from.At(first), last - first + 1, move.chance);
        if (!window.Empty())
            played.rose += move.chance * from.Sum(std::max(window.low, last + 1), window.high);
    }
    if (!window.Empty() && window.low == 1 && !moves.empty() && moves.front().gain == -1)
        played.ruined = moves.front().chance * *from.At(1);
    window = next;
    to.Trim(window, NegligibleChance);
    return played;
}

LevelPercentiles Percentiles(const Chances& chances, Window window, double ruined)
{
    LevelPercentiles levels{};
    std::size_t next = 0;
    double cumulative = ruined;
    const auto take = [&](int level) {
        while (next < levels.size() && cumulative >= CreditPercentileLevels[next] - ChanceBound)
            levels[next++] = level;
    };
    take(0);
    for (int level = window.low; level <= window.high && next < levels.size(); ++level) {
        cumulative += *chances.At(level);
        take(level);
    }
    // Only rounding can leave a level short: at most 1/26 of the chance lies above `resolved`.
    while (next < levels.size())
        levels[next++] = std::max(0, window.high);
    return levels;
}

// The chance of a royal within m hands.
double RoyalIn(double royal, int m)
{
    return m == 0 ? 0.0 : -std::expm1(m * std::log1p(-royal));
}

} // namespace

RiskWalk WalkRisk(const Moves& moves, int hands, const std::stop_token& stop)
{
    // Within m hands at most m bets can be lost: the risk is 0 above level m.
    std::array<Chances, 2> risk{Chances(1, hands), Chances(1, hands)};
    RiskWalk walk;
    walk.reach.reserve(static_cast<std::size_t>(hands) + 1);
    walk.reach.push_back(0);
    std::size_t latest = 0;
    for (int m = 1; m <= hands && !stop.stop_requested(); ++m) {
        const Chances& before = risk[latest];
        latest = 1 - latest;
        Chances& now = risk[latest];
        const int high = walk.reach.back();
        Window window{1, std::min(m, high + 1)};
        now.Clear(window);
        for (const Move& move : moves) {
            if (move.gain == -1)
                *now.At(1) += move.chance; // straight to ruin
            const int first = std::max(1, 1 - move.gain);
            const int last = std::min(window.high, high - move.gain);
            if (first <= last)
                AddScaled(now.At(first), before.At(first + move.gain), last - first + 1, move.chance);
        }
        now.Trim(window, NegligibleRisk); // the risk falls as the level rises: all of it or its top
        walk.reach.push_back(window.Empty() ? 0 : window.high);
    }
    walk.riskByLevel.assign(risk[latest].At(1), risk[latest].At(1) + walk.reach.back());
    return walk;
}

SessionWalk WalkSession(const Moves& moves, int start, const RiskWalk& risk, int resolved, int sampleEvery,
                        const std::stop_token& stop)
{
    const int hands = static_cast<int>(risk.reach.size()) - 1;
    const int top = resolved + *std::max_element(risk.reach.begin(), risk.reach.end());
    std::array<Chances, 2> chances{Chances(std::max(1, start - hands), top), Chances(std::max(1, start - hands), top)};
    Window window{start, start};
    *chances[0].At(start) = 1;
    SessionWalk walk;
    walk.ruinedByHand.reserve(static_cast<std::size_t>(hands) + 1);
    walk.ruinedByHand.push_back(0);
    walk.spread.push_back({0, Percentiles(chances[0], window, 0)});
    double ruined = 0, rose = 0;
    for (int n = 1; n <= hands && !stop.stop_requested(); ++n) {
        // A credit this far above `resolved` comes back to it, or to ruin,
        // only with a negligible chance; nor, then, to the start below it.
        const int ceiling = resolved + risk.reach[hands - n];
        Chances& now = chances[n % 2];
        const HandPlayed played = WalkOneHand(moves, chances[(n - 1) % 2], window, now, ceiling);
        ruined += played.ruined;
        rose += played.rose;
        walk.ruinedByHand.push_back(ruined);
        if (n % sampleEvery == 0 || n == hands)
            walk.spread.push_back({n, Percentiles(now, window, ruined)});
    }
    walk.ahead = rose + chances[hands % 2].Sum(std::max(window.low, start + 1), window.high);
    return walk;
}

double RoyalWithin(const Moves& others, double royal, int start, const RiskWalk& risk, const std::stop_token& stop)
{
    const int hands = static_cast<int>(risk.reach.size()) - 1;
    if (start > risk.reach[hands])
        return RoyalIn(royal, hands);
    const int top = *std::max_element(risk.reach.begin(), risk.reach.end());
    std::array<Chances, 2> noRoyal{Chances(std::max(1, start - hands), top), Chances(std::max(1, start - hands), top)};
    Window window{start, start};
    *noRoyal[0].At(start) = 1;
    double found = 0;
    for (int n = 1; n <= hands && !stop.stop_requested(); ++n) {
        const Chances& before = noRoyal[(n - 1) % 2];
        found += royal * before.Sum(window.low, window.high);
        // Above its reach a credit plays every hand left, bar a negligible chance.
        const int left = hands - n;
        found += WalkOneHand(others, before, window, noRoyal[n % 2], risk.reach[left]).rose * RoyalIn(royal, left);
    }
    return found;
}

} // namespace vel::bankroll
