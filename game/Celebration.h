#pragma once

#include <QColor>
#include <QObject>
#include <QString>

#include <array>
#include <functional>

class QSoundEffect;
class TTableClient;

// The sounds of the table and the flash of a celebrated hand.
class Celebration : public QObject {
    Q_OBJECT
public:
    using Delay = std::function<void(int milliseconds)>;

    Celebration(TTableClient* table, Delay delay, QObject* parent = nullptr);

    // The fanfare, then the table flashes through five colours three times
    // and gets its own colour back.
    void Run(const QString& tadaSound);
    // Starts a wave file without waiting for it; an empty path beeps.
    void PlaySoundFile(const QString& path);

    static const std::array<QColor, 5> FlashColors;

signals:
    void soundStarted(const QString& path);

private:
    TTableClient* table_;
    Delay delay_;
    QSoundEffect* effect_ = nullptr;
};

// The first folder that holds the game's sounds: the user's data folder,
// the system data folders, then "media" beside the program.
QString FindMediaFolder(const QString& programFolder);
