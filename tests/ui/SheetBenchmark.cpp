// Timings of the design sheets of a project table of 500 basins, in a
// temporary folder, offscreen: reading the records and building the sheets,
// painting them into a PDF, the two together, and the print preview. Prints the median of several
// runs and the slowest, in milliseconds of the clock and of the processor
// (the clock's figure depends on what else the machine runs), and the size
// of the file.

#include "../store/StoreTestSupport.h"

#include "reports/DesignSheet.h"
#include "store/ProjectDatabase.h"
#include "ui/DesignSheetPreview.h"
#include "ui/Presenter.h"
#include "ui/Version.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QApplication>
#include <QPrintPreviewWidget>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kBasins = 500;
constexpr int kRuns = 5;

void check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "sheet_benchmark: %s failed\n", what);
        std::exit(1);
    }
}

void measure(const char* what, const std::function<void()>& operation)
{
    std::vector<double> ms, cpu;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        const std::clock_t started = std::clock();
        operation();
        cpu.push_back(double(std::clock() - started) * 1000 / CLOCKS_PER_SEC);
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::sort(cpu.begin(), cpu.end());
    std::printf("%-40s median %7.1f ms  slowest %7.1f ms  (processor: median %7.1f ms)\n", what, ms[ms.size() / 2],
                ms.back(), cpu[cpu.size() / 2]);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    storetest::ProgramFolder folder;
    store::ProjectDatabase db(folder.path());
    check(db.createTable(QStringLiteral("Basins")).ok(), "create table");
    check(db.openTable(QStringLiteral("Basins")).ok(), "open table");
    for (int basin = 1; basin <= kBasins; ++basin) {
        engine::BasinDesign design = storetest::typedBasin();
        design[engine::col::BasinNumber] = "B-" + std::to_string(basin);
        check(db.appendRecord(design).ok(), "store a basin");
    }
    const reports::SheetFooter footer{ui::applicationTitle() + QLatin1Char(' ') + ui::versionNumber(), QDate::currentDate()};
    const QString pdf = folder.filePath(QStringLiteral("sheets.pdf"));
    std::printf("sheet_benchmark: %d basins, %d runs each\n", kBasins, kRuns);

    QVector<reports::DesignSheet> sheets;
    measure("read the records and build the sheets", [&] {
        auto built = reports::tableSheets(db);
        check(built.ok() && built->size() == kBasins, "build the sheets");
        sheets = std::move(built).value();
    });
    measure("paint them into the PDF", [&] { check(reports::writeSheetsPdf(pdf, sheets, footer).ok(), "write the PDF"); });
    measure("the whole table: records to PDF", [&] {
        auto built = reports::tableSheets(db);
        check(built.ok() && reports::writeSheetsPdf(pdf, *built, footer).ok(), "records to PDF");
    });
    measure("show them in the print preview", [&] {
        ui::DesignSheetPreview preview(sheets, QStringLiteral("Design Sheets"), QStringLiteral("sheets"));
        preview.show();
        preview.preview()->updatePreview();
        check(preview.preview()->pageCount() == kBasins, "preview every page");
    });
    std::printf("%-40s %7.1f MB\n", "the PDF of 500 pages", double(QFileInfo(pdf).size()) / 1e6);
    return 0;
}
