#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QAudioSink;
class TTableClient;

// The samples of a wave file, ready for an audio stream.
struct WaveSound {
    QAudioFormat format;
    QByteArray samples;
};

// A RIFF wave file of integer or float PCM samples; nothing when the file
// cannot be read or holds anything else.
std::optional<WaveSound> ReadWaveFile(const QString& path);

// The sounds of the table and the flash of a celebrated hand.
class Celebration : public QObject {
    Q_OBJECT
public:
    using Next = std::function<void()>;
    // Goes on with `next` after `milliseconds`, without blocking.
    using Wait = std::function<void(int milliseconds, Next next)>;

    Celebration(TTableClient* table, Wait wait, QObject* parent = nullptr);
    ~Celebration() override;

    // The fanfare, then the table flashes through five colours three times
    // and gets its own colour back; then `done`.
    void Run(const QString& tadaSound, Next done);
    // Starts a wave file without waiting for it; an empty path beeps. The
    // new sound takes the place of one that still plays.
    void PlaySoundFile(const QString& path);

    static const std::array<QColor, 5> FlashColors;

signals:
    void soundStarted(const QString& path);

private:
    void Flash(int step, const QColor& former, Next done);

    TTableClient* table_;
    Wait wait_;
    // Each file is read once, at its first play.
    QHash<QString, std::optional<WaveSound>> sounds_;
    std::unique_ptr<QAudioSink> sink_;
};

// The first folder that holds the game's sounds: the user's data folder,
// the system data folders, "media" beside the program, then
// "share/velpoker/media" beside the program's folder.
QString FindMediaFolder(const QString& programFolder);
