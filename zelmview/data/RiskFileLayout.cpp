// Every comment line of the ".rsk" file, as the model's users know them, and the fields of each
// numeric data line. designDepth stands on lines 7 and 8; a reader keeps the value of line 8.
#include "data/RiskFileLayout.h"

#include <QStringList>
#include <algorithm>
#include <type_traits>

#include "data/TextLineReader.h"

namespace {

template <auto field>
int storedCode(const RiskData& data)
{
    return static_cast<int>(data.*field);
}

template <auto field>
void readTwoWayCode(RiskData& data, int value)
{
    using Code = std::remove_reference_t<decltype(data.*field)>;
    data.*field = static_cast<Code>(value == 1 ? 1 : 2);
}

void readLossFunction(RiskData& data, int value)
{
    if (value >= 1 && value <= 3) data.lossFunction = static_cast<RiskData::LossFunction>(value);
}

template <auto field>
RiskFileItem code()
{
    return {RiskFileItem::Kind::Code, nullptr, storedCode<field>, readTwoWayCode<field>};
}

constexpr RiskFileItem kLossFunction{RiskFileItem::Kind::Code, nullptr, storedCode<&RiskData::lossFunction>,
                                     readLossFunction};

RiskFileItem real(double RiskData::*field)
{
    return {RiskFileItem::Kind::Real, field};
}

constexpr RiskFileItem kPlaceholder{RiskFileItem::Kind::Placeholder};

}  // namespace

const QList<RiskFileLine>& riskFileNumberLines()
{
    using R = RiskData;
    static const QList<RiskFileLine> lines = {
        {{"#LINE 1:", "# [1]loss func (1-3)", "# [2]units (1==English, 2==metric)", "# [3]min reliability",
          "# [4]max reliability", "# [5]reliability increment"},
         {kLossFunction, code<&R::units>(), real(&R::minReliability), real(&R::maxReliability),
          real(&R::reliabilityIncrement)}},
        {{"# LINE 2:", "# [1]uncertainty analysis option (1 == risk analysis", "#    2 == loss function analysis)",
          "# [2]analysis evaluation", "#   (1 == risk evaluation of a given design, 2 == range of designs)",
          "# [3]pipe cost type (1 == average, 2 == distribution of sizes)", "# [4] trenching machine speed",
          "#   (1 == constant, 2 == variable)", "# [5] reliability option(1 == use a given reliability",
          "#    2 == produce a table of reliability vs. cost)"},
         {code<&R::uncertaintyOption>(), code<&R::evaluation>(), code<&R::pipeCostType>(), code<&R::trenchSpeed>(),
          code<&R::reliabilityOption>()}},
        {{"# LINE 3", "# [1]Depth to barrier [Z]", "# [2]Recharge rate [Qd]", "# [3]Permeability of soil [k]",
          "# [4]Standard dev. of Qd", "# [5]Standard dev. of permeability k", "# [6]CVKN"},
         {real(&R::barrierDepth), real(&R::rechargeRate), real(&R::permeability), real(&R::rechargeRateSD),
          real(&R::permeabilitySD), kPlaceholder}},
        {{"# LINE 4:", "# [1]Critical depth to water table", "# [2]Minimum depth to be considered",
          "# [3]Radius of influence (drain radius)", "# [4]Average pipe cost", "# [5]CCGE (unused?)",
          "# [6]Maximum depth of installation"},
         {real(&R::criticalDepth), real(&R::minDepth), real(&R::drainRadius), real(&R::averagePipeCost),
          real(&R::maxInstallDepth)}},
        {{"# LINE 5:", "# [1]Slope of depth vs. inst. rate", "# [2]Maximum depth to be considered",
          "# [3]Cost per minute of installation (variable speed trenching)",
          "# the next are coefficients for Y = A + B(X**3 - 3X**2 + 3X)", "# [4]value of A", "# [5]value of B",
          "# [6]value of X"},
         {real(&R::depthRateSlope), real(&R::maxDepth), real(&R::varCostPerMinute), real(&R::coefA), real(&R::coefB),
          real(&R::coefX)}},
        {{"# LINE 6:", "# [1]Minimum spacing to be considered", "# [2]Maximum spacing to be considered",
          "# [3]Increment in spacing to be considered", "# [4]Life of the system (yrs)", "# [5]O & M Cost"},
         {real(&R::minSpacing), real(&R::maxSpacing), real(&R::spacingIncrement), real(&R::systemLife),
          real(&R::omCost)}},
        {{"# LINE 7:", "# [1]Annual benefits per acre", "# [2]Discount rate to be used %",
          "# [3]Depth of drain below ground surface (unused?)", "# [4]COEFV (always 0)",
          "# [5]Minimum rate of installation", "# [6]Spacing to be considered"},
         {real(&R::annualBenefits), real(&R::discountRate), real(&R::designDepth), kPlaceholder,
          real(&R::minInstallRate), real(&R::designSpacing)}},
        {{"# LINE 8:", "# [1]Standard deviation of [Z]", "# [2]Depth to be considered"},
         {real(&R::barrierDepthSD), real(&R::designDepth)}},
        {{"# LINE 9:", "# [1]Depth to water table for maximum yield", "# [2]Increment in depth to be considered",
          "# [3]Given reliability (used by single design) ",
          "# [4]Cost per minute of installation (constant speed trenching)",
          "# [5]Rate of installation (constant speed trenching)"},
         {real(&R::maxYieldDepth), real(&R::depthIncrement), real(&R::givenReliability), real(&R::constCostPerMinute),
          real(&R::constInstallRate)}},
    };
    return lines;
}

const QList<const char*>& riskFileCropLineComments()
{
    static const QList<const char*> comments = {"# LINE 10:", "# [1]Crop name",
                                                "# [2]Pipe Type (PLASTIC, CONCRETE, or CLAY)"};
    return comments;
}

const QList<const char*>& riskFilePipeTableComments()
{
    static const QList<const char*> comments = {"# LINE 11-end (repeat 7 times)", "# [1] Pipe cost",
                                                "# [2] Gravel envelope cost", "# [3] Percent of lateral"};
    return comments;
}

QString riskFileDescription(const QList<QByteArray>& commentLines)
{
    // The file's own block of line 1 begins with its heading, or, without one, with the first of
    // its lines.
    const QList<const char*>& ownLines = riskFileNumberLines().constFirst().comments;
    qsizetype end = commentLines.indexOf(QByteArray(ownLines.constFirst()));
    const auto isOwnLine = [&ownLines](const QByteArray& line) {
        return std::any_of(ownLines.begin(), ownLines.end(),
                           [trimmed = withoutTrailingSpace(line)](const char* own) { return trimmed == own; });
    };
    if (end < 0) end = std::find_if(commentLines.begin(), commentLines.end(), isOwnLine) - commentLines.begin();
    QStringList lines;
    for (QByteArray line : commentLines.first(end)) {
        line.remove(0, 1);
        if (line.startsWith(' ')) line.remove(0, 1);
        lines.append(QString::fromUtf8(line));
    }
    while (!lines.isEmpty() && lines.constFirst().trimmed().isEmpty()) lines.removeFirst();
    while (!lines.isEmpty() && lines.constLast().trimmed().isEmpty()) lines.removeLast();
    return lines.join(QLatin1Char('\n'));
}

QList<QByteArray> riskFileDescriptionLines(const QString& comment)
{
    if (comment.trimmed().isEmpty()) return {};
    QList<QByteArray> lines;
    for (const QString& line : QString(comment).remove(QLatin1Char('\r')).split(QLatin1Char('\n')))
        lines.append(line.isEmpty() ? QByteArray("#") : "# " + line.toUtf8());
    lines.append("#");
    return lines;
}
