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
    // The smallest credit whose risk of ruin over the hands is at most
    // RuinRiskTargets[i] (a multiple of the bet: the rest never plays).
    std::array<int, RuinRiskTargets.size()> creditForRisk{};
    std::vector<double> ruinedByHand;       // [n]: ruined within n hands, n = 0..hands
    std::vector<CreditSpread> spreadByHand; // from 0 hands to all, every ceil(hands / SpreadIntervals)
};

using BankrollAnswer = std::variant<BankrollFigures, BankrollError>;

// What is wrong with the question itself, if anything (the first of the
// errors above it shows, in their order).
std::optional<BankrollError> CheckBankrollQuestion(const BankrollQuestion& question);

// Exact figures from the distribution of one hand's result (`oneHand`:
// perfect or chart play of a pay table at the question's bet), not a
// simulation. In whole bets the credit k is a walk that loses at most one
// bet a hand and is ruined at 0; the ways the figures come about:
//
// - Ruin, the percentiles and the spread: the distribution of the credit is
//   carried hand by hand over every credit up to a ceiling Q + m, m the hands
//   left. Q = k + max(0, mean) * hands + 5 sd sqrt(hands) in bets lies above
//   every 95th percentile along the way (Cantelli's inequality puts at most
//   1/26 of the chance above it), and a credit above Q + m can neither end at
//   or below Q nor be ruined, as it falls at most one bet a hand: the chance
//   above the ceiling leaves the walk and changes none of these figures.
// - The mean: the game's mean result times the expected number of hands
//   played (Wald's identity; the hands played follow from the ruin curve).
// - Royal within the hands: the chance of no royal yet is carried the same
//   way; a credit above the hands left can no longer be ruined, and its
//   chance of no royal in m more hands is (1 - p)^m.
// - Royal before ruin: as the credit falls one bet at a time, the chance of
//   ruin before a royal from k bets is q^k, q the smallest root of
//   q = sum over the hands other than the royal of P(pays a) q^a.
// - The credit needed: the chance of ruin within n hands from every credit
//   at once, n = 1..hands, by the same walk run backwards; it falls as the
//   credit grows, so the first credit at or under the target is the answer.
//
// None is bounded but for this: where the chance at the low or high end of
// a walk falls below 1e-280, that end is let go (a ruin chance so small
// counts as none), which moves no figure by more than 1e-260. A percentile
// takes the cumulative chance as reaching its level within 1e-12, so that
// rounding cannot move it across an exact tie.
//
// The three walks run on up to `threads` threads. Each takes about
// hands^2 * (the distinct pays) steps: well under a second for 10,000 hands.
// Safe to call from any thread; a stop request ends it early with Stopped.
BankrollAnswer AnswerBankroll(const ReturnTable& oneHand, const BankrollQuestion& question, std::stop_token stop = {},
                              unsigned threads = DefaultThreadCount());

} // namespace vel
