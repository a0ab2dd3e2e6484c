// One deep-percolation event of a transient project.
#pragma once

struct IrrigationDataElement {
    int month = 0;        // 1..12
    int day = 0;          // 1..31
    double amount = 0.0;  // inches (English) or centimetres (metric)

    bool operator==(const IrrigationDataElement&) const = default;
};
