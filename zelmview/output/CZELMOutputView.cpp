#include "output/CZELMOutputView.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <stdexcept>

#include "data/CZELMOutputDoc.h"
#include "data/EventCalendar.h"
#include "docview/CommandIds.h"
#include "docview/ControlId.h"
#include "docview/ResourceIds.h"
#include "output/OutputReportText.h"
#include "output/TableDlg.h"
#include "output/WaterTableChart.h"
#include "output/WaterTableYear.h"

namespace {

// The form's own size; the controls below are placed for it and follow the window from there.
const QSize kFormSize(720, 452);
const QRect kEditRect(8, 26, 704, 352);
const QRect kGroupRect(492, 384, 220, 62);
constexpr int kButtonTop = 402;

// Day 1 of the model's year: the date of the last event; none when the project has no valid one.
QDate YearStart(const ZELMData& project)
{
    try {
        return zelm::LastEventDate(project);
    } catch (const std::invalid_argument&) {
        return {};
    }
}

}  // namespace

CZELMOutputView::CZELMOutputView(CZELMOutputDoc* document, QWidget* parent)
    : forms::ReportView(document, kFormSize, parent)
{
    setObjectName(QStringLiteral("outputView"));
    docview::SetControlId(this, int(kFormId));
    CreateControls();
    FinishForm();
}

CZELMOutputDoc* CZELMOutputView::GetOutputDocument() const
{
    return static_cast<CZELMOutputDoc*>(GetDocument());
}

void CZELMOutputView::CreateControls()
{
    QPushButton* plot =
        CreateReportControls(QStringLiteral("Computations of Water Table Fluctuations:"), kEditRect, kButtonTop);
    // The chart opens on its own and deletes itself when closed.
    connect(plot, &QPushButton::clicked, this, [this] {
        if (CZELMOutputDoc* document = GetOutputDocument()) zelm::PlotWaterTable(*document, GetGraphType());
    });
    plot->setWhatsThis(QStringLiteral("Draws the water table through the year in a chart."));
    GetControl(kReportEdit)
        ->setWhatsThis(QStringLiteral("The model's report. You may add notes; Write saves them with it."));

    auto* group = new QGroupBox(QStringLiteral("Graphing"), this);
    Place(group, kGraphingGroup, QStringLiteral("graphingGroup"), kGroupRect);
    graphing = new QButtonGroup(this);
    auto* traditional = new QRadioButton(QStringLiteral("Traditional Drainage Year"), this);
    auto* calendar = new QRadioButton(QStringLiteral("Calendar"), this);
    const QPoint origin = kGroupRect.topLeft();
    Place(traditional, kTraditionalYearRadio, QStringLiteral("traditionalYearRadio"),
          QRect(origin + QPoint(10, 18), QSize(200, 20)));
    Place(calendar, kCalendarRadio, QStringLiteral("calendarRadio"), QRect(origin + QPoint(10, 38), QSize(200, 20)));
    graphing->addButton(traditional);
    graphing->addButton(calendar);
    traditional->setChecked(true);
}

zelm::YearMode CZELMOutputView::GetGraphType() const
{
    return graphing->checkedButton() == GetControl(kCalendarRadio) ? zelm::YearMode::CalendarYear
                                                                   : zelm::YearMode::TraditionalDrainageYear;
}

void CZELMOutputView::OnUpdate(docview::UpdateHint)
{
    FillReport();
}

void CZELMOutputView::FillReport()
{
    if (CZELMOutputDoc* document = GetOutputDocument())
        ShowReport(zelm::FillReport(*document, zelm::ReportTarget::Screen));
}

QString CZELMOutputView::WordProcessorText() const
{
    CZELMOutputDoc* document = GetOutputDocument();
    return document != nullptr ? zelm::FillReport(*document, zelm::ReportTarget::File) : QString();
}

bool CZELMOutputView::HandlesCommand(int commandId) const
{
    return commandId == zelm::kViewDailyData || ReportView::HandlesCommand(commandId);
}

bool CZELMOutputView::OnCommand(int commandId)
{
    if (commandId != zelm::kViewDailyData) return ReportView::OnCommand(commandId);
    // Modeless; it deletes itself when closed, and goes with this window before that.
    if (CZELMOutputDoc* document = GetOutputDocument()) {
        auto* table = new TableDlg(&document->GetOutput(), this);
        const ZELMData& project = document->GetInput();
        table->SetProject(YearStart(project),
                          project.metricUnits == ZELMData::Units::Metric ? QStringLiteral("m") : QStringLiteral("ft"),
                          SuggestedFileName(QStringLiteral(".csv")));
        table->show();
    }
    return true;
}
