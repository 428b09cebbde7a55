#include "views/pointerform.h"

#include "views/DesignFont.h"

#include <QEvent>
#include <QIcon>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace {

Qt::WindowFlags FlagsFor(TPointerform::Border border)
{
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                            | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (border == TPointerform::Border::Sizeable)
        flags |= Qt::WindowMinMaxButtonsHint;
    return flags;
}

QSize SizeOf(const QMargins& margins)
{
    return {margins.left() + margins.right(), margins.top() + margins.bottom()};
}

} // namespace

OuterFrame::OuterFrame(QWidget* window)
    : QObject(window), window_(window)
{
    window->installEventFilter(this);
}

void OuterFrame::SetSize(QSize outer)
{
    size_ = outer;
    Apply();
}

void OuterFrame::SetMinimumSize(QSize outer)
{
    minimum_ = outer;
    Apply();
}

void OuterFrame::SetMaximumSize(QSize outer)
{
    maximum_ = outer;
    Apply();
}

void OuterFrame::CentreOn(std::function<QRect()> area)
{
    area_ = std::move(area);
}

void OuterFrame::PlaceAt(std::function<QPoint()> corner)
{
    corner_ = std::move(corner);
}

QMargins OuterFrame::Margins(const QWidget* window)
{
    // Asked of the window system each time: the widget's own frame
    // geometry is only brought up to date when the window moves.
    const QWindow* handle = window->windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

QRect OuterFrame::Geometry(const QWidget* window)
{
    return window->geometry().marginsAdded(Margins(window));
}

bool OuterFrame::HasFrame(const QWidget* window)
{
    // While the window manager takes the window in, its frame can read
    // smaller than the window.
    const QMargins margins = Margins(window);
    return margins.left() >= 0 && margins.top() >= 0 && margins.right() >= 0 && margins.bottom() >= 0
           && !margins.isNull();
}

bool OuterFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show) {
        window_->removeEventFilter(this);
        shown_ = true;
        Apply();
        // Looked for once the show is complete, which places the window by
        // its client area.
        QMetaObject::invokeMethod(this, &OuterFrame::AwaitFrame, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void OuterFrame::AwaitFrame()
{
    // The window manager's frame comes some time after the first show, with
    // no event of its own; without a window manager it never comes. While
    // the window manager still settles the frame it may not take a request
    // as meant, so the result is checked and asked for again a few times.
    constexpr int Interval = 50;
    constexpr int MaxWait = 5000;
    constexpr int MaxRequests = 4;
    if (HasFrame(window_)) {
        if (InPlace() || requests_ == MaxRequests)
            return;
        ++requests_;
        Apply();
    }
    if ((waited_ += Interval) <= MaxWait)
        QTimer::singleShot(Interval, this, &OuterFrame::AwaitFrame);
}

bool OuterFrame::InPlace() const
{
    const QRect outer = Geometry(window_);
    return requests_ > 0 && (!size_ || outer.size() == *size_)
           && (!area_ || (outer.center() - area_().center()).manhattanLength() <= 1)
           && (!corner_ || outer.topLeft() == corner_());
}

void OuterFrame::Apply()
{
    const QMargins margins = HasFrame(window_) ? Margins(window_) : QMargins();
    const QSize frame = SizeOf(margins);
    if (minimum_)
        window_->setMinimumSize(*minimum_ - frame);
    if (maximum_)
        window_->setMaximumSize(*maximum_ - frame);
    if (size_)
        window_->resize(*size_ - frame);
    if ((!area_ && !corner_) || !shown_)
        return;
    QRect outer(QPoint(), window_->size() + frame);
    if (corner_)
        outer.moveTopLeft(corner_());
    else
        outer.moveCenter(area_().center());
    // Placed by its client area, which every window manager takes alike; it
    // also keeps a dialog from centring itself again at its next show.
    window_->setGeometry(QRect(outer.topLeft() + QPoint(margins.left(), margins.top()), window_->size()));
}

void CentreOnScreen(QWidget* window)
{
    (new OuterFrame(window))->CentreOn([window] { return window->screen()->availableGeometry(); });
}

TPointerform::TPointerform(QWidget* mainWindow, const QString& caption, Border border)
    : QDialog(mainWindow, FlagsFor(border))
    , frame_(new OuterFrame(this))
{
    frame_->CentreOn([this] {
        return parentWidget() ? OuterFrame::Geometry(parentWidget()->window()) : screen()->availableGeometry();
    });
    setWindowTitle(caption);
    setWindowIcon(QIcon(QStringLiteral(":/icons/spade32.png")));
    setFont(vel::DesignFont(11));
    if (vel::IsVistaOrLater())
        vel::ApplyModernFont(this);
}

void TPointerform::ShowInFront()
{
    show();
    raise();
    activateWindow();
}

int TPointerform::Scaled(int designPixels) const
{
    return vel::ScaledLength(designPixels, logicalDpiX());
}

QRect TPointerform::Scaled(const QRect& designRect) const
{
    return {Scaled(designRect.left()), Scaled(designRect.top()), Scaled(designRect.width()),
            Scaled(designRect.height())};
}
