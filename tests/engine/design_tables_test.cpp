#include "engine/design_tables.h"

#include "engine/messages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

using namespace engine;

TEST(PipeColumns, OnlyTheEightTabulatedDiameters) {
    EXPECT_EQ(pipeColumn(8), 0);
    EXPECT_EQ(pipeColumn(48), 7);
    for (int d : {0, 10, 54}) EXPECT_FALSE(pipeColumn(d).has_value()) << d;
}

// ---- 6-22.1 (A) ----

TEST(TableA, SeventeenRowsWithoutFifteenFeet) {
    const auto heights = table_a::heights();
    ASSERT_EQ(heights.size(), 17u);
    EXPECT_EQ(heights.front(), 3);
    EXPECT_EQ(heights.back(), 20);
    EXPECT_EQ(std::count(heights.begin(), heights.end(), 15), 0);
    EXPECT_EQ(table_a::cells().size(), 136u);
}

TEST(TableA, CellIndexSkipsTheMissingRow) {
    for (const auto& cell : table_a::cells()) {
        EXPECT_EQ(cell.index, 8 * (cell.height - 3) + cell.column) << cell.index;
        EXPECT_EQ(cell.diameter, kPipeDiameterTexts[cell.column]) << cell.index;
        const auto back = table_a::cellAt(cell.index);
        ASSERT_TRUE(back.has_value()) << cell.index;
        EXPECT_EQ(back->q, cell.q);
    }
    for (int index = 96; index <= 103; ++index) EXPECT_FALSE(table_a::cellAt(index).has_value()) << index;
    EXPECT_FALSE(table_a::cellAt(144).has_value());

    EXPECT_EQ(table_a::cellIndex(14, 7), 95);
    EXPECT_EQ(table_a::cellIndex(16, 0), 104);
    EXPECT_EQ(table_a::cellIndex(20, 7), 143);
    for (auto [h, c] : {std::pair{15, 0}, {2, 0}, {21, 0}, {5, 8}}) EXPECT_FALSE(table_a::cellIndex(h, c).has_value());
}

TEST(TableA, CellsAsPrinted) {
    struct Row {
        int index, row, height;
        const char* diameter;
        const char* q;
        double flow;
    };
    const Row rows[] = {
        {0, 0, 3, "8", "1.22", 1.22},    {7, 0, 3, "48", "96.5", 96.5},  {8, 1, 4, "8", "1.40", 1.4},
        {15, 1, 4, "48", "111", 111},    {22, 2, 5, "42", "92.0", 92},   {95, 11, 14, "48", "208", 208},
        {104, 12, 16, "8", "2.81", 2.81}, {125, 14, 18, "36", "120", 120}, {133, 15, 19, "36", "126", 126},
        {143, 16, 20, "48", "249", 249},
    };
    for (const auto& row : rows) {
        const auto cell = table_a::cellAt(row.index);
        ASSERT_TRUE(cell.has_value()) << row.index;
        EXPECT_EQ(cell->row, row.row) << row.index;
        EXPECT_EQ(cell->height, row.height) << row.index;
        EXPECT_EQ(cell->heightText(), std::to_string(row.height));
        EXPECT_EQ(cell->diameter, row.diameter) << row.index;
        EXPECT_EQ(cell->q, row.q) << row.index;
        EXPECT_DOUBLE_EQ(cell->flow(), row.flow) << row.index;
    }
}

TEST(TableA, TopTwoRowsAreGreyed) {
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
        const char* diameter = nullptr;
        const char* q = nullptr;
    };
    const Row rows[] = {
        {"cell equal to Q2 is passed over", 5, 4.43, Outcome::Selected, "18", "12.2"},
        {"whole part of H", 9.99, 0, Outcome::Selected, "8", "2.11"},
        {"top of the table", 20.9, 100, Outcome::Selected, "36", "129"},
        {"row after the gap", 16, 44.2, Outcome::Selected, "30", "75.2"},
        {"largest pipe", 12, 192.99, Outcome::Selected, "48", "193"},
        {"greyed row still reads", 3, 1, Outcome::Selected, "8", "1.22"},
        {"Q2 too high", 20, 249, Outcome::Q2TooHigh}, {"Q2 above the row", 12, 200, Outcome::Q2TooHigh},
        {"no row for 15", 15.5, 1, Outcome::NoRow},   {"below the table", 2.99, 1, Outcome::NoRow},
        {"above the table", 21, 1, Outcome::NoRow},   {"negative", -3, 1, Outcome::NoRow},
    };
    for (const auto& row : rows) {
        const auto selection = table_a::selectPipe(row.height, row.q2);
        EXPECT_EQ(selection.outcome, row.outcome) << row.name;
        if (row.outcome == Outcome::Selected) {
            ASSERT_TRUE(selection.cell.has_value()) << row.name;
            EXPECT_EQ(selection.cell->diameter, row.diameter) << row.name;
            EXPECT_EQ(selection.cell->q, row.q) << row.name;
        } else {
            EXPECT_FALSE(selection.cell.has_value()) << row.name;
        }
    }
}

TEST(TableA, HeightMessages) {
    EXPECT_EQ(msg::heightTooLow("1"), "H has to be at least 1  foot above basin's depth.");
    EXPECT_EQ(msg::rowBelowMinimum(7.0f), "Minimum value = 1 foot above basin's depth. Minimum value = 7.");
    EXPECT_EQ(msg::rowBelowMinimum(11.0f), "Minimum value = 1 foot above basin's depth. Minimum value = 11.");
}

// ---- 6-22.1 (B) ----

TEST(TableB, ElevenLengthsByEightDiameters) {
    ASSERT_EQ(table_b::cells().size(), 88u);
    for (const auto& cell : table_b::cells()) {
        EXPECT_EQ(cell.index, 8 * cell.row + cell.column);
        EXPECT_EQ(cell.length, table_b::kLengths[cell.row]);
        EXPECT_EQ(cell.diameter, kPipeDiameterTexts[cell.column]);
    }
    EXPECT_FALSE(table_b::cellAt(88).has_value());
}

TEST(TableB, CellsAsPrinted) {
    struct Row {
        int index, length;
        const char* diameter;
        const char* cf;
        double factor;
    };
    const Row rows[] = {
        {0, 30, "8", "1.41", 1.41},   {7, 30, "48", "1.13", 1.13},  {35, 70, "24", "1.00", 1.0},
        {40, 80, "8", ".94", 0.94},   {64, 120, "8", ".79", 0.79},  {65, 120, "12", ".90", 0.9},
        {67, 120, "24", ".83", 0.83}, {87, 160, "48", ".82", 0.82},
    };
    for (const auto& row : rows) {
        const auto cell = table_b::cellAt(row.index);
        ASSERT_TRUE(cell.has_value()) << row.index;
        EXPECT_EQ(cell->length, row.length) << row.index;
        EXPECT_EQ(cell->diameter, row.diameter) << row.index;
        EXPECT_EQ(cell->cf, row.cf) << row.index;
        EXPECT_DOUBLE_EQ(cell->factor(), row.factor) << row.index;
    }
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
        int rowLength = 0;
        const char* cf = nullptr;
    };
    const Row rows[] = {
        {"standard length", 70, 24, Outcome::Selected, 70, "1.00"},
        {"24 in. at 120 ft", 120, 24, Outcome::Selected, 120, ".83"},
        {"12 in. at 120 ft", 120, 12, Outcome::Selected, 120, ".90"},
        {"half to even stays at 30", 30.50, 8, Outcome::Selected, 30, "1.41"},
        {"just above 30.5", 30.51, 8, Outcome::Selected, 40, "1.27"},
        {"29.5 rounds to 30", 29.5, 8, Outcome::Selected, 30, "1.41"},
        {"100.5 rounds to 100", 100.5, 8, Outcome::Selected, 100, ".85"},
        {"101 goes up to 120", 101, 8, Outcome::Selected, 120, ".79"},
        {"160.5 rounds to 160", 160.5, 48, Outcome::Selected, 160, ".82"},
        {"diameter read as whole number", 120, 12.5, Outcome::Selected, 120, ".90"},
        {"diameter half to even", 120, 23.5, Outcome::Selected, 120, ".83"},
        {"too short", 29.49, 24, Outcome::LengthOutOfRange},   {"too long", 161, 24, Outcome::LengthOutOfRange},
        {"length before diameter", 161, 10, Outcome::LengthOutOfRange},
        {"no pipe yet", 120, 0, Outcome::NoPipe},               {"rounds to no pipe", 120, 0.4, Outcome::NoPipe},
        {"not tabulated", 120, 10, Outcome::PipeOutOfRange},    {"above the table", 120, 54, Outcome::PipeOutOfRange},
    };
    for (const auto& row : rows) {
        const auto selection = table_b::selectCorrection(row.length, row.diameter);
        EXPECT_EQ(selection.outcome, row.outcome) << row.name;
        if (row.outcome == Outcome::Selected) {
            ASSERT_TRUE(selection.cell.has_value()) << row.name;
            EXPECT_EQ(selection.cell->length, row.rowLength) << row.name;
            EXPECT_EQ(selection.cell->cf, row.cf) << row.name;
        } else {
            EXPECT_FALSE(selection.cell.has_value()) << row.name;
        }
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
    struct Row {
        int index, capacity;
        bool caution;
        const char* stage;
        int width;
        const char* velocity;
        const char* slope;
    };
    const Row rows[] = {
        {0, 6, false, "0.5", 8, "2.7", "3.9"},     {16, 28, true, "0.5", 40, "2.7", "3.8"},
        {22, 18, true, "0.6", 18, "3.0", "3.7"},   {31, 35, true, "0.6", 36, "3.0", "3.6"},
        {90, 42, false, "1.0", 18, "4.0", "3.0"},  {91, 47, true, "1.0", 20, "4.0", "3.0"},
        {272, 77, false, "2.1", 8, "5.7", "2.4"},  {287, 291, false, "2.1", 38, "6.0", "2.3"},
        {288, 305, true, "2.1", 40, "6.0", "2.3"},
    };
    for (const auto& row : rows) {
        const auto cell = table_es::cellAt(row.index);
        ASSERT_TRUE(cell.has_value()) << row.index;
        EXPECT_EQ(cell->capacity, row.capacity) << row.index;
        EXPECT_EQ(cell->caution, row.caution) << row.index;
        EXPECT_EQ(cell->stage, row.stage) << row.index;
        EXPECT_EQ(cell->bottomWidth, row.width) << row.index;
        EXPECT_EQ(cell->velocity, row.velocity) << row.index;
        EXPECT_EQ(cell->slope, row.slope) << row.index;
    }
    EXPECT_EQ(table_es::cellAt(288)->capacityText(), "305");
    EXPECT_EQ(table_es::cellAt(0)->bottomWidthText(), "8");
}

TEST(TableEs, CapacityRoundedUp) {
    const std::pair<double, double> rows[] = {{12.2, 13}, {13, 13}, {0.001, 1}, {0, 0}, {305.01, 306}};
    for (const auto& [qes, a] : rows) EXPECT_EQ(table_es::roundUpCapacity(qes), a) << qes;
}

TEST(TableEs, SuggestedChannel) {
    struct Row {
        const char* name;
        double qes;
        const char* stage;
        int width, capacity;
        bool caution;
    };
    const Row rows[] = {
        {"12.2 rounds up to 13", 12.2, "0.5", 18, 13, true},
        {"9 is not tabulated", 9, "0.5", 14, 10, true},
        {"lowest stage before the normal cell", 20, "0.5", 28, 20, true},
        {"42 first met at 0.8 ft", 41.5, "0.8", 26, 42, true},
        {"36 is not tabulated", 35.5, "0.6", 38, 37, true},
        {"largest capacity", 305, "2.1", 40, 305, true},
        {"only 305 above 291", 299, "2.1", 40, 305, true},
        {"at least the smallest", 0, "0.5", 8, 6, false},
        {"negative capacity", -3, "0.5", 8, 6, false},
        {"just above the smallest", 6.5, "0.5", 10, 7, true},
    };
    for (const auto& row : rows) {
        const auto suggestion = table_es::suggestChannel(row.qes);
        EXPECT_EQ(suggestion.outcome, table_es::Outcome::Suggested) << row.name;
        ASSERT_TRUE(suggestion.cell.has_value()) << row.name;
        EXPECT_EQ(suggestion.cell->stage, row.stage) << row.name;
        EXPECT_EQ(suggestion.cell->bottomWidth, row.width) << row.name;
        EXPECT_EQ(suggestion.cell->capacity, row.capacity) << row.name;
        EXPECT_EQ(suggestion.cell->caution, row.caution) << row.name;
    }
    for (double qes : {305.01, 306.0, 1000.0}) {
        const auto suggestion = table_es::suggestChannel(qes);
        EXPECT_EQ(suggestion.outcome, table_es::Outcome::TooHigh) << qes;
        EXPECT_FALSE(suggestion.cell.has_value()) << qes;
    }
}

}  // namespace
