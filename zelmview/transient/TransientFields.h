// The fields of the transient form and the project values they edit: the numeric fields with
// their labels and unit labels, the unit texts in English and metric units, and the orders in
// which a save and a run commit the fields.
#pragma once

#include <array>
#include <span>

#include "data/ZELMData.h"
#include "transient/TransientFormIds.h"

namespace transientform {

struct NumericField {
    int id;
    int labelId;  // 0: a label without an id
    const char* label;
    int unitId;
    double ZELMData::*member;
    const char* name;
};

// In the order the form shows them.
std::span<const NumericField> NumericFields();
const NumericField* FindNumericField(int controlId);

// A unit label's texts in English and in metric units.
struct UnitText {
    int id;
    const char* english;
    const char* metric;

    const char* In(ZELMData::Units units) const { return units == ZELMData::Units::English ? english : metric; }
};
std::span<const UnitText> UnitTexts();

// The amount column of the event table and its title in `units`.
inline constexpr int kAmountColumn = 2;
const char* AmountTitle(ZELMData::Units units);

using Ids = TransientFormIds;

// Fields committed before a save, in this order; the first bad number stops the save's commit.
inline constexpr std::array<int, 10> kSaveCommitOrder = {Ids::kComment,      Ids::kDepthToDrain,
                                                         Ids::kDrainRadius,  Ids::kDrainToBarrier,
                                                         Ids::kDrainSpacing, Ids::kRootZoneRequirement,
                                                         Ids::kPermeability, Ids::kSpecificYield,
                                                         Ids::kTitle,        Ids::kAwhc};
// Fields committed by Run, in this order; a bad number does not stop the run.
inline constexpr std::array<int, 10> kRunCommitOrder = {
    Ids::kComment,      Ids::kDrainRadius,   Ids::kDrainToBarrier, Ids::kDrainSpacing, Ids::kRootZoneRequirement,
    Ids::kPermeability, Ids::kSpecificYield, Ids::kTitle,          Ids::kAwhc,         Ids::kDepthToDrain};

}  // namespace transientform
