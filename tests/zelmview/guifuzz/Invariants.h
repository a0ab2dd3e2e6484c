// What must hold after every step a user takes, whatever the step was:
// - no modal window other than the program's own dialogs, no message that shows a file that cannot
//   be read or a folder that cannot be entered;
// - showing a project never changes it, and every window of it shows what it holds (a field that
//   has the focus may show what is being typed);
// - the project can always be written and read back;
// - a project the program calls unmodified equals its file;
// - a file that changed reads back with its reader and holds what the window showed before the
//   step, typing included; a project closed or run with "No" leaves its file as it was, and one
//   closed with unsaved work asked first;
// - every event is a day of the model's year (which has no 29 February), and a paste keeps every
//   line of data it brings and no header line;
// - a step changes only what it touches: typing into a field changes that field, a radio button
//   its group, a table edit the table, a wheel turn nothing (and everything typed before it may be
//   stored on the way).
#pragma once

#include <QHash>
#include <QList>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <QTemporaryDir>
#include <variant>

#include "Steps.h"
#include "ViewSnapshot.h"
#include "data/RiskData.h"
#include "data/ZELMData.h"

namespace docview {
class Document;
}

namespace guifuzz {

class AppDriver;

class Invariants {
public:
    explicit Invariants(AppDriver& driver);

    // Takes the state of the program as it is now: before the first step, and after a restart.
    void Reset();
    // Checks what must hold after `step`, which the driver has just played; returns the problems
    // found, each "kind: what".
    QStringList Check(const Step& step);
    // What the last step changed in the projects, as a new window of each shows it.
    const QStringList& Changes() const { return changes; }

private:
    using ProjectData = std::variant<ZELMData, RiskData>;

    // An open project as the program holds and shows it.
    struct Project {
        QPointer<docview::Document> document;
        // The document's address: what f(K) left waiting in its window is kept under it, and is
        // still found in the step that closes the document.
        const docview::Document* identity = nullptr;
        QString path;
        QString title;
        bool modified = false;
        bool showingChangedIt = false;
        ProjectData data;
        QStringList pages;  // the risk pages its window has shown
        Snapshot stored;    // a new window of the project
        Snapshot shown;     // its window with the focus (or its first), as shown
        Snapshot typed;     // the same with what is being typed
        QList<Snapshot> windows;
    };

    QList<Project> Capture() const;
    QHash<QString, QByteArray> Files() const;
    void CheckProject(const Project& project, QStringList& problems) const;
    void CheckFiles(const Step& step, const QList<Project>& after, QStringList& problems) const;
    // The file at `path` reads back and, when `saved` is the project saved to it, holds what its
    // window showed, typing included.
    void CheckSaved(const QString& path, const Project* saved, QStringList& problems) const;
    void CheckClosed(const QList<Project>& after, QStringList& problems) const;
    // Whether the window shows typed text that the project does not hold and could.
    bool HoldsTyping(const Project& project) const;
    // The widgets of `project` that show what the user typed, or f(K) computed, but the project
    // does not hold yet: values that may be stored by any step.
    QSet<QString> Pending(const Project& project) const;
    void CheckFrame(const Step& step, const QList<Project>& after, QStringList& problems) const;
    // A paste into the first column of the event table keeps every data line, from the row pasted
    // at on, and takes no header line for an event.
    void CheckPaste(const Step& step, const QList<Project>& after, QStringList& problems) const;
    // Notes the value f(K) put into a field by `step`; Settle forgets the values that settled
    // (after the checks, which take what was waiting before the step as pending).
    void NoteUnsettled(const Step& step, const QList<Project>& after);
    void Settle(const QList<Project>& after);
    const Project* Find(const QList<Project>& projects, const docview::Document* document) const;

    AppDriver& driver;
    // Where a project is written to see what its file keeps: a folder of this checker's own, since
    // several fuzzers may run at once.
    QTemporaryDir scratchFolder;
    QList<Project> before;
    QHash<QString, QByteArray> filesBefore;
    // The document whose window had the focus before the step: the one the step acts on.
    QPointer<docview::Document> target;
    // Fields that show a value the project gets only when they are committed (the specific yield
    // that f(K) computed), by document: the key of the field and the text it shows.
    QHash<const docview::Document*, QHash<QString, QString>> unsettled;
    QStringList changes;
    // The text the user typed into a field and stayed in it with (by document and field).
    QPointer<docview::Document> keptIn;
    QString keptField;
    QString keptText;
};

}  // namespace guifuzz
