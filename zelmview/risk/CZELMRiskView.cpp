#include "risk/CZELMRiskView.h"

#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressDialog>
#include <QScopedValueRollback>

#include "data/UnitFactors.h"
#include "docview/CommandIds.h"
#include "docview/ControlId.h"
#include "docview/EditCommands.h"
#include "docview/MessageSink.h"
#include "docview/ResourceIds.h"
#include "forms/ChoiceList.h"
#include "forms/FormControls.h"
#include "risk/CZELMRiskDoc.h"
#include "risk/RiskAnalysisSheet.h"
#include "risk/RiskLivePanel.h"
#include "risk/RiskPage.h"
#include "table/TableListCtrl.h"

const QString CZELMRiskView::kProgressText = QStringLiteral("Running the uncertainty model…");

namespace {

constexpr int kCommentLines = 4;

template <typename Code>
void showChoice(QComboBox* list, Code code)
{
    list->setCurrentIndex(list->findData(QVariant::fromValue(code)));
}

}  // namespace

CZELMRiskView::CZELMRiskView(CZELMRiskDoc* document, QWidget* parent) : forms::PrintableView(document, parent)
{
    setObjectName(QStringLiteral("riskView"));
    docview::setControlId(this, kFormId);
    auto* layout = new QVBoxLayout(this);
    auto* selectors = new QGridLayout;
    layout->addLayout(selectors);
    using Evaluation = RiskData::Evaluation;
    using Option = RiskData::UncertaintyOption;
    using Units = RiskData::Units;
    evaluationList = AddSelector(
        kEvaluationList, QStringLiteral("Analysis evaluation:"), QStringLiteral("evaluationList"),
        {{QStringLiteral("Risk evaluation for a given design"), QVariant::fromValue(Evaluation::GivenDesign)},
         {QStringLiteral("Analysis of a range of designs for a certain risk"),
          QVariant::fromValue(Evaluation::DesignRange)}});
    optionList =
        AddSelector(kOptionList, QStringLiteral("Uncertainty analysis option:"), QStringLiteral("optionList"),
                    {{QStringLiteral("Risk analysis"), QVariant::fromValue(Option::RiskAnalysis)},
                     {QStringLiteral("Loss function analysis"), QVariant::fromValue(Option::LossFunctionAnalysis)}});
    unitsList = AddSelector(kUnitsList, QStringLiteral("Units:"), QStringLiteral("unitsList"),
                            {{QStringLiteral("English"), QVariant::fromValue(Units::English)},
                             {QStringLiteral("Metric"), QVariant::fromValue(Units::Metric)}});
    for (QComboBox* list : {evaluationList, optionList, unitsList}) {
        const int row = selectors->rowCount();
        selectors->addWidget(forms::labelFor(list, list->accessibleName()), row, 0);
        selectors->addWidget(list, row, 1);
    }
    selectors->setColumnStretch(2, 1);

    sheetFrame = new QFrame;
    sheetFrame->setObjectName(QStringLiteral("sheetFrame"));
    docview::setControlId(sheetFrame, kSheetFrame);
    auto* frameLayout = new QVBoxLayout(sheetFrame);
    frameLayout->setContentsMargins(0, 0, 0, 0);
    // The live panel stands on the right of the pages.
    auto* middle = new QHBoxLayout;
    middle->addWidget(sheetFrame, 1);
    livePanel = new RiskLivePanel(this);
    connect(livePanel, &RiskLivePanel::openChanged, this, [this](bool open) {
        if (open) ShowLiveResult();
    });
    middle->addWidget(livePanel);
    layout->addLayout(middle, 1);
    CreateComments(layout);
}

void CZELMRiskView::CreateComments(QLayout* layout)
{
    comments = new QPlainTextEdit;
    layout->addWidget(forms::labelFor(comments, QStringLiteral("Comments:")));
    comments->setObjectName(QStringLiteral("commentEdit"));
    docview::setControlId(comments, kComment);
    comments->setTabChangesFocus(true);
    comments->setFixedHeight(comments->fontMetrics().lineSpacing() * kCommentLines + 2 * comments->frameWidth() + 8);
    layout->addWidget(comments);
    fields.AddText(
        comments, [this] { return GetRiskDocument()->GetData().comment; },
        [this](const QString& typed) {
            GetRiskDocument()->StoreData(
                QStringLiteral("Comments"),
                [comment = RiskData::FittedComment(typed)](RiskData& project) { project.comment = comment; });
        });
}

CZELMRiskDoc* CZELMRiskView::GetRiskDocument() const
{
    return static_cast<CZELMRiskDoc*>(GetDocument());
}

QComboBox* CZELMRiskView::AddSelector(int controlId, const QString& label, const QString& name,
                                      const QList<std::pair<QString, QVariant>>& items)
{
    auto* list = new forms::ChoiceList(this);
    list->setObjectName(name);
    list->setAccessibleName(label);
    docview::setControlId(list, controlId);
    for (const auto& [text, code] : items) list->addItem(text, code);
    connect(list, &QComboBox::activated, this, [this, controlId](int index) { OnSelectorChosen(controlId, index); });
    return list;
}

QComboBox* CZELMRiskView::GetSelector(int controlId) const
{
    switch (controlId) {
    case kEvaluationList:
        return evaluationList;
    case kOptionList:
        return optionList;
    case kUnitsList:
        return unitsList;
    default:
        return nullptr;
    }
}

// ---- From the document to the view ----

void CZELMRiskView::OnInitialUpdate()
{
    delete sheet;
    sheet = new RiskAnalysisSheet(*GetRiskDocument(), sheetFrame);
    sheetFrame->layout()->addWidget(sheet);
    // Each key press in a numeric field of a page: the typed text is no change of the project.
    for (int index = 0; index < RiskAnalysisSheet::kPageCount; ++index)
        connect(sheet->GetPage(RiskAnalysisSheet::PageIndex(index)), &RiskPage::numberEdited, this, [this] {
            if (!showing) ShowLiveResult();
        });
    PrintableView::OnInitialUpdate();
    sheet->setCurrentIndex(0);
    PutCommentsAfterSheet();
    // A new window is ready for the keyboard: the focus starts on its first list.
    evaluationList->setFocus(Qt::OtherFocusReason);
}

void CZELMRiskView::PutCommentsAfterSheet()
{
    // The sheet joined the window after the comments: Tab goes from the lists to the tabs, through
    // the page shown and on to the comments below it, as the eye reads them.
    QWidget* last = sheet;
    for (QWidget* next = sheet->nextInFocusChain(); sheet->isAncestorOf(next); next = next->nextInFocusChain())
        last = next;
    setTabOrder(last, comments);
}

void CZELMRiskView::OnUpdate(docview::UpdateHint)
{
    ShowFromDocument();
}

void CZELMRiskView::ShowFromDocument()
{
    // The fields the pages show again are no typing: the panel shows the project once, below.
    const QScopedValueRollback<bool> shown(showing, true);
    const RiskData& project = GetRiskDocument()->GetData();
    if (sheet != nullptr) {
        sheet->SetEvaluation(project.evaluation);
        sheet->SetOption(project.uncertaintyOption);
        sheet->SetUnits(project.units);
    }
    showChoice(evaluationList, project.evaluation);
    showChoice(optionList, project.uncertaintyOption);
    showChoice(unitsList, project.units);
    fields.ShowAll();
    ShowLiveResult();
}

RiskData CZELMRiskView::ProjectAsTyped() const
{
    RiskData project = GetRiskDocument()->GetData();
    if (sheet == nullptr) return project;
    for (int index = 0; index < RiskAnalysisSheet::kPageCount; ++index)
        if (const RiskPage* page = sheet->GetPage(RiskAnalysisSheet::PageIndex(index)); page->IsShown())
            page->ApplyTypedNumbers(project);
    return project;
}

void CZELMRiskView::ShowLiveResult()
{
    if (livePanel != nullptr) livePanel->ShowProject(ProjectAsTyped());
}

// ---- From the view to the document ----

bool CZELMRiskView::CommitTypedText()
{
    return (sheet == nullptr || sheet->CommitAll()) && fields.CommitAll();
}

void CZELMRiskView::OnSelectorChosen(int controlId, int index)
{
    // A choice the project holds already is no change of it.
    const QVariant chosen = GetSelector(controlId)->itemData(index);
    CZELMRiskDoc* document = GetRiskDocument();
    switch (controlId) {
    case kUnitsList: {
        const auto units = chosen.value<RiskData::Units>();
        if (!document->GetData().ConvertsWithinFile(units)) {
            docview::showMessage(zelm::kConversionTooLargeText);
            showChoice(unitsList, document->GetData().units);
            return;
        }
        document->StoreData(QStringLiteral("Units"), [units](RiskData& data) { data.SetUnits(units); });
        return;
    }
    case kEvaluationList:
        document->StoreData(
            QStringLiteral("Analysis evaluation"),
            [evaluation = chosen.value<RiskData::Evaluation>()](RiskData& data) { data.evaluation = evaluation; });
        return;
    default:
        document->StoreData(QStringLiteral("Uncertainty analysis option"),
                            [option = chosen.value<RiskData::UncertaintyOption>()](RiskData& data) {
                                data.uncertaintyOption = option;
                            });
        return;
    }
}

// ---- Commands ----

bool CZELMRiskView::HandlesCommand(int commandId) const
{
    if (commandId == zelm::kRunModel) return !IsRunning();
    return docview::isFocusEditCommand(commandId) || PrintableView::HandlesCommand(commandId);
}

bool CZELMRiskView::OnCommand(int commandId)
{
    if (commandId == zelm::kRunModel) {
        RunUncertaintyModel();
        return true;
    }
    if (docview::isFocusEditCommand(commandId)) {
        EditFocusedControl(commandId);
        return true;
    }
    return PrintableView::OnCommand(commandId);
}

void CZELMRiskView::EditFocusedControl(int commandId)
{
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || !isAncestorOf(focus)) return;
    // On the pipe cost table itself, Copy and Paste take the whole table's text.
    if (auto* table = qobject_cast<TableListCtrl*>(focus)) {
        if (commandId == docview::kEditCopy) table->CopyToClipboard(false, false);
        if (commandId == docview::kEditPaste) table->PasteFromClipboard();
        return;
    }
    docview::editFocusedText(commandId, focus);
}

void CZELMRiskView::Print(QPrinter& printer)
{
    PrintAsShown(printer, sheet != nullptr ? sheet->currentWidget() : nullptr);
}

// ---- The model run ----

void CZELMRiskView::RunUncertaintyModel()
{
    if (IsRunning() || sheet == nullptr) return;
    CZELMRiskDoc* document = GetRiskDocument();
    const docview::Document::RunFile file = document->SaveForRun();
    if (file == docview::Document::RunFile::None) return;
    std::optional<zelm::ModelRun> run = document->RunUncertaintyModel();
    if (run) FollowRun(std::move(*run), forms::reportOpener(openReport, file, document->GetPathName()));
}

void CZELMRiskView::FollowRun(zelm::ModelRun run, std::function<void(const QString& path)> openRunReport)
{
    QPointer<CZELMRiskView> self(this);
    runSession.Follow(std::move(run), std::move(openRunReport));
    if (!runSession.IsRunning()) return;
    // The window waits for the model, as the run of the project has always done, but it still
    // paints and offers Cancel, which ends the model.
    QPointer<QProgressDialog> progress = new QProgressDialog(kProgressText, QStringLiteral("Cancel"), 0, 0, this);
    progress->setObjectName(QStringLiteral("runProgress"));
    progress->setWindowTitle(QStringLiteral("ZELM"));
    progress->setAutoClose(false);
    progress->setAutoReset(false);
    connect(progress, &QProgressDialog::canceled, &runSession, &ModelRunSession::Cancel);
    connect(&runSession, &ModelRunSession::runningChanged, progress, [progress](bool running) {
        if (!running && progress) progress->done(0);
    });
    progress->exec();
    delete progress;
    // However the window went, the run does not outlive it unseen.
    if (self) runSession.Cancel();
}
