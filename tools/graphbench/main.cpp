// graphbench [hands] [--no-graph]: plays one game of hands (10,000 by default) through the round with the
// advisor following, and prints the wall and processor time of each thousand hands; the graph page is shown
// and repainted after every hand unless --no-graph. A graph that drew every hand of the game would slow down
// as the game grows; one that thins its points stays level.
#include "game/AdvisorGraph.h"
#include "game/HeadlessPlay.h"
#include "game/TableRound.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <ctime>

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
    // Held by a player who sees the draw: the credit only grows, so the game never ends.
    const vel::HoldChooser sighted = [&](const vel::Hand&) { return vel::SightedHold(round); };
    QElapsedTimer timer;
    timer.start();
    std::clock_t processorStart = std::clock(); // the time a busy machine gave us
    for (int hand = 1; hand <= hands; ++hand) {
        vel::PlayHand(round, sighted);
        if (graph)
            page.repaint();
        if (hand % 1000 == 0) {
            const double processorMs = 1e3 * double(std::clock() - processorStart) / CLOCKS_PER_SEC;
            std::printf("hands %6d to %6d: %7.1f ms (%7.1f ms of processor time), graph points %zu\n", hand - 999,
                        hand, timer.nsecsElapsed() / 1e6, processorMs, review.Graph().size());
            timer.restart();
            processorStart = std::clock();
        }
    }
    std::printf("%d hands, credit %d%s\n", hands, round.State().Credit, graph ? ", graph shown" : ", no graph");
    return 0;
}
