// One row of the model report's water-table fluctuation table: a drainage period with the rise
// that ends it. A new record is all zero.
#pragma once

struct OutputRecord {
    double time = 0.0;         // days of the period
    double buildUp = 0.0;      // rise of the event that ends the period; 0 for the first record
    double flowDepth = 0.0;    // H on the barrier, D off the barrier
    double startHeight = 0.0;  // water table above the drain at the start of the period
    double timeFactor = 0.0;   // KHt/SL2 or KDt/SL2; NaN when the report could not show it (asterisks)
    double heightRatio = 0.0;  // Z/H or Y/Y0
    double endHeight = 0.0;    // water table above the drain at the end of the period
};
