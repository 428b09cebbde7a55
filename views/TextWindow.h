#pragma once

#include "views/pointerform.h"

class QPlainTextEdit;
class QStatusBar;

// A sizeable window showing one long text above an empty status bar with a
// size grip; the text box always fills the client area above the bar.
class TTextWindow : public TPointerform {
    Q_OBJECT
public:
    QPlainTextEdit* const Memo1;
    QStatusBar* const StatusBar1;

protected:
    struct Design {
        QString caption;
        QSize client;   // at 96 pixels per inch
        QSize minOuter; // at 96 pixels per inch
        QSize outerAtCreation; // in pixels; empty keeps the designed size
        bool readOnly;
        QString textName; // what a screen reader calls the text box
    };
    TTextWindow(QWidget* mainWindow, const Design& design, const QString& text);

    void FormResize();
    void resizeEvent(QResizeEvent* event) override;
    // A text window has no buttons: Esc does not close it.
    void keyPressEvent(QKeyEvent* event) override;
};
