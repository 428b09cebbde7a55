#pragma once

#include "views/TextWindow.h"

// The Strategy window: which cards to hold.
class TForm7 : public TTextWindow {
    Q_OBJECT
public:
    explicit TForm7(QWidget* mainWindow);
};
