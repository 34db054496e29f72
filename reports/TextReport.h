#ifndef REPORTS_TEXTREPORT_H
#define REPORTS_TEXTREPORT_H

// The text report report.txt: one header from the first record of the open
// table, then one 28-line block per record, in record order. UTF-8 text with
// CR LF line ends.

#include "engine/basin_design.h"
#include "store/Failure.h"

#include <QString>

#include <optional>
#include <span>
#include <string>

namespace store {
class ProjectDatabase;
}

namespace reports {

inline constexpr const char* kReportFileName = "report.txt";

struct ReportText {
    std::string text;                       // the lines that could be written
    std::optional<store::Failure> failure;  // why the report stopped, if it did
};

// The report of records in their loaded text form (store::ProjectDatabase::
// allRecords). No records, or a record without a Date, stops the report: the
// text then holds the lines before the failing one (nothing for no records).
ReportText buildReport(std::span<const engine::BasinDesign> records);

// The message a failed report shows: "Error: " + description + ".".
QString reportMessage(const store::Failure& failure);

// Writes report.txt in the program folder from the records of the database's
// open table and gives the file's path. Without an open table the old file is
// left untouched. A failure once the file is open leaves the lines written so
// far (an empty table leaves an empty file). Moves no record position.
store::Result<QString> writeReport(store::ProjectDatabase& database, const QString& programFolder);

}  // namespace reports

#endif  // REPORTS_TEXTREPORT_H
