#pragma once

// The walks of a session's credit behind the bankroll figures. A level is a
// credit in whole bets; level 0 is ruin, where the session ends.

#include "engine/Bankroll.h"

#include <array>
#include <stop_token>
#include <vector>

namespace vel::bankroll {

// One hand's result: the level moves by `gain` (the pay in bets, less the
// bet) with chance `chance`.
struct Move {
    int gain; // at least -1
    double chance;
};

// Distinct gains, ascending.
using Moves = std::vector<Move>;

// A walk forward lets go of a level at an end of its window once its
// chance is at most this; the levels it takes on add up to at most
// MaxBankrollHands * (MaxPayPerCredit + 1), so it loses below 1e-10 in all.
inline constexpr double NegligibleChance = 1e-20;
// The walk backward lets go of a level once its risk is at most this: each
// hand adds at most this much error, below 1e-10 over all the hands.
inline constexpr double NegligibleRisk = 1e-15;
// How close to its level a percentile's cumulative chance must come: the
// sum of the bounds above.
inline constexpr double ChanceBound = 1e-9;

using LevelPercentiles = std::array<int, CreditPercentileLevels.size()>;

struct LevelSpread {
    int hands;
    LevelPercentiles levels;
};

struct SessionWalk {
    std::vector<double> ruinedByHand; // [n]: ruined within n hands
    std::vector<LevelSpread> spread;  // after 0 hands, every `sampleEvery` hands, and at the end
    double ahead = 0;                 // above the start after the last hand
};

struct RiskWalk {
    std::vector<double> riskByLevel; // [k - 1]: ruin within all the hands from level k; negligible past the end
    std::vector<int> reach;          // [m]: above this level, ruin within m hands is negligible
};

// Backwards, from the last hand to the first.
RiskWalk WalkRisk(const Moves& moves, int hands, const std::stop_token& stop);

// The session from `start` over `hands` hands with every level up to
// `resolved` kept; `resolved` must lie at or above each 95th percentile
// along the way.
SessionWalk WalkSession(const Moves& moves, int start, const RiskWalk& risk, int resolved, int sampleEvery,
                        const std::stop_token& stop);

// The chance of at least one royal (chance `royal`, the rest `others`)
// before ruin within the hands from `start`.
double RoyalWithin(const Moves& others, double royal, int start, const RiskWalk& risk, const std::stop_token& stop);

} // namespace vel::bankroll
