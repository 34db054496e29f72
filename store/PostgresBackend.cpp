// The office database: project tables shared by the designers of an office on
// a PostgreSQL server, named by the connection file basin.pgconnect.
//
// The file holds one connection string in libpq's keyword form (host=db1
// port=5432 dbname=basins user=jdoe, or service=office); lines starting with
// '#' are comments. Passwords come from libpq's own places (~/.pgpass, a
// service file, PGPASSWORD), never from Tellum's files: a password in the
// connection file is refused. The file is read afresh each time the
// connection is opened.
//
// A project table holds the 41 basin columns (text, date, real, double
// precision) and after them a hidden key, an identity column that orders the
// records, and a version that every write raises.

#include "store/Backend.h"

#include <QFile>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

#include <optional>
#include <utility>
#include <vector>

namespace store::detail {

namespace {

const QString kKeyColumn = QStringLiteral("tellum_key");
const QString kVersionColumn = QStringLiteral("tellum_version");
// PostgreSQL's identifiers hold at most NAMEDATALEN - 1 bytes; a longer name
// would be cut, so that two names could become one table.
constexpr int kMaxNameBytes = 63;

using Keywords = std::vector<std::pair<QString, QString>>;

Failure fileFailure(const QString& path, const QString& reason)
{
    return {err::kConnectionFileInvalid, QStringLiteral("The connection file '%1' %2").arg(path, reason)};
}

// The keyword = value pairs of a libpq connection string: values are plain
// words or single-quoted, with \' and \\ inside.
std::optional<Keywords> parseKeywords(const QString& text)
{
    Keywords keywords;
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skipBlanks = [&] {
        while (i < n && text[i].isSpace())
            ++i;
    };
    for (skipBlanks(); i < n; skipBlanks()) {
        const qsizetype start = i;
        while (i < n && !text[i].isSpace() && text[i] != QLatin1Char('='))
            ++i;
        const QString keyword = text.mid(start, i - start);
        skipBlanks();
        if (keyword.isEmpty() || i >= n || text[i] != QLatin1Char('='))
            return std::nullopt;
        ++i;
        skipBlanks();
        QString value;
        const bool quotedValue = i < n && text[i] == QLatin1Char('\'');
        if (quotedValue)
            ++i;
        bool closed = !quotedValue;
        while (i < n) {
            const QChar c = text[i];
            if (quotedValue && c == QLatin1Char('\'')) {
                closed = true;
                ++i;
                break;
            }
            if (!quotedValue && c.isSpace())
                break;
            if (c == QLatin1Char('\\') && i + 1 < n)
                ++i;
            value += text[i++];
        }
        if (!closed)
            return std::nullopt;
        keywords.emplace_back(keyword, value);
    }
    return keywords;
}

QString valueOf(const Keywords& keywords, const QString& keyword)
{
    QString value;  // the last one counts, as for libpq
    for (const auto& [key, text] : keywords)
        if (key == keyword)
            value = text;
    return value;
}

// libpq's message as one line: "connection to server at ... failed: FATAL:
// password authentication failed for user "jdoe"".
QString oneLine(QString text)
{
    text = text.simplified();
    while (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

// The server's own message without its severity, its SQLSTATE and the lines
// that point into the statement.
QString serverMessage(const QSqlError& error)
{
    QString text = error.databaseText().isEmpty() ? error.driverText() : error.databaseText();
    text = text.section(QLatin1Char('\n'), 0, 0);
    static const QRegularExpression severity(QStringLiteral("^(ERROR|FATAL|PANIC):\\s+"));
    text.remove(severity);
    return oneLine(text);
}

class PostgresBackend : public Backend {
public:
    explicit PostgresBackend(const QString& connectionFilePath) : m_path(connectionFilePath)
    {
        // The location is known before anything is opened, for a message that
        // names the server the connection could not reach.
        if (auto keywords = readConnectionFile())
            describe(*keywords);
    }

    bool isServer() const override { return true; }
    QString location() const override
    {
        const QString database = m_database.isEmpty() ? QString() : m_database + QLatin1Char(' ');
        return QStringLiteral("office database %1on %2").arg(database, m_server);
    }

    Status open(QSqlDatabase& db, const QString& connectionName) override
    {
        auto keywords = readConnectionFile();
        if (!keywords)
            return keywords.failure();
        describe(*keywords);
        if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL")))
            return Failure{err::kDriverMissing,
                           QStringLiteral("The PostgreSQL driver of Qt SQL is not available (Debian package "
                                          "libqt6sql6-psql)")};

        // A server that does not answer is given up after 10 seconds rather
        // than the system's TCP timeout; the office may set its own.
        Keywords options = *keywords;
        if (valueOf(options, QStringLiteral("connect_timeout")).isEmpty())
            options.emplace_back(QStringLiteral("connect_timeout"), QStringLiteral("10"));
        if (valueOf(options, QStringLiteral("application_name")).isEmpty())
            options.emplace_back(QStringLiteral("application_name"), QStringLiteral("Tellum"));
        // Qt's driver passes the options on to libpq with ';' between them.
        QStringList joined;
        for (const auto& [keyword, value] : options) {
            QString text = value;
            text.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('\''), QLatin1String("\\'"));
            joined << keyword + QLatin1String("='") + text + QLatin1Char('\'');
        }
        db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
        db.setConnectOptions(joined.join(QLatin1Char(';')));
        if (!db.open())
            return failure(db.lastError(), false);

        // Notices ("... does not exist, skipping") are no concern of the designer.
        QSqlQuery query(db);
        if (!query.exec(QStringLiteral("SET client_min_messages TO warning")) ||
            !query.exec(QStringLiteral("SELECT current_database()")) || !query.next())
            return failure(query.lastError(), true);
        m_database = query.value(0).toString();
        return {};
    }

    Failure failure(const QSqlError& error, bool connected) const override
    {
        const QString code = error.nativeErrorCode();
        // No SQLSTATE: libpq's own failure, which is about the connection.
        if (!connected)
            return {err::kConnectionFailed,
                    QStringLiteral("Cannot connect to the %1: %2").arg(location(), oneLine(error.databaseText()))};
        if (code.isEmpty() || code.startsWith(QLatin1String("08")) || code.startsWith(QLatin1String("57P")))
            return {err::kConnectionFailed,
                    QStringLiteral("The connection to the %1 was lost: %2").arg(location(), serverMessage(error)),
                    code};
        QString description = serverMessage(error);
        // Rights and logins are the office's to mend: say which database.
        if (code.startsWith(QLatin1String("28")) || code == QLatin1String("42501") || code == QLatin1String("3D000") ||
            code == QLatin1String("3F000"))
            description += QStringLiteral(" (%1)").arg(location());
        return {err::kServerError, description, code};
    }

    Status checkTableName(const QString& name) const override
    {
        const qsizetype bytes = name.toUtf8().size();
        if (bytes > kMaxNameBytes)
            return Failure{err::kInvalidTableName,
                           QStringLiteral("The table name '%1' is %2 bytes long; the office database takes at most %3")
                               .arg(name)
                               .arg(bytes)
                               .arg(kMaxNameBytes)};
        return {};
    }

    // The tables of the schema in use, in creation order.
    QString tableNamesStatement() const override
    {
        return QStringLiteral("SELECT c.relname FROM pg_catalog.pg_class c "
                              "JOIN pg_catalog.pg_namespace n ON n.oid = c.relnamespace "
                              "WHERE c.relkind IN ('r', 'p') AND n.nspname = current_schema() ORDER BY c.oid");
    }

    QString columnNamesStatement() const override
    {
        return QStringLiteral("SELECT attname FROM pg_catalog.pg_attribute WHERE attrelid = ?::regclass "
                              "AND attnum > 0 AND NOT attisdropped ORDER BY attnum");
    }
    // A table name as the server reads it from text: quoted, in the schema search path.
    QString tableArgument(const QString& name) const override { return quoted(name); }

    QString columnType(engine::ColumnType type) const override
    {
        switch (type) {
        case engine::ColumnType::Text: return QStringLiteral("text");
        case engine::ColumnType::Date: return QStringLiteral("date");
        case engine::ColumnType::Single: return QStringLiteral("real");
        case engine::ColumnType::Double: return QStringLiteral("double precision");
        }
        return QStringLiteral("text");
    }
    QStringList hiddenColumns() const override { return {kKeyColumn, kVersionColumn}; }
    QString hiddenColumnDefinitions() const override
    {
        return QStringLiteral("%1 bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY, %2 integer NOT NULL DEFAULT 1")
            .arg(kKeyColumn, kVersionColumn);
    }

    QString keyColumn() const override { return kKeyColumn; }
    QString stampExpression() const override { return kVersionColumn; }
    QString stampAssignment() const override { return QStringLiteral(", %1 = %1 + 1").arg(kVersionColumn); }

private:
    Result<Keywords> readConnectionFile() const
    {
        QFile file(m_path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return fileFailure(m_path, QStringLiteral("cannot be read: %1").arg(file.errorString()));
        QStringList lines;
        for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')))
            if (!line.trimmed().startsWith(QLatin1Char('#')))
                lines << line;
        const QString text = lines.join(QLatin1Char(' ')).trimmed();
        if (text.isEmpty())
            return fileFailure(m_path, QStringLiteral("holds no connection string"));
        if (text.startsWith(QLatin1String("postgres://")) || text.startsWith(QLatin1String("postgresql://")))
            return fileFailure(m_path, QStringLiteral("holds a URI; write the connection as keyword=value pairs "
                                                      "(host=db1 dbname=basins user=jdoe)"));
        const auto keywords = parseKeywords(text);
        if (!keywords)
            return fileFailure(m_path, QStringLiteral("is not a connection string of keyword=value pairs"));
        for (const auto& [keyword, value] : *keywords) {
            if (keyword == QLatin1String("password"))
                return fileFailure(m_path, QStringLiteral("holds a password; passwords belong in ~/.pgpass or a "
                                                          "service file, never in the connection file"));
            if (value.contains(QLatin1Char(';')))
                return fileFailure(m_path, QStringLiteral("holds a ';' in the value of %1, which cannot be passed "
                                                          "on to the server")
                                               .arg(keyword));
        }
        return *keywords;
    }

    void describe(const Keywords& keywords)
    {
        m_database = valueOf(keywords, QStringLiteral("dbname"));
        m_server = valueOf(keywords, QStringLiteral("host")).section(QLatin1Char(','), 0, 0);
        if (m_server.isEmpty())
            m_server = valueOf(keywords, QStringLiteral("hostaddr")).section(QLatin1Char(','), 0, 0);
        const QString service = valueOf(keywords, QStringLiteral("service"));
        if (m_server.isEmpty())
            m_server = service.isEmpty() ? QStringLiteral("localhost") : QStringLiteral("service ") + service;
    }

    QString m_path;
    QString m_database;
    QString m_server = QStringLiteral("localhost");
};

}  // namespace

std::unique_ptr<Backend> postgresBackend(const QString& connectionFilePath)
{
    return std::make_unique<PostgresBackend>(connectionFilePath);
}

}  // namespace store::detail
