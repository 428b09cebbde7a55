#pragma once

#include <QString>

namespace vel {

// Portable mode keeps the settings beside the program: chosen when a file
// "RemovableDrive.sys" stands in the folder above the program's folder, or a
// file named after the program with the extension ".ini" stands beside it.
bool IsPortableInstall(const QString& programPath);

// The per-user configuration folder, empty when unknown.
QString GetSpecialFolder();

// Installed: the configuration folder followed by "/velpoker"; portable: the
// program's folder. Neither ends with a separator, except the root "/".
QString GetSettingsFolder(bool installed, const QString& programPath);

// `folder` and `name` joined by exactly one "/".
QString JoinPath(const QString& folder, const QString& name);

} // namespace vel
