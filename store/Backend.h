#ifndef STORE_BACKEND_H
#define STORE_BACKEND_H

// What differs between the two engines a ProjectDatabase stands on: the local
// file basin.mdb (SQLite) and the office database (a PostgreSQL server). The
// ProjectDatabase builds every statement from these pieces and runs it
// itself, so that both engines share one implementation of the table and
// record operations. Internal to store/.

#include "engine/basin_design.h"
#include "store/Failure.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <memory>

class QSqlError;

namespace store::detail {

// A name as an SQL identifier: in double quotes, inner quotes doubled. Any
// name the engine accepts then stands for itself, whatever it holds.
QString quoted(const QString& name);

// The name of one of the 41 basin columns.
QString columnName(int column);

class Backend {
public:
    virtual ~Backend() = default;

    // The office database (true) or the local file.
    virtual bool isServer() const = 0;
    // Where the tables live, for the designer: the file's path, or "office
    // database basins on db1".
    virtual QString location() const = 0;

    // Adds the connection under connectionName to db and opens it.
    virtual Status open(QSqlDatabase& db, const QString& connectionName) = 0;
    // An error of the engine as a failure; connected tells whether the
    // connection had been opened.
    virtual Failure failure(const QSqlError& error, bool connected) const = 0;

    // A name the engine cannot take, refused before it reaches the engine.
    virtual Status checkTableName(const QString& name) const = 0;
    // The statement giving every table name, in the engine's order.
    virtual QString tableNamesStatement() const = 0;
    // The statement giving the column names of a table in order, from one
    // parameter, tableArgument(name); the table's absence gives an engine
    // error or no rows.
    virtual QString columnNamesStatement() const = 0;
    virtual QString tableArgument(const QString& name) const = 0;
    // The declared type of a basin column.
    virtual QString columnType(engine::ColumnType type) const = 0;
    // The columns a project table carries after the 41 basin columns (their
    // names and, for creating the table, their definitions).
    virtual QStringList hiddenColumns() const = 0;
    virtual QString hiddenColumnDefinitions() const = 0;

    // The expression identifying a row (rowid, or the hidden key); it orders
    // the records.
    virtual QString keyColumn() const = 0;
    // The expression of a row's stamp: what tells whether the row changed
    // since it was read (its version, or its content).
    virtual QString stampExpression() const = 0;
    // What an UPDATE sets besides the 41 columns (", version = version + 1"),
    // or nothing.
    virtual QString stampAssignment() const = 0;
};

std::unique_ptr<Backend> sqliteBackend(const QString& filePath);
std::unique_ptr<Backend> postgresBackend(const QString& connectionFilePath);

}  // namespace store::detail

#endif  // STORE_BACKEND_H
