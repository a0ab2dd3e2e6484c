// The window of a model report (form 131): the report text under "Computations of Water Table
// Fluctuations:" with the seasonal-high-water-table summary, and Plot, Write, Print via Wordpad,
// Done, Help and the choice of the chart's year. The report also prints through the print dialog.
#pragma once

#include <QHash>
#include <QRect>
#include <QSize>
#include <functional>

#include "docview/PrintableView.h"
#include "docview/SaveQuestion.h"

class CZELMOutputDoc;
class QButtonGroup;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QUrl;

class CZELMOutputView : public docview::PrintableView {
    Q_OBJECT

public:
    // Control ids of form 131.
    enum ControlId : int {
        kFormId = 131,
        kReportEdit = 1019,
        kPlotButton = 1020,
        kWriteButton = 1022,
        kPrintViaWordpadButton = 1023,
        kDoneButton = 1084,
        kHelpButton = 1086,
        kTraditionalYearRadio = 1089,
        kCalendarRadio = 1090,
        kGraphingGroup = 1091,
    };
    explicit CZELMOutputView(CZELMOutputDoc* document, QWidget* parent = nullptr);

    CZELMOutputDoc* GetOutputDocument() const;

    void OnUpdate(docview::View* sender, long hint, QObject* hintObject) override;
    bool OnCommand(int commandId) override;
    bool HandlesCommand(int commandId) const override;

    // The report text as last filled for the screen (CR LF line ends).
    const QString& GetReportText() const { return reportText; }
    // The Graphing radios' choice, a zelm::YearMode.
    int GetGraphType() const;
    QWidget* GetControl(int controlId) const { return controls.value(controlId); }

    // Write: the edit box's text, with the user's edits, into a file the user chooses (the
    // dialog suggests the report's name). True when the file was written.
    bool WriteReport();
    // Writes the report for a file beside the document (its title + ".txt") and opens it with the
    // desktop's application for text; says so when none could open it. Returns the path written,
    // or empty when the write failed.
    QString PrintViaWordpad();
    void PrintReport(QPrinter& printer) const;

    // Whether the user typed into the report since it was filled or last written.
    bool HasTypedText() const;
    // Before the window closes with text the user typed: Write it (and close once written),
    // discard it, or stay.
    bool QueryClose() override;

    // Replaceable for tests: the Write dialog, the desktop's opening of a file, and the question
    // about typed text (Save stands for Write).
    std::function<QString()> chooseOutputFile;
    std::function<bool(const QUrl&)> openWithDesktop;
    std::function<docview::SaveAnswer()> askAboutTypedText;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateControls();
    QPushButton* AddButton(int controlId, const QString& text, const QString& name, const QRect& rect);
    void Place(QWidget* control, int controlId, const QString& name, const QRect& rect);
    void FillReport();
    // The report's folder and name with `extension`; empty for a document without a file.
    QString SuggestedFileName(const QString& extension) const;
    void LayOutControls(const QSize& clientSize);
    void Print(QPrinter& printer) override { PrintReport(printer); }

    QPlainTextEdit* reportEdit = nullptr;
    QButtonGroup* graphing = nullptr;
    QString reportText;
    QHash<int, QWidget*> controls;
    QHash<int, QRect> initialRects;
};
