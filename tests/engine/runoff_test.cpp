#include "engine/runoff.h"

#include <gtest/gtest.h>

namespace {

using namespace engine;

TEST(StorageVolumes, SixtySevenAndTwentyTwoCubicYardsPerAcre) {
    EXPECT_EQ(storageVolume(1), 1809);
    EXPECT_EQ(cleanOutVolume(1), 594);
    EXPECT_EQ(storageVolume(2), 3618);
    EXPECT_EQ(cleanOutVolume(2), 1188);
    EXPECT_EQ(storageVolume(0), 0);
    EXPECT_EQ(storageVolume(3.5), 6331.5);
    EXPECT_EQ(storageVolume(5), 9045);
}

TEST(StorageVolumes, CaptionsInCubicYardsAndCubicFeet) {
    EXPECT_EQ(storageVolumeCaption(storageVolume(1)), "67 cy  = 1809cf");
    EXPECT_EQ(cleanOutVolumeCaption(cleanOutVolume(1)), "22 cy = 594cf");
    EXPECT_EQ(storageVolumeCaption(storageVolume(2)), "134 cy  = 3618cf");
    EXPECT_EQ(cleanOutVolumeCaption(cleanOutVolume(2)), "44 cy = 1188cf");
    // 0.3 acres carries binary noise past the 15th digit: 542.6999999999999 cf.
    EXPECT_EQ(storageVolumeCaption(storageVolume(0.3)), "20.1 cy  = 542.7cf");
    EXPECT_EQ(cleanOutVolumeCaption(cleanOutVolume(0.3)), "6.6 cy = 178.2cf");
    EXPECT_EQ(storageVolumeCaption(0), "0 cy  = 0cf");
}

struct DischargeRow {
    const char* name;
    double c, i, a;
    double expected;
};

TEST(Discharge, RationalFormulaRoundedToTwoDecimals) {
    const DischargeRow rows[] = {
        {"exact", 0.5, 4.9, 1, 2.45},
        {"half rounds up", 0.5, 4.5, 1.5, 3.38},            // 3.375
        {"binary half below", 0.3, 1.5, 1.5, 0.68},         // 0.6749999999999999
        {"binary half below 2", 0.3, 1.5, 2.7, 1.22},       // 1.2149999999999999
        {"zero C", 0.0, 4.9, 10, 0},
        {"many decimals", 0.45, 5.37, 3.3, 7.97},           // 7.97445
        {"large area", 0.9, 8.8, 40, 316.8},
    };
    for (const auto& row : rows) {
        EXPECT_DOUBLE_EQ(twoYearDischarge(row.c, row.i, row.a), row.expected) << row.name;
        EXPECT_DOUBLE_EQ(twentyFiveYearDischarge(row.c, row.i, row.a), row.expected) << row.name;
    }
}

TEST(Discharge, CFactorMustBeBelowOne) {
    EXPECT_TRUE(isAcceptedCFactor(0.0));
    EXPECT_TRUE(isAcceptedCFactor(0.5));
    EXPECT_TRUE(isAcceptedCFactor(0.99));
    EXPECT_FALSE(isAcceptedCFactor(1.0));
    EXPECT_FALSE(isAcceptedCFactor(1.5));
}

TEST(Discharge, CaptionsCarryNoTrailingZeros) {
    EXPECT_EQ(dischargeCaption(12.50), "12.5 cfs");
    EXPECT_EQ(dischargeCaption(2.45), "2.45 cfs");
    EXPECT_EQ(dischargeCaption(twoYearDischarge(0.5, 4.5, 1.5)), "3.38 cfs");
    EXPECT_EQ(dischargeCaption(0), "0 cfs");
    EXPECT_EQ(dischargeCaption(20), "20 cfs");
}

TEST(Discharge, BothDischargesOnTheDimensionsTab) {
    EXPECT_EQ(qsCaption(dischargeCaption(2.45), dischargeCaption(4.9)), "Q2 = 2.45 cfs    Q25 = 4.9 cfs");
    EXPECT_EQ(qsCaption("0", "0"), "Q2 = 0    Q25 = 0");
}

TEST(EmergencyCapacity, TwentyFiveYearFlowLessPrincipalSpillwayFlow) {
    EXPECT_EQ(emergencyCapacityText(3.73, 1.2), "2.53");  // 2.5300000000000002
    EXPECT_EQ(emergencyCapacityText(12.2, 0), "12.2");
    EXPECT_EQ(emergencyCapacityText(1, 4), "-3");
    EXPECT_EQ(emergencyCapacityText(24.7, 24.7), "0");
    EXPECT_EQ(emergencyCapacityText(0.3, 0.1), "0.2");    // 0.19999999999999998
}

}  // namespace
