#pragma once

#include "engine/Translatable.h"

#include <array>
#include <optional>
#include <string_view>

namespace vel {

// One of the six schedules offered: they differ only in full house and flush.
struct PaySchedule {
    std::string_view listText;
    int fullHouse;
    int flush;
    std::string_view statedReturn;
};

inline constexpr std::array<PaySchedule, 6> PaySchedules{{
    {VEL_TRANSLATABLE("Schedule", "9 / 6 : Full Pay"), 9, 6, "99.54%"},
    {"9 / 5", 9, 5, "98.45%"},
    {VEL_TRANSLATABLE("Schedule", "8 / 6 - Med Pay"), 8, 6, "98.39%"},
    {"8 / 5", 8, 5, "97.30%"},
    {"7 / 5", 7, 5, "96.15%"},
    {VEL_TRANSLATABLE("Schedule", "6 / 5 : Low Pay"), 6, 5, "95.00%"},
}};
inline constexpr int DefaultPaySchedule = 2;
inline constexpr int MaxBet = 5;

// The ten pays of a pay table per credit, in the order a machine's glass
// lists them: the royal flush at the highest bet, then below it, then each
// hand down to jacks or better.
inline constexpr int PayLineCount = 10;
using PayList = std::array<int, PayLineCount>;
inline constexpr int MaxPayPerCredit = 100'000;

// The live pay table: credits won per credit bet for each hand category.
class PayTable {
public:
    PayTable();

    // Any table of whole pays from 0 to MaxPayPerCredit; none otherwise.
    static std::optional<PayTable> FromPays(const PayList& pays);
    // Schedule `index` (0..5) of the list.
    static PayTable ForSchedule(int index);
    PayList Pays() const;
    bool operator==(const PayTable&) const = default;

    // Sets full house and flush from schedule `index`; any index outside
    // 0..5 (no schedule selected) leaves the table as it is.
    void ApplySchedule(int index);

    // Credits won by a hand of category `code` at `bet`; the royal flush
    // pays its higher rate only at the highest bet.
    int PayoutFor(int code, int bet) const;

    // Per-credit value of a category; for the royal flush, the rate at
    // bets below the highest.
    int PerCredit(int code) const;
    int RoyalAtMaxBet() const { return royalAtMaxBet_; }

private:
    std::array<int, 10> perCredit_{}; // indexed by category code, 0 pays 0
    int royalAtMaxBet_ = 800;
};

} // namespace vel
