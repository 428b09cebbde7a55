#include "BankrollCommand.h"

#include "engine/Bankroll.h"
#include "engine/ChartPlay.h"
#include "engine/StrategyChart.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

using namespace vel;

namespace velstrategy {

namespace {

constexpr std::string_view Usage = "usage: velstrategy --bankroll C --hands N [--schedule 0..5 | --pays "
                                   "a,b,c,d,e,f,g,h,i,j] [--bet 1..5] [--chart]\n";
constexpr std::string_view ChartFlag = "--chart";
constexpr std::string_view ValueOptions[] = {"--bankroll", "--hands", "--schedule", "--pays", "--bet"};

struct BankrollRequest {
    BankrollQuestion question;
    PayTable pays = PayTable::ForSchedule(DefaultPaySchedule);
    bool chart = false;
};

// Either the thing asked for or the fault, in words.
template <typename T>
using OrFault = std::variant<T, std::string>;

std::optional<int> WholeNumber(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<PayTable> PaysIn(std::string_view text)
{
    PayList pays{};
    for (std::size_t line = 0; line < pays.size(); ++line) {
        const std::size_t comma = text.find(',');
        const bool last = line + 1 == pays.size();
        if ((comma == std::string_view::npos) != last)
            return std::nullopt;
        const auto pay = WholeNumber(text.substr(0, comma));
        if (!pay)
            return std::nullopt;
        pays[line] = *pay;
        text.remove_prefix(last ? text.size() : comma + 1);
    }
    return PayTable::FromPays(pays);
}

using OptionValues = std::map<std::string_view, std::string_view>;

// Each option with its value, `--chart` with an empty one.
OrFault<OptionValues> ReadOptions(std::span<char* const> arguments)
{
    OptionValues values;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view option = arguments[i];
        const bool known = option == ChartFlag || std::find(std::begin(ValueOptions), std::end(ValueOptions),
                                                            option) != std::end(ValueOptions);
        if (!known)
            return "unknown argument '" + std::string(option) + "'";
        if (values.contains(option))
            return std::string(option) + " is given twice";
        if (option != ChartFlag && i + 1 == arguments.size())
            return std::string(option) + " needs a value";
        values[option] = option == ChartFlag ? std::string_view() : std::string_view(arguments[++i]);
    }
    return values;
}

OrFault<int> WholeNumberOption(const OptionValues& values, std::string_view option, std::optional<int> fallback)
{
    const auto value = values.find(option);
    if (value == values.end()) {
        if (fallback)
            return *fallback;
        return std::string(option) + " is missing";
    }
    if (const auto number = WholeNumber(value->second))
        return *number;
    return std::string(option) + " needs a whole number, not '" + std::string(value->second) + "'";
}

OrFault<PayTable> PayTableOption(const OptionValues& values)
{
    const auto schedule = values.find("--schedule");
    const auto pays = values.find("--pays");
    if (schedule != values.end() && pays != values.end())
        return std::string("give --schedule or --pays, not both");
    if (pays != values.end()) {
        if (const auto table = PaysIn(pays->second))
            return *table;
        return "--pays needs ten whole pays from 0 to " + std::to_string(MaxPayPerCredit)
               + ", the royal flush at bet 5 first, not '" + std::string(pays->second) + "'";
    }
    if (schedule == values.end())
        return PayTable::ForSchedule(DefaultPaySchedule);
    const auto index = WholeNumber(schedule->second);
    if (!index || *index < 0 || *index >= static_cast<int>(PaySchedules.size()))
        return "--schedule must be 0 to " + std::to_string(PaySchedules.size() - 1) + ", not '"
               + std::string(schedule->second) + "'";
    return PayTable::ForSchedule(*index);
}

std::string Describe(BankrollError error, const BankrollQuestion& question)
{
    switch (error) {
    case BankrollError::BetOutOfRange:
        return "--bet must be 1 to " + std::to_string(MaxBet);
    case BankrollError::CreditBelowBet:
        return "the credit of " + std::to_string(question.credit) + " is below the bet of "
               + std::to_string(question.bet);
    case BankrollError::CreditTooLarge:
        return "--bankroll must be at most " + std::to_string(MaxBankrollCredit) + " credits";
    case BankrollError::NoHands:
        return "--hands must be at least 1";
    case BankrollError::TooManyHands:
        return "--hands must be at most " + std::to_string(MaxBankrollHands);
    case BankrollError::NotAHandTable:
        return "the pay table gives no distribution of hands";
    case BankrollError::TooWide:
        return "these pays spread the credit too far to follow over " + std::to_string(question.hands) + " hands";
    case BankrollError::Stopped:
        break;
    }
    return "the figures were not finished";
}

OrFault<BankrollRequest> ParseRequest(std::span<char* const> arguments)
{
    const auto values = ReadOptions(arguments);
    if (const auto* fault = std::get_if<std::string>(&values))
        return *fault;
    const auto& options = std::get<OptionValues>(values);
    const auto credit = WholeNumberOption(options, "--bankroll", std::nullopt);
    const auto hands = WholeNumberOption(options, "--hands", std::nullopt);
    const auto bet = WholeNumberOption(options, "--bet", MaxBet);
    const auto pays = PayTableOption(options);
    for (const auto* fault : {std::get_if<std::string>(&credit), std::get_if<std::string>(&hands),
                              std::get_if<std::string>(&bet), std::get_if<std::string>(&pays)}) {
        if (fault)
            return *fault;
    }
    BankrollRequest request{{std::get<int>(credit), std::get<int>(hands), std::get<int>(bet)},
                            std::get<PayTable>(pays), options.contains(ChartFlag)};
    if (const auto misfit = CheckBankrollQuestion(request.question))
        return Describe(*misfit, request.question);
    return request;
}

ReturnTable OneHand(const BankrollRequest& request)
{
    const HoldAnalyzer analyzer;
    const int bet = request.question.bet;
    if (!request.chart)
        return PerfectPlayTable(analyzer, request.pays, bet);
    const StrategyChart chart = GenerateChart(analyzer, request.pays, bet);
    return ChartPlayTable(analyzer, chart.lines, request.pays, bet);
}

void Print(const BankrollFigures& figures, int hands)
{
    std::printf("Risk of ruin: %.4f%%\n", figures.riskOfRuin * 100);
    std::printf("Royal within %d hands: %.4f%%\n", hands, figures.royalWithinHands * 100);
    std::printf("Royal before ruin: %.4f%%\n", figures.royalBeforeRuin * 100);
    const CreditPercentiles& credit = figures.creditPercentiles;
    std::printf("Credit after %d hands: 5%%: %lld, 25%%: %lld, median: %lld, 75%%: %lld, 95%%: %lld, mean: %.2f\n",
                hands, static_cast<long long>(credit[0]), static_cast<long long>(credit[1]),
                static_cast<long long>(credit[2]), static_cast<long long>(credit[3]),
                static_cast<long long>(credit[4]), figures.meanCredit);
    for (std::size_t target = 0; target < RuinRiskTargets.size(); ++target)
        std::printf("Credit for %.0f%% risk: %d\n", RuinRiskTargets[target] * 100, figures.creditForRisk[target]);
}

int Fail(const std::string& fault)
{
    std::fprintf(stderr, "velstrategy: %s\n%s", fault.c_str(), std::string(Usage).c_str());
    return 2;
}

} // namespace

bool AsksForBankroll(std::span<char* const> arguments)
{
    return std::any_of(arguments.begin(), arguments.end(),
                       [](const char* argument) { return std::string_view(argument) == "--bankroll"; });
}

int RunBankrollCommand(std::span<char* const> arguments)
{
    const auto parsed = ParseRequest(arguments);
    if (const auto* fault = std::get_if<std::string>(&parsed))
        return Fail(*fault);
    const auto& request = std::get<BankrollRequest>(parsed);
    const BankrollAnswer answer = AnswerBankroll(OneHand(request), request.question);
    if (const auto* error = std::get_if<BankrollError>(&answer))
        return Fail(Describe(*error, request.question));
    Print(std::get<BankrollFigures>(answer), request.question.hands);
    return 0;
}

} // namespace velstrategy
