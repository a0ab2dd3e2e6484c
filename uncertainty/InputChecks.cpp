#include "InputChecks.h"

#include <cmath>
#include <cstdio>
#include <set>

#include "Costs.h"
#include "GridRange.h"
#include "WaterTable.h"

namespace uncertainty {

std::string shortNumber(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

namespace {

struct NamedRange {
    const char* what;  // "DEPTH", "SPACING" or "RELIABILITY"
    double min;
    double max;
    double increment;
};

class Checker {
public:
    explicit Checker(const RiskProject& p) : p_(p), unit_(p.isMetric() ? " M" : " FT") {}

    CheckResult run()
    {
        checkNumbersAreFinite();
        checkField();
        checkCosts();
        checkMachine();
        if (p_.isRange()) {
            checkRange();
        } else {
            checkGivenDesign();
        }
        if (p_.isLossFunction()) {
            checkLossFunction();
        } else if (p_.isRange()) {
            checkReliabilities();
        }
        return std::move(result_);
    }

private:
    void error(const std::string& text) { result_.errors.push_back("ERROR - " + text); }
    void warning(const std::string& text) { result_.warnings.push_back("WARNING - " + text); }

    // A value enters the later checks only when it is a finite number.
    void finite(const double& value, const std::string& name)
    {
        if (std::isfinite(value)) return;
        error(name + " IS NOT A FINITE NUMBER");
        nonFinite_.insert(&value);
    }
    bool usable(const double& value) const { return !nonFinite_.count(&value); }

    void positive(const double& value, const std::string& name)
    {
        if (usable(value) && !(value > 0.0)) error(name + " MUST BE ABOVE 0");
    }
    void notNegative(const double& value, const std::string& name)
    {
        if (usable(value) && value < 0.0) error(name + " MUST NOT BE NEGATIVE");
    }

    void checkNumbersAreFinite()
    {
        finite(p_.barrierDepth, "THE DEPTH TO THE BARRIER [d]");
        finite(p_.barrierDepthSD, "THE STANDARD DEVIATION OF THE DEPTH TO THE BARRIER");
        finite(p_.permeability, "THE HYDRAULIC CONDUCTIVITY [K]");
        finite(p_.permeabilitySD, "THE STANDARD DEVIATION OF THE HYDRAULIC CONDUCTIVITY");
        finite(p_.rechargeRate, "THE RECHARGE RATE [Qd]");
        finite(p_.rechargeRateSD, "THE STANDARD DEVIATION OF THE RECHARGE RATE");
        finite(p_.drainRadius, "THE DRAIN RADIUS");
        finite(p_.criticalDepth, "THE CRITICAL DEPTH TO THE WATER TABLE");
        finite(p_.discountRate, "THE DISCOUNT RATE");
        finite(p_.systemLife, "THE LIFE OF THE SYSTEM");
        finite(p_.omCost, "THE O&M COST");
        checkPipeCosts(&Checker::finite, &Checker::finite);
        checkMachineNumbersAreFinite();
        checkDesignNumbersAreFinite();
        if (p_.isLossFunction()) {
            finite(p_.maxYieldDepth, "THE DEPTH TO THE WATER TABLE FOR MAXIMUM YIELD");
            finite(p_.annualBenefits, "THE ANNUAL BENEFITS");
            if (p_.lossFunction == 1) {
                finite(p_.coefA, "THE LOSS FUNCTION COEFFICIENT A");
                finite(p_.coefB, "THE LOSS FUNCTION COEFFICIENT B");
                finite(p_.coefX, "THE LOSS FUNCTION COEFFICIENT X");
            }
        }
    }

    using Check = void (Checker::*)(const double&, const std::string&);

    // The pipe costs the run uses, each with `cost`: the average one, or the rows of the table,
    // whose percents of lateral get `share`.
    void checkPipeCosts(Check cost, Check share)
    {
        if (!p_.usesPipeTable()) {
            (this->*cost)(p_.averagePipeCost, "THE AVERAGE PIPE COST");
            return;
        }
        for (int i = 0; i < kPipeSizes; ++i) {
            const std::string row = " OF ROW " + std::to_string(i + 1) + " OF THE PIPE COST TABLE";
            (this->*cost)(p_.pipeCost[i], "THE PIPE COST" + row);
            (this->*cost)(p_.gravelCost[i], "THE GRAVEL ENVELOPE COST" + row);
            (this->*share)(p_.lateralPercent[i], "THE PERCENT OF LATERAL" + row);
        }
    }

    void checkMachineNumbersAreFinite()
    {
        if (!p_.isVariableSpeed()) {
            finite(p_.constCostPerMinute, "THE COST PER MINUTE OF THE CONSTANT SPEED MACHINE");
            finite(p_.constInstallRate, "THE RATE OF INSTALLATION OF THE CONSTANT SPEED MACHINE");
            return;
        }
        finite(p_.varCostPerMinute, "THE COST PER MINUTE OF THE VARIABLE SPEED MACHINE");
        finite(p_.maxInstallDepth, "THE MAXIMUM DEPTH OF INSTALLATION");
        finite(p_.minInstallRate, "THE MINIMUM RATE OF INSTALLATION");
        finite(p_.depthRateSlope, "THE SLOPE OF DEPTH VS. INSTALLATION RATE");
    }

    void checkDesignNumbersAreFinite()
    {
        if (!p_.isRange()) {
            finite(p_.designDepth, "THE DEPTH OF THE GIVEN DESIGN");
            finite(p_.designSpacing, "THE SPACING OF THE GIVEN DESIGN");
            return;
        }
        finite(p_.minDepth, "THE MINIMUM DEPTH");
        finite(p_.maxDepth, "THE MAXIMUM DEPTH");
        finite(p_.depthIncrement, "THE DEPTH INCREMENT");
        finite(p_.minSpacing, "THE MINIMUM SPACING");
        finite(p_.maxSpacing, "THE MAXIMUM SPACING");
        finite(p_.spacingIncrement, "THE SPACING INCREMENT");
        if (p_.isLossFunction()) return;
        if (p_.wantsTable()) {
            finite(p_.minReliability, "THE MINIMUM RELIABILITY");
            finite(p_.maxReliability, "THE MAXIMUM RELIABILITY");
            finite(p_.reliabilityIncrement, "THE RELIABILITY INCREMENT");
        } else {
            finite(p_.givenReliability, "THE GIVEN RELIABILITY");
        }
    }

    void checkField()
    {
        positive(p_.barrierDepth, "THE MEAN DEPTH TO THE BARRIER [d]");
        positive(p_.permeability, "THE MEAN HYDRAULIC CONDUCTIVITY [K]");
        positive(p_.rechargeRate, "THE MEAN RECHARGE RATE [Qd]");
        positive(p_.drainRadius, "THE DRAIN RADIUS");
        notNegative(p_.barrierDepthSD, "THE STANDARD DEVIATION OF THE DEPTH TO THE BARRIER");
        notNegative(p_.permeabilitySD, "THE STANDARD DEVIATION OF THE HYDRAULIC CONDUCTIVITY");
        notNegative(p_.rechargeRateSD, "THE STANDARD DEVIATION OF THE RECHARGE RATE");
    }

    // The life, the rate and the costs. No cost is negative: a negative one would make the design
    // with the most drain the cheapest.
    void checkCosts()
    {
        positive(p_.systemLife, "THE LIFE OF THE SYSTEM");
        notNegative(p_.discountRate, "THE DISCOUNT RATE");
        notNegative(p_.omCost, "THE O&M COST");
        checkPipeCosts(&Checker::notNegative, &Checker::percent);
        if (!p_.usesPipeTable()) return;
        for (int i = 0; i < kPipeSizes; ++i)
            if (!usable(p_.lateralPercent[i])) return;
        const double sum = lateralPercentSum(p_);
        if (!(sum > 0.0)) {
            error("THE PERCENTS OF LATERAL IN THE PIPE COST TABLE ADD UP TO " + shortNumber(sum) +
                  ": THEIR SUM MUST BE ABOVE 0");
        } else if (std::fabs(sum - 100.0) > kPercentLeeway) {
            warning("THE PERCENTS OF LATERAL IN THE PIPE COST TABLE ADD UP TO " + shortNumber(sum) +
                    ", NOT 100: EACH IS TAKEN AS A SHARE OF THEIR SUM");
        }
    }

    void checkMachine()
    {
        if (p_.isVariableSpeed()) {
            positive(p_.minInstallRate, "THE MINIMUM RATE OF INSTALLATION OF THE VARIABLE SPEED MACHINE");
            notNegative(p_.varCostPerMinute, "THE COST PER MINUTE OF THE VARIABLE SPEED MACHINE");
        } else {
            positive(p_.constInstallRate, "THE RATE OF INSTALLATION OF THE CONSTANT SPEED MACHINE");
            notNegative(p_.constCostPerMinute, "THE COST PER MINUTE OF THE CONSTANT SPEED MACHINE");
        }
    }

    // Both forms of the equivalent depth must be defined at the spacing (the smallest one of a
    // range: both grow with the spacing).
    void checkEquivalentDepth(double spacing, const std::string& which)
    {
        if (!usable(spacing) || !usable(p_.drainRadius) || !(spacing > 0.0) || !(p_.drainRadius > 0.0)) return;
        if (!(std::log(spacing / p_.drainRadius) > 1.15) || !(leastNearFormDenominator(spacing, p_.drainRadius) > 0.0))
            error("THE EQUIVALENT DEPTH IS UNDEFINED AT " + which + " OF " + shortNumber(spacing) + unit_ +
                  ": THE SPACING MUST EXCEED ABOUT 3.26 TIMES THE DRAIN RADIUS");
    }

    void checkGivenDesign()
    {
        positive(p_.designDepth, "THE DEPTH OF THE GIVEN DESIGN");
        positive(p_.designSpacing, "THE SPACING OF THE GIVEN DESIGN");
        checkEquivalentDepth(p_.designSpacing, "THE SPACING OF THE GIVEN DESIGN");
        if (p_.isVariableSpeed() && usable(p_.designDepth) && usable(p_.maxInstallDepth) &&
            !machineReaches(p_, p_.designDepth))
            error("THE GIVEN DESIGN IS " + shortNumber(p_.designDepth) + unit_ +
                  " DEEP, DEEPER THAN THE VARIABLE SPEED MACHINE REACHES (" + shortNumber(p_.maxInstallDepth) + unit_ +
                  ")");
        if (usable(p_.designDepth) && usable(p_.criticalDepth) && p_.designDepth > 0.0 &&
            !(p_.designDepth > p_.criticalDepth))
            warning(
                "THE DRAINS ARE NOT DEEPER THAN THE CRITICAL DEPTH: THE DESIGN NEVER KEEPS THE WATER TABLE "
                "THAT DEEP (RELIABILITY 0)");
    }

    // Whether the range is sound; each fault gets its line.
    bool soundRange(const NamedRange& r)
    {
        const std::string what = r.what;
        if (!usable(r.min) || !usable(r.max) || !usable(r.increment)) return false;
        bool sound = true;
        if (!(r.increment > 0.0)) {
            error("THE " + what + " INCREMENT MUST BE ABOVE 0");
            sound = false;
        }
        if (r.min > r.max) {
            error("THE MINIMUM " + what + " (" + shortNumber(r.min) + ") EXCEEDS THE MAXIMUM " + what + " (" +
                  shortNumber(r.max) + ")");
            sound = false;
        }
        return sound;
    }

    void checkRange()
    {
        positive(p_.minDepth, "THE MINIMUM DEPTH");
        positive(p_.minSpacing, "THE MINIMUM SPACING");
        checkEquivalentDepth(p_.minSpacing, "THE MINIMUM SPACING");
        const bool depths = soundRange({"DEPTH", p_.minDepth, p_.maxDepth, p_.depthIncrement});
        const bool spacings = soundRange({"SPACING", p_.minSpacing, p_.maxSpacing, p_.spacingIncrement});
        if (depths && spacings) {
            const double count =
                static_cast<double>(rangeCount(p_.minDepth, p_.maxDepth, p_.depthIncrement, kMaxCandidates)) *
                static_cast<double>(rangeCount(p_.minSpacing, p_.maxSpacing, p_.spacingIncrement, kMaxCandidates));
            if (count > static_cast<double>(kMaxCandidates))
                error("THE RANGE HOLDS MORE THAN " + std::to_string(kMaxCandidates) + " CANDIDATE DESIGNS");
        }
        if (p_.isVariableSpeed() && usable(p_.minDepth) && usable(p_.maxInstallDepth) &&
            !machineReaches(p_, p_.minDepth))
            error("NO DEPTH OF THE RANGE CAN BE INSTALLED: THE VARIABLE SPEED MACHINE REACHES " +
                  shortNumber(p_.maxInstallDepth) + unit_ + ", THE SHALLOWEST DESIGN IS " + shortNumber(p_.minDepth) +
                  unit_ + " DEEP");
    }

    void percent(const double& value, const std::string& name)
    {
        if (usable(value) && (value < 0.0 || value > 100.0)) error(name + " MUST LIE BETWEEN 0 AND 100 PERCENT");
    }

    void checkReliabilities()
    {
        if (!p_.wantsTable()) {
            percent(p_.givenReliability, "THE GIVEN RELIABILITY");
            return;
        }
        percent(p_.minReliability, "THE MINIMUM RELIABILITY");
        percent(p_.maxReliability, "THE MAXIMUM RELIABILITY");
        if (soundRange({"RELIABILITY", p_.minReliability, p_.maxReliability, p_.reliabilityIncrement}) &&
            rangeCount(p_.minReliability, p_.maxReliability, p_.reliabilityIncrement, kMaxCandidates) > kMaxCandidates)
            error("THE TABLE HOLDS MORE THAN " + std::to_string(kMaxCandidates) + " RELIABILITY LEVELS");
    }

    void checkLossFunction()
    {
        positive(p_.maxYieldDepth, "THE DEPTH TO THE WATER TABLE FOR MAXIMUM YIELD");
        notNegative(p_.annualBenefits, "THE ANNUAL BENEFITS");
        if (p_.lossFunction == 1 && usable(p_.coefX) && !(p_.coefX >= 0.0 && p_.coefX < 1.0))
            error("THE LOSS FUNCTION COEFFICIENT X MUST LIE FROM 0 UP TO BUT NOT INCLUDING 1");
    }

    const RiskProject& p_;
    const std::string unit_;
    std::set<const double*> nonFinite_;
    CheckResult result_;
};

}  // namespace

CheckResult checkRiskProject(const RiskProject& project)
{
    return Checker(project).run();
}

}  // namespace uncertainty
