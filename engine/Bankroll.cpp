#include "engine/Bankroll.h"

#include "engine/BankrollWalks.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace vel {

namespace {

using bankroll::Move;
using bankroll::Moves;

// The most levels a walk may hold: two buffers of 64 MB.
constexpr double MaxWalkLevels = 1 << 23;
// The chances of one hand must add up to 1 this closely.
constexpr double DistributionSlack = 1e-9;

// One hand's result in whole bets, with and without the royal flush.
struct HandMoves {
    Moves all;
    Moves others; // every hand but the royal flush
    double royal = 0;
    double mean = 0;     // gain per hand
    double variance = 0; // of the gain
};

void AddMove(Moves& moves, int gain, double chance)
{
    const auto same = std::find_if(moves.begin(), moves.end(), [&](const Move& move) { return move.gain == gain; });
    if (same != moves.end())
        same->chance += chance;
    else
        moves.insert(std::upper_bound(moves.begin(), moves.end(), gain,
                                      [](int value, const Move& move) { return value < move.gain; }),
                     {gain, chance});
}

bool IsWholePay(double pay)
{
    return pay >= 0 && pay <= MaxPayPerCredit && pay == std::floor(pay);
}

std::optional<HandMoves> MovesOf(const ReturnTable& oneHand)
{
    HandMoves hand;
    double total = 0, squares = 0;
    for (int category = 0; category < CategoryCount; ++category) {
        const double chance = oneHand.probability[category];
        if (!(chance >= 0 && chance <= 1) || !IsWholePay(oneHand.pays[category]))
            return std::nullopt;
        total += chance;
        if (chance == 0)
            continue;
        const int gain = static_cast<int>(oneHand.pays[category]) - 1;
        AddMove(hand.all, gain, chance);
        if (category == RoyalFlush)
            hand.royal = chance;
        else
            AddMove(hand.others, gain, chance);
        hand.mean += chance * gain;
        squares += chance * gain * gain;
    }
    if (std::abs(total - 1) > DistributionSlack)
        return std::nullopt;
    hand.variance = std::max(0.0, squares - hand.mean * hand.mean);
    return hand;
}

// q, the chance of falling one bet before a royal, solves
// q = sum P(pays a) q^a over the other hands; Newton's steps from 0 climb
// to its smallest root, as the right side less q is convex and falls there.
double RoyalBeforeRuin(const HandMoves& hand, int start)
{
    if (hand.royal <= 0)
        return 0;
    constexpr int MaxSteps = 200;
    double q = 0;
    for (int step = 0; step < MaxSteps; ++step) {
        double value = -q, slope = -1;
        for (const Move& move : hand.others) {
            const int pays = move.gain + 1;
            value += move.chance * std::pow(q, pays);
            if (pays > 0)
                slope += move.chance * pays * std::pow(q, pays - 1);
        }
        const double next = q - value / slope;
        if (!(next > q))
            break;
        q = next;
    }
    return -std::expm1(start * std::log(q));
}

// Mean x hands played: the expected change of the credit (Wald's identity).
double MeanLevel(const HandMoves& hand, int start, const std::vector<double>& ruinedByHand)
{
    double handsPlayed = 0;
    for (std::size_t n = 0; n + 1 < ruinedByHand.size(); ++n)
        handsPlayed += 1 - ruinedByHand[n];
    return start + hand.mean * handsPlayed;
}

// The first level whose risk is at most each target.
std::array<int, RuinRiskTargets.size()> LevelsForRisk(const std::vector<double>& riskByLevel)
{
    std::array<int, RuinRiskTargets.size()> levels{};
    for (std::size_t target = 0; target < RuinRiskTargets.size(); ++target) {
        const auto first = std::find_if(riskByLevel.begin(), riskByLevel.end(),
                                        [&](double risk) { return risk <= RuinRiskTargets[target]; });
        levels[target] = static_cast<int>(first - riskByLevel.begin()) + 1;
    }
    return levels;
}

struct Walks {
    bankroll::RiskWalk risk;
    bankroll::SessionWalk session;
    double royalWithin = 0;
};

// The walk backwards first: the others leave it where it found risk negligible.
Walks RunWalks(const HandMoves& hand, const BankrollQuestion& question, int resolved, const std::stop_token& stop,
               unsigned threads)
{
    Walks walks;
    const int start = question.credit / question.bet;
    walks.risk = bankroll::WalkRisk(hand.all, question.hands, stop);
    const int sampleEvery = (question.hands + SpreadIntervals - 1) / SpreadIntervals;
    ForEachBlock(2, threads, [&](std::size_t walk) {
        if (walk == 0)
            walks.session = bankroll::WalkSession(hand.all, start, walks.risk, resolved, sampleEvery, stop);
        else
            walks.royalWithin = bankroll::RoyalWithin(hand.others, hand.royal, start, walks.risk, stop);
    });
    return walks;
}

// A level at or above every 95th percentile along the way: Cantelli's
// inequality leaves at most 1 / (1 + 5^2) of the chance above it for the
// walk without ruin, and ruin only lowers the credit.
double ResolvedLevel(const HandMoves& hand, int start, int hands)
{
    return std::ceil(start + std::max(0.0, hand.mean) * hands + 5 * std::sqrt(hand.variance * hands)) + 1;
}

CreditPercentiles CreditsOf(const bankroll::LevelPercentiles& levels, int bet, int rest)
{
    CreditPercentiles credits{};
    for (std::size_t i = 0; i < levels.size(); ++i)
        credits[i] = std::int64_t{bet} * levels[i] + rest;
    return credits;
}

} // namespace

std::optional<BankrollError> CheckBankrollQuestion(const BankrollQuestion& question)
{
    if (question.bet < 1 || question.bet > MaxBet)
        return BankrollError::BetOutOfRange;
    if (question.credit < question.bet)
        return BankrollError::CreditBelowBet;
    if (question.credit > MaxBankrollCredit)
        return BankrollError::CreditTooLarge;
    if (question.hands < 1)
        return BankrollError::NoHands;
    if (question.hands > MaxBankrollHands)
        return BankrollError::TooManyHands;
    return std::nullopt;
}

BankrollAnswer AnswerBankroll(const ReturnTable& oneHand, const BankrollQuestion& question, std::stop_token stop,
                              unsigned threads)
{
    if (const auto misfit = CheckBankrollQuestion(question))
        return *misfit;
    const std::optional<HandMoves> hand = MovesOf(oneHand);
    if (!hand)
        return BankrollError::NotAHandTable;
    const int bet = question.bet, hands = question.hands;
    const int start = question.credit / bet, rest = question.credit % bet;
    const double resolved = ResolvedLevel(*hand, start, hands);
    if (resolved + hands - std::max(1, start - hands) > MaxWalkLevels)
        return BankrollError::TooWide;

    const Walks walks = RunWalks(*hand, question, static_cast<int>(resolved), stop, threads);
    if (stop.stop_requested())
        return BankrollError::Stopped;
    BankrollFigures figures;
    figures.ruinedByHand = walks.session.ruinedByHand;
    figures.riskOfRuin = figures.ruinedByHand.back();
    figures.royalWithinHands = walks.royalWithin;
    figures.royalBeforeRuin = RoyalBeforeRuin(*hand, start);
    for (const bankroll::LevelSpread& spread : walks.session.spread)
        figures.spreadByHand.push_back({spread.hands, CreditsOf(spread.levels, bet, rest)});
    figures.creditPercentiles = figures.spreadByHand.back().credit;
    figures.meanCredit = bet * MeanLevel(*hand, start, figures.ruinedByHand) + rest;
    figures.finishAhead = walks.session.ahead;
    const auto levels = LevelsForRisk(walks.risk.riskByLevel);
    for (std::size_t target = 0; target < levels.size(); ++target)
        figures.creditForRisk[target] = bet * levels[target];
    return figures;
}

} // namespace vel
