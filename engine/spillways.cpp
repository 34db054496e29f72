#include "engine/spillways.h"

#include "engine/number_text.h"

#include <cmath>

namespace engine {

double pi() { return 4 * std::atan(1.0); }

std::string riserDiameterText(double diameter) { return generalText(diameter * 1.5); }

std::optional<std::string> headOverRiserText(double q, double riserDiameter)
{
    double head = 0;
    if (riserDiameter != 0) {
        const double ratio = 12 * q / (riserDiameter * (pi() * kWeirCoefficient));
        if (!(ratio >= 0) || !std::isfinite(ratio))
            return std::nullopt;  // no real head for a negative flow over the riser
        head = std::pow(ratio, 2.0 / 3.0);
    }
    if (head < 1)
        head = 1;
    if (!std::isfinite(head))
        return std::nullopt;
    return formatPattern(head, pattern::head);
}

PipeLength pipeLength(const PipeLengthInput& input)
{
    PipeLength result;
    const auto a = parseNumber(input.a);
    const std::optional<float> singles[] = {parseSingle(input.b), parseSingle(input.c), parseSingle(input.zu),
                                            parseSingle(input.zd), parseSingle(input.t), parseSingle(input.e)};
    if (!a) {
        result.error = kTypeMismatch;
        return result;
    }
    const std::string_view texts[] = {input.b, input.c, input.zu, input.zd, input.t, input.e};
    for (std::size_t i = 0; i < std::size(singles); ++i)
        if (!singles[i]) {
            // A number too large for a 32-bit float overflows; anything else is not a number.
            result.error = isNumericText(texts[i]) ? kOverflow : kTypeMismatch;
            return result;
        }
    const double b = *singles[0], c = *singles[1], zu = *singles[2], zd = *singles[3], t = *singles[4], e = *singles[5];
    const double length = (*a - (b + c) / 2) * (zu + zd) + t + e;
    if (!std::isfinite(length)) {
        result.error = kOverflow;
        return result;
    }
    result.ok = true;
    result.length = length;
    result.text = generalText(length);
    result.mainText = formatPattern(length, pattern::pipeLength);
    return result;
}

std::string correctedFlowText(double q, double cf) { return generalText(q * cf); }

std::string mainCorrectedFlowText(double qps) { return formatPattern(qps, pattern::qps); }


}  // namespace engine
