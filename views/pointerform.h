#pragma once

#include <QDialog>
#include <QMargins>
#include <QObject>
#include <QRect>
#include <QSize>

#include <functional>
#include <optional>

// Sizes and a place meant for a window's outer frame, the window manager's
// border and caption included. The frame is known only once the window
// manager has framed the window after its first show: until then the sizes
// hold for the client area, and they are applied again, once, to the frame
// as soon as it is known. Lives as a child of its window.
class OuterFrame : public QObject {
    Q_OBJECT
public:
    explicit OuterFrame(QWidget* window);

    void SetSize(QSize outer);
    void SetMinimumSize(QSize outer);
    void SetMaximumSize(QSize outer);
    // The frame is centred on `area` when the window is first shown.
    void CentreOn(std::function<QRect()> area);
    // The frame's top-left corner goes to `corner` when the window is first shown.
    void PlaceAt(std::function<QPoint()> corner);

    // The frame around the client area, as far as it is known now.
    static QMargins Margins(const QWidget* window);
    // The outer frame's place and size on the screen.
    static QRect Geometry(const QWidget* window);
    // Whether the window manager's frame around the window is known.
    static bool HasFrame(const QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AwaitFrame();
    // Whether the frame has the size and the place asked for.
    bool InPlace() const;
    // Applies the sizes and the place for the frame as far as it is known.
    void Apply();

    QWidget* window_;
    std::optional<QSize> size_;
    std::optional<QSize> minimum_;
    std::optional<QSize> maximum_;
    std::function<QRect()> area_;
    std::function<QPoint()> corner_;
    bool shown_ = false;
    int waited_ = 0; // milliseconds since the first show
    int requests_ = 0; // made for the known frame
};

// Centres a window on the available area of its screen by its outer frame.
void CentreOnScreen(QWidget* window);

// Base of every secondary window. It is a dialog-type top-level window owned
// by the main window: it stays in front of it, goes with it when minimised
// and has no task bar entry of its own. Closing it only hides it, so its
// contents survive until it is shown again. It opens centred on the main
// window by its outer frame.
class TPointerform : public QDialog {
    Q_OBJECT
public:
    // A fixed dialog has only a close box; a sizeable window also gets the
    // minimise and maximise boxes.
    enum class Border { FixedDialog, Sizeable };

    TPointerform(QWidget* mainWindow, const QString& caption, Border border);

    // Shows the window, or brings it to the front when it is already open.
    void ShowInFront();

protected:
    // A length designed at 96 pixels per inch, at this window's resolution.
    int Scaled(int designPixels) const;
    QRect Scaled(const QRect& designRect) const;

    OuterFrame& Frame() { return *frame_; }

private:
    OuterFrame* frame_;
};
