// The local project database: the file basin.mdb, an SQLite database.
//
// A project table holds exactly the 41 basin columns (stored files rely on
// it): rows are identified by SQLite's rowid, and whether a row changed since
// it was read is told by its content, the quoted text of all 41 values.

#include "store/Backend.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

namespace store::detail {

namespace {

class SqliteBackend : public Backend {
public:
    explicit SqliteBackend(const QString& filePath) : m_filePath(filePath)
    {
        QStringList values;
        for (int c = 0; c < engine::kColumnCount; ++c)
            values << QStringLiteral("quote(%1)").arg(quoted(columnName(c)));
        m_content = values.join(QLatin1String(" || ',' || "));
    }

    bool isServer() const override { return false; }
    QString location() const override { return m_filePath; }

    Status open(QSqlDatabase& db, const QString& connectionName) override
    {
        const QFileInfo info(m_filePath);
        if (!info.exists())
            return Failure{err::kFileNotFound, QStringLiteral("Could not find file '%1'").arg(m_filePath)};
        if (!info.isFile() || !info.isReadable())
            return Failure{err::kFileNotReadable, QStringLiteral("Cannot read file '%1'").arg(m_filePath)};
        if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
            return Failure{err::kDriverMissing, QStringLiteral("The SQLite driver of Qt SQL is not available")};

        // mode=rw: SQLite itself never creates the file either.
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
        db.setDatabaseName(QUrl::fromLocalFile(m_filePath).toString(QUrl::FullyEncoded) + QLatin1String("?mode=rw"));
        if (!db.open())
            return failure(db.lastError(), false);
        // SQLite reads the file only when asked: ask now, so that a file that
        // is not a database fails here.
        QSqlQuery probe(db);
        if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
            return failure(probe.lastError(), false);
        return {};
    }

    Failure failure(const QSqlError& error, bool connected) const override
    {
        bool numeric = false;
        const int number = error.nativeErrorCode().toInt(&numeric);
        QString description = error.databaseText().isEmpty() ? error.driverText() : error.databaseText();
        while (description.endsWith(QLatin1Char('.')))
            description.chop(1);
        const bool aboutFile = !connected || number == 26 /* not a database */ || number == 14 /* cannot open */;
        if (aboutFile)
            description += QStringLiteral(" ('%1')").arg(m_filePath);
        return {numeric ? number : err::kDriverFailure, description};
    }

    Status checkTableName(const QString&) const override { return {}; }

    QString tableNamesStatement() const override
    {
        return QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' "
                              "AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY rowid");
    }

    QString columnNamesStatement() const override { return QStringLiteral("SELECT name FROM pragma_table_info(?)"); }
    QString tableArgument(const QString& name) const override { return name; }

    QString columnType(engine::ColumnType type) const override
    {
        const auto name = engine::declaredTypeName(type);
        return QString::fromLatin1(name.data(), qsizetype(name.size()));
    }
    QStringList hiddenColumns() const override { return {}; }
    QString hiddenColumnDefinitions() const override { return {}; }

    QString keyColumn() const override { return QStringLiteral("rowid"); }
    QString stampExpression() const override { return m_content; }
    QString stampAssignment() const override { return {}; }

private:
    QString m_filePath;
    QString m_content;
};

}  // namespace

std::unique_ptr<Backend> sqliteBackend(const QString& filePath) { return std::make_unique<SqliteBackend>(filePath); }

}  // namespace store::detail
