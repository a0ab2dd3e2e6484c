// The fields of the transient form and the project values they edit: the numeric fields with
// their labels and unit labels, and the unit texts in English and metric units.
#pragma once

#include <span>

#include "data/ZELMData.h"
#include "transient/TransientFormIds.h"

namespace transientform {

using Ids = TransientFormIds;

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

// The texts in English and in metric units of a label that names a unit: the unit labels, and the
// AWHC's label, which names the depth of soil it is held for.
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

}  // namespace transientform
