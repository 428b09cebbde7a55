// Window sizes and places that are meant for the outer frame. Under the
// offscreen desktop a shown window has a thin frame; the test run repeats
// this test under a real window manager, whose frames have a caption.
#include "views/Unit3.h"
#include "views/Unit4.h"
#include "views/Unit5.h"
#include "views/Unit7.h"
#include "views/Unit8.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <memory>

namespace {

enum class Kind { Help, Strategy, Donate, Payouts, About };

std::unique_ptr<TPointerform> MakeWindow(Kind kind, QWidget* mainWindow)
{
    switch (kind) {
    case Kind::Help: return std::make_unique<TForm3>(mainWindow);
    case Kind::Strategy: return std::make_unique<TForm7>(mainWindow);
    case Kind::Donate: return std::make_unique<TForm8>(mainWindow);
    case Kind::Payouts: return std::make_unique<TForm5>(mainWindow);
    case Kind::About: return std::make_unique<TForm4>(mainWindow);
    }
    return nullptr;
}

// Whether shown windows get a frame here: the offscreen desktop draws a thin
// one, a bare X server none.
bool FramesExpected()
{
    return QGuiApplication::platformName() == QLatin1String("offscreen")
           || qEnvironmentVariableIsSet("VEL_WINDOW_MANAGER");
}

// Shows the window and waits until its frame is known.
bool ShowFramed(QWidget* window)
{
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return false;
    return !FramesExpected() || QTest::qWaitFor([window] { return OuterFrame::HasFrame(window); }, 10000);
}

int Distance(QPoint a, QPoint b)
{
    return (a - b).manhattanLength();
}

} // namespace

class OuterFrameTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void sizesOfTheFrame_data();
    void sizesOfTheFrame();
    void centredOnTheMainWindow_data();
    void centredOnTheMainWindow();
    void mainWindowCentredOnTheScreen();

private:
    std::unique_ptr<QWidget> mainWindow_;
};

void OuterFrameTest::init()
{
    mainWindow_ = std::make_unique<QWidget>();
    mainWindow_->resize(593, 433);
    mainWindow_->move(100, 80);
    QVERIFY(ShowFramed(mainWindow_.get()));
}

void OuterFrameTest::cleanup()
{
    mainWindow_.reset();
}

void OuterFrameTest::sizesOfTheFrame_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QSize>("outer");  // empty: the designed client size stands
    QTest::addColumn<QSize>("client"); // when no outer size is given
    QTest::addColumn<QSize>("minimum");
    QTest::addColumn<QSize>("maximum"); // empty: no limit
    QTest::newRow("Help") << Kind::Help << QSize(662, 424) << QSize() << QSize(250, 150) << QSize();
    QTest::newRow("Strategy") << Kind::Strategy << QSize(662, 424) << QSize() << QSize(200, 150) << QSize();
    QTest::newRow("Donate") << Kind::Donate << QSize() << QSize(392, 271) << QSize(200, 150) << QSize();
    QTest::newRow("Payouts") << Kind::Payouts << QSize(316, 330) << QSize() << QSize(250, 250) << QSize(450, 600);
}

void OuterFrameTest::sizesOfTheFrame()
{
    QFETCH(Kind, kind);
    QFETCH(QSize, outer);
    QFETCH(QSize, client);
    QFETCH(QSize, minimum);
    QFETCH(QSize, maximum);
    const auto window = MakeWindow(kind, mainWindow_.get());
    QVERIFY(ShowFramed(window.get()));
    const QMargins frame = OuterFrame::Margins(window.get());
    const QSize margins(frame.left() + frame.right(), frame.top() + frame.bottom());
    qInfo("frame margins %d x %d", margins.width(), margins.height());
    if (outer.isValid())
        QTRY_COMPARE(OuterFrame::Geometry(window.get()).size(), outer);
    else
        QCOMPARE(window->size(), client);
    QTRY_COMPARE(window->minimumSize() + margins, minimum);
    if (maximum.isValid())
        QTRY_COMPARE(window->maximumSize() + margins, maximum);

    // Hidden and shown again, the window keeps its size and place.
    window->resize(window->size() + QSize(30, 20));
    QTRY_COMPARE(OuterFrame::Geometry(window.get()).size(), window->size() + margins);
    const QRect before = OuterFrame::Geometry(window.get());
    window->hide();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QTRY_COMPARE(OuterFrame::Geometry(window.get()), before);
}

void OuterFrameTest::centredOnTheMainWindow_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::newRow("About") << Kind::About;
    QTest::newRow("Donate") << Kind::Donate;
    QTest::newRow("Help") << Kind::Help;
}

void OuterFrameTest::centredOnTheMainWindow()
{
    QFETCH(Kind, kind);
    const auto window = MakeWindow(kind, mainWindow_.get());
    QVERIFY(ShowFramed(window.get()));
    const QPoint centre = OuterFrame::Geometry(mainWindow_.get()).center();
    const auto placed = [&window] { return OuterFrame::Geometry(window.get()).center(); };
    QTRY_VERIFY2(Distance(placed(), centre) <= 1,
                 qPrintable(QStringLiteral("centred at %1, %2, not %3, %4").arg(placed().x()).arg(placed().y()).arg(centre.x()).arg(centre.y())));
}

void OuterFrameTest::mainWindowCentredOnTheScreen()
{
    QWidget table;
    table.resize(593, 433);
    CentreOnScreen(&table);
    QVERIFY(ShowFramed(&table));
    const QPoint centre = table.screen()->availableGeometry().center();
    QTRY_VERIFY(Distance(OuterFrame::Geometry(&table).center(), centre) <= 1);
}

QTEST_MAIN(OuterFrameTest)
#include "tst_outerframe.moc"
