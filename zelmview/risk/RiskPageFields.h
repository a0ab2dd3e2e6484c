// What the pages of a risk project edit: each numeric field with its id, its label, the project
// value it holds and its unit label (English and metric texts), and the choices of the radio
// groups. The pages lay out and bind their fields from these tables, so each page states only
// what sets it apart.
#pragma once

#include <span>

#include "data/RiskData.h"
#include "risk/RiskPageIds.h"

namespace riskform {

// A unit label beside a field. Id 0 is a fixed label (such as "%") that no unit change touches;
// both texts empty and id 0 mean no label at all.
struct UnitLabel {
    int id = 0;
    const char* english = "";
    const char* metric = "";
};

struct Field {
    int id;
    const char* label;
    double RiskData::*member;
    const char* name;  // names the edit ("drainRadiusEdit") and its unit label ("drainRadiusUnit")
    UnitLabel unit;
};

// A radio button of a group and the code it stores.
template <typename Code>
struct Choice {
    int id;
    Code code;
    const char* text;
    const char* name;
};

std::span<const Field> fieldDataFields();
std::span<const Field> costDataFields();  // interest, life and O && M; the average cost apart
const Field& averagePipeCostField();
std::span<const Field> trenchDataFields();
std::span<const Field> designSingleFields();
std::span<const Field> designRangeDepthFields();
std::span<const Field> designRangeSpacingFields();
// The critical depth of the two analysis pages (risk analysis and loss function).
const Field& riskCriticalDepthField();
std::span<const Field> reliabilityFields();
std::span<const Field> lossFunctionYieldFields();
std::span<const Field> lossFunctionCoefficientFields();

}  // namespace riskform
