#include "shell/Unit6.h"

#include "shell/SettingsFile.h"
#include "views/DesignFont.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPainter>
#include <QPushButton>
#include <QStyle>

namespace {

// Level n of the celebration is entry n - 1.
const char* const CelebrateLevels[] = {
    QT_TRANSLATE_NOOP("TForm6", "Jacks or Better"), QT_TRANSLATE_NOOP("TForm6", "Two Pair"),
    QT_TRANSLATE_NOOP("TForm6", "Three of a Kind"), QT_TRANSLATE_NOOP("TForm6", "Straight"),
    QT_TRANSLATE_NOOP("TForm6", "Flush"),           QT_TRANSLATE_NOOP("TForm6", "Full House"),
    QT_TRANSLATE_NOOP("TForm6", "Four of a Kind"),  QT_TRANSLATE_NOOP("TForm6", "Straight Flush"),
    QT_TRANSLATE_NOOP("TForm6", "Royal Flush"),     QT_TRANSLATE_NOOP("TForm6", "Never"),
};

QIcon Swatch(const QColor& color, int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(color);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, side - 1, side - 1);
    return QIcon(pixmap);
}

void FillColorBox(QComboBox* box, int swatchSide)
{
    box->setIconSize(QSize(swatchSide, swatchSide));
    for (const vel::NamedColor& named : vel::NamedColors) {
        box->addItem(Swatch(vel::ToQColor(named.value, box->palette()), swatchSide),
                     QString::fromLatin1(named.identifier.data(), static_cast<int>(named.identifier.size())),
                     named.value);
    }
}

} // namespace

TColorPanel::TColorPanel(const QString& caption, QWidget* parent)
    : QLabel(caption, parent)
{
    setToolTip(caption);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
}

void TColorPanel::SetColor(vel::TColor color)
{
    color_ = color;
    QPalette colours = palette();
    colours.setColor(QPalette::Window, vel::ToQColor(color, colours));
    setPalette(colours);
}

TForm6::TForm6(QWidget* mainWindow)
    : TPointerform(mainWindow, tr("vel Zezuv - Options"), Border::FixedDialog)
    , Label1(new QLabel(tr("Card Panel Color Options"), this))
    , Panel1(new TColorPanel(tr("Card Panel"), this))
    , Panel2(new TColorPanel(tr("Hold Color"), this))
    , Panel3(new TColorPanel(tr("Win Color"), this))
    , ColorBox1(new QComboBox(this))
    , ColorBox2(new QComboBox(this))
    , ColorBox3(new QComboBox(this))
    , Label2(new QLabel(tr("Celebrate &On"), this))
    , ComboBox1(new QComboBox(this))
    , CheckBox1(new QCheckBox(tr("&Scale Cards when using Large Fonts"), this))
    , Label3(new QLabel(tr("This only affects systems running Large Fonts. When checked you get bigger "
                                           "cards but the graphics are not as sharp."),
                        this))
    , BitBtn3(new QPushButton(style()->standardIcon(QStyle::SP_DialogResetButton), tr("&Reset"), this))
    , BitBtn1(new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), tr("Cancel"), this))
    , BitBtn2(new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), tr("OK"), this))
{
    setFixedSize(Scaled(300), Scaled(356));
    QFont headingFont = font();
    headingFont.setBold(true);
    Label1->setFont(headingFont);
    for (int list = 0; list < 3; ++list) {
        FillColorBox(ColorBoxes()[list], Scaled(14));
        // Named by the panel it colours; a screen reader on Linux reads a
        // list's name from the label for it.
        ColorBoxes()[list]->setAccessibleName(Panels()[list]->text());
        Panels()[list]->setBuddy(ColorBoxes()[list]);
        connect(ColorBoxes()[list], &QComboBox::activated, this, [this, list] { ColorBoxChange(list); });
    }
    Label2->setBuddy(ComboBox1);
    for (const char* level : CelebrateLevels)
        ComboBox1->addItem(tr(level));
    Label3->setWordWrap(true);
    BitBtn2->setDefault(true);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm6::BitBtn3Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm6::reject);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm6::accept);
    LayOutControls();
}

void TForm6::LayOutControls()
{
    Label1->setGeometry(Scaled(QRect(16, 8, 269, 20)));
    for (int list = 0; list < 3; ++list) {
        const int top = 40 + 48 * list;
        Panels()[list]->setGeometry(Scaled(QRect(16, top, 113, 33)));
        ColorBoxes()[list]->setGeometry(Scaled(QRect(144, top + 6, 141, 22)));
    }
    Label2->setGeometry(Scaled(QRect(16, 190, 89, 17)));
    ComboBox1->setGeometry(Scaled(QRect(112, 186, 173, 22)));
    CheckBox1->setGeometry(Scaled(QRect(16, 228, 269, 17)));
    Label3->setGeometry(Scaled(QRect(32, 250, 253, 44)));
    BitBtn3->setGeometry(Scaled(QRect(16, 312, 75, 25)));
    BitBtn1->setGeometry(Scaled(QRect(118, 312, 75, 25)));
    BitBtn2->setGeometry(Scaled(QRect(210, 312, 75, 25)));
}

void TForm6::LoadValues(vel::TColor panel, vel::TColor hold, vel::TColor win, int celebrateLevel, bool scaleCards)
{
    ComboBox1->setCurrentIndex(celebrateLevel - 1);
    Panel1->SetColor(panel);
    Panel2->SetColor(hold);
    Panel3->SetColor(win);
    CheckBox1->setChecked(scaleCards);
}

int TForm6::CelebrateLevel() const
{
    return ComboBox1->currentIndex() + 1;
}

bool TForm6::ScaleCards() const
{
    return CheckBox1->isChecked();
}

void TForm6::showEvent(QShowEvent* event)
{
    TPointerform::showEvent(event);
    FormShow();
}

void TForm6::FormShow()
{
    SelectPanelColors();
    CheckBox1->setEnabled(vel::IsLargeFonts(*this));
    Label3->setEnabled(CheckBox1->isEnabled());
}

void TForm6::ColorBoxChange(int list)
{
    Panels()[list]->SetColor(ColorBoxes()[list]->currentData().toInt());
}

void TForm6::BitBtn3Click()
{
    const vel::Settings defaults;
    Panel1->SetColor(defaults.PanelColor);
    Panel2->SetColor(defaults.HoldColor);
    Panel3->SetColor(defaults.WinColor);
    SelectPanelColors();
    ComboBox1->setCurrentIndex(defaults.CelebrateLevel - 1);
    CheckBox1->setChecked(defaults.ScaleCards);
}

// Selects in each list the entry of its panel's colour, or none.
void TForm6::SelectPanelColors()
{
    for (int list = 0; list < 3; ++list)
        ColorBoxes()[list]->setCurrentIndex(ColorBoxes()[list]->findData(Panels()[list]->Color()));
}
