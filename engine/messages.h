#ifndef ENGINE_MESSAGES_H
#define ENGINE_MESSAGES_H

// The texts of the design's messages, shared by every window that shows them.

#include <string>
#include <string_view>

namespace engine::msg {

inline constexpr std::string_view kNotNumber = "Please enter a valid number.";
inline constexpr std::string_view kNotNumberTitle = "Data Type Error";
inline constexpr std::string_view kCFactorTooHigh = "\"C\" factor must be less than 1";
inline constexpr std::string_view kSlopeTooSteep = "Warning: Inner slope may be too steep.";
inline constexpr std::string_view kQ2TooHigh = "Q2 is too high! No pipe size can handle such discharge!";
inline constexpr std::string_view kTableHeightTooLow = "H has to be at least 1 foot above basin's depth.";
inline constexpr std::string_view kHeightAboveElevations =
    "Error: Value of H is greater than the difference between elevation A and elevation B. "
    "Please recompute L or adjust H.";
inline constexpr std::string_view kPipeOutOfRange = "Cannot process because the pipe size is out of given range.";
inline constexpr std::string_view kDistanceBA = "Error:  Distance between B and A is less than H!";
inline constexpr std::string_view kCAboveB = "Error:  Elevation of point C should not be higher than elevation of point B!";
inline constexpr std::string_view kQ25TooHigh = "Q25 is too high! This basin cannot handle such discharge. ";
inline constexpr std::string_view kOverDesigned =
    "Warning: Principal spillway is over designed. Emergency spillway is not needed.";

// The design sheet and the table's export.
inline constexpr std::string_view kNoTableOpen = "No project table is open. Create a table or open one first.";
inline constexpr std::string_view kNoBasinsToShow = "The open table holds no basins: there is no design sheet to show.";
inline constexpr std::string_view kNoPrinterForSheet =
    "No printer is installed on this computer. Save the design sheet as a PDF file instead?";
inline constexpr std::string_view kSheetNotPrinted = "The design sheet could not be sent to the printer.";

// "The design sheet has been saved as " + path + "." (for one sheet), or
// "The " + count + " design sheets have been saved as " + path + ".".
std::string sheetSaved(std::string_view path, int sheetCount);
// "The design sheet could not be saved as " + path + ": " + reason + "."
std::string sheetNotSaved(std::string_view path, std::string_view reason);
// "The table " + table + " has been exported to " + path + "."
std::string tableExported(std::string_view table, std::string_view path);
// "The table could not be exported to " + path + ": " + reason + "."
std::string tableNotExported(std::string_view path, std::string_view reason);

// "H has to be at least " + h + "  foot above basin's depth."
std::string heightTooLow(std::string_view hText);

// "Minimum value = 1 foot above basin's depth. Minimum value = " + minimum + "."
std::string rowBelowMinimum(float minimumHeight);

// "Error: " + description + ". Please, reenter your numbers."
std::string lengthConversionError(std::string_view description);

}  // namespace engine::msg

#endif  // ENGINE_MESSAGES_H
