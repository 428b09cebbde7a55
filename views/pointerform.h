#pragma once

#include <QDialog>

// Base of every secondary window. It is a dialog-type top-level window owned
// by the main window: it stays in front of it, goes with it when minimised
// and has no task bar entry of its own. Closing it only hides it, so its
// contents survive until it is shown again.
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

    // The client size that gives the window the outer size `outer`, as far
    // as the window frame is known at the time of the call.
    QSize ClientSizeFor(QSize outer) const;
};
