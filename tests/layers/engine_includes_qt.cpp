// Must not compile: the engine knows no Qt.
#include <QString>
