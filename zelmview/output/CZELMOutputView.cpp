#include "output/CZELMOutputView.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <stdexcept>

#include "data/CZELMOutputDoc.h"
#include "data/DailyTable.h"
#include "data/EventCalendar.h"
#include "docview/CommandIds.h"
#include "docview/ControlId.h"
#include "docview/ResourceIds.h"
#include "output/OutputReportText.h"
#include "output/TableDlg.h"
#include "output/WaterTableChart.h"
#include "output/WaterTableYear.h"

namespace {

// The window's size when it opens.
const QSize kFormSize(720, 452);

// How far the radios stand in from the group's frame.
constexpr int kRadioIndent = 7;

// Day 1 of the model's year: the date of the last event; none when the project has no valid one.
QDate firstDayOfChartYear(const ZELMData& project)
{
    try {
        return zelm::lastEventDate(project);
    } catch (const std::invalid_argument&) {
        return {};
    }
}

}  // namespace

CZELMOutputView::CZELMOutputView(CZELMOutputDoc* document, QWidget* parent)
    : forms::ReportView(document, kFormSize, parent)
{
    setObjectName(QStringLiteral("outputView"));
    docview::setControlId(this, int(kFormId));
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
        CreateReportControls(QStringLiteral("Computations of Water Table Fluctuations:"), CreateGraphingGroup());
    // The chart opens on its own and deletes itself when closed.
    connect(plot, &QPushButton::clicked, this, [this] {
        if (CZELMOutputDoc* document = GetOutputDocument()) zelm::PlotWaterTable(*document, GetGraphType());
    });
    plot->setWhatsThis(QStringLiteral("Draws the water table through the year in a chart."));
    QWidget* report = GetControl(kReportEdit);
    report->setWhatsThis(QStringLiteral("The model's report. You may add notes; Write saves them with it."));
    assessment = new QLabel(this);
    assessment->setObjectName(QStringLiteral("assessmentLabel"));
    assessment->setWordWrap(true);
    assessment->setContentsMargins(0, 0, 0, 4);
    assessment->hide();
    assessment->setTextInteractionFlags(Qt::TextSelectableByMouse);
    assessment->setToolTip(
        QStringLiteral("The run judged: the peak of the daily water table against the height the project allows"));
    auto* column = static_cast<QBoxLayout*>(layout());
    column->insertWidget(column->indexOf(report), assessment);
}

QLayout* CZELMOutputView::CreateGraphingGroup()
{
    auto* group = new QGroupBox(QStringLiteral("Graphing"), this);
    Name(group, kGraphingGroup, QStringLiteral("graphingGroup"));
    // The radios are controls of the form, like the group around them: both share one cell of the
    // layout, the radios kept inside the group's frame by its margins.
    auto* radios = new QVBoxLayout;
    radios->setContentsMargins(group->contentsMargins() + QMargins(kRadioIndent, 0, kRadioIndent, 0));
    radios->setSpacing(0);
    auto* cell = new QGridLayout;
    cell->addWidget(group, 0, 0);
    cell->addLayout(radios, 0, 0);
    graphing = new QButtonGroup(this);
    const auto add = [&](int controlId, const QString& text, const QString& name) {
        auto* radio = new QRadioButton(text, this);
        Name(radio, controlId, name);
        graphing->addButton(radio);
        radios->addWidget(radio);
        return radio;
    };
    add(kTraditionalYearRadio, QStringLiteral("&Traditional Drainage Year"), QStringLiteral("traditionalYearRadio"))
        ->setChecked(true);
    add(kCalendarRadio, QStringLiteral("&Calendar"), QStringLiteral("calendarRadio"));
    return cell;
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
    CZELMOutputDoc* document = GetOutputDocument();
    if (document == nullptr) return;
    const QString line = document->AssessmentLine();
    assessment->setText(QStringLiteral("<b>%1</b>").arg(line.toHtmlEscaped()));
    assessment->setVisible(!line.isEmpty());
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
        const QDate firstDay = firstDayOfChartYear(project);
        table->SetProject(firstDay,
                          project.metricUnits == ZELMData::Units::Metric ? QStringLiteral("m") : QStringLiteral("ft"),
                          eventDayNumbers(project.events, firstDay), SuggestedFileName(QStringLiteral(".csv")));
        table->show();
    }
    return true;
}
