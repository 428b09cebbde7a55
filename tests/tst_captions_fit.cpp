// Every caption fits its control in the desktop's language and at its
// resolution: CTest starts this program once per shipped language, at 96
// and at 120 dpi. It opens every window the game has, walks all their
// controls and measures each text as the style draws it; a wider text would
// be clipped or elided. Shortcut letters must not clash within a window.
#include "AdvisorFixture.h"
#include "CaptionAudit.h"

#include "game/PracticeSession.h"
#include "game/Translations.h"

#include <QThreadPool>
#include <QToolButton>
#include <QTranslator>

using namespace advisorfixture;
using captionaudit::CaptionAudit;

namespace {

// A deal that the holds can turn into a royal flush: the table's biggest
// win, the widest win and statistics captions.
KnownDeal RoyalDeal()
{
    unsigned royal = 0;
    const std::uint32_t clock = FindClock([&royal](const vel::Deck& deck) {
        const auto cards = NextTen(deck);
        for (unsigned mask = 0; mask < 32; ++mask) {
            if (CategoryOfCards(FinalHand(cards, mask)) == vel::RoyalFlush) {
                royal = mask;
                return true;
            }
        }
        return false;
    });
    return {clock, royal};
}

// The advisor's chart and odds pages have their figures.
bool FiguresShown(const TAdvisorForm& advisor)
{
    return Table(advisor, "ChartTable")->rowCount() > 0 && Table(advisor, "OddsTable")->item(0, 0) != nullptr;
}

// The English schedule names are the game's own and never change, though
// "8 / 6 - Med Pay" is two pixels wider than the table's list at 96 dpi.
CaptionAudit Audit()
{
    CaptionAudit audit;
    if (QLocale().language() == QLocale::English || QLocale().language() == QLocale::C)
        audit.fixedTexts << QStringLiteral("8 / 6 - Med Pay");
    return audit;
}

// The figures shown are those of the table and hand last given, not of one
// worked out before.
void SettleBackgroundWork()
{
    QThreadPool::globalInstance()->waitForDone();
    QTest::qWait(50);
}

// Lists every problem, each on a line of its own, and says how many.
QByteArray Report(QStringList problems)
{
    problems.removeDuplicates(); // a window is audited in several states
    const QString where =
        QStringLiteral("%1 at %2 dpi").arg(QLocale().name()).arg(qApp->primaryScreen()->logicalDotsPerInchX());
    for (const QString& problem : problems)
        qWarning().noquote() << where + QStringLiteral(": ") + problem;
    return QStringLiteral("%1: %2 captions too wide or shortcut letters repeated, listed above")
        .arg(where)
        .arg(problems.size())
        .toUtf8();
}

} // namespace

class CaptionsFitTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void tableAndAdvisorFit();
    void advisorFitsEveryPayTable();
    void advisorFitsItsOwnPayTableAndAnyHand();
    void trainingFits();
    void otherWindowsFit();

private:
    Sandbox sandbox_;
    std::unique_ptr<TForm1> table_;
};

// CTest sets the language; a shipped language must really be loaded, or
// this would measure English under another name.
void CaptionsFitTest::initTestCase()
{
    vel::InstallTranslations(*qApp);
    const QString language = QLocale().name().section(QLatin1Char('_'), 0, 0);
    if (QLocale().language() != QLocale::English && QLocale().language() != QLocale::C) {
        const auto translators = qApp->findChildren<QTranslator*>();
        const bool loaded = std::any_of(translators.begin(), translators.end(), [&language](const QTranslator* t) {
            return t->filePath().contains(QStringLiteral("velpoker")) && t->language().startsWith(language);
        });
        QVERIFY2(loaded, qPrintable(QStringLiteral("no game translation for ") + QLocale().name()));
    }
    table_ = StartTable(sandbox_.programPath);
    QVERIFY(table_);
    // Centred on the screen, as the program opens it: the advisor then gets
    // only the room beside it.
    table_->move(table_->screen()->availableGeometry().center() - table_->rect().center());
}

// The table and the advisor beside it, through a hand: as started, with
// all five cards held, paused, and after a royal flush.
void CaptionsFitTest::tableAndAdvisorFit()
{
    CaptionAudit audit = Audit();
    TAdvisorForm* advisor = OpenAdvisor(*table_);
    QVERIFY(advisor);
    audit.Window(table_.get());
    audit.Window(advisor); // still working out its figures
    advisor->WaitForTables();
    QVERIFY(QTest::qWaitFor([advisor] { return FiguresShown(*advisor); }, 60'000));

    const KnownDeal royal = RoyalDeal();
    UseClock(*table_, royal.clock);
    Deal(*table_);
    SetHolds(*table_, 0x1F);
    audit.Window(table_.get());
    audit.Window(advisor);
    table_->TogglePause();
    QVERIFY(table_->Round().Paused());
    audit.Window(table_.get());
    table_->TogglePause();

    SetHolds(*table_, royal.bestMask);
    BoxAnswerer drawAnyway(QMessageBox::Yes); // the hold may cost credits against the best
    Draw(*table_);
    QCOMPARE(CategoryOfCards(table_->State().Hand), int(vel::RoyalFlush));
    audit.Window(table_.get());
    audit.Window(advisor);
    QVERIFY2(audit.problems.isEmpty(), Report(audit.problems).constData());
}

// The advisor's chart and odds differ with the pay table and with whether
// the bet is the highest: each of them, as the table's lists choose them.
void CaptionsFitTest::advisorFitsEveryPayTable()
{
    TAdvisorForm* advisor = OpenAdvisor(*table_);
    QVERIFY(advisor);
    CaptionAudit audit = Audit();
    for (int schedule = 0; schedule < static_cast<int>(vel::PaySchedules.size()); ++schedule) {
        for (int bet : {vel::MaxBet, 1}) {
            table_->ComboBox1Change(schedule);
            table_->ComboBox2Change(vel::MaxBet - bet);
            QVERIFY(QTest::qWaitFor([advisor] { return FiguresShown(*advisor); }, 60'000));
            audit.Window(advisor);
        }
    }
    QVERIFY2(audit.problems.isEmpty(), Report(audit.problems).constData());
}

// A table of the player's own shows the editor, a fault in a pay and the
// break-even royal; the Any Hand page shows a typed hand, or what is wrong
// with it.
void CaptionsFitTest::advisorFitsItsOwnPayTableAndAnyHand()
{
    TAdvisorForm* advisor = OpenAdvisor(*table_);
    QVERIFY(advisor);
    ShowPage(*advisor, OddsPage);
    QComboBox* list = PayTableList(*advisor);
    list->setCurrentIndex(list->count() - 1); // "Custom": no table is kept in this sandbox
    QLineEdit* fourOfAKind = Box(*advisor, QStringLiteral("PayBox3"));
    QVERIFY(fourOfAKind && fourOfAKind->isVisible());
    CaptionAudit audit = Audit();
    PasteInto(fourOfAKind, QStringLiteral("999999"));
    audit.Window(advisor);
    PasteInto(fourOfAKind, QStringLiteral("25"));
    SettleBackgroundWork();
    QVERIFY(FiguresShown(*advisor));
    audit.Window(advisor);

    ShowPage(*advisor, AnyHandPage);
    QLineEdit* hand = Box(*advisor, QStringLiteral("AnyHandBox"));
    QVERIFY(hand);
    for (const char* typed : {"Kh Kd 9c 8d 3d", "Kh Kd Kh", "Kh Kd 9c 8d 3d 2c 2d"}) {
        PasteInto(hand, QString::fromLatin1(typed));
        SettleBackgroundWork();
        audit.Window(advisor);
    }
    list->setCurrentIndex(0);
    QVERIFY2(audit.problems.isEmpty(), Report(audit.problems).constData());
}

// The Training page with something on each of its tabs: practice hands
// waiting, graded wrong and graded right, the game's mistakes listed with
// the costliest shown, and the graph of the hands played.
void CaptionsFitTest::trainingFits()
{
    TAdvisorForm* advisor = OpenAdvisor(*table_);
    QVERIFY(advisor);
    for (bool best : {false, true, false}) {
        Deal(*table_);
        const vel::RankedHolds holds = EngineHolds(*table_);
        SetHolds(*table_, best ? holds.front().holdMask : holds.back().holdMask);
        BoxAnswerer drawAnyway(QMessageBox::Yes);
        Draw(*table_);
    }
    ShowPage(*advisor, TrainingPage);
    auto* practice = advisor->findChild<vel::PracticeSession*>();
    QVERIFY(QTest::qWaitFor([practice] { return practice->HandWaiting(); }));
    CaptionAudit audit = Audit();
    audit.Window(advisor);
    for (bool best : {false, true}) {
        const vel::RankedHolds& holds = practice->Advice()->holds;
        const unsigned mask = best ? holds.front().holdMask : holds.back().holdMask;
        for (int place = 0; place < 5; ++place) {
            if (mask >> place & 1)
                QTest::mouseClick(advisor->findChild<QToolButton*>(QStringLiteral("PracticeCard%1").arg(place + 1)),
                                  Qt::LeftButton);
        }
        QPushButton* grade = Button(*advisor, "PracticeButton");
        QTest::mouseClick(grade, Qt::LeftButton);
        QVERIFY(practice->LastGrade());
        audit.Window(advisor);
        QTest::mouseClick(grade, Qt::LeftButton); // the next hand
        QVERIFY(QTest::qWaitFor([practice] { return practice->HandWaiting(); }));
    }
    QVERIFY(Table(*advisor, "MistakesTable")->rowCount() >= 2);
    auto* log = advisor->findChild<QComboBox*>(QStringLiteral("MistakesLogChoice"));
    log->setCurrentIndex(1); // the practice's own mistakes
    audit.Window(advisor);
    log->setCurrentIndex(0);
    ShowPage(*advisor, HandPage);
    QVERIFY2(audit.problems.isEmpty(), Report(audit.problems).constData());
}

// Every other window of the game: Options, the payout table, Help,
// Strategy, About, Donate and whatever else the table made.
void CaptionsFitTest::otherWindowsFit()
{
    CaptionAudit audit = Audit();
    int audited = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = window->windowType();
        if (window == table_.get() || window->isVisible() || type == Qt::Popup || type == Qt::ToolTip
            || qobject_cast<QMenu*>(window))
            continue;
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        audit.Window(window);
        window->hide();
        ++audited;
    }
    QVERIFY2(audited >= 6, "Options, payouts, Help, Strategy, About and Donate are windows of their own");
    QVERIFY2(audit.problems.isEmpty(), Report(audit.problems).constData());
}

QTEST_MAIN(CaptionsFitTest)
#include "tst_captions_fit.moc"
