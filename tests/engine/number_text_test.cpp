#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

using namespace engine;

TEST(NumericText, AcceptsDecimalNumbersWithSurroundingBlanks) {
    for (const char* text : {"12", "-0.5", ".5", "0.", "1e3", "1E-3", "+3", " 2.5", "2.5  ", "\t-7.55\t", "1809"}) {
        EXPECT_TRUE(isNumericText(text)) << '"' << text << '"';
    }
}

TEST(NumericText, RefusesEmptyNonFiniteAndForeignForms) {
    for (const char* text : {"", "   ", "nan", "NaN", "inf", "-inf", "Infinity", "1e400", "-1e400", "0x10", "1,5",
                             "1,000", "1.2.3", "12abc", "abc", ".", "-", "e3", "1 2", "2.5ft"}) {
        EXPECT_FALSE(isNumericText(text)) << '"' << text << '"';
        EXPECT_FALSE(parseNumber(text).has_value()) << '"' << text << '"';
    }
}

TEST(NumericText, ParsesTheValueInSixtyFourAndThirtyTwoBits) {
    EXPECT_EQ(parseNumber(" 2.5 "), 2.5);
    EXPECT_EQ(parseNumber("0."), 0.0);
    EXPECT_EQ(parseNumber("-.5"), -0.5);
    EXPECT_EQ(parseNumber("1e3"), 1000.0);
    EXPECT_EQ(parseSingle("1.1"), 1.1f);
    EXPECT_TRUE(parseSingle("3e38").has_value());
    EXPECT_FALSE(parseSingle("1e39").has_value());   // fits a double, not a float
    EXPECT_FALSE(parseSingle("-1e39").has_value());
    EXPECT_FALSE(parseSingle("nan").has_value());
}

struct TextRow {
    double value;
    const char* expected;
};

TEST(GeneralText, ShortestFormUpToFifteenSignificantDigits) {
    const TextRow rows[] = {
        {1809, "1809"}, {0.5, "0.5"}, {2351.7, "2351.7"}, {-7.55, "-7.55"}, {0, "0"}, {12.5, "12.5"},
        {0.1 + 0.2, "0.3"},                  // 16th digit dropped
        {3.73 - 1.2, "2.53"},                // 2.5300000000000002
        {0.3 * 67 * 27, "542.7"},            // 542.6999999999999
        {1.0 / 3.0, "0.333333333333333"},    {2.0 / 3.0, "0.666666666666667"}, {-2.0 / 3.0, "-0.666666666666667"},
        {999999999999999.0, "999999999999999"}, {123456789012345.6, "123456789012346"},
        {0.0001, "0.0001"}, {1.5e15, "1.5E+15"}, {2e-5, "2E-05"},
    };
    for (const auto& row : rows) EXPECT_EQ(generalText(row.value), row.expected) << row.value;
}

TEST(GeneralText, NonFiniteGivesEmptyText) {
    EXPECT_EQ(generalText(std::numeric_limits<double>::quiet_NaN()), "");
    EXPECT_EQ(generalText(std::numeric_limits<double>::infinity()), "");
    EXPECT_EQ(generalText(-std::numeric_limits<double>::infinity()), "");
}

TEST(GeneralText, ThirtyTwoBitValuesShowSevenSignificantDigits) {
    const TextRow rows[] = {
        {1.1, "1.1"}, {static_cast<double>(1.1f), "1.1"}, {static_cast<double>(0.1f), "0.1"},
        {static_cast<double>(2.3f) + 4, "6.3"}, {3.14159265358979, "3.141593"}, {1234.5678, "1234.568"},
        {-7.55, "-7.55"}, {1809, "1809"}, {0, "0"},
    };
    for (const auto& row : rows) EXPECT_EQ(generalText32(row.value), row.expected) << row.value;
    // The same values as 64-bit keep their float noise.
    EXPECT_EQ(generalText(static_cast<double>(0.1f)), "0.100000001490116");
}

struct PatternRow {
    double value;
    std::string_view pattern;
    const char* expected;
};

TEST(FormatPattern, DecimalsMinimumDigitsAndHalvesAwayFromZero) {
    const PatternRow rows[] = {
        {7.2047, "####0.00", "7.20"},       {1.005, "######0.00", "1.01"},   // binary 1.00499999...
        {3.375, "######0.00", "3.38"},      {2.675, "####0.00", "2.68"},     {-2.675, "####0.00", "-2.68"},
        {-7.5539, "####0.00", "-7.55"},     {0.125, "#########0.00", "0.13"}, {0, "####0.00", "0.00"},
        {-0.004, "####0.00", "0.00"},       {0.3, "####0.00", "0.30"},       {24.7, "#######0.00", "24.70"},
        {5.5, "#####00.00", "05.50"},       {123.456, "#####00.00", "123.46"}, {0, "#####00.00", "00.00"},
        {-5.5, "#####00.00", "-05.50"},     {0.05, "##0.0", "0.1"},          {0.04, "##0.0", "0.0"},
        {2.05388955663064, "##0.0", "2.1"}, {0.9995, "##0.000", "1.000"},    {0.98047, "##0.000", "0.980"},
        {1234567.891, "##0.00", "1234567.89"},  // more integer digits than written, no grouping
    };
    for (const auto& row : rows) {
        EXPECT_EQ(formatPattern(row.value, row.pattern), row.expected) << row.value << " as " << row.pattern;
    }
}

TEST(FormatPattern, NonFiniteGivesEmptyText) {
    EXPECT_EQ(formatPattern(std::numeric_limits<double>::quiet_NaN(), pattern::width), "");
    EXPECT_EQ(formatPattern(std::numeric_limits<double>::infinity(), pattern::accuracy), "");
}

TEST(FormatPattern, RoundByPatternReadsTheTextBack) {
    EXPECT_EQ(roundByPattern(3.375, pattern::q2), 3.38);
    EXPECT_EQ(roundByPattern(1.005, pattern::q25), 1.01);
    EXPECT_EQ(roundByPattern(0.3 * 1.5 * 1.5, pattern::q2), 0.68);  // 0.6749999999999999
    EXPECT_EQ(roundByPattern(2.45, pattern::q2), 2.45);
    EXPECT_EQ(roundByPattern(-1.005, pattern::q2), -1.01);
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    const std::pair<double, double> rows[] = {
        {30.5, 30}, {31.5, 32}, {30.51, 31}, {29.49, 29}, {160.5, 160}, {0.5, 0}, {1.5, 2}, {-2.5, -2}, {24.4, 24},
    };
    for (const auto& [value, expected] : rows) EXPECT_EQ(roundHalfEven(value), expected) << value;
}

}  // namespace
