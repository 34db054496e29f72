#include "engine/basin_sizing.h"

#include "engine/runoff.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>

namespace {

using namespace engine;

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// A run may refuse inputs that have no basin, but it must never hand a
// non-finite value on, as a number or as text.
void expectNothingNonFinite(const SizingResult& r) {
    const std::string texts[] = {r.widthText, r.lengthText, r.topWidthText, r.topLengthText, r.percentText};
    if (!r.defined) {
        for (const auto& t : texts) EXPECT_EQ(t, "");
        return;
    }
    EXPECT_TRUE(std::isfinite(r.width));
    EXPECT_TRUE(std::isfinite(r.volume));
    EXPECT_TRUE(std::isfinite(r.accuracy));
    for (const auto& t : texts) {
        EXPECT_EQ(lower(t).find("nan"), std::string::npos) << t;
        EXPECT_EQ(lower(t).find("inf"), std::string::npos) << t;
    }
}

struct WorkedRow {
    double area, slope;
    int depth;
    const char* width;
    const char* length;
    const char* topWidth;
    const char* topLength;
    const char* percent;
};

TEST(BasinSizing, WorkedValues) {
    const WorkedRow rows[] = {
        {1, 2.5, 4, "7.20", "14.4", "27.2", "34.4",
         "Actual Volume: 1801.33    Required Volume: 1809    Accuracy: 0.996"},
        {2, 2.5, 6, "5.44", "10.88", "35.44", "40.88",
         "Actual Volume: 3601.80    Required Volume: 3618    Accuracy: 0.996"},
        {5, 2.5, 8, "7.90", "15.8", "47.9", "55.8",
         "Actual Volume: 9000.74    Required Volume: 9045    Accuracy: 0.995"},
        // No area: no real root, the basin is the slopes alone.
        {0, 2.5, 4, "0.00", "0", "20", "20",
         "Actual Volume: 533.33    Required Volume: 0    Accuracy: 0.000"},
        // A volume smaller than the slopes alone gives a negative width, used as is.
        {3.5, 3, 10, "-7.55", "-15.1", "52.45", "44.9",
         "Actual Volume: 9957.86    Required Volume: 6331.5    Accuracy: 0.636"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "area " << row.area << ", z " << row.slope << ", depth " << row.depth);
        const SizingResult r = sizeBasin(storageVolume(row.area), row.slope, row.depth);
        EXPECT_TRUE(r.defined);
        EXPECT_EQ(r.slices, 100 * row.depth);
        EXPECT_DOUBLE_EQ(r.run, row.slope * row.depth);
        EXPECT_EQ(r.widthText, row.width);
        EXPECT_EQ(r.lengthText, row.length);
        EXPECT_EQ(r.topWidthText, row.topWidth);
        EXPECT_EQ(r.topLengthText, row.topLength);
        EXPECT_EQ(r.percentText, row.percent);
    }
}

TEST(BasinSizing, KeepsTheUnroundedRootAndItsVolume) {
    // 1 acre at 4 ft: a = 800, b = 11970, c = -127766.5.
    const SizingResult r = sizeBasin(1809, 2.5, 4);
    EXPECT_NEAR(r.width, 7.2047034, 1e-6);
    EXPECT_NEAR(r.volume, 1801.32776, 1e-4);
    EXPECT_NEAR(r.accuracy, 1801.32776 / 1809, 1e-7);
}

TEST(BasinSizing, RootThresholdsAtFourFeetOnTwoAndAHalfToOne) {
    // b^2 = 4ac at Vs = 83.5821875 cf; c = 0 at Vs = 531.335 cf.
    const SizingResult noRoot = sizeBasin(83.58, 2.5, 4);
    EXPECT_EQ(noRoot.width, 0);
    EXPECT_EQ(noRoot.widthText, "0.00");

    const SizingResult justRoot = sizeBasin(83.59, 2.5, 4);
    EXPECT_LT(justRoot.width, 0);
    EXPECT_EQ(justRoot.widthText, "-7.45");
    EXPECT_EQ(justRoot.topLengthText, "5.1");

    EXPECT_LT(sizeBasin(300, 2.5, 4).width, 0);
    EXPECT_LT(sizeBasin(531.33, 2.5, 4).width, 0);
    EXPECT_GT(sizeBasin(531.34, 2.5, 4).width, 0);
    EXPECT_GT(sizeBasin(600, 2.5, 4).width, 0);
}

TEST(BasinSizing, AccuracyIsTheSmallerVolumeOverTheLarger) {
    // A box basin (z = 0) whose width rounds up is about 2 % too large, one
    // whose width rounds down about 2 % too small; both read 0.980.
    const SizingResult tooLarge = sizeBasin(1.0664, 0, 4);  // W 0.3651 shown as 0.37
    EXPECT_GT(tooLarge.volume, 1.0664);
    EXPECT_EQ(tooLarge.percentText, "Actual Volume: 1.09    Required Volume: 1.0664    Accuracy: 0.980");

    const SizingResult tooSmall = sizeBasin(1.1244, 0, 4);  // W 0.3749 shown as 0.37
    EXPECT_LT(tooSmall.volume, 1.1244);
    EXPECT_EQ(tooSmall.percentText, "Actual Volume: 1.10    Required Volume: 1.1244    Accuracy: 0.980");
}

TEST(BasinSizing, BothVolumesZeroDoesNotFail) {
    const SizingResult r = sizeBasin(0, 0, 4);
    EXPECT_TRUE(r.defined);
    EXPECT_EQ(r.widthText, "0.00");
    EXPECT_EQ(r.topWidthText, "0");
    EXPECT_EQ(r.accuracy, 0);
    EXPECT_EQ(r.percentText.rfind("Actual Volume: 0.00    Required Volume: 0", 0), 0u) << r.percentText;
    expectNothingNonFinite(r);
}

TEST(BasinSizing, InputsWithoutABasinNeverGiveNonFiniteText) {
    // Negative slope: top width -1.82 by top length 16.36, a negative area under the root.
    expectNothingNonFinite(sizeBasin(1000, -2.5, 4));
    // Negative area on a zero slope: the actual volume is 0 against a negative requirement.
    expectNothingNonFinite(sizeBasin(storageVolume(-1), 0, 4));
    expectNothingNonFinite(sizeBasin(-1809, 2.5, 4));
}

TEST(BasinSizing, SliceCountAndDepthCaption) {
    EXPECT_EQ(sliceCountText(4), "400");
    EXPECT_EQ(sliceCountText(10), "1000");
    EXPECT_EQ(depthCaption(4), "(Basins' depth: 4 ft.)");
    EXPECT_EQ(depthCaption(10), "(Basins' depth: 10 ft.)");
}

TEST(HeightFloors, AtLeastOneFootAboveTheDepth) {
    EXPECT_EQ(minimumHeight(4), 5.0f);
    EXPECT_EQ(minimumHeight(10), 11.0f);
    EXPECT_EQ(heightFloorForDepth(3.0f, 4), "5");
    EXPECT_EQ(heightFloorForDepth(4.99f, 4), "5");
    EXPECT_EQ(heightFloorForDepth(0.0f, 7), "8");
    EXPECT_FALSE(heightFloorForDepth(5.0f, 4).has_value());
    EXPECT_FALSE(heightFloorForDepth(12.0f, 10).has_value());
}

TEST(HeightFloors, AtLeastTheHeadAboveTheDepth) {
    EXPECT_FALSE(heightFloorForHead(1.0f, 4, 5.0f).has_value());   // 4 ft with H 3 raised to 5: h 1 leaves it
    EXPECT_EQ(heightFloorForHead(2.3f, 4, 5.0f), "6.3");
    EXPECT_EQ(heightFloorForHead(2.1f, 10, 11.0f), "12.1");
    EXPECT_FALSE(heightFloorForHead(2.3f, 4, 7.0f).has_value());
    // H typed as exactly h + depth stands; in 64 bits 1.7f + 4 would exceed 5.7f.
    EXPECT_FALSE(heightFloorForHead(1.7f, 4, 5.7f).has_value());
    EXPECT_FALSE(heightFloorForHead(2.7f, 9, 11.7f).has_value());
}

}  // namespace
