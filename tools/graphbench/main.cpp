// graphbench [hands] [--no-graph]: plays one game of hands (10,000 by
// default) through the round with the advisor following, and prints the
// wall time of each thousand hands; the graph page is shown and repainted
// after every hand unless --no-graph. A graph that redrew every point would
// slow down as the game grows; one that appends stays level.
#include "engine/Evaluator.h"
#include "game/AdvisorGraph.h"
#include "game/HeadlessPlay.h"
#include "game/TableRound.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <string>

namespace {

// The player who knows the cards the draw brings holds for the best final
// hand: the credit only grows, so the game, and its graph, never end.
unsigned Clairvoyant(const vel::TableRound& round)
{
    const vel::Hand& dealt = round.State().Hand;
    const vel::Deck& deck = round.GameDeck();
    unsigned bestMask = 0;
    int bestPayout = -1;
    for (unsigned mask = 0; mask < 32; ++mask) {
        std::string ranks, suits;
        int position = deck.DeckPos();
        for (int place = 0; place < 5; ++place) {
            vel::Card card = dealt[place];
            if (!(mask >> place & 1)) {
                card = deck.At(position);
                position = position % deck.DeckSize() + 1;
            }
            ranks += vel::RankLetter(card);
            suits += vel::SuitLetter(card);
        }
        vel::WinCards flags{};
        const int payout = round.Pays().PayoutFor(vel::CategoryOf(vel::EvaluateHand(ranks, suits, flags)),
                                                  round.State().CurrentBet);
        if (payout > bestPayout) {
            bestPayout = payout;
            bestMask = mask;
        }
    }
    return bestMask;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    const bool graph = !arguments.removeAll(QStringLiteral("--no-graph"));
    const int hands = arguments.isEmpty() ? 10'000 : arguments.front().toInt();

    vel::TableRound round;
    round.ResetGame();
    round.ResetTable(false);
    vel::AdvisorSession session(round);
    session.SetFollowing(true);
    session.WaitForTables();
    vel::GameReview review(session);
    TGraphPage page(review);
    page.resize(460, 560);
    if (graph)
        page.show();
    const vel::HoldChooser clairvoyant = [&](const vel::Hand&) { return Clairvoyant(round); };
    QElapsedTimer timer;
    timer.start();
    for (int hand = 1; hand <= hands; ++hand) {
        vel::PlayHand(round, clairvoyant);
        if (graph)
            page.repaint();
        if (hand % 1000 == 0) {
            std::printf("hands %6d to %6d: %7.1f ms (graph points %zu)\n", hand - 999, hand,
                        timer.nsecsElapsed() / 1e6, review.Graph().size());
            timer.restart();
        }
    }
    std::printf("%d hands, credit %d%s\n", hands, round.State().Credit, graph ? ", graph shown" : ", no graph");
    return 0;
}
