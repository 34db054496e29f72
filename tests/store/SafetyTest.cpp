// What keeps the designer's work safe in the store: the daily backup copies
// of the database, the lock that lets one Tellum at a time work on it, and
// the stored form that tells whether the basin on screen has changed.

#include "StoreTestSupport.h"

#include "store/DailyBackup.h"
#include "store/DatabaseLock.h"
#include "store/ProjectDatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

namespace col = engine::col;
using storetest::ProgramFolder;
using storetest::RawConnection;

const QDate kToday(2026, 12, 9);

class DailyBackupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_db.createTable("Lot 4"));
        ASSERT_TRUE(m_db.openTable("Lot 4"));
        for (const char* number : {"B-1", "B-2"}) {
            engine::BasinDesign design = storetest::typedBasin();
            design[col::BasinNumber] = number;
            ASSERT_TRUE(m_db.appendRecord(design).ok());
        }
    }
    store::DailyBackup backups() const { return store::DailyBackup(m_folder.databasePath()); }

    ProgramFolder m_folder;
    store::ProjectDatabase m_db{m_folder.path()};
};

// A day's first copy is a whole database with the same rows; the day's
// second asks makes none.
TEST_F(DailyBackupTest, OneWholeCopyADay)
{
    const auto made = m_db.backUpDaily(kToday);
    ASSERT_TRUE(made.ok()) << made.failure().description.toStdString();
    const QString copy = m_folder.filePath("backups/basin-2026-12-09.mdb");
    EXPECT_EQ(*made, copy);
    {
        RawConnection raw(copy);
        const auto rows = raw.rows("SELECT \"Basin Number\", \"Area\" FROM \"Lot 4\" ORDER BY rowid");
        ASSERT_EQ(rows.size(), 2u);
        EXPECT_EQ(rows[0][0].toString(), "B-1");
        EXPECT_EQ(rows[1][0].toString(), "B-2");
    }
    ASSERT_TRUE(m_db.appendRecord(storetest::typedBasin()).ok());
    const auto again = m_db.backUpDaily(kToday);
    ASSERT_TRUE(again.ok());
    EXPECT_TRUE(again->isEmpty());
    EXPECT_EQ(backups().copies(), QStringList{copy});
    RawConnection raw(copy);
    EXPECT_EQ(raw.scalar("SELECT count(*) FROM \"Lot 4\"").toInt(), 2);  // the day's copy stays as it was
}

// The newest ten are kept: the eleventh day's copy removes the oldest, and a
// file of the designer's own in the folder is left alone.
TEST_F(DailyBackupTest, TheNewestTenAreKept)
{
    for (int day = 10; day >= 1; --day)
        ASSERT_TRUE(m_db.backUpDaily(kToday.addDays(-day)).ok());
    QFile own(m_folder.filePath("backups/my copy.mdb"));
    ASSERT_TRUE(own.open(QIODevice::WriteOnly));
    own.close();
    EXPECT_EQ(backups().copies().size(), 10);
    ASSERT_TRUE(m_db.backUpDaily(kToday).ok());
    const QStringList kept = backups().copies();
    ASSERT_EQ(kept.size(), 10);
    EXPECT_EQ(QFileInfo(kept.front()).fileName(), "basin-2026-11-30.mdb");
    EXPECT_EQ(QFileInfo(kept.back()).fileName(), "basin-2026-12-09.mdb");
    EXPECT_TRUE(own.exists());
}

TEST_F(DailyBackupTest, AFolderThatCannotBeMadeIsAFailure)
{
    QFile blocker(m_folder.filePath("backups"));  // a file where the folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const auto made = m_db.backUpDaily(kToday);
    ASSERT_FALSE(made.ok());
    EXPECT_EQ(made.failure().number, store::err::kBackupFailed);
    EXPECT_NE(made.failure().description.indexOf("backups"), -1);
}

// Every write runs the hook first; reading runs none.
TEST_F(DailyBackupTest, EveryWriteRunsTheHookFirst)
{
    int runs = 0;
    m_db.setBeforeWrite([&runs] { ++runs; });
    ASSERT_TRUE(m_db.record(0).ok());
    ASSERT_TRUE(m_db.columnTexts(col::BasinNumber).ok());
    EXPECT_EQ(runs, 0);
    ASSERT_TRUE(m_db.appendRecord(storetest::typedBasin()).ok());
    ASSERT_TRUE(m_db.updateRecord(0, storetest::typedBasin()));
    ASSERT_TRUE(m_db.deleteRecord(2));
    ASSERT_TRUE(m_db.createTable("Lot 5"));
    ASSERT_TRUE(m_db.dropTable("Lot 5"));
    EXPECT_EQ(runs, 5);
}

// --- The lock ---

// A second lock on the folder is refused while its holder runs, and taken
// over once the holder was killed without letting go.
TEST(DatabaseLock, OneHolderAtATimeAndAStaleLockIsTakenOver)
{
    ProgramFolder folder;
    QProcess holder;
    holder.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--hold-lock"), folder.path()});
    ASSERT_TRUE(holder.waitForReadyRead(10000)) << "the holding process did not start";
    ASSERT_EQ(holder.readLine().trimmed(), "locked");

    store::DatabaseLock second(folder.path());
    EXPECT_FALSE(second.tryLock());
    EXPECT_FALSE(second.isLocked());

    holder.kill();  // SIGKILL: the lock file stays behind
    ASSERT_TRUE(holder.waitForFinished(10000));
    ASSERT_TRUE(QFileInfo::exists(folder.filePath(store::DatabaseLock::kFileName)));
    EXPECT_TRUE(second.tryLock());
    EXPECT_TRUE(second.isLocked());
}

// --- The stored form ---

// Texts that store the same value are the same; a changed or refused text is not.
TEST(StoredForm, TellsWhatAStoreWouldWrite)
{
    const engine::BasinDesign typed = storetest::typedBasin();
    const auto with = [&typed](int column, const char* text) {
        engine::BasinDesign design = typed;
        design[column] = text;
        return store::storedForm(design);
    };
    const QVariantList base = store::storedForm(typed);
    EXPECT_EQ(with(col::Slope, "2.50"), with(col::Slope, "2.5"));
    EXPECT_EQ(with(col::Date, "03/07/2026"), with(col::Date, "3/7/2026"));
    EXPECT_EQ(with(col::Area, "0.1"), with(col::Area, "0.100000001"));  // the same 32-bit value
    EXPECT_NE(with(col::Area, "3"), base);
    EXPECT_NE(with(col::Date, "13/45/2026"), with(col::Date, "13/46/2026"));
    EXPECT_NE(with(col::Date, "13/45/2026"), with(col::Date, "3/7/2026"));
    EXPECT_NE(with(col::Description, "North"), with(col::Description, "North "));
}

}  // namespace
