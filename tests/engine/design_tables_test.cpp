#include "engine/design_tables.h"

#include "engine/messages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

namespace {

using namespace engine;

// One line per cell, so a wrong cell shows all it carries at once.
std::string describe(const std::optional<table_a::Cell>& c) {
    if (!c) return "none";
    return "row " + std::to_string(c->row) + " H " + c->heightText() + " Do " + std::string(c->diameter) + " Q " +
           std::string(c->q) + " = " + std::to_string(c->flow());
}
std::string describe(const std::optional<table_b::Cell>& c) {
    if (!c) return "none";
    return "L " + std::to_string(c->length) + " Do " + std::string(c->diameter) + " CF " + std::string(c->cf) + " = " +
           std::to_string(c->factor());
}
std::string describe(const std::optional<table_es::Cell>& c) {
    if (!c) return "none";
    return "Hp " + std::string(c->stage) + " b " + c->bottomWidthText() + " Q " + c->capacityText() +
           (c->caution ? "*" : "") + " v " + std::string(c->velocity) + " s " + std::string(c->slope);
}

// ---- 6-22.1 (A) ----

TEST(TableA, SeventeenRowsAndTheCellIndexSkipsFifteenFeet) {
    const auto heights = table_a::heights();
    ASSERT_EQ(heights.size(), 17u);
    EXPECT_EQ(heights.front(), 3);
    EXPECT_EQ(heights.back(), 20);
    EXPECT_EQ(std::count(heights.begin(), heights.end(), 15), 0);
    ASSERT_EQ(table_a::cells().size(), 136u);
    for (const auto& cell : table_a::cells()) {
        EXPECT_EQ(cell.index, 8 * (cell.height - 3) + cell.column) << cell.index;
        EXPECT_EQ(cell.diameter, kPipeDiameterTexts[cell.column]) << cell.index;
        EXPECT_EQ(describe(table_a::cellAt(cell.index)), describe(cell));
    }
    for (int index = 96; index <= 103; ++index) EXPECT_FALSE(table_a::cellAt(index).has_value()) << index;
    EXPECT_FALSE(table_a::cellAt(144).has_value());

    EXPECT_EQ(table_a::cellIndex(14, 7), 95);
    EXPECT_EQ(table_a::cellIndex(16, 0), 104);
    EXPECT_EQ(table_a::cellIndex(20, 7), 143);
    for (auto [h, c] : {std::pair{15, 0}, {2, 0}, {21, 0}, {5, 8}}) EXPECT_FALSE(table_a::cellIndex(h, c)) << h;
}

TEST(TableA, CellsAsPrinted) {
    const std::pair<int, const char*> rows[] = {
        {0, "row 0 H 3 Do 8 Q 1.22 = 1.220000"},      {7, "row 0 H 3 Do 48 Q 96.5 = 96.500000"},
        {8, "row 1 H 4 Do 8 Q 1.40 = 1.400000"},      {15, "row 1 H 4 Do 48 Q 111 = 111.000000"},
        {22, "row 2 H 5 Do 42 Q 92.0 = 92.000000"},   {95, "row 11 H 14 Do 48 Q 208 = 208.000000"},
        {104, "row 12 H 16 Do 8 Q 2.81 = 2.810000"},  {125, "row 14 H 18 Do 36 Q 120 = 120.000000"},
        {133, "row 15 H 19 Do 36 Q 126 = 126.000000"}, {143, "row 16 H 20 Do 48 Q 249 = 249.000000"},
    };
    for (const auto& [index, expected] : rows) EXPECT_EQ(describe(table_a::cellAt(index)), expected) << index;
    EXPECT_FALSE(table_a::isRowEnabled(3));
    EXPECT_FALSE(table_a::isRowEnabled(4));
    EXPECT_TRUE(table_a::isRowEnabled(5));
    EXPECT_TRUE(table_a::isRowEnabled(20));
}

TEST(TableA, AutomaticPipeChoice) {
    using table_a::Outcome;
    struct Row {
        const char* name;
        double height, q2;
        Outcome outcome;
        const char* cell = "none";
    };
    const Row rows[] = {
        {"cell equal to Q2 is passed over", 5, 4.43, Outcome::Selected, "row 2 H 5 Do 18 Q 12.2 = 12.200000"},
        {"whole part of H", 9.99, 0, Outcome::Selected, "row 6 H 9 Do 8 Q 2.11 = 2.110000"},
        {"top of the table", 20.9, 100, Outcome::Selected, "row 16 H 20 Do 36 Q 129 = 129.000000"},
        {"row after the gap", 16, 44.2, Outcome::Selected, "row 12 H 16 Do 30 Q 75.2 = 75.200000"},
        {"largest pipe", 12, 192.99, Outcome::Selected, "row 9 H 12 Do 48 Q 193 = 193.000000"},
        {"greyed row still reads", 3, 1, Outcome::Selected, "row 0 H 3 Do 8 Q 1.22 = 1.220000"},
        {"Q2 too high", 20, 249, Outcome::Q2TooHigh}, {"Q2 above the row", 12, 200, Outcome::Q2TooHigh},
        {"no row for 15", 15.5, 1, Outcome::NoRow},   {"below the table", 2.99, 1, Outcome::NoRow},
        {"above the table", 21, 1, Outcome::NoRow},   {"negative", -3, 1, Outcome::NoRow},
    };
    for (const auto& row : rows) {
        const auto selection = table_a::selectPipe(row.height, row.q2);
        EXPECT_EQ(selection.outcome, row.outcome) << row.name;
        EXPECT_EQ(describe(selection.cell), row.cell) << row.name;
    }
}

TEST(TableA, HeightMessages) {
    EXPECT_EQ(msg::heightTooLow("1"), "H has to be at least 1  foot above basin's depth.");
    EXPECT_EQ(msg::rowBelowMinimum(7.0f), "Minimum value = 1 foot above basin's depth. Minimum value = 7.");
}

// ---- 6-22.1 (B) ----

TEST(TableB, ElevenLengthsByEightDiameters) {
    ASSERT_EQ(table_b::cells().size(), 88u);
    for (const auto& cell : table_b::cells()) {
        EXPECT_EQ(cell.index, 8 * cell.row + cell.column);
        EXPECT_EQ(cell.length, table_b::kLengths[cell.row]);
        EXPECT_EQ(cell.diameter, kPipeDiameterTexts[cell.column]);
    }
    const std::pair<int, const char*> rows[] = {
        {0, "L 30 Do 8 CF 1.41 = 1.410000"},   {7, "L 30 Do 48 CF 1.13 = 1.130000"},
        {35, "L 70 Do 24 CF 1.00 = 1.000000"}, {40, "L 80 Do 8 CF .94 = 0.940000"},
        {64, "L 120 Do 8 CF .79 = 0.790000"},  {65, "L 120 Do 12 CF .90 = 0.900000"},
        {67, "L 120 Do 24 CF .83 = 0.830000"}, {87, "L 160 Do 48 CF .82 = 0.820000"},
    };
    for (const auto& [index, expected] : rows) EXPECT_EQ(describe(table_b::cellAt(index)), expected) << index;
    EXPECT_FALSE(table_b::cellAt(88).has_value());
    EXPECT_EQ(pipeColumn(48), 7);
    EXPECT_FALSE(pipeColumn(10).has_value());
}

TEST(TableB, LengthGoesToTheNextTabulatedLength) {
    EXPECT_FALSE(table_b::rowForLength(29.49).has_value());
    EXPECT_FALSE(table_b::rowForLength(161).has_value());
    EXPECT_TRUE(table_b::rowForLength(30.50).has_value());
    EXPECT_TRUE(table_b::rowForLength(160.5).has_value());
    EXPECT_NE(table_b::rowForLength(30.50), table_b::rowForLength(30.51));
    EXPECT_EQ(table_b::rowForLength(30.51), table_b::rowForLength(40));
    EXPECT_EQ(table_b::rowForLength(101), table_b::rowForLength(120));
}

TEST(TableB, AutomaticCorrectionFactor) {
    using table_b::Outcome;
    struct Row {
        const char* name;
        double length, diameter;
        Outcome outcome;
        const char* cell = "none";
    };
    const Row rows[] = {
        {"standard length", 70, 24, Outcome::Selected, "L 70 Do 24 CF 1.00 = 1.000000"},
        {"24 in. at 120 ft", 120, 24, Outcome::Selected, "L 120 Do 24 CF .83 = 0.830000"},
        {"12 in. at 120 ft", 120, 12, Outcome::Selected, "L 120 Do 12 CF .90 = 0.900000"},
        {"30.5 to even stays at 30", 30.50, 8, Outcome::Selected, "L 30 Do 8 CF 1.41 = 1.410000"},
        {"just above 30.5", 30.51, 8, Outcome::Selected, "L 40 Do 8 CF 1.27 = 1.270000"},
        {"29.5 rounds to 30", 29.5, 8, Outcome::Selected, "L 30 Do 8 CF 1.41 = 1.410000"},
        {"100.5 rounds to 100", 100.5, 8, Outcome::Selected, "L 100 Do 8 CF .85 = 0.850000"},
        {"101 goes up to 120", 101, 8, Outcome::Selected, "L 120 Do 8 CF .79 = 0.790000"},
        {"160.5 rounds to 160", 160.5, 48, Outcome::Selected, "L 160 Do 48 CF .82 = 0.820000"},
        {"diameter as whole number", 120, 12.5, Outcome::Selected, "L 120 Do 12 CF .90 = 0.900000"},
        {"diameter half to even", 120, 23.5, Outcome::Selected, "L 120 Do 24 CF .83 = 0.830000"},
        {"too short", 29.49, 24, Outcome::LengthOutOfRange}, {"too long", 161, 24, Outcome::LengthOutOfRange},
        {"length before diameter", 161, 10, Outcome::LengthOutOfRange},
        {"no pipe yet", 120, 0, Outcome::NoPipe},             {"rounds to no pipe", 120, 0.4, Outcome::NoPipe},
        {"not tabulated", 120, 10, Outcome::PipeOutOfRange},  {"above the table", 120, 54, Outcome::PipeOutOfRange},
    };
    for (const auto& row : rows) {
        const auto selection = table_b::selectCorrection(row.length, row.diameter);
        EXPECT_EQ(selection.outcome, row.outcome) << row.name;
        EXPECT_EQ(describe(selection.cell), row.cell) << row.name;
    }
}

// ---- 6-22.4 ----

TEST(TableEs, SeventeenStagesBySeventeenWidths) {
    const auto stages = table_es::stageTexts();
    const auto widths = table_es::bottomWidths();
    ASSERT_EQ(stages.size(), 17u);
    ASSERT_EQ(widths.size(), 17u);
    EXPECT_EQ(stages.front(), "0.5");
    EXPECT_EQ(stages[5], "1.0");
    EXPECT_EQ(stages.back(), "2.1");
    EXPECT_EQ(widths[6], 20);
    EXPECT_EQ(widths.back(), 40);

    ASSERT_EQ(table_es::cells().size(), 289u);
    int caution = 0;
    for (const auto& cell : table_es::cells()) {
        EXPECT_EQ(cell.index, 17 * cell.row + cell.column);
        EXPECT_EQ(cell.stage, stages[cell.row]);
        EXPECT_EQ(cell.bottomWidth, widths[cell.column]);
        EXPECT_GE(cell.capacity, table_es::kSmallestCapacity);
        EXPECT_LE(cell.capacity, table_es::kLargestCapacity);
        caution += cell.caution ? 1 : 0;
    }
    EXPECT_EQ(caution, 143);
    EXPECT_FALSE(table_es::cellAt(289).has_value());
}

TEST(TableEs, CellsAsPrinted) {
    const std::pair<int, const char*> rows[] = {
        {0, "Hp 0.5 b 8 Q 6 v 2.7 s 3.9"},       {16, "Hp 0.5 b 40 Q 28* v 2.7 s 3.8"},
        {22, "Hp 0.6 b 18 Q 18* v 3.0 s 3.7"},   {31, "Hp 0.6 b 36 Q 35* v 3.0 s 3.6"},
        {90, "Hp 1.0 b 18 Q 42 v 4.0 s 3.0"},    {91, "Hp 1.0 b 20 Q 47* v 4.0 s 3.0"},
        {272, "Hp 2.1 b 8 Q 77 v 5.7 s 2.4"},    {287, "Hp 2.1 b 38 Q 291 v 6.0 s 2.3"},
        {288, "Hp 2.1 b 40 Q 305* v 6.0 s 2.3"},
    };
    for (const auto& [index, expected] : rows) EXPECT_EQ(describe(table_es::cellAt(index)), expected) << index;
}

TEST(TableEs, SuggestedChannel) {
    const std::pair<double, double> roundUps[] = {{12.2, 13}, {13, 13}, {0.001, 1}, {0, 0}, {305.01, 306}};
    for (const auto& [qes, a] : roundUps) EXPECT_EQ(table_es::roundUpCapacity(qes), a) << qes;

    const std::pair<double, const char*> rows[] = {
        {12.2, "Hp 0.5 b 18 Q 13* v 2.7 s 3.8"},   // rounded up to 13
        {9, "Hp 0.5 b 14 Q 10* v 2.7 s 3.9"},      // 9 is not tabulated
        {20, "Hp 0.5 b 28 Q 20* v 2.7 s 3.8"},     // before the normal cell Hp 0.9, b 10
        {41.5, "Hp 0.8 b 26 Q 42* v 3.6 s 3.2"},   // before the normal cell Hp 1.0, b 18
        {35.5, "Hp 0.6 b 38 Q 37* v 3.0 s 3.6"},   // 36 is not tabulated
        {299, "Hp 2.1 b 40 Q 305* v 6.0 s 2.3"},
        {305, "Hp 2.1 b 40 Q 305* v 6.0 s 2.3"},
        {6.5, "Hp 0.5 b 10 Q 7* v 2.7 s 3.9"},
        {0, "Hp 0.5 b 8 Q 6 v 2.7 s 3.9"},
        {-3, "Hp 0.5 b 8 Q 6 v 2.7 s 3.9"},
    };
    for (const auto& [qes, expected] : rows) {
        const auto suggestion = table_es::suggestChannel(qes);
        EXPECT_EQ(suggestion.outcome, table_es::Outcome::Suggested) << qes;
        EXPECT_EQ(describe(suggestion.cell), expected) << qes;
    }
    for (double qes : {305.01, 306.0, 1000.0}) {
        const auto suggestion = table_es::suggestChannel(qes);
        EXPECT_EQ(suggestion.outcome, table_es::Outcome::TooHigh) << qes;
        EXPECT_FALSE(suggestion.cell.has_value()) << qes;
    }
}

}  // namespace
