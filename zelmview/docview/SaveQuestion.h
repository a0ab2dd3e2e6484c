// The two questions a document asks before it is saved or closed: whether to save its changes and
// under which path. Both go through replaceable handlers so that tests answer them. The standard
// handlers are the box and the save dialog once the widgets have installed them
// (docview/StandardDialogs.h); without them nothing is saved: the answer is Cancel and no path.
#pragma once

#include <QString>
#include <functional>

namespace docview {

class Document;

enum class SaveAnswer { Save, Discard, Cancel };

using SaveChangesHandler = std::function<SaveAnswer(const QString& title)>;
using SaveAsPathHandler = std::function<QString(const Document& document)>;

// "Save changes to TITLE?" with Yes, No and Cancel.
SaveAnswer askSaveChanges(const QString& title);
// The save dialog of the document's type; an empty path means the user cancelled.
QString askSaveAsPath(const Document& document);

// Install a handler and get back the one it replaces; an empty handler restores the standard one.
SaveChangesHandler setSaveChangesHandler(SaveChangesHandler handler);
SaveAsPathHandler setSaveAsPathHandler(SaveAsPathHandler handler);

// Make the handlers standard (the widgets' box and dialog).
void setStandardSaveHandlers(SaveChangesHandler saveChanges, SaveAsPathHandler saveAsPath);

}  // namespace docview
