// The office database: the connection file, what the designer is told about
// the server, and the server's refusals. The table and record operations run
// on the server in the suites shared with the file (ProjectDatabaseTest).

#include "StoreFixture.h"

#include "store/ProjectDatabase.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

using store::ProjectDatabase;
using storetest::Engine;
using storetest::ProgramFolder;
using storetest::RawConnection;

std::string text(const QString& s) { return s.toStdString(); }

struct ConnectionFile {
    const char* name;
    const char* text;  // %1: the temporary folder
    int number;
    const char* reason;
};

void PrintTo(const ConnectionFile& file, std::ostream* out) { *out << file.name; }

class ConnectionFileTest : public ::testing::TestWithParam<ConnectionFile> {};

// A connection file that cannot be used is refused with its reason before
// anything is connected, and the local basin.mdb beside it is left alone.
TEST_P(ConnectionFileTest, IsRefusedPlainlyAndNothingElseIsUsed)
{
    const ConnectionFile& c = GetParam();
    ProgramFolder folder;  // with an empty basin.mdb
    folder.writeConnectionFile(QString::fromUtf8(c.text).arg(folder.path()));
    ProjectDatabase db(folder.path());
    EXPECT_TRUE(db.isServer());
    EXPECT_EQ(db.filePath(), folder.filePath("basin.pgconnect"));

    for (const store::Status& status : {db.open(), db.createTable("Lot 4"), db.tableNames().status()}) {
        ASSERT_FALSE(status);
        EXPECT_EQ(status.failure().number, c.number);
        EXPECT_NE(status.failure().description.indexOf(QString::fromUtf8(c.reason).arg(folder.path())), -1)
            << text(status.failure().description);
    }
    EXPECT_EQ(QFileInfo(folder.databasePath()).size(), 0);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({"basin.mdb", "basin.pgconnect"}));
}

INSTANTIATE_TEST_SUITE_P(
    Files, ConnectionFileTest,
    ::testing::Values(
        ConnectionFile{"Password", "host=db1 dbname=basins user=jdoe password=secret", store::err::kConnectionFileInvalid,
                       "holds a password; passwords belong in ~/.pgpass"},
        ConnectionFile{"Empty", "", store::err::kConnectionFileInvalid, "holds no connection string"},
        ConnectionFile{"OnlyComments", "# office database, set up by IT\n", store::err::kConnectionFileInvalid,
                       "holds no connection string"},
        ConnectionFile{"Uri", "postgresql://db1/basins", store::err::kConnectionFileInvalid, "holds a URI"},
        ConnectionFile{"UnclosedQuote", "host='db1 dbname=basins", store::err::kConnectionFileInvalid,
                       "is not a connection string"},
        ConnectionFile{"KeywordWithoutValue", "host", store::err::kConnectionFileInvalid, "is not a connection string"},
        ConnectionFile{"Semicolon", "options='-c a=1;b'", store::err::kConnectionFileInvalid, "';' in the value of options"},
        ConnectionFile{"NoServerThere", "# IT\nhost=%1/none port=5\n dbname=basins user=jdoe",
                       store::err::kConnectionFailed, "Cannot connect to the office database basins on %1/none: "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OfficeDatabase, TheLocationNamesTheDatabaseAndTheServer)
{
    const std::pair<const char*, const char*> cases[] = {
        {"host=db1 port=5433 dbname=basins user=jdoe", "office database basins on db1"},
        {"host = 'db1.office.example' dbname='basins 2'", "office database basins 2 on db1.office.example"},
        {"host=db1,db2 dbname=basins", "office database basins on db1"},
        {"hostaddr=10.1.2.3 dbname=basins", "office database basins on 10.1.2.3"},
        {"service=office", "office database on service office"},
        {"dbname=basins dbname=projects", "office database projects on localhost"},
    };
    for (const auto& [connection, location] : cases) {
        ProgramFolder folder;
        folder.writeConnectionFile(QString::fromUtf8(connection));
        EXPECT_EQ(text(ProjectDatabase(folder.path()).location()), location) << connection;
    }
    ProgramFolder folder;
    const ProjectDatabase file(folder.path());
    EXPECT_FALSE(file.isServer());
    EXPECT_EQ(file.location(), folder.databasePath());
}

// --- On the test server ---

using storetest::ServerTest;

struct Refusal {
    const char* name;
    const char* keywords;  // added to the folder's connection string
    const char* grant;     // what the role may do in the schema
    int number;
    const char* code;
    const char* reason;
};

class ServerRefusalTest : public ServerTest, public ::testing::WithParamInterface<Refusal> {};

// A database the server does not have, a login it refuses, and a role without
// rights in the schema: the message names the database and the server, and
// gives the server's reason; nothing is created.
TEST_P(ServerRefusalTest, NamesTheServerAndTheReason)
{
    const Refusal& refusal = GetParam();
    const QString role = "designer_" + folder().schema();
    {
        RawConnection raw(folder());
        raw.rows("CREATE ROLE " + role + " LOGIN");
        if (*refusal.grant)
            raw.rows(QStringLiteral("GRANT %1 ON SCHEMA %2 TO %3").arg(refusal.grant, folder().schema(), role));
    }
    folder().writeConnectionFile(folder().connectionString() + " " + QString::fromUtf8(refusal.keywords).arg(role));
    {
        ProjectDatabase db(folder().path());
        const store::Status created = db.createTable("Lot 4");
        ASSERT_FALSE(created);
        EXPECT_EQ(created.failure().number, refusal.number);
        EXPECT_EQ(text(created.failure().code), refusal.code);
        const QString host = storetest::testServer().section("host=", 1).section(' ', 0, 0);
        EXPECT_NE(created.failure().description.indexOf(QString::fromUtf8(refusal.reason).arg(host, folder().schema())),
                  -1)
            << text(created.failure().description);
    }
    RawConnection raw(folder());
    raw.rows("DROP OWNED BY " + role);
    raw.rows("DROP ROLE " + role);
    EXPECT_EQ(raw.scalar("SELECT count(*) FROM pg_tables WHERE schemaname = current_schema()").toInt(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, ServerRefusalTest,
    ::testing::Values(Refusal{"NoSuchDatabase", "dbname=no_such_basins", "", store::err::kConnectionFailed, "",
                              "Cannot connect to the office database no_such_basins on %1: "},
                      Refusal{"NoSuchRole", "user=no_such_designer", "", store::err::kConnectionFailed, "",
                              "role \"no_such_designer\" does not exist"},
                      Refusal{"NoUseOfTheSchema", "user=%1", "", store::err::kServerError, "3F000",
                              "no schema has been selected to create in (office database tellum_test on %1)"},
                      Refusal{"NoCreateInTheSchema", "user=%1", "USAGE", store::err::kServerError, "42501",
                              "permission denied for schema %2 (office database tellum_test on %1)"}),
    [](const auto& info) { return std::string(info.param.name); });

void PrintTo(const Refusal& refusal, std::ostream* out) { *out << refusal.name; }

// A connection the server drops fails the operation under way, saying so;
// the next operation connects afresh.
TEST_F(ServerTest, ALostConnectionIsOpenedAgain)
{
    ProjectDatabase db(folder().path());
    ASSERT_TRUE(db.createTable("Lot 4"));
    ASSERT_TRUE(db.openTable("Lot 4"));
    {
        RawConnection raw(folder());
        raw.rows("SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE application_name = '" +
                 folder().schema() + "'");
    }
    const auto lost = db.appendRecord(storetest::typedBasin());
    ASSERT_FALSE(lost);
    EXPECT_EQ(lost.failure().number, store::err::kConnectionFailed);
    EXPECT_NE(lost.failure().description.indexOf("The connection to the office database tellum_test on "), -1)
        << text(lost.failure().description);

    EXPECT_EQ(db.appendRecord(storetest::typedBasin()).value(), 0);
    EXPECT_EQ(db.allRecords().value().size(), 1u);
}

// The server's administrator backs the office database up: Tellum makes no
// copy, and nothing at all is written beside the connection file.
TEST_F(ServerTest, NoBackupAndNothingWrittenBesideTheConnectionFile)
{
    ProjectDatabase db(folder().path());
    int writes = 0;
    db.setBeforeWrite([&writes] { ++writes; });
    ASSERT_TRUE(db.createTable("Lot 4"));
    ASSERT_TRUE(db.openTable("Lot 4"));
    ASSERT_TRUE(db.appendRecord(storetest::typedBasin()));
    EXPECT_EQ(writes, 2);
    const auto backup = db.backUpDaily(QDate(2026, 3, 7));
    ASSERT_TRUE(backup);
    EXPECT_EQ(*backup, QString());
    EXPECT_EQ(QDir(folder().path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"basin.pgconnect"});
}

}  // namespace
