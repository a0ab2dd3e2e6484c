#include "transient/TransientFields.h"

namespace transientform {
namespace {

constexpr NumericField kNumericFields[] = {
    {Ids::kPermeability, 0, "Permeability", Ids::kPermeabilityUnit, &ZELMData::permeability, "permeability"},
    {Ids::kRootZoneRequirement, Ids::kRootZoneLabel, "Root Zone Requirement", Ids::kRootZoneUnit,
     &ZELMData::minWaterTableDepth, "rootZoneRequirement"},
    {Ids::kDrainToBarrier, 0, "Drain to Barrier", Ids::kDrainToBarrierUnit, &ZELMData::barrierDistance,
     "drainToBarrier"},
    {Ids::kSpecificYield, 0, "Specific Yield", Ids::kSpecificYieldUnit, &ZELMData::specificYield, "specificYield"},
    {Ids::kDrainRadius, 0, "Drain Radius", Ids::kDrainRadiusUnit, &ZELMData::drainRadius, "drainRadius"},
    {Ids::kDepthToDrain, 0, "Depth to the Drain", Ids::kDepthToDrainUnit, &ZELMData::depthToDrain, "depthToDrain"},
    {Ids::kDrainSpacing, Ids::kDrainSpacingLabel, "Existing Drain Spacing", Ids::kDrainSpacingUnit,
     &ZELMData::drainSpacing, "drainSpacing"},
    {Ids::kAwhc, Ids::kAwhcLabel, "AWHC for top 5 ft of Soil", Ids::kAwhcUnit, &ZELMData::awhc, "awhc"},
};

constexpr UnitText kUnitTexts[] = {
    {Ids::kPermeabilityUnit, "ft/day", "m/day"},
    {Ids::kRootZoneUnit, "ft", "m"},
    {Ids::kDepthToDrainUnit, "ft", "m"},
    {Ids::kDrainRadiusUnit, "ft", "m"},
    {Ids::kDrainSpacingUnit, "ft", "m"},
    {Ids::kDrainToBarrierUnit, "ft", "m"},
    {Ids::kSpecificYieldUnit, "decimal", "decimal"},
    {Ids::kAwhcUnit, "in", "cm"},
    // The AWHC is held for the soil above the bench and bottomland criterion, 5 ft or 1.524 m deep.
    {Ids::kAwhcLabel, "AWHC for top 5 ft of Soil", "AWHC for top 1.524 m of Soil"},
};

}  // namespace

std::span<const NumericField> NumericFields()
{
    return kNumericFields;
}

const NumericField* FindNumericField(int controlId)
{
    for (const NumericField& field : kNumericFields)
        if (field.id == controlId) return &field;
    return nullptr;
}

std::span<const UnitText> UnitTexts()
{
    return kUnitTexts;
}

const char* AmountTitle(ZELMData::Units units)
{
    return units == ZELMData::Units::English ? "Deep Perc (in)" : "Deep Perc (cm)";
}

}  // namespace transientform
