// The fuzzed program: the whole application with its main window, offscreen, working in a folder
// of its own that holds copies of the example projects. It plays steps on the real widgets as a
// user does (clicks, key presses, focus changes, the menus' commands), answers the save question
// as the step says and the program's dialogs as the step plans, and records every message the
// program shows instead of showing it. A modal window it does not expect is a problem of the step.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <memory>

#include "Steps.h"
#include "docview/MessageSink.h"

class CMainFrame;
class CZelmViewApp;
class QWidget;
class TableListCtrl;

namespace docview {
class Document;
class View;
}  // namespace docview

namespace guifuzz {

class AppDriver : public QObject {
    Q_OBJECT

public:
    // The example projects every sequence starts with, as they are named in the folder.
    static const QStringList kExamples;

    // `folder` must exist; `modelDirectory` holds zelm and uncertainty.
    AppDriver(const QString& folder, const QString& modelDirectory);
    ~AppDriver() override;

    // The application with its main window and no document; Stop closes every document without a
    // question and ends it.
    void Start();
    void Stop();
    // Plays `step`; false when it does not apply now (then it did nothing).
    bool Play(const Step& step);

    CMainFrame* Frame() const;
    docview::View* ActiveView() const;
    // The transient and risk projects open now.
    QList<docview::Document*> InputDocuments() const;
    const QString& Folder() const { return folder; }
    // The project files of the folder, by name.
    QStringList ProjectFiles() const;

    // What the last step brought: messages shown, titles the save question asked about, and
    // problems (unexpected modal windows, a run that did not end).
    struct StepLog {
        bool played = false;
        QStringList messages;
        QStringList questions;
        QHash<QString, QString> savedAs;  // title of a project → the path it was saved under
        QString typedInto;                // the field the keys went to: the focus may have been elsewhere
        QStringList problems;
    };
    const StepLog& Log() const { return log; }

private:
    bool PlayOnDocument(const Step& step);
    bool PlayOnForm(const Step& step, docview::View& view);
    bool PlayOnTable(const Step& step, TableListCtrl& table);
    bool Trigger(int commandId);
    bool Click(QWidget* widget);
    void TypeInto(QWidget* widget, const QString& text);
    void Press(const QString& key);
    bool Choose(const Step& step);
    bool Quit();
    void WaitForRuns();
    void CloseStrayWindows();
    void ActivateFrame();
    void AnswerModal();
    void Settle(bool waitForEditors);
    template <typename T>
    T* Visible(const QString& name) const;

    QString folder;
    QString modelDirectory;
    std::unique_ptr<CZelmViewApp> app;
    docview::MessageRecorder messages;
    StepLog log;
    // The step being played: its answers to the save question and to dialogs.
    Step playing;
    int savedAs = 0;
    QTimer modalWatch;
    bool answeringModal = false;
};

}  // namespace guifuzz
