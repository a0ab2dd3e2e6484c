// The two questions a document asks before it is saved or closed: whether to save its changes and
// under which path. Both go through replaceable handlers so that tests answer them.
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

// Install a handler and get back the one it replaces; an empty handler restores the dialog.
SaveChangesHandler setSaveChangesHandler(SaveChangesHandler handler);
SaveAsPathHandler setSaveAsPathHandler(SaveAsPathHandler handler);

}  // namespace docview
