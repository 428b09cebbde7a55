// Compiles: the game may use every layer, so the other checks fail only
// for the layer they break.
#include "engine/Cards.h"
#include "game/TableRound.h"
#include "shell/SettingsFile.h"
#include "views/Colors.h"
