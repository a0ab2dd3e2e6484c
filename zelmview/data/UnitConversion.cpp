#include "data/UnitConversion.h"

#include <algorithm>
#include <cmath>

#include "data/ZELMData.h"

namespace zelm {
namespace {

constexpr double ZELMData::*kLengths[] = {
    &ZELMData::depthToDrain,  &ZELMData::drainRadius,        &ZELMData::barrierDistance, &ZELMData::permeability,
    &ZELMData::maxWaterTable, &ZELMData::minWaterTableDepth, &ZELMData::drainSpacing};

// Applies `convert` to every length and conductivity of the project.
template <typename Convert>
void convertLengths(ZELMData& data, Convert convert)
{
    for (double ZELMData::*length : kLengths) data.*length = convert(data.*length);
}

// Applies `convert` to the AWHC and every event amount.
template <typename Convert>
void convertAmounts(ZELMData& data, Convert convert)
{
    data.awhc = convert(data.awhc);
    for (IrrigationDataElement& event : data.events) event.amount = convert(event.amount);
}

bool isKept(double value)
{
    return std::isfinite(value) && std::fabs(value) <= ZELMData::kLargestReal;
}

}  // namespace

void ConvertUnits(ZELMData& data, ZELMData::Units newUnits)
{
    if (newUnits == data.metricUnits) return;
    switch (newUnits) {
    case ZELMData::Units::English:
        convertLengths(data, [](double metres) { return metres * kFeetPerMetre; });
        convertAmounts(data, [](double centimetres) { return centimetres / kCentimetresPerInch; });
        break;
    case ZELMData::Units::Metric:
        convertLengths(data, [](double feet) { return feet / kFeetPerMetre; });
        convertAmounts(data, [](double inches) { return inches * kCentimetresPerInch; });
        break;
    }
    data.metricUnits = newUnits;
}

bool convertsWithinFile(const ZELMData& data, ZELMData::Units newUnits)
{
    ZELMData converted = data;
    ConvertUnits(converted, newUnits);
    return std::all_of(std::begin(kLengths), std::end(kLengths),
                       [&converted](double ZELMData::*length) { return isKept(converted.*length); }) &&
           isKept(converted.awhc) &&
           std::all_of(converted.events.begin(), converted.events.end(),
                       [](const IrrigationDataElement& event) { return isKept(event.amount); });
}

}  // namespace zelm
