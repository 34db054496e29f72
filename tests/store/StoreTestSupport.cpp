#include "StoreTestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <atomic>
#include <stdexcept>

namespace storetest {

namespace col = engine::col;

const char* engineName(Engine engine) { return engine == Engine::File ? "File" : "Server"; }

QString testServer() { return qEnvironmentVariable("TELLUM_TEST_SERVER").trimmed(); }

namespace {

// The test server's string as Qt's PostgreSQL driver takes it.
QString driverOptions(const QString& connectionString)
{
    return connectionString.simplified().replace(QLatin1Char(' '), QLatin1Char(';'));
}

void runAsAdministrator(const QString& sql)
{
    static std::atomic<int> count{0};
    const QString name = QStringLiteral("admin_%1").arg(count++);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setConnectOptions(driverOptions(testServer() + QStringLiteral(" options=-cclient_min_messages=warning")));
        if (!db.open())
            throw std::runtime_error("cannot reach the test server: " + db.lastError().text().toStdString());
        QSqlQuery query(db);
        if (!query.exec(sql))
            throw std::runtime_error("test server: " + query.lastError().text().toStdString());
    }
    QSqlDatabase::removeDatabase(name);
}

}  // namespace

ProgramFolder::ProgramFolder(Engine engine) : m_engine(engine)
{
    if (!m_dir.isValid())
        throw std::runtime_error("no temporary folder");
    if (engine == Engine::Server) {
        if (testServer().isEmpty())
            throw std::runtime_error(kNoServer);
        static std::atomic<int> count{0};
        m_schema = QStringLiteral("t%1_%2").arg(QCoreApplication::applicationPid()).arg(count++);
        runAsAdministrator(QStringLiteral("CREATE SCHEMA %1").arg(m_schema));
        writeConnectionFile(connectionString());
        return;
    }
    QFile file(databasePath());
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot create basin.mdb in the temporary folder");
}

ProgramFolder::~ProgramFolder()
{
    if (m_schema.isEmpty())
        return;
    try {
        runAsAdministrator(QStringLiteral("DROP SCHEMA %1 CASCADE").arg(m_schema));
    } catch (const std::exception&) {
        // A schema left behind goes with the throwaway cluster.
    }
}

QString ProgramFolder::connectionString() const
{
    return testServer() + QStringLiteral(" options=-csearch_path=%1 application_name=%1").arg(m_schema);
}

void ProgramFolder::writeConnectionFile(const QString& text) const
{
    QFile file(filePath(QStringLiteral("basin.pgconnect")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text.toUtf8()) < 0)
        throw std::runtime_error("cannot write basin.pgconnect");
}

QString ProgramFolder::databasePath() const { return filePath(QStringLiteral("basin.mdb")); }

QString ProgramFolder::filePath(const QString& name) const { return QDir(m_dir.path()).filePath(name); }

RawConnection::RawConnection(const QString& filePath)
{
    static std::atomic<int> count{0};
    m_name = QStringLiteral("raw_%1").arg(count++);
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    m_db.setDatabaseName(filePath);
    open();
}

RawConnection::RawConnection(const ProgramFolder& folder)
{
    static std::atomic<int> count{0};
    m_name = QStringLiteral("raw_server_%1").arg(count++);
    if (folder.engine() == Engine::File) {
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        m_db.setDatabaseName(folder.databasePath());
    } else {
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_name);
        m_db.setConnectOptions(driverOptions(testServer() + QStringLiteral(" options=-csearch_path=") + folder.schema()));
    }
    open();
}

void RawConnection::open()
{
    if (!m_db.open())
        throw std::runtime_error("cannot open the raw connection: " + m_db.lastError().text().toStdString());
}

RawConnection::~RawConnection()
{
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_name);
}

std::vector<std::vector<QVariant>> RawConnection::rows(const QString& sql)
{
    std::vector<std::vector<QVariant>> result;
    QSqlQuery query(m_db);
    if (!query.exec(sql))
        throw std::runtime_error(("raw query failed: " + sql + ": " + query.lastError().text()).toStdString());
    while (query.next()) {
        std::vector<QVariant> row;
        for (int i = 0; i < query.record().count(); ++i)
            row.push_back(query.value(i));
        result.push_back(std::move(row));
    }
    return result;
}

QVariant RawConnection::scalar(const QString& sql)
{
    const auto result = rows(sql);
    return result.empty() || result.front().empty() ? QVariant() : result.front().front();
}

const std::vector<ColumnCase>& completeBasin()
{
    static const std::vector<ColumnCase> kCases = {
        {col::ProjectNumber, "STP-0001(23)", "STP-0001(23)"},
        {col::PINumber, "0012345", "0012345"},
        {col::DesignerName, "C. Okafor", "C. Okafor"},
        {col::Description, "North ramp, basin below the fill\r\nsecond line", "North ramp, basin below the fill\r\nsecond line"},
        {col::Date, "3/07/2026", "3/7/2026"},
        {col::BasinNumber, "B-7", "B-7"},
        {col::Location, "Sta. 12+50", "Sta. 12+50"},
        {col::Side, "Lt", "Lt"},
        {col::Area, "2.5", "2.5"},
        {col::CFactor, "0.5", "0.5"},
        {col::Slope, " 2 ", "2"},
        {col::VolumeAtFull, "4522.5", "4522.5"},
        {col::VolumeAtCleanOut, "1485", "1485"},
        {col::I1, "4.1", "4.1"},
        {col::I2, "6.9", "6.9"},
        {col::Q2, "5.13", "5.13"},
        {col::Q25, "8.63", "8.63"},
        {col::Depth, "7", "7"},
        {col::BottomWidth, "18.23", "18.23"},
        {col::BottomLength, "36.46", "36.46"},
        {col::TopWidth, "53.23", "53.23"},
        {col::TopLength, "71.46", "71.46"},
        {col::Height, "8.5", "8.5"},
        {col::PrinOutletPipeDiameter, "12", "12"},
        {col::Q, "2.3", "2.3"},
        {col::A, "102.25", "102.25"},
        {col::B, "95.1", "95.1"},
        {col::C, "3.14159265358979", "3.14159265358979"},
        {col::Zd, "2.5", "2.5"},
        {col::T, "10", "10"},
        {col::E, "0.1", "0.1"},
        {col::PrinOutletPipeLength, "48.5", "48.5"},
        {col::Qps, "1.96", "1.96"},
        {col::PrinRiserDiameter, "18", "18"},
        {col::h, "1.2", "1.2"},
        {col::Qes, "6.67", "6.67"},
        {col::EmStage, "0.5", "0.5"},
        {col::EmBottomWidth, "8", "8"},
        {col::EmVelocity, "3.14159265", "3.141593"},
        {col::EmSlope, "3.", "3"},
        {col::County, "Brandt", "Brandt"},
    };
    return kCases;
}

engine::BasinDesign typedBasin()
{
    engine::BasinDesign design;
    for (const ColumnCase& c : completeBasin())
        design[c.column] = c.typed;
    return design;
}

engine::BasinDesign loadedBasin()
{
    engine::BasinDesign design;
    for (const ColumnCase& c : completeBasin())
        design[c.column] = c.loaded;
    return design;
}

}  // namespace storetest
