#ifndef REPORTS_CSVEXPORT_H
#define REPORTS_CSVEXPORT_H

// The open project table as a CSV file that a spreadsheet opens: UTF-8 (with
// the byte-order mark by which spreadsheets recognise it), lines ended by
// CR LF, a header row of the 41 column names in order, then one row per
// record in record order. A field holding a comma, a double quote, a line
// break or a blank at either end is quoted, with its quotes doubled (RFC
// 4180). Numbers are written as stored, with a point; dates as MM/DD/YYYY; a
// null is an empty field. No value is altered.

#include "engine/basin_design.h"
#include "store/Failure.h"

#include <QString>

#include <span>
#include <string>

namespace store {
class ProjectDatabase;
}

namespace reports {

// The CSV text of records in their loaded text form.
std::string tableCsv(std::span<const engine::BasinDesign> records);

// Writes the database's open table to path; the file is replaced only once
// the whole table is written.
store::Status exportTableCsv(store::ProjectDatabase& database, const QString& path);

}  // namespace reports

#endif  // REPORTS_CSVEXPORT_H
