#include "engine/basin_results.h"

#include "engine/number_text.h"
#include "engine/runoff.h"

#include <cmath>

namespace engine {

namespace {

std::optional<double> numberOf(const BasinDesign& design, int column)
{
    return parseNumber(loadedText(design, column));
}

// A length, area or slope: a number that is not negative.
std::optional<double> measureOf(const BasinDesign& design, int column)
{
    const auto value = numberOf(design, column);
    if (!value || *value < 0)
        return std::nullopt;
    return value;
}

std::optional<double> discharge(double (*rule)(double, double, double), std::optional<double> c,
                                std::optional<double> i, std::optional<double> a)
{
    if (!c || !i || !a || !isAcceptedCFactor(*c))
        return std::nullopt;
    return rule(*c, *i, *a);
}

std::optional<int> depthOf(const BasinDesign& design)
{
    const auto value = numberOf(design, col::Depth);
    if (!value || *value < kMinDepth || *value > kMaxDepth || std::floor(*value) != *value)
        return std::nullopt;
    return int(*value);
}

void choosePipe(const BasinDesign& design, BasinResults& r)
{
    const auto height = numberOf(design, col::Height);
    if (height && r.q2)
        r.pipe = table_a::selectPipe(*height, *r.q2);
    const auto diameter = numberOf(design, col::PrinOutletPipeDiameter);
    const auto q = numberOf(design, col::Q);
    if (!diameter || !q || *diameter == 0)
        return;
    r.chosenPipe = table_a::cellFor(*diameter, *q);
    const bool automatic = r.pipe.cell && !table_a::isOverwrite(*q, r.pipe.cell->flow());
    r.pipeChoice = automatic ? Choice::Automatic : Choice::Overwrite;
}

void chooseCorrection(const BasinDesign& design, BasinResults& r)
{
    r.length = pipeLength({loadedText(design, col::A), loadedText(design, col::B), loadedText(design, col::C),
                           loadedText(design, col::Slope), loadedText(design, col::Zd), loadedText(design, col::T),
                           loadedText(design, col::E)});
    const auto diameter = numberOf(design, col::PrinOutletPipeDiameter);
    const auto q = numberOf(design, col::Q);
    // The table reads L as the main window shows it, with two decimals.
    const auto length = r.length.ok ? parseNumber(r.length.mainText) : std::nullopt;
    if (length && diameter)
        r.correction = table_b::selectCorrection(*length, *diameter);
    std::optional<double> automaticQps;
    if (r.correction.cell && q) {
        r.automaticQpsText = correctedFlowText(*q, r.correction.cell->factor());
        automaticQps = parseNumber(r.automaticQpsText);
        if (automaticQps)
            r.automaticMainQpsText = mainCorrectedFlowText(*automaticQps);
    }
    const auto qps = numberOf(design, col::Qps);
    if (!qps || *qps == 0)
        return;
    const bool automatic = automaticQps && !table_b::isOverwrite(*qps, *automaticQps);
    r.qpsChoice = automatic ? Choice::Automatic : Choice::Overwrite;
}

void chooseChannel(const BasinDesign& design, BasinResults& r)
{
    const auto qes = numberOf(design, col::Qes);
    if (qes) {
        r.suggestion = table_es::suggestChannel(*qes);
        r.overDesigned = *qes < 0;
    }
    const auto stage = numberOf(design, col::EmStage);
    const auto width = numberOf(design, col::EmBottomWidth);
    if (!stage || !width || *stage == 0)
        return;
    r.chosenChannel = table_es::cellFor(*stage, *width);
    const bool automatic = qes && r.suggestion.cell && r.chosenChannel &&
                           r.chosenChannel->index == r.suggestion.cell->index;
    r.channelChoice = automatic ? Choice::Automatic : Choice::Overwrite;
}

}  // namespace

BasinResults basinResults(const BasinDesign& design)
{
    BasinResults r;
    const auto area = measureOf(design, col::Area);
    if (area) {
        r.vs = storageVolume(*area);
        r.vc = cleanOutVolume(*area);
    }
    const auto c = numberOf(design, col::CFactor);
    r.q2 = discharge(&twoYearDischarge, c, numberOf(design, col::I1), area);
    r.q25 = discharge(&twentyFiveYearDischarge, c, numberOf(design, col::I2), area);

    r.depth = depthOf(design);
    const auto slope = measureOf(design, col::Slope);
    if (r.vs && slope && r.depth)
        r.sizing = sizeBasin(*r.vs, *slope, *r.depth);

    choosePipe(design, r);
    chooseCorrection(design, r);
    chooseChannel(design, r);
    return r;
}

}  // namespace engine
