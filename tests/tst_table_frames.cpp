// Where the table's question boxes and its advisor go, by their outer
// frames. The test run repeats this test under a real window manager, and
// under a Wayland compositor with XWayland, starting as the game does.
#include "AdvisorFixture.h"

#include "game/TableWidgets.h"
#include "views/pointerform.h"

#include <QGuiApplication>
#include <QScreen>

using namespace advisorfixture;

namespace {

bool FramesExpected()
{
    return QGuiApplication::platformName() == QLatin1String("offscreen")
           || qEnvironmentVariableIsSet("VEL_WINDOW_MANAGER");
}

bool Framed(const QWidget* window)
{
    return !FramesExpected() || OuterFrame::HasFrame(window);
}

} // namespace

class TableFramesTest : public QObject {
    Q_OBJECT
public:
    // Before the application, as the game's start: under a compositor the
    // test runs on the platform the game would choose.
    static void initMain() { vel::PrepareDesktop(); }

private slots:
    void platformUnderCompositor();
    void questionBoxCornerByFrame();
    void advisorBesideTheTable();

private:
    Sandbox sandbox_;
};

void TableFramesTest::platformUnderCompositor()
{
    if (!qEnvironmentVariableIsSet("VEL_COMPOSITOR"))
        QSKIP("not under a Wayland compositor");
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
}

void TableFramesTest::questionBoxCornerByFrame()
{
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    QVERIFY(QTest::qWaitFor([&] { return Framed(table.get()); }, 10000));
    table->BitBtn2Click();
    table->BitBtn1Click(); // a completed hand: New asks first
    if (table->State().Credit <= 0)
        QSKIP("the first hand cannot lose everything");
    const QPoint panel2 = table->findChild<TCardPanel*>(QStringLiteral("Panel2"))->pos();
    const QPoint expected = OuterFrame::Geometry(table.get()).topLeft() + panel2 + QPoint(50, 85);
    QPoint corner;
    bool asked = false;
    ModalHandler<QMessageBox> answer([&](QMessageBox* box) {
        asked = true;
        [[maybe_unused]] const bool placed = QTest::qWaitFor(
            [&] { return Framed(box) && OuterFrame::Geometry(box).topLeft() == expected; }, 5000);
        corner = OuterFrame::Geometry(box).topLeft();
        box->button(QMessageBox::No)->click();
    });
    table->New1Click();
    QVERIFY(asked);
    QCOMPARE(corner, expected);
}

void TableFramesTest::advisorBesideTheTable()
{
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    QVERIFY(QTest::qWaitFor([&] { return Framed(table.get()); }, 10000));
    TAdvisorForm* advisor = OpenAdvisor(*table);
    QVERIFY(advisor);
    QVERIFY(QTest::qWaitFor([&] { return Framed(advisor); }, 10000));
    // Framing the advisor may pass activation around before it settles.
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), table.get(), 5000);
    const QRect screen = table->screen()->availableGeometry();
    const QRect tableFrame = OuterFrame::Geometry(table.get());
    const QRect advisorFrame = OuterFrame::Geometry(advisor);
    QVERIFY(screen.contains(advisorFrame));
    const int room = qMax(screen.right() - tableFrame.right(), tableFrame.left() - screen.left());
    if (room < advisor->minimumWidth() + advisorFrame.width() - advisor->width())
        QSKIP("this screen has no room beside the table");
    for (const TCardPanel* place : table->findChildren<TCardPanel*>()) {
        const QRect onScreen(place->mapToGlobal(QPoint(0, 0)), place->size());
        QVERIFY2(!advisorFrame.intersects(onScreen), qPrintable(place->objectName()));
    }
}

QTEST_MAIN(TableFramesTest)
#include "tst_table_frames.moc"
