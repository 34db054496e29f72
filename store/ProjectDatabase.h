#ifndef STORE_PROJECTDATABASE_H
#define STORE_PROJECTDATABASE_H

// The project database basin.mdb: its project tables and the basin records in
// them. Every database operation of the program goes through this class; no
// window builds SQL. SQLite (through Qt SQL) is the engine.
//
// The file must exist: it is never created, and a missing or unreadable file
// is a failure naming it. An existing empty file is a valid empty database.
//
// A project table holds the 41 columns of engine::basinColumns() in order,
// declared TEXT, DATE, SINGLE or DOUBLE, without key, index or defaults.
// Records are reached by their position in table order, 0 to recordCount() - 1.
// The positions stand for the records read by the last openTable(), refresh()
// or columnTexts(); appending and deleting through this class keep them
// current. Use one ProjectDatabase for the program so that all changes pass
// through it.
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
#include <optional>
#include <string>
#include <vector>

class QSqlError;

namespace store {

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

    // folderOrFile: the program folder (basin.mdb in it is used) or the path of
    // the database file itself. Nothing is opened yet.
    explicit ProjectDatabase(const QString& folderOrFile);
    ~ProjectDatabase();
    ProjectDatabase(const ProjectDatabase&) = delete;
    ProjectDatabase& operator=(const ProjectDatabase&) = delete;

    const QString& filePath() const { return m_filePath; }

    // Opens the file. The table operations below open it themselves when it is
    // not open yet, so a file that appears later is found then.
    Status open();
    void close();
    bool isOpen() const { return m_db.isOpen(); }

    // Run before every change written to the database (a table created or
    // dropped, a record stored, updated or deleted), before the change itself.
    void setBeforeWrite(std::function<void()> hook) { m_beforeWrite = std::move(hook); }

    // Today's copy of the database, made by SQLite itself (VACUUM INTO) into
    // DailyBackup's folder when there is none for the day yet; the oldest
    // copies beyond DailyBackup::kKept are removed. Gives the copy's path, or
    // the empty text when today's copy was already there.
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

    int recordCount() const { return int(m_rowids.size()); }

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

private:
    Status checkRecordAccess(int position) const;
    Failure engineFailure(const QSqlError& error) const;
    // Runs one writing statement in its own transaction; with expectOneRow a
    // statement that touches no row fails with kNoSuchRecord and is undone.
    // insertedRowid receives the rowid of an inserted row.
    Status writeInTransaction(const QString& sql, const QVariantList& values, bool expectOneRow,
                              qint64* insertedRowid = nullptr);

    void beforeWrite() const
    {
        if (m_beforeWrite)
            m_beforeWrite();
    }

    QString m_filePath;
    QString m_connectionName;
    std::function<void()> m_beforeWrite;
    QSqlDatabase m_db;
    std::optional<QString> m_tableName;
    QString m_quotedTable;
    std::vector<qint64> m_rowids;
};

}  // namespace store

#endif  // STORE_PROJECTDATABASE_H
