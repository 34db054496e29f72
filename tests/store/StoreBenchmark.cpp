// Timings of the database and report operations on a project table of 5,000
// basins, in a temporary folder: in basin.mdb, and on the office database of
// the test server when one is given. Prints each figure in milliseconds: the
// median of several runs and the slowest.

#include "StoreTestSupport.h"

#include "reports/TextReport.h"
#include "store/ProjectDatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kBasins = 5000;
constexpr int kRuns = 7;

void check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "store_benchmark: %s failed\n", what);
        std::exit(1);
    }
}

void measure(const char* what, const std::function<void()>& operation)
{
    std::vector<double> ms;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        operation();
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-40s median %8.2f ms   slowest %8.2f ms\n", what, ms[ms.size() / 2], ms.back());
}

// Every basin column, quoted, for copying rows inside a table.
QString basinColumns()
{
    QStringList names;
    for (const auto& column : engine::basinColumns())
        names << '"' + QString::fromUtf8(column.name.data(), qsizetype(column.name.size())) + '"';
    return names.join(", ");
}

void run(storetest::Engine engine)
{
    storetest::ProgramFolder folder(engine);
    const QString table = QStringLiteral("Basins");
    const bool server = engine == storetest::Engine::Server;

    {
        // One basin through the store, then copied up to 5,000 in one go.
        store::ProjectDatabase db(folder.path());
        check(db.createTable(table).ok(), "create table");
        check(db.openTable(table).ok(), "open table");
        check(db.appendRecord(storetest::typedBasin()).ok(), "store the first basin");
        db.close();
        storetest::RawConnection raw(folder);
        const QString copy = QStringLiteral("INSERT INTO \"Basins\" (%1) SELECT %1 FROM \"Basins\"").arg(basinColumns());
        raw.rows("BEGIN");
        while (raw.scalar("SELECT count(*) FROM \"Basins\"").toInt() * 2 <= kBasins)
            raw.rows(copy);
        raw.rows(copy + QStringLiteral(" LIMIT %1 - (SELECT count(*) FROM \"Basins\")").arg(kBasins));
        raw.rows(server ? "UPDATE \"Basins\" SET \"Basin Number\" = 'B-' || tellum_key"
                        : "UPDATE \"Basins\" SET \"Basin Number\" = 'B-' || rowid");
        raw.rows("COMMIT");
        if (server)
            raw.rows("ANALYZE \"Basins\"");
    }

    store::ProjectDatabase db(folder.path());
    check(db.open().ok(), "open the database");
    std::printf("store_benchmark: %s, %d basins, %d runs each\n",
                server ? "office database (local test server)" : "basin.mdb", kBasins, kRuns);

    measure("open the table and read the list column", [&] {
        check(db.openTable(table).ok(), "open table");
        const auto list = db.columnTexts(engine::col::BasinNumber);
        check(list.ok() && int(list->size()) == kBasins, "list column");
    });
    measure("load the last record", [&] {
        const auto design = db.record(db.recordCount() - 1);
        check(design.ok() && design.value()[engine::col::BasinNumber] == "B-" + std::to_string(kBasins), "load last");
    });
    measure("store one basin", [&] { check(db.appendRecord(storetest::typedBasin()).ok(), "store"); });
    int revision = 0;
    measure("update one basin", [&] {
        // A changed value each time: SQLite skips writing a row that stays the same.
        engine::BasinDesign design = storetest::typedBasin();
        design[engine::col::Location] = "Sta. " + std::to_string(++revision);
        check(db.updateRecord(kBasins / 2, design).ok(), "update");
    });
    measure("  of the report: read all records", [&] { check(db.allRecords().ok(), "read all"); });
    const auto records = db.allRecords();
    check(records.ok(), "read all");
    measure("  of the report: build the text", [&] { check(!reports::buildReport(*records).failure, "build"); });
    measure("write the report", [&] { check(reports::writeReport(db, folder.path()).ok(), "report"); });
}

}  // namespace

// The file always; the office database when a test server is given
// (TELLUM_TEST_SERVER, see tools/test-server).
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    run(storetest::Engine::File);
    if (!storetest::testServer().isEmpty())
        run(storetest::Engine::Server);
    return 0;
}
