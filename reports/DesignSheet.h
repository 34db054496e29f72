#ifndef REPORTS_DESIGNSHEET_H
#define REPORTS_DESIGNSHEET_H

// The design sheet: one page per basin that a reviewer can check line by
// line. A title block with the project and basin; the five stages of the
// design in order, each value with its unit and, where it has one, its rule
// with the numbers put in; the designer's overwrites beside the tables' own
// choices; the side and top views with their values; a footer with the
// program, the date printed and the page number.
//
// A sheet is built from one basin in its stored text form (the columns of
// engine::BasinDesign, as the main window stores them or as a record loads).
// What the record does not keep is computed again by the engine from the
// stored inputs, with the engine's own number texts, so every number reads as
// the main window shows it.

#include "engine/basin_design.h"
#include "store/Failure.h"

#include <QDate>
#include <QHash>
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QVector>

#include <span>
#include <utility>

class QPagedPaintDevice;
class QPainter;

namespace store {
class ProjectDatabase;
}

namespace reports {

// One line of a stage: what the value is, and the value with its unit and rule.
struct SheetRow {
    QString item;            // "Minimum required storage volume"
    QString value;           // "Vs = 67 cy/ac x A = 67 cy/ac x 1 acres = 67 cy = 1809 cf"
    bool overwrite = false;  // the designer's choice differs from the table's: marked
};

struct SheetStage {
    QString title;  // "Volumes/Runoff"
    QVector<SheetRow> rows;
};

struct DesignSheet {
    QVector<std::pair<QString, QString>> titleFields;  // field name, text
    QVector<SheetStage> stages;                        // the five stages, in order
    QStringList overwrites;  // each overwrite with the table's own choice beside it
    QStringList notes;       // warnings: over-design, a caution channel
    QHash<QString, QString> sideView;  // the side view's value captions, by label name
    QHash<QString, QString> topView;   // the top view's
    QString projectNumber;
    QString basinNumber;
};

// The sheet of one basin of the named project table (empty: none open).
DesignSheet designSheet(const engine::BasinDesign& design, const QString& tableName);

// The sheets of every stored basin of the database's open table, in record order.
store::Result<QVector<DesignSheet>> tableSheets(store::ProjectDatabase& database);

// What the footer of every page names.
struct SheetFooter {
    QString program;  // "Tellum 2.0.3"
    QDate printed;
};

// The page of a sheet when none is chosen: US Letter, landscape, margins of 0.4 in.
QPageLayout defaultPageLayout();

// Paints one sheet into page, given in points (1/72 inch) of the painter's
// coordinates, as page number of count.
void paintSheet(QPainter& painter, const QRectF& page, const DesignSheet& sheet, const SheetFooter& footer, int number,
                int count);

// Paints the sheets on a paged device (a printer, a PDF), one page each, on
// the device's page layout. The painter is active on the device.
void paintSheets(QPainter& painter, QPagedPaintDevice& device, std::span<const DesignSheet> sheets,
                 const SheetFooter& footer);

// Writes the sheets as a PDF file on the default page layout. The file is
// replaced only once the whole document is written.
store::Status writeSheetsPdf(const QString& path, std::span<const DesignSheet> sheets, const SheetFooter& footer);

}  // namespace reports

#endif  // REPORTS_DESIGNSHEET_H
