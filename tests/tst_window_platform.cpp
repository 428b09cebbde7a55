// Which window system the game asks for, by the desktop it starts on: every
// placement holds only where the table runs as an X11 client.
#include "shell/Startup.h"

#include <QTest>

class WindowPlatformTest : public QObject {
    Q_OBJECT
private slots:
    void placingPlatform_data();
    void placingPlatform();
};

void WindowPlatformTest::placingPlatform_data()
{
    QTest::addColumn<QStringList>("variables");
    QTest::addColumn<QByteArray>("platform");

    const QByteArray x11First = "xcb;wayland";
    QTest::newRow("X11 desktop") << QStringList{"DISPLAY=:0"} << x11First;
    QTest::newRow("Wayland desktop with XWayland")
        << QStringList{"WAYLAND_DISPLAY=wayland-0", "DISPLAY=:0", "XDG_SESSION_TYPE=wayland"} << x11First;
    QTest::newRow("Wayland desktop without XWayland")
        << QStringList{"WAYLAND_DISPLAY=wayland-0", "XDG_SESSION_TYPE=wayland"} << QByteArray();
    QTest::newRow("empty X display") << QStringList{"WAYLAND_DISPLAY=wayland-0", "DISPLAY="} << QByteArray();
    QTest::newRow("no display") << QStringList{} << QByteArray();
    QTest::newRow("player chose Wayland")
        << QStringList{"WAYLAND_DISPLAY=wayland-0", "DISPLAY=:0", "QT_QPA_PLATFORM=wayland"} << QByteArray();
    QTest::newRow("player chose X11") << QStringList{"DISPLAY=:0", "QT_QPA_PLATFORM=xcb"} << QByteArray();
    QTest::newRow("tests chose offscreen")
        << QStringList{"WAYLAND_DISPLAY=wayland-0", "DISPLAY=:0", "QT_QPA_PLATFORM=offscreen"} << QByteArray();
    QTest::newRow("empty choice is no choice")
        << QStringList{"WAYLAND_DISPLAY=wayland-0", "DISPLAY=:0", "QT_QPA_PLATFORM="} << x11First;
}

void WindowPlatformTest::placingPlatform()
{
    QFETCH(QStringList, variables);
    QFETCH(QByteArray, platform);
    QProcessEnvironment environment;
    for (const QString& variable : variables)
        environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    QCOMPARE(vel::PlacingPlatform(environment), platform);
}

QTEST_GUILESS_MAIN(WindowPlatformTest)
#include "tst_window_platform.moc"
