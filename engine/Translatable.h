#pragma once

// Marks an engine text that the player sees, for the translators: the
// engine keeps the English, the interface looks it up in `context`.
#define VEL_TRANSLATABLE(context, text) text
