#include "shell/SettingsLocation.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace vel {

namespace {

// The folder part of an absolute path, without a final separator unless it
// is the root; the root is its own folder.
QString FolderOf(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash <= 0 ? QStringLiteral("/") : path.left(slash);
}

// The program path with its extension replaced by ".ini", or ".ini" appended
// when the file name has none.
QString ProgramNamedIni(const QString& programPath)
{
    const qsizetype nameStart = programPath.lastIndexOf(u'/') + 1;
    const qsizetype dot = programPath.lastIndexOf(u'.');
    const QString stem = dot > nameStart ? programPath.left(dot) : programPath;
    return stem + QStringLiteral(".ini");
}

} // namespace

QString JoinPath(const QString& folder, const QString& name)
{
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

bool IsPortableInstall(const QString& programPath)
{
    const QString program = QFileInfo(programPath).absoluteFilePath();
    const QString parent = FolderOf(FolderOf(program));
    return QFileInfo(JoinPath(parent, QStringLiteral("RemovableDrive.sys"))).isFile()
        || QFileInfo(ProgramNamedIni(program)).isFile();
}

QString GetSpecialFolder()
{
    // A relative XDG_CONFIG_HOME is invalid and stands for the default.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty() || QDir::isAbsolutePath(folder))
        return folder;
    return JoinPath(QDir::homePath(), QStringLiteral(".config"));
}

QString GetSettingsFolder(bool installed, const QString& programPath)
{
    if (installed)
        return JoinPath(GetSpecialFolder(), QStringLiteral("velpoker"));
    return FolderOf(QFileInfo(programPath).absoluteFilePath());
}

} // namespace vel
