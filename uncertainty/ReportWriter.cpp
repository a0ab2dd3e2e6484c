#include "ReportWriter.h"

#include <cmath>

#include "Costs.h"
#include "InputChecks.h"
#include "NumberFormat.h"
#include "ReportText.h"
#include "UnitLabels.h"
#include "Version.h"

namespace uncertainty {

namespace {

// The fixed-design lines: label and dots up to this column, then a window of ten characters.
constexpr std::size_t kFixedLabelWidth = 62;
constexpr int kWindow = 10;
constexpr const char* kPipeDiameters[kPipeSizes] = {"4", "6", "8", "10", "12", "14", "LARGER"};

// Decimals of each kind of reported number.
constexpr int kCostDecimals = 2;
constexpr int kLengthDecimals = 3;
constexpr int kPercentDecimals = 4;
constexpr int kMeanDepthDecimals = 4;
constexpr int kRatioDecimals = 5;

std::string g(double value)
{
    return shortNumber(value);
}

class Writer {
public:
    Writer(const RunResults& r, const std::string& projectFile)
        : r_(r), p_(r.project), u_(unitLabels(r.project.isMetric())), file_(printable(projectFile))
    {
    }

    std::string write()
    {
        heading();
        inputData();
        question();
        warnings();
        if (r_.fixedDesign) fixedDesign(*r_.fixedDesign);
        if (r_.hasTable) reliabilityTable();
        if (r_.range) candidates();
        notes();
        t_.line(" END OF REPORT");
        return t_.str();
    }

private:
    std::string len(const std::string& label) const { return label + " (" + u_.length + ")"; }
    std::string perLength() const { return "per " + u_.length; }
    std::string perArea() const { return "per " + u_.area; }

    void heading()
    {
        const std::string rule(78, '=');
        t_.line(" " + rule);
        t_.line("  DRAINAGE DESIGN UNDER UNCERTAINTY");
        t_.line("  Reliability and cost of subsurface drain designs under uncertain soil data");
        t_.line(" " + rule);
        t_.line("  Program:       uncertainty " + std::string(programVersion()));
        t_.line("  Risk project:  " + file_);
        t_.line("  Units:         " + u_.system + ": lengths in " + u_.length + ", conductivity and recharge in " +
                u_.conductivity + ",");
        t_.line("                 costs per " + u_.length + " of drain and per " + u_.area);
        t_.line();
    }

    void inputData()
    {
        t_.heading("INPUT DATA");
        t_.line("  Field data");
        t_.columns(
            {{"", "Mean", "Std. dev.", "Distribution"},
             {"Depth to the barrier [Z] (" + u_.length + ")", g(p_.barrierDepth), g(p_.barrierDepthSD), "normal"},
             {"Hydraulic conductivity [K] (" + u_.conductivity + ")", g(p_.permeability), g(p_.permeabilitySD),
              "lognormal"},
             {"Recharge rate [Qd] (" + u_.conductivity + ")", g(p_.rechargeRate), g(p_.rechargeRateSD), "lognormal"}});
        t_.item("ln(Qd/K): mean", fittedNumber(r_.field.rho.lambda, 6, 12));
        t_.item("ln(Qd/K): standard deviation", fittedNumber(r_.field.rho.zeta, 6, 12));
        t_.item(len("Drain radius [r]"), g(p_.drainRadius));
        t_.item(len("Critical depth to the water table [Wc]"), g(p_.criticalDepth));
        t_.item("Type of pipe", kPipeTypeNames[p_.pipeType]);
        t_.line();
        costData();
        machineData();
        designData();
    }

    void costData()
    {
        t_.line("  Costs");
        t_.item("Interest (discount) rate (%)", g(p_.discountRate));
        t_.item("Life of the system (years)", g(p_.systemLife));
        t_.item("Capital recovery factor", fittedNumber(capitalRecoveryFactor(p_.discountRate, p_.systemLife), 6));
        t_.item("O&M cost (" + perLength() + " per year)", g(p_.omCost));
        if (!p_.usesPipeTable()) {
            t_.item("Average pipe cost (" + perLength() + ")", g(p_.averagePipeCost));
        } else {
            t_.line("    Pipe costs by the distribution of sizes (" + perLength() + "):");
            std::vector<std::vector<std::string>> rows{
                {"Pipe diameter", "Pipe cost", "Gravel envelope", "% of lateral"}};
            for (int i = 0; i < kPipeSizes; ++i)
                rows.push_back({kPipeDiameters[i], g(p_.pipeCost[i]), g(p_.gravelCost[i]), g(p_.lateralPercent[i])});
            t_.columns(rows, "      ");
            t_.item("Percentages add up to", g(lateralPercentSum(p_)));
            t_.item("Weighted pipe and gravel cost (" + perLength() + ")", fittedNumber(pipeCostPerLength(p_), 4));
        }
        t_.line();
    }

    void machineData()
    {
        if (!p_.isVariableSpeed()) {
            t_.line("  Trenching machine: constant speed");
            t_.item("Rate of installation (" + u_.length + " per minute)", g(p_.constInstallRate));
            t_.item("Cost per minute of installation", g(p_.constCostPerMinute));
            t_.item("Installation cost (" + perLength() + ")", fittedNumber(installCostPerLength(p_, 0.0), 4));
        } else {
            t_.line("  Trenching machine: variable speed");
            t_.item(len("Maximum depth of installation"), g(p_.maxInstallDepth));
            t_.item("Minimum rate of installation (" + u_.length + " per minute)", g(p_.minInstallRate));
            t_.item("Slope of depth vs. installation rate", g(p_.depthRateSlope));
            t_.item("Cost per minute of installation", g(p_.varCostPerMinute));
            t_.paragraph("The machine digs at its minimum rate at its maximum depth, and faster by 1/|slope| " +
                             u_.length + " per minute for every " + u_.length + " shallower.",
                         "    ");
        }
        t_.line();
    }

    void designData()
    {
        if (!p_.isRange()) {
            t_.line("  Given design");
            t_.item(len("Depth of the drains below the surface"), g(p_.designDepth));
            t_.item(len("Spacing of the drains"), g(p_.designSpacing));
        } else {
            t_.line("  Range of designs");
            t_.item(len("Depths from"), g(p_.minDepth) + " to " + g(p_.maxDepth) + " by " + g(p_.depthIncrement));
            t_.item(len("Spacings from"),
                    g(p_.minSpacing) + " to " + g(p_.maxSpacing) + " by " + g(p_.spacingIncrement));
        }
        if (p_.isLossFunction()) {
            t_.line();
            t_.line("  Loss function");
            t_.item("Crop", p_.cropName.empty() ? std::string("(not named)") : printable(p_.cropName));
            t_.item("Shape", lossShape());
            t_.item(len("Depth to the water table for maximum yield"), g(p_.maxYieldDepth));
            t_.item("Annual benefits (" + perArea() + ")", g(p_.annualBenefits));
        }
        t_.line();
    }

    std::string lossShape() const
    {
        switch (p_.lossFunction) {
        case 2:
            return "2, peak, sharp drop and lower level";
        case 3:
            return "3, symmetric dome";
        default:
            return "1, Y = A + B(X^3 - 3X^2 + 3X), A = " + g(p_.coefA) + ", B = " + g(p_.coefB) +
                   ", X = " + g(p_.coefX);
        }
    }

    void question()
    {
        t_.heading("THE QUESTION");
        const std::string criterion =
            "A design meets the criterion when the water table midway between the drains "
            "stays at least " +
            g(p_.criticalDepth) + " " + u_.length + " below the ground surface.";
        std::string asked;
        if (!p_.isRange()) {
            asked = (p_.isLossFunction() ? "Loss function analysis" : "Risk evaluation") +
                    std::string(" of a given design: drains ") + g(p_.designDepth) + " " + u_.length + " deep and " +
                    g(p_.designSpacing) + " " + u_.length + " apart.";
        } else if (p_.isLossFunction()) {
            asked =
                "Loss function analysis of a range of designs: the design of greatest expected net benefit "
                "(annual benefits times the expected relative yield, less the annual cost).";
        } else if (!p_.wantsTable()) {
            asked =
                "Risk analysis of a range of designs: the design of least annual cost whose reliability is "
                "at least " +
                g(p_.givenReliability) + " %.";
        } else {
            asked = "Risk analysis of a range of designs: for each required reliability from " + g(p_.minReliability) +
                    " to " + g(p_.maxReliability) + " % by " + g(p_.reliabilityIncrement) +
                    " %, the design of least annual cost that reaches it.";
        }
        t_.paragraph(asked + " " + criterion);
        if (p_.isRange())
            t_.paragraph(
                "Costs or net benefits within 1e-12 of each other (relative) are a tie, which goes to the "
                "shallower depth, then to the wider spacing.");
        t_.line();
    }

    void warnings()
    {
        t_.heading("WARNINGS");
        if (r_.warnings.empty()) t_.line("  None.");
        for (const std::string& w : r_.warnings) t_.paragraph(w, "  ");
        t_.line();
    }

    void fixedLine(const std::string& label, double value, int decimals)
    {
        t_.line(dotted(" " + label, kFixedLabelWidth) + numberField(value, decimals, kWindow));
    }

    void fixedDesign(const DesignResult& d)
    {
        t_.heading(kFixedDesignAnchor);
        fixedLine("Annual cost " + perArea() + " (per year)", d.cost.annualCost, kCostDecimals);
        fixedLine(len("Spacing"), d.design.spacing, kLengthDecimals);
        fixedLine(len("Depth"), d.design.depth, kLengthDecimals);
        fixedLine("Reliability (%)", 100.0 * d.reliability, kPercentDecimals);
        fixedLine(len("Critical depth to water table"), p_.criticalDepth, kLengthDecimals);
        fixedLine(len("Mean depth to water table"), d.waterTableDepth.mean, kMeanDepthDecimals);
        fixedLine("Coefficient of variation of depth to water table", d.waterTableDepth.cv(), kRatioDecimals);
        fixedLine("Expected relative yield E[Y]", d.yield.mean, kRatioDecimals);
        fixedLine("Coefficient of variation of Y", d.yield.cv(), kRatioDecimals);
        t_.line();
        t_.line("  Further figures of this design");
        t_.item("Capital cost " + perArea(), fittedNumber(d.cost.capitalCost, kCostDecimals, 12));
        t_.item("Length of laterals (" + u_.length + " " + perArea() + ")",
                fittedNumber(d.cost.lateralLength, kCostDecimals, 12));
        t_.item("Pipe and gravel cost (" + perLength() + ")", fittedNumber(d.cost.pipeCost, 4, 12));
        t_.item("Installation cost (" + perLength() + ")", fittedNumber(d.cost.installCost, 4, 12));
        t_.item("O&M cost " + perArea() + " (per year)",
                fittedNumber(d.cost.lateralLength * p_.omCost, kCostDecimals, 12));
        t_.item(len("Standard deviation of the depth to water table"),
                fittedNumber(d.waterTableDepth.sd, kMeanDepthDecimals, 12));
        if (p_.isLossFunction()) {
            t_.item("Standard deviation of Y", fittedNumber(d.yield.sd, kRatioDecimals, 12));
            t_.item("Expected benefits " + perArea() + " (per year)",
                    fittedNumber(p_.annualBenefits * d.yield.mean, kCostDecimals, 12));
            t_.item("Expected net benefit " + perArea() + " (per year)", fittedNumber(d.netBenefit, kCostDecimals, 12));
        }
        t_.item("Type of pipe", kPipeTypeNames[p_.pipeType]);
        t_.line();
    }

    static std::string cells(const std::vector<std::string>& texts)
    {
        std::string row;
        for (const std::string& text : texts)
            row += std::string(kWindow - std::min<std::size_t>(text.size(), 9), ' ') + text;
        return row;
    }

    void reliabilityTable()
    {
        t_.heading(kTableAnchor);
        const bool metric = p_.isMetric();
        t_.line(cells({"Required", "Depth", "Capital", "Annual", "Spacing", "Reliab.", "Mean", "CV of", "Laterals"}));
        t_.line(cells({"reliab.", "", "cost per", "cost per", "", "reached", "depth to", "depth to",
                       std::string("(") + u_.length + " per"}));
        t_.line(cells({"(%)", "(" + u_.length + ")", u_.area, metric ? "ha, year" : "acre, yr", "(" + u_.length + ")",
                       "(%)", "W.T. (" + u_.length + ")", "W.T.", u_.area + ")"}));
        t_.line(cells(std::vector<std::string>(9, std::string(9, '-'))));
        for (const ReliabilityRow& row : r_.table) {
            const DesignResult& d = row.design;
            t_.line(numberField(row.levelPercent, kPercentDecimals, kWindow) +
                    numberField(d.design.depth, kLengthDecimals, kWindow) +
                    numberField(d.cost.capitalCost, kCostDecimals, kWindow) +
                    numberField(d.cost.annualCost, kCostDecimals, kWindow) +
                    numberField(d.design.spacing, kLengthDecimals, kWindow) +
                    numberField(100.0 * d.reliability, kPercentDecimals, kWindow) +
                    numberField(d.waterTableDepth.mean, kMeanDepthDecimals, kWindow) +
                    numberField(d.waterTableDepth.cv(), kRatioDecimals, kWindow) +
                    numberField(d.cost.lateralLength, kCostDecimals, kWindow));
        }
        t_.line();
        if (r_.table.empty()) t_.line("  No required reliability is reached by any design of the range.");
        t_.paragraph(
            "Each row is the design of least annual cost whose reliability is at least the required one; "
            "costs are " +
            perArea() + ", the annual cost per year.");
        t_.line();
    }

    void candidates()
    {
        const RangeOfDesigns& range = *r_.range;
        t_.heading("CANDIDATE DESIGNS");
        std::string count = std::to_string(range.gridSize) + " designs in the range; " +
                            std::to_string(range.candidates.size()) + " can be installed";
        if (range.notInstallable > 0)
            count += ", " + std::to_string(range.notInstallable) +
                     " cannot, being deeper than the trenching machine reaches (" + g(p_.maxInstallDepth) + " " +
                     u_.length + ")";
        t_.paragraph(count + ".");
        t_.line();
        const bool loss = p_.isLossFunction();
        std::vector<std::string> head1{"Depth", "Spacing", "Reliab.", "Annual"};
        std::vector<std::string> head2{"(" + u_.length + ")", "(" + u_.length + ")", "(%)", "cost"};
        if (loss) {
            head1.insert(head1.end(), {"E[Y]", "Net"});
            head2.insert(head2.end(), {"", "benefit"});
        }
        t_.line(cells(head1));
        t_.line(cells(head2));
        for (std::size_t i = 0; i < range.candidates.size(); ++i) {
            const DesignResult& c = range.candidates[i];
            std::string row = numberField(c.design.depth, kLengthDecimals, kWindow) +
                              numberField(c.design.spacing, kLengthDecimals, kWindow) +
                              numberField(100.0 * c.reliability, kPercentDecimals, kWindow) +
                              numberField(c.cost.annualCost, kCostDecimals, kWindow);
            if (loss)
                row += numberField(c.yield.mean, kRatioDecimals, kWindow) +
                       numberField(c.netBenefit, kCostDecimals, kWindow);
            if (r_.chosen && *r_.chosen == i) row += "   <- chosen";
            t_.line(row);
        }
        t_.line();
        t_.paragraph("Annual cost" + std::string(loss ? " and net benefit are " : " is ") + perArea() + " and year.");
        t_.line();
    }

    void notes()
    {
        t_.heading("NOTES");
        t_.paragraph(
            "The water table midway between the drains is the steady height h of the ellipse equation "
            "q L^2 = 8 K de h + 4 K h^2 with the equivalent depth de; the depth to the water table is "
            "W = d - h. K and Qd are lognormal and the depth to the barrier Z is normal, all independent. "
            "The reliability is the probability that W is at least the critical depth; the mean and the "
            "coefficient of variation (standard deviation over the mean) of W and of the relative yield Y "
            "are taken over the same distributions.");
        t_.line();
    }

    const RunResults& r_;
    const RiskProject& p_;
    const UnitLabels u_;
    const std::string file_;
    ReportText t_;
};

}  // namespace

std::string writeReport(const RunResults& results, const std::string& projectFile)
{
    return Writer(results, projectFile).write();
}

}  // namespace uncertainty
