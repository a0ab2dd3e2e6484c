// The rule of the folder the program starts to work in (see docview::WorkingFolder): the folder
// remembered under "ZELM CWD" or, when none is, the examples folder beside the one it was started
// in. An installed program has no such folder: it works in a copy of the installed examples in the
// user's documents folder instead, since the installed ones cannot be written.
#pragma once

#include <QString>

namespace zelm {

// The examples folder beside `directory` (a program's folder or the start folder, with or
// without a trailing "/"): `directory` + "/../examples".
QString examplesBeside(const QString& directory);

// The examples as installed with the program: "share/zelm/examples" beside the folder of the program
// (`programDirectory` + "/../share/zelm/examples").
QString installedExamplesBeside(const QString& programDirectory);

// The user's own copy of the installed examples, "zelm-examples" in `documentsFolder`. Files it
// lacks are copied from `installed` and made writable; a file already there is never replaced, so
// the user's edits stay. Returns the copy's folder, or `installed` when that folder cannot be made.
QString copyInstalledExamples(const QString& installed, const QString& documentsFolder);

// The folder to work in: `stored` when set, else the examples beside `startDirectory` when they
// exist, else those beside the program's folder (a build tree), else the user's copy of the
// installed examples when the program is installed, else the examples beside `startDirectory` all
// the same.
QString chooseWorkingDirectory(const QString& stored, const QString& startDirectory);

}  // namespace zelm
