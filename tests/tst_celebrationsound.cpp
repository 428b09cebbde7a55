// The sounds of the table, heard through a private sound server whose only
// output is a null sink that the test records.
#include "game/Celebration.h"
#include "game/TableWidgets.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <cstring>

namespace {

constexpr int RecordingRate = 8000;
constexpr int SilentPeak = 300;

// Waits while the window thread keeps handling events.
void Wait(int milliseconds)
{
    QCoreApplication::processEvents();
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// Paces the celebration on timers, as the table does.
void Later(int milliseconds, Celebration::Next next)
{
    QTimer::singleShot(milliseconds, std::move(next));
}

// Celebrates and waits, handling events all the while, until the table has
// its own colour back.
void Celebrate(Celebration& celebration, const QString& sound)
{
    QEventLoop loop;
    bool done = false;
    celebration.Run(sound, [&] {
        done = true;
        loop.quit();
    });
    if (!done)
        loop.exec();
}

struct Sound {
    double start;  // seconds into the recording
    double length; // seconds
};

// Each stretch of sound in 16-bit mono samples, judged in windows of 10 ms;
// a silence shorter than 50 ms does not split a sound.
QList<Sound> SoundsIn(const QByteArray& samples, int rate)
{
    const qsizetype window10ms = rate / 100;
    const qsizetype count = samples.size() / 2;
    QList<Sound> sounds;
    const auto add = [&sounds](qsizetype first, qsizetype last) { sounds.append({first / 100.0, (last + 1 - first) / 100.0}); };
    qsizetype soundStart = -1;
    qsizetype lastLoud = -1;
    for (qsizetype window = 0; window * window10ms < count; ++window) {
        int peak = 0;
        for (qsizetype i = window * window10ms; i < std::min(count, (window + 1) * window10ms); ++i) {
            std::int16_t sample = 0;
            std::memcpy(&sample, samples.constData() + 2 * i, 2);
            peak = std::max(peak, std::abs(int(sample)));
        }
        if (peak < SilentPeak)
            continue;
        if (soundStart >= 0 && window - lastLoud > 5) {
            add(soundStart, lastLoud);
            soundStart = -1;
        }
        if (soundStart < 0)
            soundStart = window;
        lastLoud = window;
    }
    if (soundStart >= 0)
        add(soundStart, lastLoud);
    return sounds;
}

// A sound server of this test alone, stopped with it.
class PrivateSoundServer {
public:
    bool Start()
    {
        const QString server = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        if (server.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty()
            || !home_.isValid())
            return false;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home_.path());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home_.path());
        server_.setProcessEnvironment(environment);
        server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // Should the test die, the server goes once it has no client left.
        server_.start(server, {"-n", "--daemonize=no", "--exit-idle-time=10", "--use-pid-file=no",
                               "--log-target=stderr", "--log-level=error",
                               "--load=module-native-protocol-unix auth-anonymous=1 socket=" + Socket(),
                               "--load=module-null-sink sink_name=recorded rate=44100 channels=1"});
        if (!server_.waitForStarted(5000))
            return false;
        for (int tries = 0; tries < 50 && !QFile::exists(Socket()); ++tries)
            QTest::qWait(100);
        return QFile::exists(Socket());
    }
    ~PrivateSoundServer()
    {
        server_.terminate();
        if (!server_.waitForFinished(3000))
            server_.kill();
        server_.waitForFinished(1000);
    }
    QString Address() const { return QStringLiteral("unix:") + Socket(); }

private:
    QString Socket() const { return home_.filePath(QStringLiteral("socket")); }
    QTemporaryDir home_;
    QProcess server_;
};

// The samples that reach the server's null sink while it runs.
class Recorder {
public:
    explicit Recorder(const QString& server)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PULSE_SERVER"), server);
        parec_.setProcessEnvironment(environment);
        parec_.start(QStringLiteral("parec"), {"-d", "recorded.monitor", "--raw", "--format=s16le",
                                               "--channels=1", "--rate=" + QString::number(RecordingRate),
                                               "--latency-msec=20"});
    }
    // Once the first samples come, the sink runs in step with the clock.
    bool Started()
    {
        if (!parec_.waitForStarted(5000))
            return false;
        for (int tries = 0; tries < 100 && parec_.bytesAvailable() == 0; ++tries)
            parec_.waitForReadyRead(100);
        return parec_.bytesAvailable() > 0;
    }
    QByteArray Stop()
    {
        parec_.terminate();
        if (!parec_.waitForFinished(3000))
            parec_.kill();
        parec_.waitForFinished(1000);
        return parec_.readAllStandardOutput();
    }

private:
    QProcess parec_;
};

QByteArray LittleEndian(quint32 value, int size)
{
    QByteArray bytes;
    for (int i = 0; i < size; ++i)
        bytes.append(char(value >> (8 * i) & 0xFF));
    return bytes;
}

QByteArray Chunk(const QByteArray& id, const QByteArray& body, qsizetype statedSize = -1)
{
    const QByteArray padding = body.size() % 2 ? QByteArray(1, '\0') : QByteArray();
    return id + LittleEndian(quint32(statedSize < 0 ? body.size() : statedSize), 4) + body + padding;
}

QByteArray FormatChunk(quint32 tag, int channels, int rate, int bits, quint32 subFormat = 0)
{
    const int frame = channels * bits / 8;
    QByteArray body = LittleEndian(tag, 2) + LittleEndian(channels, 2) + LittleEndian(rate, 4)
                      + LittleEndian(rate * frame, 4) + LittleEndian(frame, 2) + LittleEndian(bits, 2);
    if (tag == 0xFFFE)
        body += LittleEndian(22, 2) + LittleEndian(bits, 2) + LittleEndian(0, 4) + LittleEndian(subFormat, 2)
                + QByteArray(14, '\x10');
    return Chunk("fmt ", body);
}

QByteArray Riff(const QByteArray& chunks)
{
    return "RIFF" + LittleEndian(quint32(chunks.size() + 4), 4) + "WAVE" + chunks;
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString MediaFolder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../media");
}

} // namespace

class CelebrationSoundTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The sounds made at build time, and no other data folder.
        QVERIFY(QFile::exists(MediaFolder() + QStringLiteral("/tada.wav")));
    }
    void everyCelebrationPlaysItsWholeSound();
    void waveFiles_data();
    void waveFiles();
    void mediaFolder_data();
    void mediaFolder();
};

void CelebrationSoundTest::waveFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("sampleFormat"); // QAudioFormat::Unknown: not playable
    QTest::addColumn<int>("channels");
    QTest::addColumn<qsizetype>("sampleBytes");
    const QByteArray data = Chunk("data", QByteArray(100, '\x40'));
    QTest::newRow("16-bit mono") << Riff(FormatChunk(1, 1, 44100, 16) + data) << int(QAudioFormat::Int16) << 1
                                 << qsizetype(100);
    QTest::newRow("8-bit stereo") << Riff(FormatChunk(1, 2, 22050, 8) + data) << int(QAudioFormat::UInt8) << 2
                                  << qsizetype(100);
    QTest::newRow("extensible float") << Riff(FormatChunk(0xFFFE, 1, 48000, 32, 3) + data)
                                      << int(QAudioFormat::Float) << 1 << qsizetype(100);
    QTest::newRow("odd chunk before the data")
        << Riff(FormatChunk(1, 1, 44100, 16) + Chunk("LIST", "abc") + data) << int(QAudioFormat::Int16) << 1
        << qsizetype(100);
    QTest::newRow("data cut short, partial frame dropped")
        << Riff(FormatChunk(1, 2, 44100, 16) + Chunk("data", QByteArray(10, '\x40'), 4000))
        << int(QAudioFormat::Int16) << 2 << qsizetype(8);
    QTest::newRow("24-bit") << Riff(FormatChunk(1, 1, 44100, 24) + data) << int(QAudioFormat::Unknown) << 0
                            << qsizetype(0);
    QTest::newRow("compressed") << Riff(FormatChunk(2, 1, 44100, 4) + data) << int(QAudioFormat::Unknown) << 0
                                << qsizetype(0);
    QTest::newRow("no data") << Riff(FormatChunk(1, 1, 44100, 16)) << int(QAudioFormat::Unknown) << 0
                             << qsizetype(0);
    QTest::newRow("no format") << Riff(data) << int(QAudioFormat::Unknown) << 0 << qsizetype(0);
    QTest::newRow("not RIFF") << QByteArray("RIFX") + Riff(data).sliced(4) << int(QAudioFormat::Unknown) << 0
                              << qsizetype(0);
    QTest::newRow("empty") << QByteArray() << int(QAudioFormat::Unknown) << 0 << qsizetype(0);
}

void CelebrationSoundTest::waveFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(int, sampleFormat);
    QFETCH(int, channels);
    QFETCH(qsizetype, sampleBytes);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("sound.wav"));
    QVERIFY(WriteFile(path, file));
    const std::optional<WaveSound> sound = ReadWaveFile(path);
    QCOMPARE(sound.has_value(), sampleFormat != QAudioFormat::Unknown);
    if (!sound)
        return;
    QCOMPARE(int(sound->format.sampleFormat()), sampleFormat);
    QCOMPARE(sound->format.channelCount(), channels);
    QCOMPARE(sound->samples.size(), sampleBytes);
}

void CelebrationSoundTest::mediaFolder_data()
{
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QString>("found");
    const QString home = QStringLiteral("home/velpoker/media");
    const QString system = QStringLiteral("system/velpoker/media");
    const QString beside = QStringLiteral("prefix/bin/media");
    const QString share = QStringLiteral("prefix/share/velpoker/media");
    QTest::newRow("none") << QStringList{} << QString();
    QTest::newRow("under the prefix") << QStringList{share} << share;
    QTest::newRow("beside before the prefix") << QStringList{share, beside} << beside;
    QTest::newRow("system data before beside") << QStringList{share, beside, system} << system;
    QTest::newRow("user data first") << QStringList{share, beside, system, home} << home;
}

void CelebrationSoundTest::mediaFolder()
{
    QFETCH(QStringList, folders);
    QFETCH(QString, found);
    QTemporaryDir root;
    qputenv("XDG_DATA_HOME", QFile::encodeName(root.filePath(QStringLiteral("home"))));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(root.filePath(QStringLiteral("system"))));
    for (const QString& folder : folders)
        QVERIFY(QDir().mkpath(root.filePath(folder)));
    QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("prefix/bin"))));
    QCOMPARE(FindMediaFolder(root.filePath(QStringLiteral("prefix/bin"))),
             found.isEmpty() ? QString() : root.filePath(found));
}

void CelebrationSoundTest::everyCelebrationPlaysItsWholeSound()
{
    PrivateSoundServer server;
    if (!server.Start())
        QSKIP("no sound server can be started here");
    // The sound system reads the server's address when it first connects.
    qputenv("PULSE_SERVER", server.Address().toUtf8());
    Recorder recorder(server.Address());
    QVERIFY(recorder.Started());

    TTableClient table;
    Celebration celebration(&table, Later);
    const QString tada = MediaFolder() + QStringLiteral("/tada.wav");
    const QString chimes = MediaFolder() + QStringLiteral("/chimes.wav");
    // What the files hold, measured like the recording.
    const auto heardLength = [](const QString& path) {
        const std::optional<WaveSound> sound = ReadWaveFile(path);
        return sound ? SoundsIn(sound->samples, sound->format.sampleRate()).value(0).length : 0.0;
    };
    QList<double> played;
    for (int hand = 1; hand <= 10; ++hand) {
        Celebrate(celebration, tada);
        played << heardLength(tada);
        // Room for the sound's end, then the next deal comes at once; a game
        // over halfway switches to the other sound and back.
        Wait(300);
        if (hand == 5) {
            celebration.PlaySoundFile(chimes);
            played << heardLength(chimes);
            Wait(2000);
        }
    }
    Wait(500);
    const QList<Sound> heard = SoundsIn(recorder.Stop(), RecordingRate);
    QString report;
    for (const Sound& sound : heard)
        report += QStringLiteral(" %1 s at %2 s;").arg(sound.length).arg(sound.start);
    qInfo("%d sounds heard:%s", int(heard.size()), qPrintable(report));
    QCOMPARE(heard.size(), played.size());
    for (qsizetype i = 0; i < heard.size(); ++i)
        QVERIFY2(heard[i].length > played[i] - 0.03, qPrintable(QStringLiteral("sound %1 cut short").arg(i + 1)));
}

QTEST_MAIN(CelebrationSoundTest)
#include "tst_celebrationsound.moc"
