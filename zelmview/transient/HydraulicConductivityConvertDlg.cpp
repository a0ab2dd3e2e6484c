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

double percentFromConductivity(double k)
{
    if (k >= 0.0 && k < kCurveStart) return 0.0;
    if (k < kCurveJoin) return 4.9533 * k * k * k - 15.189 * k * k + 20.848 * k - 0.4868;
    if (k <= kCurveEnd) return 4.9679 * std::log(k) + 10.1255;
    return 0.0;
}

}  // namespace

double SpecificYieldFromConductivity(double inchesPerHour)
{
    return percentFromConductivity(inchesPerHour) / 100.0;
}

double specificYieldFromConductivityText(const QString& text, bool metric)
{
    double k = zelm::leadingReal(text);
    if (metric) k /= zelm::kCentimetresPerInch;
    return SpecificYieldFromConductivity(k);
}

HydraulicConductivityConvertDlg::HydraulicConductivityConvertDlg(bool metricUnits, QWidget* parent)
    : QDialog(parent), metric(metricUnits)
{
    setObjectName(QStringLiteral("hydraulicConductivityConvertDlg"));
    docview::setControlId(this, kDialogId);
    setWindowTitle(QStringLiteral("Compute Specific Yield"));

    auto* label = new QLabel(QStringLiteral("Hydraulic Conductivity:"), this);
    conductivity = new QLineEdit(this);
    conductivity->setObjectName(QStringLiteral("conductivityField"));
    docview::setControlId(conductivity, kConductivityField);
    label->setBuddy(conductivity);
    unitLabel = new QLabel(metric ? QStringLiteral("cm/hr") : QStringLiteral("in/hr"), this);
    unitLabel->setObjectName(QStringLiteral("unitLabel"));
    docview::setControlId(unitLabel, kUnitLabel);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    docview::setControlId(buttons->button(QDialogButtonBox::Ok), 1);
    docview::setControlId(buttons->button(QDialogButtonBox::Cancel), 2);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0);
    layout->addWidget(conductivity, 0, 1);
    layout->addWidget(unitLabel, 0, 2);
    layout->addWidget(buttons, 1, 0, 1, 3);
}

void HydraulicConductivityConvertDlg::accept()
{
    specificYield = specificYieldFromConductivityText(conductivity->text(), metric);
    QDialog::accept();
}
