#ifndef STORE_FILELOCATIONS_H
#define STORE_FILELOCATIONS_H

// Where the program's files live.
//
// Two folders matter: the data folder, which holds what the designer makes
// (basin.mdb, report.txt, backups/ and the files kept beside basin.mdb), and
// the share folder, which holds what comes with the program and is only read
// (docs/ with the manual's pages, Help/ with the user guide).
//
// A portable copy is a folder holding the executable and a basin.mdb that the
// user may write: both folders are that folder, as they always were.
// Any other copy is installed: the data folder is the user's own application
// data folder (~/.local/share/Tellum on Linux), and the share folder is
// share/tellum beside the executable's bin folder (PREFIX/bin/tellum reads
// PREFIX/share/tellum), or the executable's folder when there is none.

#include <QLoggingCategory>
#include <QString>

namespace store {

// The category in which the program notes each data file it opens (basin.mdb,
// a manual page, a guide page). Off unless enabled, for example with
// QT_LOGGING_RULES="tellum.files.info=true".
Q_DECLARE_LOGGING_CATEGORY(filesLog)

class FileLocations {
public:
    // One folder for everything: a portable copy, or a test's own folder.
    static FileLocations portable(const QString& folder);
    // An installed copy with its two folders.
    static FileLocations installed(const QString& dataFolder, const QString& shareFolder);
    // The locations of a program whose executable is in executableFolder;
    // userDataFolder is where an installed copy keeps the designer's files.
    static FileLocations forExecutable(const QString& executableFolder, const QString& userDataFolder);
    // The user's application data folder (QStandardPaths::AppDataLocation,
    // named after the application name).
    static QString standardDataFolder();

    bool isPortable() const { return m_portable; }
    const QString& dataFolder() const { return m_dataFolder; }
    const QString& shareFolder() const { return m_shareFolder; }
    QString databasePath() const;
    QString docsFolder() const;
    QString helpFolder() const;

    // Makes sure the project database exists: creates the data folder and an
    // empty basin.mdb (a valid, empty project database) when there is none.
    // An existing file is never touched, not even opened for writing. False
    // when the file is not there afterwards; opening the database then
    // reports why.
    bool prepareDataFolder() const;

private:
    FileLocations(QString dataFolder, QString shareFolder, bool portable);

    QString m_dataFolder;
    QString m_shareFolder;
    bool m_portable = true;
};

}  // namespace store

#endif  // STORE_FILELOCATIONS_H
