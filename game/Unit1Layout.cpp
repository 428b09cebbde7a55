// The table's buttons, lists, clock and menus, laid out as designed.
#include "game/Unit1.h"

#include "game/UAdvisor.h"
#include "shell/UElapsedTimeLabel.h"
#include "views/EngineText.h"
#include "views/Unit3.h"
#include "views/Unit4.h"
#include "views/Unit7.h"
#include "views/Unit8.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

#include <functional>
#include <utility>

namespace {

struct ButtonDesign {
    QPushButton* TForm1::*button;
    const char* name;
    const char* caption;
    const char* icon;
    QRect designed;
    void (TForm1::*click)();
};

// A menu entry; a null text is a separator.
struct MenuEntry {
    const char* text;
    QKeySequence shortcut;
    const char* icon;
    const char* name;
};

} // namespace

void TForm1::CreateButtons(QWidget* client)
{
    static const ButtonDesign designs[] = {
        {&TForm1::BitBtn1, "BitBtn1", QT_TR_NOOP("&Draw"), ":/icons/draw.png", {176, 328, 75, 33}, &TForm1::BitBtn1Click},
        {&TForm1::BitBtn2, "BitBtn2", QT_TR_NOOP("&Bet"), ":/icons/bet.png", {264, 328, 75, 33}, &TForm1::BitBtn2Click},
        {&TForm1::BitBtn3, "BitBtn3", QT_TR_NOOP("Payout &Table"), ":/icons/payouts.png", {424, 328, 129, 33},
         &TForm1::BitBtn3Click},
    };
    for (const ButtonDesign& design : designs) {
        auto* button = new QPushButton(QIcon(QLatin1String(design.icon)), tr(design.caption), client);
        button->setObjectName(QLatin1String(design.name));
        button->setFont(DesignFont(13));
        button->setIconSize(QSize(16, 16));
        const QRect& r = design.designed;
        button->setGeometry(Scaled(r.x()), Scaled(r.y()), Scaled(r.width()), Scaled(r.height()));
        connect(button, &QPushButton::clicked, this, design.click);
        this->*design.button = button;
    }
}

void TForm1::CreateLists(QWidget* client)
{
    ComboBox1 = new QComboBox(client);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    for (const vel::PaySchedule& schedule : vel::PaySchedules)
        ComboBox1->addItem(vel::EngineText("Schedule", schedule.listText));
    ComboBox1->setFont(DesignFont(13));
    ComboBox1->move(Scaled(40), Scaled(336));
    ComboBox1->setFixedWidth(Scaled(113));
    ComboBox1->view()->setMinimumWidth(ComboBox1->view()->sizeHintForColumn(0) + Scaled(8));
    Label13->setBuddy(ComboBox1);
    connect(ComboBox1, &QComboBox::activated, this, &TForm1::ComboBox1Change);

    ComboBox2 = new QComboBox(client);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    for (int bet = vel::MaxBet; bet >= 1; --bet)
        ComboBox2->addItem(QString::number(bet));
    ComboBox2->setMaxVisibleItems(vel::MaxBet + 1);
    ComboBox2->setFont(DesignFont(13));
    ComboBox2->move(Scaled(360), Scaled(336));
    ComboBox2->setFixedWidth(Scaled(49));
    Label8->setBuddy(ComboBox2);
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, &TForm1::ComboBox2Change);
}

void TForm1::CreateClock(QWidget* client)
{
    SpeedButton1 = new QToolButton(client);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setIcon(QIcon(QStringLiteral(":/icons/pause.png")));
    SpeedButton1->setCheckable(true);
    SpeedButton1->setFocusPolicy(Qt::NoFocus);
    SpeedButton1->setToolTip(tr("Pause / Resume Game"));
    SpeedButton1->setAccessibleName(tr("Pause Game"));
    SpeedButton1->setGeometry(Scaled(440), Scaled(384), Scaled(25), Scaled(22));
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm1::PauseGame1Execute);

    ElapsedTimeLabel1 = new TElapsedTimeLabel(client);
    ElapsedTimeLabel1->setObjectName(QStringLiteral("ElapsedTimeLabel1"));
    // Right-aligned at its designed right edge; wide enough for its text
    // in this desktop's face, but never over the pause button.
    const int right = Scaled(476 + 109);
    const int fitting = QFontMetrics(ElapsedTimeLabel1->font()).horizontalAdvance(TElapsedTimeLabel::CaptionFor(std::int64_t{999} * 3'600'000));
    const int width = qBound(Scaled(109), fitting, right - SpeedButton1->geometry().right() - Scaled(4));
    ElapsedTimeLabel1->setGeometry(right - width, Scaled(392), width, Scaled(13));
}

void TForm1::CreateMenus()
{
    CreateGameMenu();
    CreateHelpMenu();
}

void TForm1::CreateGameMenu()
{
    QMenu* game = menuBar()->addMenu(tr("Game"));
    game->addAction(tr("&New"), QKeySequence(Qt::CTRL | Qt::Key_N), this, &TForm1::New1Click);
    PauseGame1 = new QAction(tr("Pause Game"), this);
    PauseGame1->setObjectName(QStringLiteral("PauseGame1"));
    PauseGame1->setCheckable(true);
    Pause1 = game->addAction(PauseGame1->text());
    Pause1->setObjectName(QStringLiteral("Pause1"));
    Pause1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    Pause1->setCheckable(true);
    connect(Pause1, &QAction::triggered, this, &TForm1::PauseGame1Execute);
    game->addSeparator();
    game->addAction(tr("&Options"), QKeySequence(Qt::CTRL | Qt::Key_O), this, &TForm1::Options1Click);
    game->addAction(QIcon(QStringLiteral(":/icons/payouts.png")), tr("Payout &Table"),
                    QKeySequence(Qt::CTRL | Qt::Key_T), this, &TForm1::BitBtn3Click);
    game->addSeparator();
    game->addAction(tr("Printer Setup"), this, &TForm1::PrinterSetup1Click);
    game->addAction(QIcon(QStringLiteral(":/icons/printer.png")), tr("Print"), this,
                    &TForm1::Print1Click);
    game->addSeparator();
    game->addAction(tr("&Quit"), this, &QWidget::close);
}

void TForm1::CreateHelpMenu()
{
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    const std::pair<MenuEntry, std::function<void()>> entries[] = {
        {{QT_TR_NOOP("Help"), Qt::Key_F1, ":/icons/help.png", "Help1"}, [this] { ShowModeless(form3_); }},
        {{QT_TR_NOOP("Strategy"), Qt::Key_F2, ":/icons/strategy.png", "Strategy1"}, [this] { ShowModeless(form7_); }},
        {{QT_TR_NOOP("Hint"), Qt::Key_H, nullptr, "Hint1"}, [this] { advisor_->ShowBesideTable(); }},
        {{QT_TR_NOOP("&About"), Qt::Key_F11, nullptr, "About1"}, [this] { form4_->exec(); }},
        {{nullptr, {}, nullptr, nullptr}, {}},
        {{QT_TR_NOOP("Donate"), Qt::Key_F12, nullptr, "Donate1"}, [this] { ShowModeless(form8_); }},
    };
    for (const auto& [entry, command] : entries) {
        if (!entry.text) {
            help->addSeparator();
            continue;
        }
        QAction* action = help->addAction(tr(entry.text), entry.shortcut, this, command);
        action->setObjectName(QLatin1String(entry.name));
        if (entry.icon)
            action->setIcon(QIcon(QLatin1String(entry.icon)));
    }
}
