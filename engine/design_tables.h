#ifndef ENGINE_DESIGN_TABLES_H
#define ENGINE_DESIGN_TABLES_H

// The three design tables of the erosion and sediment control manual, as
// printed, with their cell indexing and the automatic choice each makes.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace engine {

// Outlet pipe diameters (inches) of tables 6-22.1 (A) and (B), left to right.
inline constexpr std::array<int, 8> kPipeDiameters = {8, 12, 18, 24, 30, 36, 42, 48};
inline constexpr std::array<std::string_view, 8> kPipeDiameterTexts = {"8", "12", "18", "24", "30", "36", "42", "48"};

// Column of a diameter in tables 6-22.1 (A) and (B), or nothing.
std::optional<int> pipeColumn(int diameter);

// ---- Table 6-22.1 (A): pipe flow Q (cfs) by H (ft) and diameter Do (in.) ----
namespace table_a {

inline constexpr int kRows = 17;  // H = 3 to 20, no row for 15
inline constexpr int kColumns = 8;
inline constexpr int kFirstHeight = 3;
inline constexpr int kMissingHeight = 15;
inline constexpr int kFirstEnabledHeight = 5;  // rows 3 and 4 are greyed

struct Cell {
    int index = 0;          // 8 x (H - 3) + column; 96-103 do not exist
    int row = 0;            // 0 to 16, top to bottom
    int column = 0;         // 0 to 7
    int height = 0;         // the row's H
    std::string_view q;     // the caption as printed ("1.22", "111")
    std::string_view diameter;  // the column's Do ("8" ... "48")
    std::string heightText() const { return std::to_string(height); }
    double flow() const;    // numeric value of q
};

std::span<const int> heights();     // 3 ... 14, 16 ... 20
std::span<const Cell> cells();      // all 136 cells, row by row
std::optional<Cell> cellAt(int index);
std::optional<int> cellIndex(int height, int column);
bool isRowEnabled(int height);

enum class Outcome {
    Selected,    // a pipe was chosen
    NoRow,       // whole part of H below 3, above 20 or 15: nothing, no message
    Q2TooHigh,   // no cell of the row exceeds Q2: "Q2 is too high! ..."
};

struct Selection {
    Outcome outcome = Outcome::NoRow;
    std::optional<Cell> cell;  // the chosen cell when Selected
};

// The automatic choice: the row of H's whole part, the first cell from 8 to
// 48 inches whose Q is strictly greater than Q2.
Selection selectPipe(double height, double q2);

// The cell whose Do and Q are a chosen pipe's (a column holds every Q once),
// or nothing when the pair is not in the table.
std::optional<Cell> cellFor(double diameter, double q);

// The blue mark: the main window's Q is not the automatic choice's.
bool isOverwrite(double q, double automaticQ);

}  // namespace table_a

// ---- Table 6-22.1 (B): correction factor CF by pipe length L and Do ----
namespace table_b {

inline constexpr int kRows = 11;
inline constexpr int kColumns = 8;
inline constexpr std::array<int, kRows> kLengths = {30, 40, 50, 60, 70, 80, 90, 100, 120, 140, 160};

struct Cell {
    int index = 0;   // 8 x row + column
    int row = 0;
    int column = 0;
    int length = 0;
    std::string_view cf;        // as printed (".94", "1.00")
    std::string_view diameter;  // "8" ... "48"
    double factor() const;
};

std::span<const Cell> cells();  // all 88 cells, row by row
std::optional<Cell> cellAt(int index);

// The row (0 to 10) for a length: rounded half to even, then the row of the
// next tabulated length at or above it; nothing below 30 or above 160.
std::optional<int> rowForLength(double length);

enum class Outcome {
    Selected,
    LengthOutOfRange,  // nothing changes, no message
    NoPipe,            // Do is 0: nothing changes, no message
    PipeOutOfRange,    // "Cannot process because the pipe size is out of given range."
};

struct Selection {
    Outcome outcome = Outcome::LengthOutOfRange;
    std::optional<Cell> cell;
};

// The automatic choice for a length L and a diameter Do (read as a whole
// number, half to even).
Selection selectCorrection(double length, double diameter);

// The blue mark: the main window's Qps is not the automatic Q x CF, the two
// compared at the main window's two decimals (a stored 12.2 against the
// table's 12.20, or 23.71 against 23.712, is the table's own).
bool isOverwrite(double qps, double automaticQps);

}  // namespace table_b

// ---- Table 6-22.4: emergency spillway channels by stage Hp and bottom width b ----
namespace table_es {

inline constexpr int kRows = 17;     // Hp 0.5 to 2.1
inline constexpr int kColumns = 17;  // b 8 to 40
inline constexpr int kSmallestCapacity = 6;
inline constexpr int kLargestCapacity = 305;
inline constexpr double kSideSlope = 2.5;  // the channel's side slope, horizontal per vertical

struct Cell {
    int index = 0;  // 17 x row + column
    int row = 0;
    int column = 0;
    int capacity = 0;              // cfs
    bool caution = false;          // to be used with caution
    std::string_view stage;        // Hp as printed ("0.5")
    int bottomWidth = 0;           // b, ft
    std::string_view velocity;     // as printed ("4.0")
    std::string_view slope;        // as printed ("3.0")
    std::string capacityText() const { return std::to_string(capacity); }
    std::string bottomWidthText() const { return std::to_string(bottomWidth); }
};

std::span<const Cell> cells();  // all 289 cells, row by row
std::optional<Cell> cellAt(int index);
std::span<const std::string_view> stageTexts();  // "0.5" ... "2.1"
std::span<const int> bottomWidths();              // 8 ... 40

// Qes rounded up to a whole number: the whole part (truncated towards zero)
// plus 1 when Qes has a fraction. Any negative Qes ends at the smallest
// capacity anyway.
double roundUpCapacity(double qes);

enum class Outcome {
    Suggested,
    TooHigh,  // "Q25 is too high! This basin cannot handle such discharge. "
};

struct Suggestion {
    Outcome outcome = Outcome::TooHigh;
    std::optional<Cell> cell;
};

// The smallest tabulated capacity not below Qes rounded up (at least 6); the
// lowest stage wins, then the narrowest bottom width.
Suggestion suggestChannel(double qes);

// The cell of a chosen stage Hp and bottom width b (compared as 32-bit
// floats, as the record keeps them), or nothing.
std::optional<Cell> cellFor(double stage, double bottomWidth);

// The horizontal run of the channel's 2.5 : 1 side slope at a stage, in
// general number text: 0.5 gives "1.25".
std::string sideSlopeRunText(double stage);

}  // namespace table_es

}  // namespace engine

#endif  // ENGINE_DESIGN_TABLES_H
