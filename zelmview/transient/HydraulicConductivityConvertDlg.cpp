#include "transient/HydraulicConductivityConvertDlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

#include "data/LeadingNumber.h"
#include "data/UnitConversion.h"
#include "docview/ControlId.h"

namespace {

constexpr double kCurveStart = 0.1;  // in/hr; below it the soil yields nothing
constexpr double kCurveJoin = 1.0;   // in/hr; the cubic gives way to the logarithm
constexpr double kCurveEnd = 100.0;  // in/hr; above it the curve does not apply

constexpr double kInchesPerFoot = 12.0;
constexpr double kCentimetresPerMetre = 100.0;
constexpr double kHoursPerDay = 24.0;
// An empirical estimate is shown to three significant digits, and so is the conductivity it
// comes from.
constexpr int kShownDigits = 3;

double percentFromConductivity(double k)
{
    if (k >= 0.0 && k < kCurveStart) return 0.0;
    if (k < kCurveJoin) return 4.9533 * k * k * k - 15.189 * k * k + 20.848 * k - 0.4868;
    if (k <= kCurveEnd) return 4.9679 * std::log(k) + 10.1255;
    return 0.0;
}

QString shown(double value)
{
    return QString::number(value, 'g', kShownDigits);
}

}  // namespace

double SpecificYieldFromConductivity(double inchesPerHour)
{
    return percentFromConductivity(inchesPerHour) / 100.0;
}

double conductivityPerHour(double permeability, bool metric)
{
    return permeability * (metric ? kCentimetresPerMetre : kInchesPerFoot) / kHoursPerDay;
}

double specificYieldFromPermeabilityText(const QString& text, bool metric)
{
    double k = conductivityPerHour(zelm::leadingReal(text), metric);
    if (metric) k /= zelm::kCentimetresPerInch;
    return SpecificYieldFromConductivity(k);
}

QString specificYieldText(double specificYield)
{
    return shown(specificYield);
}

HydraulicConductivityConvertDlg::HydraulicConductivityConvertDlg(bool metricUnits, double permeability, QWidget* parent)
    : QDialog(parent), metric(metricUnits)
{
    setObjectName(QStringLiteral("hydraulicConductivityConvertDlg"));
    docview::setControlId(this, kDialogId);
    setWindowTitle(QStringLiteral("Compute Specific Yield"));

    auto* label = new QLabel(QStringLiteral("Hydraulic &Conductivity:"), this);
    conductivity = new QLineEdit(zelm::formatFieldReal(permeability), this);
    conductivity->setObjectName(QStringLiteral("conductivityField"));
    docview::setControlId(conductivity, kConductivityField);
    conductivity->selectAll();
    label->setBuddy(conductivity);
    unitLabel = new QLabel(metric ? QStringLiteral("m/day") : QStringLiteral("ft/day"), this);
    unitLabel->setObjectName(QStringLiteral("unitLabel"));
    docview::setControlId(unitLabel, kUnitLabel);
    conversion = new QLabel(this);
    conversion->setObjectName(QStringLiteral("conversionText"));
    connect(conductivity, &QLineEdit::textChanged, this, &HydraulicConductivityConvertDlg::ShowConversion);
    ShowConversion();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    docview::setControlId(buttons->button(QDialogButtonBox::Ok), 1);
    docview::setControlId(buttons->button(QDialogButtonBox::Cancel), 2);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0);
    layout->addWidget(conductivity, 0, 1);
    layout->addWidget(unitLabel, 0, 2);
    layout->addWidget(conversion, 1, 1, 1, 2);
    layout->addWidget(buttons, 2, 0, 1, 3);
}

QString HydraulicConductivityConvertDlg::GetConversionText() const
{
    return conversion->text();
}

void HydraulicConductivityConvertDlg::ShowConversion()
{
    const QString text = conductivity->text();
    conversion->setText(QStringLiteral("= %1 %2, specific yield %3")
                            .arg(shown(conductivityPerHour(zelm::leadingReal(text), metric)),
                                 metric ? QStringLiteral("cm/hr") : QStringLiteral("in/hr"),
                                 specificYieldText(specificYieldFromPermeabilityText(text, metric))));
}

void HydraulicConductivityConvertDlg::accept()
{
    specificYield = specificYieldFromPermeabilityText(conductivity->text(), metric);
    QDialog::accept();
}
