// Must not compile: the shell sits below the game.
#include "game/TableRound.h"
