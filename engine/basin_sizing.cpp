#include "engine/basin_sizing.h"

#include "engine/number_text.h"

#include <cmath>

namespace engine {

namespace {

// The number a text shows; the texts here are all made by the engine itself.
double valueOf(const std::string& text) { return parseNumber(text).value_or(0.0); }

}  // namespace

namespace {

// The result of a run that has no defined basin: only the slice count and run.
SizingResult undefinedSizing(int slices, double run)
{
    SizingResult r;
    r.slices = slices;
    r.run = run;
    return r;
}

}  // namespace

SizingResult sizeBasin(double requiredVolume, double slope, int depth)
{
    SizingResult r;
    const double vs = requiredVolume;
    const double d = depth;
    const int n = 100 * depth;
    r.slices = n;
    r.run = slope * d;
    if (n <= 0 || !std::isfinite(vs) || !std::isfinite(r.run)) {
        r.overflow = true;
        return r;
    }

    const double step = r.run / n;  // widening of each side per slice
    const double dh = d / n;        // slice height
    // Sums over the slice positions m = 1 ... N - 1, exact in 64-bit floats.
    const double sumM = double(n) * (n - 1) / 2;
    const double sumM2 = double(n - 1) * n * (2.0 * n - 1) / 6;

    // N slices of area 2W^2 + 6 m step W + 4 m^2 step^2 and height dh hold Vs:
    // a W^2 + b W + c = 0.
    const double a = 2.0 * n;
    const double b = 6 * step * sumM;
    const double c = 4 * step * step * sumM2 - vs / dh;
    if (!std::isfinite(c) || !std::isfinite(b * b - 4 * a * c)) {
        r.overflow = true;
        return r;
    }
    double width = 0;
    if (4 * a * c < b * b)
        width = (-b + std::sqrt(b * b - 4 * a * c)) / (2 * a);
    r.width = width;

    r.widthText = formatPattern(width, pattern::width);
    const double roundedWidth = valueOf(r.widthText);
    r.lengthText = generalText(2 * roundedWidth);
    const double length = valueOf(r.lengthText);
    r.topWidthText = generalText(roundedWidth + 2 * r.run);
    r.topLengthText = generalText(length + 2 * r.run);

    // The frustum volume of the basin as drawn: the bottom mixes the rounded
    // length with the unrounded width.
    const double bottomArea = length * width;
    const double topArea = valueOf(r.topWidthText) * valueOf(r.topLengthText);
    const double areaProduct = bottomArea * topArea;
    if (areaProduct < 0)
        return undefinedSizing(n, r.run);  // no real basin: a square root of a negative area
    r.volume = (bottomArea + topArea + std::sqrt(areaProduct)) * (1.0 / 3.0) * d;

    const double larger = r.volume >= vs ? r.volume : vs;
    const double smaller = r.volume >= vs ? vs : r.volume;
    r.accuracy = larger == 0 ? 0 : smaller / larger;

    if (!std::isfinite(r.volume) || !std::isfinite(r.accuracy) || r.widthText.empty() || r.lengthText.empty() ||
        r.topWidthText.empty() || r.topLengthText.empty()) {
        SizingResult undefined = undefinedSizing(n, r.run);
        undefined.overflow = true;
        return undefined;
    }

    r.runText = generalText(r.run);
    r.volumeText = formatPattern(r.volume, pattern::volume);
    r.requiredVolumeText = generalText(vs);
    r.accuracyText = formatPattern(r.accuracy, pattern::accuracy);
    r.percentText = "Actual Volume: " + r.volumeText + "    Required Volume: " + r.requiredVolumeText +
                    "    Accuracy: " + r.accuracyText;
    r.defined = true;
    return r;
}

std::string sliceCountText(int depth) { return std::to_string(100 * depth); }

std::string depthCaption(int depth) { return "(Basins' depth: " + std::to_string(depth) + " ft.)"; }

float minimumHeight(int depth) { return static_cast<float>(depth) + 1.0f; }

std::optional<std::string> heightFloorForDepth(float height, int depth)
{
    const float minimum = minimumHeight(depth);
    if (height < minimum)
        return generalText32(minimum);
    return std::nullopt;
}

std::optional<std::string> heightFloorForHead(float head, int depth, float height)
{
    const float least = head + static_cast<float>(depth);
    if (least > height)
        return generalText32(least);
    return std::nullopt;
}

}  // namespace engine
