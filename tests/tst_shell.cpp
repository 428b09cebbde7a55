#include "TableFixture.h"

#include "game/Celebration.h"
#include "game/TableWidgets.h"
#include "shell/Unit6.h"
#include "views/SBPro.h"
#include "views/Unit3.h"
#include "views/Unit4.h"
#include "views/Unit5.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QPushButton>

#include <sys/stat.h>

using namespace fixture;

namespace {

QAction* MenuEntry(const TForm1& table, const QString& text)
{
    for (QAction* menu : table.menuBar()->actions()) {
        for (QAction* entry : menu->menu()->actions()) {
            if (entry->text() == text)
                return entry;
        }
    }
    return nullptr;
}

QByteArray FileText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void ChooseSchedule(TForm1& table, int index)
{
    auto* list = table.findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    list->setCurrentIndex(index);
    emit list->activated(index); // as when the player picks it
}

// Opens Options from the menu and answers it after `edit` changed it.
void RunOptions(TForm1& table, const std::function<void(TForm6*)>& edit, bool ok)
{
    ModalHandler<TForm6> answer([&](TForm6* dialog) {
        edit(dialog);
        (ok ? dialog->BitBtn2 : dialog->BitBtn1)->click();
    });
    MenuEntry(table, QStringLiteral("&Options"))->trigger();
    QCOMPARE(answer.handled, 1);
}

void PickColor(QComboBox* list, const QString& identifier)
{
    const int index = list->findText(identifier);
    list->setCurrentIndex(index);
    emit list->activated(index);
}

QColor PlaceColor(const TForm1& table, int place)
{
    return table.findChild<TCardPanel*>(QStringLiteral("Panel%1").arg(place))->Color();
}

} // namespace

class ShellTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void startsWithDefaultsAndWritesNothing();
    void scheduleChoiceIsSavedAtClose();
    void optionsOkMarksSettingsChanged();
    void optionsSurviveRestart();
    void optionsCancelChangesNothing();
    void optionsRepaintRule();
    void failedSaveKeepsTheTableOpen();
    void settingsPathOfAnotherKindReportsTheSave_data();
    void settingsPathOfAnotherKindReportsTheSave();
    void sessionManagerSavesChanges();
    void minimisedTitleCarriesCredit();
    void menuEntriesOpenTheirWindows();
    void portableModeShowsInStatusBar();
    void soundsFromTheDataFolder();

private:
    std::unique_ptr<Sandbox> sandbox_;
};

void ShellTest::init()
{
    sandbox_ = std::make_unique<Sandbox>();
}

void ShellTest::startsWithDefaultsAndWritesNothing()
{
    auto table = StartTable(sandbox_->programPath);
    QVERIFY(table);
    const vel::Settings& settings = table->CurrentSettings();
    QCOMPARE(table->findChild<QComboBox*>(QStringLiteral("ComboBox1"))->currentIndex(), 2);
    QCOMPARE(settings.CelebrateLevel, 6);
    QCOMPARE(settings.PanelColor, vel::clSkyBlue);
    QCOMPARE(settings.WinColor, vel::clGreen);
    QCOMPARE(settings.HoldColor, vel::clRed);
    QVERIFY(!settings.ScaleCards);
    QCOMPARE(table->PayoutWindow()->Cells(1, 4), QStringLiteral("8"));
    QVERIFY(table->close());
    QVERIFY(!QFile::exists(sandbox_->ConfigFile()));
}

void ShellTest::scheduleChoiceIsSavedAtClose()
{
    auto table = StartTable(sandbox_->programPath);
    QVERIFY(table);
    ChooseSchedule(*table, 0);
    QCOMPARE(table->PayoutWindow()->Cells(1, 4), QStringLiteral("9"));
    QCOMPARE(table->PayoutWindow()->Cells(1, 5), QStringLiteral("6"));
    QCOMPARE(table->PayTable().PayoutFor(vel::FullHouse, 5), 45);
    QVERIFY(table->close());
    QVERIFY(FileText(sandbox_->ConfigFile()).contains("Payout=0"));
    auto again = StartTable(sandbox_->programPath);
    QCOMPARE(again->findChild<QComboBox*>(QStringLiteral("ComboBox1"))->currentIndex(), 0);
    QCOMPARE(again->PayoutWindow()->Cells(1, 4), QStringLiteral("9"));
}

void ShellTest::optionsOkMarksSettingsChanged()
{
    auto table = StartTable(sandbox_->programPath);
    QVERIFY(table);
    RunOptions(*table, [](TForm6*) {}, true);
    QVERIFY(table->SettingsStore().SettingsChanged);
    QVERIFY(table->close());
    const QByteArray text = FileText(sandbox_->ConfigFile());
    for (const char* line : {"CelebrateLevel=6", "Payout=2", "PanelColor=15780518", "WinColor=32768",
                             "HoldColor=255", "ScaleCards=0"})
        QVERIFY2(text.contains(line), line);
}

void ShellTest::optionsSurviveRestart()
{
    auto table = StartTable(sandbox_->programPath);
    QVERIFY(table);
    RunOptions(*table, [](TForm6* dialog) {
        PickColor(dialog->ColorBox1, QStringLiteral("clYellow"));
        dialog->ComboBox1->setCurrentIndex(0); // every paying hand
    }, true);
    QCOMPARE(PlaceColor(*table, 1), QColor(255, 255, 0));
    QVERIFY(table->close());
    auto again = StartTable(sandbox_->programPath);
    QCOMPARE(again->CurrentSettings().PanelColor, vel::TColor{0x00FFFF});
    QCOMPARE(again->CurrentSettings().CelebrateLevel, 1);
    QCOMPARE(PlaceColor(*again, 3), QColor(255, 255, 0));
}

void ShellTest::optionsCancelChangesNothing()
{
    auto table = StartTable(sandbox_->programPath);
    QVERIFY(table);
    RunOptions(*table, [](TForm6* dialog) {
        PickColor(dialog->ColorBox2, QStringLiteral("clBlue"));
        dialog->BitBtn3->click(); // Reset, then Cancel
    }, false);
    QVERIFY(!table->SettingsStore().SettingsChanged);
    QCOMPARE(table->CurrentSettings().HoldColor, vel::clRed);
    RunOptions(*table, [](TForm6* dialog) { QCOMPARE(dialog->HoldColor(), vel::clRed); }, false);
}

// Held places keep the hold colour only while the hand waits for the draw.
void ShellTest::optionsRepaintRule()
{
    auto table = StartTable(sandbox_->programPath);
    QVERIFY(table);
    UseClock(*table, FindClock([](const vel::Deck& deck) {
        return CategoryOfCards(FinalHand(NextTen(deck), 0b00011)) == vel::Nothing;
    }));
    table->BitBtn2Click();
    PressKey(*table, '1');
    PressKey(*table, '2');
    auto toBlue = [](TForm6* dialog) { PickColor(dialog->ColorBox2, QStringLiteral("clBlue")); };
    RunOptions(*table, toBlue, true);
    QCOMPARE(PlaceColor(*table, 1), QColor(0, 0, 255));
    QCOMPARE(PlaceColor(*table, 3), vel::ToQColor(vel::clSkyBlue));
    table->findChild<QAction*>(QStringLiteral("Pause1"))->trigger();
    RunOptions(*table, [](TForm6*) {}, true);
    QCOMPARE(PlaceColor(*table, 1), vel::ToQColor(vel::clSkyBlue)); // paused: Draw is disabled
    QVERIFY(table->State().Held[0]);
    QCOMPARE(table->findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("HOLD"));
    table->findChild<QAction*>(QStringLiteral("Pause1"))->trigger();
    table->BitBtn1Click();
    RunOptions(*table, [](TForm6*) {}, true);
    QCOMPARE(PlaceColor(*table, 1), vel::ToQColor(vel::clSkyBlue)); // after the draw
}

void ShellTest::failedSaveKeepsTheTableOpen()
{
    // A link into a plain file as if it were a folder: the write cannot succeed.
    const QString blocker = sandbox_->root.filePath(QStringLiteral("blocker"));
    QFile plain(blocker);
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    QVERIFY(QDir().mkpath(QFileInfo(sandbox_->ConfigFile()).path()));
    QVERIFY(QFile::link(blocker + QStringLiteral("/velPoker.ini"), sandbox_->ConfigFile()));
    auto table = StartTable(sandbox_->programPath);
    QVERIFY(table);
    ChooseSchedule(*table, 4);
    {
        BoxAnswerer ok(QMessageBox::Ok);
        QVERIFY(!table->close());
        QCOMPARE(ok.text, QStringLiteral("Unable to write to %1").arg(sandbox_->ConfigFile()));
        QCOMPARE(ok.icon, QMessageBox::Critical);
    }
    QVERIFY(table->isVisible());
    QVERIFY(table->close()); // the change was given up with the failed save
}

void ShellTest::settingsPathOfAnotherKindReportsTheSave_data()
{
    QTest::addColumn<bool>("folder"); // else a FIFO
    QTest::newRow("folder") << true;
    QTest::newRow("FIFO") << false;
}

// A changed setting that cannot be saved is never lost without a word, and
// what stands in the file's place is left as it was.
void ShellTest::settingsPathOfAnotherKindReportsTheSave()
{
    QFETCH(bool, folder);
    const QString path = sandbox_->ConfigFile();
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    if (folder) {
        QVERIFY(QDir().mkpath(path + QStringLiteral("/inside")));
    } else if (mkfifo(QFile::encodeName(path).constData(), 0644) != 0) {
        QSKIP("no FIFO can be made here");
    }
    auto table = StartTable(sandbox_->programPath);
    QVERIFY(table);
    ChooseSchedule(*table, 4);
    {
        BoxAnswerer ok(QMessageBox::Ok);
        QVERIFY(!table->close());
        QCOMPARE(ok.shown, 1);
        QCOMPARE(ok.text, QStringLiteral("Unable to write to %1").arg(path));
        QCOMPARE(ok.icon, QMessageBox::Critical);
    }
    QVERIFY(table->close());
    const QFileInfo left(path);
    QCOMPARE(left.isDir(), folder);
    QVERIFY(left.exists() && !left.isFile());
    if (folder)
        QCOMPARE(QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"inside"});
}

void ShellTest::sessionManagerSavesChanges()
{
    auto table = StartTable(sandbox_->programPath);
    QVERIFY(table);
    ChooseSchedule(*table, 5);
    table->BitBtn2Click();
    {
        BoxAnswerer no(QMessageBox::No);
        QVERIFY(!table->CommitSession(true)); // the player keeps the game
        QCOMPARE(no.shown, 1);
    }
    QVERIFY(table->CommitSession(false));
    QVERIFY(FileText(sandbox_->ConfigFile()).contains("Payout=5"));
}

void ShellTest::minimisedTitleCarriesCredit()
{
    auto table = StartTable(sandbox_->programPath);
    QVERIFY(table);
    table->BitBtn2Click();
    table->setWindowState(Qt::WindowMinimized);
    QTRY_COMPARE(table->windowTitle(), QStringLiteral("vel Zezuv - Credit 95"));
    {
        BoxAnswerer no(QMessageBox::No);
        table->close();
        QCOMPARE(no.text, QStringLiteral("vel Zezuv - Credit 95 Game in Progress.  Close Program?"));
    }
    table->setWindowState(Qt::WindowNoState);
    QTRY_COMPARE(table->windowTitle(), QStringLiteral("vel Zezuv"));
    QCOMPARE(vel::ApplicationTitle(), QStringLiteral("vel Zezuv"));
}

void ShellTest::menuEntriesOpenTheirWindows()
{
    auto table = StartTable(sandbox_->programPath);
    QVERIFY(table);
    const QList<std::pair<QString, QString>> modeless{{"Help", "vel Zezuv - Help"},
                                                       {"Strategy", "vel Zezuv - Strategy"},
                                                       {"Donate", "vel Zezuv - Donate"},
                                                       {"Payout &Table", "vel Zezuv - Payouts"}};
    for (const auto& [entry, caption] : modeless) {
        MenuEntry(*table, entry)->trigger();
        const auto windows = QApplication::topLevelWidgets();
        const bool shown = std::any_of(windows.begin(), windows.end(), [&caption](QWidget* window) {
            return window->windowTitle() == caption && window->isVisible();
        });
        QVERIFY2(shown, qPrintable(caption));
    }
    auto* help = table->findChild<TForm3*>();
    QVERIFY(help->Memo1->toPlainText().contains(sandbox_->root.path() + QStringLiteral("/config/velpoker")));
    ModalHandler<TForm4> about([](TForm4* window) { window->BitBtn1->click(); });
    MenuEntry(*table, QStringLiteral("&About"))->trigger();
    QCOMPARE(about.handled, 1);
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("a printer is installed here");
    BoxAnswerer error(QMessageBox::Ok);
    MenuEntry(*table, QStringLiteral("Print"))->trigger();
    QCOMPARE(error.text, QStringLiteral("There is no default printer currently selected."));
    QCOMPARE(error.title, QStringLiteral("vel Zezuv"));
    QVERIFY(table->findChild<QPushButton*>(QStringLiteral("BitBtn2"))->isEnabled());
}

void ShellTest::portableModeShowsInStatusBar()
{
    QFile marker(sandbox_->programPath + QStringLiteral(".ini"));
    QVERIFY(marker.open(QIODevice::WriteOnly));
    marker.close();
    auto table = StartTable(sandbox_->programPath);
    QVERIFY(table);
    QVERIFY(!table->InstalledMode());
    QCOMPARE(table->findChild<TStatusBarPro*>()->Panel(3).Text(), QStringLiteral("Portable"));
    QCOMPARE(table->SettingsStore().Path(), QFileInfo(sandbox_->programPath).absolutePath() + "/velPoker.ini");
}

void ShellTest::soundsFromTheDataFolder()
{
    const QString media = sandbox_->root.path() + QStringLiteral("/data/velpoker/media");
    QVERIFY(QDir().mkpath(media));
    QFile tada(media + QStringLiteral("/tada.wav"));
    QVERIFY(tada.open(QIODevice::WriteOnly));
    tada.close();
    auto table = StartTable(sandbox_->programPath);
    QVERIFY(table);
    QCOMPARE(table->TadaSound(), media + QStringLiteral("/tada.wav"));
    QVERIFY(table->ChimesSound().isEmpty()); // missing: the game beeps instead
}

QTEST_MAIN(ShellTest)
#include "tst_shell.moc"
