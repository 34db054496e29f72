#include "store/FileLocations.h"

#include "store/ProjectDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <utility>

namespace store {

Q_LOGGING_CATEGORY(filesLog, "tellum.files", QtWarningMsg)

FileLocations::FileLocations(QString dataFolder, QString shareFolder, bool portable)
    : m_dataFolder(std::move(dataFolder)), m_shareFolder(std::move(shareFolder)), m_portable(portable)
{
}

FileLocations FileLocations::portable(const QString& folder)
{
    const QString absolute = QDir(folder).absolutePath();
    return FileLocations(absolute, absolute, true);
}

FileLocations FileLocations::installed(const QString& dataFolder, const QString& shareFolder)
{
    return FileLocations(QDir(dataFolder).absolutePath(), QDir(shareFolder).absolutePath(), false);
}

FileLocations FileLocations::forExecutable(const QString& executableFolder, const QString& userDataFolder)
{
    const QDir executable(executableFolder);
    const QFileInfo database(executable.filePath(QLatin1String(ProjectDatabase::kFileName)));
    const QFileInfo folder(executable.absolutePath());
    if (database.isFile() && folder.isWritable())
        return portable(executable.absolutePath());

    // PREFIX/bin/tellum reads PREFIX/share/tellum; a copy without that folder
    // (a build tree) reads the files beside the executable.
    const QString share = QDir::cleanPath(executable.absoluteFilePath(QStringLiteral(TELLUM_SHARE_FROM_BIN)));
    const QString shareFolder = QFileInfo(share).isDir() ? share : executable.absolutePath();
    return installed(userDataFolder, shareFolder);
}

QString FileLocations::standardDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString FileLocations::databasePath() const { return QDir(m_dataFolder).filePath(QLatin1String(ProjectDatabase::kFileName)); }

QString FileLocations::docsFolder() const { return QDir(m_shareFolder).filePath(QStringLiteral("docs")); }

QString FileLocations::helpFolder() const { return QDir(m_shareFolder).filePath(QStringLiteral("Help")); }

bool FileLocations::prepareDataFolder() const
{
    const QString path = databasePath();
    // exists() follows links: a link, even a dangling one, is left alone too.
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
        return QFileInfo::exists(path);
    if (!QDir().mkpath(m_dataFolder))
        return false;
    // NewOnly: created only if nothing of that name appeared in the meantime.
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        file.close();
        qCInfo(filesLog, "created %s", qUtf8Printable(QDir::toNativeSeparators(path)));
    }
    return QFileInfo::exists(path);
}

}  // namespace store
