// "Compute Specific Yield" (dialog 145, the form's f(K) button): a saturated hydraulic
// conductivity, in in/hr or in cm/hr, becomes a specific yield by a fixed empirical curve.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;

// The specific yield (a fraction) of a conductivity in inches per hour: 0 below 0.1, a cubic up
// to 1, a logarithm from 1 to 100 and 0 above; a negative conductivity takes the cubic.
double SpecificYieldFromConductivity(double inchesPerHour);
// The same for the text of the dialog's field: the number it begins with (0 when none), in
// centimetres per hour when `metric`.
double specificYieldFromConductivityText(const QString& text, bool metric);

class HydraulicConductivityConvertDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kDialogId = 145;
    static constexpr int kConductivityField = 1062;
    static constexpr int kUnitLabel = 1095;
    static constexpr double kNoResult = -1.0;

    explicit HydraulicConductivityConvertDlg(bool metric, QWidget* parent = nullptr);

    QLineEdit* GetConductivityField() const { return conductivity; }
    // The specific yield computed by OK; kNoResult before.
    double GetResult() const { return specificYield; }

    void accept() override;

private:
    bool metric;
    QLineEdit* conductivity;
    QLabel* unitLabel;
    double specificYield = kNoResult;
};
