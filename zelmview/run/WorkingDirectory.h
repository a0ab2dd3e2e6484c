// The working-directory rule: the program works in the folder stored under "ZELM CWD" in section
// "ZELMView" of the profile store or, when none is stored, in the examples folder beside the one
// it was started in.
#pragma once

#include <QString>

namespace zelm {

inline const QString kProfileSection = QStringLiteral("ZELMView");
inline const QString kWorkingDirectoryKey = QStringLiteral("ZELM CWD");

// The examples folder beside `directory` (a program's folder or the start folder, with or
// without a trailing "/"): `directory` + "/../examples".
QString ExamplesBeside(const QString& directory);

// The folder to work in: `stored` when set, else the examples beside `startDirectory`.
QString ChooseWorkingDirectory(const QString& stored, const QString& startDirectory);

// Reads the stored folder and changes to the chosen one. A folder that does not exist is ignored
// without a message: the program keeps the folder it was started in. True when it changed.
bool ApplyStartupWorkingDirectory();

}  // namespace zelm
