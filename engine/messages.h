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
inline constexpr std::string_view kUnsavedChangesTitle = "Changes not stored";

// A second Tellum started on a project database that one already works on.
std::string alreadyOpen(std::string_view folder);

// Today's backup copy of the project database could not be made.
std::string backupFailed(std::string_view reason);

// Another designer changed or deleted, on the office database, the basin
// that "Update Basin" or "Delete Basin" was to write: nothing was written.
// Asked with OK and Cancel; the values on screen stay until the designer
// chooses.
inline constexpr std::string_view kChangedByAnother =
    "Another designer has changed this basin since you loaded it, so nothing was written. Reload the stored "
    "basin? Your values stay on screen if you cancel.";
inline constexpr std::string_view kChangedByAnotherTitle = "Changed by another designer";
inline constexpr std::string_view kDeletedByAnother =
    "Another designer has deleted this basin since you loaded it, so nothing was written. Refresh the record "
    "list? Your values stay on screen; \"Store New Basin\" stores them as a new basin.";
inline constexpr std::string_view kDeletedByAnotherTitle = "Deleted by another designer";

}  // namespace engine::msg

#endif  // ENGINE_MESSAGES_H
