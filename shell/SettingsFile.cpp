#include "shell/SettingsFile.h"

#include "shell/IniFile.h"
#include "shell/SettingsLocation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace vel {

namespace {

constexpr QByteArrayView MainSection("Main");

// The key's number when the section lists the key; `fallback` stands in for a
// value that is not a whole number.
std::optional<int> ReadInteger(const IniFile& ini, QByteArrayView key, int fallback)
{
    const std::optional<QByteArray> value = ini.Value(MainSection, key);
    if (!value)
        return std::nullopt;
    return ParseProfileInteger(*value).value_or(fallback);
}

bool IsMemberOf(gid_t group)
{
    if (group == getegid())
        return true;
    std::vector<gid_t> groups(std::max(getgroups(0, nullptr), 0));
    groups.resize(std::max(getgroups(static_cast<int>(groups.size()), groups.data()), 0));
    return std::find(groups.begin(), groups.end(), group) != groups.end();
}

} // namespace

SettingsFile::SettingsFile(QString folder)
    : folder_(std::move(folder))
    , path_(JoinPath(folder_, QStringLiteral("velPoker.ini")))
{
}

void SettingsFile::LoadSettings(Settings& settings)
{
    SettingsReadOnly = IsOnReadOnlyFileSystem(path_);
    // Anything but a regular file is left alone, like a file that cannot be
    // read; the save skips it too.
    if (KindOf(path_) != FileKind::Regular)
        return;
    SettingsReadOnly = SettingsReadOnly || HasReadOnlyAttribute(path_);
    const std::optional<IniFile> ini = IniFile::Load(path_);
    if (!ini)
        return;

    const Settings defaults;
    if (const auto level = ReadInteger(*ini, "CelebrateLevel", defaults.CelebrateLevel))
        settings.CelebrateLevel = std::clamp(*level, 1, 10);
    if (const auto payout = ReadInteger(*ini, "Payout", defaults.Payout))
        settings.Payout = *payout >= 0 && *payout <= 5 ? *payout : defaults.Payout;
    if (const auto color = ReadInteger(*ini, "PanelColor", defaults.PanelColor))
        settings.PanelColor = *color;
    if (const auto color = ReadInteger(*ini, "WinColor", defaults.WinColor))
        settings.WinColor = *color;
    if (const auto color = ReadInteger(*ini, "HoldColor", defaults.HoldColor))
        settings.HoldColor = *color;
    if (const auto scale = ReadInteger(*ini, "ScaleCards", 0))
        settings.ScaleCards = *scale != 0;
    if (const auto warn = ReadInteger(*ini, "WarnCostlyDraw", 0))
        settings.WarnCostlyDraw = *warn != 0;
}

SettingsFile::SaveResult SettingsFile::SaveSettings(const Settings& settings)
{
    SettingsChanged = false;
    if (SettingsReadOnly)
        return SaveResult::Skipped;
    // A folder or a device in the file's place is never written, and the
    // player is told that the settings were not saved.
    const FileKind kind = KindOf(path_);
    if (kind == FileKind::Other)
        return SaveResult::Failed;
    const bool exists = kind == FileKind::Regular;
    if (!exists && !QDir().mkpath(folder_))
        return SaveResult::Skipped;
    if (exists && HasReadOnlyAttribute(path_))
        return SaveResult::Skipped;
    // A file that exists but cannot be read is not replaced: its other
    // sections would be lost.
    std::optional<IniFile> ini = exists ? IniFile::Load(path_) : IniFile();
    if (!ini)
        return SaveResult::Failed;

    const std::pair<QByteArrayView, int> entries[] = {
        {"CelebrateLevel", settings.CelebrateLevel},
        {"Payout", settings.Payout},
        {"PanelColor", settings.PanelColor},
        {"WinColor", settings.WinColor},
        {"HoldColor", settings.HoldColor},
        {"ScaleCards", settings.ScaleCards ? 1 : 0},
    };
    for (const auto& [key, number] : entries)
        ini->SetValue(MainSection, key, QByteArray::number(number));
    // The advisor's key joins the file only once the player has used it.
    if (settings.WarnCostlyDraw || ini->Value(MainSection, "WarnCostlyDraw"))
        ini->SetValue(MainSection, "WarnCostlyDraw", settings.WarnCostlyDraw ? "1" : "0");
    return ini->Save(path_) ? SaveResult::Saved : SaveResult::Failed;
}

bool IsOnReadOnlyFileSystem(const QString& path)
{
    // The nearest part of the path that exists tells the file system.
    QString existing = path;
    for (;;) {
        struct statvfs info {};
        if (statvfs(QFile::encodeName(existing).constData(), &info) == 0)
            return (info.f_flag & ST_RDONLY) != 0;
        const QString parent = QFileInfo(existing).path();
        if (parent == existing)
            return false;
        existing = parent;
    }
}

bool HasReadOnlyAttribute(const QString& path)
{
    struct stat status {};
    if (stat(QFile::encodeName(path).constData(), &status) != 0)
        return false;
    if (status.st_uid == geteuid())
        return (status.st_mode & S_IWUSR) == 0;
    if (IsMemberOf(status.st_gid))
        return (status.st_mode & S_IWGRP) == 0;
    return (status.st_mode & S_IWOTH) == 0;
}

} // namespace vel
