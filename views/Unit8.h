#pragma once

#include "views/TextWindow.h"

// The Donate window: a short request for donations, read-only.
class TForm8 : public TTextWindow {
    Q_OBJECT
public:
    explicit TForm8(QWidget* mainWindow);
};
