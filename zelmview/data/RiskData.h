// The risk project: the whole input of the uncertainty model (field data with their standard
// deviations, costs, trenching machine, the design or range of designs to evaluate, and the
// reliability settings or the loss function), and the ".rsk" file that holds it. The model reads
// the same file.
#pragma once

#include <QString>
#include <array>

class RiskData {
public:
    // Codes of the two-way choices.
    static constexpr int kEnglish = 1, kMetric = 2;                     // units
    static constexpr int kGivenDesign = 1, kDesignRange = 2;            // evaluation
    static constexpr int kRiskAnalysis = 1, kLossFunction = 2;          // uncertaintyOption
    static constexpr int kAveragePipeCost = 1, kPipeSizeTable = 2;      // pipeCostType
    static constexpr int kConstantSpeed = 1, kVariableSpeed = 2;        // trenchSpeed
    static constexpr int kGivenReliability = 1, kReliabilityTable = 2;  // reliabilityOption

    static constexpr int kPipeSizes = 7;  // rows of the pipe cost table: 4, 6, ... 14 and larger
    static constexpr std::array<const char*, 3> PipeTypeNames = {"PLASTIC", "CONCRETE", "CLAY"};
    // The file keeps the crop name in a field of this many characters.
    static constexpr int kCropNameLength = 10;

    // Both report every failure with one message through the message sink and return false.
    // A failed read is not rolled back: lines read before the failing one keep their new values.
    bool ReadData(const QString& path);
    bool WriteData(const QString& path) const;

    // Converts the stored values to the unit system `newUnits` (kEnglish, or any other code for
    // metric) and stores the code; nothing changes when the project is in it already.
    void SetUnits(int newUnits);

    // `name` as the file keeps it and reads it back: one line, without outer white space, cut to
    // fit the crop name field (at most kCropNameLength bytes of UTF-8, one fewer for a name that
    // begins with "#", which is written after a blank so its line is not taken for a comment).
    static QString FittedCropName(const QString& name);

    // Field by field, so a stored change that changes nothing is no change.
    bool operator==(const RiskData&) const = default;

    int units = kEnglish;
    int evaluation = kGivenDesign;
    int uncertaintyOption = kRiskAnalysis;
    double barrierDepth = 0.0;  // Z
    double drainRadius = 0.0;   // also the radius of influence
    double permeability = 0.0;  // k, length per day
    double rechargeRate = 0.0;  // Qd, length per day
    double barrierDepthSD = 0.0;
    double permeabilitySD = 0.0;
    double rechargeRateSD = 0.0;
    int pipeType = 0;                             // index into PipeTypeNames
    double discountRate = 0.0;                    // percent
    double systemLife = 0.0;                      // years
    double omCost = 0.0;                          // per linear foot or metre
    double averagePipeCost = 0.0;                 // per linear foot or metre
    std::array<double, kPipeSizes> pipeCost{};    // per linear foot or metre
    std::array<double, kPipeSizes> gravelCost{};  // per linear foot or metre
    std::array<double, kPipeSizes> lateralPercent{};
    int pipeCostType = kAveragePipeCost;
    double constCostPerMinute = 0.0;
    double constInstallRate = 0.0;  // length per minute
    double varCostPerMinute = 0.0;
    double maxInstallDepth = 0.0;
    double minInstallRate = 0.0;  // length per minute
    double depthRateSlope = 0.0;
    int trenchSpeed = kConstantSpeed;
    double criticalDepth = 0.0;  // to the water table
    double designDepth = 0.0;
    double designSpacing = 0.0;
    double depthIncrement = 0.0;
    double maxDepth = 0.0;
    double minDepth = 0.0;
    double spacingIncrement = 0.0;
    double maxSpacing = 0.0;
    double minSpacing = 0.0;
    double givenReliability = 0.0;  // reliabilities in percent
    double reliabilityIncrement = 0.0;
    double maxReliability = 0.0;
    double minReliability = 0.0;
    int reliabilityOption = kGivenReliability;
    QString cropName;
    int lossFunction = 1;  // 1, 2 or 3
    double coefA = 0.0;    // of Y = A + B(X^3 - 3X^2 + 3X)
    double coefB = 0.0;
    double coefX = 0.0;
    double maxYieldDepth = 0.0;   // depth to the water table for the maximum yield
    double annualBenefits = 0.0;  // per acre, or per hectare in metric units
};
