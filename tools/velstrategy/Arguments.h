#pragma once

#include "engine/PaySchedule.h"

#include <optional>
#include <string>
#include <vector>

// What the command line asks for. A bad argument leaves `fault` naming it.
struct Arguments {
    enum class Task { Chart, AllCharts, PayTable, Hand };

    Task task = Task::Chart;
    std::optional<int> schedule;
    std::optional<vel::PayTable> pays; // from --pays
    std::optional<int> bet;
    std::string hand;
    std::string fault;

    // The pay table asked for: --pays, else --schedule.
    vel::PayTable Table() const { return pays ? *pays : vel::PayTable::ForSchedule(*schedule); }
    int Bet() const { return bet.value_or(vel::MaxBet); }
};

Arguments ParseArguments(const std::vector<std::string>& words);
