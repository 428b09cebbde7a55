#include "views/SBPro.h"

#include <QAccessible>
#include <QImage>
#include <QTest>

#include <array>

using namespace vel;

namespace {

constexpr int DesignClientWidth = 593;

// Counts the paint events each panel receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(TStatusBarPro& bar)
    {
        for (int i = 0; i < TStatusBarPro::PanelCount; ++i)
            bar.Panel(i).installEventFilter(this);
        bar_ = &bar;
    }
    int Count(int index) const { return counts_.at(index); }
    void Reset() { counts_.fill(0); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            for (int i = 0; i < TStatusBarPro::PanelCount; ++i)
                if (watched == &bar_->Panel(i))
                    ++counts_[i];
        return false;
    }

private:
    TStatusBarPro* bar_ = nullptr;
    std::array<int, TStatusBarPro::PanelCount> counts_{};
};

// The smallest rectangle holding every pixel of `image` that is not of the
// background colour.
QRect InkBounds(const QImage& image, QColor background)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != background)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace

class StatusBarTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void designedLayoutAt96Dpi_data();
    void designedLayoutAt96Dpi();
    void widthIsClampedToItsBounds_data();
    void widthIsClampedToItsBounds();
    void widthChangeMovesTheFollowingPanels();
    void barFollowsTheMainWindowFont();
    void textChangeRepaintsOnlyThatPanel();
    void sameTextDoesNothing();
    void highlightColours_data();
    void highlightColours();
    void textIsCentredInThePanel();
    void accessibleNamesFollowTexts_data();
    void accessibleNamesFollowTexts();

private:
    QWidget* window_ = nullptr;
    TStatusBarPro* bar_ = nullptr;

    void ShowWindow();
};

void StatusBarTest::init()
{
    window_ = new QWidget;
    window_->resize(DesignClientWidth, 433);
    bar_ = new TStatusBarPro(window_);
    bar_->setGeometry(0, window_->height() - bar_->height(), DesignClientWidth, bar_->height());
    bar_->LayoutStatusPanels(DesignClientWidth);
}

void StatusBarTest::cleanup()
{
    delete window_;
}

void StatusBarTest::ShowWindow()
{
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
}

void StatusBarTest::designedLayoutAt96Dpi_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("width");
    QTest::newRow("panel 0") << 0 << 0 << 113;
    QTest::newRow("panel 1 is 15 wider") << 1 << 113 << 128;
    QTest::newRow("panel 2") << 2 << 241 << 113;
    QTest::newRow("panel 3") << 3 << 354 << 113;
    QTest::newRow("panel 4 takes the rest") << 4 << 467 << 126;
}

void StatusBarTest::designedLayoutAt96Dpi()
{
    QFETCH(int, index);
    QFETCH(int, left);
    QFETCH(int, width);
    QCOMPARE(bar_->height(), 25);
    const QRect part = bar_->Panel(index).geometry();
    QCOMPARE(part.left(), left);
    QCOMPARE(part.width(), width);
    QCOMPARE(part.height(), bar_->height());
    QCOMPARE(bar_->PanelRect(index), part);
}

void StatusBarTest::widthIsClampedToItsBounds_data()
{
    QTest::addColumn<int>("requested");
    QTest::addColumn<int>("expected");
    QTest::newRow("below the minimum") << 10 << 20;
    QTest::newRow("inside") << 150 << 150;
    QTest::newRow("above the maximum") << 300 << 200;
}

void StatusBarTest::widthIsClampedToItsBounds()
{
    QFETCH(int, requested);
    QFETCH(int, expected);
    TStatusPanelPro& panel = bar_->Panel(0);
    panel.SetMinWidth(20);
    panel.SetMaxWidth(200);
    panel.SetWidth(requested);
    QCOMPARE(panel.Width(), expected);
    QCOMPARE(bar_->Panel(1).geometry().left(), expected);
}

void StatusBarTest::widthChangeMovesTheFollowingPanels()
{
    bar_->Panel(1).SetWidth(100);
    QCOMPARE(bar_->Panel(2).geometry().left(), 213);
    QCOMPARE(bar_->Panel(3).geometry().left(), 326);
    QCOMPARE(bar_->Panel(4).geometry(), QRect(439, 0, DesignClientWidth - 439, 25));
}

void StatusBarTest::barFollowsTheMainWindowFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    window_->setFont(font);
    QCOMPARE(bar_->Panel(2).font(), font);
}

void StatusBarTest::textChangeRepaintsOnlyThatPanel()
{
    PaintCounter paints(*bar_);
    ShowWindow();
    QTRY_VERIFY(paints.Count(4) > 0);
    paints.Reset();

    bar_->Panel(2).SetText(QStringLiteral("Hi Win= 25"));
    QTRY_COMPARE(paints.Count(2), 1);
    QCoreApplication::processEvents();
    for (int other : {0, 1, 3, 4})
        QCOMPARE(paints.Count(other), 0);
}

void StatusBarTest::sameTextDoesNothing()
{
    PaintCounter paints(*bar_);
    bar_->Panel(0).SetText(QStringLiteral("Hands= 3"));
    ShowWindow();
    QTRY_VERIFY(paints.Count(0) > 0);
    paints.Reset();

    bar_->Panel(0).SetText(QStringLiteral("Hands= 3"));
    bar_->Panel(1).SetText(QStringLiteral("AVG Win= 2.50"));
    // Both updates would be served by the same repaint.
    QTRY_COMPARE(paints.Count(1), 1);
    QCOMPARE(paints.Count(0), 0);
}

void StatusBarTest::highlightColours_data()
{
    QTest::addColumn<bool>("on");
    QTest::addColumn<TColor>("color");
    QTest::addColumn<TColor>("fontColor");
    QTest::addColumn<QPalette::ColorRole>("backgroundRole");
    QTest::newRow("on") << true << clHighlight << clHighlightText << QPalette::Highlight;
    QTest::newRow("off") << false << clBtnFace << clBtnText << QPalette::Button;
}

void StatusBarTest::highlightColours()
{
    QFETCH(bool, on);
    QFETCH(TColor, color);
    QFETCH(TColor, fontColor);
    QFETCH(QPalette::ColorRole, backgroundRole);
    TStatusPanelPro& panel = bar_->Panel(3);
    bar_->HighlightStatusPanel(3, !on);
    bar_->HighlightStatusPanel(3, on);
    QCOMPARE(panel.Color(), color);
    QCOMPARE(panel.FontColor(), fontColor);
    QVERIFY(!panel.ParentColor());

    const QImage image = panel.grab().toImage();
    const QPoint inner = panel.InnerRect().topLeft();
    QCOMPARE(image.pixelColor(inner), panel.palette().color(backgroundRole));
}

void StatusBarTest::textIsCentredInThePanel()
{
    TStatusPanelPro& panel = bar_->Panel(2);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    window_->setFont(font);
    panel.SetText(QStringLiteral("vel Zezuv V1.0"));
    bar_->HighlightStatusPanel(2, true);

    const QRect inner = panel.InnerRect();
    const QImage image = panel.grab(inner).toImage();
    const QRect ink = InkBounds(image, panel.palette().color(QPalette::Highlight)).translated(inner.topLeft());
    QVERIFY(!ink.isEmpty());
    const QFontMetrics metrics(font);
    const int textWidth = metrics.horizontalAdvance(panel.Text());
    const int left = inner.left() + (inner.width() - textWidth) / 2;
    const int top = inner.top() + (inner.height() - metrics.height()) / 2;
    const QRect textBox(left - 1, top, textWidth + 2, metrics.height());
    QVERIFY2(textBox.contains(ink), qPrintable(QStringLiteral("ink %1,%2 %3x%4 outside the text box")
                                                   .arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height())));
    // Roughly as much room on either side.
    QVERIFY(qAbs((ink.left() - inner.left()) - (inner.right() - ink.right())) <= 3);
}

void StatusBarTest::accessibleNamesFollowTexts_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::newRow("copyright") << 0 << QStringLiteral("Copyright \u00a9 2026");
    QTest::newRow("maker") << 1 << QStringLiteral("Arlo Fenwick");
    QTest::newRow("statistic") << 4 << QStringLiteral("Lo Score= 85");
}

void StatusBarTest::accessibleNamesFollowTexts()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    TStatusPanelPro& panel = bar_->Panel(index);
    panel.SetText(QStringLiteral("before"));
    panel.SetText(text);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&panel);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), text);
    QCOMPARE(accessible->role(), QAccessible::StaticText);
    QCOMPARE(QAccessible::queryAccessibleInterface(bar_)->role(), QAccessible::StatusBar);
}

QTEST_MAIN(StatusBarTest)
#include "tst_statusbar.moc"
