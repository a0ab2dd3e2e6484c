// The view of a risk project (form 236): the analysis evaluation, the uncertainty option and the
// units as three lists, below them the tabbed pages that edit the project, and at the bottom the
// comments that describe it (the lines at the top of its file). It takes the Run
// command: the pages commit their fields, the document saves and starts the model, and a modal
// progress window follows the run until the model ends (or the user cancels it, or the time
// limit stops it); without an error the report then opens.
#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <functional>
#include <utility>

#include "data/RiskData.h"
#include "forms/FieldBinder.h"
#include "forms/PrintableView.h"
#include "forms/ReportOpening.h"
#include "run/ModelRunSession.h"

class CZELMRiskDoc;
class QComboBox;
class QFrame;
class QLayout;
class QPlainTextEdit;
class QPrinter;
class RiskAnalysisSheet;
class RiskLivePanel;

class CZELMRiskView : public forms::PrintableView {
    Q_OBJECT

public:
    static constexpr int kFormId = 236;
    static constexpr int kEvaluationList = 1035;
    static constexpr int kOptionList = 1036;
    static constexpr int kUnitsList = 1013;
    static constexpr int kSheetFrame = 1023;
    static constexpr int kComment = 1010;

    explicit CZELMRiskView(CZELMRiskDoc* document, QWidget* parent = nullptr);

    CZELMRiskDoc* GetRiskDocument() const;
    RiskAnalysisSheet* GetSheet() const { return sheet; }
    QComboBox* GetSelector(int controlId) const;
    QPlainTextEdit* GetComments() const { return comments; }
    ModelRunSession& GetRunSession() { return runSession; }
    // The live panel beside the pages: the model's answer for the project as typed.
    RiskLivePanel* GetLivePanel() const { return livePanel; }
    // The project with the numbers typed into the pages and not yet stored; nothing is stored.
    RiskData ProjectAsTyped() const;
    // Runs the model on the project as typed, into the live panel.
    void ShowLiveResult();

    // A new page set, shown with the project, its first page current.
    void OnInitialUpdate() override;
    // Shows the project.
    void OnUpdate(docview::UpdateHint hint) override;
    // What is typed into the pages but not yet stored, page by page, then the comments.
    bool CommitTypedText() override;
    bool OnCommand(int commandId) override;
    bool HandlesCommand(int commandId) const override;

    // The Run command: commit, save (a project never saved is named first), start the model and
    // wait for it in a modal progress window.
    void RunUncertaintyModel();
    bool IsRunning() const { return runSession.IsRunning(); }

    // How a report is opened; the application opens it as a document.
    forms::OpenReport openReport;

    static const QString kProgressText;

private:
    // A list whose items each hold the code they stand for.
    QComboBox* AddSelector(int controlId, const QString& label, const QString& name,
                           const QList<std::pair<QString, QVariant>>& items);
    void ShowFromDocument();
    void CreateComments(QLayout* layout);
    void PutCommentsAfterSheet();
    // A list's new choice: the item's code is stored; the same choice again changes nothing.
    void OnSelectorChosen(int controlId, int index);
    void FollowRun(zelm::ModelRun run, std::function<void(const QString& path)> openRunReport);
    // Cut, Copy, Paste or Delete on the control that has the focus.
    void EditFocusedControl(int commandId);
    void Print(QPrinter& printer) override;

    QComboBox* evaluationList = nullptr;
    QComboBox* optionList = nullptr;
    QComboBox* unitsList = nullptr;
    QFrame* sheetFrame = nullptr;
    RiskAnalysisSheet* sheet = nullptr;
    QPlainTextEdit* comments = nullptr;
    RiskLivePanel* livePanel = nullptr;
    bool showing = false;  // while the project is shown in the view
    forms::FieldBinder fields;
    ModelRunSession runSession;
};
