#include "engine/design_tables.h"
#include "engine/spillways.h"

#include "engine/messages.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace engine;

TEST(Riser, DiameterIsOneAndAHalfTimesThePipe) {
    const std::pair<double, const char*> rows[] = {
        {8, "12"}, {18, "27"}, {36, "54"}, {42, "63"}, {0, "0"}, {12.5, "18.75"},
    };
    for (const auto& [pipe, riser] : rows) EXPECT_EQ(riserDiameterText(pipe), riser) << pipe;
}

TEST(Riser, HeadOverTheRiser) {
    EXPECT_NEAR(pi(), 3.14159265358979, 1e-14);
    struct Row {
        double q, ds;
        const char* expected;
    };
    const Row rows[] = {
        {12.2, 27, "1.0"},   // 0.68 ft raised to the 1 ft minimum
        {129, 54, "2.1"},    // 2.054 ft
        {200, 36, "3.6"},    // 3.605 ft
        {1.57, 12, "1.0"},
        {0, 27, "1.0"},
        {12.2, 0, "1.0"},    // no riser yet: h = 0, then the minimum
    };
    for (const auto& row : rows) EXPECT_EQ(headOverRiserText(row.q, row.ds), row.expected) << row.q << " / " << row.ds;
    EXPECT_FALSE(headOverRiserText(-5, 27).has_value());
    EXPECT_FALSE(headOverRiserText(5, -27).has_value());
}

TEST(PipeLength, DamGeometryGivesTheLength) {
    struct Row {
        const char* name;
        PipeLengthInput input;
        double length;
        const char* text;
        const char* mainText;
    };
    const Row rows[] = {
        {"standard figure", {"110", "100", "98", "2.5", "2.5", "10", "5"}, 70, "70", "70.00"},
        {"two integer digits", {"100", "100", "100", "2.5", "2.5", "5.5", "0"}, 5.5, "5.5", "05.50"},
        {"rounded to two decimals", {"123.456", "0", "0", "1", "0", "0", "0"}, 123.456, "123.456", "123.46"},
        {"slopes differ", {"106", "100", "98", "3", "2", "8", "4"}, 47, "47", "47.00"},
        {"A keeps 64 bits", {"100.1", "0", "0", "1", "0", "0", "0"}, 100.1, "100.1", "100.10"},
        // The top width is a 32-bit field: its float noise shows in the 15-digit text.
        {"T as a single", {"0", "0", "0", "0", "0", "0.1", "0"}, static_cast<double>(0.1f), "0.100000001490116", "00.10"},
        {"blanks around numbers", {" 110 ", "100", "98", "2.5", "2.5", "10", " 5"}, 70, "70", "70.00"},
    };
    for (const auto& row : rows) {
        const PipeLength result = pipeLength(row.input);
        ASSERT_TRUE(result.ok) << row.name << ": " << result.error;
        EXPECT_DOUBLE_EQ(result.length, row.length) << row.name;
        EXPECT_EQ(result.text, row.text) << row.name;
        EXPECT_EQ(result.mainText, row.mainText) << row.name;
    }
}

TEST(PipeLength, UnconvertibleBoxesAreRefused) {
    struct Row {
        const char* name;
        PipeLengthInput input;
        std::string_view error;
    };
    const Row rows[] = {
        {"empty Zu", {"110", "100", "98", "", "2.5", "10", "5"}, kTypeMismatch},
        {"empty A", {"", "100", "98", "2.5", "2.5", "10", "5"}, kTypeMismatch},
        {"text in E", {"110", "100", "98", "2.5", "2.5", "10", "abc"}, kTypeMismatch},
        {"nan in T", {"110", "100", "98", "2.5", "2.5", "nan", "5"}, kTypeMismatch},
        {"B beyond a single", {"110", "1e39", "98", "2.5", "2.5", "10", "5"}, kOverflow},
        {"length beyond a double", {"1e308", "0", "0", "100", "100", "0", "0"}, kOverflow},
    };
    for (const auto& row : rows) {
        const PipeLength result = pipeLength(row.input);
        EXPECT_FALSE(result.ok) << row.name;
        EXPECT_EQ(result.error, row.error) << row.name;
        EXPECT_EQ(result.mainText.find("inf"), std::string::npos) << row.name;
    }
    EXPECT_EQ(msg::lengthConversionError(kTypeMismatch), "Error: Type mismatch. Please, reenter your numbers.");
}

TEST(CorrectedFlow, QTimesTheCorrectionFactor) {
    EXPECT_EQ(correctedFlowText(12.2, 0.83), "10.126");
    EXPECT_EQ(correctedFlowText(24.7, 1.0), "24.7");
    EXPECT_EQ(correctedFlowText(129, 0.9), "116.1");
    EXPECT_EQ(correctedFlowText(0, 1.41), "0");

    EXPECT_EQ(mainCorrectedFlowText(10.126), "10.13");
    EXPECT_EQ(mainCorrectedFlowText(24.7), "24.70");
    EXPECT_EQ(mainCorrectedFlowText(0.125), "0.13");
    EXPECT_EQ(mainCorrectedFlowText(0), "0.00");
    EXPECT_EQ(mainCorrectedFlowText(1234567.5), "1234567.50");
}

// The blue mark of Qps: the main window's value against the table's, both at two decimals.
TEST(CorrectedFlow, OverwriteIsJudgedAtTwoDecimals) {
    EXPECT_FALSE(table_b::isOverwrite(12.2, 12.2));
    EXPECT_FALSE(table_b::isOverwrite(12.20, 12.2));
    EXPECT_FALSE(table_b::isOverwrite(23.71, 23.712));
    EXPECT_FALSE(table_b::isOverwrite(23.712, 23.712));  // a stored value with more decimals
    EXPECT_FALSE(table_b::isOverwrite(10.13, 10.126));
    EXPECT_TRUE(table_b::isOverwrite(25, 23.712));
    EXPECT_TRUE(table_b::isOverwrite(23.72, 23.712));
    EXPECT_TRUE(table_b::isOverwrite(0, 0.01));
}

}  // namespace
