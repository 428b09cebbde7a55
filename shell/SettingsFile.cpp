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
constexpr QByteArrayView PayTablesSection("PayTables");

QByteArray TableKey(const QString& name)
{
    return name.toUtf8().toPercentEncoding(" ");
}

QByteArray TableValue(const PayTable& pays)
{
    QByteArrayList numbers;
    for (int pay : pays.Pays())
        numbers << QByteArray::number(pay);
    return numbers.join(',');
}

// None for an entry that is no kept table: no name, or not ten pays that a
// pay table can have.
std::optional<KeptPayTable> ReadKeptTable(const IniFile::Entry& entry)
{
    const QString name = QString::fromUtf8(QByteArray::fromPercentEncoding(entry.key)).trimmed();
    const QList<QByteArray> numbers = entry.value.split(',');
    if (name.isEmpty() || numbers.size() != PayLineCount)
        return std::nullopt;
    PayList pays{};
    for (std::size_t line = 0; line < pays.size(); ++line) {
        const std::optional<std::int32_t> pay = ParseProfileInteger(numbers[static_cast<qsizetype>(line)].trimmed());
        if (!pay)
            return std::nullopt;
        pays[line] = *pay;
    }
    const std::optional<PayTable> table = PayTable::FromPays(pays);
    if (!table)
        return std::nullopt;
    return KeptPayTable{name, *table};
}

bool Lists(const std::vector<KeptPayTable>& tables, const QString& name)
{
    return std::any_of(tables.begin(), tables.end(),
                       [&name](const KeptPayTable& table) { return SameTableName(table.name, name); });
}

// A damaged entry is passed over; of a name listed twice the first counts.
std::vector<KeptPayTable> ReadPayTables(const IniFile& ini)
{
    std::vector<KeptPayTable> tables;
    for (const IniFile::Entry& entry : ini.Entries(PayTablesSection)) {
        std::optional<KeptPayTable> table = ReadKeptTable(entry);
        if (table && !Lists(tables, table->name))
            tables.push_back(std::move(*table));
    }
    return tables;
}

// The tables the player deleted go, and so does a table whose name was
// written in another way; a line that is no kept table stays.
void WritePayTables(IniFile& ini, const std::vector<KeptPayTable>& tables)
{
    const auto written = [&tables](QByteArrayView key) {
        return std::any_of(tables.begin(), tables.end(), [key](const KeptPayTable& table) {
            return TableKey(table.name).compare(key, Qt::CaseInsensitive) == 0;
        });
    };
    for (const IniFile::Entry& entry : ini.Entries(PayTablesSection)) {
        if (ReadKeptTable(entry) && !written(entry.key))
            ini.RemoveKey(PayTablesSection, entry.key);
    }
    for (const KeptPayTable& table : tables)
        ini.SetValue(PayTablesSection, TableKey(table.name), TableValue(table.pays));
}

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

bool SameTableName(const QString& a, const QString& b)
{
    return TableKey(a.trimmed()).compare(TableKey(b.trimmed()), Qt::CaseInsensitive) == 0;
}

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
    settings.PayTables = ReadPayTables(*ini);
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
    WritePayTables(*ini, settings.PayTables);
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
