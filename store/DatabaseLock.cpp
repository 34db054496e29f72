#include "store/DatabaseLock.h"

#include <QDir>

namespace store {

DatabaseLock::DatabaseLock(const QString& folder)
    : m_folder(QDir(folder).absolutePath()), m_lock(QDir(folder).filePath(QLatin1String(kFileName)))
{
    // Never stale by age: a Tellum left open for days still holds its lock.
    // Only a lock whose process is gone is taken over.
    m_lock.setStaleLockTime(0);
}

bool DatabaseLock::tryLock()
{
    if (m_lock.tryLock(0))
        return true;
    return m_lock.error() != QLockFile::LockFailedError;
}

}  // namespace store
