// The form of a model's report: a heading, the report in a fixed-pitch text box with both scroll
// bars, and the buttons Plot, Write, Print via Wordpad, Done and Help below it, laid out by Qt's
// layouts. Every button has a mnemonic that no menu title of the window takes, Tab leaves the
// box, and the report windows' menu brings Plot and Write as well. The box takes every change of the window's size; the
// controls below it keep their horizontal place and move with the bottom edge. A window narrower than the form asks for
// is left to its frame: the frame keeps the form's minimum and the main window scrolls to it. Write saves what the box
// shows, with the user's notes; Print via Wordpad hands the report to the desktop's application for text; the print
// commands print the box; Done asks before text the user typed is thrown away. Each output type says what its report is
// and what Plot does.
#pragma once

#include <QHash>
#include <QSize>
#include <functional>

#include "docview/DocumentType.h"
#include "docview/SaveQuestion.h"
#include "forms/PrintableView.h"

class QLayout;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QUrl;

namespace forms {

class ReportView : public PrintableView {
    Q_OBJECT

public:
    // The ids the report forms share.
    enum ReportControlId : int {
        kReportEdit = 1019,
        kPlotButton = 1020,
        kWriteButton = 1022,
        kPrintViaWordpadButton = 1023,
        kDoneButton = 1084,
        kHelpButton = 1086,
    };

    // The commands of the report windows' menu, Plot and Write, and that menu ("&Report").
    static QList<docview::CommandSpec> ReportCommands();
    static docview::MenuSpec ReportMenu();

    // The report text as last filled for the screen (CR LF line ends).
    const QString& GetReportText() const { return reportText; }
    QWidget* GetControl(int controlId) const { return controls.value(controlId); }

    // Write: the box's text, with the user's edits, into a file the user chooses (the dialog
    // suggests the report's name). True when the file was written.
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
    // Done and File Close ask first; a window that stays has taken the command. Plot and Write
    // from the menu do what their buttons do.
    bool OnCommand(int commandId) override;
    bool HandlesCommand(int commandId) const override;

    // Replaceable for tests: the Write dialog, the desktop's opening of a file, and the question
    // about typed text (Save stands for Write).
    std::function<QString()> chooseOutputFile;
    std::function<bool(const QUrl&)> openWithDesktop;
    std::function<docview::SaveAnswer()> askAboutTypedText;

protected:
    // `formSize` is the window's size when it opens.
    ReportView(docview::Document* document, const QSize& formSize, QWidget* parent);

    // The heading, the box and the five buttons in a row below it, followed by `besideButtons`
    // (when given), which takes the rest of the row; Write, Print via Wordpad, Done and Help are
    // connected. Returns Plot for the type to connect.
    QPushButton* CreateReportControls(const QString& heading, QLayout* besideButtons = nullptr);
    // Names a control of the form and gives it its id, by which GetControl finds it.
    void Name(QWidget* control, int controlId, const QString& name);
    // Sizes the window to its form once every control is made.
    void FinishForm();

    // Shows `text` (CR LF line ends) as a report the user has not typed into.
    void ShowReport(const QString& text);
    // The report as the word processor gets it.
    virtual QString WordProcessorText() const = 0;
    // The report's folder and name with `extension`; empty for a document without a file.
    QString SuggestedFileName(const QString& extension) const;

    void Print(QPrinter& printer) override { PrintReport(printer); }

private:
    const QSize formSize;
    QPlainTextEdit* reportEdit = nullptr;
    QString reportText;
    QHash<int, QWidget*> controls;
};

}  // namespace forms
