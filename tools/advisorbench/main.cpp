// advisorbench [--open]: starts the table as the program does and reports
// the CPU seconds used in its first two seconds; with --open the advisor is
// opened at once. Then it deals, and times the Hint command until the
// advisor shows its hint.
#include "game/UAdvisor.h"
#include "game/Unit1.h"
#include "shell/Startup.h"
#include "views/DesignFont.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>

namespace {

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& time) { return time.tv_sec + time.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void Wait(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    vel::PrepareDesktop();
    QApplication app(argc, argv);
    const bool open = app.arguments().contains(QStringLiteral("--open"));
    vel::SubstituteDesignFont();
    TForm1 table(QCoreApplication::applicationFilePath());
    table.InitializeMainWindow();
    table.ResetGame();
    table.ResetTable(true);
    table.SetAnimationScale(0);
    table.show();
    auto* advisor = table.findChild<TAdvisorForm*>();
    if (open)
        advisor->ShowBesideTable();
    Wait(2000);
    std::printf("CPU in the first 2 s%s: %.3f s\n", open ? " (advisor opened at start)" : "", CpuSeconds());
    advisor->close();
    table.BitBtn2Click();
    QElapsedTimer timer;
    timer.start();
    advisor->ShowBesideTable();
    const auto* hand = advisor->findChild<QLabel*>(QStringLiteral("HandLabel"));
    while (!hand->text().startsWith(QStringLiteral("Your hand")))
        QCoreApplication::processEvents();
    std::printf("Hint to first hint: %.1f ms\n", timer.nsecsElapsed() / 1e6);
    return 0;
}
