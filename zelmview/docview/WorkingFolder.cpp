#include "docview/WorkingFolder.h"

#include <QDir>

#include "docview/ProfileStore.h"

namespace docview {

namespace {

WorkingFolder* installedFolder = nullptr;

}  // namespace

WorkingFolder::WorkingFolder() : path(QDir::currentPath()) {}

QString WorkingFolder::FilePath(const QString& name) const
{
    return QDir(path).absoluteFilePath(name);
}

bool WorkingFolder::MoveTo(const QString& folder)
{
    if (folder.isEmpty() || !QDir::setCurrent(folder)) return false;
    // The folder as the system names it once entered, the same whichever way it was reached.
    path = QDir::currentPath();
    return true;
}

QString WorkingFolder::Remembered() const
{
    return getProfileString(kProfileSection, kWorkingFolderKey);
}

void WorkingFolder::Remember() const
{
    writeProfileString(kProfileSection, kWorkingFolderKey, path);
}

WorkingFolder& workingFolder()
{
    static WorkingFolder own;
    return installedFolder != nullptr ? *installedFolder : own;
}

WorkingFolder* installWorkingFolder(WorkingFolder* folder)
{
    const QString where = workingFolder().Path();
    WorkingFolder* previous = installedFolder;
    installedFolder = folder;
    workingFolder().MoveTo(where);
    return previous;
}

}  // namespace docview
