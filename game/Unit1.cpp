#include "game/Unit1.h"

#include "game/AdvisorSession.h"
#include "game/Celebration.h"
#include "game/TableWidgets.h"
#include "game/UAdvisor.h"
#include "shell/Startup.h"
#include "shell/UElapsedTimeLabel.h"
#include "shell/Unit6.h"
#include "views/Colors.h"
#include "views/DesignFont.h"
#include "views/Printing.h"
#include "views/SBPro.h"
#include "views/Unit2.h"
#include "views/Unit3.h"
#include "views/Unit4.h"
#include "views/Unit5.h"
#include "views/Unit7.h"
#include "views/Unit8.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QLabel>
#include <QLayout>

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
      programPath_(std::move(programPath)),
      round_(new vel::TableRound(this))
{
    InitBuiltInPictures();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(vel::ApplicationTitle());
    setWindowIcon(QIcon(QStringLiteral(":/icons/spade32.png")));
    designDpi_ = logicalDpiX();
    setFont(DesignFont(11));
    CreateTable();
    CreateMenus();
    if (vel::IsVistaOrLater())
        vel::ApplyModernFont(this);
    qApp->installEventFilter(this);
    CreateSecondaryWindows();
    ConnectRound();
    RefreshTable();
}

TForm1::~TForm1()
{
    qApp->removeEventFilter(this);
}

int TForm1::Scaled(int designed) const
{
    return vel::ScaledLength(designed, designDpi_);
}

QFont TForm1::DesignFont(int pixelHeight, bool bold) const
{
    return vel::DesignFont(Scaled(pixelHeight), bold);
}

void TForm1::CreateTable()
{
    auto* client = new TTableClient(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(Scaled(ClientWidth), Scaled(ClientHeight));
    setCentralWidget(client);
    CreateCardPlaces(client);
    CreateLabels(client);
    CreateButtons(client);
    CreateLists(client);
    CreateClock(client);
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
        marker->setMinimumWidth(QFontMetrics(marker->font()).horizontalAdvance(tr("HOLD")));
        cardPanels_[i] = panel;
        holdMarkers_[i] = marker;
        auto toggle = [this, place] { ToggleHold(place); };
        connect(panel, &TCardPanel::clicked, this, toggle);
        connect(panel->Image(), &TCardImage::clicked, this, toggle);
        connect(marker, &TClickLabel::clicked, this, toggle);
    }
}

QLabel* TForm1::AddLabel(QWidget* client, const char* name, QPoint designed, int pixelHeight, const QString& text)
{
    auto* label = new QLabel(client);
    label->setObjectName(QLatin1String(name));
    label->setFont(DesignFont(pixelHeight));
    label->move(Scaled(designed.x()), Scaled(designed.y()));
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
    Label12 = AddLabel(client, "Label12", {40, 8}, 32, tr("Draw Zezuv"));
    Label12->resize(qMax(Scaled(167), Label12->width()), Scaled(37)); // the title is never cut
    Label14 = AddLabel(client, "Label14", {40, 48}, 16, tr("Jacks or Better"));
    Label14->setFont(DesignFont(16, true));
    Label14->setAlignment(Qt::AlignCenter);
    Label14->resize(Scaled(161), Scaled(20));
    Label11 = AddLabel(client, "Label11", {256, 48}, 19, QString());
    Label6 = AddLabel(client, "Label6", {368, 48}, 19, tr("Credit"));
    Label7 = AddLabel(client, "Label7", {432, 48}, 19, QString());
    Label9 = AddLabel(client, "Label9", {40, 96}, 19, tr("Current Bet  %1").arg(5));
    Label10 = AddLabel(client, "Label10", {256, 96}, 19, QString());
    Label13 = AddLabel(client, "Label13", {40, 312}, 16, tr("&Payout"));
    Label8 = AddLabel(client, "Label8", {360, 312}, 16, tr("B&et"));
    Label15 = AddLabel(client, "Label15", {328, 392}, 11, QString());
    Label15->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label15->resize(Scaled(99), Scaled(13));
    for (QLabel* title : {Label12, Label14}) {
        QPalette palette = title->palette();
        palette.setColor(QPalette::WindowText, vel::ToQColor(vel::clHighlight));
        title->setPalette(palette);
    }

    Image6 = new TClickLabel(client);
    Image6->setObjectName(QStringLiteral("Image6"));
    Image6->setGeometry(Scaled(552), 0, Scaled(41), Scaled(41));
    Image6->setAlignment(Qt::AlignCenter);
    Image6->setPixmap(QPixmap(QStringLiteral(":/icons/spade32.png")));
    Image6->setToolTip(tr("Donate - Help support this program"));
    Image6->setAccessibleName(tr("Donate"));
    connect(Image6, &TClickLabel::clicked, this, [this] { ShowModeless(form8_); });
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
    const auto later = [this](int milliseconds, vel::TableRound::Next next) { Later(milliseconds, std::move(next)); };
    celebration_ = new Celebration(static_cast<TTableClient*>(centralWidget()), later, this);
    round_->SetPacing({later, [this](vel::TableRound::Next next) { celebration_->Run(tadaSound_, std::move(next)); }});
    advice_ = new vel::AdvisorSession(*round_, this);
    advisor_ = new TAdvisorForm(this, *advice_);
    connect(advisor_, &TAdvisorForm::warnCostlyDrawToggled, this, &TForm1::SetWarnCostlyDraw);
    connect(advisor_, &TAdvisorForm::keptPayTablesChanged, this, &TForm1::SetKeptPayTables);
}

void TForm1::SetKeptPayTables(const std::vector<vel::KeptPayTable>& tables)
{
    settings_.PayTables = tables;
    settingsFile_->SettingsChanged = true;
}

// The setting's one owner; the advisor's box shows it.
void TForm1::SetWarnCostlyDraw(bool warn)
{
    if (settings_.WarnCostlyDraw == warn)
        return;
    settingsFile_->SettingsChanged = true;
    settings_.WarnCostlyDraw = warn;
}

vel::Settings TForm1::CurrentSettings() const
{
    vel::Settings current = settings_;
    current.Payout = round_->State().Schedule;
    current.CelebrateLevel = round_->CelebrateLevel();
    return current;
}
