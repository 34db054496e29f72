#ifndef ENGINE_BASIN_SIZING_H
#define ENGINE_BASIN_SIZING_H

// Basin sizing by depth: the bottom width of a 2:1 rectangular basin with
// sloped walls that holds the required volume, found in closed form from the
// sum of thin horizontal slices, then measured again with the frustum volume.

#include <optional>
#include <string>

namespace engine {

inline constexpr int kMinDepth = 4;
inline constexpr int kMaxDepth = 10;
inline constexpr double kMinimumInnerSlope = 2.5;

struct SizingResult {
    // False when the inputs have no defined basin (a negative area product
    // under the square root, or any other non-finite value); the texts are
    // then empty and the caller leaves its outputs unchanged.
    bool defined = false;
    // True when the inputs are too large for the arithmetic (a result or an
    // intermediate value is not a finite number): such inputs are refused.
    bool overflow = false;

    int slices = 0;       // N = 100 x depth
    double run = 0;       // z x depth, the horizontal extent of one inner slope
    double width = 0;     // W, the unrounded root (0 when there is no real root)
    double volume = 0;    // V, the frustum volume of the rounded basin, cf
    double accuracy = 0;  // the smaller volume over the larger; 0 when both are 0

    std::string widthText;        // W, "####0.00"
    std::string lengthText;       // 2 x rounded W
    std::string topWidthText;     // rounded W + 2 x run
    std::string topLengthText;    // length + 2 x run
    std::string runText;          // run, general number text
    std::string volumeText;       // V, "##0.00"
    std::string requiredVolumeText;  // Vs, general number text
    std::string accuracyText;     // "##0.000"
    std::string percentText;      // "Actual Volume: ... Required Volume: ... Accuracy: ..."
};

// The sizing run for a required volume Vs (cf), side slope z and depth d (ft).
SizingResult sizeBasin(double requiredVolume, double slope, int depth);

// The slice count kept in the hidden box: "400" for 4 ft.
std::string sliceCountText(int depth);

// "(Basins' depth: 4 ft.)"
std::string depthCaption(int depth);
inline constexpr const char* kPercentCaptionInitial = "Percentage:";

// The least H for a depth: depth + 1 ft (32-bit).
float minimumHeight(int depth);

// The H floors, compared as 32-bit floats. Each gives the new H text when H
// must rise, nothing when it stands.
std::optional<std::string> heightFloorForDepth(float height, int depth);            // H < depth + 1
std::optional<std::string> heightFloorForHead(float head, int depth, float height);  // h + depth > H

}  // namespace engine

#endif  // ENGINE_BASIN_SIZING_H
