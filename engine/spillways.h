#ifndef ENGINE_SPILLWAYS_H
#define ENGINE_SPILLWAYS_H

// Principal spillway: riser diameter, head over the riser, outlet pipe length
// and the flow corrected for it.

#include <optional>
#include <string>
#include <string_view>

namespace engine {

inline constexpr double kWeirCoefficient = 3.1;

// pi = 4 x arctan(1).
double pi();

// Ds = 1.5 x Do, general number text: 8 gives "12", 42 gives "63".
std::string riserDiameterText(double diameter);

// h = (12 Q / (Ds (pi x 3.1)))^(2/3), 0 when Ds is 0, at least 1 ft; as
// "##0.0". Nothing when there is no real value (a negative Q over Ds).
std::optional<std::string> headOverRiserText(double q, double riserDiameter);

// The outlet pipe length L = (A - (B + C) / 2) x (Zu + Zd) + T + E, from the
// texts of the length window's boxes: A as a 64-bit float, the others rounded
// to 32-bit floats, the arithmetic in 64 bits.
struct PipeLengthInput {
    std::string_view a, b, c, zu, zd, t, e;
};

struct PipeLength {
    bool ok = false;
    double length = 0;
    std::string text;      // general number text, for the length window
    std::string mainText;  // "#####00.00", for the main window
    std::string error;     // the failure's description when not ok
};

PipeLength pipeLength(const PipeLengthInput& input);

// Failure descriptions of the length formula.
inline constexpr std::string_view kTypeMismatch = "Type mismatch";
inline constexpr std::string_view kOverflow = "Overflow";

// Qps = Q x CF in general number text (the table window's Qps).
std::string correctedFlowText(double q, double cf);
// The main window's Qps: the table window's Qps as "#########0.00".
std::string mainCorrectedFlowText(double qps);


}  // namespace engine

#endif  // ENGINE_SPILLWAYS_H
