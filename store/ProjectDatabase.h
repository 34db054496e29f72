#ifndef STORE_PROJECTDATABASE_H
#define STORE_PROJECTDATABASE_H

// The project database: its project tables and the basin records in them.
// Every database operation of the program goes through this class; no window
// builds SQL. Two engines stand behind it (store/Backend.h):
//   - the local file basin.mdb (SQLite), the default. The file must exist: it
//     is never created, and a missing or unreadable file is a failure naming
//     it. An existing empty file is a valid empty database.
//   - the office database, a PostgreSQL server shared by the designers of an
//     office, used when a connection file basin.pgconnect stands where
//     basin.mdb would be. A server that cannot be reached is a failure naming
//     it; nothing is then written anywhere else.
//
// A project table holds the 41 columns of engine::basinColumns() in order,
// declared TEXT, DATE, SINGLE or DOUBLE in the file (without key, index or
// defaults), text, date, real or double precision on the server, where a
// hidden key and a version follow them.
// Records are reached by their position in table order, 0 to recordCount() - 1.
// The positions stand for the records read by the last openTable(), refresh()
// or columnTexts(); appending and deleting through this class keep them
// current. A RecordId names a record across such re-readings. Use one
// ProjectDatabase for the program so that all changes pass through it.
//
// Another designer's work is never overwritten unseen: updating or deleting a
// record that was read through this class (record(), or written by it) acts
// only while the record is still as it was read - on the server by its
// version, in the file by its content - and otherwise fails with
// kChangedByAnother or kDeletedByAnother, writing nothing.
//
// Values go in and come out as text (engine::BasinDesign), null as an empty
// optional:
//   store  Text as given; Single: numeric text, kept as the value rounded to a
//          32-bit float; Double: numeric text as a 64-bit float; Date: a date
//          typed as MM/DD/YYYY (one or two digits of month and day), kept as
//          YYYY-MM-DD. Empty or non-date Date text fails with 524, other text
//          that does not convert with kNumberConversion (store/Failure.h).
//   load   Text as stored; Single with at most 7 significant digits
//          (engine::singleText); Double with 15 (engine::doubleText); Date as
//          M/D/YYYY (engine::usDateText). A caller that shows a null column
//          uses engine::nullLoadText.
// A failed store, update or delete writes nothing.

#include "engine/basin_design.h"
#include "store/Failure.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <QDate>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QSqlError;

namespace store {

namespace detail {
class Backend;
}

// A record of the open table, whatever its position after a re-reading.
struct RecordId {
    qint64 key = 0;
    friend bool operator==(const RecordId&, const RecordId&) = default;
};

// Tables whose name contains "MSys" (case-sensitive) are system tables and are
// never offered to the designer.
bool isSystemTableName(const QString& name);

// The values a design is written as, column by column (a Single as its 32-bit
// value, a date as the day it names); a text its column cannot take stays as
// that text. Two designs with equal stored forms write the same record, so
// this is what tells whether the basin on screen differs from the stored one.
QVariantList storedForm(const engine::BasinDesign& design);

class ProjectDatabase {
public:
    static constexpr const char* kFileName = "basin.mdb";
    static constexpr const char* kConnectionFileName = "basin.pgconnect";

    // folderOrFile: the program folder, or the path of a database file or of a
    // connection file (a name ending in .pgconnect). In a folder, basin.pgconnect
    // is used when it is there, otherwise basin.mdb. Nothing is opened yet.
    explicit ProjectDatabase(const QString& folderOrFile);
    ~ProjectDatabase();
    ProjectDatabase(const ProjectDatabase&) = delete;
    ProjectDatabase& operator=(const ProjectDatabase&) = delete;

    // The path of basin.mdb (the local file), or of the connection file.
    const QString& filePath() const { return m_filePath; }
    // The office database (true) or the local file.
    bool isServer() const;
    // Where the tables live: "office database basins on db1", or the file's path.
    QString location() const;

    // Opens the file, or connects to the server. The table operations below
    // open it themselves when it is not open yet, so a file that appears later
    // is found then; a connection the server dropped is opened afresh.
    Status open();
    void close();
    bool isOpen() const { return m_db.isOpen(); }

    // Run before every change written to the database (a table created or
    // dropped, a record stored, updated or deleted), before the change itself.
    void setBeforeWrite(std::function<void()> hook) { m_beforeWrite = std::move(hook); }

    // Today's copy of the database, made by SQLite itself (VACUUM INTO) into
    // DailyBackup's folder when there is none for the day yet; the oldest
    // copies beyond DailyBackup::kKept are removed. Gives the copy's path, or
    // the empty text when today's copy was already there. The office database
    // gets no copy: its server's administrator backs it up.
    Result<QString> backUpDaily(const QDate& today);

    // --- Tables ---

    // Every table name in the engine's order (creation order). SQLite's own
    // sqlite_ tables are not listed; system tables ("MSys") are: the caller
    // filters them with isSystemTableName().
    Result<QStringList> tableNames();
    // Whether a table of exactly this name exists (case-sensitive): the
    // duplicate check before creating. A name differing only in letter case is
    // not a duplicate here; createTable() then gives SQLite's refusal.
    Result<bool> tableExists(const QString& name);
    // Creates a project table with the 41 columns. The name is taken as typed
    // (no trimming); the empty name is refused.
    Status createTable(const QString& name);
    // Drops the table with its records. If it is the open table, that is closed.
    Status dropTable(const QString& name);

    // --- The open table ---

    // Opens a project table for the record operations and reads the positions
    // of its records.
    Status openTable(const QString& name);
    void closeTable();
    bool hasOpenTable() const { return m_tableName.has_value(); }
    QString tableName() const { return m_tableName.value_or(QString()); }

    int recordCount() const { return int(m_rows.size()); }

    // The record at a position, and the position of a record (nothing when
    // the last re-reading did not find it).
    RecordId recordId(int position) const;
    std::optional<int> positionOf(RecordId id) const;

    // Re-reads the records' positions from the table.
    Status refresh();

    // The text of one column for every record, in record order (the record
    // list). Reads the positions afresh, so entry i is the record at position i.
    Result<std::vector<std::optional<std::string>>> columnTexts(int column);

    // All 41 values of the record at a position.
    Result<engine::BasinDesign> record(int position);

    // All records in record order (the report). Moves nothing: the positions
    // used by update and delete stay as they are.
    Result<std::vector<engine::BasinDesign>> allRecords();

    // Appends a record; gives its position (the last).
    Result<int> appendRecord(const engine::BasinDesign& design);
    // Rewrites all 41 columns of the record at a position.
    Status updateRecord(int position, const engine::BasinDesign& design);
    // Deletes the record at a position; the records after it move up by one.
    Status deleteRecord(int position);

    // --- Publishing ---

    // Creates the table 'name' here and copies into it every record of the
    // project table of that name in source, values exactly as stored, in
    // record order; all or nothing. Gives the number of records copied. An
    // existing table here is never touched: the create fails.
    Result<int> copyTableFrom(ProjectDatabase& source, const QString& name);

private:
    // A record as read: its key, and its stamp when its values were read or
    // written through this class (null otherwise).
    struct Row {
        qint64 key = 0;
        QVariant stamp;
    };

    Status checkRecordAccess(int position) const;
    Status checkProjectTable(const QString& name);
    // The empty name, NUL, or a name the engine would not keep as typed.
    Status checkNewTableName(const QString& name) const;
    QString createStatement(const QString& name) const;
    Failure engineFailure(const QSqlError& error);
    void disconnect();
    // Takes the keys read afresh, keeping the stamps of the records still there.
    void takeKeys(std::vector<qint64> keys);
    // Runs one writing statement in its own transaction and gives the row it
    // returns, or nothing when it touched no row.
    Result<std::optional<QVariantList>> writeInTransaction(const QString& sql, const QVariantList& values);
    // Why an update or delete of the record at a position touched no row.
    Failure conflict(int position);

    void beforeWrite() const
    {
        if (m_beforeWrite)
            m_beforeWrite();
    }

    QString m_filePath;
    QString m_connectionName;
    std::function<void()> m_beforeWrite;
    std::unique_ptr<detail::Backend> m_backend;
    QSqlDatabase m_db;
    bool m_connectionLost = false;
    std::optional<QString> m_tableName;
    QString m_quotedTable;
    std::vector<Row> m_rows;
};

}  // namespace store

#endif  // STORE_PROJECTDATABASE_H
