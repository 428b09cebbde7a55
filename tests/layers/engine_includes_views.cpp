// Must not compile: the engine is the lowest layer.
#include "views/Colors.h"
