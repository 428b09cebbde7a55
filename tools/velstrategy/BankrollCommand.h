#pragma once

#include "Arguments.h"

#include <string>

// velstrategy --bankroll C --hands N [--schedule S | --pays ...] [--bet B] [--chart]:
// prints the exact bankroll figures of the session, with perfect play or,
// with --chart, the strategy chart's. Returns the fault when the engine
// finds the question beyond its reach, else an empty text.
std::string PrintBankroll(const Arguments& arguments);
