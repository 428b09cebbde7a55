#pragma once

#include "views/TextWindow.h"

// The Help window: how to play, the hand ranks and the program's options.
class TForm3 : public TTextWindow {
    Q_OBJECT
public:
    explicit TForm3(QWidget* mainWindow);

    // Names the folder that holds the settings file in the help text; meant
    // for start-up, as it sets the whole text afresh.
    void SetSettingsFolder(const QString& folder);
};
