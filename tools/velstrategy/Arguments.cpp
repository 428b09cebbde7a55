#include "Arguments.h"

#include "engine/Bankroll.h"

#include <charconv>
#include <string_view>

namespace {

std::optional<int> WholeNumber(std::string_view text, int low, int high)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

// "800,250,50,25,9,6,4,3,2,1": the ten pays per credit.
std::optional<vel::PayTable> PayList(std::string_view text)
{
    vel::PayList pays{};
    for (std::size_t line = 0; line < pays.size(); ++line) {
        const std::size_t comma = text.find(',');
        const bool last = line + 1 == pays.size();
        if ((comma == std::string_view::npos) != last)
            return std::nullopt;
        const std::optional<int> pay = WholeNumber(text.substr(0, comma), 0, vel::MaxPayPerCredit);
        if (!pay)
            return std::nullopt;
        pays[line] = *pay;
        text.remove_prefix(last ? text.size() : comma + 1);
    }
    return vel::PayTable::FromPays(pays);
}

class Parser {
public:
    explicit Parser(Arguments& arguments)
        : arguments_(arguments)
    {
    }

    // Takes the option and its value; false once a fault is found.
    bool Take(const std::string& option, const std::string& value)
    {
        if (option == "--schedule")
            return Set(arguments_.schedule, WholeNumber(value, 0, static_cast<int>(vel::PaySchedules.size()) - 1),
                       "--schedule takes 0 to 5", value);
        if (option == "--bet")
            return Set(arguments_.bet, WholeNumber(value, 1, vel::MaxBet), "--bet takes 1 to 5", value);
        if (option == "--pays") {
            if (arguments_.task == Arguments::Task::Chart)
                arguments_.task = Arguments::Task::PayTable;
            return Set(arguments_.pays, PayList(value),
                       "--pays takes ten whole pays from 0 to 100000, apart by commas", value);
        }
        if (option == "--hand") {
            arguments_.task = Arguments::Task::Hand;
            arguments_.hand = value;
            return true;
        }
        if (option == "--bankroll") {
            arguments_.task = Arguments::Task::Bankroll;
            return Set(arguments_.credit, WholeNumber(value, 1, vel::MaxBankrollCredit),
                       "--bankroll takes 1 to " + std::to_string(vel::MaxBankrollCredit) + " credits", value);
        }
        if (option == "--hands")
            return Set(arguments_.hands, WholeNumber(value, 1, vel::MaxBankrollHands),
                       "--hands takes 1 to " + std::to_string(vel::MaxBankrollHands), value);
        return Fail("unknown option " + option);
    }

    bool Fail(const std::string& fault)
    {
        arguments_.fault = fault;
        return false;
    }

private:
    template <typename T>
    bool Set(std::optional<T>& field, std::optional<T> value, const std::string& rule, const std::string& given)
    {
        if (!value)
            return Fail(rule + ", not '" + given + "'");
        field = value;
        return true;
    }

    Arguments& arguments_;
};

std::string BankrollConflict(const Arguments& arguments)
{
    if (arguments.credit && !arguments.hand.empty())
        return "--bankroll and --hand ask for different things";
    if (arguments.task != Arguments::Task::Bankroll)
        return arguments.hands || arguments.chart ? "--hands and --chart go with --bankroll" : "";
    if (!arguments.hands)
        return "--bankroll needs --hands";
    if (*arguments.credit < arguments.Bet())
        return "the credit of " + std::to_string(*arguments.credit) + " is below the bet of "
               + std::to_string(arguments.Bet());
    return {};
}

// Which options each task allows beside its own.
std::string Conflict(const Arguments& arguments)
{
    using Task = Arguments::Task;
    if (arguments.schedule && arguments.pays)
        return "--schedule and --pays both name a pay table";
    if (const std::string fault = BankrollConflict(arguments); !fault.empty())
        return fault;
    if (arguments.task == Task::Chart && (!arguments.schedule || !arguments.bet))
        return "a chart needs --schedule and --bet, or --pays";
    return {};
}

} // namespace

Arguments ParseArguments(const std::vector<std::string>& words)
{
    Arguments arguments;
    Parser parser(arguments);
    if (words.size() == 1 && words.front() == "--all") {
        arguments.task = Arguments::Task::AllCharts;
        return arguments;
    }
    if (words.empty())
        parser.Fail("nothing asked");
    for (std::size_t i = 0; i < words.size() && arguments.fault.empty();) {
        if (words[i] == "--chart") { // a flag, without a value
            arguments.chart = true;
            ++i;
        } else if (i + 1 == words.size()) {
            parser.Fail(words[i] + " needs a value");
            ++i;
        } else {
            parser.Take(words[i], words[i + 1]);
            i += 2;
        }
    }
    if (arguments.fault.empty())
        arguments.fault = Conflict(arguments);
    const bool ownSchedule = arguments.task == Arguments::Task::Hand || arguments.task == Arguments::Task::Bankroll;
    if (arguments.fault.empty() && ownSchedule && !arguments.pays)
        arguments.schedule = arguments.schedule.value_or(vel::DefaultPaySchedule);
    return arguments;
}
