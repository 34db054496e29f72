#include "engine/basin_design.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace engine;

TEST(BasinColumns, FortyOneUniqueColumnsFoundByName) {
    const auto& columns = basinColumns();
    ASSERT_EQ(columns.size(), 41u);
    std::set<std::string_view> names;
    for (int i = 0; i < kColumnCount; ++i) {
        names.insert(columns[i].name);
        EXPECT_EQ(columnIndex(columns[i].name), i) << columns[i].name;
    }
    EXPECT_EQ(names.size(), 41u);
    EXPECT_FALSE(columnIndex("area").has_value());           // names are exact
    EXPECT_FALSE(columnIndex("ProjectNumber").has_value());  // the stored name has a blank
    EXPECT_FALSE(columnIndex("").has_value());
}

TEST(BasinColumns, StoredNamesTypesAndPositions) {
    struct Row {
        int position;
        const char* name;
        ColumnType type;
    };
    const Row rows[] = {
        {0, "Project Number", ColumnType::Text},   {1, "PI Number", ColumnType::Text},
        {4, "Date", ColumnType::Date},             {8, "Area", ColumnType::Single},
        {11, "VolumeAtFull", ColumnType::Single},  {17, "Depth", ColumnType::Single},
        {22, "Height", ColumnType::Single},        {23, "PrinOutletPipeDiameter", ColumnType::Single},
        {25, "A", ColumnType::Double},             {27, "C", ColumnType::Double},
        {28, "Zd", ColumnType::Single},            {31, "PrinOutletPipeLength", ColumnType::Single},
        {34, "h", ColumnType::Single},             {40, "County", ColumnType::Text},
    };
    const auto& columns = basinColumns();
    for (const auto& row : rows) {
        EXPECT_EQ(columns[row.position].name, row.name) << row.position;
        EXPECT_EQ(columns[row.position].type, row.type) << row.name;
    }
    // Eight text columns, one date, the three dam elevations as doubles, singles elsewhere.
    auto count = [&](ColumnType t) { return std::count_if(columns.begin(), columns.end(), [t](const ColumnDef& c) { return c.type == t; }); };
    EXPECT_EQ(count(ColumnType::Text), 8);
    EXPECT_EQ(count(ColumnType::Date), 1);
    EXPECT_EQ(count(ColumnType::Double), 3);
    EXPECT_EQ(count(ColumnType::Single), 29);
    EXPECT_EQ(declaredTypeName(ColumnType::Single), "SINGLE");
    EXPECT_EQ(declaredTypeName(ColumnType::Double), "DOUBLE");

    EXPECT_EQ(col::Qes, 35);
    EXPECT_EQ(col::County, 40);
}

TEST(BasinLoad, ReadsInputsInScreenOrderAndNeverTheComputedResults) {
    // Volumes, discharges, dimensions (11, 12, 15, 16, 18-21) and L (31) are recomputed, never loaded.
    const std::vector<int> expected = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 13, 14, 17, 23, 24,
                                       34, 22, 25, 26, 27, 28, 29, 30, 32, 33, 35, 36, 37, 38, 39, 40};
    const auto order = loadOrder();
    EXPECT_EQ(std::vector<int>(order.begin(), order.end()), expected);
}

TEST(BasinLoad, NullColumnTexts) {
    const std::pair<int, const char*> rows[] = {
        {col::ProjectNumber, ""}, {col::Date, ""},   {col::County, ""},  {col::Side, ""},
        {col::Slope, "2.5"},      {col::Depth, "4"}, {col::Area, "0"},   {col::CFactor, "0"},
        {col::A, "0"},            {col::h, "0"},     {col::EmSlope, "0"}, {col::Height, "0"},
    };
    for (const auto& [column, text] : rows) EXPECT_EQ(nullLoadText(column), text) << basinColumns()[column].name;
}

TEST(BasinLoad, InitialBoxTexts) {
    const std::pair<int, const char*> rows[] = {
        {col::Slope, "2.5"}, {col::CFactor, "0."}, {col::Area, "0"},         {col::h, "1"},
        {col::Zd, "2.5"},    {col::Height, "0"},   {col::VolumeAtFull, "0"}, {col::Q25, "0"},
        {col::Description, ""}, {col::County, ""},
    };
    for (const auto& [column, text] : rows) EXPECT_EQ(initialText(column), text) << basinColumns()[column].name;
}

TEST(NewBasin, KeepsProjectClearsBasinAndResetsInputs) {
    const auto& columns = basinColumns();
    for (int kept : {col::ProjectNumber, col::PINumber, col::DesignerName, col::Description, col::Date, col::County,
                     col::Zd}) {
        EXPECT_EQ(columns[kept].newBasin, NewBasinRule::Kept) << columns[kept].name;
    }
    for (int emptied : {col::BasinNumber, col::Location, col::Side}) {
        EXPECT_EQ(columns[emptied].newBasin, NewBasinRule::Empty) << columns[emptied].name;
    }
    const std::pair<int, const char*> resets[] = {
        {col::Area, "0"}, {col::CFactor, "0."}, {col::Slope, "2.5"}, {col::I2, "0"},
        {col::PrinOutletPipeDiameter, "0"}, {col::B, "0"}, {col::PrinOutletPipeLength, "0"}, {col::Qps, "0"},
    };
    for (const auto& [column, text] : resets) {
        EXPECT_EQ(columns[column].newBasin, NewBasinRule::Reset) << columns[column].name;
        EXPECT_EQ(columns[column].newBasinText, text) << columns[column].name;
    }
    for (int follows : {col::VolumeAtFull, col::Q25, col::TopLength, col::PrinRiserDiameter, col::h, col::Qes,
                        col::EmSlope}) {
        EXPECT_EQ(columns[follows].newBasin, NewBasinRule::Follows) << columns[follows].name;
    }
    EXPECT_EQ(columns[col::Height].newBasin, NewBasinRule::Height);
}

TEST(NewBasin, HeightIsHeadPlusFourAndAtLeastFive) {
    const std::pair<const char*, const char*> rows[] = {
        {"1", "5"}, {"2.3", "6.3"}, {"0.5", "5"}, {"0.999", "5"}, {"1.0", "5"}, {"2", "6"}, {"2.1", "6.1"},
        {"", "5"},  {"abc", "5"},
    };
    for (const auto& [h, expected] : rows) EXPECT_EQ(newBasinHeightText(h), expected) << '"' << h << '"';
}

TEST(StoredValueText, SinglesAndDoubles) {
    EXPECT_EQ(singleText(1.1f), "1.1");
    EXPECT_EQ(singleText(2351.7f), "2351.7");
    EXPECT_EQ(singleText(-7.55f), "-7.55");
    EXPECT_EQ(doubleText(0.1 + 0.2), "0.3");
    EXPECT_EQ(doubleText(1.0 / 3.0), "0.333333333333333");
}

TEST(Dates, TypedUsDatesMustExist) {
    struct Row {
        const char* text;
        std::optional<CivilDate> expected;
    };
    const Row rows[] = {
        {"2/29/2024", CivilDate{2024, 2, 29}},     {"02/29/2024", CivilDate{2024, 2, 29}},
        {"2/29/2000", CivilDate{2000, 2, 29}},     {" 12/31/1999 ", CivilDate{1999, 12, 31}},
        {"3/7/2026", CivilDate{2026, 3, 7}},
    };
    for (const auto& row : rows) EXPECT_EQ(parseUsDate(row.text), row.expected) << '"' << row.text << '"';
    for (const char* text : {"2/29/2023", "2/29/1900", "13/1/2020", "4/31/2024", "0/1/2020", "1/0/2020", "1/1/99",
                             "1/1/20200", "001/1/2020", "1-1-2020", "2020-01-01", "1/1/2020x", ""}) {
        EXPECT_FALSE(parseUsDate(text).has_value()) << '"' << text << '"';
    }
}

TEST(Dates, StoredIsoDatesAndTexts) {
    EXPECT_EQ(parseIsoDate("2026-03-07"), (CivilDate{2026, 3, 7}));
    EXPECT_EQ(parseIsoDate("2024-02-29 00:00:00"), (CivilDate{2024, 2, 29}));
    EXPECT_FALSE(parseIsoDate("2023-02-29").has_value());
    EXPECT_FALSE(parseIsoDate("").has_value());

    EXPECT_TRUE(isValidDate({2024, 2, 29}));
    EXPECT_FALSE(isValidDate({2023, 2, 29}));
    EXPECT_FALSE(isValidDate({2024, 6, 31}));

    const CivilDate march7{2026, 3, 7};
    EXPECT_EQ(isoDateText(march7), "2026-03-07");
    EXPECT_EQ(usDateText(march7), "3/7/2026");
    EXPECT_EQ(usDateText2(march7), "03/07/2026");
    EXPECT_EQ(usDateText(CivilDate{1999, 12, 31}), "12/31/1999");
    EXPECT_EQ(parseUsDate(usDateText2(march7)), march7);
    EXPECT_EQ(parseIsoDate(isoDateText(march7)), march7);
}

}  // namespace
