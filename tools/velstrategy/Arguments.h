#pragma once

#include "engine/PaySchedule.h"

#include <optional>
#include <string>
#include <vector>

// What the command line asks for. A bad argument leaves `fault` naming it.
struct Arguments {
    enum class Task { Chart, AllCharts, PayTable, Hand, Bankroll };

    Task task = Task::Chart;
    std::optional<int> schedule;
    std::optional<vel::PayTable> pays; // from --pays
    std::optional<int> bet;
    std::string hand;
    std::optional<int> credit; // --bankroll
    std::optional<int> hands;  // --hands of the session
    bool chart = false;        // --chart: the session played by the chart, not perfectly
    std::string fault;

    // The pay table asked for: --pays, else --schedule.
    vel::PayTable Table() const { return pays ? *pays : vel::PayTable::ForSchedule(*schedule); }
    int Bet() const { return bet.value_or(vel::MaxBet); }
};

Arguments ParseArguments(const std::vector<std::string>& words);
