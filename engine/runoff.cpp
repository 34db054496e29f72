#include "engine/runoff.h"

#include "engine/number_text.h"

#include <cmath>

namespace engine {

double storageVolume(double areaAcres) { return areaAcres * kStorageCyPerAcre * kCubicFeetPerYard; }

double cleanOutVolume(double areaAcres) { return areaAcres * kCleanOutCyPerAcre * kCubicFeetPerYard; }

double twoYearDischarge(double c, double i, double a) { return roundByPattern(c * i * a, pattern::q2); }

double twentyFiveYearDischarge(double c, double i, double a) { return roundByPattern(c * i * a, pattern::q25); }

bool volumesAreFinite(double areaAcres)
{
    return std::isfinite(storageVolume(areaAcres)) && std::isfinite(cleanOutVolume(areaAcres));
}

bool dischargeIsFinite(double c, double i, double a) { return std::isfinite(c * i * a); }

bool isAcceptedCFactor(double c) { return c < 1; }

VolumeTexts volumeTexts(double cubicFeet) { return {generalText(cubicFeet / kCubicFeetPerYard), generalText(cubicFeet)}; }

std::string storageVolumeCaption(double vs)
{
    const VolumeTexts texts = volumeTexts(vs);
    return texts.cubicYards + " cy  = " + texts.cubicFeet + "cf";
}

std::string cleanOutVolumeCaption(double vc)
{
    const VolumeTexts texts = volumeTexts(vc);
    return texts.cubicYards + " cy = " + texts.cubicFeet + "cf";
}

std::string dischargeCaption(double q) { return generalText(q) + " cfs"; }

std::string qsCaption(std::string_view q2Caption, std::string_view q25Caption)
{
    return "Q2 = " + std::string(q2Caption) + "    Q25 = " + std::string(q25Caption);
}

std::string emergencyCapacityText(double q25, double qps) { return generalText(q25 - qps); }

}  // namespace engine
