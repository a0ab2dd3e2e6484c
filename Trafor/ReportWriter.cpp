#include "ReportWriter.h"

#include <algorithm>

#include "FixedFormat.h"
#include "UnitLabels.h"

namespace zelm {

namespace {

constexpr int kLineColumns = 80;
constexpr int kEventNumberColumns = 2;

// Event numbers take two columns; a project of 100 events or more widens them into the blanks
// that follow, so every later column stays where it is.
int eventNumberColumns(std::size_t events)
{
    return std::max(kEventNumberColumns, static_cast<int>(std::to_string(events).size()));
}

std::string eventQuantity(const char* what, std::size_t event)
{
    return std::string(what) + " OF EVENT " + std::to_string(event);
}

std::string periodQuantity(const char* what, int period)
{
    return std::string(what) + " OF PERIOD " + std::to_string(period);
}

const char* const kEncroachmentWarning[] = {
    "***************** WARNING ******************",
    "The combination of field data and deep ",
    "percolation events created conditions that",
    "did not allow any spacing to prevent the",
    "computed water table depth from exceeding the",
    "Maximum Allowable Water Table Above the Drain.",
    "The spacing calculated by the model is the",
    "one that minimized the encroachment of the",
    "water table into the root zone.",
    "*******************************************",
};

class ReportBuilder {
public:
    explicit ReportBuilder(const ReportInputs& in)
        : in_(in),
          labels_(INIUNITS(in.project.isMetric())),
          numberColumns_(eventNumberColumns(in.project.events.size())),
          widening_(numberColumns_ - kEventNumberColumns)
    {
    }

    std::string build()
    {
        line(formatA(in_.project.title, kLineColumns));
        empty();
        for (const std::string& comment : in_.project.comments) line(formatA(comment, kLineColumns));
        empty();
        free("      TRANSIENT-STATE DRAIN SPACING");
        free("      -----------------------------");
        parameterLines();
        line(in_.onBarrier ? "Drain ON THE BARRIER case was used" : "Drain OFF THE BARRIER case was used");
        if (peakEncroaches(in_.h, in_.pass.P)) encroachmentWarning();
        empty();
        empty();
        eventTable();
        empty();
        empty();
        fluctuationTable();
        return text_;
    }

private:
    void line(const std::string& s) { text_ += s + '\n'; }
    void empty() { text_ += '\n'; }
    void free(const std::string& s) { line(' ' + s); }

    void parameter(const std::string& label, float value, const char* quantity)
    {
        line(FixedLine()
                 .text(label)
                 .Fread(value, kParameterField.w, kParameterField.d, [quantity] { return quantity; })
                 .str());
    }

    void parameterLines()
    {
        const ProjectInput& p = in_.project;
        const std::string length = formatA(labels_.length, 4);
        parameter("Permeability " + formatA(labels_.permeability, 9) + "                    = ", p.permeability,
                  "PERMEABILITY");
        parameter("Specific yield (fraction)                 = ", p.specificYield, "SPECIFIC YIELD");
        parameter("Drain to barrier " + length + "                     = ", p.barrierDistance,
                  "DISTANCE FROM THE DRAIN TO THE BARRIER");
        parameter("Max. W.T. above drain at mid-spacing " + length + " = ", in_.h,
                  "MAXIMUM WATER TABLE ABOVE THE DRAIN");
        parameter("Drain Radius " + length + "                         = ", p.drainRadius, "DRAIN RADIUS");
        parameter("Depth to the Drain " + length + "                   = ", p.depthToDrain, "DEPTH TO THE DRAIN");
        parameter("Equivalent barrier " + length + "                   = ", in_.pass.de,
                  "EQUIVALENT DEPTH TO THE BARRIER");
        parameter("Drain spacing " + length + "                        = ", in_.pass.S, "DRAIN SPACING");
        if (p.benchFlag == 1)
            parameter("AWHC " + formatA(labels_.awhc, 4) + "                                 = ", p.awhc, "AWHC");
    }

    void encroachmentWarning()
    {
        empty();
        for (const char* warning : kEncroachmentWarning) free(warning);
    }

    void eventTable()
    {
        free("    Table of Deep Percolation Events");
        free("    ================================");
        free("PERIOD    MONTH  DAY    TIME    DEEP PER.");
        free(std::string(41, '-'));
        const auto& events = in_.project.events;
        for (std::size_t k = 1; k <= events.size(); ++k) {
            const PercolationEvent& e = events[k - 1];
            FixedLine row;
            row.X(1).I(static_cast<int>(k), numberColumns_).X(blanksAfterNumber(7)).I(e.month, 3).X(2).I(e.day, 3);
            if (k == 1)
                row.X(15);
            else
                row.X(5).I(in_.periods.TP[k + 1], 4).X(6);
            line(row.Fread(e.amount, kEventAmountField.w, kEventAmountField.d,
                           [k] { return eventQuantity("DEEP PERCOLATION", k); })
                     .str());
        }
    }

    void fluctuationTable()
    {
        free("     Computation of Water Table Fluctuation");
        free("     ======================================");
        free(in_.onBarrier ? "EVENT   TIME     BU      YO     H     KHt/SL2   Z/H      Z"
                           : "EVENT   TIME     BU      YO     D     KDt/SL2   Y/Y0     Y");
        free(std::string(59, '-'));
        const PassResult& pass = in_.pass;
        const int N = pass.N();
        for (int i = 1; i <= N - 1; ++i) {
            if (i >= 3) eventLine(i);
            periodLine(i);
        }
        eventLine(N);
        line(FixedLine().X(23).Fread(pass.YO[N], 5, 2, [N] { return periodQuantity("HEIGHT AT THE START", N); }).str());
    }

    void eventLine(int i)
    {
        line(FixedLine()
                 .X(1)
                 .I(i - 2, numberColumns_)
                 .X(blanksAfterNumber(13))
                 .Fread(in_.pass.BU[i], 5, 2, [i] { return eventQuantity("BUILD-UP", i - 2); })
                 .str());
    }

    int blanksAfterNumber(int blanks) const { return std::max(1, blanks - widening_); }

    // The reader takes every number of a period line; the time factor it only shows, so a time
    // factor too large for its field may show as asterisks.
    void periodLine(int i)
    {
        const PassResult& pass = in_.pass;
        const float flowDepth = in_.onBarrier ? pass.YO[i] : pass.YO[i] / 2.0f + pass.de;
        // A period that starts drained has no ratio Z/YO; its recession ratio stands in.
        const float ratio = pass.YO[i] == 0.0f ? pass.ratio[i] : pass.Z[i] / pass.YO[i];
        // One field to a line, as the layout reads: 8X I5 10X F5.2 2X F6.2 2X F8.4 2X F5.3 3X F5.2.
        // clang-format off
        line(FixedLine()
                 .X(8).I(in_.periods.TP[i], 5)
                 .X(10).Fread(pass.YO[i], 5, 2, [i] { return periodQuantity("HEIGHT AT THE START", i); })
                 .X(2).Fread(flowDepth, 6, 2, [i] { return periodQuantity("FLOW DEPTH", i); })
                 .X(2).F(pass.X[i], 8, 4)
                 .X(2).Fread(ratio, 5, 3, [i] { return periodQuantity("HEIGHT RATIO", i); })
                 .X(3).Fread(pass.Z[i], 5, 2, [i] { return periodQuantity("HEIGHT AT THE END", i); })
                 .str());
        // clang-format on
    }

    const ReportInputs& in_;
    UnitLabels labels_;
    int numberColumns_;
    int widening_;
    std::string text_;
};

}  // namespace

std::string OUTPUT(const ReportInputs& inputs)
{
    return ReportBuilder(inputs).build();
}

std::string formatDailyFile(const std::vector<DailyRow>& rows)
{
    std::string text;
    text.reserve(rows.size() * 25);
    for (const DailyRow& row : rows) {
        const auto quantity = [&row](const char* what) {
            return [what, &row] { return std::string(what) + " OF DAY " + std::to_string(row.day); };
        };
        text += FixedLine()
                    .X(1)
                    .I(row.day, 3)
                    .X(2)
                    .Fread(row.height, 8, 3, quantity("DAILY WATER TABLE HEIGHT"))
                    .X(2)
                    .Fread(row.depth, 8, 3, quantity("DAILY WATER TABLE DEPTH"))
                    .str() +
                '\n';
    }
    return text;
}

}  // namespace zelm
