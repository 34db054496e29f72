#include "engine/basin_results.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using namespace engine;

// A basin as stored: 18.65 acres, C 0.45, I 4.1 and 6.9, a 6 ft. basin, H 8.5,
// the dam giving L = 85.50 ft., with the tables' own pipe, CF and channel.
BasinDesign storedBasin(const std::vector<std::pair<int, const char*>>& changes = {})
{
    BasinDesign design;
    const std::pair<int, const char*> values[] = {
        {col::Area, "18.65"}, {col::CFactor, "0.45"}, {col::Slope, "2.5"}, {col::I1, "4.1"}, {col::I2, "6.9"},
        {col::Depth, "6"}, {col::Height, "8.5"}, {col::PrinOutletPipeDiameter, "30"}, {col::Q, "53.2"},
        {col::A, "112"}, {col::B, "100"}, {col::C, "97"}, {col::Zd, "2.5"}, {col::T, "12"}, {col::E, "6"},
        {col::Qps, "49.48"}, {col::Qes, "8.43"}, {col::EmStage, "0.5"}, {col::EmBottomWidth, "14"},
    };
    for (const auto& [column, text] : values)
        design[column] = text;
    for (const auto& [column, text] : changes)
        design[column] = text;
    return design;
}

TEST(BasinResults, TheColumnsALoadNeverReadsAreComputedAgain) {
    const BasinResults r = basinResults(storedBasin());
    EXPECT_EQ(*r.vs, 33737.85);
    EXPECT_EQ(*r.q2, 34.41);
    EXPECT_EQ(*r.q25, 57.91);
    EXPECT_EQ(r.sizing.widthText, "41.57");
    EXPECT_EQ(r.sizing.accuracyText, "0.999");
    EXPECT_EQ(r.length.mainText, "85.50");
    EXPECT_EQ(r.pipe.cell->q, "53.2");
    EXPECT_EQ(r.correction.cell->cf, ".93");
    EXPECT_EQ(r.automaticMainQpsText, "49.48");
    EXPECT_EQ(r.suggestion.cell->capacity, 10);
    EXPECT_TRUE(r.chosenChannel->caution);
}

struct ChoiceCase {
    const char* name;
    std::vector<std::pair<int, const char*>> changes;
    Choice pipe, qps, channel;
    bool overDesigned;
};

class Choices : public testing::TestWithParam<ChoiceCase> {};

TEST_P(Choices, TheRecordsChoiceAgainstTheTables) {
    const ChoiceCase& c = GetParam();
    const BasinResults r = basinResults(storedBasin(c.changes));
    EXPECT_EQ(r.pipeChoice, c.pipe);
    EXPECT_EQ(r.qpsChoice, c.qps);
    EXPECT_EQ(r.channelChoice, c.channel);
    EXPECT_EQ(r.overDesigned, c.overDesigned);
}

using C = Choice;
INSTANTIATE_TEST_SUITE_P(
    BasinResults, Choices,
    testing::Values(
        ChoiceCase{"TheTablesOwn", {}, C::Automatic, C::Automatic, C::Automatic, false},
        ChoiceCase{"AnotherPipe", {{col::PrinOutletPipeDiameter, "24"}, {col::Q, "31.2"}}, C::Overwrite, C::Overwrite,
                   C::Automatic, false},
        ChoiceCase{"AnotherQps", {{col::Qps, "45"}}, C::Automatic, C::Overwrite, C::Automatic, false},
        // Q x CF = 53.2 exactly at 70 ft.: the stored 53.2 is the main window's 53.20.
        ChoiceCase{"QpsWithoutTrailingZero", {{col::E, "-9.5"}, {col::Qps, "53.2"}}, C::Automatic, C::Automatic,
                   C::Automatic, false},
        ChoiceCase{"AnotherChannel", {{col::EmStage, "0.9"}, {col::EmBottomWidth, "10"}}, C::Automatic, C::Automatic,
                   C::Overwrite, false},
        ChoiceCase{"NothingChosen", {{col::PrinOutletPipeDiameter, "0"}, {col::Qps, "0"}, {col::EmStage, "0"}},
                   C::None, C::None, C::None, false},
        ChoiceCase{"NoPipeForThisH", {{col::Height, "15.5"}}, C::Overwrite, C::Automatic, C::Automatic, false},
        ChoiceCase{"OverDesigned", {{col::Qes, "-3"}, {col::EmStage, "0.5"}, {col::EmBottomWidth, "8"}}, C::Automatic,
                   C::Automatic, C::Automatic, true},
        ChoiceCase{"TextThatIsNoNumber", {{col::Area, "x"}, {col::A, ""}, {col::Qes, "?"}}, C::Overwrite, C::Overwrite,
                   C::Overwrite, false}),
    [](const testing::TestParamInfo<ChoiceCase>& info) { return std::string(info.param.name); });

}  // namespace
