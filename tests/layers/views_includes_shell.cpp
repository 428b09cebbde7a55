// Must not compile: the views sit below the shell.
#include "shell/SettingsFile.h"
