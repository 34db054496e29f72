#include "engine/design_tables.h"

#include "engine/number_text.h"

#include <cmath>
#include <vector>

namespace engine {

std::optional<int> pipeColumn(int diameter)
{
    for (std::size_t i = 0; i < kPipeDiameters.size(); ++i)
        if (kPipeDiameters[i] == diameter)
            return int(i);
    return std::nullopt;
}

// ---------------------------------------------------------------------------
namespace table_a {

namespace {

constexpr std::array<int, kRows> kHeights = {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16, 17, 18, 19, 20};

// Pipe flow Q (cfs) as printed, rows by H, columns 8 to 48 inches.
constexpr std::string_view kFlow[kRows][kColumns] = {
    {"1.22", "3.43", "9.48", "19.1", "32.6", "49.9", "71.2", "96.5"},  // 3
    {"1.40", "3.97", "10.9", "22.1", "37.6", "57.7", "82.3", "111"},   // 4
    {"1.57", "4.43", "12.2", "24.7", "42.1", "64.5", "92.0", "125"},   // 5
    {"1.72", "4.86", "13.4", "27.0", "46.1", "70.6", "101", "136"},    // 6
    {"1.86", "5.25", "14.5", "29.2", "49.8", "76.3", "109", "147"},    // 7
    {"1.99", "5.61", "15.5", "31.2", "53.2", "81.5", "116", "158"},    // 8
    {"2.11", "5.95", "16.4", "33.1", "56.4", "86.5", "123", "167"},    // 9
    {"2.22", "6.27", "17.3", "34.9", "59.5", "91.2", "130", "176"},    // 10
    {"2.33", "6.58", "18.2", "36.6", "62.4", "95.6", "136", "185"},    // 11
    {"2.43", "6.87", "19.0", "38.2", "65.2", "99.9", "142", "193"},    // 12
    {"2.53", "7.15", "19.7", "39.8", "67.8", "104", "148", "201"},     // 13
    {"2.63", "7.42", "20.5", "41.3", "70.4", "108", "154", "208"},     // 14
    {"2.81", "7.93", "21.9", "44.2", "75.2", "115", "165", "223"},     // 16
    {"2.90", "8.18", "22.6", "45.5", "77.5", "119", "170", "230"},     // 17
    {"2.98", "8.41", "23.2", "46.8", "79.8", "120", "174", "236"},     // 18
    {"3.06", "8.64", "23.9", "48.1", "82.0", "126", "179", "243"},     // 19
    {"3.14", "8.87", "24.5", "49.4", "84.1", "129", "184", "249"},     // 20
};

std::vector<Cell> buildCells()
{
    std::vector<Cell> cells;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column) {
            const int height = kHeights[std::size_t(row)];
            cells.push_back({8 * (height - kFirstHeight) + column, row, column, height, kFlow[row][column],
                             kPipeDiameterTexts[std::size_t(column)]});
        }
    return cells;
}

const std::vector<Cell>& allCells()
{
    static const std::vector<Cell> cells = buildCells();
    return cells;
}

std::optional<int> rowOfHeight(int height)
{
    for (int row = 0; row < kRows; ++row)
        if (kHeights[std::size_t(row)] == height)
            return row;
    return std::nullopt;
}

}  // namespace

double Cell::flow() const { return parseNumber(q).value_or(0.0); }

std::span<const int> heights() { return kHeights; }

std::span<const Cell> cells() { return allCells(); }

std::optional<int> cellIndex(int height, int column)
{
    if (!rowOfHeight(height) || column < 0 || column >= kColumns)
        return std::nullopt;
    return 8 * (height - kFirstHeight) + column;
}

std::optional<Cell> cellAt(int index)
{
    for (const Cell& cell : allCells())
        if (cell.index == index)
            return cell;
    return std::nullopt;
}

bool isRowEnabled(int height) { return height >= kFirstEnabledHeight; }

Selection selectPipe(double height, double q2)
{
    const double whole = std::trunc(height);
    if (!(whole >= kFirstHeight && whole <= 20) || whole == kMissingHeight)
        return {Outcome::NoRow, std::nullopt};
    const int row = *rowOfHeight(int(whole));
    for (int column = 0; column < kColumns; ++column) {
        const Cell& cell = allCells()[std::size_t(row * kColumns + column)];
        if (cell.flow() > q2)
            return {Outcome::Selected, cell};
    }
    return {Outcome::Q2TooHigh, std::nullopt};
}

std::optional<Cell> cellFor(double diameter, double q)
{
    for (const Cell& cell : allCells())
        if (double(kPipeDiameters[std::size_t(cell.column)]) == diameter && cell.flow() == q)
            return cell;
    return std::nullopt;
}

bool isOverwrite(double q, double automaticQ) { return q != automaticQ; }

}  // namespace table_a

// ---------------------------------------------------------------------------
namespace table_b {

namespace {

// Correction factors as printed, rows by L, columns 8 to 48 inches.
constexpr std::string_view kFactor[kRows][kColumns] = {
    {"1.41", "1.36", "1.29", "1.24", "1.21", "1.18", "1.15", "1.13"},  // 30
    {"1.27", "1.23", "1.20", "1.17", "1.14", "1.12", "1.11", "1.10"},  // 40
    {"1.16", "1.14", "1.12", "1.10", "1.09", "1.08", "1.07", "1.06"},  // 50
    {"1.07", "1.06", "1.05", "1.05", "1.04", "1.04", "1.03", "1.03"},  // 60
    {"1.00", "1.00", "1.00", "1.00", "1.00", "1.00", "1.00", "1.00"},  // 70
    {".94", ".95", ".95", ".96", ".96", ".97", ".97", ".97"},          // 80
    {".89", ".90", ".91", ".92", ".93", ".94", ".94", ".95"},          // 90
    {".85", ".86", ".88", ".89", ".90", ".91", ".92", ".93"},          // 100
    {".79", ".90", ".82", ".83", ".85", ".86", ".87", ".89"},          // 120 (12 in. reads .90 as printed)
    {".73", ".75", ".77", ".79", ".81", ".82", ".84", ".85"},          // 140
    {".69", ".70", ".73", ".75", ".77", ".79", ".80", ".82"},          // 160
};

std::vector<Cell> buildCells()
{
    std::vector<Cell> cells;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            cells.push_back({8 * row + column, row, column, kLengths[std::size_t(row)], kFactor[row][column],
                             kPipeDiameterTexts[std::size_t(column)]});
    return cells;
}

const std::vector<Cell>& allCells()
{
    static const std::vector<Cell> cells = buildCells();
    return cells;
}

}  // namespace

double Cell::factor() const { return parseNumber(cf).value_or(0.0); }

std::span<const Cell> cells() { return allCells(); }

std::optional<Cell> cellAt(int index)
{
    if (index < 0 || index >= kRows * kColumns)
        return std::nullopt;
    return allCells()[std::size_t(index)];
}

std::optional<int> rowForLength(double length)
{
    const double whole = roundHalfEven(length);
    if (!(whole >= kLengths.front() && whole <= kLengths.back()))
        return std::nullopt;
    for (int row = 0; row < kRows; ++row)
        if (whole <= kLengths[std::size_t(row)])
            return row;
    return std::nullopt;
}

Selection selectCorrection(double length, double diameter)
{
    const auto row = rowForLength(length);
    if (!row)
        return {Outcome::LengthOutOfRange, std::nullopt};
    const double whole = roundHalfEven(diameter);
    if (whole == 0)
        return {Outcome::NoPipe, std::nullopt};
    const auto column = std::abs(whole) <= 1000 ? pipeColumn(int(whole)) : std::nullopt;
    if (!column)
        return {Outcome::PipeOutOfRange, std::nullopt};
    return {Outcome::Selected, allCells()[std::size_t(*row * kColumns + *column)]};
}

bool isOverwrite(double qps, double automaticQps)
{
    return roundByPattern(qps, pattern::qps) != roundByPattern(automaticQps, pattern::qps);
}

}  // namespace table_b

// ---------------------------------------------------------------------------
namespace table_es {

namespace {

constexpr std::array<std::string_view, kRows> kStages = {"0.5", "0.6", "0.7", "0.8", "0.9", "1.0", "1.1", "1.2", "1.3",
                                                         "1.4", "1.5", "1.6", "1.7", "1.8", "1.9", "2.0", "2.1"};
constexpr std::array<int, kColumns> kWidths = {8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30, 32, 34, 36, 38, 40};

// Capacity in cfs; a negative entry marks a cell to be used with caution.
constexpr int kCapacity[kRows][kColumns] = {
    {6, -7, -8, -10, -11, -13, -14, -15, -17, -18, -20, -21, -22, -24, -25, -27, -28},
    {8, 10, -12, -14, -16, -18, -20, -22, -24, -26, -28, -30, -32, -34, -35, -37, -39},
    {11, 13, 16, -18, -20, -23, -25, -28, -30, -33, -35, -38, -41, -43, -44, -46, -48},
    {13, 16, 19, 22, -26, -29, -32, -35, -38, -42, -45, -46, -48, -51, -54, -57, -60},
    {17, 20, 24, 28, 32, -35, -39, -43, -47, -51, -53, -57, -60, -64, -68, -71, -75},
    {20, 24, 29, 33, 38, 42, -47, -51, -56, -61, -63, -68, -72, -77, -81, -86, -90},
    {23, 28, 34, 39, 44, 49, 54, -60, -65, -70, -74, -79, -84, -89, -95, -100, -105},
    {28, 33, 40, 45, 51, 58, 64, 69, -76, -80, -86, -92, -98, -104, -110, -116, -122},
    {32, 38, 46, 53, 58, 65, 73, 80, 86, -91, -99, -106, -112, -119, -125, -133, -140},
    {37, 44, 51, 59, 66, 74, 82, 90, 96, -103, -111, -119, -127, -134, -142, -150, -158},
    {41, 50, 58, 66, 75, 85, 92, 101, 108, 116, -125, -133, -142, -150, -160, -169, -178},
    {46, 56, 65, 75, 84, 94, 104, 112, 122, 132, 142, -149, -158, -168, -178, -187, -197},
    {52, 62, 72, 83, 94, 105, 115, 126, 135, 145, 156, 167, -175, -187, -196, -206, -217},
    {58, 69, 81, 93, 104, 116, 127, 138, 150, 160, 171, 182, 194, 204, -214, -226, -233},
    {64, 76, 88, 102, 114, 127, 140, 152, 164, 175, 188, 201, 213, 225, -235, -248, -260},
    {71, 83, 97, 111, 125, 138, 153, 164, 178, 193, 204, 218, 232, 245, 256, -269, -283},
    {77, 91, 107, 122, 135, 149, 162, 177, 192, 207, 220, 234, 250, 267, 276, 291, -305},
};

// Velocity as printed.
constexpr std::string_view kVelocity[kRows][kColumns] = {
    {"2.7", "2.7", "2.7", "2.7", "2.7", "2.7", "2.7", "2.7", "2.7", "2.7", "2.7", "2.7", "2.7", "2.7", "2.7", "2.7", "2.7"},
    {"3.0", "3.0", "3.0", "3.0", "3.0", "3.0", "3.0", "3.0", "3.0", "3.0", "3.0", "3.0", "3.0", "3.0", "3.0", "3.0", "3.0"},
    {"3.2", "3.2", "3.3", "3.3", "3.3", "3.3", "3.3", "3.3", "3.3", "3.3", "3.3", "3.3", "3.3", "3.3", "3.3", "3.3", "3.3"},
    {"3.5", "3.5", "3.5", "3.6", "3.6", "3.6", "3.6", "3.6", "3.6", "3.6", "3.6", "3.6", "3.6", "3.6", "3.6", "3.6", "3.6"},
    {"3.7", "3.8", "3.8", "3.8", "3.8", "3.8", "3.8", "3.8", "3.8", "3.8", "3.8", "3.8", "3.8", "3.8", "3.8", "3.8", "3.8"},
    {"4.0", "4.0", "4.0", "4.0", "4.0", "4.0", "4.0", "4.0", "4.0", "4.0", "4.0", "4.0", "4.0", "4.0", "4.0", "4.0", "4.0"},
    {"4.2", "4.2", "4.2", "4.3", "4.3", "4.3", "4.3", "4.3", "4.3", "4.3", "4.3", "4.3", "4.3", "4.3", "4.3", "4.3", "4.3"},
    {"4.4", "4.4", "4.4", "4.4", "4.4", "4.5", "4.5", "4.5", "4.5", "4.5", "4.5", "4.5", "4.5", "4.5", "4.5", "4.5", "4.5"},
    {"4.5", "4.6", "4.6", "4.6", "4.6", "4.6", "4.7", "4.7", "4.7", "4.7", "4.7", "4.7", "4.7", "4.7", "4.7", "4.7", "4.7"},
    {"4.7", "4.8", "4.8", "4.8", "4.8", "4.8", "4.8", "4.8", "4.8", "4.9", "4.9", "4.9", "4.9", "4.9", "4.9", "4.9", "4.9"},
    {"4.8", "4.9", "4.9", "5.0", "5.0", "5.0", "5.0", "5.0", "5.0", "5.0", "5.0", "5.0", "5.0", "5.0", "5.1", "5.1", "5.1"},
    {"5.0", "5.1", "5.1", "5.1", "5.1", "5.2", "5.2", "5.2", "5.2", "5.2", "5.2", "5.2", "5.2", "5.2", "5.2", "5.2", "5.2"},
    {"5.2", "5.2", "5.2", "5.3", "5.3", "5.3", "5.3", "5.4", "5.4", "5.4", "5.4", "5.4", "5.4", "5.4", "5.4", "5.4", "5.4"},
    {"5.3", "5.4", "5.5", "5.5", "5.5", "5.5", "5.5", "5.5", "5.5", "5.5", "5.5", "5.6", "5.6", "5.6", "5.6", "5.6", "5.6"},
    {"5.5", "5.5", "5.5", "5.6", "5.6", "5.6", "5.7", "5.7", "5.7", "5.7", "5.7", "5.7", "5.7", "5.7", "5.7", "5.7", "5.7"},
    {"5.6", "5.7", "5.7", "5.7", "5.8", "5.8", "5.8", "5.8", "5.8", "5.8", "5.8", "5.9", "5.9", "5.9", "5.9", "5.9", "5.9"},
    {"5.7", "5.8", "5.9", "5.9", "5.9", "5.9", "5.9", "6.0", "6.0", "6.0", "6.0", "6.0", "6.0", "6.0", "6.0", "6.0", "6.0"},
};

// Slope as printed.
constexpr std::string_view kSlope[kRows][kColumns] = {
    {"3.9", "3.9", "3.9", "3.9", "3.8", "3.8", "3.8", "3.8", "3.8", "3.8", "3.8", "3.8", "3.8", "3.8", "3.8", "3.8", "3.8"},
    {"3.7", "3.7", "3.7", "3.7", "3.6", "3.7", "3.6", "3.6", "3.6", "3.6", "3.6", "3.6", "3.6", "3.6", "3.6", "3.6", "3.6"},
    {"3.5", "3.5", "3.4", "3.4", "3.4", "3.4", "3.4", "3.4", "3.4", "3.4", "3.4", "3.4", "3.4", "3.4", "3.4", "3.4", "3.4"},
    {"3.3", "3.3", "3.3", "3.2", "3.2", "3.2", "3.2", "3.2", "3.2", "3.2", "3.2", "3.2", "3.2", "3.2", "3.2", "3.2", "3.2"},
    {"3.2", "3.1", "3.1", "3.1", "3.1", "3.1", "3.1", "3.1", "3.1", "3.1", "3.1", "3.1", "3.1", "3.1", "3.1", "3.1", "3.1"},
    {"3.1", "3.0", "3.0", "3.0", "3.0", "3.0", "3.0", "3.0", "3.0", "3.0", "3.0", "3.0", "3.0", "3.0", "3.0", "3.0", "3.0"},
    {"2.9", "2.9", "2.9", "2.9", "2.9", "2.9", "2.9", "2.9", "2.9", "2.8", "2.8", "2.8", "2.8", "2.8", "2.8", "2.8", "2.8"},
    {"2.9", "2.9", "2.8", "2.8", "2.8", "2.8", "2.8", "2.8", "2.8", "2.8", "2.8", "2.8", "2.8", "2.8", "2.8", "2.8", "2.8"},
    {"2.8", "2.8", "2.8", "2.7", "2.7", "2.7", "2.7", "2.7", "2.7", "2.7", "2.7", "2.7", "2.7", "2.7", "2.7", "2.7", "2.7"},
    {"2.8", "2.7", "2.7", "2.7", "2.7", "2.7", "2.7", "2.6", "2.6", "2.6", "2.6", "2.6", "2.6", "2.6", "2.6", "2.6", "2.6"},
    {"2.7", "2.7", "2.6", "2.6", "2.6", "2.6", "2.6", "2.6", "2.6", "2.6", "2.6", "2.6", "2.6", "2.6", "2.5", "2.5", "2.5"},
    {"2.6", "2.6", "2.6", "2.6", "2.5", "2.5", "2.5", "2.5", "2.5", "2.5", "2.5", "2.5", "2.5", "2.5", "2.5", "2.5", "2.5"},
    {"2.6", "2.6", "2.5", "2.5", "2.5", "2.5", "2.5", "2.5", "2.5", "2.5", "2.5", "2.5", "2.5", "2.5", "2.5", "2.5", "2.5"},
    {"2.5", "2.5", "2.5", "2.4", "2.4", "2.4", "2.4", "2.4", "2.4", "2.4", "2.4", "2.4", "2.4", "2.4", "2.4", "2.4", "2.4"},
    {"2.5", "2.5", "2.5", "2.4", "2.4", "2.4", "2.4", "2.4", "2.4", "2.4", "2.4", "2.4", "2.4", "2.4", "2.4", "2.4", "2.4"},
    {"2.5", "2.4", "2.4", "2.4", "2.4", "2.4", "2.4", "2.4", "2.3", "2.3", "2.3", "2.3", "2.3", "2.3", "2.3", "2.3", "2.3"},
    {"2.4", "2.4", "2.4", "2.4", "2.4", "2.3", "2.3", "2.3", "2.3", "2.3", "2.3", "2.3", "2.3", "2.3", "2.3", "2.3", "2.3"},
};

std::vector<Cell> buildCells()
{
    std::vector<Cell> cells;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column) {
            const int entry = kCapacity[row][column];
            cells.push_back({kColumns * row + column, row, column, entry < 0 ? -entry : entry, entry < 0,
                             kStages[std::size_t(row)], kWidths[std::size_t(column)], kVelocity[row][column],
                             kSlope[row][column]});
        }
    return cells;
}

const std::vector<Cell>& allCells()
{
    static const std::vector<Cell> cells = buildCells();
    return cells;
}

}  // namespace

std::span<const Cell> cells() { return allCells(); }

std::optional<Cell> cellAt(int index)
{
    if (index < 0 || index >= kRows * kColumns)
        return std::nullopt;
    return allCells()[std::size_t(index)];
}

std::span<const std::string_view> stageTexts() { return kStages; }

std::span<const int> bottomWidths() { return kWidths; }

double roundUpCapacity(double qes)
{
    const double whole = std::trunc(qes);
    return qes == whole ? whole : whole + 1;
}

Suggestion suggestChannel(double qes)
{
    double wanted = roundUpCapacity(qes);
    if (wanted < kSmallestCapacity)
        wanted = kSmallestCapacity;
    if (!(wanted <= kLargestCapacity))
        return {Outcome::TooHigh, std::nullopt};
    // The smallest tabulated capacity not below the wanted one; the first cell
    // holding it, row by row, is the lowest stage and then the narrowest width.
    const Cell* best = nullptr;
    for (const Cell& cell : allCells())
        if (cell.capacity >= wanted && (!best || cell.capacity < best->capacity))
            best = &cell;
    return {Outcome::Suggested, *best};
}

std::optional<Cell> cellFor(double stage, double bottomWidth)
{
    for (const Cell& cell : allCells())
        if (float(bottomWidth) == float(cell.bottomWidth) && float(stage) == float(parseNumber(cell.stage).value_or(0)))
            return cell;
    return std::nullopt;
}

std::string sideSlopeRunText(double stage) { return generalText(stage * kSideSlope); }

}  // namespace table_es

}  // namespace engine
