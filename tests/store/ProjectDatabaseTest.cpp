// The project database against a real SQLite file in a temporary folder.

#include "StoreTestSupport.h"

#include "engine/basin_design.h"
#include "store/ProjectDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

namespace col = engine::col;
using store::ProjectDatabase;
using storetest::ProgramFolder;
using storetest::RawConnection;

std::string text(const QString& s) { return s.toStdString(); }

class ProjectDatabaseTest : public ::testing::Test {
protected:
    // A database with the project table "Lot 4" open.
    void openLot4()
    {
        ASSERT_TRUE(m_db.createTable("Lot 4"));
        ASSERT_TRUE(m_db.openTable("Lot 4"));
    }

    engine::BasinDesign basinNumbered(const std::string& number)
    {
        engine::BasinDesign design = storetest::typedBasin();
        design[col::BasinNumber] = number;
        return design;
    }

    qlonglong rawCount(const QString& table)
    {
        RawConnection raw(m_folder.databasePath());
        return raw.scalar("SELECT count(*) FROM \"" + table + "\"").toLongLong();
    }

    ProgramFolder m_folder;
    ProjectDatabase m_db{m_folder.path()};
};

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

TEST_F(ProjectDatabaseTest, TableHasTheBasinColumnsWithTheirDeclaredTypesAndNoKeyIndexOrDefault)
{
    ASSERT_TRUE(m_db.createTable("Lot 4"));
    RawConnection raw(m_folder.databasePath());
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

TEST_F(ProjectDatabaseTest, TablesAreListedInCreationOrderWithSystemTablesButNeverSQLitesOwn)
{
    for (const char* name : {"Lot 4", "MSysNotes", "OldMSys", "old msys notes", "Airport Rd"})
        ASSERT_TRUE(m_db.createTable(name)) << name;
    {
        // A table with AUTOINCREMENT makes SQLite add its sqlite_sequence.
        RawConnection raw(m_folder.databasePath());
        raw.rows("CREATE TABLE counter (id INTEGER PRIMARY KEY AUTOINCREMENT)");
        raw.rows("INSERT INTO counter DEFAULT VALUES");
    }
    const auto names = m_db.tableNames();
    ASSERT_TRUE(names);
    EXPECT_EQ(*names, QStringList({"Lot 4", "MSysNotes", "OldMSys", "old msys notes", "Airport Rd", "counter"}));

    QStringList offered;
    for (const QString& name : *names)
        if (!store::isSystemTableName(name))
            offered << name;
    EXPECT_EQ(offered, QStringList({"Lot 4", "old msys notes", "Airport Rd", "counter"}));
}

TEST_F(ProjectDatabaseTest, SQLiteReservedNameIsRefusedByTheEngine)
{
    const store::Status created = m_db.createTable("sqlite_notes");
    ASSERT_FALSE(created);
    EXPECT_EQ(created.failure().number, 1);  // SQLITE_ERROR
    EXPECT_NE(created.failure().description.indexOf("reserved"), -1) << text(created.failure().description);
}

TEST_F(ProjectDatabaseTest, DuplicateCheckIsExactAndTheCaseVariantIsRefusedByTheEngine)
{
    ASSERT_TRUE(m_db.createTable("Lot 4"));
    EXPECT_TRUE(m_db.tableExists("Lot 4").value());
    EXPECT_FALSE(m_db.tableExists("LOT 4").value());
    EXPECT_FALSE(m_db.tableExists("Lot 4 ").value());

    const store::Status variant = m_db.createTable("LOT 4");
    ASSERT_FALSE(variant);
    EXPECT_EQ(variant.failure().number, 1);
    EXPECT_NE(variant.failure().description.indexOf("already exists"), -1) << text(variant.failure().description);
    EXPECT_EQ(m_db.tableNames().value(), QStringList({"Lot 4"}));
}

TEST_F(ProjectDatabaseTest, EmptyTableNameIsRefused)
{
    const store::Status created = m_db.createTable("");
    ASSERT_FALSE(created);
    EXPECT_EQ(created.failure().number, store::err::kInvalidTableName);
    const store::Status opened = m_db.openTable("");
    ASSERT_FALSE(opened);
    EXPECT_EQ(opened.failure().number, store::err::kInvalidTableName);
}

// Names the old bracket-built statement could not survive: each is created,
// listed, opened, used and dropped, and no other table is touched.
class AwkwardTableName : public ProjectDatabaseTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(AwkwardTableName, IsCreatedListedOpenedAndDropped)
{
    const QString name = QString::fromUtf8(GetParam());
    ASSERT_TRUE(m_db.createTable("keep"));
    const store::Status created = m_db.createTable(name);
    ASSERT_TRUE(created) << created.failure().description.toStdString();
    EXPECT_EQ(m_db.tableNames().value(), QStringList({"keep", name}));
    EXPECT_TRUE(m_db.tableExists(name).value());

    ASSERT_TRUE(m_db.openTable(name));
    EXPECT_EQ(m_db.tableName(), name);
    EXPECT_EQ(m_db.recordCount(), 0);
    ASSERT_TRUE(m_db.appendRecord(basinNumbered("B-1")));
    EXPECT_EQ(m_db.record(0).value()[col::BasinNumber], "B-1");

    const store::Status dropped = m_db.dropTable(name);
    ASSERT_TRUE(dropped) << dropped.failure().description.toStdString();
    EXPECT_EQ(m_db.tableNames().value(), QStringList({"keep"}));
    EXPECT_FALSE(m_db.hasOpenTable());  // the open table was the one dropped
}

INSTANTIATE_TEST_SUITE_P(Names, AwkwardTableName,
                         ::testing::Values("Lot]4", "keep]; DROP TABLE [keep", "Lot \"4\"", "\"", "]", "[Lot 4]",
                                           "  blanks around  ", "it's", "Côte-Nord 7"));

TEST_F(ProjectDatabaseTest, DroppingAMissingTableFailsWithTheEngineError)
{
    const store::Status dropped = m_db.dropTable("nowhere");
    ASSERT_FALSE(dropped);
    EXPECT_EQ(dropped.failure().number, 1);
    EXPECT_NE(dropped.failure().description.indexOf("no such table"), -1) << text(dropped.failure().description);
}

TEST_F(ProjectDatabaseTest, OpeningATableThatIsNotAProjectTableFails)
{
    {
        RawConnection raw(m_folder.databasePath());
        raw.rows("CREATE TABLE notes (\"Project Number\" TEXT, remark TEXT)");
    }
    const store::Status opened = m_db.openTable("notes");
    ASSERT_FALSE(opened);
    EXPECT_EQ(opened.failure().number, store::err::kNotProjectTable);
    EXPECT_FALSE(m_db.hasOpenTable());

    const store::Status missing = m_db.openTable("nowhere");
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.failure().number, 1);
}

// --- Records ---

TEST_F(ProjectDatabaseTest, StoredBasinLoadsBackInEveryColumn)
{
    openLot4();
    const auto position = m_db.appendRecord(storetest::typedBasin());
    ASSERT_TRUE(position) << text(position.failure().description);
    EXPECT_EQ(*position, 0);

    const auto loaded = m_db.record(0);
    ASSERT_TRUE(loaded) << text(loaded.failure().description);
    ASSERT_EQ(storetest::completeBasin().size(), std::size_t(engine::kColumnCount));
    for (const storetest::ColumnCase& c : storetest::completeBasin()) {
        ASSERT_TRUE(loaded.value()[c.column].has_value()) << engine::basinColumns()[std::size_t(c.column)].name;
        EXPECT_EQ(*loaded.value()[c.column], c.loaded) << engine::basinColumns()[std::size_t(c.column)].name;
    }
}

TEST_F(ProjectDatabaseTest, ValuesAreKeptInTheColumnsOwnForm)
{
    openLot4();
    engine::BasinDesign design = storetest::typedBasin();
    design[col::CFactor] = "0.1";  // not exact in binary: kept as the 32-bit float
    design[col::A] = "0.1";        // kept as the 64-bit float
    ASSERT_TRUE(m_db.appendRecord(design));

    RawConnection raw(m_folder.databasePath());
    const auto row = raw.rows("SELECT \"Date\", typeof(\"Date\"), CFactor, A, Depth, typeof(Depth) FROM \"Lot 4\"");
    ASSERT_EQ(row.size(), 1u);
    EXPECT_EQ(row[0][0].toString(), "2026-03-07");
    EXPECT_EQ(row[0][1].toString(), "text");
    EXPECT_EQ(row[0][2].toDouble(), double(0.1f));
    EXPECT_EQ(row[0][3].toDouble(), 0.1);
    EXPECT_EQ(row[0][4].toDouble(), 7.0);
    EXPECT_EQ(row[0][5].toString(), "integer");
}

TEST_F(ProjectDatabaseTest, NullColumnsLoadAsNull)
{
    openLot4();
    ASSERT_TRUE(m_db.appendRecord(engine::BasinDesign{}));
    const auto loaded = m_db.record(0);
    ASSERT_TRUE(loaded) << text(loaded.failure().description);
    for (int c = 0; c < engine::kColumnCount; ++c)
        EXPECT_FALSE(loaded.value()[c].has_value()) << engine::basinColumns()[std::size_t(c)].name;
    const auto list = m_db.columnTexts(col::Date);
    ASSERT_TRUE(list);
    ASSERT_EQ(list->size(), 1u);
    EXPECT_FALSE(list->front().has_value());
}

TEST_F(ProjectDatabaseTest, DepthSevenLoadsBackAsSeven)
{
    openLot4();
    engine::BasinDesign design = storetest::typedBasin();
    design[col::Depth] = "7";
    ASSERT_TRUE(m_db.appendRecord(design));
    ASSERT_TRUE(m_db.openTable("Lot 4"));  // read afresh
    EXPECT_EQ(m_db.record(0).value()[col::Depth], "7");
}

TEST_F(ProjectDatabaseTest, ListShowsRecordOrderAndAPositionReachesItsRecord)
{
    openLot4();
    for (const char* designer : {"C", "A", "B"}) {
        engine::BasinDesign design = storetest::typedBasin();
        design[col::DesignerName] = designer;
        ASSERT_TRUE(m_db.appendRecord(design));
    }
    ASSERT_TRUE(m_db.openTable("Lot 4"));
    const auto list = m_db.columnTexts(col::DesignerName);
    ASSERT_TRUE(list);
    EXPECT_EQ(*list, (std::vector<std::optional<std::string>>{"C", "A", "B"}));
    EXPECT_EQ(m_db.record(1).value()[col::DesignerName], "A");
}

TEST_F(ProjectDatabaseTest, SeveralHundredRecordsEachReachedByPosition)
{
    openLot4();
    constexpr int kCount = 300;
    for (int i = 0; i < kCount; ++i)
        ASSERT_TRUE(m_db.appendRecord(basinNumbered("B-" + std::to_string(i))));
    ASSERT_TRUE(m_db.openTable("Lot 4"));
    ASSERT_EQ(m_db.recordCount(), kCount);
    for (int position : {0, 1, 199, kCount - 1})
        EXPECT_EQ(m_db.record(position).value()[col::BasinNumber], "B-" + std::to_string(position));

    // Deleting closes the gap; the record after it takes its position.
    ASSERT_TRUE(m_db.deleteRecord(199));
    EXPECT_EQ(m_db.recordCount(), kCount - 1);
    EXPECT_EQ(m_db.record(199).value()[col::BasinNumber], "B-200");
    EXPECT_EQ(m_db.record(kCount - 2).value()[col::BasinNumber], "B-" + std::to_string(kCount - 1));
    EXPECT_EQ(rawCount("Lot 4"), kCount - 1);

    // Updating rewrites that record only.
    ASSERT_TRUE(m_db.updateRecord(kCount - 2, basinNumbered("last")));
    const auto list = m_db.columnTexts(col::BasinNumber);
    ASSERT_TRUE(list);
    ASSERT_EQ(list->size(), std::size_t(kCount - 1));
    EXPECT_EQ(list->back(), "last");
    EXPECT_EQ((*list)[std::size_t(kCount - 3)], "B-" + std::to_string(kCount - 2));

    const auto appended = m_db.appendRecord(basinNumbered("new"));
    ASSERT_TRUE(appended);
    EXPECT_EQ(*appended, kCount - 1);
    EXPECT_EQ(m_db.record(kCount - 1).value()[col::BasinNumber], "new");
}

TEST_F(ProjectDatabaseTest, RecordOperationsNeedAnOpenTableAndAValidPosition)
{
    EXPECT_EQ(m_db.record(0).failure().number, store::err::kNoTableOpen);
    EXPECT_EQ(m_db.appendRecord(storetest::typedBasin()).failure().number, store::err::kNoTableOpen);
    EXPECT_EQ(m_db.allRecords().failure().number, store::err::kNoTableOpen);
    openLot4();
    ASSERT_TRUE(m_db.appendRecord(storetest::typedBasin()));
    for (int position : {-1, 1}) {
        EXPECT_EQ(m_db.record(position).failure().number, store::err::kNoSuchRecord) << position;
        EXPECT_EQ(m_db.updateRecord(position, storetest::typedBasin()).failure().number, store::err::kNoSuchRecord);
        EXPECT_EQ(m_db.deleteRecord(position).failure().number, store::err::kNoSuchRecord);
    }
    EXPECT_EQ(rawCount("Lot 4"), 1);
}

TEST_F(ProjectDatabaseTest, RecordRemovedByAnotherConnectionIsNotTakenForAnother)
{
    openLot4();
    ASSERT_TRUE(m_db.appendRecord(basinNumbered("B-1")));
    ASSERT_TRUE(m_db.appendRecord(basinNumbered("B-2")));
    {
        RawConnection raw(m_folder.databasePath());
        raw.rows("DELETE FROM \"Lot 4\" WHERE \"Basin Number\" = 'B-1'");
    }
    const store::Status updated = m_db.updateRecord(0, basinNumbered("changed"));
    ASSERT_FALSE(updated);
    EXPECT_EQ(updated.failure().number, store::err::kNoSuchRecord);
    ASSERT_TRUE(m_db.refresh());
    EXPECT_EQ(m_db.record(0).value()[col::BasinNumber], "B-2");
}

// --- Refused values: nothing is written ---

struct RefusedValue {
    const char* name;
    int column;
    const char* typed;
    int number;
};

void PrintTo(const RefusedValue& value, std::ostream* out) { *out << value.name << " '" << value.typed << "'"; }

class RefusedValueTest : public ProjectDatabaseTest, public ::testing::WithParamInterface<RefusedValue> {};

TEST_P(RefusedValueTest, StoreAndUpdateFailAndWriteNothing)
{
    const RefusedValue& refused = GetParam();
    openLot4();
    ASSERT_TRUE(m_db.appendRecord(basinNumbered("B-1")));
    engine::BasinDesign design = basinNumbered("B-2");
    design[refused.column] = refused.typed;

    const auto stored = m_db.appendRecord(design);
    ASSERT_FALSE(stored);
    EXPECT_EQ(stored.failure().number, refused.number);
    const auto columnName = engine::basinColumns()[std::size_t(refused.column)].name;
    EXPECT_NE(stored.failure().description.indexOf(QString::fromUtf8(columnName.data(), qsizetype(columnName.size()))), -1)
        << text(stored.failure().description);
    EXPECT_EQ(m_db.recordCount(), 1);
    EXPECT_EQ(rawCount("Lot 4"), 1);

    const store::Status updated = m_db.updateRecord(0, design);
    ASSERT_FALSE(updated);
    EXPECT_EQ(updated.failure().number, refused.number);
    const auto kept = m_db.record(0);
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
    ::testing::Values(RefusedValue{"EmptyDate", col::Date, "", store::err::kDateConversion},
                      RefusedValue{"WordsForDate", col::Date, "next Tuesday", store::err::kDateConversion},
                      RefusedValue{"IsoDate", col::Date, "2026-03-07", store::err::kDateConversion},
                      RefusedValue{"NoSuchDay", col::Date, "02/30/2026", store::err::kDateConversion},
                      RefusedValue{"TwoDigitYear", col::Date, "03/07/26", store::err::kDateConversion},
                      RefusedValue{"WordsForArea", col::Area, "two", store::err::kNumberConversion},
                      RefusedValue{"EmptyArea", col::Area, "", store::err::kNumberConversion},
                      RefusedValue{"CommaInCFactor", col::CFactor, "0,5", store::err::kNumberConversion},
                      RefusedValue{"SingleOverflow", col::Q25, "1e39", store::err::kNumberConversion},
                      RefusedValue{"WordsForDouble", col::A, "top", store::err::kNumberConversion}),
    [](const ::testing::TestParamInfo<RefusedValue>& info) { return std::string(info.param.name); });

}  // namespace
