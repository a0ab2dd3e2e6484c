// What the views of a document type ask of the application: to open a document by path (a report
// after a run), to show the help, to bring the commands' states up to date, and to take a command
// that no view, document or window took.
#pragma once

#include <QString>

namespace docview {

class Document;

class DocumentHost {
public:
    virtual ~DocumentHost() = default;
    virtual Document* OpenDocumentFile(const QString& path) = 0;
    // The help window at `section` (an anchor of the help page), or at its contents when empty.
    virtual void ShowHelp(const QString& section) = 0;
    virtual void UpdateCommandStates() = 0;
    virtual void OnCommand(int commandId) = 0;
};

}  // namespace docview
