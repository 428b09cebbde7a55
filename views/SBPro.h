#pragma once

#include "views/Colors.h"

#include <QWidget>

#include <array>

class TStatusBarPro;

// One panel of the status bar: a child widget of its own, so that a change
// repaints this panel alone. Its text is centred; its current text is its
// accessible name.
class TStatusPanelPro : public QWidget {
    Q_OBJECT
public:
    const QString& Text() const { return text_; }
    void SetText(const QString& text);

    int Width() const { return width_; }
    // Clamped to the least and the greatest width.
    void SetWidth(int width);
    void SetMinWidth(int minWidth);
    void SetMaxWidth(int maxWidth);

    // While ParentColor holds, the panel shows the bar's colour; setting a
    // colour of its own ends that.
    vel::TColor Color() const;
    void SetColor(vel::TColor color);
    bool ParentColor() const { return parentColor_; }

    vel::TColor FontColor() const { return fontColor_; }
    void SetFontColor(vel::TColor color);

    // The inner rectangle, inside the sunken frame, that the panel paints.
    QRect InnerRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    friend class TStatusBarPro;
    explicit TStatusPanelPro(TStatusBarPro* bar);

    void PaintPanel(QPainter& painter, const QRect& rect) const;

    TStatusBarPro* bar_;
    QString text_;
    int width_ = 50;
    int minWidth_ = 0;
    int maxWidth_ = 10000;
    vel::TColor color_ = vel::clBtnFace;
    bool parentColor_ = true;
    vel::TColor fontColor_ = vel::clBtnText;
};

// The main window's status bar: five program-drawn panels, numbered 0 to 4
// from the left, each in its own colours. It takes its parent's font.
class TStatusBarPro : public QWidget {
    Q_OBJECT
public:
    static constexpr int PanelCount = 5;

    explicit TStatusBarPro(QWidget* mainWindow);

    TStatusPanelPro& Panel(int index) { return *panels_.at(index); }
    const TStatusPanelPro& Panel(int index) const { return *panels_.at(index); }

    vel::TColor Color() const { return vel::clBtnFace; }

    // The part of the bar that panel `index` covers: panels 0 to 3 as wide
    // as their Width, the last one up to the bar's right edge.
    QRect PanelRect(int index) const;

    // The widths of the game's panel layout for a main window client width.
    void LayoutStatusPanels(int clientWidth);

    // A record just beaten: highlight colours; otherwise the normal ones.
    void HighlightStatusPanel(int index, bool on);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    friend class TStatusPanelPro;
    void LayoutPanels();

    std::array<TStatusPanelPro*, PanelCount> panels_{};
};
