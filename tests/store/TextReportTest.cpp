// The text report: the text built from records, then the file written from a
// project table.

#include "StoreFixture.h"

#include "reports/TextReport.h"
#include "store/ProjectDatabase.h"

#include <QFile>

#include <gtest/gtest.h>

#include <sstream>

namespace {

namespace col = engine::col;

// Two basins in their loaded text form; the second has no Side.
engine::BasinDesign firstBasin()
{
    engine::BasinDesign d = storetest::loadedBasin();
    d[col::Description] = "North ramp basins";
    d[col::Date] = "12/25/2026";
    d[col::BasinNumber] = "B-1";
    return d;
}

engine::BasinDesign secondBasin()
{
    engine::BasinDesign d = firstBasin();
    d[col::ProjectNumber] = "not in the header";
    d[col::Date] = "3/7/2026";
    d[col::BasinNumber] = "B-2";
    d[col::Location] = "Sta. 40+00";
    d[col::Side].reset();
    d[col::Area] = "1.2";
    d[col::CFactor] = "0.35";
    d[col::VolumeAtFull] = "2170.8";
    d[col::VolumeAtCleanOut] = "712.8";
    d[col::Q2] = "1.72";
    d[col::Q25] = "2.9";
    d[col::Depth] = "4";
    d[col::Slope] = "2.5";
    d[col::BottomWidth] = "12.5";
    d[col::BottomLength] = "25";
    d[col::TopWidth] = "32.5";
    d[col::TopLength] = "45";
    d[col::PrinOutletPipeLength] = "40";
    d[col::Height] = "5";
    d[col::PrinOutletPipeDiameter] = "8";
    d[col::PrinRiserDiameter] = "12";
    d[col::EmStage] = "0.4";
    d[col::EmBottomWidth] = "6";
    d[col::EmSlope] = "2";
    return d;
}

// The lines of a text with CR LF line ends; fails on a bare LF or an
// unterminated last line.
std::vector<std::string> crlfLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "unterminated last line: " << text.substr(start);
            break;
        }
        const std::string line = text.substr(start, end - start);
        EXPECT_EQ(line.find('\n'), std::string::npos) << "bare line feed in: " << line;
        lines.push_back(line);
        start = end + 2;
    }
    return lines;
}

TEST(ReportText, TwoRecordsGiveTheHeaderAndTwoBlocks)
{
    const std::vector<engine::BasinDesign> records = {firstBasin(), secondBasin()};
    const reports::ReportText report = reports::buildReport(records);
    ASSERT_FALSE(report.failure);

    const std::vector<std::string> expected = {
        "                     ARVENNA DEPARTMENT OF TRANSPORTATION",
        "Project Number: STP-0001(23)    Designer Name: C. Okafor  Date: 12/25/2026   ",
        "PI No.: 0012345     County: Brandt",
        "Description: North ramp basins",
        "=======================================================================",
        // 17 + 29 blanks: "BASIN NUMBER: " starts in column 47.
        "BASIN INFORMATION                             BASIN NUMBER: B-1",
        "                    Location: Sta. 12+50",
        "                    Side: Lt",
        "                    Area: 2.5 acre(s)",
        "                    Coeficient Factor: 0.5",
        "",
        "VOLUME/CAPACITY     Volume at full capacity: 4522.5 cf",
        "                    Volume at clean-out: 1485 cf",
        "                    Q2: 5.13 cfs",
        "                    Q25: 8.63 cfs",
        "",
        "BASIN DIMENSIONS    Depth/Riser Height : 7 ft.",
        "                    slope: 2",
        "                    Bottom Width: 18.23 ft.",
        "                    Bottom Length: 36.46 ft.",
        "                    Top Width: 53.23 ft.",
        "                    Top Length: 71.46 ft.",
        "",
        "PRINCIPAL SPILLWAY  Length of P.S. outlet pipe: 48.5 ft.",
        "                    Distance from P.S. outlet pipe to E.S. crest: 8.5 ft.",
        "                    Diameter of P.S. outlet pipe - Do: 12 in.",
        "                    Minimum  riser diameter - Ds: 18 in.",
        "",
        "EMERGENCY SPILLWAY  Stage: 0.5 ft.",
        "                    Bottom width: 8 ft.",
        "                    External slope: 3",
        "                    Spillway side slope: 2.5",
        "======================================================================",
        // An 8-character date: 31 blanks.
        "BASIN INFORMATION                               BASIN NUMBER: B-2",
        "                    Location: Sta. 40+00",
        "                    Side: ",
        "                    Area: 1.2 acre(s)",
        "                    Coeficient Factor: 0.35",
        "",
        "VOLUME/CAPACITY     Volume at full capacity: 2170.8 cf",
        "                    Volume at clean-out: 712.8 cf",
        "                    Q2: 1.72 cfs",
        "                    Q25: 2.9 cfs",
        "",
        "BASIN DIMENSIONS    Depth/Riser Height : 4 ft.",
        "                    slope: 2.5",
        "                    Bottom Width: 12.5 ft.",
        "                    Bottom Length: 25 ft.",
        "                    Top Width: 32.5 ft.",
        "                    Top Length: 45 ft.",
        "",
        "PRINCIPAL SPILLWAY  Length of P.S. outlet pipe: 40 ft.",
        "                    Distance from P.S. outlet pipe to E.S. crest: 5 ft.",
        "                    Diameter of P.S. outlet pipe - Do: 8 in.",
        "                    Minimum  riser diameter - Ds: 12 in.",
        "",
        "EMERGENCY SPILLWAY  Stage: 0.4 ft.",
        "                    Bottom width: 6 ft.",
        "                    External slope: 2",
        "                    Spillway side slope: 2.5",
        "======================================================================",
    };
    const std::vector<std::string> lines = crlfLines(report.text);
    ASSERT_EQ(lines.size(), 5u + 2 * 28u);
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;

    EXPECT_EQ(lines[5].find("BASIN NUMBER: "), 46u);  // column 47, counted from 1
    EXPECT_EQ(lines[4], std::string(71, '='));
    EXPECT_EQ(lines[32], std::string(70, '='));
}

// A text typed on several lines keeps its report line: each break is one blank.
TEST(ReportText, LineBreaksInsideAFieldBecomeBlanks)
{
    const std::pair<std::string, std::string> cases[] = {
        {"North ramp\nbelow the fill", "North ramp below the fill"},
        {"North ramp\r\nbelow the fill", "North ramp below the fill"},
        {"North ramp\rbelow\n\nthe fill\n", "North ramp below  the fill "},
        {"North ramp\xE2\x80\xA8" "below \xC3\xA9", "North ramp below \xC3\xA9"},
    };
    for (const auto& [stored, reported] : cases) {
        engine::BasinDesign d = firstBasin();
        d[col::Description] = stored;
        d[col::Location] = stored;
        const std::vector<engine::BasinDesign> records = {d};
        const std::vector<std::string> lines = crlfLines(reports::buildReport(records).text);
        ASSERT_EQ(lines.size(), 5u + 28u) << stored;
        EXPECT_EQ(lines[3], "Description: " + reported);
        EXPECT_EQ(lines[6], "                    Location: " + reported);
    }
}

TEST(ReportText, NoRecordsGiveNoTextAndAFailure)
{
    const reports::ReportText report = reports::buildReport({});
    EXPECT_TRUE(report.text.empty());
    ASSERT_TRUE(report.failure);
    EXPECT_EQ(report.failure->number, store::err::kEmptyTable);
}

TEST(ReportText, RecordWithoutDateStopsTheReportThere)
{
    engine::BasinDesign undated = secondBasin();
    undated[col::Date].reset();
    const std::vector<engine::BasinDesign> records = {firstBasin(), undated, firstBasin()};
    const reports::ReportText report = reports::buildReport(records);
    ASSERT_TRUE(report.failure);
    EXPECT_EQ(report.failure->number, store::err::kRecordWithoutDate);
    EXPECT_EQ(reports::reportMessage(*report.failure).toStdString(), "Error: Record 2 has no Date.");
    EXPECT_EQ(crlfLines(report.text).size(), 5u + 28u);
}

TEST(ReportText, HeaderTakesAFirstRecordWithoutDate)
{
    // Only a block needs the date; the header shows it empty.
    engine::BasinDesign undated = firstBasin();
    undated[col::Date].reset();
    const std::vector<engine::BasinDesign> records = {undated};
    const reports::ReportText report = reports::buildReport(records);
    const std::vector<std::string> lines = crlfLines(report.text);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[1], "Project Number: STP-0001(23)    Designer Name: C. Okafor  Date:    ");
}

// --- The file, from the records of the local file or the server ---

class ReportFileTest : public storetest::EngineTest<> {
protected:
    QByteArray reportBytes() const
    {
        QFile file(m_folder->filePath("report.txt"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    void writeOldReport() const
    {
        QFile file(m_folder->filePath("report.txt"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("the previous report\r\n");
    }

};

INSTANTIATE_TEST_SUITE_P(Engines, ReportFileTest, storetest::kBothEngines, storetest::engineParamName);

TEST_P(ReportFileTest, WritesTheStoredRecordsAsUtf8WithCrLf)
{
    ASSERT_TRUE(db().createTable("Lot 4"));
    ASSERT_TRUE(db().openTable("Lot 4"));
    engine::BasinDesign first = storetest::typedBasin();
    first[col::DesignerName] = "José Núñez";
    first[col::Description] = "North ramp basins";
    first[col::Date] = "12/25/2026";
    first[col::CFactor] = "0.50";
    engine::BasinDesign second = storetest::typedBasin();
    second[col::Side].reset();
    second[col::Description] = "North ramp basins";
    ASSERT_TRUE(db().appendRecord(first));
    ASSERT_TRUE(db().appendRecord(second));
    writeOldReport();

    const auto written = reports::writeReport(db(), folder().path());
    ASSERT_TRUE(written) << written.failure().description.toStdString();
    EXPECT_EQ(*written, folder().filePath("report.txt"));

    const QByteArray bytes = reportBytes();
    const std::vector<std::string> lines = crlfLines(bytes.toStdString());
    ASSERT_EQ(lines.size(), 5u + 2 * 28u);
    EXPECT_EQ(lines[1], "Project Number: STP-0001(23)    Designer Name: Jos\xC3\xA9 N\xC3\xBA\xC3\xB1" "ez  Date: 12/25/2026   ");
    EXPECT_EQ(lines[5], "BASIN INFORMATION                             BASIN NUMBER: B-7");
    EXPECT_EQ(lines[9], "                    Coeficient Factor: 0.5");
    EXPECT_EQ(lines[5 + 28], "BASIN INFORMATION                               BASIN NUMBER: B-7");
    EXPECT_EQ(lines[5 + 28 + 2], "                    Side: ");
    EXPECT_EQ(lines[16], "BASIN DIMENSIONS    Depth/Riser Height : 7 ft.");
}

TEST_P(ReportFileTest, WithNoTableOpenTheOldReportIsUntouched)
{
    writeOldReport();
    const auto written = reports::writeReport(db(), folder().path());
    ASSERT_FALSE(written);
    EXPECT_EQ(written.failure().number, store::err::kNoTableOpen);
    EXPECT_EQ(reports::reportMessage(written.failure()).toStdString(), "Error: No table is open.");
    EXPECT_EQ(reportBytes(), QByteArray("the previous report\r\n"));
}

TEST_P(ReportFileTest, EmptyTableLeavesAnEmptyFile)
{
    ASSERT_TRUE(db().createTable("Lot 4"));
    ASSERT_TRUE(db().openTable("Lot 4"));
    writeOldReport();
    const auto written = reports::writeReport(db(), folder().path());
    ASSERT_FALSE(written);
    EXPECT_EQ(written.failure().number, store::err::kEmptyTable);
    EXPECT_EQ(reportBytes(), QByteArray());
}

TEST_P(ReportFileTest, ReportLeavesTheRecordPositionsAlone)
{
    ASSERT_TRUE(db().createTable("Lot 4"));
    ASSERT_TRUE(db().openTable("Lot 4"));
    for (const char* number : {"B-1", "B-2", "B-3"}) {
        engine::BasinDesign design = storetest::typedBasin();
        design[col::BasinNumber] = number;
        ASSERT_TRUE(db().appendRecord(design));
    }
    ASSERT_TRUE(reports::writeReport(db(), folder().path()));
    engine::BasinDesign changed = storetest::typedBasin();
    changed[col::BasinNumber] = "B-2 revised";
    ASSERT_TRUE(db().updateRecord(1, changed));
    const auto list = db().columnTexts(col::BasinNumber);
    ASSERT_TRUE(list);
    EXPECT_EQ(*list, (std::vector<std::optional<std::string>>{"B-1", "B-2 revised", "B-3"}));
}

}  // namespace
