// Starts the game and runs it until the table closes.
#include "game/Translations.h"
#include "game/Unit1.h"
#include "shell/Startup.h"
#include "views/DesignFont.h"
#include "views/pointerform.h"

#include <QApplication>
#include <QSessionManager>

int main(int argc, char* argv[])
{
    vel::PrepareDesktop();
    QApplication app(argc, argv);
    vel::InstallTranslations(app);
    vel::SubstituteDesignFont();
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
