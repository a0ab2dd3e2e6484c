#include "data/UnitConversion.h"

#include "data/ZELMData.h"

namespace zelm {
namespace {

// Applies `convert` to every length and conductivity of the project.
template <typename Convert>
void convertLengths(ZELMData& data, Convert convert)
{
    for (double* value : {&data.depthToDrain, &data.drainRadius, &data.barrierDistance, &data.permeability,
                          &data.maxWaterTable, &data.minWaterTableDepth, &data.drainSpacing})
        *value = convert(*value);
}

// Applies `convert` to the AWHC and every event amount.
template <typename Convert>
void convertAmounts(ZELMData& data, Convert convert)
{
    data.awhc = convert(data.awhc);
    for (IrrigationDataElement& event : data.events) event.amount = convert(event.amount);
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

}  // namespace zelm
