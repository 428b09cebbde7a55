#include "views/Unit3.h"
#include "views/Unit4.h"
#include "views/Unit7.h"
#include "views/Unit8.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

enum class Kind { Help, Strategy, Donate };

std::unique_ptr<TTextWindow> MakeTextWindow(Kind kind, QWidget* mainWindow)
{
    switch (kind) {
    case Kind::Help: return std::make_unique<TForm3>(mainWindow);
    case Kind::Strategy: return std::make_unique<TForm7>(mainWindow);
    case Kind::Donate: return std::make_unique<TForm8>(mainWindow);
    }
    return nullptr;
}

QStringList MemoLines(const QPlainTextEdit* memo)
{
    return memo->toPlainText().split(QLatin1Char('\n'));
}

} // namespace

class InfoWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void textWindowDesign_data();
    void textWindowDesign();
    void resizeRefitsTheText_data();
    void resizeRefitsTheText();
    void helpOpenedTwiceIsOneWindowWithItsState();
    void escapeDoesNotCloseATextWindow();
    void helpNamesTheSettingsFolder();
    void strategyListLinesUp();

    void aboutListsTheBuiltInVersion();
    void aboutListsPresentKeysInFixedOrder();
    void aboutRefillsOnEveryShowing();
    void aboutIsModalAndClosesWithOk();

private:
    QWidget* mainWindow_ = nullptr;
};

void InfoWindowsTest::init()
{
    mainWindow_ = new QWidget;
    mainWindow_->setWindowTitle(QStringLiteral("vel Zezuv"));
    mainWindow_->resize(593, 433);
    mainWindow_->show();
    QVERIFY(QTest::qWaitForWindowExposed(mainWindow_));
}

void InfoWindowsTest::cleanup()
{
    delete mainWindow_;
}

void InfoWindowsTest::textWindowDesign_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QSize>("minimum");
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("Help") << Kind::Help << "vel Zezuv - Help" << QSize(662, 424) << QSize(250, 150) << false;
    QTest::newRow("Strategy") << Kind::Strategy << "vel Zezuv - Strategy" << QSize(662, 424) << QSize(200, 150)
                              << false;
    QTest::newRow("Donate") << Kind::Donate << "vel Zezuv - Donate" << QSize(392, 271) << QSize(200, 150) << true;
}

// Before the first show no frame is known, so outer and client sizes agree.
void InfoWindowsTest::textWindowDesign()
{
    QFETCH(Kind, kind);
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    QFETCH(QSize, minimum);
    QFETCH(bool, readOnly);
    const auto window = MakeTextWindow(kind, mainWindow_);
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->size(), size);
    QCOMPARE(window->minimumSize(), minimum);
    QCOMPARE(window->parentWidget(), mainWindow_);
    QVERIFY(window->isWindow());
    QCOMPARE(window->Memo1->isReadOnly(), readOnly);
    QCOMPARE(window->Memo1->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(window->Memo1->font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(window->Memo1->font().pixelSize(), 16);
    QCOMPARE(window->StatusBar1->height(), 19);
    QVERIFY(window->StatusBar1->isSizeGripEnabled());
    QVERIFY(!window->Memo1->toPlainText().isEmpty());
}

void InfoWindowsTest::resizeRefitsTheText_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QSize>("requested"); // client size
    QTest::addColumn<QSize>("expected");
    QTest::addColumn<bool>("limited"); // the minimum is an outer size
    QTest::newRow("Help at its minimum") << Kind::Help << QSize(10, 10) << QSize(250, 150) << true;
    QTest::newRow("Help enlarged") << Kind::Help << QSize(900, 700) << QSize(900, 700) << false;
    QTest::newRow("Strategy at its minimum") << Kind::Strategy << QSize(10, 10) << QSize(200, 150) << true;
    QTest::newRow("Donate at its minimum") << Kind::Donate << QSize(10, 10) << QSize(200, 150) << true;
    QTest::newRow("Donate enlarged") << Kind::Donate << QSize(640, 480) << QSize(640, 480) << false;
}

void InfoWindowsTest::resizeRefitsTheText()
{
    QFETCH(Kind, kind);
    QFETCH(QSize, requested);
    QFETCH(QSize, expected);
    QFETCH(bool, limited);
    const auto window = MakeTextWindow(kind, mainWindow_);
    window->ShowInFront();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->resize(requested);
    if (limited)
        QTRY_COMPARE(window->frameGeometry().size(), expected);
    else
        QTRY_COMPARE(window->size(), expected);
    const QSize client = window->size();
    QCOMPARE(window->Memo1->geometry(), QRect(0, 0, client.width(), client.height() - 19));
    QCOMPARE(window->StatusBar1->geometry(), QRect(0, client.height() - 19, client.width(), 19));
    // The text wraps at the new width instead of scrolling sideways.
    QCOMPARE(window->Memo1->horizontalScrollBar()->maximum(), 0);
}

void InfoWindowsTest::helpOpenedTwiceIsOneWindowWithItsState()
{
    TForm3 help(mainWindow_);
    help.ShowInFront();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    QScrollBar* scroll = help.Memo1->verticalScrollBar();
    QVERIFY(scroll->maximum() > 10);
    scroll->setValue(scroll->maximum() / 2);
    const int position = scroll->value();
    help.Memo1->moveCursor(QTextCursor::End);
    QTest::keyClicks(help.Memo1, QStringLiteral("my note"));
    scroll->setValue(position);

    help.close();
    QVERIFY(!help.isVisible());
    help.ShowInFront();
    help.ShowInFront();
    QVERIFY(help.isVisible());
    QCOMPARE(scroll->value(), position);
    QVERIFY(help.Memo1->toPlainText().endsWith(QStringLiteral("my note")));
    int helpWindows = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        helpWindows += qobject_cast<TForm3*>(window) != nullptr;
    QCOMPARE(helpWindows, 1);
}

void InfoWindowsTest::escapeDoesNotCloseATextWindow()
{
    TForm7 strategy(mainWindow_);
    strategy.ShowInFront();
    QVERIFY(QTest::qWaitForWindowExposed(&strategy));
    QTest::keyClick(strategy.Memo1, Qt::Key_Escape);
    QVERIFY(strategy.isVisible());
}

void InfoWindowsTest::helpNamesTheSettingsFolder()
{
    TForm3 help(mainWindow_);
    QVERIFY(MemoLines(help.Memo1).contains(QStringLiteral("These settings are saved in ~/.config/velpoker.")));
    help.SetSettingsFolder(QStringLiteral("/media/stick/velpoker"));
    const QStringList lines = MemoLines(help.Memo1);
    QVERIFY(lines.contains(QStringLiteral("These settings are saved in /media/stick/velpoker.")));
    QVERIFY(!lines.contains(QStringLiteral("These settings are saved in ~/.config/velpoker.")));
    QCOMPARE(lines.first(), QStringLiteral("Draw Zezuv - How to Play."));
}

void InfoWindowsTest::strategyListLinesUp()
{
    TForm7 strategy(mainWindow_);
    const QStringList lines = MemoLines(strategy.Memo1);
    QCOMPARE(lines.first(), QStringLiteral("Video Zezuv Strategy"));
    const QRegularExpression numbered(QStringLiteral("^[ 1]\\d\\. "));
    int expected = 1;
    for (const QString& line : lines) {
        if (!numbered.match(line).hasMatch())
            continue;
        QCOMPARE(line.left(2).trimmed().toInt(), expected);
        ++expected;
    }
    QCOMPARE(expected, 17);
}

void InfoWindowsTest::aboutListsTheBuiltInVersion()
{
    TForm4 about(mainWindow_);
    about.show();
    const QStringList lines = MemoLines(about.Memo1);
    QCOMPARE(lines.size(), TForm4::VersionKeys.size());
    for (int i = 0; i < lines.size(); ++i)
        QVERIFY2(lines[i].startsWith(TForm4::VersionKeys[i] + QLatin1Char('=')), qPrintable(lines[i]));
    QVERIFY(lines.contains(QStringLiteral("CompanyName=Arlo Fenwick")));
    QVERIFY(lines.contains(QStringLiteral("ProductName=vel Zezuv")));
    QVERIFY(lines.contains(QStringLiteral("FileVersion=1.0.0.0")));
    QVERIFY(lines.contains(QStringLiteral("LegalTradeMarks=")));
    QVERIFY(QRegularExpression(QStringLiteral("^InternalName=\\d{4}-\\d{2}-\\d{2}$")).match(lines[3]).hasMatch());
    QCOMPARE(about.Label1->text(), QStringLiteral("vel Zezuv  V1.0"));
    QCOMPARE(about.Label1->palette().color(QPalette::WindowText), about.palette().color(QPalette::Link));
    QCOMPARE(about.size(), QSize(574, 292));
}

void InfoWindowsTest::aboutListsPresentKeysInFixedOrder()
{
    TForm4 about(mainWindow_);
    about.SetVersionInfo(VersionStrings{{QStringLiteral("Comments"), QStringLiteral("mail me")},
                                        {QStringLiteral("CompanyName"), QStringLiteral("Maker")},
                                        {QStringLiteral("Unlisted"), QStringLiteral("ignored")},
                                        {QStringLiteral("FileVersion"), QStringLiteral("2.1")}});
    about.show();
    QCOMPARE(MemoLines(about.Memo1),
             QStringList({"CompanyName=Maker", "FileVersion=2.1", "Comments=mail me"}));
}

void InfoWindowsTest::aboutRefillsOnEveryShowing()
{
    TForm4 about(mainWindow_);
    about.show();
    QCOMPARE(MemoLines(about.Memo1).size(), TForm4::VersionKeys.size());
    about.hide();
    about.SetVersionInfo(std::nullopt);
    about.show();
    QCOMPARE(MemoLines(about.Memo1), QStringList{QStringLiteral("No FileVersionInfo found")});
}

void InfoWindowsTest::aboutIsModalAndClosesWithOk()
{
    TForm4 about(mainWindow_);
    QWidget* modal = nullptr;
    QWidget* focused = nullptr;
    QTimer::singleShot(0, &about, [&] {
        modal = QApplication::activeModalWidget();
        focused = about.focusWidget();
        QTest::mouseClick(about.BitBtn1, Qt::LeftButton);
    });
    QCOMPARE(about.exec(), int(QDialog::Accepted));
    QCOMPARE(modal, &about);
    QCOMPARE(focused, about.BitBtn1);
    QVERIFY(!about.isVisible());
}

QTEST_MAIN(InfoWindowsTest)
#include "tst_infowindows.moc"
