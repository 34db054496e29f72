#ifndef TESTS_STORE_STORETESTSUPPORT_H
#define TESTS_STORE_STORETESTSUPPORT_H

// Shared by the store tests, the window tests and the benchmarks: a temporary
// program folder whose project database is either an empty basin.mdb or a
// basin.pgconnect naming a schema of its own on the test server, a second
// connection for looking at the database as any client sees it, and a
// complete basin design as typed on screen.
//
// The test server is a throwaway PostgreSQL cluster (tools/test-server) whose
// connection string, keyword=value pairs without quotes, is given in the
// environment variable TELLUM_TEST_SERVER. Without it the server tests skip.

#include "engine/basin_design.h"

#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>

#include <vector>

namespace storetest {

enum class Engine { File, Server };

const char* engineName(Engine engine);  // "File", "Server"

// The test server's connection string; empty when none is given.
QString testServer();
// Why a server test does not run, for the skip message.
inline constexpr const char* kNoServer =
    "no test server: start one with tools/test-server and set TELLUM_TEST_SERVER";

// A temporary program folder. For the file: basin.mdb in it is an empty file
// (a valid, empty database). For the server: basin.pgconnect names the test
// server with a schema of this folder's own, which goes with the folder.
class ProgramFolder {
public:
    explicit ProgramFolder(Engine engine = Engine::File);
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    Engine engine() const { return m_engine; }
    QString path() const { return m_dir.path(); }
    QString databasePath() const;
    QString filePath(const QString& name) const;
    // The server: the schema, and the connection string that uses it (also
    // the application name the server shows for its connections).
    const QString& schema() const { return m_schema; }
    QString connectionString() const;

    // Writes text as the folder's basin.pgconnect.
    void writeConnectionFile(const QString& text) const;

private:
    Engine m_engine;
    QTemporaryDir m_dir;
    QString m_schema;
};

// A connection of its own to a database, for checking what was written: a
// file, or the schema of a program folder on the test server (then also the
// server's administrator, for roles and connections).
class RawConnection {
public:
    explicit RawConnection(const QString& filePath);
    explicit RawConnection(const ProgramFolder& folder);
    ~RawConnection();
    RawConnection(const RawConnection&) = delete;
    RawConnection& operator=(const RawConnection&) = delete;

    // The rows of a query, each as its values.
    std::vector<std::vector<QVariant>> rows(const QString& sql);
    QVariant scalar(const QString& sql);

private:
    void open();

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
