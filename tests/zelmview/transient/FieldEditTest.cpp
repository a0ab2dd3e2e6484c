// The form's numeric field and the specific-yield dialog: the curve at its landmarks, the
// permeability in the project's units, and the keys that move from field to field.
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

#include "transient/HydraulicConductivityConvertDlg.h"
#include "transient/XEdit.h"

class FieldEditTest : public QObject {
    Q_OBJECT

private slots:
    void specificYieldFollowsTheCurveAtItsLandmarks_data()
    {
        QTest::addColumn<double>("conductivity");
        QTest::addColumn<double>("specificYield");
        QTest::newRow("below the curve") << 0.05 << 0.0;
        QTest::newRow("start of the cubic") << 0.1 << 0.014510633;
        QTest::newRow("middle of the cubic") << 0.5 << 0.067591125;
        QTest::newRow("where the pieces meet") << 1.0 << 0.101255;
        QTest::newRow("logarithm") << 10.0 << 0.2156451;
        QTest::newRow("end of the curve") << 100.0 << 0.3300352;
        QTest::newRow("beyond the curve") << 100.0001 << 0.0;
        QTest::newRow("negative takes the cubic") << -1.0 << -0.414771;
    }

    void specificYieldFollowsTheCurveAtItsLandmarks()
    {
        QFETCH(double, conductivity);
        QFETCH(double, specificYield);
        // Landmarks are given to about seven significant digits.
        QVERIFY2(qAbs(SpecificYieldFromConductivity(conductivity) - specificYield) < 1e-7,
                 qPrintable(QString::number(SpecificYieldFromConductivity(conductivity), 'g', 12)));
    }

    void theDialogTakesThePermeabilityInTheProjectsUnits()
    {
        // 2 ft/day is 1 in/hr, and 0.6096 m/day is 2.54 cm/hr: where the two pieces of the curve meet.
        QVERIFY(qAbs(specificYieldFromPermeabilityText(QStringLiteral("2"), false) - 0.101255) < 1e-9);
        QVERIFY(qAbs(specificYieldFromPermeabilityText(QStringLiteral("0.6096"), true) - 0.101255) < 1e-9);
        QCOMPARE(specificYieldFromPermeabilityText(QStringLiteral("not a number"), false), 0.0);
        QCOMPARE(specificYieldFromPermeabilityText(QStringLiteral("20 ft/day"), false),
                 SpecificYieldFromConductivity(10));

        // Opened from a metric form whose permeability is 1.2192 m/day: 5.08 cm/hr, 2 in/hr.
        HydraulicConductivityConvertDlg dialog(true, 1.2192);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Compute Specific Yield"));
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("unitLabel"))->text(), QStringLiteral("m/day"));
        QCOMPARE(dialog.GetConductivityField()->selectedText(), QStringLiteral("1.2192"));
        QCOMPARE(dialog.GetConversionText(), QStringLiteral("= 5.08 cm/hr, specific yield 0.136"));
        QCOMPARE(dialog.GetResult(), HydraulicConductivityConvertDlg::kNoResult);
        dialog.show();
        QTest::keyClicks(dialog.GetConductivityField(), QStringLiteral("0.6096"));
        QCOMPARE(dialog.GetConversionText(), QStringLiteral("= 2.54 cm/hr, specific yield 0.101"));
        QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(qAbs(dialog.GetResult() - 0.101255) < 1e-9);
    }

    void keysMoveFromFieldToField()
    {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* first = new XEdit(&window);
        auto* second = new XEdit(&window);
        auto* third = new QLineEdit(&window);
        for (QWidget* field : std::initializer_list<QWidget*>{first, second, third}) layout->addWidget(field);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));

        second->setText(QStringLiteral("12.5"));
        first->setFocus();
        QTest::keyClick(first, Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), second);
        QCOMPARE(second->selectedText(), QStringLiteral("12.5"));
        QTest::keyClick(second, Qt::Key_Down);
        QTRY_COMPARE(QApplication::focusWidget(), third);
        second->setFocus();
        QTest::keyClick(second, Qt::Key_Up);
        QTRY_COMPARE(QApplication::focusWidget(), first);
        QTest::keyClick(first, Qt::Key_PageDown);
        QTRY_COMPARE(QApplication::focusWidget(), second);
        QTest::keyClick(second, Qt::Key_Escape);  // nothing closes
        QVERIFY(window.isVisible());
    }
};

QTEST_MAIN(FieldEditTest)
#include "FieldEditTest.moc"
