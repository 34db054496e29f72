#ifndef ENGINE_BASIN_DESIGN_H
#define ENGINE_BASIN_DESIGN_H

// The basin design record: the 41 columns of a project table, their order and
// declared types, and the rules for a new basin and for loading null values.
// This is the one definition of the columns; the store creates tables from it
// and moves values by the positions given here.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace engine {

enum class ColumnType { Text, Date, Single, Double };

// The declared type name of a column in a project table.
std::string_view declaredTypeName(ColumnType type);  // "TEXT", "DATE", "SINGLE", "DOUBLE"

// What "New Basin" does to a field.
enum class NewBasinRule {
    Kept,     // the value on screen stays
    Empty,    // the empty text
    Reset,    // a fixed text (newBasinText)
    Follows,  // recomputed from the inputs that are reset
    Height,   // h + 4, or 5 when h is below 1 (see newBasinHeightText)
};

struct ColumnDef {
    std::string_view name;
    ColumnType type;
    NewBasinRule newBasin;
    std::string_view newBasinText;  // for NewBasinRule::Reset
};

inline constexpr int kColumnCount = 41;

// Column positions, for code that names a column: engine::col::Area.
namespace col {
enum : int {
    ProjectNumber, PINumber, DesignerName, Description, Date, BasinNumber, Location, Side,
    Area, CFactor, Slope, VolumeAtFull, VolumeAtCleanOut, I1, I2, Q2, Q25, Depth,
    BottomWidth, BottomLength, TopWidth, TopLength, Height, PrinOutletPipeDiameter, Q,
    A, B, C, Zd, T, E, PrinOutletPipeLength, Qps, PrinRiserDiameter, h, Qes,
    EmStage, EmBottomWidth, EmVelocity, EmSlope, County,
};
}  // namespace col

// The 41 columns in stored order.
const std::array<ColumnDef, kColumnCount>& basinColumns();

// Position of a column by its exact name, or nothing.
std::optional<int> columnIndex(std::string_view name);

// The positions that loading a record reads, in the order it writes them to
// the screen. The volumes, discharges, basin dimensions and pipe length are
// never loaded: the calculations produce them again from the loaded inputs.
std::span<const int> loadOrder();

// The text a null column loads as: empty for Text and Date columns, "2.5" for
// Slope, "4" for Depth (which selects the 4 ft depth), "0" for other numbers.
std::string_view nullLoadText(int column);

// The text a field's box holds when the main window first shows. Fields that
// no box shows (the held volumes and discharges) give "0".
std::string_view initialText(int column);

// The H that "New Basin" writes: h + 4 in general number text, or "5" when h
// is below 1 or is not a number.
std::string newBasinHeightText(std::string_view hText);

// One basin as the 41 column values in their text form; a missing value is a
// null column.
struct BasinDesign {
    std::array<std::optional<std::string>, kColumnCount> values{};

    const std::optional<std::string>& operator[](int column) const { return values.at(column); }
    std::optional<std::string>& operator[](int column) { return values.at(column); }
};

// The text a column shows once its record is loaded: its value, or the text
// a null loads as.
std::string_view loadedText(const BasinDesign& design, int column);

// Text form of stored values: a Single with at most 7 significant digits, a
// Double with 15, a date as M/D/YYYY (four-digit year, no leading zeros).
std::string singleText(float value);
std::string doubleText(double value);

// A calendar date.
struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

bool isValidDate(const CivilDate& date);

// Reads a date typed as MM/DD/YYYY: one or two digits of month and day, four
// of year, surrounding blanks allowed, and the date must exist. Anything else
// gives nothing.
std::optional<CivilDate> parseUsDate(std::string_view text);

// Reads a stored date, ISO 8601 "YYYY-MM-DD" (a time part after it is ignored).
std::optional<CivilDate> parseIsoDate(std::string_view text);

std::string isoDateText(const CivilDate& date);  // "2026-03-07"
std::string usDateText(const CivilDate& date);   // "3/7/2026"
std::string usDateText2(const CivilDate& date);  // "03/07/2026", as the date box is typed

}  // namespace engine

#endif  // ENGINE_BASIN_DESIGN_H
