#ifndef ENGINE_RUNOFF_H
#define ENGINE_RUNOFF_H

// Required storage volumes and storm runoff of a drainage area.

#include <string>
#include <string_view>

namespace engine {

inline constexpr double kStorageCyPerAcre = 67.0;   // cubic yards of storage per acre
inline constexpr double kCleanOutCyPerAcre = 22.0;  // cubic yards at clean-out per acre
inline constexpr double kCubicFeetPerYard = 27.0;

// Vs = A x 67 x 27 cubic feet.
double storageVolume(double areaAcres);
// Vc = A x 22 x 27 cubic feet.
double cleanOutVolume(double areaAcres);

// The rational formula Q = C x I x A (C times I first), rounded to two
// decimals by the discharge's pattern and read back, so a held discharge never
// carries more than two decimals: 0.5 x 4.5 x 1.5 = 3.375 gives 3.38.
double twoYearDischarge(double c, double i, double a);         // Q2, "######0.00"
double twentyFiveYearDischarge(double c, double i, double a);  // Q25, "#######0.00"

// Whether the volumes of an area and a discharge C x I x A are finite numbers.
// An entry that would make one of them infinite is refused like text that is
// not a number, so that no result is ever left without a number to show.
bool volumesAreFinite(double areaAcres);
bool dischargeIsFinite(double c, double i, double a);

// The runoff coefficient must be below 1; exactly 1 is refused.
bool isAcceptedCFactor(double c);

// A volume in cubic yards and in cubic feet, in general number text:
// 1809 cf gives "67" and "1809".
struct VolumeTexts {
    std::string cubicYards;
    std::string cubicFeet;
};
VolumeTexts volumeTexts(double cubicFeet);

// Result captions: "67 cy  = 1809cf", "22 cy = 594cf", "2.45 cfs".
std::string storageVolumeCaption(double vs);
std::string cleanOutVolumeCaption(double vc);
std::string dischargeCaption(double q);

// "Q2 = " + Q2 caption + "    Q25 = " + Q25 caption.
std::string qsCaption(std::string_view q2Caption, std::string_view q25Caption);
inline constexpr std::string_view kQsCaptionInitial = "Q2:                               Q25:";

// Qes = Q25 - Qps in general number text: 3.73 - 1.2 gives "2.53".
std::string emergencyCapacityText(double q25, double qps);

}  // namespace engine

#endif  // ENGINE_RUNOFF_H
