#include "shell/Startup.h"

#include "game/Unit1.h"
#include "views/pointerform.h"

#include <QApplication>
#include <QFont>
#include <QSessionManager>

namespace vel {

namespace {

QString& Title()
{
    static QString title = QStringLiteral("vel Zezuv");
    return title;
}

} // namespace

QString ApplicationTitle()
{
    return Title();
}

void SetApplicationTitle(const QString& title)
{
    Title() = title;
}

void PrepareDesktop()
{
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::RoundPreferFloor);
}

void SubstituteDesignFont()
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
}

int RunGame(int argc, char* argv[])
{
    PrepareDesktop();
    QApplication app(argc, argv);
    SubstituteDesignFont();
    SetApplicationTitle(QStringLiteral("vel Zezuv"));
    TForm1 table(QCoreApplication::applicationFilePath());
    table.InitializeMainWindow();
    table.ResetGame();
    table.ResetTable(true);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &table, [&table](QSessionManager& manager) {
        if (!table.CommitSession(manager.allowsInteraction()))
            manager.cancel();
        manager.release();
    });
    table.adjustSize();
    CentreOnScreen(&table);
    table.show();
    return app.exec();
}

} // namespace vel
