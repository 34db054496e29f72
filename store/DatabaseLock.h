#ifndef STORE_DATABASELOCK_H
#define STORE_DATABASELOCK_H

// One Tellum per project database: a lock file beside basin.mdb, held for as
// long as the program runs. A second Tellum started on the same folder finds
// it taken and must end without touching the database. A lock left behind by
// a Tellum that crashed or was killed is taken over: QLockFile sees that the
// process that wrote it is gone.

#include <QLockFile>
#include <QString>

namespace store {

class DatabaseLock {
public:
    static constexpr const char* kFileName = "basin.mdb.lock";

    explicit DatabaseLock(const QString& folder);
    DatabaseLock(const DatabaseLock&) = delete;
    DatabaseLock& operator=(const DatabaseLock&) = delete;

    // Takes the lock. False only when another running Tellum holds it; a
    // folder where no lock file can be written does not stop the program (the
    // database there cannot be written either, and says so itself).
    bool tryLock();
    bool isLocked() const { return m_lock.isLocked(); }
    const QString& folder() const { return m_folder; }

private:
    QString m_folder;
    QLockFile m_lock;
};

}  // namespace store

#endif  // STORE_DATABASELOCK_H
