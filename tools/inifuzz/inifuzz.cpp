#include "shell/IniFile.h"
#include "shell/SettingsFile.h"

#include <QByteArrayView>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

constexpr QByteArrayView Main("Main");
constexpr std::array<QByteArrayView, 7> Keys{"CelebrateLevel", "Payout",     "PanelColor",    "WinColor",
                                             "HoldColor",      "ScaleCards", "WarnCostlyDraw"};
constexpr std::array<QByteArrayView, 4> Marks{"", "\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"};

// The line of the failed check goes with the crash report.
void Check(bool condition, int line = __builtin_LINE())
{
    if (condition)
        return;
    std::fprintf(stderr, "check failed at line %d\n", line);
    std::abort();
}

// Whether `whole` is `part` with bytes inserted.
bool Contains(const QByteArray& whole, const QByteArray& part)
{
    qsizetype matched = 0;
    for (char c : whole)
        if (matched < part.size() && part[matched] == c)
            ++matched;
    return matched == part.size();
}

QByteArray NumberFor(std::size_t key)
{
    return QByteArray::number(-2147483647 + 99991 * static_cast<int>(key));
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    Check(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    Check(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

bool SameSettings(const vel::Settings& a, const vel::Settings& b)
{
    return a.Payout == b.Payout && a.CelebrateLevel == b.CelebrateLevel && a.PanelColor == b.PanelColor
           && a.WinColor == b.WinColor && a.HoldColor == b.HoldColor && a.ScaleCards == b.ScaleCards
           && a.WarnCostlyDraw == b.WarnCostlyDraw;
}

// Edits in memory: every key can be set and read back, and with the old values
// back the only change left is the keys that were added.
void EditInMemory(const QByteArray& original)
{
    vel::IniFile ini(original);
    Check(ini.FileBytes() == original);
    std::array<std::optional<QByteArray>, Keys.size()> before;
    for (std::size_t i = 0; i < Keys.size(); ++i) {
        before[i] = ini.Value(Main, Keys[i]);
        if (before[i])
            vel::ParseProfileInteger(*before[i]);
    }
    for (std::size_t i = 0; i < Keys.size(); ++i)
        ini.SetValue(Main, Keys[i], NumberFor(i));
    for (std::size_t i = 0; i < Keys.size(); ++i)
        Check(ini.Value(Main, Keys[i]) == NumberFor(i));
    Check(vel::IniFile(ini.FileBytes()).Encoding() == vel::IniFile(original).Encoding());

    for (std::size_t i = 0; i < Keys.size(); ++i)
        if (before[i])
            ini.SetValue(Main, Keys[i], *before[i]);
    Check(Contains(ini.FileBytes(), original));
    if (std::all_of(before.begin(), before.end(), [](const auto& value) { return value.has_value(); }))
        Check(ini.FileBytes() == original);
}

// Load, save and load again through the settings file: values in range, the
// saved values read back, foreign bytes and the encoding kept, the advisor's
// key only where it was or is used, and a read-only file never written.
void RoundTripOnDisk(const QString& folder, const QByteArray& original, bool readOnly, bool warn)
{
    vel::SettingsFile file(folder);
    QFile::remove(file.Path());
    WriteBytes(file.Path(), original);
    if (readOnly)
        QFile::setPermissions(file.Path(), QFileDevice::ReadOwner);
    vel::Settings settings;
    file.LoadSettings(settings);
    Check(settings.CelebrateLevel >= 1 && settings.CelebrateLevel <= 10);
    Check(settings.Payout >= 0 && settings.Payout <= 5);
    Check(file.SettingsReadOnly == readOnly);

    settings.WarnCostlyDraw = warn;
    file.SettingsChanged = true;
    const vel::SettingsFile::SaveResult result = file.SaveSettings(settings);
    Check(!file.SettingsChanged);
    const QByteArray saved = ReadBytes(file.Path());
    if (readOnly) {
        Check(result == vel::SettingsFile::SaveResult::Skipped && saved == original);
        return;
    }
    Check(result == vel::SettingsFile::SaveResult::Saved);
    const vel::IniFile before(original);
    vel::IniFile restored(saved);
    Check(restored.Encoding() == before.Encoding());
    const bool listedBefore = before.Value(Main, "WarnCostlyDraw").has_value();
    Check(restored.Value(Main, "WarnCostlyDraw").has_value() == (warn || listedBefore));
    // With the old values back, the only change left is the keys the save added.
    for (const QByteArrayView key : Keys)
        if (const auto value = before.Value(Main, key))
            restored.SetValue(Main, key, *value);
    Check(Contains(restored.FileBytes(), original));

    vel::Settings reloaded;
    file.LoadSettings(reloaded);
    Check(SameSettings(reloaded, settings));
}

} // namespace

// The first byte picks a byte-order mark for the rest and whether the file is
// read-only and the advisor's warning used.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // In memory where it can be: each save ends with a flush to the disk.
    static QTemporaryDir folder(QFile::exists("/dev/shm") ? "/dev/shm/inifuzz-XXXXXX" : QString());
    if (size == 0)
        return 0;
    const std::uint8_t options = data[0];
    QByteArray original(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    original.prepend(Marks[options % Marks.size()]);
    EditInMemory(original);
    RoundTripOnDisk(folder.path(), original, (options & 0x10) != 0, (options & 0x20) != 0);
    return 0;
}
