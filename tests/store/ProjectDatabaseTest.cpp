// The project database against a real SQLite file in a temporary folder and
// against the test server: the same suite runs on both engines.

#include "StoreFixture.h"

#include "engine/basin_design.h"
#include "store/ProjectDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

namespace col = engine::col;
using store::ProjectDatabase;
using storetest::Engine;
using storetest::ProgramFolder;
using storetest::RawConnection;

std::string text(const QString& s) { return s.toStdString(); }

template <class Param>
class StoreTest : public storetest::EngineTest<Param> {
protected:
    // A database with the project table "Lot 4" open.
    void openLot4()
    {
        ASSERT_TRUE(this->db().createTable("Lot 4"));
        ASSERT_TRUE(this->db().openTable("Lot 4"));
    }

    static engine::BasinDesign basinNumbered(const std::string& number)
    {
        engine::BasinDesign design = storetest::typedBasin();
        design[col::BasinNumber] = number;
        return design;
    }

    // The engine's own refusal: SQLite's result code in the file, the
    // SQLSTATE on the server; and a part of its message.
    void expectEngineError(const store::Failure& failure, int sqliteCode, const char* sqlstate, const char* fileText,
                           const char* serverText)
    {
        if (this->onServer()) {
            EXPECT_EQ(failure.number, store::err::kServerError);
            EXPECT_EQ(text(failure.numberText()), sqlstate);
        } else {
            EXPECT_EQ(failure.number, sqliteCode);
        }
        const char* fragment = this->onServer() ? serverText : fileText;
        EXPECT_NE(failure.description.indexOf(QString::fromUtf8(fragment)), -1) << text(failure.description);
    }

    qlonglong rawCount(const QString& table)
    {
        RawConnection raw(this->folder());
        return raw.scalar("SELECT count(*) FROM \"" + table + "\"").toLongLong();
    }
};

using ProjectDatabaseTest = StoreTest<Engine>;
INSTANTIATE_TEST_SUITE_P(Engines, ProjectDatabaseTest, storetest::kBothEngines, storetest::engineParamName);

// --- The file ---

TEST(ProjectDatabaseFile, MissingFileFailsNamingItAndIsNotCreated)
{
    ProgramFolder folder;
    QFile::remove(folder.databasePath());
    ProjectDatabase db(folder.path());

    const store::Status opened = db.open();
    ASSERT_FALSE(opened);
    EXPECT_EQ(opened.failure().number, store::err::kFileNotFound);
    EXPECT_NE(opened.failure().description.indexOf(folder.databasePath()), -1) << text(opened.failure().description);

    // The table operations open the file themselves: they fail the same way.
    const auto names = db.tableNames();
    ASSERT_FALSE(names);
    EXPECT_EQ(names.failure().number, store::err::kFileNotFound);
    EXPECT_FALSE(db.createTable("Lot 4"));
    EXPECT_FALSE(QFileInfo::exists(folder.databasePath()));
}

TEST(ProjectDatabaseFile, FileThatIsNotADatabaseFailsWithSQLiteCode)
{
    ProgramFolder folder;
    QFile file(folder.databasePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();

    ProjectDatabase db(folder.databasePath());  // the file's own path also works
    const store::Status opened = db.open();
    ASSERT_FALSE(opened);
    EXPECT_EQ(opened.failure().number, 26);  // SQLITE_NOTADB
    EXPECT_NE(opened.failure().description.indexOf(folder.databasePath()), -1) << text(opened.failure().description);
}

TEST(ProjectDatabaseFile, EmptyFileIsAnEmptyDatabase)
{
    ProgramFolder folder;
    ProjectDatabase db(folder.path());
    EXPECT_EQ(db.filePath(), folder.databasePath());
    const auto names = db.tableNames();
    ASSERT_TRUE(names);
    EXPECT_TRUE(names->isEmpty());
}

TEST(ProjectDatabaseFile, ProgramFolderNameMayHoldAnyCharacter)
{
    ProgramFolder temporary;
    const QString folder = temporary.filePath("Basins 100% #2 (x86)?");
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(QFile::copy(temporary.databasePath(), folder + "/basin.mdb"));
    {
        ProjectDatabase db(folder);
        ASSERT_TRUE(db.createTable("Lot 4"));
    }
    // The same file, not a new one beside it.
    RawConnection raw(folder + "/basin.mdb");
    EXPECT_EQ(raw.scalar("SELECT name FROM sqlite_master").toString(), "Lot 4");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList({"basin.mdb"}));
}

// --- Tables ---

TEST_P(ProjectDatabaseTest, TableHasTheBasinColumnsWithTheirDeclaredTypesAndNoKeyIndexOrDefault)
{
    ASSERT_TRUE(db().createTable("Lot 4"));
    RawConnection raw(folder());
    if (onServer()) {
        // The server's types, then the hidden key and version.
        const auto columns = raw.rows("SELECT column_name, data_type, is_nullable, column_default, is_identity "
                                      "FROM information_schema.columns WHERE table_schema = current_schema() "
                                      "AND table_name = 'Lot 4' ORDER BY ordinal_position");
        ASSERT_EQ(columns.size(), std::size_t(engine::kColumnCount + 2));
        const char* const types[] = {"text", "date", "real", "double precision"};
        for (int c = 0; c < engine::kColumnCount; ++c) {
            const auto& def = engine::basinColumns()[std::size_t(c)];
            const auto& row = columns[std::size_t(c)];
            EXPECT_EQ(text(row[0].toString()), def.name) << "column " << c;
            EXPECT_EQ(text(row[1].toString()), types[int(def.type)]) << def.name;
            EXPECT_EQ(text(row[2].toString()), "YES") << def.name;
            EXPECT_TRUE(row[3].isNull()) << def.name;
        }
        EXPECT_EQ(text(columns[41][0].toString() + " " + columns[41][1].toString() + " " + columns[41][4].toString()),
                  "tellum_key bigint YES");
        EXPECT_EQ(text(columns[42][0].toString() + " " + columns[42][1].toString() + " " + columns[42][2].toString() +
                       " " + columns[42][3].toString()),
                  "tellum_version integer NO 1");
        return;
    }
    const auto columns = raw.rows("SELECT name, type, \"notnull\", dflt_value, pk FROM pragma_table_info('Lot 4')");
    ASSERT_EQ(columns.size(), std::size_t(engine::kColumnCount));
    for (int c = 0; c < engine::kColumnCount; ++c) {
        const auto& def = engine::basinColumns()[std::size_t(c)];
        const auto& row = columns[std::size_t(c)];
        EXPECT_EQ(text(row[0].toString()), def.name) << "column " << c;
        EXPECT_EQ(text(row[1].toString()), engine::declaredTypeName(def.type)) << def.name;
        EXPECT_EQ(row[2].toInt(), 0) << def.name;
        EXPECT_TRUE(row[3].isNull()) << def.name;
        EXPECT_EQ(row[4].toInt(), 0) << def.name;
    }
    EXPECT_EQ(raw.scalar("SELECT count(*) FROM sqlite_master WHERE type = 'index'").toInt(), 0);
}

TEST_P(ProjectDatabaseTest, TablesAreListedInCreationOrderWithSystemTablesButNeverSQLitesOwn)
{
    for (const char* name : {"Lot 4", "MSysNotes", "OldMSys", "old msys notes", "Airport Rd"})
        ASSERT_TRUE(db().createTable(name)) << name;
    {
        // A table with AUTOINCREMENT makes SQLite add its sqlite_sequence; a
        // key of the server's makes it add a sequence and an index.
        RawConnection raw(folder());
        raw.rows(onServer() ? "CREATE TABLE counter (id serial PRIMARY KEY)"
                            : "CREATE TABLE counter (id INTEGER PRIMARY KEY AUTOINCREMENT)");
        raw.rows("INSERT INTO counter DEFAULT VALUES");
    }
    const auto names = db().tableNames();
    ASSERT_TRUE(names);
    EXPECT_EQ(*names, QStringList({"Lot 4", "MSysNotes", "OldMSys", "old msys notes", "Airport Rd", "counter"}));

    QStringList offered;
    for (const QString& name : *names)
        if (!store::isSystemTableName(name))
            offered << name;
    EXPECT_EQ(offered, QStringList({"Lot 4", "old msys notes", "Airport Rd", "counter"}));
}

TEST_P(ProjectDatabaseTest, SQLiteReservedNameIsRefusedByTheFileOnly)
{
    const store::Status created = db().createTable("sqlite_notes");
    if (onServer()) {
        EXPECT_TRUE(created) << text(created.failure().description);
        return;
    }
    ASSERT_FALSE(created);
    EXPECT_EQ(created.failure().number, 1);  // SQLITE_ERROR
    EXPECT_NE(created.failure().description.indexOf("reserved"), -1) << text(created.failure().description);
}

// Names are the server's identifiers: longer than 63 bytes they would be cut,
// so the server refuses them plainly; the file takes them.
TEST_P(ProjectDatabaseTest, ANameLongerThanTheServerTakesIsRefusedThere)
{
    const QString longest = QString(31, QChar(u'\u00e9')) + "x";  // 63 bytes
    const QString tooLong = longest + "y";
    ASSERT_TRUE(db().createTable(longest));
    ASSERT_TRUE(db().openTable(longest));
    const store::Status created = db().createTable(tooLong);
    if (!onServer()) {
        EXPECT_TRUE(created);
        return;
    }
    ASSERT_FALSE(created);
    EXPECT_EQ(created.failure().number, store::err::kInvalidTableName);
    EXPECT_NE(created.failure().description.indexOf("64 bytes"), -1) << text(created.failure().description);
    EXPECT_EQ(db().tableNames().value(), QStringList{longest});
}

TEST_P(ProjectDatabaseTest, DuplicateCheckIsExactAndTheCaseVariantIsRefusedByTheEngine)
{
    ASSERT_TRUE(db().createTable("Lot 4"));
    EXPECT_TRUE(db().tableExists("Lot 4").value());
    EXPECT_FALSE(db().tableExists("LOT 4").value());
    EXPECT_FALSE(db().tableExists("Lot 4 ").value());

    // The file's names ignore letter case; the server's quoted names do not.
    const store::Status variant = db().createTable("LOT 4");
    if (onServer()) {
        EXPECT_TRUE(variant);
        EXPECT_EQ(db().tableNames().value(), QStringList({"Lot 4", "LOT 4"}));
        const store::Status again = db().createTable("LOT 4");
        ASSERT_FALSE(again);
        expectEngineError(again.failure(), 1, "42P07", "", "relation \"LOT 4\" already exists");
        return;
    }
    ASSERT_FALSE(variant);
    EXPECT_EQ(variant.failure().number, 1);
    EXPECT_NE(variant.failure().description.indexOf("already exists"), -1) << text(variant.failure().description);
    EXPECT_EQ(db().tableNames().value(), QStringList({"Lot 4"}));
}

TEST_P(ProjectDatabaseTest, EmptyTableNameIsRefused)
{
    const store::Status created = db().createTable("");
    ASSERT_FALSE(created);
    EXPECT_EQ(created.failure().number, store::err::kInvalidTableName);
    const store::Status opened = db().openTable("");
    ASSERT_FALSE(opened);
    EXPECT_EQ(opened.failure().number, store::err::kInvalidTableName);
}

// Names the old bracket-built statement could not survive: each is created,
// listed, opened, used and dropped, and no other table is touched.
using AwkwardTableName = StoreTest<std::tuple<Engine, const char*>>;

TEST_P(AwkwardTableName, IsCreatedListedOpenedAndDropped)
{
    const QString name = QString::fromUtf8(std::get<1>(GetParam()));
    ASSERT_TRUE(db().createTable("keep"));
    const store::Status created = db().createTable(name);
    ASSERT_TRUE(created) << created.failure().description.toStdString();
    EXPECT_EQ(db().tableNames().value(), QStringList({"keep", name}));
    EXPECT_TRUE(db().tableExists(name).value());

    ASSERT_TRUE(db().openTable(name));
    EXPECT_EQ(db().tableName(), name);
    EXPECT_EQ(db().recordCount(), 0);
    ASSERT_TRUE(db().appendRecord(basinNumbered("B-1")));
    EXPECT_EQ(db().record(0).value()[col::BasinNumber], "B-1");

    const store::Status dropped = db().dropTable(name);
    ASSERT_TRUE(dropped) << dropped.failure().description.toStdString();
    EXPECT_EQ(db().tableNames().value(), QStringList({"keep"}));
    EXPECT_FALSE(db().hasOpenTable());  // the open table was the one dropped
}

INSTANTIATE_TEST_SUITE_P(Names, AwkwardTableName,
                         ::testing::Combine(storetest::kBothEngines,
                                            ::testing::Values("Lot]4", "keep]; DROP TABLE [keep", "Lot \"4\"", "\"", "]",
                                                              "[Lot 4]", "  blanks around  ", "it's", "Côte-Nord 7",
                                                              "x\"; DROP TABLE keep; --", "\\", "Lot ?",
                                                              "? 'x' ? $1",
                                                              "東京 北")),
                         [](const auto& info) {
                             return storetest::engineName(std::get<0>(info.param)) + std::to_string(info.index);
                         });

TEST_P(ProjectDatabaseTest, DroppingAMissingTableFailsWithTheEngineError)
{
    const store::Status dropped = db().dropTable("nowhere");
    ASSERT_FALSE(dropped);
    expectEngineError(dropped.failure(), 1, "42P01", "no such table", "table \"nowhere\" does not exist");
}

TEST_P(ProjectDatabaseTest, OpeningATableThatIsNotAProjectTableFails)
{
    {
        RawConnection raw(folder());
        raw.rows("CREATE TABLE notes (\"Project Number\" TEXT, remark TEXT)");
    }
    const store::Status opened = db().openTable("notes");
    ASSERT_FALSE(opened);
    EXPECT_EQ(opened.failure().number, store::err::kNotProjectTable);
    EXPECT_FALSE(db().hasOpenTable());

    const store::Status missing = db().openTable("nowhere");
    ASSERT_FALSE(missing);
    expectEngineError(missing.failure(), 1, "42P01", "no such table", "relation \"nowhere\" does not exist");
}

// --- Records ---

TEST_P(ProjectDatabaseTest, StoredBasinLoadsBackInEveryColumn)
{
    openLot4();
    const auto position = db().appendRecord(storetest::typedBasin());
    ASSERT_TRUE(position) << text(position.failure().description);
    EXPECT_EQ(*position, 0);

    const auto loaded = db().record(0);
    ASSERT_TRUE(loaded) << text(loaded.failure().description);
    ASSERT_EQ(storetest::completeBasin().size(), std::size_t(engine::kColumnCount));
    for (const storetest::ColumnCase& c : storetest::completeBasin()) {
        ASSERT_TRUE(loaded.value()[c.column].has_value()) << engine::basinColumns()[std::size_t(c.column)].name;
        EXPECT_EQ(*loaded.value()[c.column], c.loaded) << engine::basinColumns()[std::size_t(c.column)].name;
    }
}

TEST_P(ProjectDatabaseTest, ValuesAreKeptInTheColumnsOwnForm)
{
    openLot4();
    engine::BasinDesign design = storetest::typedBasin();
    design[col::CFactor] = "0.1";  // not exact in binary: kept as the 32-bit float
    design[col::A] = "0.1";        // kept as the 64-bit float
    ASSERT_TRUE(db().appendRecord(design));

    RawConnection raw(folder());
    // The server's real is read as a double precision, which is exact.
    const auto row = raw.rows(
        onServer() ? "SELECT \"Date\", pg_typeof(\"Date\")::text, \"CFactor\"::float8, \"A\", \"Depth\", "
                     "pg_typeof(\"Depth\")::text FROM \"Lot 4\""
                   : "SELECT \"Date\", typeof(\"Date\"), CFactor, A, Depth, typeof(Depth) FROM \"Lot 4\"");
    ASSERT_EQ(row.size(), 1u);
    EXPECT_EQ(row[0][0].toString(), "2026-03-07");
    EXPECT_EQ(row[0][1].toString(), onServer() ? "date" : "text");
    EXPECT_EQ(row[0][2].toDouble(), double(0.1f));
    EXPECT_EQ(row[0][3].toDouble(), 0.1);
    EXPECT_EQ(row[0][4].toDouble(), 7.0);
    EXPECT_EQ(row[0][5].toString(), onServer() ? "real" : "integer");
}

TEST_P(ProjectDatabaseTest, NullColumnsLoadAsNull)
{
    openLot4();
    ASSERT_TRUE(db().appendRecord(engine::BasinDesign{}));
    const auto loaded = db().record(0);
    ASSERT_TRUE(loaded) << text(loaded.failure().description);
    for (int c = 0; c < engine::kColumnCount; ++c)
        EXPECT_FALSE(loaded.value()[c].has_value()) << engine::basinColumns()[std::size_t(c)].name;
    const auto list = db().columnTexts(col::Date);
    ASSERT_TRUE(list);
    ASSERT_EQ(list->size(), 1u);
    EXPECT_FALSE(list->front().has_value());
}

TEST_P(ProjectDatabaseTest, DepthSevenLoadsBackAsSeven)
{
    openLot4();
    engine::BasinDesign design = storetest::typedBasin();
    design[col::Depth] = "7";
    ASSERT_TRUE(db().appendRecord(design));
    ASSERT_TRUE(db().openTable("Lot 4"));  // read afresh
    EXPECT_EQ(db().record(0).value()[col::Depth], "7");
}

TEST_P(ProjectDatabaseTest, ListShowsRecordOrderAndAPositionReachesItsRecord)
{
    openLot4();
    for (const char* designer : {"C", "A", "B"}) {
        engine::BasinDesign design = storetest::typedBasin();
        design[col::DesignerName] = designer;
        ASSERT_TRUE(db().appendRecord(design));
    }
    ASSERT_TRUE(db().openTable("Lot 4"));
    const auto list = db().columnTexts(col::DesignerName);
    ASSERT_TRUE(list);
    EXPECT_EQ(*list, (std::vector<std::optional<std::string>>{"C", "A", "B"}));
    EXPECT_EQ(db().record(1).value()[col::DesignerName], "A");
}

TEST_P(ProjectDatabaseTest, SeveralHundredRecordsEachReachedByPosition)
{
    openLot4();
    constexpr int kCount = 300;
    for (int i = 0; i < kCount; ++i)
        ASSERT_TRUE(db().appendRecord(basinNumbered("B-" + std::to_string(i))));
    ASSERT_TRUE(db().openTable("Lot 4"));
    ASSERT_EQ(db().recordCount(), kCount);
    for (int position : {0, 1, 199, kCount - 1})
        EXPECT_EQ(db().record(position).value()[col::BasinNumber], "B-" + std::to_string(position));

    // Deleting closes the gap; the record after it takes its position.
    ASSERT_TRUE(db().deleteRecord(199));
    EXPECT_EQ(db().recordCount(), kCount - 1);
    EXPECT_EQ(db().record(199).value()[col::BasinNumber], "B-200");
    EXPECT_EQ(db().record(kCount - 2).value()[col::BasinNumber], "B-" + std::to_string(kCount - 1));
    EXPECT_EQ(rawCount("Lot 4"), kCount - 1);

    // Updating rewrites that record only.
    ASSERT_TRUE(db().updateRecord(kCount - 2, basinNumbered("last")));
    const auto list = db().columnTexts(col::BasinNumber);
    ASSERT_TRUE(list);
    ASSERT_EQ(list->size(), std::size_t(kCount - 1));
    EXPECT_EQ(list->back(), "last");
    EXPECT_EQ((*list)[std::size_t(kCount - 3)], "B-" + std::to_string(kCount - 2));

    const auto appended = db().appendRecord(basinNumbered("new"));
    ASSERT_TRUE(appended);
    EXPECT_EQ(*appended, kCount - 1);
    EXPECT_EQ(db().record(kCount - 1).value()[col::BasinNumber], "new");
}

TEST_P(ProjectDatabaseTest, RecordOperationsNeedAnOpenTableAndAValidPosition)
{
    EXPECT_EQ(db().record(0).failure().number, store::err::kNoTableOpen);
    EXPECT_EQ(db().appendRecord(storetest::typedBasin()).failure().number, store::err::kNoTableOpen);
    EXPECT_EQ(db().allRecords().failure().number, store::err::kNoTableOpen);
    openLot4();
    ASSERT_TRUE(db().appendRecord(storetest::typedBasin()));
    for (int position : {-1, 1}) {
        EXPECT_EQ(db().record(position).failure().number, store::err::kNoSuchRecord) << position;
        EXPECT_EQ(db().updateRecord(position, storetest::typedBasin()).failure().number, store::err::kNoSuchRecord);
        EXPECT_EQ(db().deleteRecord(position).failure().number, store::err::kNoSuchRecord);
    }
    EXPECT_EQ(rawCount("Lot 4"), 1);
}

TEST_P(ProjectDatabaseTest, RecordRemovedByAnotherConnectionIsNotTakenForAnother)
{
    openLot4();
    ASSERT_TRUE(db().appendRecord(basinNumbered("B-1")));
    ASSERT_TRUE(db().appendRecord(basinNumbered("B-2")));
    {
        RawConnection raw(folder());
        raw.rows("DELETE FROM \"Lot 4\" WHERE \"Basin Number\" = 'B-1'");
    }
    const store::Status updated = db().updateRecord(0, basinNumbered("changed"));
    ASSERT_FALSE(updated);
    EXPECT_EQ(updated.failure().number, store::err::kDeletedByAnother);
    ASSERT_TRUE(db().refresh());
    EXPECT_EQ(db().record(0).value()[col::BasinNumber], "B-2");
}

// --- Two designers on one table ---

enum class Mine { Update, Delete, ReloadThenUpdate, RefreshThenUpdate };

struct Conflict {
    const char* name;
    bool otherDeletes;  // otherwise the other designer changes the record
    Mine mine;
    int number;  // 0: my write succeeds
};

using ConflictTest = StoreTest<std::tuple<Engine, Conflict>>;

// Both have loaded B-1; the other designer writes first. Mine is refused
// while my loaded values are stale, and writes nothing; a reload makes it
// current again; re-reading only the list does not.
TEST_P(ConflictTest, AStaleWriteIsRefusedAndWritesNothing)
{
    const Conflict& conflict = std::get<1>(GetParam());
    openLot4();
    ASSERT_TRUE(db().appendRecord(basinNumbered("B-1")));
    ASSERT_TRUE(db().appendRecord(basinNumbered("B-2")));
    ProjectDatabase other(folder().path());
    ASSERT_TRUE(other.openTable("Lot 4"));
    ASSERT_TRUE(db().openTable("Lot 4"));
    ASSERT_TRUE(db().record(0));
    ASSERT_TRUE(other.record(0));
    ASSERT_TRUE(conflict.otherDeletes ? other.deleteRecord(0) : other.updateRecord(0, basinNumbered("theirs")));

    if (conflict.mine == Mine::ReloadThenUpdate) {
        ASSERT_TRUE(db().record(0));
    }
    if (conflict.mine == Mine::RefreshThenUpdate) {
        ASSERT_TRUE(db().refresh());
    }
    const store::Status written =
        conflict.mine == Mine::Delete ? db().deleteRecord(0) : db().updateRecord(0, basinNumbered("mine"));
    ASSERT_EQ(written.ok() ? 0 : written.failure().number, conflict.number)
        << (written.ok() ? std::string() : text(written.failure().description));

    ASSERT_TRUE(other.refresh());
    const auto stored = other.columnTexts(col::BasinNumber);
    ASSERT_TRUE(stored);
    using Texts = std::vector<std::optional<std::string>>;
    const Texts expected = conflict.number == 0     ? Texts{"mine", "B-2"}
                           : conflict.otherDeletes ? Texts{"B-2"}
                                                   : Texts{"theirs", "B-2"};
    EXPECT_EQ(*stored, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ConflictTest,
    ::testing::Combine(storetest::kBothEngines,
                       ::testing::Values(Conflict{"ChangeThenUpdate", false, Mine::Update, store::err::kChangedByAnother},
                                         Conflict{"ChangeThenDelete", false, Mine::Delete, store::err::kChangedByAnother},
                                         Conflict{"DeleteThenUpdate", true, Mine::Update, store::err::kDeletedByAnother},
                                         Conflict{"DeleteThenDelete", true, Mine::Delete, store::err::kDeletedByAnother},
                                         Conflict{"ChangeThenListThenUpdate", false, Mine::RefreshThenUpdate,
                                                  store::err::kChangedByAnother},
                                         Conflict{"ChangeThenReloadThenUpdate", false, Mine::ReloadThenUpdate, 0})),
    [](const auto& info) {
        return storetest::engineName(std::get<0>(info.param)) + std::string(std::get<1>(info.param).name);
    });

void PrintTo(const Conflict& conflict, std::ostream* out) { *out << conflict.name; }

// A store never replaces anything: both stored basins are there, in the
// order they were stored, and each designer's positions stay their own.
TEST_P(ProjectDatabaseTest, BothDesignersStoreAndEachSeesTheOthersBasin)
{
    openLot4();
    ProjectDatabase other(folder().path());
    ASSERT_TRUE(other.openTable("Lot 4"));
    EXPECT_EQ(db().appendRecord(basinNumbered("mine")).value(), 0);
    EXPECT_EQ(other.appendRecord(basinNumbered("theirs")).value(), 0);
    EXPECT_TRUE(db().updateRecord(0, basinNumbered("mine, revised")));
    using Texts = std::vector<std::optional<std::string>>;
    for (ProjectDatabase* designer : {&db(), &other}) {
        const auto list = designer->columnTexts(col::BasinNumber);
        ASSERT_TRUE(list);
        EXPECT_EQ(*list, (Texts{"mine, revised", "theirs"}));
    }
    EXPECT_EQ(other.positionOf(other.recordId(1)), 1);
    EXPECT_TRUE(other.updateRecord(1, basinNumbered("theirs, revised")));
    EXPECT_EQ(db().allRecords().value().back()[col::BasinNumber], "theirs, revised");
}

// --- Refused values: nothing is written ---

struct RefusedValue {
    const char* name;
    int column;
    const char* typed;
    int number;
};

void PrintTo(const RefusedValue& value, std::ostream* out) { *out << value.name << " '" << value.typed << "'"; }

using RefusedValueTest = StoreTest<std::tuple<Engine, RefusedValue>>;

TEST_P(RefusedValueTest, StoreAndUpdateFailAndWriteNothing)
{
    const RefusedValue& refused = std::get<1>(GetParam());
    openLot4();
    ASSERT_TRUE(db().appendRecord(basinNumbered("B-1")));
    engine::BasinDesign design = basinNumbered("B-2");
    design[refused.column] = refused.typed;

    const auto stored = db().appendRecord(design);
    ASSERT_FALSE(stored);
    EXPECT_EQ(stored.failure().number, refused.number);
    const auto columnName = engine::basinColumns()[std::size_t(refused.column)].name;
    EXPECT_NE(stored.failure().description.indexOf(QString::fromUtf8(columnName.data(), qsizetype(columnName.size()))), -1)
        << text(stored.failure().description);
    EXPECT_EQ(db().recordCount(), 1);
    EXPECT_EQ(rawCount("Lot 4"), 1);

    const store::Status updated = db().updateRecord(0, design);
    ASSERT_FALSE(updated);
    EXPECT_EQ(updated.failure().number, refused.number);
    const auto kept = db().record(0);
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept.value()[col::BasinNumber], "B-1");
    for (const storetest::ColumnCase& c : storetest::completeBasin()) {
        if (c.column != col::BasinNumber) {
            EXPECT_EQ(kept.value()[c.column], c.loaded) << engine::basinColumns()[std::size_t(c.column)].name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, RefusedValueTest,
    ::testing::Combine(storetest::kBothEngines, ::testing::Values(RefusedValue{"EmptyDate", col::Date, "", store::err::kDateConversion},
                      RefusedValue{"WordsForDate", col::Date, "next Tuesday", store::err::kDateConversion},
                      RefusedValue{"IsoDate", col::Date, "2026-03-07", store::err::kDateConversion},
                      RefusedValue{"NoSuchDay", col::Date, "02/30/2026", store::err::kDateConversion},
                      RefusedValue{"TwoDigitYear", col::Date, "03/07/26", store::err::kDateConversion},
                      RefusedValue{"WordsForArea", col::Area, "two", store::err::kNumberConversion},
                      RefusedValue{"EmptyArea", col::Area, "", store::err::kNumberConversion},
                      RefusedValue{"CommaInCFactor", col::CFactor, "0,5", store::err::kNumberConversion},
                      RefusedValue{"SingleOverflow", col::Q25, "1e39", store::err::kNumberConversion},
                      RefusedValue{"WordsForDouble", col::A, "top", store::err::kNumberConversion})),
    [](const auto& info) {
        return storetest::engineName(std::get<0>(info.param)) + std::string(std::get<1>(info.param).name);
    });

}  // namespace
