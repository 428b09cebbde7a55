// The settings file of every kind and encoding a player's disk may hold.
#include "shell/IniFile.h"
#include "shell/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <future>
#include <memory>

using namespace vel;
using SaveResult = SettingsFile::SaveResult;

namespace {

enum class Kind { Fifo, LinkToFifo, LinkToNullDevice, LinkToZeroDevice, ZeroDevice, Folder };

enum class Utf16 { LittleEndian, BigEndian };

// `text` behind its byte-order mark.
QByteArray Encoded(const QString& text, Utf16 order)
{
    QByteArray bytes;
    for (const QChar character : QString(QChar(0xFEFF) + text)) {
        const char16_t unit = character.unicode();
        const char high = char(unit >> 8);
        const char low = char(unit & 0xFF);
        bytes.append(order == Utf16::BigEndian ? high : low).append(order == Utf16::BigEndian ? low : high);
    }
    return bytes;
}

// The keys a save adds after "Payout" when the file listed only that one.
QString AddedKeys(const QString& lineBreak)
{
    return QStringList{"CelebrateLevel=6", "PanelColor=15780518", "WinColor=32768", "HoldColor=255",
                       "ScaleCards=0", ""}
        .join(lineBreak);
}

Settings UnusualSettings()
{
    return {.Payout = 3, .CelebrateLevel = 4, .PanelColor = 0x123456, .WinColor = 0x654321,
            .HoldColor = 0xAA, .ScaleCards = true};
}

bool SameSettings(const Settings& a, const Settings& b)
{
    return a.Payout == b.Payout && a.CelebrateLevel == b.CelebrateLevel && a.PanelColor == b.PanelColor
           && a.WinColor == b.WinColor && a.HoldColor == b.HoldColor && a.ScaleCards == b.ScaleCards
           && a.WarnCostlyDraw == b.WarnCostlyDraw;
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Runs `work`; should it hang in an open or a read of `fifo`, a writer that
// comes and goes gives it an end of file, and the answer is false.
bool FinishesWithoutBlocking(const QString& fifo, const std::function<void()>& work)
{
    auto done = std::async(std::launch::async, work);
    if (done.wait_for(std::chrono::seconds(10)) == std::future_status::ready)
        return true;
    const int writer = open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
    if (writer >= 0)
        close(writer);
    done.wait();
    return false;
}

} // namespace

class TestSettingsFiles : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString Temp(const QString& name) const { return dir_->filePath(name); }
    // Makes a file of `kind` at the settings path, or a link there to one;
    // false when this system does not let the test make it.
    bool Make(Kind kind, const QString& settingsPath);

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
    }

    void fileKindsAreNeitherReadNorWritten_data();
    void fileKindsAreNeitherReadNorWritten();
    void encodingsReadAndKeptBySave_data();
    void encodingsReadAndKeptBySave();
    void largeFileReadToTheEnd();
    void fileOverTheLimitNotRead();
};

bool TestSettingsFiles::Make(Kind kind, const QString& settingsPath)
{
    const QString target = kind == Kind::Fifo || kind == Kind::ZeroDevice || kind == Kind::Folder
                               ? settingsPath
                               : Temp("target");
    const QByteArray name = QFile::encodeName(target);
    bool made = false;
    switch (kind) {
    case Kind::Fifo:
    case Kind::LinkToFifo:
        made = mkfifo(name.constData(), 0644) == 0;
        break;
    case Kind::LinkToNullDevice:
    case Kind::LinkToZeroDevice:
    case Kind::ZeroDevice:
        // Private copies of /dev/null and /dev/zero: a faulty save replaces
        // only them.
        made = mknod(name.constData(), S_IFCHR | 0666,
                     kind == Kind::LinkToNullDevice ? makedev(1, 3) : makedev(1, 5)) == 0;
        break;
    case Kind::Folder:
        made = QDir().mkpath(target);
        break;
    }
    return made && (target == settingsPath || QFile::link(target, settingsPath));
}

void TestSettingsFiles::fileKindsAreNeitherReadNorWritten_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::newRow("FIFO") << Kind::Fifo;
    QTest::newRow("link to a FIFO") << Kind::LinkToFifo;
    QTest::newRow("link to a null device") << Kind::LinkToNullDevice;
    QTest::newRow("link to a zero device") << Kind::LinkToZeroDevice;
    QTest::newRow("zero device") << Kind::ZeroDevice;
    QTest::newRow("folder") << Kind::Folder;
}

void TestSettingsFiles::fileKindsAreNeitherReadNorWritten()
{
    QFETCH(Kind, kind);
    SettingsFile file(dir_->path());
    if (!Make(kind, file.Path()))
        QSKIP("this kind of file cannot be made here");
    const QFileInfo before(file.Path());
    struct stat target {};
    QCOMPARE(stat(QFile::encodeName(file.Path()).constData(), &target), 0);

    Settings settings = UnusualSettings();
    SaveResult result = SaveResult::Saved;
    const QString fifo = kind == Kind::Fifo ? file.Path() : Temp("target");
    QVERIFY(FinishesWithoutBlocking(fifo, [&] {
        file.LoadSettings(settings);
        file.SettingsChanged = true;
        result = file.SaveSettings(Settings{});
    }));
    QVERIFY(SameSettings(settings, UnusualSettings()));
    QCOMPARE(result, SaveResult::Failed); // the player hears of it
    QVERIFY(!file.SettingsChanged);

    const QFileInfo after(file.Path());
    QCOMPARE(after.isSymLink(), before.isSymLink());
    struct stat now {};
    QCOMPARE(stat(QFile::encodeName(file.Path()).constData(), &now), 0);
    QCOMPARE(now.st_mode, target.st_mode);
    QCOMPARE(now.st_rdev, target.st_rdev);
    QCOMPARE(now.st_ino, target.st_ino);
}

void TestSettingsFiles::encodingsReadAndKeptBySave_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    const auto utf8 = [](const QString& text) { return text.toUtf8(); };
    const auto row = [](const char* name, const std::function<QByteArray(const QString&)>& encode,
                        const QString& foreign, const QString& lineBreak) {
        QTest::newRow(name) << encode(foreign + "[Main]" + lineBreak + "Payout=4" + lineBreak)
                            << encode(foreign + "[Main]" + lineBreak + "Payout=1" + lineBreak + AddedKeys(lineBreak));
    };
    const auto le = [](const QString& text) { return Encoded(text, Utf16::LittleEndian); };
    const auto be = [](const QString& text) { return Encoded(text, Utf16::BigEndian); };
    const QString names = QStringLiteral("[Zézé]\r\nSuit=♠ ♥ 🂡\r\n");

    row("UTF-8, CR", utf8, QStringLiteral("; Zézé\r"), "\r");
    row("UTF-8 with mark, CRLF", utf8, QChar(0xFEFF) + names, "\r\n");
    row("UTF-16 LE, CRLF", le, names, "\r\n");
    row("UTF-16 LE, CR", le, QStringLiteral("[Zézé]\rA=1\r"), "\r");
    row("UTF-16 BE, LF", be, QStringLiteral("[Zézé]\nA=1\n"), "\n");
    row("UTF-16 BE, CRLF", be, names, "\r\n");
    row("mostly CR, one LF", utf8, QStringLiteral("[A]\rx=1\ny=2\r"), "\r");
    row("mostly CRLF, one CR", le, QStringLiteral("[A]\r\nx=1\ry=2\r\n"), "\r\n");

    // A lone surrogate, a unit that holds a line-feed byte, and an odd last
    // byte are no text, but stay as they were.
    const QByteArray oddUnits("\x00\xD8\x0A\x0A", 4);
    QTest::newRow("UTF-16 LE, foreign units and odd length")
        << le("[A]\r\nB=") + oddUnits + le("\r\n[Main]\r\nPayout=4\r\n").sliced(2) + "\x41"
        << le("[A]\r\nB=") + oddUnits + le("\r\n[Main]\r\nPayout=1\r\n" + AddedKeys("\r\n")).sliced(2) + "\x41";
}

void TestSettingsFiles::encodingsReadAndKeptBySave()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    SettingsFile file(dir_->path());
    QVERIFY(WriteBytes(file.Path(), before));
    Settings settings = UnusualSettings();
    file.LoadSettings(settings);
    Settings expected = UnusualSettings();
    expected.Payout = 4;
    QVERIFY(SameSettings(settings, expected));

    settings = Settings{};
    settings.Payout = 1;
    QCOMPARE(file.SaveSettings(settings), SaveResult::Saved);
    QCOMPARE(ReadBytes(file.Path()).toHex(' '), after.toHex(' '));

    Settings reloaded = UnusualSettings();
    file.LoadSettings(reloaded);
    QVERIFY(SameSettings(reloaded, settings));
}

void TestSettingsFiles::largeFileReadToTheEnd()
{
    // More than a mebibyte after the section, and a key past it.
    const QByteArray start = "[Main]\nPayout=4\n[Other]\n" + QByteArray(3 << 20, 'x') + "\n[main]\nPayout=5\n";
    SettingsFile file(dir_->path());
    QVERIFY(WriteBytes(file.Path(), start));
    Settings settings;
    file.LoadSettings(settings);
    QCOMPARE(settings.Payout, 4);
    settings.Payout = 1;
    QCOMPARE(file.SaveSettings(settings), SaveResult::Saved);
    const QByteArray saved = ReadBytes(file.Path());
    QVERIFY(saved.startsWith("[Main]\nPayout=1\nCelebrateLevel=6\n"));
    QVERIFY(saved.endsWith(start.sliced(start.indexOf("[Other]"))));
}

void TestSettingsFiles::fileOverTheLimitNotRead()
{
    SettingsFile file(dir_->path());
    QVERIFY(WriteBytes(file.Path(), "[Main]\nPayout=4\n"));
    // Sparse: the size costs no disk space.
    QVERIFY(QFile::resize(file.Path(), IniFile::MaxFileSize + 1));
    QVERIFY(!IniFile::Load(file.Path()));
    Settings settings;
    file.LoadSettings(settings);
    QCOMPARE(settings.Payout, Settings{}.Payout);

    QVERIFY(QFile::resize(file.Path(), IniFile::MaxFileSize));
    QVERIFY(IniFile::Load(file.Path()));
}

QTEST_GUILESS_MAIN(TestSettingsFiles)
#include "tst_settingsfiles.moc"
