#include "views/TextWindow.h"
#include "views/DesignFont.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QStatusBar>

namespace {
constexpr int StatusBarDesignHeight = 19;
}

TTextWindow::TTextWindow(QWidget* mainWindow, const Design& design, const QString& text)
    : TPointerform(mainWindow, design.caption, Border::Sizeable)
    , Memo1(new QPlainTextEdit(this))
    , StatusBar1(new QStatusBar(this))
{
    Memo1->setFont(vel::DesignFont(16));
    Memo1->setAccessibleName(design.textName);
    Memo1->setPlainText(text);
    Memo1->setReadOnly(design.readOnly);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    StatusBar1->setSizeGripEnabled(true);
    StatusBar1->setFixedHeight(Scaled(StatusBarDesignHeight));

    Frame().SetMinimumSize(QSize(Scaled(design.minOuter.width()), Scaled(design.minOuter.height())));
    if (design.outerAtCreation.isEmpty())
        resize(Scaled(design.client.width()), Scaled(design.client.height()));
    else
        Frame().SetSize(design.outerAtCreation);
    FormResize();
}

void TTextWindow::FormResize()
{
    const int textHeight = height() - StatusBar1->height();
    Memo1->setGeometry(0, 0, width(), textHeight);
    StatusBar1->setGeometry(0, textHeight, width(), StatusBar1->height());
}

void TTextWindow::resizeEvent(QResizeEvent* event)
{
    TPointerform::resizeEvent(event);
    FormResize();
}

void TTextWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    TPointerform::keyPressEvent(event);
}
