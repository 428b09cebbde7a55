// velsim: plays hands with the table's round, its deck and its generator,
// without a window. A new game of 100 credits starts whenever the credit
// runs out.
//   velsim --hands N [--seed S] [--hold none|all|best] [--schedule 0..5] [--bet 1..5]
#include "engine/HoldAnalysis.h"
#include "game/HeadlessPlay.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <memory>
#include <optional>
#include <set>

namespace {

struct Options {
    long long hands = 0;
    std::optional<std::uint32_t> seed;
    QString hold = QStringLiteral("none");
    int schedule = vel::DefaultPaySchedule;
    int bet = vel::MaxBet;
};

std::optional<long long> Number(const QCommandLineParser& parser, const QString& name, long long low,
                                long long high)
{
    bool ok = false;
    const long long value = parser.value(name).toLongLong(&ok);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<Options> ParseOptions(const QCoreApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Plays video poker hands without a window."));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("hands"), QStringLiteral("Hands to play."), QStringLiteral("N")},
        {QStringLiteral("seed"), QStringLiteral("The clock the generator reads, counting up from S."),
         QStringLiteral("S")},
        {QStringLiteral("hold"), QStringLiteral("none, all or best."), QStringLiteral("how"), QStringLiteral("none")},
        {QStringLiteral("schedule"), QStringLiteral("Pay schedule 0..5."), QStringLiteral("index"),
         QString::number(vel::DefaultPaySchedule)},
        {QStringLiteral("bet"), QStringLiteral("Bet 1..5."), QStringLiteral("credits"),
         QString::number(vel::MaxBet)},
    });
    parser.process(app);
    Options options;
    const auto hands = Number(parser, QStringLiteral("hands"), 1, 1'000'000'000'000LL);
    const auto schedule = Number(parser, QStringLiteral("schedule"), 0, vel::PaySchedules.size() - 1);
    const auto bet = Number(parser, QStringLiteral("bet"), 1, vel::MaxBet);
    options.hold = parser.value(QStringLiteral("hold"));
    const bool holdKnown = options.hold == QLatin1String("none") || options.hold == QLatin1String("all")
                           || options.hold == QLatin1String("best");
    if (!hands || !schedule || !bet || !holdKnown)
        return std::nullopt;
    if (parser.isSet(QStringLiteral("seed"))) {
        const auto seed = Number(parser, QStringLiteral("seed"), 0, 0xFFFFFFFFLL);
        if (!seed)
            return std::nullopt;
        options.seed = static_cast<std::uint32_t>(*seed);
    }
    options.hands = *hands;
    options.schedule = static_cast<int>(*schedule);
    options.bet = static_cast<int>(*bet);
    return options;
}

vel::HoldChooser ChooserFor(const Options& options, const vel::TableRound& round)
{
    if (options.hold == QLatin1String("all"))
        return [](const vel::Hand&) { return 0x1Fu; };
    if (options.hold == QLatin1String("none"))
        return {};
    auto analyzer = std::make_shared<const vel::HoldAnalyzer>();
    return [analyzer, &round](const vel::Hand& dealt) {
        return analyzer->Analyze(dealt, round.Pays(), round.State().CurrentBet).front().holdMask;
    };
}

struct Tally {
    std::array<long long, vel::CategoryCount> counts{};
    long long bet = 0;
    long long won = 0;
};

// Plays the hands; false when one of them does not add up.
bool Play(vel::TableRound& round, const vel::HoldChooser& choose, long long hands, Tally& tally)
{
    for (long long hand = 0; hand < hands; ++hand) {
        const vel::HandOutcome outcome = vel::PlayHand(round, choose);
        const std::set<vel::Card> cards(outcome.final.begin(), outcome.final.end());
        if (outcome.creditAfter != outcome.creditBefore - outcome.bet + outcome.payout || cards.size() != 5) {
            std::fprintf(stderr, "hand %lld does not add up\n", hand + 1);
            return false;
        }
        ++tally.counts[vel::CategoryOf(outcome.evaluation)];
        tally.bet += outcome.bet;
        tally.won += outcome.payout;
    }
    return true;
}

void Report(const Tally& tally)
{
    for (int code = vel::RoyalFlush; code >= vel::Nothing; --code) {
        const std::string name = code == vel::JacksOrBetter ? "Pair of Jacks or Better" : vel::HandName(code);
        std::printf("%s: %lld\n", name.c_str(), tally.counts[code]);
    }
    std::printf("Bet: %lld\nWon: %lld\nReturn: %.4f%%\n", tally.bet, tally.won,
                tally.bet ? 100.0 * tally.won / tally.bet : 0.0);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const std::optional<Options> options = ParseOptions(app);
    if (!options) {
        std::fputs("usage: velsim --hands N [--seed S] [--hold none|all|best] [--schedule 0..5] [--bet 1..5]\n",
                   stderr);
        return 2;
    }
    vel::TableRound round;
    const std::uint32_t seed = options->seed.value_or(vel::UtcMillisecondsOfDay());
    round.GameDeck() = vel::Deck(vel::StandardDeckSize, [time = seed]() mutable { return time++; });
    round.ResetGame();
    round.ResetTable(false);
    round.SetSchedule(options->schedule);
    round.ChooseBet(options->bet);
    const vel::HoldChooser choose = ChooserFor(*options, round);

    Tally tally;
    QElapsedTimer timer;
    timer.start();
    if (!Play(round, choose, options->hands, tally))
        return 1;
    const double seconds = timer.nsecsElapsed() / 1e9;
    Report(tally);
    std::fflush(stdout);
    std::fprintf(stderr, "%lld hands in %.2f s: %.0f hands per second\n", options->hands, seconds,
                 options->hands / seconds);
    return 0;
}
