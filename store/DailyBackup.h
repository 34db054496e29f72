#ifndef STORE_DAILYBACKUP_H
#define STORE_DAILYBACKUP_H

// The daily copies of the project database: the folder "backups" beside
// basin.mdb holds basin-YYYY-MM-DD.mdb, at most one a day, the newest kKept.
// A copy is a whole SQLite database (ProjectDatabase::backUpDaily writes it
// with VACUUM INTO); to bring one back, close Tellum and copy it over
// basin.mdb.

#include <QDate>
#include <QString>
#include <QStringList>

namespace store {

class DailyBackup {
public:
    static constexpr int kKept = 10;

    explicit DailyBackup(const QString& databaseFile);

    QString folder() const { return m_folder; }
    QString fileFor(const QDate& day) const;
    // The copies in the folder, oldest first.
    QStringList copies() const;
    // Removes the oldest copies beyond kKept.
    void prune() const;

private:
    QString m_folder;
};

}  // namespace store

#endif  // STORE_DAILYBACKUP_H
