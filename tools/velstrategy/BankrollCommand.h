#pragma once

// velstrategy --bankroll C --hands N [--schedule S | --pays a,b,c,d,e,f,g,h,i,j] [--bet B] [--chart]
// prints the exact bankroll figures of a session: C credits, N hands at most,
// perfect play (or the strategy chart's with --chart) of a schedule (the
// default one unless given) or of ten pays, royal flush at bet 5 first, at
// bet B (5 unless given).

#include <span>

namespace velstrategy {

// True when the arguments ask for the bankroll figures.
bool AsksForBankroll(std::span<char* const> arguments);

// Prints the figures on standard output and returns 0; or names the fault
// in the arguments on standard error, prints nothing else, and returns 2.
int RunBankrollCommand(std::span<char* const> arguments);

} // namespace velstrategy
