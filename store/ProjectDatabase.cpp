#include "store/ProjectDatabase.h"

#include "engine/number_text.h"
#include "store/Backend.h"
#include "store/DailyBackup.h"
#include "store/FileLocations.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <atomic>
#include <cmath>

namespace store {

namespace {

using engine::ColumnType;
using detail::columnName;
using detail::quoted;

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

// A stored value as it is written into another database: the same value in
// the column's own kind (a Single as its 32-bit float, a date as YYYY-MM-DD),
// whatever the engine handed it over as.
std::optional<QVariant> copiedValue(int column, const QVariant& value)
{
    if (value.isNull())
        return QVariant();
    switch (columnType(column)) {
    case ColumnType::Text: return QVariant(value.toString());
    case ColumnType::Date: {
        const auto date = engine::parseIsoDate(value.toString().toStdString());
        if (!date)
            return std::nullopt;
        return QVariant(QString::fromStdString(engine::isoDateText(*date)));
    }
    case ColumnType::Single: {
        const auto number = storedNumber(value);
        if (!number || !std::isfinite(float(*number)))
            return std::nullopt;
        return QVariant(double(float(*number)));
    }
    case ColumnType::Double: {
        const auto number = storedNumber(value);
        if (!number || !std::isfinite(*number))
            return std::nullopt;
        return QVariant(*number);
    }
    }
    return std::nullopt;
}

// An INSERT of the 41 columns into a (quoted) table, one parameter each.
QString insertStatement(const QString& quotedTable)
{
    const QString placeholders = QStringList(engine::kColumnCount, QStringLiteral("?")).join(QLatin1String(", "));
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(quotedTable, columnList(), placeholders);
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

namespace detail {

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

}  // namespace detail

bool isSystemTableName(const QString& name) { return name.contains(QLatin1String("MSys"), Qt::CaseSensitive); }

ProjectDatabase::ProjectDatabase(const QString& folderOrFile)
{
    static std::atomic<int> connectionCount{0};
    const QFileInfo info(folderOrFile);
    if (info.isDir()) {
        const QString folder = info.absoluteFilePath() + QLatin1Char('/');
        const QFileInfo connectionFile(folder + QLatin1String(kConnectionFileName));
        m_filePath = QFileInfo(connectionFile.exists() ? connectionFile.filePath() : folder + QLatin1String(kFileName))
                         .absoluteFilePath();
    } else {
        m_filePath = info.absoluteFilePath();
    }
    m_backend = m_filePath.endsWith(QLatin1String(".pgconnect")) ? detail::postgresBackend(m_filePath)
                                                                 : detail::sqliteBackend(m_filePath);
    m_connectionName = QStringLiteral("tellum_store_%1").arg(connectionCount++);
}

ProjectDatabase::~ProjectDatabase() { close(); }

bool ProjectDatabase::isServer() const { return m_backend->isServer(); }

QString ProjectDatabase::location() const { return m_backend->location(); }

Status ProjectDatabase::open()
{
    // A connection the server dropped is opened afresh.
    if (m_connectionLost) {
        m_connectionLost = false;
        disconnect();
    }
    if (isOpen())
        return {};
    if (const Status opened = m_backend->open(m_db, m_connectionName); !opened) {
        disconnect();
        return opened;
    }
    qCInfo(filesLog, "opened %s", qUtf8Printable(QDir::toNativeSeparators(m_filePath)));
    return {};
}

void ProjectDatabase::close()
{
    closeTable();
    disconnect();
}

void ProjectDatabase::disconnect()
{
    if (!m_db.isValid())
        return;
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
}

Failure ProjectDatabase::engineFailure(const QSqlError& error)
{
    // The engine's driver may close a connection the server dropped: the
    // failure is still one of an open connection.
    Failure failure = m_backend->failure(error, true);
    if (failure.number == err::kConnectionFailed)
        m_connectionLost = true;
    return failure;
}

Result<QString> ProjectDatabase::backUpDaily(const QDate& today)
{
    // The office database is backed up by its server's administrator.
    if (isServer())
        return QString();
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
    if (!query.exec(m_backend->tableNamesStatement()))
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

Status ProjectDatabase::checkNewTableName(const QString& name) const
{
    if (const Status valid = validTableName(name); !valid)
        return valid;
    return m_backend->checkTableName(name);
}

QString ProjectDatabase::createStatement(const QString& name) const
{
    QStringList columns;
    for (int c = 0; c < engine::kColumnCount; ++c)
        columns << quoted(columnName(c)) + QLatin1Char(' ') + m_backend->columnType(columnType(c));
    if (const QString hidden = m_backend->hiddenColumnDefinitions(); !hidden.isEmpty())
        columns << hidden;
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(quoted(name), columns.join(QLatin1String(", ")));
}

Status ProjectDatabase::createTable(const QString& name)
{
    if (const Status valid = checkNewTableName(name); !valid)
        return valid;
    if (const Status opened = open(); !opened)
        return opened;
    beforeWrite();
    QSqlQuery query(m_db);
    if (!query.exec(createStatement(name)))
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

// The columns must be the basin columns in order (and the engine's hidden
// ones after them): the records are read by column name, and a missing name
// must not pass unnoticed. A table without columns is left to the reading
// that follows, which reports it missing.
Status ProjectDatabase::checkProjectTable(const QString& name)
{
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.prepare(m_backend->columnNamesStatement());
    query.addBindValue(m_backend->tableArgument(name));
    if (!query.exec())
        return engineFailure(query.lastError());
    QStringList columns;
    while (query.next())
        columns << query.value(0).toString();
    if (columns.isEmpty())
        return {};
    QStringList expected;
    for (int c = 0; c < engine::kColumnCount; ++c)
        expected << columnName(c);
    expected << m_backend->hiddenColumns();
    for (int position = 0; position < int(expected.size()); ++position) {
        if (position >= columns.size())
            return Failure{err::kNotProjectTable, QStringLiteral("Table '%1' is not a project table: it has %2 columns")
                                                      .arg(name)
                                                      .arg(columns.size())};
        if (columns[position] != expected[position])
            return Failure{err::kNotProjectTable,
                           QStringLiteral("Table '%1' is not a project table: column %2 is '%3', not '%4'")
                               .arg(name)
                               .arg(position)
                               .arg(columns[position], expected[position])};
    }
    return {};
}

Status ProjectDatabase::openTable(const QString& name)
{
    closeTable();
    if (const Status valid = validTableName(name); !valid)
        return valid;
    if (const Status opened = open(); !opened)
        return opened;
    if (const Status checked = checkProjectTable(name); !checked)
        return checked;

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
    m_rows.clear();
}

void ProjectDatabase::takeKeys(std::vector<qint64> keys)
{
    // Both lists are in key order: one pass carries the stamps over.
    std::vector<Row> rows;
    rows.reserve(keys.size());
    auto old = m_rows.begin();
    for (const qint64 key : keys) {
        while (old != m_rows.end() && old->key < key)
            ++old;
        rows.push_back({key, old != m_rows.end() && old->key == key ? old->stamp : QVariant()});
    }
    m_rows = std::move(rows);
}

Status ProjectDatabase::refresh()
{
    if (!hasOpenTable())
        return Failure{err::kNoTableOpen, QStringLiteral("No table is open")};
    if (const Status opened = open(); !opened)
        return opened;
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    const QString key = m_backend->keyColumn();
    if (!query.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY %1").arg(key, m_quotedTable)))
        return engineFailure(query.lastError());
    std::vector<qint64> keys;
    while (query.next())
        keys.push_back(query.value(0).toLongLong());
    takeKeys(std::move(keys));
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

RecordId ProjectDatabase::recordId(int position) const
{
    return position >= 0 && position < recordCount() ? RecordId{m_rows[std::size_t(position)].key} : RecordId{-1};
}

std::optional<int> ProjectDatabase::positionOf(RecordId id) const
{
    const auto found =
        std::lower_bound(m_rows.begin(), m_rows.end(), id.key, [](const Row& row, qint64 key) { return row.key < key; });
    if (found == m_rows.end() || found->key != id.key)
        return std::nullopt;
    return int(found - m_rows.begin());
}

Result<std::vector<std::optional<std::string>>> ProjectDatabase::columnTexts(int column)
{
    if (!hasOpenTable())
        return Failure{err::kNoTableOpen, QStringLiteral("No table is open")};
    if (column < 0 || column >= engine::kColumnCount)
        return Failure{err::kNoSuchRecord, QStringLiteral("No column at position %1").arg(column)};
    if (const Status opened = open(); !opened)
        return opened.failure();
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    const QString key = m_backend->keyColumn();
    if (!query.exec(
            QStringLiteral("SELECT %1, %2 FROM %3 ORDER BY %1").arg(key, quoted(columnName(column)), m_quotedTable)))
        return engineFailure(query.lastError());
    std::vector<qint64> keys;
    std::vector<std::optional<std::string>> texts;
    while (query.next()) {
        keys.push_back(query.value(0).toLongLong());
        if (!loadText(column, query.value(1), texts.emplace_back()))
            return storedValueFailure(column);
    }
    takeKeys(std::move(keys));
    return texts;
}

Result<engine::BasinDesign> ProjectDatabase::record(int position)
{
    if (const Status access = checkRecordAccess(position); !access)
        return access.failure();
    if (const Status opened = open(); !opened)
        return opened.failure();
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT %1, %2 FROM %3 WHERE %4 = ?")
                      .arg(columnList(), m_backend->stampExpression(), m_quotedTable, m_backend->keyColumn()));
    Row& row = m_rows[std::size_t(position)];
    query.addBindValue(row.key);
    if (!query.exec())
        return engineFailure(query.lastError());
    if (!query.next())
        return Failure{err::kDeletedByAnother,
                       QStringLiteral("The record was deleted by another designer since the list was read")};
    engine::BasinDesign design;
    if (const Status read = readRow(query, design); !read)
        return read.failure();
    row.stamp = query.value(engine::kColumnCount);
    return design;
}

Result<std::vector<engine::BasinDesign>> ProjectDatabase::allRecords()
{
    if (!hasOpenTable())
        return Failure{err::kNoTableOpen, QStringLiteral("No table is open")};
    if (const Status opened = open(); !opened)
        return opened.failure();
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY %3").arg(columnList(), m_quotedTable, m_backend->keyColumn())))
        return engineFailure(query.lastError());
    std::vector<engine::BasinDesign> designs;
    designs.reserve(m_rows.size());
    while (query.next()) {
        if (const Status read = readRow(query, designs.emplace_back()); !read)
            return read.failure();
    }
    return designs;
}

Result<std::optional<QVariantList>> ProjectDatabase::writeInTransaction(const QString& sql, const QVariantList& values)
{
    if (const Status opened = open(); !opened)
        return opened.failure();
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
    std::optional<QVariantList> returned;
    if (query.next()) {
        returned.emplace();
        for (int i = 0; i < query.record().count(); ++i)
            returned->append(query.value(i));
    }
    query = QSqlQuery();
    if (!m_db.commit()) {
        const Failure failure = engineFailure(m_db.lastError());
        m_db.rollback();
        return failure;
    }
    return returned;
}

Failure ProjectDatabase::conflict(int position)
{
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ?").arg(m_quotedTable, m_backend->keyColumn()));
    query.addBindValue(m_rows[std::size_t(position)].key);
    if (!query.exec())
        return engineFailure(query.lastError());
    if (query.next())
        return {err::kChangedByAnother, QStringLiteral("The record was changed by another designer since it was loaded")};
    return {err::kDeletedByAnother, QStringLiteral("The record was deleted by another designer since it was loaded")};
}

Result<int> ProjectDatabase::appendRecord(const engine::BasinDesign& design)
{
    if (!hasOpenTable())
        return Failure{err::kNoTableOpen, QStringLiteral("No table is open")};
    const auto values = storedValues(design);
    if (!values)
        return values.failure();
    beforeWrite();
    const auto written = writeInTransaction(insertStatement(m_quotedTable) + QStringLiteral(" RETURNING %1, %2").arg(
                                                m_backend->keyColumn(), m_backend->stampExpression()),
                                            *values);
    if (!written)
        return written.failure();
    if (!*written)
        return Failure{err::kDriverFailure, QStringLiteral("The new record's key was not returned")};
    const Row row{written->value()[0].toLongLong(), written->value()[1]};

    // A new row takes the highest key, so it comes last; should the engine
    // ever place it elsewhere, the positions are read again.
    if (m_rows.empty() || row.key > m_rows.back().key) {
        m_rows.push_back(row);
        return recordCount() - 1;
    }
    if (const Status read = refresh(); !read)
        return read.failure();
    const auto position = positionOf({row.key});
    if (!position)
        return Failure{err::kDeletedByAnother, QStringLiteral("The new record was deleted by another designer")};
    m_rows[std::size_t(*position)].stamp = row.stamp;
    return *position;
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
    Row& row = m_rows[std::size_t(position)];
    QVariantList bound = std::move(values).value();
    QString condition = m_backend->keyColumn() + QLatin1String(" = ?");
    bound << row.key;
    if (!row.stamp.isNull()) {
        condition += QStringLiteral(" AND %1 = ?").arg(m_backend->stampExpression());
        bound << row.stamp;
    }
    beforeWrite();
    const auto written = writeInTransaction(QStringLiteral("UPDATE %1 SET %2%3 WHERE %4 RETURNING %5")
                                                .arg(m_quotedTable, assignments.join(QLatin1String(", ")),
                                                     m_backend->stampAssignment(), condition,
                                                     m_backend->stampExpression()),
                                            bound);
    if (!written)
        return written.failure();
    if (!*written)
        return conflict(position);
    row.stamp = written->value()[0];
    return {};
}

Status ProjectDatabase::deleteRecord(int position)
{
    if (const Status access = checkRecordAccess(position); !access)
        return access;
    const Row& row = m_rows[std::size_t(position)];
    QVariantList bound{row.key};
    QString condition = m_backend->keyColumn() + QLatin1String(" = ?");
    if (!row.stamp.isNull()) {
        condition += QStringLiteral(" AND %1 = ?").arg(m_backend->stampExpression());
        bound << row.stamp;
    }
    beforeWrite();
    const auto written = writeInTransaction(
        QStringLiteral("DELETE FROM %1 WHERE %2 RETURNING %3").arg(m_quotedTable, condition, m_backend->keyColumn()),
        bound);
    if (!written)
        return written.status();
    if (!*written)
        return conflict(position);
    m_rows.erase(m_rows.begin() + position);
    return {};
}

// --- Publishing ---

Result<int> ProjectDatabase::copyTableFrom(ProjectDatabase& source, const QString& name)
{
    if (const Status opened = source.open(); !opened)
        return opened.failure();
    if (const Status checked = source.checkProjectTable(name); !checked)
        return checked.failure();
    QSqlQuery rows(source.m_db);
    rows.setForwardOnly(true);
    if (!rows.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                       .arg(columnList(), quoted(name), source.m_backend->keyColumn())))
        return source.engineFailure(rows.lastError());

    // Created and filled in one transaction: a failure leaves no table behind.
    if (const Status valid = checkNewTableName(name); !valid)
        return valid.failure();
    if (const Status opened = open(); !opened)
        return opened.failure();
    beforeWrite();
    if (!m_db.transaction())
        return engineFailure(m_db.lastError());
    const auto fail = [this](const Failure& failure) {
        m_db.rollback();
        return failure;
    };
    int copied = 0;
    {
        QSqlQuery query(m_db);
        if (!query.exec(createStatement(name)))
            return fail(engineFailure(query.lastError()));
        if (!query.prepare(insertStatement(quoted(name))))
            return fail(engineFailure(query.lastError()));
        while (rows.next()) {
            ++copied;
            for (int c = 0; c < engine::kColumnCount; ++c) {
                const auto value = copiedValue(c, rows.value(c));
                if (!value)
                    return fail(Failure{err::kStoredValueInvalid,
                                        QStringLiteral("Record %1 of table '%2': the stored value of column %3 is "
                                                       "not a valid %4")
                                            .arg(copied)
                                            .arg(name, columnName(c),
                                                 QLatin1String(columnType(c) == ColumnType::Date ? "date" : "number"))});
                query.bindValue(c, *value);
            }
            if (!query.exec())
                return fail(engineFailure(query.lastError()));
        }
        if (rows.lastError().isValid())
            return fail(source.engineFailure(rows.lastError()));
    }
    if (!m_db.commit())
        return fail(engineFailure(m_db.lastError()));
    return copied;
}

}  // namespace store
