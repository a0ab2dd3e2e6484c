// The risk project: the whole input of the uncertainty model (field data with their standard
// deviations, costs, trenching machine, the design or range of designs to evaluate, and the
// reliability settings or the loss function), and the ".rsk" file that holds it. The model reads
// the same file.
#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cfloat>

class RiskData {
public:
    // The codes of the project, with the numbers the file keeps for them.
    // English: ft, ft/day, cost per linear foot, benefits per acre; metric: m, per metre, per hectare.
    enum class Units : int { English = 1, Metric = 2 };
    // The risk of one given design, or the designs of a range for a certain risk.
    enum class Evaluation : int { GivenDesign = 1, DesignRange = 2 };
    enum class UncertaintyOption : int { RiskAnalysis = 1, LossFunctionAnalysis = 2 };
    // One average pipe cost, or the table of pipe sizes.
    enum class PipeCostType : int { Average = 1, SizeTable = 2 };
    // The trenching machine's speed.
    enum class TrenchSpeed : int { Constant = 1, Variable = 2 };
    // Find the design of a given reliability, or a table of reliability against cost.
    enum class ReliabilityOption : int { GivenReliability = 1, ReliabilityTable = 2 };
    // The crop's yield against the depth to the water table: Y = A + B(X^3 - 3X^2 + 3X); a peak,
    // a sharp drop and a lower level; a symmetric dome.
    enum class LossFunction : int { Cubic = 1, PeakAndDrop = 2, Dome = 3 };
    // The file names the type by its entry in PipeTypeNames.
    enum class PipeType : int { Plastic = 0, Concrete = 1, Clay = 2 };

    static constexpr int kPipeSizes = 7;  // rows of the pipe cost table: 4, 6, ... 14 and larger
    static constexpr std::array<const char*, 3> PipeTypeNames = {"PLASTIC", "CONCRETE", "CLAY"};
    // The file keeps the crop name in a field of this many characters.
    static constexpr int kCropNameLength = 10;
    // The largest size of a real the file keeps: the reader and the model take any finite double.
    static constexpr double kLargestReal = DBL_MAX;

    // Both report every failure with one message through the message sink and return false.
    // A failed read is not rolled back: lines read before the failing one keep their new values.
    bool ReadData(const QString& path);
    bool WriteData(const QString& path) const;
    // The bytes WriteData writes: what the model reads when it runs the saved project.
    QByteArray FileImage() const;

    // Converts the stored values to the unit system `newUnits` and stores it; nothing changes when
    // the project is in it already.
    void SetUnits(Units newUnits);
    // Whether every value converted to `newUnits` stays finite, as the file must keep it.
    bool ConvertsWithinFile(Units newUnits) const;

    // `name` as the file keeps it and reads it back: one line, without outer white space, cut to
    // fit the crop name field (at most kCropNameLength bytes of UTF-8, one fewer for a name that
    // begins with "#", which is written after a blank so its line is not taken for a comment).
    static QString FittedCropName(const QString& name);
    // A comment as the file keeps it and reads it back: without blank lines at its ends.
    static QString FittedComment(const QString& comment);

    // Field by field, so a stored change that changes nothing is no change.
    bool operator==(const RiskData&) const = default;

    Units units = Units::English;
    Evaluation evaluation = Evaluation::GivenDesign;
    UncertaintyOption uncertaintyOption = UncertaintyOption::RiskAnalysis;
    double barrierDepth = 0.0;  // Z
    double drainRadius = 0.0;   // also the radius of influence
    double permeability = 0.0;  // k, length per day
    double rechargeRate = 0.0;  // Qd, length per day
    double barrierDepthSD = 0.0;
    double permeabilitySD = 0.0;
    double rechargeRateSD = 0.0;
    PipeType pipeType = PipeType::Plastic;
    double discountRate = 0.0;                    // percent
    double systemLife = 0.0;                      // years
    double omCost = 0.0;                          // per linear foot or metre
    double averagePipeCost = 0.0;                 // per linear foot or metre
    std::array<double, kPipeSizes> pipeCost{};    // per linear foot or metre
    std::array<double, kPipeSizes> gravelCost{};  // per linear foot or metre
    std::array<double, kPipeSizes> lateralPercent{};
    PipeCostType pipeCostType = PipeCostType::Average;
    double constCostPerMinute = 0.0;
    double constInstallRate = 0.0;  // length per minute
    double varCostPerMinute = 0.0;
    double maxInstallDepth = 0.0;
    double minInstallRate = 0.0;  // length per minute
    double depthRateSlope = 0.0;
    TrenchSpeed trenchSpeed = TrenchSpeed::Constant;
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
    ReliabilityOption reliabilityOption = ReliabilityOption::GivenReliability;
    QString cropName;
    LossFunction lossFunction = LossFunction::Cubic;
    double coefA = 0.0;  // of Y = A + B(X^3 - 3X^2 + 3X)
    double coefB = 0.0;
    double coefX = 0.0;
    double maxYieldDepth = 0.0;   // depth to the water table for the maximum yield
    double annualBenefits = 0.0;  // per acre, or per hectare in metric units
    // What the lines above the first data line say about the project; lines separated by "\n".
    QString comment;
};
