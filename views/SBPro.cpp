#include "views/SBPro.h"
#include "views/DesignFont.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <QPaintEvent>
#include <qdrawutil.h>

#include <algorithm>

namespace {

constexpr int DesignHeight = 25;
constexpr int DesignPanelWidth = 100;
// Space kept free at the top and right of each panel's part, as the
// platform's status bar leaves between its parts.
constexpr int PartGap = 2;

// A screen reader sees the bar as a status bar and each panel as a static
// text whose name is the panel's text.
QAccessibleInterface* StatusBarAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("TStatusPanelPro"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StaticText);
    if (className == QLatin1String("TStatusBarPro"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StatusBar);
    return nullptr;
}

} // namespace

TStatusPanelPro::TStatusPanelPro(TStatusBarPro* bar)
    : QWidget(bar)
    , bar_(bar)
{
}

void TStatusPanelPro::SetText(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    setAccessibleName(text);
    update();
}

void TStatusPanelPro::SetWidth(int width)
{
    width = std::clamp(width, minWidth_, std::max(minWidth_, maxWidth_));
    if (width == width_)
        return;
    width_ = width;
    bar_->LayoutPanels();
}

void TStatusPanelPro::SetMinWidth(int minWidth)
{
    minWidth_ = minWidth;
    SetWidth(width_);
}

void TStatusPanelPro::SetMaxWidth(int maxWidth)
{
    maxWidth_ = maxWidth;
    SetWidth(width_);
}

vel::TColor TStatusPanelPro::Color() const
{
    return parentColor_ ? bar_->Color() : color_;
}

void TStatusPanelPro::SetColor(vel::TColor color)
{
    if (!parentColor_ && color == color_)
        return;
    parentColor_ = false;
    color_ = color;
    update();
}

void TStatusPanelPro::SetFontColor(vel::TColor color)
{
    if (color == fontColor_)
        return;
    fontColor_ = color;
    update();
}

QRect TStatusPanelPro::InnerRect() const
{
    return rect().adjusted(1, PartGap + 1, -PartGap - 1, -1);
}

void TStatusPanelPro::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, PartGap, -PartGap, 0);
    qDrawShadePanel(&painter, frame, palette(), true, 1);
    PaintPanel(painter, InnerRect());
}

void TStatusPanelPro::PaintPanel(QPainter& painter, const QRect& rect) const
{
    painter.fillRect(rect, vel::ToQColor(Color(), palette()));
    if (text_.isEmpty())
        return;
    // The platform's text extent of "H" is the font's full line height.
    const QFontMetrics metrics = fontMetrics();
    const int top = rect.top() + (rect.height() - metrics.height()) / 2;
    const int left = rect.left() + (rect.width() - metrics.horizontalAdvance(text_)) / 2;
    painter.setPen(vel::ToQColor(fontColor_, palette()));
    painter.setClipRect(rect);
    painter.drawText(QPoint(left, top + metrics.ascent()), text_);
}

TStatusBarPro::TStatusBarPro(QWidget* mainWindow)
    : QWidget(mainWindow)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(StatusBarAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);

    for (auto& panel : panels_) {
        panel = new TStatusPanelPro(this);
        panel->width_ = DesignPanelWidth;
    }
    setFixedHeight(vel::ScaledLength(DesignHeight, logicalDpiY()));
    LayoutPanels();
}

QRect TStatusBarPro::PanelRect(int index) const
{
    int left = 0;
    for (int i = 0; i < index; ++i)
        left += panels_.at(i)->Width();
    const bool last = index == PanelCount - 1;
    const int right = last ? width() : left + panels_.at(index)->Width();
    return QRect(left, 0, std::max(0, right - left), height());
}

void TStatusBarPro::LayoutStatusPanels(int clientWidth)
{
    const int w = (clientWidth - 26) / 5;
    for (TStatusPanelPro* panel : panels_)
        panel->SetWidth(w);
    panels_[1]->SetWidth(w + 15);
}

void TStatusBarPro::HighlightStatusPanel(int index, bool on)
{
    TStatusPanelPro& panel = Panel(index);
    panel.SetColor(on ? vel::clHighlight : vel::clBtnFace);
    panel.SetFontColor(on ? vel::clHighlightText : vel::clBtnText);
}

void TStatusBarPro::resizeEvent(QResizeEvent*)
{
    LayoutPanels();
}

void TStatusBarPro::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), vel::ToQColor(Color(), palette()));
}

void TStatusBarPro::LayoutPanels()
{
    for (int i = 0; i < PanelCount; ++i)
        panels_[i]->setGeometry(PanelRect(i));
}
