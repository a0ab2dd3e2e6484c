// How a project's view opens the report of a run: through the application, and, when the model ran
// on the saved file while the form held changes the user chose not to save, with a report title and
// a status note that say so.
#pragma once

#include <QString>
#include <functional>

#include "docview/Document.h"

namespace forms {

// Opens the report at `path` as a document of its own; null when it could not be opened.
using OpenReport = std::function<docview::Document*(const QString& path)>;

// What the title of the report of such a run ends with.
inline const QString kSavedFileTitleNote = QStringLiteral(" (the saved file, not the form)");

// The callback that opens the report of a run of `inputPath` through `open`; `file` is what the
// save before the run left on disk.
std::function<void(const QString& path)> reportOpener(OpenReport open, docview::Document::RunFile file,
                                                      QString inputPath);

}  // namespace forms
