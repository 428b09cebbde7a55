#pragma once

#include "engine/Bankroll.h"

#include <QtGlobal>

#include <variant>

inline constexpr int EightFiveSchedule = 3;

// The figures of a question that has them; a test that gets an error
// instead stops there, naming it.
inline vel::BankrollFigures FiguresOf(const vel::ReturnTable& oneHand, const vel::BankrollQuestion& question)
{
    const vel::BankrollAnswer answer = vel::AnswerBankroll(oneHand, question);
    if (const auto* error = std::get_if<vel::BankrollError>(&answer))
        qFatal("no figures for %d credits, %d hands at bet %d: error %d", question.credit, question.hands,
               question.bet, static_cast<int>(*error));
    return std::get<vel::BankrollFigures>(answer);
}
