// The daily table of a run: one column per day of a three-event year from the real model, titled
// with its date, the depths after build-up under the days of the events (not under a day the daily
// file repeats without one), the heading and the row labels in view, the status bar's word, Export's clipboard text,
// Save as CSV with each day's date (and a failed save that keeps the old file), the resizing rule, and the report
// window's menu command that opens it.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include "data/CZELMOutputDoc.h"
#include "data/DailyTable.h"
#include "data/SaveFailures.h"
#include "data/TransientOutputData.h"
#include "docview/MessageSink.h"
#include "docview/ResourceIds.h"
#include "output/CZELMOutputView.h"
#include "output/TableDlg.h"
#include "table/TableListCtrl.h"

namespace {

const char* const kThreeEventProject =
    "#Version number\n2\n#Title (1 line)\nThree events\n#Project data\n0 0 0\n#Field data\n"
    "1.5 2.5 5 0.05 0.25 4 40 7.5 -1\n#Number of deep percolation events\n3\n#month, day, deep perc\n"
    "3 15 1\n6 10 0.5\n10 1 1.5\n#Comment records is delimited by $start and $end\n$start\n$end\n";

// The three events' days, counted from the last event (1 October): 15 March is day 166, 10 June
// day 253, and 1 October both day 1 and day 366.
const QSet<int> kThreeEventDays{1, 166, 253, 366};
const QDate kThreeEventFirstDay(1981, 10, 1);

// The export, worked out from the day numbers: a row repeating the day before is the depth after
// that day's build-up when an event falls on that day.
QString expectedExport(const TransientOutputData& output)
{
    QStringList depths;
    QStringList afterBuildup;
    for (qsizetype row = 0; row < output.dailyDepth.size(); ++row) {
        const QString depth = QString::asprintf("%g", output.dailyDepth.at(row));
        if (row > 0 && output.dailyDay.at(row) == output.dailyDay.at(row - 1)) {
            if (kThreeEventDays.contains(output.dailyDay.at(row))) afterBuildup.last() = depth;
        } else {
            depths.append(depth);
            afterBuildup.append(QStringLiteral("-"));
        }
    }
    QStringList lines{QStringLiteral("Distance from surface:\tAfter buildup:")};
    for (qsizetype day = 0; day < depths.size(); ++day)
        lines.append(depths.at(day) + QLatin1Char('\t') + afterBuildup.at(day));
    return lines.join(QStringLiteral("\r\n"));
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// Three days, the second that of an event: its second row is the depth after the build-up.
TransientOutputData threeDays()
{
    TransientOutputData days;
    days.dailyDay = {1, 2, 2, 3};
    days.dailyHeight = {1.0, 1.1, 2.5, 2.4};
    days.dailyDepth = {3.0, 2.9, 1.5, 1.6};
    days.eventRows = {2};
    return days;
}

}  // namespace

class TableDlgTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QFile project(folder.filePath(QStringLiteral("three.trn")));
        QVERIFY(project.open(QIODevice::WriteOnly));
        project.write(kThreeEventProject);
        project.close();
        QProcess model;
        model.setWorkingDirectory(folder.path());
        model.start(QStringLiteral(ZELM_BINARY), {QStringLiteral("three")});
        QVERIFY(model.waitForFinished());
        report = folder.filePath(QStringLiteral("three.OTR"));
        QVERIFY(output.ReadData(report));
        QCOMPARE(output.dailyDepth.size(), 370);
    }

    void theEventsFallOnTheirDaysOfTheModelsYear()
    {
        const QList<IrrigationDataElement> events{{3, 15, 1.0}, {6, 10, 0.5}, {10, 1, 1.5}};
        QCOMPARE(eventDayNumbers(events, kThreeEventFirstDay), kThreeEventDays);
        // 29 February rolls into 1 March; no date of day 1, no days.
        QCOMPARE(eventDayNumbers({{2, 29, 1.0}, {12, 31, 1.0}}, QDate(1981, 12, 31)), (QSet<int>{1, 61, 366}));
        QVERIFY(eventDayNumbers(events, QDate()).isEmpty());
    }

    void aThreeEventYearHasADayColumnPerDayAndABuildupOnEachEventDay()
    {
        TableDlg dialog(&output);
        dialog.SetProject(kThreeEventFirstDay, QStringLiteral("ft"), kThreeEventDays, QString());
        dialog.show();
        TableListCtrl* table = dialog.GetTable();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Table View"));
        QCOMPARE(table->columnCount(), 1 + 366);
        QCOMPARE(table->GetColumnTitle(366), QStringLiteral("Day 366\n1 Oct"));
        QCOMPARE(table->GetColumnTitle(83), QStringLiteral("Day 83\n22 Dec"));
        QCOMPARE(table->GetCellText(1, 0), QStringLiteral("After buildup:"));
        // The daily file writes day 83 twice, where a period begins without an event: no build-up.
        QCOMPARE(output.dailyDay.at(83), 83);
        QCOMPARE(table->GetCellText(1, 83), QStringLiteral("-"));
        QList<int> afterBuildup;
        for (int column = 1; column < table->columnCount(); ++column)
            if (table->GetCellText(1, column) != QStringLiteral("-")) afterBuildup.append(column);
        QCOMPARE(afterBuildup, (QList<int>{166, 253, 366}));

        // The heading says what is listed and in which unit; the row labels stand in the row
        // header, which stays in view while the days scroll, and the Field column is hidden.
        QVERIFY(dialog.findChild<QLabel*>()->text().contains(QStringLiteral("below the ground surface, in ft")));
        QVERIFY(table->accessibleName().endsWith(QStringLiteral("in ft, day by day")));
        QVERIFY(table->verticalHeader()->isVisible());
        QCOMPARE(table->model()->headerData(1, Qt::Vertical).toString(), QStringLiteral("After buildup:"));
        QVERIFY(table->isColumnHidden(0));
        table->horizontalScrollBar()->setValue(table->horizontalScrollBar()->maximum());
        QVERIFY(table->verticalHeader()->isVisible());
        QVERIFY(table->verticalHeader()->width() >=
                table->verticalHeader()->fontMetrics().horizontalAdvance(QStringLiteral("Distance from surface:")));
        // Nothing in the table can be edited: a click opens no editor.
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                          table->visualRect(table->model()->index(0, 1)).center());
        QVERIFY(table->GetEditor() == nullptr);

        dialog.hide();
        dialog.show();  // filled once only
        QCOMPARE(table->columnCount(), 1 + 366);
    }

    void exportCopiesTheTableColumnByColumn()
    {
        TableDlg dialog(&output);
        dialog.SetProject(kThreeEventFirstDay, QStringLiteral("ft"), kThreeEventDays, QString());
        dialog.show();
        QGuiApplication::clipboard()->clear();
        docview::MessageRecorder statuses(docview::MessageChannel::StatusBar);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("exportButton")), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), expectedExport(output));
        QCOMPARE(statuses.messages(), QStringList(QStringLiteral("The daily table was copied to the clipboard.")));
    }

    void theTableTakesTheChangeOfSizeAndTheButtonsFollowTheBottom()
    {
        TableDlg dialog(&output);
        dialog.show();
        QWidget* close = dialog.findChild<QPushButton*>(QStringLiteral("closeButton"));
        const QRect table = dialog.GetTable()->geometry();
        const QRect button = close->geometry();
        dialog.resize(dialog.size() + QSize(100, 50));
        QTRY_COMPARE(dialog.GetTable()->geometry().size(), table.size() + QSize(100, 50));
        QCOMPARE(close->geometry(), button.translated(0, 50));
    }

    void saveAsCsvWritesADayALineWithItsDate()
    {
        const TransientOutputData days = threeDays();
        TableDlg dialog(&days);
        dialog.SetProject(QDate(1981, 12, 31), QStringLiteral("m"), {2}, QString());
        const QString path = folder.filePath(QStringLiteral("days.csv"));
        dialog.chooseCsvFile = [&path] { return path; };
        docview::MessageRecorder messages;
        docview::MessageRecorder statuses(docview::MessageChannel::StatusBar);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("saveCsvButton")), Qt::LeftButton);
        QCOMPARE(readFile(path), QByteArray("Day,Date,Depth below surface (m),After buildup (m)\n"
                                            "1,1981-12-31,3,\n"
                                            "2,1982-01-01,2.9,1.5\n"
                                            "3,1982-01-02,1.6,\n"));
        QVERIFY(messages.messages().isEmpty());
        QCOMPARE(statuses.messages(), QStringList("The daily table was saved to " + path + "."));

        // Cancelled, nothing is written.
        QFile::remove(path);
        dialog.chooseCsvFile = [] { return QString(); };
        QVERIFY(!dialog.SaveTableAsCsv());
        QVERIFY(!QFile::exists(path));
    }

    void aCsvThatCannotBeSavedSaysSoAndKeepsTheOldFile()
    {
        const TransientOutputData days = threeDays();
        TableDlg dialog(&days);
        QTemporaryDir place;
        const QString path = place.filePath(QStringLiteral("days.csv"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("the old file\n");
        old.close();
        dialog.chooseCsvFile = [&path] { return path; };
        docview::MessageRecorder messages;
        {
            const FileSizeLimit full(20);
            QVERIFY(!dialog.SaveTableAsCsv());
        }
        {
            const WriteProtectedFolder readOnly(place.path());
            QVERIFY(!dialog.SaveTableAsCsv());
        }
        QCOMPARE(messages.messages(), QStringList({"Unable to write " + path, "Unable to open " + path}));
        QCOMPARE(readFile(path), QByteArray("the old file\n"));
    }

    void theReportWindowOpensTheTableFromItsMenuCommand()
    {
        docview::MessageRecorder messages;
        auto* document = new CZELMOutputDoc;
        QVERIFY(document->OnOpenDocument(report));
        auto* view = new CZELMOutputView(document);
        view->show();
        QVERIFY(view->HandlesCommand(zelm::kViewDailyData));
        QVERIFY(view->OnCommand(zelm::kViewDailyData));
        auto* dialog = view->findChild<TableDlg*>();
        QVERIFY(dialog != nullptr && dialog->isVisible());
        QCOMPARE(dialog->GetTable()->columnCount(), 367);
        // Day 1 of the CSV is the project's last event, where the model's year begins.
        const QString csv = folder.filePath(QStringLiteral("three.csv"));
        dialog->chooseCsvFile = [&csv] { return csv; };
        QVERIFY(dialog->SaveTableAsCsv());
        const QByteArray days = readFile(csv);
        QVERIFY(days.startsWith("Day,Date,Depth below surface (ft),After buildup (ft)\n1,1981-10-01,"));
        QVERIFY(days.contains("\n83,1981-12-22,3.992,\n"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("closeButton")), Qt::LeftButton);
        QTRY_VERIFY(view->findChild<TableDlg*>() == nullptr);  // it deletes itself when closed
        delete view;
    }

private:
    QTemporaryDir folder;
    QString report;
    TransientOutputData output;
};

QTEST_MAIN(TableDlgTest)
#include "TableDlgTest.moc"
