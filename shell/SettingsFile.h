#pragma once

#include "engine/Evaluator.h"
#include "engine/PaySchedule.h"
#include "views/Colors.h"

#include <QString>

#include <vector>

namespace vel {

// A pay table the player keeps under a name of their own.
struct KeptPayTable {
    QString name; // trimmed, never empty
    PayTable pays;
};

// Whether two names name the same kept table. A name is kept as its UTF-8
// bytes with every byte but letters, digits, blanks and "-._~" written as
// %XX, and matched as INI keys are, without regard to ASCII case.
bool SameTableName(const QString& a, const QString& b);

// The player's choices that survive from one run to the next.
struct Settings {
    int Payout = DefaultPaySchedule;
    int CelebrateLevel = FullHouse; // the lowest hand category celebrated
    TColor PanelColor = clSkyBlue;
    TColor WinColor = clGreen;
    TColor HoldColor = clRed;
    bool ScaleCards = false;
    bool WarnCostlyDraw = false;
    std::vector<KeptPayTable> PayTables{}; // in the order they were first kept
};

// The settings file "velPoker.ini" in one folder: section "Main", and the
// advisor's kept pay tables in "PayTables", one a line as name=ten pays.
class SettingsFile {
public:
    explicit SettingsFile(QString folder);

    const QString& Folder() const { return folder_; }
    const QString& Path() const { return path_; }

    // Overwrites the fields whose keys the file lists, within their ranges,
    // and decides whether the file may be written. Only a regular file is
    // read, behind any symbolic links.
    void LoadSettings(Settings& settings);

    enum class SaveResult { Saved, Skipped, Failed };
    // Skipped when the file must not be written or its folder cannot be
    // made; Failed when the path names anything but a regular file, which is
    // left alone, or when writing was tried and the old file still stands.
    SaveResult SaveSettings(const Settings& settings);

    // Something may differ from the file; a save clears it, even a failed one.
    bool SettingsChanged = false;
    // Set by a load from a read-only file or file system: saves are skipped.
    bool SettingsReadOnly = false;

private:
    QString folder_;
    QString path_;
};

// Whether the file system that holds `path`, or would hold it, is mounted
// read-only.
bool IsOnReadOnlyFileSystem(const QString& path);

// Whether the write permission bit that applies to the current user is clear.
// Judged from the bits alone, so a file marked read-only counts as read-only
// for the superuser too.
bool HasReadOnlyAttribute(const QString& path);

} // namespace vel
