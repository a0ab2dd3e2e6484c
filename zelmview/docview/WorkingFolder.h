// The folder the user works in, as one value: the Open and Save As dialogs start there, a chart
// keeps its settings file (".gsp") there, a relative name is taken there, and "ZELM CWD" in section
// "ZELMView" of the profile store remembers it from one session to the next. Documents and runs
// move it where the program promises (see CZelmViewDoc); a model program gets its own folder on its
// process and never moves this one.
//
// The application owns the one working folder and installs it. The process's current directory
// follows it and is set here and nowhere else, so a name that reaches the file system without
// asking still lands in the same folder.
#pragma once

#include <QString>

#include "docview/ProfileStore.h"

namespace docview {

inline const QString kWorkingFolderKey = QStringLiteral("ZELM CWD");

class WorkingFolder {
public:
    // Starts in the process's current directory: the folder the program was started in.
    WorkingFolder();

    const QString& Path() const { return path; }
    // `name` taken in the working folder; an absolute path stays as it is.
    QString FilePath(const QString& name) const;
    // Works in `folder` from now on. A folder that is empty, does not exist or cannot be entered
    // changes nothing and gives false, without a message.
    bool MoveTo(const QString& folder);

    // The folder remembered by the last session; empty when none is.
    QString Remembered() const;
    // Remembers this folder for the next session.
    void Remember() const;

private:
    QString path;
};

// The program's working folder: the one the application installed or, while none is installed
// (parts used on their own, as in tests), one of this layer's own.
WorkingFolder& workingFolder();
// Makes `folder` the program's working folder (null: this layer's own again) and returns the one
// installed before. The folder that takes over goes on where the one before it was.
WorkingFolder* installWorkingFolder(WorkingFolder* folder);

}  // namespace docview
