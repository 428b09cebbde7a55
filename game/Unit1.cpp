#include "game/Unit1.h"

#include "game/TableWidgets.h"
#include "game/Celebration.h"
#include "game/UAdvisor.h"
#include "shell/ModernFont.h"
#include "shell/Startup.h"
#include "shell/UElapsedTimeLabel.h"
#include "shell/Unit6.h"
#include "views/Printing.h"
#include "views/SBPro.h"
#include "views/Unit2.h"
#include "views/Unit3.h"
#include "views/Unit4.h"
#include "views/Unit5.h"
#include "views/Unit7.h"
#include "views/Unit8.h"

#include <QAction>
#include <QApplication>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

namespace {

constexpr int ClientWidth = 593;
constexpr int ClientHeight = 433;
constexpr int PlaceLefts[5] = {40, 144, 248, 352, 456};
constexpr int PlaceTop = 128;
constexpr int MarkerTop = 264;

} // namespace

TForm1::TForm1(QString programPath, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      programPath_(std::move(programPath))
{
    InitBuiltInPictures();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(vel::ApplicationTitle());
    setWindowIcon(QIcon(QStringLiteral(":/icons/spade32.png")));
    designScale_ = logicalDpiX() / 96.0;
    setFont(DesignFont(11));
    CreateTable();
    CreateMenus();
    if (vel::IsVistaOrLater())
        vel::ApplyModernFont(this);
    qApp->installEventFilter(this);
    CreateSecondaryWindows();
}

TForm1::~TForm1()
{
    qApp->removeEventFilter(this);
}

int TForm1::Scaled(int designed) const
{
    return qRound(designed * designScale_);
}

QFont TForm1::DesignFont(int pixelHeight, bool bold) const
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(Scaled(pixelHeight));
    font.setBold(bold);
    return font;
}

void TForm1::CreateTable()
{
    auto* client = new TTableClient(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(Scaled(ClientWidth), Scaled(ClientHeight));
    setCentralWidget(client);
    CreateCardPlaces(client);
    CreateLabels(client);
    CreateControls(client);
    StatusBarPro1 = new TStatusBarPro(client);
    StatusBarPro1->setObjectName(QStringLiteral("StatusBarPro1"));
    StatusBarPro1->setGeometry(0, client->height() - Scaled(25), client->width(), Scaled(25));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    QWidget* const order[] = {ComboBox1, BitBtn1, BitBtn2, ComboBox2, BitBtn3};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TForm1::CreateCardPlaces(QWidget* client)
{
    for (int i = 0; i < 5; ++i) {
        const int place = i + 1;
        auto* panel = new TCardPanel(client);
        panel->setObjectName(QStringLiteral("Panel%1").arg(place));
        panel->setGeometry(Scaled(PlaceLefts[i]), Scaled(PlaceTop), Scaled(97), Scaled(129));
        panel->Image()->setObjectName(QStringLiteral("Image%1").arg(place));
        panel->Image()->setGeometry(Scaled(8), Scaled(16), Scaled(73), Scaled(97));
        auto* marker = new TClickLabel(client);
        marker->setObjectName(QStringLiteral("Label%1").arg(place));
        marker->setFont(DesignFont(19));
        marker->move(Scaled(PlaceLefts[i] + 16), Scaled(MarkerTop));
        marker->setMinimumWidth(QFontMetrics(marker->font()).horizontalAdvance(QStringLiteral("HOLD")));
        cardPanels_[i] = panel;
        holdMarkers_[i] = marker;
        auto toggle = [this, place] { ToggleHold(place); };
        connect(panel, &TCardPanel::clicked, this, toggle);
        connect(panel->Image(), &TCardImage::clicked, this, toggle);
        connect(marker, &TClickLabel::clicked, this, toggle);
    }
}

QLabel* TForm1::AddLabel(QWidget* client, const char* name, int left, int top, int pixelHeight,
                         const QString& text)
{
    auto* label = new QLabel(client);
    label->setObjectName(QLatin1String(name));
    label->setFont(DesignFont(pixelHeight));
    label->move(Scaled(left), Scaled(top));
    SetCaption(label, text);
    return label;
}

// Labels of automatic size fit their text, as the table lays them out.
void TForm1::SetCaption(QLabel* label, const QString& text)
{
    label->setText(text);
    label->adjustSize();
}

void TForm1::CreateLabels(QWidget* client)
{
    Label12 = AddLabel(client, "Label12", 40, 8, 32, QStringLiteral("Draw Zezuv"));
    Label12->resize(qMax(Scaled(167), Label12->width()), Scaled(37)); // the title is never cut
    Label14 = AddLabel(client, "Label14", 40, 48, 16, QStringLiteral("Jacks or Better"));
    Label14->setFont(DesignFont(16, true));
    Label14->setAlignment(Qt::AlignCenter);
    Label14->resize(Scaled(161), Scaled(20));
    Label11 = AddLabel(client, "Label11", 256, 48, 19, QString());
    Label6 = AddLabel(client, "Label6", 368, 48, 19, QStringLiteral("Credit"));
    Label7 = AddLabel(client, "Label7", 432, 48, 19, QString());
    Label9 = AddLabel(client, "Label9", 40, 96, 19, QStringLiteral("Current Bet  5"));
    Label10 = AddLabel(client, "Label10", 256, 96, 19, QString());
    Label13 = AddLabel(client, "Label13", 40, 312, 16, QStringLiteral("&Payout"));
    Label8 = AddLabel(client, "Label8", 360, 312, 16, QStringLiteral("B&et"));
    Label15 = AddLabel(client, "Label15", 328, 392, 11, QString());
    Label15->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label15->resize(Scaled(99), Scaled(13));

    Image6 = new TClickLabel(client);
    Image6->setObjectName(QStringLiteral("Image6"));
    Image6->setGeometry(Scaled(552), 0, Scaled(41), Scaled(41));
    Image6->setAlignment(Qt::AlignCenter);
    Image6->setPixmap(QPixmap(QStringLiteral(":/icons/spade32.png")));
    Image6->setToolTip(QStringLiteral("Donate - Help support this program"));
    Image6->setAccessibleName(QStringLiteral("Donate"));
    connect(Image6, &TClickLabel::clicked, this, [this] { ShowModeless(form8_); });
}

void TForm1::CreateControls(QWidget* client)
{
    auto addButton = [&](const char* name, const QString& text, const char* icon, QRect designed) {
        auto* button = new QPushButton(QIcon(QLatin1String(icon)), text, client);
        button->setObjectName(QLatin1String(name));
        button->setFont(DesignFont(13));
        button->setIconSize(QSize(16, 16));
        button->setGeometry(Scaled(designed.x()), Scaled(designed.y()), Scaled(designed.width()),
                            Scaled(designed.height()));
        return button;
    };
    BitBtn1 = addButton("BitBtn1", QStringLiteral("&Draw"), ":/icons/draw.png", {176, 328, 75, 33});
    BitBtn1->setEnabled(false);
    BitBtn2 = addButton("BitBtn2", QStringLiteral("&Bet"), ":/icons/bet.png", {264, 328, 75, 33});
    BitBtn3 = addButton("BitBtn3", QStringLiteral("Payout &Table"), ":/icons/payouts.png", {424, 328, 129, 33});
    connect(BitBtn1, &QPushButton::clicked, this, &TForm1::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm1::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm1::BitBtn3Click);

    ComboBox1 = new QComboBox(client);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    for (const vel::PaySchedule& schedule : vel::PaySchedules)
        ComboBox1->addItem(QString::fromUtf8(schedule.listText.data(), schedule.listText.size()));
    ComboBox1->setFont(DesignFont(13));
    ComboBox1->move(Scaled(40), Scaled(336));
    ComboBox1->setFixedWidth(Scaled(113));
    ComboBox1->view()->setMinimumWidth(ComboBox1->view()->sizeHintForColumn(0) + Scaled(8));
    Label13->setBuddy(ComboBox1);
    connect(ComboBox1, &QComboBox::activated, this, &TForm1::ComboBox1Change);

    ComboBox2 = new QComboBox(client);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->addItems({QStringLiteral("5"), QStringLiteral("4"), QStringLiteral("3"), QStringLiteral("2"),
                         QStringLiteral("1")});
    ComboBox2->setMaxVisibleItems(6);
    ComboBox2->setFont(DesignFont(13));
    ComboBox2->move(Scaled(360), Scaled(336));
    ComboBox2->setFixedWidth(Scaled(49));
    Label8->setBuddy(ComboBox2);
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, &TForm1::ComboBox2Change);

    SpeedButton1 = new QToolButton(client);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setIcon(QIcon(QStringLiteral(":/icons/pause.png")));
    SpeedButton1->setCheckable(true);
    SpeedButton1->setEnabled(false);
    SpeedButton1->setFocusPolicy(Qt::NoFocus);
    SpeedButton1->setToolTip(QStringLiteral("Pause / Resume Game"));
    SpeedButton1->setAccessibleName(QStringLiteral("Pause Game"));
    SpeedButton1->setGeometry(Scaled(440), Scaled(384), Scaled(25), Scaled(22));
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm1::PauseGame1Execute);

    ElapsedTimeLabel1 = new TElapsedTimeLabel(client);
    ElapsedTimeLabel1->setObjectName(QStringLiteral("ElapsedTimeLabel1"));
    // Right-aligned at its designed right edge; wide enough for its text
    // in this desktop's face, but never over the pause button.
    const int right = Scaled(476 + 109);
    const int fitting = QFontMetrics(ElapsedTimeLabel1->font()).horizontalAdvance(QStringLiteral("Elapsed Time 000:00:00"));
    const int width = qBound(Scaled(109), fitting, right - SpeedButton1->geometry().right() - Scaled(4));
    ElapsedTimeLabel1->setGeometry(right - width, Scaled(392), width, Scaled(13));
    connect(ElapsedTimeLabel1, &TElapsedTimeLabel::clicked, ElapsedTimeLabel1, &TElapsedTimeLabel::RefreshClock);
}

void TForm1::CreateMenus()
{
    QMenu* game = menuBar()->addMenu(QStringLiteral("Game"));
    game->addAction(QStringLiteral("&New"), QKeySequence(Qt::CTRL | Qt::Key_N), this, &TForm1::New1Click);

    PauseGame1 = new QAction(QStringLiteral("Pause Game"), this);
    PauseGame1->setObjectName(QStringLiteral("PauseGame1"));
    PauseGame1->setCheckable(true);
    PauseGame1->setEnabled(false);
    Pause1 = game->addAction(PauseGame1->text());
    Pause1->setObjectName(QStringLiteral("Pause1"));
    Pause1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    Pause1->setCheckable(true);
    Pause1->setEnabled(false);
    connect(Pause1, &QAction::triggered, this, &TForm1::PauseGame1Execute);
    game->addSeparator();
    game->addAction(QStringLiteral("&Options"), QKeySequence(Qt::CTRL | Qt::Key_O), this, &TForm1::Options1Click);
    game->addAction(QIcon(QStringLiteral(":/icons/payouts.png")), QStringLiteral("Payout &Table"),
                    QKeySequence(Qt::CTRL | Qt::Key_T), this, &TForm1::BitBtn3Click);
    game->addSeparator();
    game->addAction(QStringLiteral("Printer Setup"), this, &TForm1::PrinterSetup1Click);
    game->addAction(QIcon(QStringLiteral(":/icons/printer.png")), QStringLiteral("Print"), this,
                    &TForm1::Print1Click);
    game->addSeparator();
    game->addAction(QStringLiteral("&Quit"), this, &QWidget::close);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QIcon(QStringLiteral(":/icons/help.png")), QStringLiteral("Help"), QKeySequence(Qt::Key_F1),
                    this, [this] { ShowModeless(form3_); });
    help->addAction(QIcon(QStringLiteral(":/icons/strategy.png")), QStringLiteral("Strategy"),
                    QKeySequence(Qt::Key_F2), this, [this] { ShowModeless(form7_); });
    help->addAction(QStringLiteral("Hint"), QKeySequence(Qt::Key_H), this, [this] { ShowModeless(advisor_); })
        ->setObjectName(QStringLiteral("Hint1"));
    help->addAction(QStringLiteral("&About"), QKeySequence(Qt::Key_F11), this, [this] { form4_->exec(); });
    help->addSeparator();
    help->addAction(QStringLiteral("Donate"), QKeySequence(Qt::Key_F12), this, [this] { ShowModeless(form8_); });
}

void TForm1::CreateSecondaryWindows()
{
    form2_ = new TForm2(this);
    form3_ = new TForm3(this);
    form4_ = new TForm4(this);
    form5_ = new TForm5(this);
    form6_ = new TForm6(this);
    form7_ = new TForm7(this);
    form8_ = new TForm8(this);
    printer_ = std::make_unique<vel::TablePrinter>(this);
    celebration_ = new Celebration(static_cast<TTableClient*>(centralWidget()),
                                   [this](int milliseconds) { Delay(milliseconds); }, this);
    advisor_ = new TAdvisorForm(this);
}

void TForm1::SetWarnCostlyDraw(bool warn)
{
    if (settings_.WarnCostlyDraw != warn)
        settingsFile_->SettingsChanged = true;
    settings_.WarnCostlyDraw = warn;
}
