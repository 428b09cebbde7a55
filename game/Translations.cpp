#include "game/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace vel {

namespace {

// The game's translations are built into it; Qt's come with the system.
void Install(QCoreApplication& application, const QLocale& locale, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(&application);
    if (translator->load(locale, name, QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

void InstallTranslations(QCoreApplication& application, const QLocale& locale)
{
    Install(application, locale, QStringLiteral("velpoker"), QStringLiteral(":/i18n"));
    Install(application, locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

} // namespace vel
