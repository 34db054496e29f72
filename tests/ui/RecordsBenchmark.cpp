// Timings of the record operations through the main window on a project
// table of 5,000 basins, in a temporary program folder: open the table and
// fill the record list, load the last record, store a basin, update one, write
// the report. Prints each figure in milliseconds: the median of several runs
// and the slowest. Not a test; run it by hand (offscreen by default).

#include "RecordsFixture.h"
#include "../store/StoreTestSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

constexpr int kBasins = 5000;
constexpr int kRuns = 7;
const QString kTable = QStringLiteral("Basins");

void check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "records_benchmark: %s failed\n", what);
        std::exit(1);
    }
}

// prepare runs untimed before each run of operation.
void measure(const char* what, const std::function<void()>& prepare, const std::function<void()>& operation)
{
    std::vector<double> ms;
    for (int run = 0; run < kRuns; ++run) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        operation();
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-44s median %8.2f ms   slowest %8.2f ms\n", what, ms[ms.size() / 2], ms.back());
}

// One complete basin through the store, then copied up to kBasins, each with
// its own number.
void fillTable(const QString& folder)
{
    {
        store::ProjectDatabase db(folder);
        check(db.createTable(kTable).ok(), "create table");
        check(db.openTable(kTable).ok(), "open table");
        check(db.appendRecord(storetest::typedBasin()).ok(), "store the first basin");
    }
    {
        auto raw = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
        raw.setDatabaseName(QDir(folder).filePath(QStringLiteral("basin.mdb")));
        check(raw.open(), "open the file");
        QSqlQuery query(raw);
        check(query.exec(QStringLiteral("INSERT INTO Basins SELECT b.* FROM Basins b, (WITH RECURSIVE n(i) AS "
                                        "(SELECT 2 UNION ALL SELECT i + 1 FROM n WHERE i < %1) SELECT i FROM n)")
                             .arg(kBasins)),
              "copy the basin");
        check(query.exec(QStringLiteral("UPDATE Basins SET \"Basin Number\" = 'B-' || rowid")), "number the basins");
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    check(folder.isValid(), "temporary folder");
    {
        QFile file(folder.filePath(QStringLiteral("basin.mdb")));
        check(file.open(QIODevice::WriteOnly), "create basin.mdb");
    }
    fillTable(folder.path());

    ui::RecordingPresenter presenter;
    recordstest::RecordingServices services;
    ui::setPresenter(&presenter);
    ui::setServices(&services);
    ui::MainFrm window(folder.path());
    window.show();
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("btnAccept")), Qt::LeftButton);
    auto* recordList = window.findChild<QListWidget*>(QStringLiteral("DBList1"));
    auto button = [&window](const char* name) { return window.findChild<QAbstractButton*>(QLatin1String(name)); };

    std::printf("%d basins in table %s\n", kBasins, qPrintable(kTable));
    ui::tableListFrm* tables = nullptr;
    measure(
        "open the table and fill the list",
        [&] {
            QTest::mouseClick(button("LoadFile"), Qt::LeftButton);
            tables = qobject_cast<ui::tableListFrm*>(window.window(QStringLiteral("tableListFrm")));
            check(tables && tables->List1()->count() == 1, "list the tables");
            tables->List1()->setCurrentRow(0);
        },
        [&] { QTest::mouseClick(tables->findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton); });
    check(recordList->count() == kBasins, "fill the record list");

    measure(
        "load the last record",
        [&] {
            QTest::mouseClick(button("newBasinButton"), Qt::LeftButton);
            recordList->scrollToBottom();
        },
        [&] { recordstest::Fixture::clickEntry(recordList, recordList->count() - 1); });
    check(window.findChild<QLineEdit*>(QStringLiteral("proNumText"))->text() == QStringLiteral("B-%1").arg(kBasins),
          "load the last record");

    measure(
        "store a new basin (and refill the list)", [&] { QTest::mouseClick(button("newBasinButton"), Qt::LeftButton); },
        [&] { QTest::mouseClick(button("storeBasinButton"), Qt::LeftButton); });
    check(recordList->count() == kBasins + kRuns, "store");

    measure(
        "update the loaded basin", [&] { recordstest::Fixture::clickEntry(recordList, kBasins / 2); },
        [&] { QTest::mouseClick(button("saveRecButton"), Qt::LeftButton); });

    measure(
        "write the report", [] {}, [&] { QTest::mouseClick(button("viewButton"), Qt::LeftButton); });
    check(services.opened.size() == kRuns, "open the report");

    for (const auto& shown : presenter.shown)
        if (shown.icon != ui::Icon::Information)
            std::printf("message: %s\n", qPrintable(shown.text));
    ui::setPresenter(nullptr);
    ui::setServices(nullptr);
    return 0;
}
