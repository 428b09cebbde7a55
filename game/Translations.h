#pragma once

#include <QLocale>

class QCoreApplication;

namespace vel {

// Installs the game's translation for the languages of `locale`, and Qt's
// own for the standard buttons. English, the language the game is written
// in, needs neither; a language without a translation stays English.
void InstallTranslations(QCoreApplication& application, const QLocale& locale = QLocale());

} // namespace vel
