#include "shell/IniFile.h"
#include "shell/SettingsFile.h"
#include "shell/SettingsLocation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <memory>

using namespace vel;
using SaveResult = SettingsFile::SaveResult;

namespace {

const QByteArray DefaultFileText = "[Main]\nCelebrateLevel=6\nPayout=2\nPanelColor=15780518\n"
                                   "WinColor=32768\nHoldColor=255\nScaleCards=0\n";

// Start values that differ from every default, so that a key that is read
// and a key that is left alone can be told apart.
Settings UnusualSettings()
{
    return {.Payout = 3, .CelebrateLevel = 4, .PanelColor = 0x123456, .WinColor = 0x654321,
            .HoldColor = 0xAA, .ScaleCards = true};
}

// The fields in the order of this list, as compared by the tests.
enum Field { Payout, Level, Panel, Win, Hold, Scale };

QList<int> Fields(const Settings& s)
{
    return {s.Payout, s.CelebrateLevel, s.PanelColor, s.WinColor, s.HoldColor, int(s.ScaleCards)};
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

Settings LoadText(const QString& folder, const QByteArray& text, Settings start = UnusualSettings())
{
    SettingsFile file(folder);
    WriteBytes(file.Path(), text);
    file.LoadSettings(start);
    return start;
}

// Whether this process has a mount namespace of its own, where a test may
// mount a file system that nothing outside sees.
bool PrivateMounts = false;

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private:
    QTemporaryDir home_;
    std::unique_ptr<QTemporaryDir> dir_;
    QString Temp(const QString& name) const { return dir_->filePath(name); }

private slots:
    void initTestCase()
    {
        QVERIFY(home_.isValid());
        qputenv("HOME", QFile::encodeName(home_.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home_.filePath("config")));
    }
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
    }

    void parseInteger_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("whole");
        QTest::addColumn<int>("expected");
        QTest::newRow("decimal") << QByteArray("42") << true << 42;
        QTest::newRow("leading zeros") << QByteArray("007") << true << 7;
        QTest::newRow("minus") << QByteArray("-2147483633") << true << -2147483633;
        QTest::newRow("plus") << QByteArray("+255") << true << 255;
        QTest::newRow("lowest") << QByteArray("-2147483648") << true << INT_MIN;
        QTest::newRow("hex") << QByteArray("0x7") << true << 7;
        QTest::newRow("hex capital X") << QByteArray("0XfF") << true << 255;
        QTest::newRow("hex system colour") << QByteArray("0x8000000F") << true << -2147483633;
        QTest::newRow("hex all bits") << QByteArray("0xFFFFFFFF") << true << -1;
        QTest::newRow("hex leading zeros") << QByteArray("0x000000010") << true << 16;
        QTest::newRow("bare prefix") << QByteArray("0x") << false << 0;
        QTest::newRow("hex over 32 bits") << QByteArray("0x100000000") << false << 0;
        QTest::newRow("hex with sign") << QByteArray("0x-5") << false << 0;
        QTest::newRow("hex bad digit") << QByteArray("0x1G") << false << 0;
        QTest::newRow("above int") << QByteArray("2147483648") << false << 0;
        QTest::newRow("empty") << QByteArray() << false << 0;
        QTest::newRow("word") << QByteArray("abc") << false << 0;
        QTest::newRow("two signs") << QByteArray("+-5") << false << 0;
        QTest::newRow("sign alone") << QByteArray("-") << false << 0;
        QTest::newRow("trailing comment") << QByteArray("12 ; twelve") << false << 0;
        QTest::newRow("fraction") << QByteArray("1.5") << false << 0;
        QTest::newRow("nul inside") << QByteArray("1\0" "2", 3) << false << 0;
    }
    void parseInteger()
    {
        QFETCH(QByteArray, value);
        QFETCH(bool, whole);
        QFETCH(int, expected);
        const std::optional<std::int32_t> number = ParseProfileInteger(value);
        QCOMPARE(number.has_value(), whole);
        if (whole)
            QCOMPARE(*number, expected);
    }

    // Columns: Payout, CelebrateLevel, PanelColor, WinColor, HoldColor, ScaleCards.
    void loadSettings_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QList<int>>("expected");
        const QList<int> start = Fields(UnusualSettings());
        auto with = [&start](std::initializer_list<std::pair<Field, int>> changes) {
            QList<int> fields = start;
            for (auto [field, value] : changes)
                fields[field] = value;
            return fields;
        };
        QTest::newRow("level 0") << QByteArray("[Main]\nCelebrateLevel=0\n") << with({{Level, 1}});
        QTest::newRow("level 99") << QByteArray("[Main]\nCelebrateLevel=99\n") << with({{Level, 10}});
        QTest::newRow("level abc") << QByteArray("[Main]\nCelebrateLevel=abc\n") << with({{Level, 6}});
        QTest::newRow("level 0x7") << QByteArray("[Main]\nCelebrateLevel=0x7\n") << with({{Level, 7}});
        QTest::newRow("level -5") << QByteArray("[Main]\nCelebrateLevel=-5\n") << with({{Level, 1}});
        QTest::newRow("payout 6") << QByteArray("[Main]\nPayout=6\n") << with({{Payout, 2}});
        QTest::newRow("payout -1") << QByteArray("[Main]\nPayout=-1\n") << with({{Payout, 2}});
        QTest::newRow("payout empty") << QByteArray("[Main]\nPayout=\n") << with({{Payout, 2}});
        QTest::newRow("payout 0") << QByteArray("[Main]\nPayout=0\n") << with({{Payout, 0}});
        QTest::newRow("payout 5") << QByteArray("[Main]\nPayout=5\n") << with({{Payout, 5}});
        QTest::newRow("panel system colour") << QByteArray("[Main]\nPanelColor=-2147483633\n") << with({{Panel, -2147483633}});
        QTest::newRow("panel hex colour") << QByteArray("[Main]\nPanelColor=0x8000000F\n") << with({{Panel, -2147483633}});
        QTest::newRow("panel word") << QByteArray("[Main]\nPanelColor=blue\n") << with({{Panel, 15780518}});
        QTest::newRow("win comment") << QByteArray("[Main]\nWinColor=1 ; one\n") << with({{Win, 32768}});
        QTest::newRow("hold blanks") << QByteArray("[Main]\n  HoldColor \t=  65280  \n") << with({{Hold, 65280}});
        QTest::newRow("lower case") << QByteArray("[main]\npayout=4\n") << with({{Payout, 4}});
        QTest::newRow("upper case") << QByteArray("[MAIN]\nPAYOUT=4\n") << with({{Payout, 4}});
        QTest::newRow("blanks in brackets") << QByteArray("  [ Main ]  \nPayout=4\n") << with({{Payout, 4}});
        QTest::newRow("CRLF") << QByteArray("[Main]\r\nPayout=4\r\nWinColor=7\r\n") << with({{Payout, 4}, {Win, 7}});
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF[Main]\nPayout=4\n") << with({{Payout, 4}});
        QTest::newRow("first Main section") << QByteArray("[Main]\nPayout=1\n[Main]\nPayout=4\nWinColor=9\n") << with({{Payout, 1}});
        QTest::newRow("first key") << QByteArray("[Main]\nPayout=1\nPayout=4\n") << with({{Payout, 1}});
        QTest::newRow("other section") << QByteArray("[Other]\nPayout=4\n[Main]\nWinColor=9\n") << with({{Win, 9}});
        QTest::newRow("after Main") << QByteArray("[Main]\nWinColor=9\n[Other]\nPayout=4\n") << with({{Win, 9}});
        QTest::newRow("comment line") << QByteArray("[Main]\n;Payout=4\n") << start;
        QTest::newRow("no Main") << QByteArray("Payout=4\n[Mainly]\nPayout=4\n") << start;
        QTest::newRow("empty file") << QByteArray() << start;
        QTest::newRow("NUL bytes") << QByteArray("[Main]\0\nPayout\0=4\n\0\0", 20) << start;
        QTest::newRow("NUL in other line") << QByteArray("[Main]\n\0\0\nPayout=4\n", 19) << with({{Payout, 4}});
    }
    void loadSettings()
    {
        QFETCH(QByteArray, text);
        QFETCH(QList<int>, expected);
        QCOMPARE(Fields(LoadText(dir_->path(), text)), expected);
    }

    void scaleCards_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("start");
        QTest::addColumn<bool>("expected");
        QTest::newRow("2") << QByteArray("2") << false << true;
        QTest::newRow("1") << QByteArray("1") << false << true;
        QTest::newRow("0x10") << QByteArray("0x10") << false << true;
        QTest::newRow("yes") << QByteArray("yes") << true << false;
        QTest::newRow("0") << QByteArray("0") << true << false;
        QTest::newRow("empty") << QByteArray() << true << false;
    }
    void scaleCards()
    {
        QFETCH(QByteArray, value);
        QFETCH(bool, start);
        QFETCH(bool, expected);
        Settings settings;
        settings.ScaleCards = start;
        QCOMPARE(LoadText(dir_->path(), "[Main]\nScaleCards=" + value + "\n", settings).ScaleCards, expected);
    }

    void warnCostlyDraw_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("start");
        QTest::addColumn<bool>("expected");
        QTest::newRow("1") << QByteArray("[Main]\nWarnCostlyDraw=1\n") << false << true;
        QTest::newRow("5") << QByteArray("[Main]\nWarnCostlyDraw=5\n") << false << true;
        QTest::newRow("0") << QByteArray("[Main]\nWarnCostlyDraw=0\n") << true << false;
        QTest::newRow("word") << QByteArray("[Main]\nWarnCostlyDraw=on\n") << true << false;
        QTest::newRow("not listed") << QByteArray("[Main]\nScaleCards=1\n") << true << true;
    }
    void warnCostlyDraw()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, start);
        QFETCH(bool, expected);
        Settings settings;
        settings.WarnCostlyDraw = start;
        QCOMPARE(LoadText(dir_->path(), text, settings).WarnCostlyDraw, expected);
    }

    // The key is written after the six others once the warning was wanted,
    // and kept up to date from then on; a file without it stays without it.
    void warnCostlyDrawSaved()
    {
        SettingsFile file(dir_->path());
        Settings settings;
        QCOMPARE(file.SaveSettings(settings), SaveResult::Saved);
        QCOMPARE(ReadBytes(file.Path()), DefaultFileText);
        settings.WarnCostlyDraw = true;
        QCOMPARE(file.SaveSettings(settings), SaveResult::Saved);
        QCOMPARE(ReadBytes(file.Path()), DefaultFileText + "WarnCostlyDraw=1\n");
        settings.WarnCostlyDraw = false;
        QCOMPARE(file.SaveSettings(settings), SaveResult::Saved);
        QCOMPARE(ReadBytes(file.Path()), DefaultFileText + "WarnCostlyDraw=0\n");
        Settings loaded;
        loaded.WarnCostlyDraw = true;
        file.LoadSettings(loaded);
        QVERIFY(!loaded.WarnCostlyDraw);
    }

    void onlyPayoutKeepsStartValues()
    {
        Settings expected;
        expected.Payout = 4;
        QCOMPARE(Fields(LoadText(dir_->path(), "[Main]\nPayout=4", Settings{})), Fields(expected));
    }

    void saveKeepsForeignLines_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        const QByteArray changed = "CelebrateLevel=6\nPayout=1\nPanelColor=15780518\n"
                                   "WinColor=32768\nHoldColor=255\nScaleCards=1\n";
        QTest::newRow("no file") << QByteArray() << "[Main]\n" + changed;
        QTest::newRow("other section, no final break") << QByteArray("[Other]\nA=1")
                                                       << "[Other]\nA=1\n[Main]\n" + changed;
        QTest::newRow("byte-order mark alone") << QByteArray("\xEF\xBB\xBF") << "\xEF\xBB\xBF[Main]\n" + changed;
        QTest::newRow("section line alone") << QByteArray("[Main]") << "[Main]\n" + changed;
        QTest::newRow("CRLF, comments, sections")
            << QByteArray("\xEF\xBB\xBF; vel\r\n[Display]\r\nMode = 2\r\n\r\n[main]\r\n; choices\r\n"
                          "Payout = 4  \r\nExtra=keep\r\n\r\n[Tail]\r\nx=1")
            << QByteArray("\xEF\xBB\xBF; vel\r\n[Display]\r\nMode = 2\r\n\r\n[main]\r\n; choices\r\n"
                          "Payout = 1  \r\nExtra=keep\r\nCelebrateLevel=6\r\nPanelColor=15780518\r\n"
                          "WinColor=32768\r\nHoldColor=255\r\nScaleCards=1\r\n\r\n[Tail]\r\nx=1");
        QTest::newRow("second Main untouched")
            << QByteArray("[Main]\nPayout=4\n[Main]\nPayout=5\n")
            << QByteArray("[Main]\nPayout=1\nCelebrateLevel=6\nPanelColor=15780518\nWinColor=32768\n"
                          "HoldColor=255\nScaleCards=1\n[Main]\nPayout=5\n");
        QTest::newRow("repeated key")
            << QByteArray("[Main]\nCelebrateLevel=6\nPayout=4\nPanelColor=15780518\nWinColor=32768\n"
                          "HoldColor=255\nScaleCards=0\nPayout=3\n")
            << "[Main]\n" + changed + "Payout=3\n";
        QTest::newRow("order kept")
            << QByteArray("[Main]\nScaleCards=0\nHoldColor=255\nWinColor=32768\nPanelColor=1\n"
                          "Payout=\nCelebrateLevel=06\n")
            << QByteArray("[Main]\nScaleCards=1\nHoldColor=255\nWinColor=32768\nPanelColor=1\n"
                          "Payout=1\nCelebrateLevel=6\n");
    }
    void saveKeepsForeignLines()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        SettingsFile file(dir_->path());
        if (!before.isEmpty())
            WriteBytes(file.Path(), before);
        Settings settings;
        file.LoadSettings(settings);
        settings.Payout = 1;
        settings.ScaleCards = true;
        QCOMPARE(file.SaveSettings(settings), SaveResult::Saved);
        QCOMPARE(ReadBytes(file.Path()), after);
    }

    void firstSaveCreatesInstalledFolder()
    {
        SettingsFile file(GetSettingsFolder(true, Temp("bin/velpoker")));
        QCOMPARE(file.Path(), home_.filePath("config/velpoker/velPoker.ini"));
        QVERIFY(!QFileInfo::exists(home_.filePath("config")));
        Settings settings;
        file.LoadSettings(settings);
        QVERIFY(!QFileInfo::exists(home_.filePath("config")));
        file.SettingsChanged = true;
        QCOMPARE(file.SaveSettings(settings), SaveResult::Saved);
        QVERIFY(!file.SettingsChanged);
        QCOMPARE(ReadBytes(file.Path()), DefaultFileText);
        QVERIFY(QDir(home_.filePath("config")).removeRecursively());
    }

    void saveThenLoadGivesSameSettings()
    {
        const Settings saved{.Payout = 0, .CelebrateLevel = 10, .PanelColor = clBtnFace,
                             .WinColor = 0x7FFFFFFF, .HoldColor = 0, .ScaleCards = true};
        SettingsFile file(dir_->path());
        QCOMPARE(file.SaveSettings(saved), SaveResult::Saved);
        QVERIFY(ReadBytes(file.Path()).contains("\nPanelColor=-2147483633\n"));
        Settings loaded = UnusualSettings();
        file.LoadSettings(loaded);
        QCOMPARE(Fields(loaded), Fields(saved));
    }

    void garbageSurvivesSave_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 2u, 3u, 4u})
            QTest::addRow("seed %u", seed) << seed;
    }
    void garbageSurvivesSave()
    {
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);
        QByteArray garbage(4096, '\0');
        random.fillRange(reinterpret_cast<quint32*>(garbage.data()), garbage.size() / 4);
        SettingsFile file(dir_->path());
        WriteBytes(file.Path(), garbage);
        Settings settings = UnusualSettings();
        file.LoadSettings(settings);
        QCOMPARE(Fields(settings), Fields(UnusualSettings()));
        QCOMPARE(file.SaveSettings(settings), SaveResult::Saved);
        const QByteArray saved = ReadBytes(file.Path());
        QVERIFY(saved.startsWith(garbage));
        Settings reloaded;
        file.LoadSettings(reloaded);
        QCOMPARE(Fields(reloaded), Fields(settings));
    }

    void largeFileEditedInPlace()
    {
        QByteArray foreign = "[Other]\n" + QByteArray(1 << 20, 'x') + "\n";
        for (int line = 0; foreign.size() < 10 << 20; ++line)
            foreign += "Key" + QByteArray::number(line) + "=Value\n";
        const QByteArray main = "[Main]\nCelebrateLevel=6\nPayout=%\nPanelColor=15780518\n"
                                "WinColor=32768\nHoldColor=255\nScaleCards=0\n";
        SettingsFile file(dir_->path());
        WriteBytes(file.Path(), foreign + QByteArray(main).replace('%', '4'));
        Settings settings;
        file.LoadSettings(settings);
        QCOMPARE(settings.Payout, 4);
        settings.Payout = 1;
        QCOMPARE(file.SaveSettings(settings), SaveResult::Saved);
        QVERIFY(ReadBytes(file.Path()) == foreign + QByteArray(main).replace('%', '1'));
    }

    void portableInstall_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<bool>("portable");
        const QString program = "drive/Zezuv/velpoker";
        QTest::newRow("no marker") << program << QStringList{} << QStringList{} << false;
        QTest::newRow("marker above") << program << QStringList{"drive/RemovableDrive.sys"} << QStringList{} << true;
        QTest::newRow("marker beside") << program << QStringList{"drive/Zezuv/RemovableDrive.sys"} << QStringList{} << false;
        QTest::newRow("marker two above") << program << QStringList{"RemovableDrive.sys"} << QStringList{} << false;
        QTest::newRow("marker folder") << program << QStringList{} << QStringList{"drive/RemovableDrive.sys"} << false;
        QTest::newRow("program ini") << program << QStringList{"drive/Zezuv/velpoker.ini"} << QStringList{} << true;
        QTest::newRow("program ini folder") << program << QStringList{} << QStringList{"drive/Zezuv/velpoker.ini"} << false;
        QTest::newRow("extension replaced") << "drive/Zezuv/velPoker.exe" << QStringList{"drive/Zezuv/velPoker.ini"} << QStringList{} << true;
        QTest::newRow("extension kept") << "drive/Zezuv/velPoker.exe" << QStringList{"drive/Zezuv/velPoker.exe.ini"} << QStringList{} << false;
        QTest::newRow("poker, velPoker.ini") << "drive/Zezuv/poker" << QStringList{"drive/Zezuv/velPoker.ini"} << QStringList{} << false;
        QTest::newRow("poker, poker.ini") << "drive/Zezuv/poker" << QStringList{"drive/Zezuv/poker.ini"} << QStringList{} << true;
        QTest::newRow("dot in folder") << "drive/v1.2/velpoker" << QStringList{"drive/v1.ini"} << QStringList{} << false;
        QTest::newRow("dot in folder, ini") << "drive/v1.2/velpoker" << QStringList{"drive/v1.2/velpoker.ini"} << QStringList{} << true;
    }
    void portableInstall()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, files);
        QFETCH(QStringList, folders);
        QFETCH(bool, portable);
        WriteBytes(Temp(program), "program");
        for (const QString& name : files)
            WriteBytes(Temp(name), {});
        for (const QString& name : folders)
            QVERIFY(QDir().mkpath(Temp(name)));
        QCOMPARE(IsPortableInstall(Temp(program)), portable);
    }

    void settingsFolder_data()
    {
        QTest::addColumn<QByteArray>("configHome");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("path");
        QTest::newRow("installed") << QByteArray("/x/cfg") << true << "/p/velpoker" << "/x/cfg/velpoker"
                                   << "/x/cfg/velpoker/velPoker.ini";
        QTest::newRow("installed, final slash") << QByteArray("/x/cfg/") << true << "/p/velpoker"
                                                << "/x/cfg/velpoker" << "/x/cfg/velpoker/velPoker.ini";
        QTest::newRow("portable") << QByteArray("/x/cfg") << false << "/E/Zezuv/velPoker.exe" << "/E/Zezuv"
                                  << "/E/Zezuv/velPoker.ini";
        QTest::newRow("portable at root") << QByteArray("/x/cfg") << false << "/velpoker" << "/"
                                          << "/velPoker.ini";
    }
    void settingsFolder()
    {
        QFETCH(QByteArray, configHome);
        QFETCH(bool, installed);
        QFETCH(QString, program);
        QFETCH(QString, folder);
        QFETCH(QString, path);
        qputenv("XDG_CONFIG_HOME", configHome);
        const SettingsFile file(GetSettingsFolder(installed, program));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home_.filePath("config")));
        QCOMPARE(file.Folder(), folder);
        QCOMPARE(file.Path(), path);
    }

    void configFolderFallsBackToHome_data()
    {
        QTest::addColumn<QByteArray>("configHome");
        QTest::newRow("unset") << QByteArray();
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("relative") << QByteArray("relative/cfg");
    }
    void configFolderFallsBackToHome()
    {
        QFETCH(QByteArray, configHome);
        if (configHome.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", configHome);
        const QString folder = GetSpecialFolder();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home_.filePath("config")));
        QCOMPARE(folder, home_.filePath(".config"));
    }

    void readOnlyAttribute_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("foreignOwner");
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("0444") << 0444 << false << true;
        QTest::newRow("0644") << 0644 << false << false;
        QTest::newRow("0600") << 0600 << false << false;
        QTest::newRow("0466") << 0466 << false << true;
        QTest::newRow("foreign 0644") << 0644 << true << true;
        QTest::newRow("foreign 0646") << 0646 << true << false;
    }
    void readOnlyAttribute()
    {
        QFETCH(int, mode);
        QFETCH(bool, foreignOwner);
        QFETCH(bool, readOnly);
        SettingsFile file(dir_->path());
        WriteBytes(file.Path(), "[Main]\nPayout=4\n");
        const QByteArray path = QFile::encodeName(file.Path());
        if (foreignOwner && (geteuid() != 0 || chown(path.constData(), 65534, 65534) != 0))
            QSKIP("handing a file to another user needs the superuser");
        QCOMPARE(chmod(path.constData(), mode), 0);
        file.SettingsReadOnly = !readOnly;
        Settings settings;
        file.LoadSettings(settings);
        QCOMPARE(settings.Payout, 4);
        QCOMPARE(file.SettingsReadOnly, readOnly);
        // The save checks the file again, whatever the load decided.
        file.SettingsReadOnly = false;
        file.SettingsChanged = true;
        settings.Payout = 1;
        QCOMPARE(file.SaveSettings(settings), readOnly ? SaveResult::Skipped : SaveResult::Saved);
        QVERIFY(!file.SettingsChanged);
        QCOMPARE(ReadBytes(file.Path()).contains("Payout=1"), !readOnly);
    }

    void readOnlyFileSystem();

    void folderThatCannotBeMade()
    {
        WriteBytes(Temp("blocker"), "plain file");
        SettingsFile file(Temp("blocker/config/velpoker"));
        Settings settings;
        file.LoadSettings(settings);
        QVERIFY(!file.SettingsReadOnly);
        file.SettingsChanged = true;
        QCOMPARE(file.SaveSettings(settings), SaveResult::Skipped);
        QVERIFY(!file.SettingsChanged);
        QCOMPARE(ReadBytes(Temp("blocker")), QByteArray("plain file"));
    }

    void symbolicLinkWrittenThrough()
    {
        WriteBytes(Temp("store/real.ini"), "[Other]\nA=1\n[Main]\nPayout=4\n");
        QVERIFY(QDir().mkpath(Temp("settings")));
        QVERIFY(QFile::link("../store/real.ini", Temp("settings/velPoker.ini")));
        SettingsFile file(Temp("settings"));
        Settings settings;
        file.LoadSettings(settings);
        QCOMPARE(settings.Payout, 4);
        settings.Payout = 5;
        QCOMPARE(file.SaveSettings(settings), SaveResult::Saved);
        QVERIFY(QFileInfo(file.Path()).isSymLink());
        QCOMPARE(QFileInfo(file.Path()).symLinkTarget(), Temp("store/real.ini"));
        const QByteArray saved = ReadBytes(Temp("store/real.ini"));
        QVERIFY(saved.startsWith("[Other]\nA=1\n[Main]\nPayout=5\nCelebrateLevel=6\n"));
    }

    void linkIntoBlockedFolderFails()
    {
        WriteBytes(Temp("blocked"), "plain file");
        QVERIFY(QFile::link(Temp("blocked/velPoker.ini"), Temp("velPoker.ini")));
        SettingsFile file(dir_->path());
        Settings settings;
        file.LoadSettings(settings);
        file.SettingsChanged = true;
        QCOMPARE(file.SaveSettings(settings), SaveResult::Failed);
        QVERIFY(!file.SettingsChanged);
        QVERIFY(QFileInfo(file.Path()).isSymLink());
        QCOMPARE(ReadBytes(Temp("blocked")), QByteArray("plain file"));
    }

    void failedWriteKeepsOldFile();
};

void TestSettings::readOnlyFileSystem()
{
    const QString mountPoint = Temp("medium");
    QVERIFY(QDir().mkpath(mountPoint));
    if (!PrivateMounts
        || mount("tmpfs", QFile::encodeName(mountPoint).constData(), "tmpfs", 0, "size=1m") != 0)
        QSKIP("mounting a file system needs the superuser");
    const QByteArray original = "[Main]\nPayout=4\n";
    WriteBytes(mountPoint + "/velPoker.ini", original);
    const auto unmount = qScopeGuard([&] { umount2(QFile::encodeName(mountPoint).constData(), MNT_DETACH); });
    QCOMPARE(mount("tmpfs", QFile::encodeName(mountPoint).constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=1m"), 0);
    for (const QString& folder : {mountPoint, mountPoint + "/missing/velpoker"}) {
        SettingsFile file(folder);
        Settings settings;
        file.LoadSettings(settings);
        QVERIFY(file.SettingsReadOnly);
        QCOMPARE(settings.Payout, folder == mountPoint ? 4 : 2);
        settings.Payout = 1;
        QCOMPARE(file.SaveSettings(settings), SaveResult::Skipped);
    }
    QCOMPARE(ReadBytes(mountPoint + "/velPoker.ini"), original);
}

void TestSettings::failedWriteKeepsOldFile()
{
    // A file size limit below the file's size makes the write fail for any
    // user, the superuser included.
    const QByteArray original = "[Main]\nPayout=4\n[Other]\n" + QByteArray(64 * 1024, 'x') + "\n";
    SettingsFile file(dir_->path());
    WriteBytes(file.Path(), original);
    Settings settings;
    file.LoadSettings(settings);
    settings.Payout = 1;
    rlimit limit{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit lowered{4096, limit.rlim_max};
    const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &lowered), 0);
    const SaveResult result = file.SaveSettings(settings);
    setrlimit(RLIMIT_FSIZE, &limit);
    signal(SIGXFSZ, oldHandler);
    QCOMPARE(result, SaveResult::Failed);
    QVERIFY(ReadBytes(file.Path()) == original);
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"velPoker.ini"});
}

int main(int argc, char** argv)
{
    // The namespace can only be made while the process has a single thread.
    PrivateMounts = unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    QCoreApplication app(argc, argv);
    TestSettings test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_settings.moc"
