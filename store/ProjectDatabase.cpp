#include "store/ProjectDatabase.h"

#include "engine/number_text.h"
#include "store/DailyBackup.h"

#include <QDir>
#include "store/FileLocations.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <algorithm>
#include <atomic>
#include <cmath>

namespace store {

namespace {

using engine::ColumnType;

// A name as an SQL identifier: in double quotes, inner quotes doubled. Any
// name SQLite accepts then stands for itself, whatever it holds.
QString quoted(const QString& name)
{
    QString text = name;
    text.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString columnName(int column)
{
    const auto name = engine::basinColumns()[std::size_t(column)].name;
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

ColumnType columnType(int column) { return engine::basinColumns()[std::size_t(column)].type; }

// "Project Number", "PI Number", ... as a quoted list.
QString columnList()
{
    QStringList names;
    for (int c = 0; c < engine::kColumnCount; ++c)
        names << quoted(columnName(c));
    return names.join(QLatin1String(", "));
}

Failure conversionFailure(int number, const std::string& text, int column, const char* kind)
{
    return {number, QStringLiteral("Cannot convert '%1' to %2 for column %3")
                        .arg(QString::fromStdString(text), QLatin1String(kind), columnName(column))};
}

// The value a column keeps for the text given for it, or a failure.
Result<QVariant> storedValue(int column, const std::optional<std::string>& text)
{
    if (!text)
        return QVariant();
    switch (columnType(column)) {
    case ColumnType::Text:
        return QVariant(QString::fromStdString(*text));
    case ColumnType::Date: {
        const auto date = engine::parseUsDate(*text);
        if (!date)
            return conversionFailure(err::kDateConversion, *text, column, "a date");
        return QVariant(QString::fromStdString(engine::isoDateText(*date)));
    }
    case ColumnType::Single: {
        const auto value = engine::parseSingle(*text);
        if (!value)
            return conversionFailure(err::kNumberConversion, *text, column, "a Single number");
        return QVariant(double(*value));
    }
    case ColumnType::Double: {
        const auto value = engine::parseNumber(*text);
        if (!value)
            return conversionFailure(err::kNumberConversion, *text, column, "a Double number");
        return QVariant(*value);
    }
    }
    return QVariant();
}

Result<QVariantList> storedValues(const engine::BasinDesign& design)
{
    QVariantList values;
    values.reserve(engine::kColumnCount);
    for (int c = 0; c < engine::kColumnCount; ++c) {
        auto value = storedValue(c, design[c]);
        if (!value)
            return value.failure();
        values << *value;
    }
    return values;
}

Failure storedValueFailure(int column)
{
    return {err::kStoredValueInvalid,
            QStringLiteral("The stored value of column %1 is not a valid %2")
                .arg(columnName(column), QLatin1String(columnType(column) == ColumnType::Date ? "date" : "number"))};
}

std::optional<double> storedNumber(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::Double: return value.toDouble();
    case QMetaType::QString: return engine::parseNumber(value.toString().toStdString());
    default: return std::nullopt;
    }
}

// The text form of a stored value into out; false when the stored value does
// not fit its column's type. (Called for every value the report reads: kept
// free of temporaries.)
bool loadText(int column, const QVariant& value, std::optional<std::string>& out)
{
    if (value.isNull()) {
        out.reset();
        return true;
    }
    switch (columnType(column)) {
    case ColumnType::Text:
        out = value.toString().toStdString();
        return true;
    case ColumnType::Date: {
        const auto date = engine::parseIsoDate(value.toString().toStdString());
        if (!date)
            return false;
        out = engine::usDateText(*date);
        return true;
    }
    case ColumnType::Single: {
        const auto number = storedNumber(value);
        if (!number || !std::isfinite(float(*number)))
            return false;
        out = engine::singleText(float(*number));
        return true;
    }
    case ColumnType::Double: {
        const auto number = storedNumber(value);
        if (!number || !std::isfinite(*number))
            return false;
        out = engine::doubleText(*number);
        return true;
    }
    }
    return false;
}

// The 41 values of the query's current row into design.
Status readRow(const QSqlQuery& query, engine::BasinDesign& design)
{
    for (int c = 0; c < engine::kColumnCount; ++c)
        if (!loadText(c, query.value(c), design.values[std::size_t(c)]))
            return storedValueFailure(c);
    return {};
}

Status validTableName(const QString& name)
{
    if (name.isEmpty() || name.contains(QChar(u'\0')))
        return Failure{err::kInvalidTableName, QStringLiteral("'%1' is not a valid table name").arg(name)};
    return {};
}

}  // namespace

QVariantList storedForm(const engine::BasinDesign& design)
{
    QVariantList values;
    values.reserve(engine::kColumnCount);
    for (int c = 0; c < engine::kColumnCount; ++c) {
        const auto value = storedValue(c, design[c]);
        // A refused text is kept apart from every value a column can hold.
        values << (value ? *value : QVariant(QStringList{QStringLiteral("refused"), QString::fromStdString(*design[c])}));
    }
    return values;
}

bool isSystemTableName(const QString& name) { return name.contains(QLatin1String("MSys"), Qt::CaseSensitive); }

ProjectDatabase::ProjectDatabase(const QString& folderOrFile)
{
    static std::atomic<int> connectionCount{0};
    const QFileInfo info(folderOrFile);
    m_filePath = info.isDir() ? QFileInfo(info.absoluteFilePath() + QLatin1Char('/') + QLatin1String(kFileName)).absoluteFilePath()
                              : info.absoluteFilePath();
    m_connectionName = QStringLiteral("tellum_store_%1").arg(connectionCount++);
}

ProjectDatabase::~ProjectDatabase() { close(); }

Status ProjectDatabase::open()
{
    if (isOpen())
        return {};
    const QFileInfo info(m_filePath);
    if (!info.exists())
        return Failure{err::kFileNotFound, QStringLiteral("Could not find file '%1'").arg(m_filePath)};
    if (!info.isFile() || !info.isReadable())
        return Failure{err::kFileNotReadable, QStringLiteral("Cannot read file '%1'").arg(m_filePath)};
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return Failure{err::kDriverMissing, QStringLiteral("The SQLite driver of Qt SQL is not available")};

    // mode=rw: SQLite itself never creates the file either.
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    m_db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
    m_db.setDatabaseName(QUrl::fromLocalFile(m_filePath).toString(QUrl::FullyEncoded) + QLatin1String("?mode=rw"));
    if (!m_db.open()) {
        const Failure failure = engineFailure(m_db.lastError());
        close();
        return failure;
    }
    // SQLite reads the file only when asked: ask now, so that a file that is
    // not a database fails here.
    QSqlQuery probe(m_db);
    if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
        const Failure failure = engineFailure(probe.lastError());
        probe = QSqlQuery();
        close();
        return failure;
    }
    qCInfo(filesLog, "opened %s", qUtf8Printable(QDir::toNativeSeparators(m_filePath)));
    return {};
}

void ProjectDatabase::close()
{
    closeTable();
    if (!m_db.isValid())
        return;
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
}

Failure ProjectDatabase::engineFailure(const QSqlError& error) const
{
    bool numeric = false;
    const int number = error.nativeErrorCode().toInt(&numeric);
    QString description = error.databaseText().isEmpty() ? error.driverText() : error.databaseText();
    while (description.endsWith(QLatin1Char('.')))
        description.chop(1);
    const bool aboutFile = !m_db.isOpen() || number == 26 /* not a database */ || number == 14 /* cannot open */;
    if (aboutFile)
        description += QStringLiteral(" ('%1')").arg(m_filePath);
    return {numeric ? number : err::kDriverFailure, description};
}

Result<QString> ProjectDatabase::backUpDaily(const QDate& today)
{
    if (const Status opened = open(); !opened)
        return opened.failure();
    const DailyBackup backups(m_filePath);
    const QString copy = backups.fileFor(today);
    if (QFileInfo::exists(copy))
        return QString();
    if (!QDir().mkpath(backups.folder()))
        return Failure{err::kBackupFailed, QStringLiteral("The folder %1 could not be made").arg(backups.folder())};
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("VACUUM INTO ?"));
    query.addBindValue(copy);
    if (!query.exec())
        return engineFailure(query.lastError());
    backups.prune();
    return copy;
}

// --- Tables ---

Result<QStringList> ProjectDatabase::tableNames()
{
    if (const Status opened = open(); !opened)
        return opened.failure();
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' "
                                   "AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY rowid")))
        return engineFailure(query.lastError());
    QStringList names;
    while (query.next())
        names << query.value(0).toString();
    return names;
}

Result<bool> ProjectDatabase::tableExists(const QString& name)
{
    auto names = tableNames();
    if (!names)
        return names.failure();
    return names->contains(name, Qt::CaseSensitive);
}

Status ProjectDatabase::createTable(const QString& name)
{
    if (const Status valid = validTableName(name); !valid)
        return valid;
    if (const Status opened = open(); !opened)
        return opened;
    beforeWrite();
    QStringList columns;
    for (int c = 0; c < engine::kColumnCount; ++c) {
        const auto type = engine::declaredTypeName(columnType(c));
        columns << quoted(columnName(c)) + QLatin1Char(' ') + QString::fromLatin1(type.data(), qsizetype(type.size()));
    }
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("CREATE TABLE %1 (%2)").arg(quoted(name), columns.join(QLatin1String(", ")))))
        return engineFailure(query.lastError());
    return {};
}

Status ProjectDatabase::dropTable(const QString& name)
{
    if (const Status opened = open(); !opened)
        return opened;
    beforeWrite();
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("DROP TABLE %1").arg(quoted(name))))
        return engineFailure(query.lastError());
    if (m_tableName == name)
        closeTable();
    return {};
}

// --- The open table ---

Status ProjectDatabase::openTable(const QString& name)
{
    closeTable();
    if (const Status valid = validTableName(name); !valid)
        return valid;
    if (const Status opened = open(); !opened)
        return opened;

    // The columns must be the basin columns in order: the records are read by
    // column name, and a missing name must not pass unnoticed.
    QSqlQuery columns(m_db);
    columns.setForwardOnly(true);
    columns.prepare(QStringLiteral("SELECT name FROM pragma_table_info(?)"));
    columns.addBindValue(name);
    if (!columns.exec())
        return engineFailure(columns.lastError());
    int position = 0;
    bool found = false;
    while (columns.next() && position < engine::kColumnCount) {
        found = true;
        if (columns.value(0).toString() != columnName(position))
            return Failure{err::kNotProjectTable, QStringLiteral("Table '%1' is not a project table: column %2 is '%3', not '%4'")
                                                      .arg(name)
                                                      .arg(position)
                                                      .arg(columns.value(0).toString(), columnName(position))};
        ++position;
    }
    if (found && position < engine::kColumnCount)
        return Failure{err::kNotProjectTable,
                       QStringLiteral("Table '%1' is not a project table: it has %2 columns").arg(name).arg(position)};

    m_tableName = name;
    m_quotedTable = quoted(name);
    if (const Status read = refresh(); !read) {  // also gives "no such table"
        closeTable();
        return read;
    }
    return {};
}

void ProjectDatabase::closeTable()
{
    m_tableName.reset();
    m_quotedTable.clear();
    m_rowids.clear();
}

Status ProjectDatabase::refresh()
{
    if (!hasOpenTable())
        return Failure{err::kNoTableOpen, QStringLiteral("No table is open")};
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT rowid FROM %1 ORDER BY rowid").arg(m_quotedTable)))
        return engineFailure(query.lastError());
    std::vector<qint64> rowids;
    while (query.next())
        rowids.push_back(query.value(0).toLongLong());
    m_rowids = std::move(rowids);
    return {};
}

Status ProjectDatabase::checkRecordAccess(int position) const
{
    if (!hasOpenTable())
        return Failure{err::kNoTableOpen, QStringLiteral("No table is open")};
    if (position < 0 || position >= recordCount())
        return Failure{err::kNoSuchRecord, QStringLiteral("No record at position %1").arg(position)};
    return {};
}

Result<std::vector<std::optional<std::string>>> ProjectDatabase::columnTexts(int column)
{
    if (!hasOpenTable())
        return Failure{err::kNoTableOpen, QStringLiteral("No table is open")};
    if (column < 0 || column >= engine::kColumnCount)
        return Failure{err::kNoSuchRecord, QStringLiteral("No column at position %1").arg(column)};
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT rowid, %1 FROM %2 ORDER BY rowid").arg(quoted(columnName(column)), m_quotedTable)))
        return engineFailure(query.lastError());
    std::vector<qint64> rowids;
    std::vector<std::optional<std::string>> texts;
    while (query.next()) {
        rowids.push_back(query.value(0).toLongLong());
        if (!loadText(column, query.value(1), texts.emplace_back()))
            return storedValueFailure(column);
    }
    m_rowids = std::move(rowids);
    return texts;
}

Result<engine::BasinDesign> ProjectDatabase::record(int position)
{
    if (const Status access = checkRecordAccess(position); !access)
        return access.failure();
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?").arg(columnList(), m_quotedTable));
    query.addBindValue(m_rowids[std::size_t(position)]);
    if (!query.exec())
        return engineFailure(query.lastError());
    if (!query.next())
        return Failure{err::kNoSuchRecord, QStringLiteral("No record at position %1").arg(position)};
    engine::BasinDesign design;
    if (const Status read = readRow(query, design); !read)
        return read.failure();
    return design;
}

Result<std::vector<engine::BasinDesign>> ProjectDatabase::allRecords()
{
    if (!hasOpenTable())
        return Failure{err::kNoTableOpen, QStringLiteral("No table is open")};
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(columnList(), m_quotedTable)))
        return engineFailure(query.lastError());
    std::vector<engine::BasinDesign> designs;
    designs.reserve(m_rowids.size());
    while (query.next()) {
        if (const Status read = readRow(query, designs.emplace_back()); !read)
            return read.failure();
    }
    return designs;
}

Status ProjectDatabase::writeInTransaction(const QString& sql, const QVariantList& values, bool expectOneRow,
                                           qint64* insertedRowid)
{
    if (!m_db.transaction())
        return engineFailure(m_db.lastError());
    QSqlQuery query(m_db);
    query.prepare(sql);
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec()) {
        const Failure failure = engineFailure(query.lastError());
        query = QSqlQuery();
        m_db.rollback();
        return failure;
    }
    if (expectOneRow && query.numRowsAffected() != 1) {
        query = QSqlQuery();
        m_db.rollback();
        return Failure{err::kNoSuchRecord, QStringLiteral("The record is no longer in table '%1'").arg(tableName())};
    }
    if (insertedRowid)
        *insertedRowid = query.lastInsertId().toLongLong();
    query = QSqlQuery();
    if (!m_db.commit()) {
        const Failure failure = engineFailure(m_db.lastError());
        m_db.rollback();
        return failure;
    }
    return {};
}

Result<int> ProjectDatabase::appendRecord(const engine::BasinDesign& design)
{
    if (!hasOpenTable())
        return Failure{err::kNoTableOpen, QStringLiteral("No table is open")};
    const auto values = storedValues(design);
    if (!values)
        return values.failure();
    const QString placeholders = QStringList(engine::kColumnCount, QStringLiteral("?")).join(QLatin1String(", "));
    const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(m_quotedTable, columnList(), placeholders);
    beforeWrite();
    qint64 rowid = 0;
    if (const Status written = writeInTransaction(sql, *values, false, &rowid); !written)
        return written.failure();

    // A new row takes the highest rowid, so it comes last; should the engine
    // ever place it elsewhere, the positions are read again.
    if (m_rowids.empty() || rowid > m_rowids.back()) {
        m_rowids.push_back(rowid);
        return recordCount() - 1;
    }
    if (const Status read = refresh(); !read)
        return read.failure();
    const auto found = std::find(m_rowids.begin(), m_rowids.end(), rowid);
    return int(found - m_rowids.begin());
}

Status ProjectDatabase::updateRecord(int position, const engine::BasinDesign& design)
{
    if (const Status access = checkRecordAccess(position); !access)
        return access;
    auto values = storedValues(design);
    if (!values)
        return values.failure();
    QStringList assignments;
    for (int c = 0; c < engine::kColumnCount; ++c)
        assignments << quoted(columnName(c)) + QLatin1String(" = ?");
    QVariantList bound = std::move(values).value();
    bound << m_rowids[std::size_t(position)];
    beforeWrite();
    return writeInTransaction(
        QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(m_quotedTable, assignments.join(QLatin1String(", "))), bound,
        true);
}

Status ProjectDatabase::deleteRecord(int position)
{
    if (const Status access = checkRecordAccess(position); !access)
        return access;
    beforeWrite();
    const Status deleted = writeInTransaction(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(m_quotedTable),
                                              {m_rowids[std::size_t(position)]}, true);
    if (deleted)
        m_rowids.erase(m_rowids.begin() + position);
    return deleted;
}

}  // namespace store
