#pragma once

#include "engine/Parallel.h"
#include "engine/ReturnTable.h"

#include <array>
#include <cstdint>
#include <optional>
#include <stop_token>
#include <variant>
#include <vector>

namespace vel {

// A session: `credit` credits at the start, one hand at `bet` after another
// while the credit covers the bet, `hands` hands at most. Every pay is a whole
// number of bets, so the credit moves in whole bets and `credit % bet` stays
// aside until the end.
struct BankrollQuestion {
    int credit = 0;
    int hands = 0;
    int bet = MaxBet;

    bool operator==(const BankrollQuestion&) const = default;
};

inline constexpr int MaxBankrollCredit = 1'000'000;
inline constexpr int MaxBankrollHands = 100'000;

enum class BankrollError {
    BetOutOfRange,  // not 1..MaxBet
    CreditBelowBet, // the session could not start
    CreditTooLarge, // over MaxBankrollCredit
    NoHands,        // below 1
    TooManyHands,   // over MaxBankrollHands
    NotAHandTable,  // the chances are no distribution, or a pay is no whole number 0..MaxPayPerCredit
    TooWide,        // the pays spread the credit too far for the walk to hold it in memory
    Stopped,        // the caller asked to stop
};

inline constexpr std::array<double, 5> CreditPercentileLevels{0.05, 0.25, 0.50, 0.75, 0.95};
inline constexpr std::size_t MedianLevel = 2; // of the CreditPercentileLevels
inline constexpr std::array<double, 3> RuinRiskTargets{0.01, 0.05, 0.10};
// The percentiles along the way are taken at about this many points.
inline constexpr int SpreadIntervals = 200;

// Credits, at the CreditPercentileLevels: the smallest credit that the
// session stays at or below with at least that chance.
using CreditPercentiles = std::array<std::int64_t, CreditPercentileLevels.size()>;

struct CreditSpread {
    int hands = 0; // played so far
    CreditPercentiles credit{};
};

struct BankrollFigures {
    double riskOfRuin = 0;       // the credit falls below the bet within the hands
    double royalWithinHands = 0; // at least one royal flush in the session
    double royalBeforeRuin = 0;  // a royal flush before the credit falls below the bet, however long it takes
    CreditPercentiles creditPercentiles{}; // after the session; a ruined one ends with credit % bet
    double meanCredit = 0;                 // after the session
    double finishAhead = 0;                // the credit after the session above the credit at its start
    // The smallest credit whose risk of ruin over the hands is at most
    // RuinRiskTargets[i] (a multiple of the bet: the rest never plays).
    std::array<int, RuinRiskTargets.size()> creditForRisk{};
    std::vector<double> ruinedByHand;       // [n]: ruined within n hands, n = 0..hands
    std::vector<CreditSpread> spreadByHand; // from 0 hands to all, every ceil(hands / SpreadIntervals)
};

using BankrollAnswer = std::variant<BankrollFigures, BankrollError>;

// What is wrong with the question itself, if anything: the first that
// applies of the errors up to TooManyHands, in their order.
std::optional<BankrollError> CheckBankrollQuestion(const BankrollQuestion& question);

// The figures from the distribution of one hand's result (`oneHand`:
// perfect or chart play of a pay table at the question's bet), by walks over
// the credit, not by simulation. In whole bets the credit k is a walk that
// falls at most one bet a hand and is ruined at 0; p is the royal's chance.
//
// - The credit needed: a walk backwards gives the risk of ruin within m
//   hands from every credit at once, m = 1..hands. The risk falls as the
//   credit rises, so the first credit at or under a target is the answer.
//   Above its reach r(m) the risk within m hands is negligible (below 1e-15,
//   and let go).
// - Ruin and its curve, the percentiles and the spread along the way: the
//   distribution of the credit carried hand by hand. It keeps every credit
//   up to Q = k + max(0, mean) * hands + 5 sd sqrt(hands), which lies at or
//   above every 95th percentile along the way (Cantelli's inequality leaves
//   at most 1/26 of the chance above it), and lets a credit more than r(m)
//   above Q, m hands left, leave: it could come back to Q, or to ruin, only
//   with a negligible chance.
// - Finish ahead: the chance carried above the start after the last hand,
//   with the chance that rose out of the walk over its top, which lies above
//   the start and comes back below it only with a negligible chance.
// - The mean: the mean result of a hand times the expected number of hands
//   played, which the ruin curve gives (Wald's identity).
// - Royal within the hands: the chance of no royal yet, carried the same
//   way; a credit above r(m) plays the m hands left, and then sees no royal
//   with chance (1 - p)^m.
// - Royal before ruin, however long it takes: the credit falls one bet at a
//   time, so ruin before a royal from k bets has chance q^k, q the smallest
//   root of q = sum over the other hands of P(pays a) q^a (a in bets),
//   found by Newton's method to rounding.
//
// How far from exact: besides rounding, the chances (ruin, its curve, the
// royal figures, finishing ahead) are off by less than 1e-9 in all: the
// walks forward let go of the ends of their windows where the chance is at
// most 1e-20, and of the credits out of reach as above. A percentile is the smallest credit
// whose cumulative chance reaches its level less 1e-9, so that neither this
// nor rounding moves it across an exact tie; the mean is off by less than
// hands * |mean result| * 1e-9 bets, and the credit needed is exact unless
// a risk lies within 1e-9 of its target.
//
// Each walk takes about hands x (the credits it holds) x (the distinct
// pays) steps: a fraction of a second up to 10,000 credits and hands, some
// seconds at the limits (see velbench). The walk backwards runs first, the
// other two on up to `threads` threads. Safe to call from any thread, such
// as a window's worker; a stop request ends it early with Stopped.
BankrollAnswer AnswerBankroll(const ReturnTable& oneHand, const BankrollQuestion& question, std::stop_token stop = {},
                              unsigned threads = DefaultThreadCount());

} // namespace vel
