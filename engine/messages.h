#ifndef ENGINE_MESSAGES_H
#define ENGINE_MESSAGES_H

// The catalogue of every message the program shows: each message box and
// each OK/Cancel question takes its text from here, and the user guide's
// messages page explains every entry (what caused it, what to do), which a
// test checks against this list.
//
// A text with variable parts writes them as %1, %2 ... in the order the
// caller passes them; the rest of the text is its fixed parts, quoted as they
// are on the guide's page. A new message is one constant below, its line in
// catalogue(), and its row on data/Help/messages.html (the row's id is the
// key).

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace engine::msg {

struct Message {
    std::string_view key;      // the id of its row on the guide's messages page
    std::string_view pattern;  // the text; %1, %2 ... stand for its variable parts
    std::string_view title{};  // the box's title; empty for the application's title
};

// ---- Design entries ----
inline constexpr Message kNotNumber{"not-number", "Please enter a valid number.", "Data Type Error"};
inline constexpr Message kCFactorTooHigh{"c-factor", "\"C\" factor must be less than 1"};
inline constexpr Message kSlopeTooSteep{"slope-steep", "Warning: Inner slope may be too steep."};
inline constexpr Message kHeightTooLow{"h-low", "H has to be at least %1  foot above basin's depth."};
inline constexpr Message kTableHeightTooLow{"h-low-table", "H has to be at least 1 foot above basin's depth."};
inline constexpr Message kRowBelowMinimum{"row-below-minimum",
                                          "Minimum value = 1 foot above basin's depth. Minimum value = %1."};
inline constexpr Message kQ2TooHigh{"q2-high", "Q2 is too high! No pipe size can handle such discharge!"};
inline constexpr Message kHeightAboveElevations{
    "h-above-elevations",
    "Error: Value of H is greater than the difference between elevation A and elevation B. "
    "Please recompute L or adjust H."};
inline constexpr Message kLengthConversion{"length-conversion", "Error: %1. Please, reenter your numbers."};
inline constexpr Message kDistanceBA{"distance-ba", "Error:  Distance between B and A is less than H!"};
inline constexpr Message kCAboveB{"c-above-b",
                                  "Error:  Elevation of point C should not be higher than elevation of point B!"};
inline constexpr Message kPipeOutOfRange{"pipe-out-of-range",
                                         "Cannot process because the pipe size is out of given range."};
inline constexpr Message kQ25TooHigh{"q25-high", "Q25 is too high! This basin cannot handle such discharge. "};
inline constexpr Message kOverDesigned{"over-designed",
                                       "Warning: Principal spillway is over designed. Emergency spillway is not needed."};

// ---- The date ----
inline constexpr Message kDateNotValid{"date-not-valid", "Date format is not valid! (MM/DD/YYYY)"};
// %1 the calendar's date line, %2 the month, %3 the year, %4 the month's days.
inline constexpr Message kNoSuchDay{"no-such-day", "There is no %1: %2 %3 has %4 days. Please choose another day."};

// ---- Project tables and basin records; %1 a description, %2 an error number ----
inline constexpr Message kTableExists{"table-exists", "Table already exists! Please choose another name."};
inline constexpr Message kTableCreated{"table-created", "Table %1 created."};
inline constexpr Message kAskDeleteTable{"ask-delete-table", "Are you sure you want to delete a table?"};
inline constexpr Message kTableDeleted{"table-deleted", "Table %1 deleted."};
inline constexpr Message kTableError{"table-error", "Error: %1. Error Number: %2"};
inline constexpr Message kRecordStored{"record-stored", "New record has been added to the table."};
inline constexpr Message kStoreError{"store-error", "%1. Error %2"};
inline constexpr Message kRecordUpdated{"record-updated", "Update Successful!"};
inline constexpr Message kUpdateError{"update-error", "Error Message: %1. Error Number: %2."};
inline constexpr Message kAskDeleteRecord{"ask-delete-record", "Are you sure you want to delete this record?"};
inline constexpr Message kRecordDeleted{"record-deleted", "Record Deleted. "};
inline constexpr Message kDateFormatError{"date-format-error",
                                          "Date format error: enter the date with format \"MM/DD/YYYY\"."};
inline constexpr Message kLoadError{"load-error", "Error, could not perform request.%1. Error Number: %2."};

// ---- The report and the summary ----
inline constexpr Message kReportError{"report-error", "Error: %1."};
inline constexpr Message kNoTextViewer{"no-text-viewer",
                                       "Error: No text viewer could be started; the report is in %1."};
inline constexpr Message kAskSummaryPdf{
    "ask-summary-pdf", "No printer is installed on this computer. Save the summary as a PDF file instead?"};
inline constexpr Message kSummaryNotPrinted{"summary-not-printed", "The summary could not be sent to the printer."};
inline constexpr Message kSummaryNotSaved{"summary-not-saved", "The summary could not be saved as %1."};

// ---- The manual pages, the user guide and About ----
inline constexpr Message kManualPageMissing{"manual-page-missing", "The manual page file \"%1\" is missing."};
inline constexpr Message kManualPageUnreadable{"manual-page-unreadable",
                                               "The manual page file \"%1\" could not be read (%2)."};
// %1 an error number, %2 its description: the contents file, the tree
// images, and a page the search could not read.
inline constexpr Message kGuideFileError{"guide-file-error", "Error: %1 %2"};
inline constexpr Message kPageNotShown{"page-not-shown", "Error: %1. %2"};
inline constexpr Message kFirstPage{"first-page", "First page has been reached."};
inline constexpr Message kLastPage{"last-page", "Last page has been reached."};
inline constexpr Message kAskPagePdf{
    "ask-page-pdf", "No printer is installed on this computer. Save the page as a PDF file instead?"};
inline constexpr Message kPageNotSaved{"page-not-saved", "The page could not be saved as %1."};
inline constexpr Message kPageInUse{
    "page-in-use",
    "File \"%1\" could not be accessed. It may be in used. Press \"Clear\" first then retry the search."};
inline constexpr Message kNoMatch{"no-match", "No match found."};
inline constexpr Message kSysInfoUnavailable{"sysinfo-unavailable", "System Information Is Unavailable At This Time"};

// ---- The design sheet and the table's export ----
inline constexpr Message kNoTableOpen{"no-table-open", "No project table is open. Create a table or open one first."};
inline constexpr Message kNoBasinsToShow{"no-basins-to-show",
                                         "The open table holds no basins: there is no design sheet to show."};
inline constexpr Message kNoPrinterForSheet{
    "ask-sheet-pdf", "No printer is installed on this computer. Save the design sheet as a PDF file instead?"};
inline constexpr Message kSheetNotPrinted{"sheet-not-printed", "The design sheet could not be sent to the printer."};
// %1 the file.
inline constexpr Message kSheetSaved{"sheet-saved", "The design sheet has been saved as %1."};
// %1 the number of sheets, %2 the file.
inline constexpr Message kSheetsSaved{"sheets-saved", "The %1 design sheets have been saved as %2."};
// %1 the file, %2 the reason.
inline constexpr Message kSheetNotSaved{"sheet-not-saved", "The design sheet could not be saved as %1: %2."};
// %1 the table, %2 the file.
inline constexpr Message kTableExported{"table-exported", "The table %1 has been exported to %2."};
// %1 the file, %2 the reason.
inline constexpr Message kTableNotExported{"table-not-exported", "The table could not be exported to %1: %2."};

// ---- Keeping the work safe ----
// %1 names the basin: "Basin B-7 of project STP-0001(23)", "Basin B-7", "The
// basin of project STP-0001(23)" or "The basin on screen".
inline constexpr Message kUnsavedChanges{"unsaved-changes", "%1 has changes that are not stored. Store them first?",
                                         "Changes not stored"};
// %1 the folder of the project database.
inline constexpr Message kAlreadyOpen{"already-open",
                                      "Tellum is already working on the project database in %1. Its window is still "
                                      "open: use that window, or close it and start Tellum again."};
// %1 the reason.
inline constexpr Message kBackupFailed{"backup-failed",
                                       "Today's backup copy of the project database could not be made: %1. Your "
                                       "changes are saved in the database as usual; Tellum tries the backup again "
                                       "when it is next started."};

// ---- The office database ----
// "Update Basin" or "Delete Basin" found the loaded basin changed or deleted
// by another designer since it was loaded: nothing was written. Asked with OK
// and Cancel; the values on screen stay until the designer chooses.
inline constexpr Message kChangedByAnother{
    "changed-by-another",
    "Another designer has changed this basin since you loaded it, so nothing was written. Reload the stored "
    "basin? Your values stay on screen if you cancel.",
    "Changed by another designer"};
inline constexpr Message kDeletedByAnother{
    "deleted-by-another",
    "Another designer has deleted this basin since you loaded it, so nothing was written. Refresh the record "
    "list? Your values stay on screen; \"Store New Basin\" stores them as a new basin.",
    "Deleted by another designer"};

// Every message above, in the order of the guide's page.
std::span<const Message* const> catalogue();

// The text of a message: its pattern with %1, %2 ... replaced by the values,
// in one pass (a value that itself holds "%1" stays as it is).
std::string text(const Message& message, std::span<const std::string> values);
std::string text(const Message& message, std::initializer_list<std::string_view> values = {});

// The fixed parts around the variable ones: "Table %1 created." gives
// "Table " and " created."; a text without variable parts gives itself.
std::vector<std::string_view> fixedParts(const Message& message);

// The sheet texts for one sheet or several: "The design sheet has been
// saved as <path>." or "The <n> design sheets have been saved as <path>.".
std::string sheetSaved(std::string_view path, int sheetCount);

// "H has to be at least " + h + "  foot above basin's depth."
std::string heightTooLow(std::string_view hText);

// "Minimum value = 1 foot above basin's depth. Minimum value = " + minimum + "."
std::string rowBelowMinimum(float minimumHeight);

// "Error: " + description + ". Please, reenter your numbers."
std::string lengthConversionError(std::string_view description);

// The question before the basin on screen is replaced or discarded while it
// has changes that are not stored, naming the basin by what it has of its
// project and basin number: "Basin B-7 of project STP-0001(23) has changes
// that are not stored. Store them first?"
std::string unsavedChanges(std::string_view projectNumber, std::string_view basinNumber);


}  // namespace engine::msg

#endif  // ENGINE_MESSAGES_H
