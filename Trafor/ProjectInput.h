// The project as the model reads it from the ".TRN" file: field data, the yearly list of
// deep-percolation events and the comment lines. Every real is single precision, as the model
// computes in single precision throughout.
#pragma once

#include <string>
#include <vector>

namespace zelm {

struct PercolationEvent {
    int month = 0;
    int day = 0;
    float amount = 0.0f;  // inches (English) or centimetres (metric)
};

struct ProjectInput {
    float version = 0.0f;  // read and ignored
    std::string title;     // first 80 columns of the title line
    int inputMode = 0;     // 0 = design, any other value = analysis
    int unitsMode = 0;     // 0 = English, any other value = metric
    int benchFlag = 0;     // 1 = print the AWHC line

    float permeability = 0.0f;     // K, length/day
    float maxWaterTable = 0.0f;    // h, allowed height above the drain at mid-spacing
    float barrierDistance = 0.0f;  // d, drain to the impermeable barrier
    float specificYield = 0.0f;    // Sy, drainable fraction
    float drainRadius = 0.0f;      // r0
    float depthToDrain = 0.0f;     // ground surface to drain
    float drainSpacing = 0.0f;     // S, analysed spacing (design: replaced by the result)
    float awhc = 0.0f;             // printed only
    int barrierMode = 0;           // 1 = on, -1 = by criterion, other = off

    std::vector<PercolationEvent> events;
    std::vector<std::string> comments;  // each the first 80 columns of its line

    bool isDesign() const { return inputMode == 0; }
    bool isMetric() const { return unitsMode != 0; }
    // Event amounts are in inches or centimetres; lengths in feet or metres.
    float amountPerLength() const { return isMetric() ? 100.0f : 12.0f; }
};

}  // namespace zelm
