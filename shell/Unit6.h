#pragma once

#include "views/Colors.h"
#include "views/pointerform.h"

#include <QLabel>

#include <array>

class QCheckBox;
class QComboBox;
class QPushButton;

// A preview panel of the Options dialog. It holds one working colour, which
// may be a colour that no list offers.
class TColorPanel : public QLabel {
    Q_OBJECT
public:
    TColorPanel(const QString& caption, QWidget* parent);

    vel::TColor Color() const { return color_; }
    void SetColor(vel::TColor color);

private:
    vel::TColor color_ = vel::clBtnFace;
};

// The Options dialog: the three card panel colours, the celebration level
// and card scaling. It works on copies that the main window reads back
// after OK.
class TForm6 : public TPointerform {
    Q_OBJECT
public:
    explicit TForm6(QWidget* mainWindow);

    // Fills the dialog before it is shown; `celebrateLevel` is 1..10.
    void LoadValues(vel::TColor panel, vel::TColor hold, vel::TColor win, int celebrateLevel, bool scaleCards);

    vel::TColor PanelColor() const { return Panel1->Color(); }
    vel::TColor HoldColor() const { return Panel2->Color(); }
    vel::TColor WinColor() const { return Panel3->Color(); }
    int CelebrateLevel() const;
    bool ScaleCards() const;

    QLabel* const Label1;          // "Card Panel Color Options"
    TColorPanel* const Panel1;     // preview of the panel colour
    TColorPanel* const Panel2;     // preview of the hold colour
    TColorPanel* const Panel3;     // preview of the win colour
    QComboBox* const ColorBox1;    // the panel colour
    QComboBox* const ColorBox2;    // the hold colour
    QComboBox* const ColorBox3;    // the win colour
    QLabel* const Label2;          // "Celebrate On", the level list's caption
    QComboBox* const ComboBox1;    // the celebration level
    QCheckBox* const CheckBox1;    // card scaling, offered under Large Fonts
    QLabel* const Label3;          // what card scaling does
    QPushButton* const BitBtn3;    // Reset, back to the defaults
    QPushButton* const BitBtn1;    // Cancel
    QPushButton* const BitBtn2;    // OK

protected:
    void showEvent(QShowEvent* event) override;

private:
    // All in Unit6.cpp.
    void FormShow();
    void BitBtn3Click();
    void ColorBoxChange(int list);
    void SelectPanelColors();
    void LayOutControls();

    std::array<TColorPanel*, 3> Panels() const { return {Panel1, Panel2, Panel3}; }
    std::array<QComboBox*, 3> ColorBoxes() const { return {ColorBox1, ColorBox2, ColorBox3}; }
};
