#include "engine/basin_design.h"

#include "engine/number_text.h"

#include <charconv>
#include <cstdio>

namespace engine {

namespace {

using T = ColumnType;
using R = NewBasinRule;

constexpr std::array<ColumnDef, kColumnCount> kColumns = {{
    {"Project Number", T::Text, R::Kept, ""},
    {"PI Number", T::Text, R::Kept, ""},
    {"Designer Name", T::Text, R::Kept, ""},
    {"Description", T::Text, R::Kept, ""},
    {"Date", T::Date, R::Kept, ""},
    {"Basin Number", T::Text, R::Empty, ""},
    {"Location", T::Text, R::Empty, ""},
    {"Side", T::Text, R::Empty, ""},
    {"Area", T::Single, R::Reset, "0"},
    {"CFactor", T::Single, R::Reset, "0."},
    {"Slope", T::Single, R::Reset, "2.5"},
    {"VolumeAtFull", T::Single, R::Follows, ""},
    {"VolumeAtCleanOut", T::Single, R::Follows, ""},
    {"I1", T::Single, R::Reset, "0"},
    {"I2", T::Single, R::Reset, "0"},
    {"Q2", T::Single, R::Follows, ""},
    {"Q25", T::Single, R::Follows, ""},
    {"Depth", T::Single, R::Reset, "4"},
    {"BottomWidth", T::Single, R::Follows, ""},
    {"BottomLength", T::Single, R::Follows, ""},
    {"TopWidth", T::Single, R::Follows, ""},
    {"TopLength", T::Single, R::Follows, ""},
    {"Height", T::Single, R::Height, ""},
    {"PrinOutletPipeDiameter", T::Single, R::Reset, "0"},
    {"Q", T::Single, R::Reset, "0"},
    {"A", T::Double, R::Reset, "0"},
    {"B", T::Double, R::Reset, "0"},
    {"C", T::Double, R::Reset, "0"},
    {"Zd", T::Single, R::Kept, ""},
    {"T", T::Single, R::Reset, "0"},
    {"E", T::Single, R::Reset, "0"},
    {"PrinOutletPipeLength", T::Single, R::Reset, "0"},
    {"Qps", T::Single, R::Reset, "0"},
    {"PrinRiserDiameter", T::Single, R::Follows, ""},
    {"h", T::Single, R::Follows, ""},
    {"Qes", T::Single, R::Follows, ""},
    {"EmStage", T::Single, R::Follows, ""},
    {"EmBottomWidth", T::Single, R::Follows, ""},
    {"EmVelocity", T::Single, R::Follows, ""},
    {"EmSlope", T::Single, R::Follows, ""},
    {"County", T::Text, R::Kept, ""},
}};

constexpr std::array<int, 32> kLoadOrder = {
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 14, 17, 23, 24, 34, 22, 25, 26, 27, 28, 29, 30, 32, 33, 35, 36, 37, 38, 39, 40,
};

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

// Reads a run of 1..maxDigits decimal digits at the front of text.
std::optional<int> takeNumber(std::string_view& text, std::size_t minDigits, std::size_t maxDigits)
{
    std::size_t n = 0;
    while (n < text.size() && n < maxDigits + 1 && text[n] >= '0' && text[n] <= '9')
        ++n;
    if (n < minDigits || n > maxDigits)
        return std::nullopt;
    int value = 0;
    std::from_chars(text.data(), text.data() + n, value);
    text.remove_prefix(n);
    return value;
}

bool takeChar(std::string_view& text, char c)
{
    if (text.empty() || text.front() != c)
        return false;
    text.remove_prefix(1);
    return true;
}

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

}  // namespace

std::string_view declaredTypeName(ColumnType type)
{
    switch (type) {
    case ColumnType::Text: return "TEXT";
    case ColumnType::Date: return "DATE";
    case ColumnType::Single: return "SINGLE";
    case ColumnType::Double: return "DOUBLE";
    }
    return "TEXT";
}

const std::array<ColumnDef, kColumnCount>& basinColumns() { return kColumns; }

std::optional<int> columnIndex(std::string_view name)
{
    for (int i = 0; i < kColumnCount; ++i)
        if (kColumns[std::size_t(i)].name == name)
            return i;
    return std::nullopt;
}

std::span<const int> loadOrder() { return kLoadOrder; }

std::string_view nullLoadText(int column)
{
    switch (kColumns.at(std::size_t(column)).type) {
    case ColumnType::Text:
    case ColumnType::Date: return "";
    case ColumnType::Single:
    case ColumnType::Double: break;
    }
    if (column == col::Slope)
        return "2.5";
    if (column == col::Depth)
        return "4";
    return "0";
}

std::string_view initialText(int column)
{
    switch (column) {
    case col::Slope:
    case col::Zd: return "2.5";
    case col::CFactor: return "0.";
    case col::h: return "1";
    case col::Depth: return "4";
    default: break;
    }
    return kColumns.at(std::size_t(column)).type == ColumnType::Text || kColumns.at(std::size_t(column)).type == ColumnType::Date
               ? ""
               : "0";
}

std::string newBasinHeightText(std::string_view hText)
{
    const auto head = parseNumber(hText);
    if (!head || *head < 1)
        return "5";
    return generalText(*head + 4);
}

std::string_view loadedText(const BasinDesign& design, int column)
{
    const auto& value = design[column];
    return value ? std::string_view(*value) : nullLoadText(column);
}

std::string singleText(float value) { return generalText32(value); }

std::string doubleText(double value) { return generalText(value); }

bool isValidDate(const CivilDate& date)
{
    return date.year >= 1 && date.year <= 9999 && date.month >= 1 && date.month <= 12 && date.day >= 1 &&
           date.day <= daysInMonth(date.year, date.month);
}

std::optional<CivilDate> parseUsDate(std::string_view text)
{
    std::string_view s = trimBlanks(text);
    CivilDate date;
    const auto month = takeNumber(s, 1, 2);
    if (!month || !takeChar(s, '/'))
        return std::nullopt;
    const auto day = takeNumber(s, 1, 2);
    if (!day || !takeChar(s, '/'))
        return std::nullopt;
    const auto year = takeNumber(s, 4, 4);
    if (!year || !s.empty())
        return std::nullopt;
    date = {*year, *month, *day};
    if (!isValidDate(date))
        return std::nullopt;
    return date;
}

std::optional<CivilDate> parseIsoDate(std::string_view text)
{
    std::string_view s = trimBlanks(text);
    const auto year = takeNumber(s, 4, 4);
    if (!year || !takeChar(s, '-'))
        return std::nullopt;
    const auto month = takeNumber(s, 2, 2);
    if (!month || !takeChar(s, '-'))
        return std::nullopt;
    const auto day = takeNumber(s, 2, 2);
    if (!day || !(s.empty() || s.front() == ' ' || s.front() == 'T'))
        return std::nullopt;
    const CivilDate date{*year, *month, *day};
    if (!isValidDate(date))
        return std::nullopt;
    return date;
}

std::string isoDateText(const CivilDate& date)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", date.year, date.month, date.day);
    return buffer;
}

std::string usDateText(const CivilDate& date)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%d/%d/%04d", date.month, date.day, date.year);
    return buffer;
}

std::string usDateText2(const CivilDate& date)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d/%02d/%04d", date.month, date.day, date.year);
    return buffer;
}

}  // namespace engine
