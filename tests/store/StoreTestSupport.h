#ifndef TESTS_STORE_STORETESTSUPPORT_H
#define TESTS_STORE_STORETESTSUPPORT_H

// Shared by the store tests and the benchmark: a temporary program folder
// holding an empty basin.mdb, a second connection for looking at the file as
// SQLite sees it, and a complete basin design as typed on screen.

#include "engine/basin_design.h"

#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>

#include <vector>

namespace storetest {

// A temporary program folder; basin.mdb in it is an empty file (a valid,
// empty database).
class ProgramFolder {
public:
    ProgramFolder();
    QString path() const { return m_dir.path(); }
    QString databasePath() const;
    QString filePath(const QString& name) const;

private:
    QTemporaryDir m_dir;
};

// A connection of its own to a database file, for checking what was written.
class RawConnection {
public:
    explicit RawConnection(const QString& filePath);
    ~RawConnection();
    RawConnection(const RawConnection&) = delete;
    RawConnection& operator=(const RawConnection&) = delete;

    // The rows of a query, each as its values.
    std::vector<std::vector<QVariant>> rows(const QString& sql);
    QVariant scalar(const QString& sql);

private:
    QString m_name;
    QSqlDatabase m_db;
};

// One column of a design: what is typed, and the text it loads back as.
struct ColumnCase {
    int column;
    const char* typed;
    const char* loaded;
};

// All 41 columns of one complete basin, in column order.
const std::vector<ColumnCase>& completeBasin();

// completeBasin() as typed, and as it loads back.
engine::BasinDesign typedBasin();
engine::BasinDesign loadedBasin();

}  // namespace storetest

#endif  // TESTS_STORE_STORETESTSUPPORT_H
