#include "game/Celebration.h"

#include "game/TableWidgets.h"

#include <QApplication>
#include <QAudioSink>
#include <QBuffer>
#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QStandardPaths>

#include <algorithm>

namespace {

// Far above any sound of the game; a bigger file is not read.
constexpr qint64 MaxWaveFileSize = 32 * 1024 * 1024;

quint32 LittleEndian(QByteArrayView bytes, qsizetype at, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// The sample format named by the body of a "fmt " chunk.
QAudioFormat::SampleFormat SampleFormatOf(QByteArrayView format)
{
    if (format.size() < 16)
        return QAudioFormat::Unknown;
    quint32 tag = LittleEndian(format, 0, 2);
    const quint32 bits = LittleEndian(format, 14, 2);
    // An extensible format names its own in the first two bytes of its
    // sub-format.
    if (tag == 0xFFFE && format.size() >= 26)
        tag = LittleEndian(format, 24, 2);
    if (tag == 1 && bits == 8)
        return QAudioFormat::UInt8;
    if (tag == 1 && bits == 16)
        return QAudioFormat::Int16;
    if (tag == 1 && bits == 32)
        return QAudioFormat::Int32;
    if (tag == 3 && bits == 32)
        return QAudioFormat::Float;
    return QAudioFormat::Unknown;
}

} // namespace

std::optional<WaveSound> ReadWaveFile(const QString& path)
{
    // Only a regular file: a FIFO would block the open.
    QFile file(path);
    if (!QFileInfo(path).isFile() || file.size() > MaxWaveFileSize || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(MaxWaveFileSize);
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || QByteArrayView(bytes).sliced(8, 4) != "WAVE")
        return std::nullopt;
    QByteArrayView format;
    QByteArrayView samples;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArrayView id = QByteArrayView(bytes).sliced(at, 4);
        const qsizetype size = std::min<qsizetype>(LittleEndian(bytes, at + 4, 4), bytes.size() - at - 8);
        const QByteArrayView body = QByteArrayView(bytes).sliced(at + 8, size);
        if (id == "fmt ")
            format = body;
        else if (id == "data" && samples.isEmpty())
            samples = body;
        at += 8 + size + (size & 1);
    }
    WaveSound sound;
    sound.format.setSampleFormat(SampleFormatOf(format));
    if (format.size() >= 16) {
        sound.format.setChannelCount(int(LittleEndian(format, 2, 2)));
        sound.format.setSampleRate(int(std::min<quint32>(LittleEndian(format, 4, 4), 1'000'000)));
    }
    if (!sound.format.isValid() || samples.size() < sound.format.bytesPerFrame())
        return std::nullopt;
    const qsizetype frame = sound.format.bytesPerFrame();
    sound.samples = samples.first(samples.size() / frame * frame).toByteArray();
    return sound;
}

const std::array<QColor, 5> Celebration::FlashColors{
    QColor(255, 0, 0), QColor(255, 255, 0), QColor(0, 255, 0), QColor(255, 0, 255), QColor(0, 255, 255),
};

Celebration::Celebration(TTableClient* table, Wait wait, QObject* parent)
    : QObject(parent), table_(table), wait_(std::move(wait))
{
}

Celebration::~Celebration() = default;

void Celebration::Run(const QString& tadaSound, Next done)
{
    PlaySoundFile(tadaSound);
    Flash(0, table_->Color(), std::move(done));
}

// Each of the fifteen colours shows for 100 ms.
void Celebration::Flash(int step, const QColor& former, Next done)
{
    constexpr int Rounds = 3;
    if (step == Rounds * static_cast<int>(FlashColors.size())) {
        table_->SetColor(former);
        done();
        return;
    }
    table_->SetColor(FlashColors[static_cast<std::size_t>(step) % FlashColors.size()]);
    wait_(100, [this, step, former, done = std::move(done)] { Flash(step + 1, former, done); });
}

void Celebration::PlaySoundFile(const QString& path)
{
    emit soundStarted(path);
    if (path.isEmpty()) {
        QApplication::beep();
        return;
    }
    auto known = sounds_.constFind(path);
    if (known == sounds_.constEnd())
        known = sounds_.insert(path, ReadWaveFile(path));
    // A stream of its own for every sound, left to play out when its data is
    // all handed over. Not QSoundEffect: reused, it opens each new stream
    // with a smaller buffer than the last, until a start plays nothing, and
    // it stops a stream with its last buffer still unplayed.
    sink_.reset();
    if (!*known)
        return;
    sink_ = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), (*known)->format);
    auto* source = new QBuffer(sink_.get());
    source->setData((*known)->samples);
    source->open(QIODevice::ReadOnly);
    sink_->start(source);
}

QString FindMediaFolder(const QString& programFolder)
{
    const QStringList candidates{
        QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("velpoker/media"),
                               QStandardPaths::LocateDirectory),
        programFolder + QStringLiteral("/media"),
        // An install to any prefix: the program in bin, the sounds in share.
        programFolder + QStringLiteral("/../share/velpoker/media"),
    };
    for (const QString& folder : candidates)
        if (!folder.isEmpty() && QDir(folder).exists())
            return QDir::cleanPath(folder);
    return {};
}
