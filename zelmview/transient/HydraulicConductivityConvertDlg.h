// "Compute Specific Yield" (dialog 145, the form's f(K) button): a saturated hydraulic
// conductivity becomes a specific yield by a fixed empirical curve. The dialog asks for the
// conductivity as the form holds the permeability, in ft/day (m/day in a metric project), starts
// from the form's value, and shows what it is in the curve's own units, in/hr (cm/hr), and the
// specific yield it gives, as the user types.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;

// The specific yield (a fraction) of a conductivity in inches per hour: 0 below 0.1, a cubic up
// to 1, a logarithm from 1 to 100 and 0 above; a negative conductivity takes the cubic.
double SpecificYieldFromConductivity(double inchesPerHour);
// A permeability in ft/day as inches per hour, or in m/day as centimetres per hour when `metric`.
double conductivityPerHour(double permeability, bool metric);
// The specific yield for the text of the dialog's field: the number it begins with (0 when none),
// a permeability in ft/day, or in m/day when `metric`.
double specificYieldFromPermeabilityText(const QString& text, bool metric);
// A specific yield as the form shows it: an empirical estimate, to three significant digits.
QString specificYieldText(double specificYield);

class HydraulicConductivityConvertDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kDialogId = 145;
    static constexpr int kConductivityField = 1062;
    static constexpr int kUnitLabel = 1095;
    static constexpr double kNoResult = -1.0;

    // `permeability` is the form's, in the project's units (m/day when `metric`).
    HydraulicConductivityConvertDlg(bool metric, double permeability, QWidget* parent = nullptr);

    QLineEdit* GetConductivityField() const { return conductivity; }
    // What the field's conductivity is in the curve's units, and the specific yield it gives.
    QString GetConversionText() const;
    // The specific yield computed by OK; kNoResult before.
    double GetResult() const { return specificYield; }

    void accept() override;

private:
    void ShowConversion();

    bool metric;
    QLineEdit* conductivity;
    QLabel* unitLabel;
    QLabel* conversion;
    double specificYield = kNoResult;
};
